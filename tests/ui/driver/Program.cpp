#include "tests/ui/driver/Program.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <algorithm>

namespace driver {

std::unique_ptr<Program> Program::Start(const std::string& exePath, const std::string& arguments,
                                        const std::string& workingFolder)
{
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    const std::string folder = workingFolder.empty() ? exePath.substr(0, exePath.find_last_of('\\')) : workingFolder;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine << " in " << folder << ": error " << ::GetLastError();
        return nullptr;
    }
    return std::unique_ptr<Program>(new Program(info));
}

std::unique_ptr<Program> Program::FindOtherCopy(const std::string& exePath, const std::vector<DWORD>& known)
{
    const std::string name = exePath.substr(exePath.find_last_of('\\') + 1);
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return nullptr;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    std::unique_ptr<Program> found;
    for (BOOL more = ::Process32First(snapshot, &entry); more && !found; more = ::Process32Next(snapshot, &entry)) {
        if (::lstrcmpiA(entry.szExeFile, name.c_str()) != 0
            || std::find(known.begin(), known.end(), entry.th32ProcessID) != known.end())
            continue;
        PROCESS_INFORMATION info = {};
        info.dwProcessId = entry.th32ProcessID;
        info.hProcess = ::OpenProcess(PROCESS_ALL_ACCESS, FALSE, entry.th32ProcessID);
        if (info.hProcess == nullptr)
            continue;
        char image[MAX_PATH] = {};
        DWORD length = sizeof image;
        if (::QueryFullProcessImageNameA(info.hProcess, 0, image, &length) && ::lstrcmpiA(image, exePath.c_str()) == 0)
            found.reset(new Program(info));
        else
            ::CloseHandle(info.hProcess);
    }
    ::CloseHandle(snapshot);
    return found;
}

Program::~Program()
{
    Terminate();
    // A copy found running has no thread handle of ours.
    if (m_info.hThread != nullptr)
        ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

bool Program::IsRunning() const
{
    return ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs)
{
    return ::WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> Program::ExitCode() const
{
    DWORD code = 0;
    if (IsRunning() || !::GetExitCodeProcess(m_info.hProcess, &code))
        return std::nullopt;
    return code;
}

void Program::Terminate()
{
    if (!IsRunning())
        return;
    ::TerminateProcess(m_info.hProcess, 0xDEAD);
    ::WaitForSingleObject(m_info.hProcess, 10000);
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId)
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> Program::TopLevelWindows() const
{
    WindowSearch search{ m_info.dwProcessId, {} };
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::FindMainWindow() const
{
    for (HWND window : TopLevelWindows()) {
        if (ClassOf(window) == "#32770" && TextOf(window) == "Corvane" && ::GetDlgItem(window, 1001) != nullptr)
            return window;
    }
    return nullptr;
}

HWND Program::WaitForMainWindow(DWORD timeoutMs) const
{
    HWND window = nullptr;
    WaitUntil([&] {
        window = FindMainWindow();
        return window != nullptr && ::IsWindowVisible(window);
    }, timeoutMs);
    if (window == nullptr || !::IsWindowVisible(window)) {
        ADD_FAILURE() << "no visible main window after " << timeoutMs << " ms";
        return nullptr;
    }
    return window;
}

} // namespace driver
