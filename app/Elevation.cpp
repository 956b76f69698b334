#include "app/Elevation.h"
#include "framework/ModulePath.h"
#include <shellapi.h>
#include <string>

bool StartAsAdministrator(HWND owner)
{
    const std::string program = GetModulePath();
    SHELLEXECUTEINFOA start = {};
    start.cbSize = sizeof start;
    start.hwnd = owner;
    start.lpVerb = "runas";
    start.lpFile = program.c_str();
    start.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&start) != FALSE;
}
