// A stand-in for an IP Helper library that lacks one or both of the
// interface-table entry points, as a damaged or foreign copy could: built
// once for each set of exports (the .def files). Whatever it exports answers
// that it is not supported.
#include <windows.h>

extern "C" DWORD WINAPI GetIfTable(void*, ULONG*, BOOL)
{
    return ERROR_NOT_SUPPORTED;
}

extern "C" DWORD WINAPI GetNumberOfInterfaces(DWORD*)
{
    return ERROR_NOT_SUPPORTED;
}
