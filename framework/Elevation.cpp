#include "framework/Elevation.h"
#include <windows.h>

PFN_RUNSELEVATED g_pfnRunsElevated = TokenIsElevated;

bool RunsElevated()
{
    return g_pfnRunsElevated();
}

bool TokenIsElevated()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    // TokenElevationType is unknown before Vista: the query fails there, and
    // the process counts as not elevated.
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    const BOOL known = ::GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size);
    ::CloseHandle(token);
    return known && type == TokenElevationTypeFull;
}
