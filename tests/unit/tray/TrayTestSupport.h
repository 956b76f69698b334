#pragma once
#include "framework/Wnd.h"

// Puts a fake into one of the tray's swappable platform calls for the life
// of the object.
template <typename Pointer>
class ScopedSwap {
public:
    ScopedSwap(Pointer& slot, Pointer fake) : m_slot(slot), m_saved(slot) { slot = fake; }
    ~ScopedSwap() { m_slot = m_saved; }
    ScopedSwap(const ScopedSwap&) = delete;
    ScopedSwap& operator=(const ScopedSwap&) = delete;

private:
    Pointer& m_slot;
    Pointer m_saved;
};

inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// Makes the window the foreground window and lets the X server's focus events
// for it arrive: arriving later, they would take the activation away again
// (and close a popup menu opened meanwhile).
inline void MakeForeground(HWND window)
{
    ::SetForegroundWindow(window);
    for (int i = 0; i < 10; ++i) {
        ::Sleep(10);
        PumpMessages();
    }
}

// Whether a message is waiting for the window; takes it out of the queue.
inline bool TakePosted(HWND window, UINT message, MSG* taken = nullptr)
{
    MSG msg;
    if (!::PeekMessageA(&msg, window, message, message, PM_REMOVE))
        return false;
    if (taken != nullptr)
        *taken = msg;
    return true;
}

// A visible top-level window like the main dialog: popup, caption, system
// menu. Counts its paints, which show whether a redraw happened.
class CTestWindow : public CWnd {
public:
    explicit CTestWindow(int x = 100, int y = 100)
    {
        CreateEx(0, FrameworkWindowClass(), "Tray test", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y, 300,
                 200, nullptr, nullptr);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++m_nPaints;
        return CWnd::WindowProc(message, wParam, lParam);
    }

    int m_nPaints = 0;
};
