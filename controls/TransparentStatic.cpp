#include "controls/TransparentStatic.h"

BEGIN_MESSAGE_MAP(CTransparentStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_SETTEXT()
END_MESSAGE_MAP()

void CTransparentStatic::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const std::string text = GetWindowText();
    HGDIOBJ oldFont = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, 0);
    ::SelectObject(dc, oldFont);
    ::EndPaint(m_hWnd, &paint);
}

LRESULT CTransparentStatic::OnSetText(LPCSTR)
{
    ShowWindow(SW_HIDE);
    const LRESULT result = Default();
    ShowWindow(SW_SHOW);
    return result;
}
