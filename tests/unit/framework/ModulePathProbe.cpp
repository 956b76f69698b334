// An empty library: GetModulePath's test loads a copy of it from a deep folder.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
