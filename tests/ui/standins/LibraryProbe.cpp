// A library that records every program that loads it: on being loaded it
// appends "loaded by: <the program's full path>" to "<its own path>.log".
// Copied beside a program under the name of a system library, it tells
// whether the program loaded that copy instead of the system's. It exports
// nothing: Wine gives a program that takes it for a system library stubs
// that fail when called, and the record is written all the same.
#include <windows.h>
#include <string>

namespace {

std::string ModulePath(HMODULE module)
{
    std::string path(32768, '\0');
    const DWORD length = ::GetModuleFileNameA(module, &path[0], static_cast<DWORD>(path.size()));
    path.resize(length < path.size() ? length : 0);
    return path;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    const std::string record = "loaded by: " + ModulePath(nullptr) + "\r\n";
    HANDLE log = ::CreateFileA((ModulePath(self) + ".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(log, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
        ::CloseHandle(log);
    }
    return TRUE;
}
