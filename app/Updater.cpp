#include "app/Updater.h"
#include "app/ProductInfo.h"
#include "framework/ModulePath.h"
#include <windows.h>
#include <shellapi.h>

std::string UpdaterParameters()
{
    std::string parameters;
    for (const char* field : { kProductName, "6", kProductVersion, kMakerDomain, "false" }) {
        parameters += '"';
        parameters += field;
        parameters += "\" ";
    }
    return parameters;
}

std::string UpdaterPathBeside(const std::string& exePath)
{
    const size_t slash = exePath.find_last_of('\\');
    return (slash == std::string::npos ? std::string() : exePath.substr(0, slash + 1)) + "UpdateApp.exe";
}

void LaunchUpdater()
{
    const std::string updater = UpdaterPathBeside(GetModulePath());
    ::ShellExecuteA(nullptr, "open", updater.c_str(), UpdaterParameters().c_str(), nullptr, SW_SHOWNORMAL);
}
