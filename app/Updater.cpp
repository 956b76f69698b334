#include "app/Updater.h"
#include "framework/ModulePath.h"
#include "framework/ProgramStart.h"
#include "res/ProductInfo.h"
#include <windows.h>

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
    StartProgram(updater, UpdaterParameters().c_str(), "open", SW_SHOWNORMAL);
}
