#include "settings/IniPath.h"

std::string IniPathForModule(const std::string& modulePath)
{
    const std::string::size_type dot = modulePath.find_last_of('.');
    const std::string::size_type slash = modulePath.find_last_of('\\');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return modulePath.substr(0, hasExtension ? dot : std::string::npos) + ".ini";
}
