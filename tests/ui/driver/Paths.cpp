#include "tests/ui/driver/Paths.h"
#include <algorithm>

namespace driver {

std::string WindowsPathFromUnix(const std::string& path)
{
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

std::string UnixPathFromWindows(const std::string& path)
{
    if (path.size() < 2 || (path[0] != 'Z' && path[0] != 'z') || path[1] != ':')
        return std::string();
    std::string unix = path.substr(2);
    std::replace(unix.begin(), unix.end(), '\\', '/');
    return unix;
}

// The Unix paths come from CMake, which knows the targets' output files.
std::string BuiltCorvanePath()
{
    return WindowsPathFromUnix(CORVANE_EXE_PATH);
}

std::string BuiltSkinPath()
{
    return WindowsPathFromUnix(CORVANE_SKIN_PATH);
}

std::string BuiltUserGuidePath()
{
    return WindowsPathFromUnix(CORVANE_USER_GUIDE_PATH);
}

std::string StandInPath(const std::string& name)
{
    return WindowsPathFromUnix(CORVANE_STANDIN_DIR) + "\\" + name;
}

std::string ScratchRoot()
{
    return WindowsPathFromUnix(CORVANE_SCRATCH_ROOT);
}

std::string MenuProbePath()
{
    return WindowsPathFromUnix(CORVANE_MENU_PROBE_PATH);
}

std::string TimerProbePath()
{
    return WindowsPathFromUnix(CORVANE_TIMER_PROBE_PATH);
}

} // namespace driver
