#include "tests/ui/driver/Menus.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/MenuProbeRequest.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Program.h"
#include <gtest/gtest.h>
#include <psapi.h>
#include <sstream>

namespace driver {

namespace {

constexpr DWORD kRemoteTimeoutMs = 10000;

std::string FileNameOf(const std::string& path)
{
    return path.substr(path.find_last_of('\\') + 1);
}

// Where the module with this file name is loaded in the other process.
UINT_PTR RemoteModuleBase(HANDLE process, const std::string& fileName)
{
    HMODULE modules[1024];
    DWORD needed = 0;
    if (!::EnumProcessModules(process, modules, sizeof modules, &needed))
        return 0;
    const DWORD count = needed / sizeof(HMODULE) < 1024 ? needed / sizeof(HMODULE) : 1024;
    for (DWORD i = 0; i < count; ++i) {
        char path[MAX_PATH * 4] = {};
        if (::GetModuleFileNameExA(process, modules[i], path, sizeof path) > 0
            && ::lstrcmpiA(FileNameOf(path).c_str(), fileName.c_str()) == 0)
            return reinterpret_cast<UINT_PTR>(modules[i]);
    }
    return 0;
}

// The address of a function of a module in the other process: the module
// keeps its layout, so the function lies at the same offset from its base.
UINT_PTR RemoteFunction(HANDLE process, HMODULE localModule, const char* function)
{
    char localPath[MAX_PATH * 4] = {};
    ::GetModuleFileNameA(localModule, localPath, sizeof localPath);
    const UINT_PTR remoteBase = RemoteModuleBase(process, FileNameOf(localPath));
    const auto local = reinterpret_cast<UINT_PTR>(::GetProcAddress(localModule, function));
    if (remoteBase == 0 || local == 0)
        return 0;
    return remoteBase + (local - reinterpret_cast<UINT_PTR>(localModule));
}

// Runs function(argument) on a new thread of the other process; its exit code.
DWORD RunRemote(HANDLE process, UINT_PTR function, const void* argument, size_t size)
{
    void* remote = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr)
        return kProbeFailed;
    DWORD exitCode = kProbeFailed;
    if (::WriteProcessMemory(process, remote, argument, size, nullptr)) {
        HANDLE thread = ::CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(function),
                                             remote, 0, nullptr);
        if (thread != nullptr) {
            if (::WaitForSingleObject(thread, kRemoteTimeoutMs) == WAIT_OBJECT_0)
                ::GetExitCodeThread(thread, &exitCode);
            ::CloseHandle(thread);
        }
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return exitCode;
}

UINT_PTR ProbeFunctionIn(HANDLE process)
{
    static HMODULE localProbe = ::LoadLibraryA(MenuProbePath().c_str());
    if (localProbe == nullptr) {
        ADD_FAILURE() << "cannot load " << MenuProbePath();
        return 0;
    }
    if (RemoteModuleBase(process, FileNameOf(MenuProbePath())) == 0) {
        const std::string path = MenuProbePath();
        const UINT_PTR loadLibrary =
            RemoteFunction(process, ::GetModuleHandleA("kernel32.dll"), "LoadLibraryA");
        // The thread's exit code holds only the low half of a 64-bit module
        // handle: whether the library arrived is asked of the module list.
        if (loadLibrary != 0)
            RunRemote(process, loadLibrary, path.c_str(), path.size() + 1);
        if (RemoteModuleBase(process, FileNameOf(path)) == 0) {
            ADD_FAILURE() << "cannot load the menu probe into the program";
            return 0;
        }
    }
    return RemoteFunction(process, localProbe, kProbeFunction);
}

std::vector<MenuItem> ParseItems(const std::string& text)
{
    std::vector<MenuItem> items;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t first = line.find('|');
        const size_t second = first == std::string::npos ? first : line.find('|', first + 1);
        if (second == std::string::npos)
            continue;
        MenuItem item;
        item.id = static_cast<UINT>(std::stoul(line.substr(0, first)));
        const std::string flags = line.substr(first + 1, second - first - 1);
        item.separator = flags.find('S') != std::string::npos;
        item.submenu = flags.find('P') != std::string::npos;
        item.checked = flags.find('C') != std::string::npos;
        item.grayed = flags.find('G') != std::string::npos;
        item.text = line.substr(second + 1);
        items.push_back(item);
    }
    return items;
}

std::vector<MenuItem> Read(const Program& program, HWND window, HMENU menu)
{
    const UINT_PTR probe = ProbeFunctionIn(program.Handle());
    if (probe == 0)
        return {};
    static int requests = 0;
    const std::string output = ScratchRoot() + "\\menu-" + std::to_string(::GetCurrentProcessId()) + "-"
        + std::to_string(++requests) + ".txt";
    MenuProbeRequest request = {};
    request.window = reinterpret_cast<UINT_PTR>(window);
    request.menu = reinterpret_cast<UINT_PTR>(menu);
    lstrcpynA(request.output, output.c_str(), sizeof request.output);
    const DWORD count = RunRemote(program.Handle(), probe, &request, sizeof request);
    const auto text = ReadFileText(output);
    ::DeleteFileA(output.c_str());
    if (count == kProbeFailed || !text) {
        ADD_FAILURE() << "the menu probe could not read the menu";
        return {};
    }
    return ParseItems(*text);
}

} // namespace

std::vector<MenuItem> ReadSystemMenu(const Program& program, HWND window)
{
    return Read(program, window, nullptr);
}

std::vector<MenuItem> ReadMenu(const Program& program, HMENU menu)
{
    return Read(program, nullptr, menu);
}

HWND WaitForPopupMenu(const Program& program, DWORD timeoutMs)
{
    HWND popup = nullptr;
    WaitUntil([&] {
        for (HWND window : program.TopLevelWindows()) {
            if (ClassOf(window) == "#32768" && ::IsWindowVisible(window)) {
                popup = window;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return popup;
}

HMENU MenuOfPopup(HWND popupWindow)
{
    return reinterpret_cast<HMENU>(::SendMessageA(popupWindow, MN_GETHMENU, 0, 0));
}

} // namespace driver
