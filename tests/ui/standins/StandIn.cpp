// A stand-in for a program Corvane starts (the updater, the Zendry client,
// the browser): it appends its command line, its own full path, its current
// folder, the program that started it and the show state it was given to
// "<its own path>.log" and exits, so a test can see what was started, how,
// from where and by whom. One write per run keeps each record whole.
#include <windows.h>
#include <tlhelp32.h>
#include <string>

namespace {

std::string OwnPath()
{
    std::string path(32768, '\0');
    const DWORD length = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::string CurrentFolder()
{
    std::string folder(32768, '\0');
    const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), &folder[0]);
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

// The program that started this one: its full path, or its file name when
// it cannot be asked for the path; empty when it is gone.
std::string ParentProgram()
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::string();
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    DWORD parentId = 0;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == ::GetCurrentProcessId())
            parentId = entry.th32ParentProcessID;
    }
    std::string name;
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == parentId)
            name = entry.szExeFile;
    }
    ::CloseHandle(snapshot);
    HANDLE parent = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parentId);
    if (parent == nullptr)
        return name;
    std::string path(32768, '\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (::QueryFullProcessImageNameA(parent, 0, &path[0], &length))
        name = path.substr(0, length);
    ::CloseHandle(parent);
    return name;
}

// The show state the starter asked for, or "default" when it asked none.
std::string ShowState()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? std::to_string(startup.wShowWindow) : "default";
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string self = OwnPath();
    const std::string record = "command line: " + std::string(::GetCommandLineA()) + "\r\n" + "program: " + self
        + "\r\n" + "folder: " + CurrentFolder() + "\r\n" + "parent: " + ParentProgram() + "\r\n"
        + "show: " + ShowState() + "\r\n";
    HANDLE log = ::CreateFileA((self + ".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    ::CloseHandle(log);
    return ok && written == record.size() ? 0 : 1;
}
