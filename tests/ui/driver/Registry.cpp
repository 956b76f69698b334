#include "tests/ui/driver/Registry.h"
#include <vector>

namespace driver {

void CleanCorvaneRegistry()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kProductKey);
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, kRunValue);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kClientKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kClientKey);
}

bool KeyExists(HKEY root, const std::string& key)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(opened);
    return true;
}

std::optional<DWORD> ReadDword(HKEY root, const std::string& key, const std::string& value)
{
    DWORD data = 0;
    DWORD size = sizeof data;
    if (::RegGetValueA(root, key.c_str(), value.c_str(), RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

std::optional<std::string> ReadString(HKEY root, const std::string& key, const std::string& value)
{
    DWORD size = 0;
    const DWORD types = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (::RegGetValueA(root, key.c_str(), value.c_str(), types, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<char> data(size + 1, '\0');
    if (::RegGetValueA(root, key.c_str(), value.c_str(), types, nullptr, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data.data());
}

namespace {

bool WriteValue(HKEY root, const std::string& key, const std::string& value, DWORD type, const void* data, DWORD size)
{
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(opened, value.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    ::RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

} // namespace

bool WriteDword(HKEY root, const std::string& key, const std::string& value, DWORD data)
{
    return WriteValue(root, key, value, REG_DWORD, &data, sizeof data);
}

bool WriteString(HKEY root, const std::string& key, const std::string& value, const std::string& data)
{
    return WriteValue(root, key, value, REG_SZ, data.c_str(), static_cast<DWORD>(data.size() + 1));
}

} // namespace driver
