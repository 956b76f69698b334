#include "framework/MenuUpdate.h"
#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"

namespace {
constexpr UINT kSubmenuId = static_cast<UINT>(-1); // GetMenuItemID's answer for a submenu item
}

void UpdatePopupMenu(HMENU popup, CCmdTarget& target)
{
    int count = ::GetMenuItemCount(popup);
    for (int index = 0; index < count; ++index) {
        UINT id = ::GetMenuItemID(popup, index);
        if (id == 0)
            continue;
        bool opensSubmenu = false;
        if (id == kSubmenuId) {
            HMENU submenu = ::GetSubMenu(popup, index);
            id = submenu != nullptr ? ::GetMenuItemID(submenu, 0) : 0;
            if (id == 0 || id == kSubmenuId)
                continue;
            opensSubmenu = true;
        }

        CCmdUI cmdUI(popup, static_cast<UINT>(index), id);
        if (!target.OnUpdateCmdUI(cmdUI) && opensSubmenu)
            cmdUI.Enable(target.HasCommandHandler(id));

        // Items removed by the handler: step back over them, then past any that
        // still carry this id, so the next item is the first one not yet seen.
        const int newCount = ::GetMenuItemCount(popup);
        if (newCount < count) {
            index -= count - newCount;
            while (index + 1 < newCount && ::GetMenuItemID(popup, index + 1) == id)
                ++index;
        }
        count = newCount;
    }
}
