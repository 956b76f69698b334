// A stand-in for the platform's IP Helper library that lacks one or both of
// the interface-table entry points, as a damaged or foreign system library
// could: built once for each set of exports (the .def files).
// Put beside Corvane.exe, with Wine told to prefer the copy beside the
// program, it is the "Iphlpapi.dll" the program loads. Whatever it exports
// answers from the platform's own library in the system folder, GetIpAddrTable
// (which the program imports) included.
#include <windows.h>

namespace {

HMODULE s_hSelf = nullptr;

template <typename Function>
Function Platform(const char* name)
{
    char path[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + sizeof "\\iphlpapi.dll" > MAX_PATH)
        return nullptr;
    lstrcatA(path, "\\iphlpapi.dll");
    HMODULE platform = ::LoadLibraryA(path);
    // The loader may hand back this library itself for the name.
    if (platform == nullptr || platform == s_hSelf)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(platform, name)));
}

using PFN_TABLE = DWORD(WINAPI*)(void* table, ULONG* size, BOOL order);
using PFN_COUNT = DWORD(WINAPI*)(DWORD* count);

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        s_hSelf = instance;
    return TRUE;
}

extern "C" DWORD WINAPI GetIpAddrTable(void* table, ULONG* size, BOOL order)
{
    static const PFN_TABLE platform = Platform<PFN_TABLE>("GetIpAddrTable");
    return platform != nullptr ? platform(table, size, order) : ERROR_NOT_SUPPORTED;
}

extern "C" DWORD WINAPI GetIfTable(void* table, ULONG* size, BOOL order)
{
    static const PFN_TABLE platform = Platform<PFN_TABLE>("GetIfTable");
    return platform != nullptr ? platform(table, size, order) : ERROR_NOT_SUPPORTED;
}

extern "C" DWORD WINAPI GetNumberOfInterfaces(DWORD* count)
{
    static const PFN_COUNT platform = Platform<PFN_COUNT>("GetNumberOfInterfaces");
    return platform != nullptr ? platform(count) : ERROR_NOT_SUPPORTED;
}
