#include "framework/Wnd.h"

#include "framework/DataExchange.h"
#include "framework/Exceptions.h"
#include "framework/FrameWnd.h"
#include "framework/HandleMap.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"

#include <commctrl.h>
#include <cstring>
#include <shellapi.h>
#include <string>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

// What a window's dispatch needs to know across nested messages: how deep it
// is, and whether the final clean-up waits for the outermost one to return.
struct AFX_WNDDISPATCH
{
    CWnd* pWnd = nullptr;          // NULL once the object was deleted
    int nDepth = 0;
    BOOL bPendingNcDestroy = FALSE;
};

namespace {

struct WindowThreadState
{
    CHandleMap<HWND, CWnd> map;
    // Entries live while a message of their window is being handled; their
    // addresses stay valid as others come and go.
    std::unordered_map<HWND, AFX_WNDDISPATCH> dispatch;
    CWnd* pWndInit = nullptr;     // the object of the window being created
    LPCSTR lpszInitClass = nullptr;
    HWND hWndInitParent = nullptr;
    BOOL bCheckInitParent = FALSE;
    HHOOK hCbtHook = nullptr;
    MSG lastMessage = {};         // the message being handled now
    int nModalDepth = 0;          // modal loops running on this thread
};

WindowThreadState& ThreadState()
{
    thread_local WindowThreadState state;
    return state;
}

// Class names compare without case; an atom and a name cannot be told apart and pass.
bool SameClassName(LPCSTR lpszA, LPCSTR lpszB)
{
    if (IS_INTRESOURCE(lpszA) || IS_INTRESOURCE(lpszB))
        return IS_INTRESOURCE(lpszA) != IS_INTRESOURCE(lpszB) || lpszA == lpszB;
    return lstrcmpiA(lpszA, lpszB) == 0;
}

// Whether a window being created is the one the pending object waits for; the
// input-method window and windows made by other hooks in between are not.
bool IsAwaitedWindow(const WindowThreadState& state, const CREATESTRUCTA* lpcs)
{
    if (lpcs == nullptr)
        return true;
    if (!IS_INTRESOURCE(lpcs->lpszClass) && lstrcmpiA(lpcs->lpszClass, "IME") == 0)
        return false;
    if (state.bCheckInitParent && lpcs->hwndParent != state.hWndInitParent)
        return false;
    return state.lpszInitClass == nullptr || SameClassName(state.lpszInitClass, lpcs->lpszClass);
}

// Attaches the pending object to the window it was set for, before that window
// gets any message.
LRESULT CALLBACK CbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    WindowThreadState& state = ThreadState();
    if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr &&
        IsAwaitedWindow(state, reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs))
    {
        CWnd* pWnd = state.pWndInit;
        state.pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        try
        {
            pWnd->PreSubclassWindow();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        catch (...)
        {
        }
        WNDPROC oldProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
        if (oldProc != &CWnd::AfxWndProc)
            *pWnd->GetSuperWndProcAddr() = oldProc;
    }
    return ::CallNextHookEx(state.hCbtHook, nCode, wParam, lParam);
}

// Whether a window of the class may be a common control: not for the classes
// the framework registers, nor for the system's own.
const char kRegisteredClassPrefix[] = "Tarnix:";

bool MayBeCommonControl(LPCSTR lpszClass)
{
    if (lpszClass == nullptr || IS_INTRESOURCE(lpszClass) || strncmp(lpszClass, kRegisteredClassPrefix, sizeof(kRegisteredClassPrefix) - 1) == 0)
        return false;
    for (LPCSTR system : { "BUTTON", "STATIC", "EDIT", "LISTBOX", "COMBOBOX", "SCROLLBAR", "MDICLIENT", "#32770" })
        if (lstrcmpiA(lpszClass, system) == 0)
            return false;
    return true;
}

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// One row serves all the WM_CTLCOLOR... messages.
UINT MapRowMessage(UINT message)
{
    if (IsCtlColor(message))
        return WM_CTLCOLORMSGBOX;
    if (message >= WM_REFLECT_BASE && IsCtlColor(message - WM_REFLECT_BASE))
        return WM_REFLECT_BASE + WM_CTLCOLORMSGBOX;
    return message;
}

// The control a parent's message is about, when it is one that controls cause.
HWND ControlOfMessage(UINT message, LPARAM lParam)
{
    switch (message)
    {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    // The record's control type tells a menu's request from a control's: a
    // control may have id 0 (a list view's header has), a menu has no window.
    case WM_DRAWITEM:
    {
        const DRAWITEMSTRUCT* pDraw = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return pDraw != nullptr && pDraw->CtlType != ODT_MENU ? pDraw->hwndItem : nullptr;
    }
    case WM_DELETEITEM:
    {
        const DELETEITEMSTRUCT* pDelete = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
        return pDelete != nullptr && pDelete->CtlType != ODT_MENU ? pDelete->hwndItem : nullptr;
    }
    case WM_COMPAREITEM:
    {
        const COMPAREITEMSTRUCT* pCompare = reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam);
        return pCompare != nullptr && pCompare->CtlType != ODT_MENU ? pCompare->hwndItem : nullptr;
    }
    case WM_MEASUREITEM:
        // Measure requests name the control by id only (see OnWndMsg).
        return nullptr;
    default:
        return nullptr;
    }
}

// A creation whose handler threw fails: the window is not made.
LRESULT FailedCreationResult(UINT message)
{
    if (message == WM_CREATE)
        return -1;
    return 0;   // WM_NCCREATE's FALSE, and nothing for the others
}

} // namespace

CWnd::CWnd()
    : m_hWnd(nullptr), m_pfnSuper(nullptr), m_hWndOwner(nullptr), m_bContinueModal(FALSE), m_nModalResult(-1),
      m_pDispatch(nullptr)
{
}

CWnd::CWnd(HWND hWnd) : CWnd()
{
    m_hWnd = hWnd;
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && ThreadState().map.LookupPermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr && ThreadState().map.LookupPermanent(m_hWnd) == this)
        Detach();
    // A dispatch still on the stack must not touch this object any more.
    if (m_pDispatch != nullptr && m_pDispatch->pWnd == this)
        m_pDispatch->pWnd = nullptr;
}

// Handle map

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return ThreadState().map.FromHandle(hWnd, [](HWND h) { return new CWnd(h); });
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? ThreadState().map.LookupPermanent(hWnd) : nullptr;
}

void PASCAL CWnd::DeleteTempMap()
{
    ThreadState().map.DeleteTemp(&CWnd::m_hWnd);
}

size_t PASCAL CWnd::GetTempMapCount()
{
    return ThreadState().map.TemporaryCount();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    ThreadState().map.SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    ThreadState().map.RemovePermanent(h, this);
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::AfxWndProc)));
    if (oldProc != &CWnd::AfxWndProc)
        *GetSuperWndProcAddr() = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(AfxHwnd(pParent), (int)nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
    *lplpfn = nullptr;
    return Detach();
}

// Creation

void PASCAL CWnd::HookWindowCreate(CWnd* pWnd, LPCSTR lpszClassName, HWND hWndParent, BOOL bCheckParent)
{
    WindowThreadState& state = ThreadState();
    if (state.hCbtHook == nullptr)
        state.hCbtHook = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    state.pWndInit = pWnd;
    state.lpszInitClass = lpszClassName;
    state.hWndInitParent = hWndParent;
    state.bCheckInitParent = bCheckParent;
}

BOOL PASCAL CWnd::UnhookWindowCreate()
{
    // The hook stays for the thread's life; only the pending slot is cleared.
    WindowThreadState& state = ThreadState();
    BOOL wasPending = state.pWndInit != nullptr;
    state.pWndInit = nullptr;
    return !wasPending;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxDefaultWndClass();
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    // The common controls are loaded by the first window that may be one, so
    // that a program showing none of them never loads them.
    if (MayBeCommonControl(cs.lpszClass))
        AfxEnsureCommonControls();
    HookWindowCreate(this, cs.lpszClass, cs.hwndParent, TRUE);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // A window that failed after it was attached ran PostNcDestroy with its
    // WM_NCDESTROY; one that never came to be runs it here, so that every
    // failed creation ends the same way (heap frames and views delete
    // themselves, and their creators never delete them).
    if (!UnhookWindowCreate() && hWnd == nullptr)
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, AfxHwnd(pParentWnd), reinterpret_cast<HMENU>((UINT_PTR)nID),
                    lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* lpParam)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bPermanent = ThreadState().map.LookupPermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A window attached without subclassing never sees its WM_NCDESTROY here.
    if (bPermanent && m_hWnd == hWnd && !::IsWindow(hWnd))
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::PreSubclassWindow()
{
}

// Dispatch

LRESULT CALLBACK CWnd::AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowThreadState& state = ThreadState();
    CWnd* pWnd = state.map.LookupPermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    MSG previous = state.lastMessage;
    state.lastMessage.hwnd = hWnd;
    state.lastMessage.message = message;
    state.lastMessage.wParam = wParam;
    state.lastMessage.lParam = lParam;

    AFX_WNDDISPATCH& dispatch = state.dispatch[hWnd];
    ++dispatch.nDepth;
    dispatch.pWnd = pWnd;
    pWnd->m_pDispatch = &dispatch;
    LRESULT lResult = 0;
    try
    {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    }
    catch (CException* e)
    {
        // No exception may cross a window procedure. A paint that failed is
        // not reported: the window would ask to be painted again at once.
        if (message == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
        else
            e->ReportError();
        e->Delete();
        lResult = FailedCreationResult(message);
    }
    catch (...)
    {
        if (message == WM_PAINT)
            ::ValidateRect(hWnd, nullptr);
        lResult = FailedCreationResult(message);
    }

    // From here on the object is reached through the dispatch record only: a
    // handler may have deleted it.
    CWnd* pAlive = dispatch.pWnd;
    if (message == WM_NCDESTROY && pAlive != nullptr && pAlive->m_hWnd == hWnd)
    {
        // The window is gone: give the class its procedure back and forget the handle.
        WNDPROC* lplpfn = pAlive->GetSuperWndProcAddr();
        if (*lplpfn != nullptr &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &CWnd::AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
        *lplpfn = nullptr;
        pAlive->Detach();
        dispatch.bPendingNcDestroy = TRUE;
    }
    state.lastMessage = previous;

    // Final clean-up (which may delete the object) waits for the outermost dispatch.
    if (--dispatch.nDepth == 0)
    {
        BOOL bPending = dispatch.bPendingNcDestroy;
        if (pAlive != nullptr)
            pAlive->m_pDispatch = nullptr;
        state.dispatch.erase(hWnd);
        if (bPending && pAlive != nullptr)
            pAlive->PostNcDestroy();
    }
    return lResult;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &ThreadState().lastMessage;
}

MSG PASCAL CWnd::SetCurrentMessage(const MSG& msg)
{
    MSG previous = ThreadState().lastMessage;
    ThreadState().lastMessage = msg;
    return previous;
}

LRESULT CWnd::Default()
{
    const MSG& msg = ThreadState().lastMessage;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    if (pfnWndProc != nullptr)
        return ::CallWindowProcA(pfnWndProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    *pResult = 0;
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    if (message == WM_NOTIFY)
        return lParam != 0 && OnNotify(wParam, lParam, pResult);

    // A message about a control goes to the control first.
    HWND hWndControl = ControlOfMessage(message, lParam);
    if (hWndControl != nullptr && hWndControl != m_hWnd &&
        ReflectChildNotify(hWndControl, message, wParam, lParam, pResult))
        return TRUE;
    if (message == WM_MEASUREITEM && lParam != 0 &&
        reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)->CtlType != ODT_MENU)
    {
        HWND hWndItem = ::GetDlgItem(m_hWnd, (int)wParam);
        if (hWndItem != nullptr && ReflectChildNotify(hWndItem, message, wParam, lParam, pResult))
            return TRUE;
    }

    AFX_MSGCALL call = { message, wParam, lParam, 0, nullptr, 0, TRUE };
    UINT rowMessage = MapRowMessage(message);
    BOOL bHandled = DispatchRows(AfxRowMessage, rowMessage, 0, call) ||
                    DispatchRows(AfxRowRegistered, message, 0, call);
    if (bHandled)
        *pResult = call.lResult;
    return bHandled;
}

BOOL PASCAL CWnd::ReflectChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_MSGCALL call = { WM_REFLECT_BASE + message, wParam, lParam, 0, nullptr, 0, TRUE };
    BOOL bHandled;
    if (message == WM_COMMAND)
        bHandled = DispatchRows(AfxRowReflectCommand, HIWORD(wParam), LOWORD(wParam), call);
    else if (message == WM_NOTIFY)
        bHandled = DispatchRows(AfxRowReflectNotify, reinterpret_cast<NMHDR*>(lParam)->code,
                                (UINT)reinterpret_cast<NMHDR*>(lParam)->idFrom, call);
    else
        bHandled = DispatchRows(AfxRowReflectMessage, MapRowMessage(WM_REFLECT_BASE + message), 0, call);
    if (bHandled && pResult != nullptr)
        *pResult = call.lResult;
    return bHandled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndControl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndControl != nullptr)
    {
        // Notifications go to the control first, then by id to this window.
        LRESULT lResult = 0;
        if (::GetParent(hWndControl) == m_hWnd && ReflectChildNotify(hWndControl, WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    else
    {
        // Menus and accelerators give commands.
        nCode = CN_COMMAND;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom != nullptr &&
        ReflectChildNotify(pNMHDR->hwndFrom, WM_NOTIFY, pNMHDR->idFrom, lParam, pResult))
        return TRUE;
    AFX_MSGCALL call = { WM_NOTIFY, pNMHDR->idFrom, lParam, (UINT)pNMHDR->idFrom, nullptr, 0, TRUE };
    if (OnCmdMsg((UINT)pNMHDR->idFrom, (int)MAKELONG(pNMHDR->code, WM_NOTIFY), &call, nullptr))
    {
        *pResult = call.lResult;
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle());
}

INT_PTR CWnd::OnToolHitTest(CPoint, TOOLINFOA*) const
{
    return -1;
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    layout.hDWP = (nFlag & reposQuery) ? nullptr : ::BeginDeferWindowPos(8);
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
    {
        UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == nIDLeftOver)
            hWndLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    CRect rectLeft(layout.rect);
    if (nFlag & reposQuery)
    {
        if (lpRectParam != nullptr)
            *lpRectParam = rectLeft;
        return;
    }
    if (nFlag & reposExtra && lpRectParam != nullptr)
    {
        rectLeft.left += lpRectParam->left;
        rectLeft.top += lpRectParam->top;
        rectLeft.right -= lpRectParam->right;
        rectLeft.bottom -= lpRectParam->bottom;
    }
    if (hWndLeftOver != nullptr && !(nFlag & reposNoPosLeftOver))
    {
        if (rectLeft.right < rectLeft.left)
            rectLeft.right = rectLeft.left;
        if (rectLeft.bottom < rectLeft.top)
            rectLeft.bottom = rectLeft.top;
        AfxRepositionWindow(&layout, hWndLeftOver, &rectLeft);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

// Operations

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = GetStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = GetExStyle();
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

CWnd* CWnd::GetOwner() const
{
    if (m_hWndOwner != nullptr)
        return FromHandle(m_hWndOwner);
    return GetParent();
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND h = ::GetParent(m_hWnd); h != nullptr; h = ::GetParent(h))
    {
        CWnd* p = FromHandlePermanent(h);
        if (p != nullptr && p->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(p);
    }
    return nullptr;
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND h = m_hWnd;
    while (h != nullptr && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_CHILD))
        h = ::GetParent(h);
    return FromHandle(h);
}

void CWnd::GetWindowText(CString& rString) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(n + 1), n + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != nullptr)
    {
        int n = ::GetWindowTextLengthA(hWnd);
        ::GetWindowTextA(hWnd, rString.GetBuffer(n + 1), n + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    HWND hAfter = pWndInsertAfter == nullptr ? nullptr : pWndInsertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, hAfter, x, y, cx, cy, nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcArea;
    HWND hCenter = pAlternateOwner ? pAlternateOwner->m_hWnd
                                   : ((GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromWindow(hCenter ? hCenter : m_hWnd, MONITOR_DEFAULTTOPRIMARY), &mi);
    CRect rcCenter;
    if (GetStyle() & WS_CHILD)
    {
        ::GetClientRect(::GetParent(m_hWnd), &rcArea);
        rcCenter = rcArea;
    }
    else
    {
        rcArea = mi.rcWork;
        if (hCenter != nullptr && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter))
            ::GetWindowRect(hCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }
    int x = (rcCenter.left + rcCenter.right) / 2 - rcWindow.Width() / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - rcWindow.Height() / 2;
    // Keep the window inside the area.
    if (x + rcWindow.Width() > rcArea.right)
        x = rcArea.right - rcWindow.Width();
    if (x < rcArea.left)
        x = rcArea.left;
    if (y + rcWindow.Height() > rcArea.bottom)
        y = rcArea.bottom - rcWindow.Height();
    if (y < rcArea.top)
        y = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
    {
        ::SendMessageA(hChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hChild) != nullptr)
            CWnd::FromHandle(hChild)->SendMessageToDescendants(message, wParam, lParam, bDeep);
    }
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
    }
    catch (CUserException* e)
    {
        // The failing check has shown its message and focused its control;
        // the rows before it give their members back.
        e->Delete();
        dx.RestoreOriginals();
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

// Modal loops

int CWnd::RunModalLoop(DWORD dwFlags)
{
    WindowThreadState& state = ThreadState();
    struct ModalDepth
    {
        int& n;
        explicit ModalDepth(int& depth) : n(depth) { ++n; }
        ~ModalDepth() { --n; }
    } depth(state.nModalDepth);
    BOOL bOutermost = state.nModalDepth == 1;

    m_bContinueModal = TRUE;
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndSelf = m_hWnd;
    MSG msg;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
                return m_nModalResult;
            // The owner hears once a turn that the dialog waits for the user.
            if (lIdleCount == 0)
            {
                HWND hWndOwner = ::GetWindow(hWndSelf, GW_OWNER);
                if (hWndOwner == nullptr)
                    hWndOwner = ::GetParent(hWndSelf);
                if (hWndOwner != nullptr)
                    ::SendMessageA(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)hWndSelf);
            }
            if (!::IsWindow(hWndSelf) || !::SendMessageA(hWndSelf, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
            // The outermost loop frees temporary objects in its idle time, as
            // the program's own loop does (a program may run modal from start
            // to end); no caller keeps a temporary across a modal loop.
            if (bOutermost && !bIdle)
                AfxDeleteTempMaps();
        }
        do
        {
            if (!AfxPumpMessage())
            {
                // WM_QUIT ends the loop and is posted again for the loop outside.
                ::PostQuitMessage((int)AfxGetCurrentMessage()->wParam);
                return -1;
            }
            // A window destroyed under the loop ends it (its owner would stay disabled).
            if (!::IsWindow(hWndSelf))
            {
                m_bContinueModal = FALSE;
                return m_nModalResult;
            }
            if (!ContinueModal())
                return m_nModalResult;
            if (AfxIsIdleMessage(AfxGetCurrentMessage()))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal)
    {
        m_bContinueModal = FALSE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

// Base handlers: each passes the message on.

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
BOOL CWnd::OnQueryNewPalette() { return (BOOL)Default(); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCSTR) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }

LRESULT CWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    return 0;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

// Window classes

void AfxEnsureCommonControls()
{
    static bool done = false;
    if (!done)
    {
        INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES |
                                                      ICC_TAB_CLASSES | ICC_ANIMATE_CLASS | ICC_USEREX_CLASSES };
        ::InitCommonControlsEx(&icc);
        done = true;
    }
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    CString name;
    name.Format("%s%p:%x:%p:%p:%p", kRegisteredClassPrefix, (void*)AfxGetInstanceHandle(), nClassStyle,
                (void*)hCursor, (void*)hbrBackground, (void*)hIcon);
    static std::unordered_map<std::string, std::string> names;
    auto it = names.find(name.str());
    if (it != names.end())
        return it->second.c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
    return names.emplace(name.str(), name.str()).first->second.c_str();
}

// Asked for by every object window of a page: the class is looked up once,
// since finding the arrow cursor and the class name each time cost about a
// third of each such window's creation.
LPCSTR AfxDefaultWndClass()
{
    static const std::string name =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return name.c_str();
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    // Rectangles are in the parent's client coordinates; an unchanged window is not moved.
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rectOld), 2);
    if (rectOld == *lpRect)
        return;
    if (lpLayout != nullptr && lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                          SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}
