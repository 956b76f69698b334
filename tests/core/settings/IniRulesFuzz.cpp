// Any text as an INI value and as a module path, any number as a stored
// setting: the rules must keep every result in its range and never fault.
#include "settings/CaptureSettingsRules.h"
#include "settings/IniPath.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    int number = 0;
    std::memcpy(&number, data, size < sizeof number ? size : sizeof number);
    const int limit = NormaliseLogSizeLimit(number);
    Check(limit >= 1 && limit <= 999 && (limit == number || number < 1 || number > 999));
    const int type = NormaliseLogType(number);
    Check(type >= 0 && type <= 6 && (type == number || number < 0 || number > 6));

    const std::uint32_t seconds = ParseIniUnsigned(text.c_str());
    Check(ParseIniUnsigned(std::to_string(seconds).c_str()) == seconds);
    if (seconds <= 4294967u)
        Check(IdleMillisecondsToSeconds(IdleSecondsToMilliseconds(seconds)) == seconds);

    // The folder part stays as it was; only a final extension makes way for ".ini".
    const std::string ini = IniPathForModule(text);
    Check(ini.size() >= 4 && ini.compare(ini.size() - 4, 4, ".ini") == 0);
    const std::string kept = ini.substr(0, ini.size() - 4);
    Check(text.compare(0, kept.size(), kept) == 0);
    const std::string cut = text.substr(kept.size());
    const std::string::size_type slash = text.find_last_of('\\');
    const std::string name = slash == std::string::npos ? text : text.substr(slash + 1);
    if (name.find('.') == std::string::npos)
        Check(cut.empty());
    else
        Check(cut[0] == '.' && cut.find('.', 1) == std::string::npos && cut.find('\\') == std::string::npos);
    return 0;
}
