#include "framework/ProtectedFolder.h"
#include "framework/ModulePath.h"
#include <windows.h>
#include <shlobj.h>

namespace {

// The long-path prefix the loader may put before a module's path.
constexpr wchar_t kLongPathPrefix[] = L"\\\\?\\";

std::wstring WithoutLongPathPrefix(const std::wstring& path)
{
    const std::wstring prefix = kLongPathPrefix;
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
}

// Upper case as the file systems fold names: letter by letter, the same for
// every language (CharUpperBuff works without a locale).
std::wstring Folded(std::wstring text)
{
    if (!text.empty())
        ::CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    // On Vista and later each of these folder ids is the known folder of the
    // same name; the call also works on XP, where the program runs too.
    if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::wstring();
    return path;
}

// The 64-bit Program Files folder, read where the system keeps it, in the
// registry's 64-bit view, and not from the ProgramW6432 variable: a variable
// holds whatever the parent process or the user's own environment puts there,
// so any program of the user's could name its own folder in it. Only
// administrators write this value. On 32-bit Windows the 64-bit view is the
// only one, and the value names the one Program Files folder.
std::wstring ProgramFiles64()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                        KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key)
        != ERROR_SUCCESS)
        return std::wstring();
    wchar_t folder[MAX_PATH] = {};
    DWORD size = sizeof folder - sizeof folder[0];
    DWORD type = 0;
    const LONG result
        = ::RegQueryValueExW(key, L"ProgramFilesDir", nullptr, &type, reinterpret_cast<BYTE*>(folder), &size);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return std::wstring();
    // The stored text need not end in a zero: the size asked for left room for one.
    folder[size / sizeof folder[0]] = L'\0';
    return folder;
}

// The path with its short (8.3) components written out long, as the known
// folders are: a program started as C:\PROGRA~1\... lies in Program Files too.
std::wstring LongForm(const std::wstring& path)
{
    const DWORD size = ::GetLongPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return path;
    std::wstring longPath(size, L'\0');
    const DWORD length = ::GetLongPathNameW(path.c_str(), &longPath[0], size);
    if (length == 0 || length >= size)
        return path;
    longPath.resize(length);
    return longPath;
}

} // namespace

bool PathIsInside(const std::wstring& path, const std::wstring& folder)
{
    std::wstring base = Folded(WithoutLongPathPrefix(folder));
    while (!base.empty() && base.back() == L'\\')
        base.pop_back();
    const std::wstring full = Folded(WithoutLongPathPrefix(path));
    if (base.empty() || full.size() <= base.size() + 1 || full.compare(0, base.size(), base) != 0
        || full[base.size()] != L'\\')
        return false;
    // What follows the folder must stay inside it.
    size_t start = base.size() + 1;
    while (start <= full.size()) {
        size_t end = full.find(L'\\', start);
        if (end == std::wstring::npos)
            end = full.size();
        const std::wstring component = full.substr(start, end - start);
        if (component == L"." || component == L"..")
            return false;
        start = end + 1;
    }
    return true;
}

std::vector<std::wstring> ProtectedFolders()
{
    std::vector<std::wstring> folders;
    for (const std::wstring& folder : { KnownFolder(CSIDL_PROGRAM_FILES), KnownFolder(CSIDL_PROGRAM_FILESX86),
                                        ProgramFiles64() }) {
        if (!folder.empty())
            folders.push_back(folder);
    }
    return folders;
}

bool RunsFromProtectedFolder()
{
    const std::wstring program = LongForm(GetModulePathW());
    for (const std::wstring& folder : ProtectedFolders()) {
        if (PathIsInside(program, folder))
            return true;
    }
    return false;
}
