#include "tray/SystemTray.h"
#include "framework/WinApp.h"
#include "tray/TrayCalls.h"
#include "tray/TrayTip.h"
#include <cstring>

#ifdef _WIN64
static_assert(kTrayIconDataSize == 520, "the guidItem form of NOTIFYICONDATAA on 64-bit Windows");
#else
static_assert(kTrayIconDataSize == 504, "the guidItem form of NOTIFYICONDATAA on 32-bit Windows");
#endif
static_assert(sizeof(NOTIFYICONDATAA::szTip) == TRAY_TIP_MAX, "the tooltip field holds 127 bytes and a zero");

const UINT g_nTaskbarCreatedMsg = ::RegisterWindowMessageA("TaskbarCreated");

namespace {

constexpr UINT kIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr const char* kTaskbarClass = "Shell_TrayWnd";

bool IsAnsiLeadByte(unsigned char byte)
{
    return ::IsDBCSLeadByte(byte) != FALSE;
}

} // namespace

BEGIN_MESSAGE_MAP(CSystemTray, CWnd)
    ON_WM_SETTINGCHANGE()
    ON_REGISTERED_MESSAGE(g_nTaskbarCreatedMsg, OnTaskbarCreated)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CSystemTray::CSystemTray()
{
    std::memset(&m_nid, 0, sizeof m_nid);
}

CSystemTray::~CSystemTray()
{
    RemoveTrayIcon();
    DestroyWindow();
}

BOOL CSystemTray::CreateTrayIcon(CWnd* owner, UINT message, LPCSTR tip, HICON icon, UINT id, BOOL hidden)
{
    // The low byte of GetVersion is the major version of Windows.
    m_bTrayAvailable = LOBYTE(LOWORD(g_pfnGetVersion())) >= 4 ? TRUE : FALSE;
    if (!m_bTrayAvailable)
        return FALSE;

    // Without this window only the shell-restart, work-area and retry
    // handling is lost, so its failure is not reported.
    if (CreateEx(0, FrameworkWindowClass(), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        SetTimer(kShellWatchTimer, kShellWatchPeriodMs);

    m_nid.cbSize = kTrayIconDataSize;
    m_nid.hWnd = owner != nullptr && owner->m_hWnd != nullptr ? owner->m_hWnd : m_hWnd;
    m_nid.uID = id;
    m_nid.uFlags = kIconFlags;
    m_nid.uCallbackMessage = message;
    m_nid.hIcon = icon;
    const size_t tipLength = TipCopyLength(tip, TRAY_TIP_MAX - 1, &IsAnsiLeadByte);
    if (tipLength > 0)
        std::memcpy(m_nid.szTip, tip, tipLength);
    m_nid.szTip[tipLength] = '\0';

    m_bIconHidden = hidden;
    if (hidden)
        return TRUE;

    // A refused add leaves the icon meant to be shown: at a start from the
    // Run key the shell may not have its tray yet, and the watch asks again
    // every period until it takes the icon.
    const BOOL added = g_pfnShellNotifyIconA(NIM_ADD, &m_nid) ? TRUE : FALSE;
    m_bIconRemoved = m_bReAddPending = !added;
    return added;
}

BOOL CSystemTray::RemoveTrayIcon()
{
    m_bReAddPending = FALSE;
    if (!m_bTrayAvailable || m_bIconRemoved)
        return TRUE;
    m_nid.uFlags = 0;
    if (g_pfnShellNotifyIconA(NIM_DELETE, &m_nid)) {
        m_bIconHidden = TRUE;
        m_bIconRemoved = TRUE;
    }
    return m_bIconRemoved;
}

void CSystemTray::ReAddTrayIcon()
{
    if (!m_bReAddPending || m_bIconHidden)
        return;
    m_nid.uFlags = kIconFlags;
    // The shell refuses to add an icon it holds already (a work-area change
    // seldom takes it away; a taskbar that announces itself late may have
    // had it from the watch): its accepting a modify says the icon is there.
    if (g_pfnShellNotifyIconA(NIM_ADD, &m_nid) || g_pfnShellNotifyIconA(NIM_MODIFY, &m_nid)) {
        m_bIconRemoved = FALSE;
        m_bReAddPending = FALSE;
    }
}

LRESULT CSystemTray::OnTaskbarCreated(WPARAM, LPARAM)
{
    // A new shell knows none of the old icons.
    m_bReAddPending = TRUE;
    ReAddTrayIcon();
    return 0;
}

void CSystemTray::OnTimer(UINT_PTR id)
{
    if (id != kShellWatchTimer || m_bIconHidden)
        return;
    // With no taskbar there is no one to ask: the icon waits for one.
    if (g_pfnFindWindowA(kTaskbarClass, nullptr) == nullptr)
        return;
    // Not every shell says when it has lost the icon (a taskbar started anew
    // without announcing itself, as Wine's explorer does). A modify that
    // changes nothing is accepted only for an icon the shell holds.
    if (!m_bReAddPending) {
        m_nid.uFlags = 0;
        m_bReAddPending = g_pfnShellNotifyIconA(NIM_MODIFY, &m_nid) ? FALSE : TRUE;
    }
    ReAddTrayIcon();
}

void CSystemTray::OnSettingChange(UINT flags, LPCSTR)
{
    Default();
    // A moved or resized taskbar may have dropped the icon: add it once more.
    if (flags == SPI_SETWORKAREA) {
        m_bReAddPending = !m_bIconHidden;
        ReAddTrayIcon();
    }
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Reaches this window only when the icon was created without an owner.
    if (message == m_nid.uCallbackMessage)
        return HandleTrayNotification(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CSystemTray::HandleTrayNotification(WPARAM wParam, LPARAM lParam)
{
    if (wParam != m_nid.uID)
        return 0;
    CWnd* target = AfxGetMainWnd();
    if (target == nullptr || target->m_hWnd == nullptr)
        return 0;

    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
        return ShowTrayMenu(*target);
    case WM_LBUTTONDBLCLK:
        // Command 0 is the default item's: the double click picks it.
        ::SetForegroundWindow(target->m_hWnd);
        ::PostMessageA(target->m_hWnd, WM_COMMAND, 0, 0);
        break;
    default:
        break;
    }
    return 1;
}

void CSystemTray::PrepareTrayMenu(CMenu*)
{
}

LRESULT CSystemTray::ShowTrayMenu(CWnd& target)
{
    // The icon's id is also the id of the menu whose first popup is the tray menu.
    CMenu menu;
    if (!menu.LoadMenu(m_nid.uID))
        return 0;
    CMenu popup;
    popup.m_hMenu = menu.GetSubMenu(0);
    if (popup.m_hMenu == nullptr)
        return 0;
    // Taken out of the menu bar so that each of the two is destroyed once.
    ::RemoveMenu(menu.m_hMenu, 0, MF_BYPOSITION);

    ::SetMenuDefaultItem(popup.m_hMenu, 0, FALSE);
    PrepareTrayMenu(&popup);
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    // The popup closes when the user clicks elsewhere only if its owner is
    // the foreground window; the WM_NULL afterwards makes the next popup
    // open properly (a documented quirk of notification-area menus).
    ::SetForegroundWindow(target.m_hWnd);
    ::TrackPopupMenu(popup.m_hMenu, 0, cursor.x, cursor.y, 0, target.m_hWnd, nullptr);
    ::PostMessageA(target.m_hWnd, WM_NULL, 0, 0);
    return 1;
}
