#include "framework/ProgramStart.h"
#include "framework/DesktopShell.h"
#include "framework/Elevation.h"
#include <windows.h>
#include <shellapi.h>

StartResult StartProgram(const std::string& file, const char* parameters, const char* verb, int show)
{
    if (!RunsElevated()) {
        // ShellExecuteA reports success as a value above 32; smaller values
        // are error codes. With no folder the program starts in ours.
        const HINSTANCE result = ::ShellExecuteA(nullptr, verb, file.c_str(), parameters, nullptr, show);
        return reinterpret_cast<INT_PTR>(result) > 32 ? StartResult::Started : StartResult::Failed;
    }
    // The desktop's shell answers for taking the start over, not always for
    // the start itself: a file named by its path is looked for here first.
    if (NamesFileByPath(file) && ::GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        return StartResult::Failed;
    return StartOnDesktop(file, parameters, verb, show);
}

bool NamesFileByPath(const std::string& file)
{
    if (file.empty())
        return false;
    if (file[0] == '\\' || file[0] == '/')
        return true;
    const char drive = file[0];
    const bool letter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    return letter && file.size() >= 2 && file[1] == ':';
}
