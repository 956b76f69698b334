#include "settings/ClientLauncher.h"
#include <cstring>
#include <windows.h>

std::optional<std::string> InstallFolderFromBuffer(const char* buffer, std::size_t size)
{
    const void* end = std::memchr(buffer, '\0', size);
    if (end == nullptr)
        return std::nullopt;
    return std::string(buffer, static_cast<const char*>(end));
}

std::string ClientExePath(const std::string& folder)
{
    return folder + "\\" + kClientExeName;
}

std::string ClientNotFoundMessage(const std::string& exePath)
{
    return "THERE IS NO Zendry installed IN\n[" + exePath + "].";
}

ClientLocation LocateClient()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kClientKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return { ClientStatus::NotInstalled, std::string() };

    // The stored type is not looked at: whatever text the data holds is the folder.
    char buffer[kInstallPathBufferSize] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    const LONG result =
        ::RegQueryValueExA(key, kClientInstallPathValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return { ClientStatus::NoUsablePath, std::string() };

    const std::optional<std::string> folder = InstallFolderFromBuffer(buffer, sizeof buffer);
    if (!folder)
        return { ClientStatus::NoUsablePath, std::string() };
    return { ClientStatus::Located, ClientExePath(*folder) };
}

StartResult LaunchClient(const std::string& exePath)
{
    return StartProgram(exePath, nullptr, nullptr, SW_SHOW);
}
