#pragma once
#include <windows.h>

class CCmdTarget;

// Brings every item of a popup up to date before it opens: each item's update
// handler in target's map runs (separators are skipped). An item that opens a
// submenu stands for its submenu's first item; without an update handler it is
// enabled exactly when target has a command handler for that item. Handlers
// may remove items: the walk goes on after them without skipping any.
void UpdatePopupMenu(HMENU popup, CCmdTarget& target);
