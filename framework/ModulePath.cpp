#include "framework/ModulePath.h"

std::string GetModulePath(HMODULE module)
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string PathBeside(const std::string& path, const std::string& fileName)
{
    const size_t slash = path.find_last_of('\\');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + fileName;
}
