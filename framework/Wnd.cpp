#include "framework/Wnd.h"
#include "framework/Exception.h"
#include "framework/WinApp.h"
#include <new>
#include <unordered_map>

namespace {

// Handle-to-object map of the user-interface thread. Never destroyed: a
// window object with static storage may let go of its window during static
// destruction, after a map destroyed with the other statics would be gone.
std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static auto* const map = new std::unordered_map<HWND, CWnd*>;
    return *map;
}

} // namespace

const char* FrameworkWindowClass()
{
    static const char* const name = "CorvaneFrameworkWnd";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        registered = ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return name;
}

CWnd::~CWnd()
{
    if (m_hWnd == nullptr)
        return;
    if (m_bOwnsWindow)
        DestroyWindow();
    else
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto found = HandleMap().find(hWnd);
    return found == HandleMap().end() ? nullptr : found->second;
}

bool CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr || m_hWnd != nullptr)
        return false;
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
    return true;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        HandleMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

bool CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return false;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StandardWindowProc)));
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND item = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return item != nullptr && SubclassWindow(item);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr && m_hWnd != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu)
{
    if (m_hWnd != nullptr)
        return false;
    // Subclassed once created: the creation messages get the class's default
    // handling, which is all the framework's windows need.
    HWND hWnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                  parent, menu, ::GetModuleHandleA(nullptr), nullptr);
    if (hWnd == nullptr || !SubclassWindow(hWnd))
        return false;
    m_bOwnsWindow = true;
    return true;
}

bool CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

POINT CenteredOrigin(const RECT& rect, const RECT& area, const RECT& bounds)
{
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    POINT origin = { area.left + (area.right - area.left - width) / 2,
                     area.top + (area.bottom - area.top - height) / 2 };
    if (origin.x + width > bounds.right)
        origin.x = bounds.right - width;
    if (origin.y + height > bounds.bottom)
        origin.y = bounds.bottom - height;
    if (origin.x < bounds.left)
        origin.x = bounds.left;
    if (origin.y < bounds.top)
        origin.y = bounds.top;
    return origin;
}

void CWnd::CenterWindow()
{
    RECT window;
    RECT desktop;
    RECT workArea;
    ::GetWindowRect(m_hWnd, &window);
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0))
        workArea = desktop;
    const POINT origin = CenteredOrigin(window, desktop, workArea);
    // A dialog that its template centres is often there already. Moving a
    // window to where it stands still costs a round trip to the server and
    // the window system's own work (some 3 ms of Wine's start-up here).
    if (origin.x != window.left || origin.y != window.top)
        ::SetWindowPos(m_hWnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowText(HWND hWnd)
{
    try {
        const int length = ::GetWindowTextLengthA(hWnd);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        const int copied = ::GetWindowTextA(hWnd, &text[0], length + 1);
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        return text;
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
}

std::string CWnd::GetWindowText() const
{
    return WindowText(m_hWnd);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return m_pCurrentMessage == nullptr
        ? 0
        : DefWindowProc(m_pCurrentMessage->message, m_pCurrentMessage->wParam, m_pCurrentMessage->lParam);
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    if (OnCmdMsg(HIWORD(wParam), LOWORD(wParam)))
        return true;
    // Commands the main window does not handle go on to the application.
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pMainWnd == this && app->OnCmdMsg(HIWORD(wParam), LOWORD(wParam));
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
        return 0;
    if (message != WM_COMMAND) {
        if (const MessageEntry* entry = FindEntry(MessageKind::Message, message, 0))
            return entry->thunk(*this, wParam, lParam);
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    MSG current = { hWnd, message, wParam, lParam, 0, {0, 0} };
    const MSG* outer = wnd->m_pCurrentMessage;
    wnd->m_pCurrentMessage = &current;
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->m_pCurrentMessage = outer;

    // The window is gone after WM_NCDESTROY: the object lets go of its handle.
    if (message == WM_NCDESTROY && wnd->m_hWnd == hWnd) {
        wnd->m_pfnSuper = nullptr;
        wnd->m_bOwnsWindow = false;
        wnd->Detach();
    }
    return result;
}
