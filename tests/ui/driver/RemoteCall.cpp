#include "tests/ui/driver/RemoteCall.h"
#include <psapi.h>

namespace driver {

namespace {

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

} // namespace

UINT_PTR RemoteLibraryFunction(HANDLE process, const std::string& libraryPath, const char* function)
{
    HMODULE local = ::LoadLibraryA(libraryPath.c_str());
    if (local == nullptr)
        return 0;
    if (RemoteModuleBase(process, FileNameOf(libraryPath)) == 0) {
        const UINT_PTR loadLibrary = RemoteFunction(process, ::GetModuleHandleA("kernel32.dll"), "LoadLibraryA");
        std::string path = libraryPath;
        // The thread's exit code holds only the low half of a 64-bit module
        // handle: whether the library arrived is asked of the module list.
        if (loadLibrary != 0)
            CallRemote(process, loadLibrary, &path[0], path.size() + 1);
    }
    return RemoteFunction(process, local, function);
}

std::optional<DWORD> CallRemote(HANDLE process, UINT_PTR function, void* block, size_t size, DWORD timeoutMs)
{
    void* remote = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr)
        return std::nullopt;
    std::optional<DWORD> exitCode;
    bool stillRunning = false;
    if (::WriteProcessMemory(process, remote, block, size, nullptr)) {
        HANDLE thread = ::CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(function),
                                             remote, 0, nullptr);
        if (thread != nullptr) {
            DWORD code = 0;
            if (::WaitForSingleObject(thread, timeoutMs) != WAIT_OBJECT_0)
                stillRunning = true;
            else if (::GetExitCodeThread(thread, &code) && ::ReadProcessMemory(process, remote, block, size, nullptr))
                exitCode = code;
            ::CloseHandle(thread);
        }
    }
    // A thread that has not ended may still use the block: it is left to it.
    if (!stillRunning)
        ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return exitCode;
}

} // namespace driver
