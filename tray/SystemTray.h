#pragma once
#include "framework/Menu.h"
#include "framework/Wnd.h"
#include <shellapi.h>

// The icon's callback message, sent by the shell to the icon's window with
// the icon id in wParam and the mouse message in lParam.
constexpr UINT TRAY_NOTIFY_MSG = WM_APP + 10;
static_assert(TRAY_NOTIFY_MSG == 32778, "the tray callback message is part of the program's interface");

// The message the shell broadcasts when it (re)creates its taskbar; registered
// during static initialisation, before the application object runs.
extern const UINT g_nTaskbarCreatedMsg;

// The tray window's timer that keeps a shown icon in the shell, and its period.
constexpr UINT_PTR kShellWatchTimer = 1;
constexpr UINT kShellWatchPeriodMs = 1000;

// The record size handed to the shell: the form that ends with guidItem and
// has no balloon icon, whatever the Windows version.
constexpr DWORD kTrayIconDataSize = NOTIFYICONDATAA_V3_SIZE;

// One icon in the notification area, with an invisible top-level window of its
// own that hears the shell's "TaskbarCreated" and work-area broadcasts and
// puts the icon back. Mouse actions on the icon become the tray popup (right
// button up) or command 0 (left double click) for the application's main window.
//
// An icon is hidden only when its owner asks (created hidden, or removed); an
// add the shell refuses leaves it meant to be shown and owed to the shell.
// Not every shell is there at the start, or says when it has lost the icon
// (Wine's explorer broadcasts no "TaskbarCreated"), so once a period, while
// there is a taskbar window, the tray window asks the shell whether it holds
// a shown icon, and adds one that is owed.
class CSystemTray : public CWnd {
public:
    CSystemTray();
    ~CSystemTray() override;

    // Creates the tray window and, unless hidden, adds the icon. FALSE when
    // Windows is older than major version 4 or the shell refuses the icon.
    BOOL CreateTrayIcon(CWnd* owner, UINT message, LPCSTR tip, HICON icon, UINT id, BOOL hidden);
    // Deletes the icon; TRUE when it is gone (or never was there).
    BOOL RemoveTrayIcon();
    // Adds the icon again when a re-add is pending and it is meant to be shown;
    // an icon the shell holds already counts as added.
    void ReAddTrayIcon();

    // One callback message: 1 when it was for this icon, 0 when it was for
    // another icon or the popup could not be shown.
    virtual LRESULT HandleTrayNotification(WPARAM wParam, LPARAM lParam);
    // Called with the popup after its default item is set, before it opens.
    virtual void PrepareTrayMenu(CMenu* popup);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    const NOTIFYICONDATAA& IconData() const { return m_nid; }
    BOOL IsTrayAvailable() const { return m_bTrayAvailable; }
    BOOL IsIconHidden() const { return m_bIconHidden; }
    BOOL IsIconRemoved() const { return m_bIconRemoved; }
    BOOL IsReAddPending() const { return m_bReAddPending; }

protected:
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    void OnSettingChange(UINT flags, LPCSTR section);
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    LRESULT ShowTrayMenu(CWnd& target);

    NOTIFYICONDATAA m_nid;
    BOOL m_bTrayAvailable = FALSE;
    BOOL m_bIconHidden = TRUE;
    BOOL m_bIconRemoved = TRUE;
    BOOL m_bReAddPending = FALSE;
};
