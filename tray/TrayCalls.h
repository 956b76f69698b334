#pragma once
#include <windows.h>
#include <shellapi.h>

// The platform calls of the tray code that a test must be able to answer
// itself: the shell refusing an icon, an old Windows version, a machine
// without a taskbar, the animation setting (Wine always reports it off) and
// the animation itself (a stub under Wine). Each starts as the real call.
extern BOOL(WINAPI* g_pfnShellNotifyIconA)(DWORD message, PNOTIFYICONDATAA data);
extern DWORD(WINAPI* g_pfnGetVersion)();
extern BOOL(WINAPI* g_pfnSystemParametersInfoA)(UINT action, UINT param, PVOID data, UINT winIni);
extern BOOL(WINAPI* g_pfnDrawAnimatedRects)(HWND window, int animation, const RECT* from, const RECT* to);
extern HWND(WINAPI* g_pfnFindWindowA)(LPCSTR className, LPCSTR windowName);
extern UINT_PTR(WINAPI* g_pfnSHAppBarMessage)(DWORD message, PAPPBARDATA data);
