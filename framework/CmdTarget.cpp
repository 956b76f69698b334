#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageEntry entries[] = { { MessageKind::End, 0, 0, nullptr, nullptr } };
    static const MessageMap map = { nullptr, entries };
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

static bool Matches(const MessageEntry& entry, MessageKind kind, UINT message, UINT id)
{
    if (entry.kind == MessageKind::Registered)
        return kind == MessageKind::Message && *entry.registered != 0 && *entry.registered == message;
    if (entry.kind != kind)
        return false;
    switch (kind) {
    case MessageKind::Message:
        return entry.message == message;
    case MessageKind::Command:
        return entry.message == message && entry.id == id;
    case MessageKind::UpdateUI:
        return entry.id == id;
    default:
        return false;
    }
}

const MessageEntry* CCmdTarget::FindEntry(MessageKind kind, UINT message, UINT id) const
{
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageEntry* entry = map->entries; entry->kind != MessageKind::End; ++entry) {
            if (Matches(*entry, kind, message, id))
                return entry;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT code, UINT id)
{
    const MessageEntry* entry = FindEntry(MessageKind::Command, code, id);
    if (entry == nullptr)
        return false;
    entry->thunk(*this, 0, 0);
    return true;
}

bool CCmdTarget::OnUpdateCmdUI(CCmdUI& cmdUI)
{
    const MessageEntry* entry = FindEntry(MessageKind::UpdateUI, 0, cmdUI.m_nID);
    if (entry == nullptr)
        return false;
    entry->thunk(*this, 0, reinterpret_cast<LPARAM>(&cmdUI));
    return true;
}

bool CCmdTarget::HasCommandHandler(UINT id) const
{
    return FindEntry(MessageKind::Command, 0, id) != nullptr;
}

bool CCmdTarget::HasUpdateHandler(UINT id) const
{
    return FindEntry(MessageKind::UpdateUI, 0, id) != nullptr;
}
