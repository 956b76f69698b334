#include "framework/ToolTipCtrl.h"

bool CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateEx(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, parent->m_hWnd, nullptr);
}

// The tool record as the 32-bit and 64-bit common controls of every version
// since 4.70 accept it.
static TOOLINFOA MakeToolInfo(CWnd* tool, const char* text, UINT_PTR toolId)
{
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = tool->m_hWnd;
    info.uId = toolId;
    info.lpszText = const_cast<char*>(text);
    return info;
}

bool CToolTipCtrl::AddTool(CWnd* tool, const char* text, const RECT& rect, UINT_PTR toolId)
{
    TOOLINFOA info = MakeToolInfo(tool, text, toolId);
    info.rect = rect;
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* tool, UINT_PTR toolId)
{
    TOOLINFOA info = MakeToolInfo(tool, text, toolId);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}
