#pragma once
#include "framework/MessageMap.h"

class CCmdUI;

// Base of every object that owns a message map: windows and the application.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the command handler for (notification code, id); false when none exists.
    virtual bool OnCmdMsg(UINT code, UINT id);
    // Runs the update handler for the item cmdUI describes; false when none exists.
    bool OnUpdateCmdUI(CCmdUI& cmdUI);
    bool HasCommandHandler(UINT id) const;
    bool HasUpdateHandler(UINT id) const;

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // The first entry of the map chain (most derived first) that matches.
    const MessageEntry* FindEntry(MessageKind kind, UINT message, UINT id) const;
};
