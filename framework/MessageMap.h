#pragma once
#include <windows.h>

// Message maps: one static table per class, chained to its base class's
// table. Each entry carries a small thunk that casts the target back to the
// class that declared the table and calls the handler with its own typed
// signature, so a handler with the wrong signature does not compile.

class CCmdTarget;
class CCmdUI;

enum class MessageKind { End, Message, Registered, Command, UpdateUI };

using MessageThunk = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    MessageKind kind;
    UINT message;           // Message: the message; Command: the notification code
    UINT id;                // Command and UpdateUI: the control or menu item id
    const UINT* registered; // Registered: the variable holding the registered number
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageEntry* entries;
};

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const MessageMap* GetThisMessageMap();    \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }       \
    const MessageMap* theClass::GetThisMessageMap()                                         \
    {                                                                                       \
        using ThisClass [[maybe_unused]] = theClass;                                        \
        using TheBaseClass = baseClass;                                                     \
        static const MessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                       \
            { MessageKind::End, 0, 0, nullptr, nullptr } };                     \
        static const MessageMap map = { &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                            \
    }

#define MM_THUNK(body)                                                         \
    [](CCmdTarget& target, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam) -> LRESULT { \
        ThisClass& self = static_cast<ThisClass&>(target);                     \
        body                                                                   \
    }

#define MM_MESSAGE(msg, body) { MessageKind::Message, msg, 0, nullptr, MM_THUNK(body) },

// Generic handlers: LRESULT OnSomething(WPARAM, LPARAM).
#define ON_MESSAGE(msg, memberFn) MM_MESSAGE(msg, return self.memberFn(wParam, lParam);)
#define ON_REGISTERED_MESSAGE(variable, memberFn) \
    { MessageKind::Registered, 0, 0, &(variable), MM_THUNK(return self.memberFn(wParam, lParam);) },

// Commands and control notifications: void OnSomething().
#define ON_CONTROL(code, id, memberFn) \
    { MessageKind::Command, code, id, nullptr, MM_THUNK(self.memberFn(); return 0;) },
#define ON_COMMAND(id, memberFn) ON_CONTROL(0, id, memberFn)
// One handler for several commands: void OnSomething(UINT id).
#define ON_COMMAND_WITH_ID(id, memberFn) \
    { MessageKind::Command, 0, id, nullptr, MM_THUNK(self.memberFn(static_cast<UINT>(id)); return 0;) },
#define ON_BN_CLICKED(id, memberFn) ON_CONTROL(BN_CLICKED, id, memberFn)
#define ON_CBN_SELCHANGE(id, memberFn) ON_CONTROL(CBN_SELCHANGE, id, memberFn)

// Command-UI updates: void OnUpdateSomething(CCmdUI*).
#define ON_UPDATE_COMMAND_UI(id, memberFn) \
    { MessageKind::UpdateUI, 0, id, nullptr, \
      MM_THUNK(self.memberFn(reinterpret_cast<CCmdUI*>(lParam)); return 0;) },

// Typed window messages.
#define ON_WM_TIMER() MM_MESSAGE(WM_TIMER, self.OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)
#define ON_WM_PAINT() MM_MESSAGE(WM_PAINT, self.OnPaint(); return 0;)
#define ON_WM_ERASEBKGND() MM_MESSAGE(WM_ERASEBKGND, return self.OnEraseBkgnd(reinterpret_cast<HDC>(wParam));)
#define ON_WM_QUERYDRAGICON() \
    MM_MESSAGE(WM_QUERYDRAGICON, return reinterpret_cast<LRESULT>(self.OnQueryDragIcon());)
#define ON_WM_SYSCOMMAND() \
    MM_MESSAGE(WM_SYSCOMMAND, self.OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;)
#define ON_WM_INITMENUPOPUP() \
    MM_MESSAGE(WM_INITMENUPOPUP, \
        self.OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam) != 0); return 0;)
#define ON_WM_SETTEXT() \
    MM_MESSAGE(WM_SETTEXT, return self.OnSetText(reinterpret_cast<LPCSTR>(lParam));)
#define ON_WM_SETTINGCHANGE() \
    MM_MESSAGE(WM_SETTINGCHANGE, self.OnSettingChange(static_cast<UINT>(wParam), reinterpret_cast<LPCSTR>(lParam)); return 0;)

// HBRUSH OnCtlColor(HDC, HWND control, UINT kind): one entry per WM_CTLCOLOR*
// message; the kind is the CTLCOLOR_* constant, derived from the message number.
#define MM_CTLCOLOR(msg) \
    MM_MESSAGE(msg, return reinterpret_cast<LRESULT>(self.OnCtlColor( \
        reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), (msg) - WM_CTLCOLORMSGBOX));)
#define ON_WM_CTLCOLOR()                                                             \
    MM_CTLCOLOR(WM_CTLCOLORMSGBOX) MM_CTLCOLOR(WM_CTLCOLOREDIT) MM_CTLCOLOR(WM_CTLCOLORLISTBOX) \
    MM_CTLCOLOR(WM_CTLCOLORBTN) MM_CTLCOLOR(WM_CTLCOLORDLG) MM_CTLCOLOR(WM_CTLCOLORSCROLLBAR)  \
    MM_CTLCOLOR(WM_CTLCOLORSTATIC)
