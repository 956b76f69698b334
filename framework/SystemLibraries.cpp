#include "framework/SystemLibraries.h"
#include <delayimp.h>
#include <string>

namespace {

// Windows 8 and later have it, Vista and 7 only with update KB2533623, XP
// never: looked up, or the program would not start without it.
using PFN_SETDEFAULTDLLDIRECTORIES = BOOL(WINAPI*)(DWORD directoryFlags);

// mingw's delay-load helper loads a library by its bare name with
// LoadLibraryA. Where SetDefaultDllDirectories is missing that looks in the
// program's folder first, so the library is loaded here, by its full system
// path, before the helper would: the helper takes the module it is given.
// The same on every system keeps one way to load them.
FARPROC WINAPI LoadDelayedFromSystemFolder(unsigned notification, PDelayLoadInfo info)
{
    if (notification != dliNotePreLoadLibrary)
        return nullptr;
    return reinterpret_cast<FARPROC>(LoadSystemLibrary(info->szDll));
}

} // namespace

void KeepLibrariesInSystemFolder()
{
    // Nothing of the C runtime yet: Win32 calls only.
    const auto setDefaultDirectories = reinterpret_cast<PFN_SETDEFAULTDLLDIRECTORIES>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDirectories != nullptr)
        setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    __pfnDliNotifyHook2 = &LoadDelayedFromSystemFolder;
}

HMODULE LoadSystemLibrary(const char* name)
{
    // The answer to a buffer too small is the size needed, its terminating zero included.
    const UINT needed = ::GetSystemDirectoryA(nullptr, 0);
    if (needed == 0)
        return nullptr;
    std::string path(needed, '\0');
    const UINT length = ::GetSystemDirectoryA(&path[0], needed);
    if (length == 0 || length >= needed)
        return nullptr;
    path.resize(length);
    path += '\\';
    path += name;
    return ::LoadLibraryA(path.c_str());
}
