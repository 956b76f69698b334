#include "settings/RunKey.h"

LSTATUS(WINAPI* g_pfnRunKeySetValue)(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) = ::RegSetValueExA;

namespace {

HKEY OpenRunKey(REGSAM access)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

std::string RunEntryCommandLine(const std::string& exePath)
{
    return "\"" + exePath + "\" -tray";
}

bool RunEntryExists(const char* name)
{
    HKEY key = OpenRunKey(KEY_QUERY_VALUE);
    if (key == nullptr)
        return false;
    // Asking for neither type nor data succeeds for a value of any type or size.
    const bool present = ::RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return present;
}

bool SetRunEntry(const char* name, bool on, const std::string& exePath)
{
    HKEY key = OpenRunKey(KEY_ALL_ACCESS);
    if (key == nullptr)
        return false;
    LONG result;
    if (on) {
        const std::string commandLine = RunEntryCommandLine(exePath);
        // The byte count takes in the terminating zero, so readers get a terminated string.
        result = g_pfnRunKeySetValue(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(commandLine.c_str()),
                                     static_cast<DWORD>(commandLine.size() + 1));
    } else {
        result = ::RegDeleteValueA(key, name);
        // Removing a value that is already gone gives the state asked for.
        if (result == ERROR_FILE_NOT_FOUND)
            result = ERROR_SUCCESS;
    }
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
