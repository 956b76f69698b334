#pragma once
#include <windows.h>

// One menu item as seen by an update handler: the handler checks or enables
// it, and the caller learns whether the handler touched the enabled state.
class CCmdUI {
public:
    CCmdUI(HMENU menu, UINT index, UINT id) : m_hMenu(menu), m_nIndex(index), m_nID(id) {}

    void Enable(BOOL on = TRUE);
    void SetCheck(int check = 1);

    HMENU m_hMenu;
    UINT m_nIndex;
    UINT m_nID;
    bool m_bEnableChanged = false;
};
