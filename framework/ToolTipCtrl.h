#pragma once
#include "framework/Wnd.h"
#include <commctrl.h>

// A tooltip control window (the common controls' tooltip class).
class CToolTipCtrl : public CWnd {
public:
    bool Create(CWnd* parent, DWORD style);
    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate)); }
    void SetMaxTipWidth(int width) { SendMessage(TTM_SETMAXTIPWIDTH, 0, width); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    bool AddTool(CWnd* tool, const char* text, const RECT& rect, UINT_PTR toolId);
    void UpdateTipText(const char* text, CWnd* tool, UINT_PTR toolId);
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};
