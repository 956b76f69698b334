#include "framework/ModulePath.h"

namespace {

template <typename Text, typename GetFileName>
Text ModulePathOf(HMODULE module, GetFileName getFileName)
{
    Text path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = getFileName(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return Text();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

std::string GetModulePath(HMODULE module)
{
    return ModulePathOf<std::string>(module, ::GetModuleFileNameA);
}

std::wstring GetModulePathW(HMODULE module)
{
    return ModulePathOf<std::wstring>(module, ::GetModuleFileNameW);
}

std::string PathBeside(const std::string& path, const std::string& fileName)
{
    const size_t slash = path.find_last_of('\\');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + fileName;
}
