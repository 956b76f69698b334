#pragma once
#include <string>
#include <windows.h>

// Points this process's HKEY_CURRENT_USER at an empty key of its own for the
// life of the object, so tests see a user with no settings and leave the real
// user's registry alone. Tests run in parallel processes: the key is named
// after the process.
class ScratchCurrentUser {
public:
    ScratchCurrentUser()
        : m_path("Software\\CorvaneTests\\client-" + std::to_string(::GetCurrentProcessId()))
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
        ::RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, m_key);
    }
    ~ScratchCurrentUser()
    {
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ::RegCloseKey(m_key);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    }
    ScratchCurrentUser(const ScratchCurrentUser&) = delete;
    ScratchCurrentUser& operator=(const ScratchCurrentUser&) = delete;

    bool Valid() const { return m_key != nullptr; }

private:
    std::string m_path;
    HKEY m_key = nullptr;
};

// Creates `subkey` under the (overridden) current user and sets one value in it.
inline bool WriteUserValue(const char* subkey, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

inline bool UserKeyExists(const char* subkey)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}
