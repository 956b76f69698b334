// A stand-in for a program Corvane starts (the updater, the Zendry client):
// it appends its command line, its own full path and its current folder to
// "<its own path>.log" and exits, so a test can see what was started, how and
// from where. One write per run keeps each record whole.
#include <windows.h>
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

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string self = OwnPath();
    const std::string record = "command line: " + std::string(::GetCommandLineA()) + "\r\n" + "program: " + self
        + "\r\n" + "folder: " + CurrentFolder() + "\r\n";
    HANDLE log = ::CreateFileA((self + ".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    ::CloseHandle(log);
    return ok && written == record.size() ? 0 : 1;
}
