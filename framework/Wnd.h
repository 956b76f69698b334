#pragma once
#include "framework/CmdTarget.h"
#include <string>

// The name of the framework's own window class: no class style, cursor,
// background brush or icon. Registered on first use.
const char* FrameworkWindowClass();

// Where a rectangle goes when centred on `area`, moved back inside `bounds`
// when it would stick out (the caption stays reachable).
POINT CenteredOrigin(const RECT& rect, const RECT& area, const RECT& bounds);

// The window text of any window, however long; throws CMemoryException.
std::string WindowText(HWND hWnd);

// A window object: an HWND plus the message map that handles it. Objects are
// found from handles through one map; all windows live on the user-interface
// thread, so the map needs no lock.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    static CWnd* FromHandlePermanent(HWND hWnd);
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Takes over an existing window (a dialog control): its messages now pass
    // through this object's map first, then to the window's own procedure.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Creates a window of the given class whose messages go through this object.
    bool CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  int x, int y, int width, int height, HWND parent, HMENU menu);
    bool DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled to the default procedure.
    LRESULT Default();

    std::string GetWindowText() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }
    void SetIcon(HICON icon, BOOL big) { SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    // Centres the window on the desktop window, kept inside the work area.
    void CenterWindow();

    HWND m_hWnd = nullptr;

protected:
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: the control's notification code and id, looked up in the map.
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    bool Attach(HWND hWnd);
    HWND Detach();

    static LRESULT CALLBACK StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    WNDPROC m_pfnSuper = nullptr;
    bool m_bOwnsWindow = false; // created by CreateEx, so destroyed with the object
    const MSG* m_pCurrentMessage = nullptr;
};
