#include "tray/TrayCalls.h"

BOOL(WINAPI* g_pfnShellNotifyIconA)(DWORD, PNOTIFYICONDATAA) = &::Shell_NotifyIconA;
DWORD(WINAPI* g_pfnGetVersion)() = &::GetVersion;
BOOL(WINAPI* g_pfnSystemParametersInfoA)(UINT, UINT, PVOID, UINT) = &::SystemParametersInfoA;
BOOL(WINAPI* g_pfnDrawAnimatedRects)(HWND, int, const RECT*, const RECT*) = &::DrawAnimatedRects;
HWND(WINAPI* g_pfnFindWindowA)(LPCSTR, LPCSTR) = &::FindWindowA;
UINT_PTR(WINAPI* g_pfnSHAppBarMessage)(DWORD, PAPPBARDATA) = &::SHAppBarMessage;
