#pragma once
#include <windows.h>

// A menu handle; destroys the menu it loaded itself.
class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() { DestroyMenu(); }

    bool LoadMenu(UINT id) { DestroyMenu(); m_hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); return m_hMenu != nullptr; }
    void DestroyMenu() { if (m_hMenu != nullptr) ::DestroyMenu(m_hMenu); m_hMenu = nullptr; }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
    HMENU m_hMenu = nullptr;
};
