#include "app/Updater.h"
#include "framework/ModulePath.h"
#include "res/ProductInfo.h"
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

void LaunchUpdater()
{
    const std::string updater = PathBeside(GetModulePath(), "UpdateApp.exe");
    ::ShellExecuteA(nullptr, "open", updater.c_str(), UpdaterParameters().c_str(), nullptr, SW_SHOWNORMAL);
}
