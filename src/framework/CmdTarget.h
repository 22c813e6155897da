// Base of every object that receives commands and window messages, and the
// message-map tables that route them.
#pragma once

#include "framework/Object.h"

class CCmdTarget;
class CCmdUI;

// What a map row's handler gets and gives back.
struct AFX_MSGCALL
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;             // command or control id (command, notify and update rows)
    void* pExtra;         // CCmdUI* for update rows, NMHDR* for notify rows
    LRESULT lResult;      // the message's answer
    BOOL bHandled;        // rows that may decline (the _EX forms) clear it
};

typedef void (*AFX_PMSG_DISPATCH)(CCmdTarget* pTarget, AFX_MSGCALL& call);

enum AfxMapRowKind
{
    AfxRowMessage,        // a window message (nMessage)
    AfxRowRegistered,     // a registered window message (*pnMessage)
    AfxRowCommand,        // WM_COMMAND with code nCode from ids nID..nLastID
    AfxRowUpdateUI,       // command-UI update for ids nID..nLastID
    AfxRowNotify,         // WM_NOTIFY with code nCode from ids nID..nLastID
    AfxRowReflectMessage, // a message reflected back to the control that caused it
    AfxRowReflectCommand, // a WM_COMMAND notification reflected to its control (nCode)
    AfxRowReflectNotify,  // a WM_NOTIFY reflected to its control (nCode)
};

struct AFX_MSGMAP_ENTRY
{
    AfxMapRowKind nKind;
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    const UINT* pnMessage;
    AFX_PMSG_DISPATCH pfnDispatch;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command-handler codes of OnCmdMsg.
enum { CN_COMMAND = 0, CN_UPDATE_COMMAND_UI = -1 };

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command (nCode CN_COMMAND or a control notification code),
    // a command-UI update (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI*) or a
    // notification (nCode the NMHDR code, pExtra the AFX_MSGCALL*) through this
    // object's map. With pHandlerInfo it only tells whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Finds the first row of this object's map chain that takes the message.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage) const;
    // Runs the rows for a message kind; TRUE when one handled it.
    BOOL DispatchRows(AfxMapRowKind nKind, UINT nCodeOrMessage, UINT nID, AFX_MSGCALL& call);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

    // The hourglass while a long operation runs.
    void BeginWaitCursor();
    void EndWaitCursor();
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); } \
private:

// The map is a table of rows; each row's handler is checked against the exact
// member-function type its macro expects, so a wrong signature does not compile.
#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { AfxRowMessage, 0, 0, 0, 0, nullptr, nullptr } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

// Lets a parenthesized type with commas pass through a macro argument.
template <class T> struct AfxArgType;
template <class T> struct AfxArgType<void(T)> { typedef T type; };

// A row whose handler has `handlerType` (a member-function type of ThisClass, in
// parentheses) and whose call is `invoke`, given `pThis` (ThisClass*), `pfn` and `call`.
#define AFX_MAP_ROW(kind, msg, code, id, lastId, pnMsg, handlerType, memberFxn, invoke) \
    { kind, (UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(lastId), pnMsg, \
      [](CCmdTarget* pTarget, AFX_MSGCALL& call) { \
          AfxArgType<void handlerType>::type pfn = &ThisClass::memberFxn; \
          ThisClass* pThis = static_cast<ThisClass*>(pTarget); \
          (void)call; (void)pThis; (void)pfn; \
          invoke; \
      } },

// Commands
// void memberFxn()
#define ON_COMMAND(id, memberFxn) \
    AFX_MAP_ROW(AfxRowCommand, WM_COMMAND, CN_COMMAND, id, id, nullptr, (void (ThisClass::*)()), memberFxn, (pThis->*pfn)())
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_MAP_ROW(AfxRowCommand, WM_COMMAND, CN_COMMAND, id, idLast, nullptr, (void (ThisClass::*)(UINT)), memberFxn, \
                (pThis->*pfn)(call.nID))
// BOOL memberFxn(UINT nID); FALSE passes the command on along the route
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_MAP_ROW(AfxRowCommand, WM_COMMAND, CN_COMMAND, id, id, nullptr, (BOOL (ThisClass::*)(UINT)), memberFxn, \
                call.bHandled = (pThis->*pfn)(call.nID))
// BOOL memberFxn(UINT nID); FALSE passes the command on along the route
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    AFX_MAP_ROW(AfxRowCommand, WM_COMMAND, CN_COMMAND, id, idLast, nullptr, (BOOL (ThisClass::*)(UINT)), memberFxn, \
                call.bHandled = (pThis->*pfn)(call.nID))
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    AFX_MAP_ROW(AfxRowUpdateUI, WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, nullptr, (void (ThisClass::*)(CCmdUI*)), \
                memberFxn, (pThis->*pfn)(static_cast<CCmdUI*>(call.pExtra)))
// void memberFxn(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    AFX_MAP_ROW(AfxRowUpdateUI, WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, nullptr, (void (ThisClass::*)(CCmdUI*)), \
                memberFxn, (pThis->*pfn)(static_cast<CCmdUI*>(call.pExtra)))
// void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    AFX_MAP_ROW(AfxRowCommand, WM_COMMAND, wNotifyCode, id, id, nullptr, (void (ThisClass::*)()), memberFxn, (pThis->*pfn)())
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_MAP_ROW(AfxRowCommand, WM_COMMAND, wNotifyCode, id, idLast, nullptr, (void (ThisClass::*)(UINT)), memberFxn, \
                (pThis->*pfn)(call.nID))
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// Notifications. void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    AFX_MAP_ROW(AfxRowNotify, WM_NOTIFY, wNotifyCode, id, id, nullptr, (void (ThisClass::*)(NMHDR*, LRESULT*)), \
                memberFxn, (pThis->*pfn)(reinterpret_cast<NMHDR*>(call.lParam), &call.lResult))
// void memberFxn(UINT nID, NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_MAP_ROW(AfxRowNotify, WM_NOTIFY, wNotifyCode, id, idLast, nullptr, \
                (void (ThisClass::*)(UINT, NMHDR*, LRESULT*)), memberFxn, \
                (pThis->*pfn)(call.nID, reinterpret_cast<NMHDR*>(call.lParam), &call.lResult))
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult); FALSE passes it on along the route
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    AFX_MAP_ROW(AfxRowNotify, WM_NOTIFY, wNotifyCode, id, id, nullptr, (BOOL (ThisClass::*)(NMHDR*, LRESULT*)), \
                memberFxn, call.bHandled = (pThis->*pfn)(reinterpret_cast<NMHDR*>(call.lParam), &call.lResult))
// BOOL memberFxn(UINT nID, NMHDR* pNotifyStruct, LRESULT* pResult); FALSE passes it on along the route
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_MAP_ROW(AfxRowNotify, WM_NOTIFY, wNotifyCode, id, idLast, nullptr, \
                (BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*)), memberFxn, \
                call.bHandled = (pThis->*pfn)(call.nID, reinterpret_cast<NMHDR*>(call.lParam), &call.lResult))

// Any message, also below WM_USER. LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    AFX_MAP_ROW(AfxRowMessage, message, 0, 0, 0, nullptr, (LRESULT (ThisClass::*)(WPARAM, LPARAM)), memberFxn, \
                call.lResult = (pThis->*pfn)(call.wParam, call.lParam))
// LRESULT memberFxn(WPARAM, LPARAM); nMessageVariable holds the registered number
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    AFX_MAP_ROW(AfxRowRegistered, 0, 0, 0, 0, &nMessageVariable, (LRESULT (ThisClass::*)(WPARAM, LPARAM)), memberFxn, \
                call.lResult = (pThis->*pfn)(call.wParam, call.lParam))

// Reflected notifications, handled by the control that sent them.
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    AFX_MAP_ROW(AfxRowReflectNotify, WM_NOTIFY, wNotifyCode, 0, 0, nullptr, (void (ThisClass::*)(NMHDR*, LRESULT*)), \
                memberFxn, (pThis->*pfn)(reinterpret_cast<NMHDR*>(call.lParam), &call.lResult))
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult); FALSE lets the parent handle it too
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_MAP_ROW(AfxRowReflectNotify, WM_NOTIFY, wNotifyCode, 0, 0, nullptr, (BOOL (ThisClass::*)(NMHDR*, LRESULT*)), \
                memberFxn, call.bHandled = (pThis->*pfn)(reinterpret_cast<NMHDR*>(call.lParam), &call.lResult))
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    AFX_MAP_ROW(AfxRowReflectCommand, WM_COMMAND, wNotifyCode, 0, 0, nullptr, (void (ThisClass::*)()), memberFxn, \
                (pThis->*pfn)())
// BOOL memberFxn(); FALSE lets the parent handle it too
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_MAP_ROW(AfxRowReflectCommand, WM_COMMAND, wNotifyCode, 0, 0, nullptr, (BOOL (ThisClass::*)()), memberFxn, \
                call.bHandled = (pThis->*pfn)())
