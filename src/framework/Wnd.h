// A window object attached to a platform window, and the window-message rows
// of message maps.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/DC.h"
#include "framework/Ids.h"
#include "framework/Rect.h"
#include "framework/String.h"

#include <commctrl.h>

class CMenu;
class CFrameWnd;
class CScrollBar;
class CDataExchange;
class CWnd;

inline HWND AfxHwnd(const CWnd* pWnd);

// Reflected messages travel as this base plus the original message number.
#define WM_REFLECT_BASE 0xBC00
// Idle-time command-UI update of windows and their bars (wParam: disable if no handler).
#define WM_IDLEUPDATECMDUI 0x0363
// The view's first update after the frame made it.
#define WM_INITIALUPDATE 0x0364
// Sent to a modal dialog whenever its loop is idle.
#define WM_KICKIDLE 0x036A
// A frame's layout asks each bar to take its room (lParam: AFX_SIZEPARENTPARAMS*).
#define WM_SIZEPARENT 0x0361
// Shows a prompt in the frame's status line (wParam: string id, or lParam: text).
#define WM_SETMESSAGESTRING 0x0362
// Like WM_SETMESSAGESTRING, and tells the frame the flyby prompt is over.
#define WM_POPMESSAGESTRING 0x0375

// The layout a frame hands its bars: the rectangle left so far, the room the
// bars took, and the deferred moves (NULL: move at once).
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};


class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    // Construction
    CWnd();
    explicit CWnd(HWND hWnd);
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;   // destroys a window that still exists

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();

    // Handle map
    HWND m_hWnd;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }
    bool operator==(const CWnd& wnd) const { return m_hWnd == wnd.m_hWnd; }
    bool operator!=(const CWnd& wnd) const { return m_hWnd != wnd.m_hWnd; }
    static CWnd* PASCAL FromHandle(HWND hWnd);            // a temporary object when none is attached
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Styles and identity
    DWORD GetStyle() const { return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID); }
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = AfxHwnd(pOwnerWnd); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* pWndNewParent) { return FromHandle(::SetParent(m_hWnd, AfxHwnd(pWndNewParent))); }
    CFrameWnd* GetParentFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
    {
        return FromHandle(::GetNextDlgTabItem(m_hWnd, AfxHwnd(pWndCtl), bPrevious));
    }
    BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, AfxHwnd(pWnd)); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    static CWnd* PASCAL GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    static CWnd* PASCAL GetFocus() { return FromHandle(::GetFocus()); }
    static CWnd* PASCAL GetCapture() { return FromHandle(::GetCapture()); }
    static CWnd* PASCAL GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* PASCAL GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    static CWnd* PASCAL WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

    // Text
    void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
    int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const { return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount); }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE) { ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const { return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned); }
    void CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
    UINT IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
    void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) { ::CheckRadioButton(m_hWnd, nIDFirst, nIDLast, nIDCheck); }
    CFont* GetFont() const { return CFont::FromHandle((HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)); }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)AfxHgdiobj(pFont), bRedraw); }

    // Size and position
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) { ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint); }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    {
        ::MapWindowPoints(m_hWnd, AfxHwnd(pwndTo), lpPoint, nCount);
    }
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const { ::MapWindowPoints(m_hWnd, AfxHwnd(pwndTo), (LPPOINT)lpRect, 2); }
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
    BOOL BringWindowToTop() { return ::BringWindowToTop(m_hWnd); }

    // State
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr) { return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer); }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) { return (HICON)::SendMessageA(m_hWnd, WM_SETICON, bBigIcon, (LPARAM)hIcon); }
    HICON GetIcon(BOOL bBigIcon) const { return (HICON)::SendMessageA(m_hWnd, WM_GETICON, bBigIcon, 0); }
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
    void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    CMenu* GetSystemMenu(BOOL bRevert) const;
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }

    // Scroll bars of the window itself (nBar SB_HORZ or SB_VERT)
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        return ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    }
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo) const { return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo); }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
    int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, (int)nBar, bShow); }
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr)
    {
        ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
    }

    // Painting
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE) { ::InvalidateRgn(m_hWnd, (HRGN)AfxHgdiobj(pRgn), bErase); }
    void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE)
    {
        return ::RedrawWindow(m_hWnd, lpRectUpdate, (HRGN)AfxHgdiobj(prgnUpdate), flags);
    }
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
    int ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, AfxHdc(pDC)); }

    // Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::SendMessageA(m_hWnd, message, wParam, lParam); }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::PostMessageA(m_hWnd, message, wParam, lParam); }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
    }
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE);
    // The message being handled now, as the window got it.
    static const MSG* PASCAL GetCurrentMessage();
    // Makes the message the current one (what Default and GetCurrentMessage
    // read), for procedures outside window objects that call into them;
    // returns the one replaced, which the caller puts back when done.
    static MSG PASCAL SetCurrentMessage(const MSG& msg);
    // Hands the current message to the window's original procedure.
    LRESULT Default();

    // Dialog data
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Files dropped from the shell arrive as WM_DROPFILES.
    void DragAcceptFiles(BOOL bAccept = TRUE);

    // Dialog-style message handling for windows that host controls.
    BOOL IsDialogMessage(LPMSG lpMsg) { return ::IsDialogMessageA(m_hWnd, lpMsg); }

    // Modal loops run by this window (the dialog's, for one).
    int RunModalLoop(DWORD dwFlags = 0);
    void EndModalLoop(int nResult);
    // Whether the loop goes on; a window may end it by its own state.
    virtual BOOL ContinueModal() { return m_bContinueModal; }

    // Overridables
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message the control caused, offered to it before its parent; TRUE: handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void PostNcDestroy();
    virtual void PreSubclassWindow();
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);
    // The tool under the point (its id; -1 for none), filling the tip record when given.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;

    // Layout of bars: each child with an id in the range takes its room from
    // the client rectangle (WM_SIZEPARENT), in child order; the window of
    // nIDLeftOver gets the rest. reposQuery only computes the rest into
    // lpRectParam; reposExtra deflates the rest by lpRectParam's sides.
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);

    // Handlers of the base class (also reachable through derived maps).
protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnNcDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnQueryNewPalette();
    void OnPaletteChanged(CWnd* pFocusWnd);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    LRESULT OnNcHitTest(CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    UINT OnGetDlgCode();
    void OnEnable(BOOL bEnable);
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnDropFiles(HDROP hDropInfo);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    BOOL OnNcActivate(BOOL bActive);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnMButtonDown(UINT nFlags, CPoint point);
    void OnMButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnChildActivate();
    void OnParentNotify(UINT message, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    // Implementation
public:
    WNDPROC m_pfnSuper;          // the original procedure of a subclassed window
    HWND m_hWndOwner;            // owner for command routing, when not the parent
    virtual WNDPROC* GetSuperWndProcAddr() { return &m_pfnSuper; }
    // The window procedure of every window of ours.
    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Offers a message to the control that caused it (reflection); TRUE: handled.
    static BOOL PASCAL ReflectChildNotify(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Makes the object of the next window created on this thread this one:
    // the next window of that class (any class when NULL) and that parent.
    static void PASCAL HookWindowCreate(CWnd* pWnd, LPCSTR lpszClassName = nullptr, HWND hWndParent = nullptr,
                                        BOOL bCheckParent = FALSE);
    static BOOL PASCAL UnhookWindowCreate();
    // The number of temporary window objects alive now (freed in idle time).
    static size_t PASCAL GetTempMapCount();

protected:
    BOOL m_bContinueModal;
    int m_nModalResult;
    // The dispatch record of the window while one of its messages is being
    // handled; it outlives this object when a handler deletes it.
    struct AFX_WNDDISPATCH* m_pDispatch;

    DECLARE_MESSAGE_MAP()
};

// The handle of a window object that may be missing (NULL for none).
inline HWND AfxHwnd(const CWnd* pWnd) { return pWnd ? pWnd->m_hWnd : nullptr; }

// The framework's default window class: no background brush, arrow cursor, double clicks.
LPCSTR AfxDefaultWndClass();
// Registers (once) a class with these traits and returns its name.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
CWnd* AfxGetMainWnd();
// Loads the common controls, once: before the first window or dialog that may
// hold one.
void AfxEnsureCommonControls();
// Moves a window to the rectangle (parent's client coordinates) through the
// layout's deferred moves when it has them.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// Window-message rows. Each comment gives the handler's signature.

#define AFX_WM_ROW(msg, handlerType, memberFxn, invoke) \
    AFX_MAP_ROW(AfxRowMessage, msg, 0, 0, 0, nullptr, handlerType, memberFxn, invoke)
#define AFX_WM_REFLECT_ROW(msg, handlerType, memberFxn, invoke) \
    AFX_MAP_ROW(AfxRowReflectMessage, WM_REFLECT_BASE + (msg), 0, 0, 0, nullptr, handlerType, memberFxn, invoke)
#define AFX_PT(lp) CPoint((int)(short)LOWORD(lp), (int)(short)HIWORD(lp))

// int OnCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_CREATE() AFX_WM_ROW(WM_CREATE, (int (ThisClass::*)(LPCREATESTRUCT)), OnCreate, \
    call.lResult = (pThis->*pfn)(reinterpret_cast<LPCREATESTRUCT>(call.lParam)))
// BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_NCCREATE() AFX_WM_ROW(WM_NCCREATE, (BOOL (ThisClass::*)(LPCREATESTRUCT)), OnNcCreate, \
    call.lResult = (pThis->*pfn)(reinterpret_cast<LPCREATESTRUCT>(call.lParam)))
// void OnDestroy()
#define ON_WM_DESTROY() AFX_WM_ROW(WM_DESTROY, (void (ThisClass::*)()), OnDestroy, (pThis->*pfn)())
// void OnNcDestroy()
#define ON_WM_NCDESTROY() AFX_WM_ROW(WM_NCDESTROY, (void (ThisClass::*)()), OnNcDestroy, (pThis->*pfn)())
// void OnPaint()
#define ON_WM_PAINT() AFX_WM_ROW(WM_PAINT, (void (ThisClass::*)()), OnPaint, (pThis->*pfn)())
// void OnNcPaint()
#define ON_WM_NCPAINT() AFX_WM_ROW(WM_NCPAINT, (void (ThisClass::*)()), OnNcPaint, (pThis->*pfn)())
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND() AFX_WM_ROW(WM_ERASEBKGND, (BOOL (ThisClass::*)(CDC*)), OnEraseBkgnd, \
    call.lResult = (pThis->*pfn)(CDC::FromHandle(reinterpret_cast<HDC>(call.wParam))))
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE() AFX_WM_ROW(WM_SIZE, (void (ThisClass::*)(UINT, int, int)), OnSize, \
    (pThis->*pfn)((UINT)call.wParam, (int)(short)LOWORD(call.lParam), (int)(short)HIWORD(call.lParam)))
// void OnMove(int x, int y)
#define ON_WM_MOVE() AFX_WM_ROW(WM_MOVE, (void (ThisClass::*)(int, int)), OnMove, \
    (pThis->*pfn)((int)(short)LOWORD(call.lParam), (int)(short)HIWORD(call.lParam)))
// void OnTimer(UINT_PTR nIDEvent)
#define ON_WM_TIMER() AFX_WM_ROW(WM_TIMER, (void (ThisClass::*)(UINT_PTR)), OnTimer, (pThis->*pfn)((UINT_PTR)call.wParam))
// void OnClose()
#define ON_WM_CLOSE() AFX_WM_ROW(WM_CLOSE, (void (ThisClass::*)()), OnClose, (pThis->*pfn)())
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW() AFX_WM_ROW(WM_SHOWWINDOW, (void (ThisClass::*)(BOOL, UINT)), OnShowWindow, \
    (pThis->*pfn)((BOOL)call.wParam, (UINT)call.lParam))
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS() AFX_WM_ROW(WM_SETFOCUS, (void (ThisClass::*)(CWnd*)), OnSetFocus, \
    (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS() AFX_WM_ROW(WM_KILLFOCUS, (void (ThisClass::*)(CWnd*)), OnKillFocus, \
    (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))

#define AFX_MOUSE_ROW(msg, memberFxn) AFX_WM_ROW(msg, (void (ThisClass::*)(UINT, CPoint)), memberFxn, \
    (pThis->*pfn)((UINT)call.wParam, AFX_PT(call.lParam)))
// void OnLButtonDown(UINT nFlags, CPoint point), and likewise for the others
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ROW(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ROW(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ROW(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ROW(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ROW(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ROW(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ROW(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ROW(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ROW(WM_MOUSEMOVE, OnMouseMove)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL() AFX_WM_ROW(WM_MOUSEWHEEL, (BOOL (ThisClass::*)(UINT, short, CPoint)), OnMouseWheel, \
    call.lResult = (pThis->*pfn)(LOWORD(call.wParam), (short)HIWORD(call.wParam), AFX_PT(call.lParam)))

#define AFX_NCMOUSE_ROW(msg, memberFxn) AFX_WM_ROW(msg, (void (ThisClass::*)(UINT, CPoint)), memberFxn, \
    (pThis->*pfn)((UINT)call.wParam, AFX_PT(call.lParam)))
// void OnNcLButtonDown(UINT nHitTest, CPoint point), and likewise
#define ON_WM_NCLBUTTONDOWN() AFX_NCMOUSE_ROW(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_NCMOUSE_ROW(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_NCMOUSE_ROW(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_NCMOUSE_ROW(WM_NCMOUSEMOVE, OnNcMouseMove)

#define AFX_KEY_ROW(msg, memberFxn) AFX_WM_ROW(msg, (void (ThisClass::*)(UINT, UINT, UINT)), memberFxn, \
    (pThis->*pfn)((UINT)call.wParam, LOWORD(call.lParam), HIWORD(call.lParam)))
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags), and likewise
#define ON_WM_KEYDOWN() AFX_KEY_ROW(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ROW(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ROW(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ROW(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSCHAR() AFX_KEY_ROW(WM_SYSCHAR, OnSysChar)

// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() AFX_WM_ROW(WM_SETCURSOR, (BOOL (ThisClass::*)(CWnd*, UINT, UINT)), OnSetCursor, \
    call.lResult = (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), LOWORD(call.lParam), \
                                 HIWORD(call.lParam)))
// void OnContextMenu(CWnd* pWnd, CPoint pos)
#define ON_WM_CONTEXTMENU() AFX_WM_ROW(WM_CONTEXTMENU, (void (ThisClass::*)(CWnd*, CPoint)), OnContextMenu, \
    (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), AFX_PT(call.lParam)))
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE() AFX_WM_ROW(WM_ACTIVATE, (void (ThisClass::*)(UINT, CWnd*, BOOL)), OnActivate, \
    (pThis->*pfn)(LOWORD(call.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)), HIWORD(call.wParam)))
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE() AFX_WM_ROW(WM_NCACTIVATE, (BOOL (ThisClass::*)(BOOL)), OnNcActivate, \
    call.lResult = (pThis->*pfn)((BOOL)call.wParam))
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE() AFX_WM_ROW(WM_MOUSEACTIVATE, (int (ThisClass::*)(CWnd*, UINT, UINT)), OnMouseActivate, \
    call.lResult = (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)), LOWORD(call.lParam), \
                                 HIWORD(call.lParam)))
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor); for every WM_CTLCOLOR... message
#define ON_WM_CTLCOLOR() \
    AFX_WM_ROW(WM_CTLCOLORMSGBOX, (HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT)), OnCtlColor, \
        call.lResult = (LRESULT)(pThis->*pfn)(CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)), \
            CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)), call.nMessage - WM_CTLCOLORMSGBOX))
// BOOL OnQueryNewPalette()
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ROW(WM_QUERYNEWPALETTE, (BOOL (ThisClass::*)()), OnQueryNewPalette, \
    call.lResult = (pThis->*pfn)())
// void OnPaletteChanged(CWnd* pFocusWnd)
#define ON_WM_PALETTECHANGED() AFX_WM_ROW(WM_PALETTECHANGED, (void (ThisClass::*)(CWnd*)), OnPaletteChanged, \
    (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))
// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
#define ON_WM_GETMINMAXINFO() AFX_WM_ROW(WM_GETMINMAXINFO, (void (ThisClass::*)(MINMAXINFO*)), OnGetMinMaxInfo, \
    (pThis->*pfn)(reinterpret_cast<MINMAXINFO*>(call.lParam)))
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP() AFX_WM_ROW(WM_INITMENUPOPUP, (void (ThisClass::*)(CMenu*, UINT, BOOL)), OnInitMenuPopup, \
    (pThis->*pfn)(AfxMenuFromHandle(reinterpret_cast<HMENU>(call.wParam)), LOWORD(call.lParam), HIWORD(call.lParam)))
// void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
#define ON_WM_MENUSELECT() AFX_WM_ROW(WM_MENUSELECT, (void (ThisClass::*)(UINT, UINT, HMENU)), OnMenuSelect, \
    (pThis->*pfn)(LOWORD(call.wParam), HIWORD(call.wParam), reinterpret_cast<HMENU>(call.lParam)))
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() AFX_WM_ROW(WM_SYSCOMMAND, (void (ThisClass::*)(UINT, LPARAM)), OnSysCommand, \
    (pThis->*pfn)((UINT)call.wParam, call.lParam))
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL() AFX_WM_ROW(WM_HSCROLL, (void (ThisClass::*)(UINT, UINT, CScrollBar*)), OnHScroll, \
    (pThis->*pfn)(LOWORD(call.wParam), HIWORD(call.wParam), \
                  reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)))))
// void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_VSCROLL() AFX_WM_ROW(WM_VSCROLL, (void (ThisClass::*)(UINT, UINT, CScrollBar*)), OnVScroll, \
    (pThis->*pfn)(LOWORD(call.wParam), HIWORD(call.wParam), \
                  reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)))))
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM() AFX_WM_ROW(WM_DRAWITEM, (void (ThisClass::*)(int, LPDRAWITEMSTRUCT)), OnDrawItem, \
    ((pThis->*pfn)((int)call.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam)), call.lResult = TRUE))
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM() AFX_WM_ROW(WM_MEASUREITEM, (void (ThisClass::*)(int, LPMEASUREITEMSTRUCT)), OnMeasureItem, \
    ((pThis->*pfn)((int)call.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam)), call.lResult = TRUE))
// void OnWindowPosChanged(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ROW(WM_WINDOWPOSCHANGED, (void (ThisClass::*)(WINDOWPOS*)), OnWindowPosChanged, \
    (pThis->*pfn)(reinterpret_cast<WINDOWPOS*>(call.lParam)))
// void OnWindowPosChanging(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ROW(WM_WINDOWPOSCHANGING, (void (ThisClass::*)(WINDOWPOS*)), OnWindowPosChanging, \
    (pThis->*pfn)(reinterpret_cast<WINDOWPOS*>(call.lParam)))
// LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST() AFX_WM_ROW(WM_NCHITTEST, (LRESULT (ThisClass::*)(CPoint)), OnNcHitTest, \
    call.lResult = (pThis->*pfn)(AFX_PT(call.lParam)))
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE() AFX_WM_ROW(WM_NCCALCSIZE, (void (ThisClass::*)(BOOL, NCCALCSIZE_PARAMS*)), OnNcCalcSize, \
    (pThis->*pfn)((BOOL)call.wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(call.lParam)))
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED() AFX_WM_ROW(WM_CAPTURECHANGED, (void (ThisClass::*)(CWnd*)), OnCaptureChanged, \
    (pThis->*pfn)(CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam))))
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() AFX_WM_ROW(WM_GETDLGCODE, (UINT (ThisClass::*)()), OnGetDlgCode, \
    call.lResult = (pThis->*pfn)())
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE() AFX_WM_ROW(WM_ENABLE, (void (ThisClass::*)(BOOL)), OnEnable, (pThis->*pfn)((BOOL)call.wParam))
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ROW(WM_SYSCOLORCHANGE, (void (ThisClass::*)()), OnSysColorChange, (pThis->*pfn)())
// void OnSettingChange(UINT uFlags, LPCSTR lpszSection)
#define ON_WM_SETTINGCHANGE() AFX_WM_ROW(WM_SETTINGCHANGE, (void (ThisClass::*)(UINT, LPCSTR)), OnSettingChange, \
    (pThis->*pfn)((UINT)call.wParam, reinterpret_cast<LPCSTR>(call.lParam)))
// void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES() AFX_WM_ROW(WM_DROPFILES, (void (ThisClass::*)(HDROP)), OnDropFiles, \
    (pThis->*pfn)(reinterpret_cast<HDROP>(call.wParam)))
// void OnEnterIdle(UINT nWhy, CWnd* pWho)
#define ON_WM_ENTERIDLE() AFX_WM_ROW(WM_ENTERIDLE, (void (ThisClass::*)(UINT, CWnd*)), OnEnterIdle, \
    (pThis->*pfn)((UINT)call.wParam, CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam))))
// void OnCancelMode()
#define ON_WM_CANCELMODE() AFX_WM_ROW(WM_CANCELMODE, (void (ThisClass::*)()), OnCancelMode, (pThis->*pfn)())
// void OnChildActivate()
#define ON_WM_CHILDACTIVATE() AFX_WM_ROW(WM_CHILDACTIVATE, (void (ThisClass::*)()), OnChildActivate, (pThis->*pfn)())
// void OnParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY() AFX_WM_ROW(WM_PARENTNOTIFY, (void (ThisClass::*)(UINT, LPARAM)), OnParentNotify, \
    (pThis->*pfn)(LOWORD(call.wParam), call.lParam))

// void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd); for MDI children
#define ON_WM_MDIACTIVATE() AFX_WM_ROW(WM_MDIACTIVATE, (void (ThisClass::*)(BOOL, CWnd*, CWnd*)), OnMDIActivate, \
    (pThis->*pfn)(reinterpret_cast<HWND>(call.lParam) == pThis->m_hWnd, \
                  CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)), \
                  CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))

// Reflected messages, handled by the control that caused them.
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor); NULL leaves the parent's handling in place
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WM_REFLECT_ROW(WM_CTLCOLORMSGBOX, (HBRUSH (ThisClass::*)(CDC*, UINT)), CtlColor, \
        (call.lResult = (LRESULT)(pThis->*pfn)(CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)), \
                                               call.nMessage - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX), \
         call.bHandled = call.lResult != 0))
// void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_REFLECT_ROW(WM_DRAWITEM, (void (ThisClass::*)(LPDRAWITEMSTRUCT)), DrawItem, \
    ((pThis->*pfn)(reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam)), call.lResult = TRUE))
// void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM_REFLECT() AFX_WM_REFLECT_ROW(WM_MEASUREITEM, (void (ThisClass::*)(LPMEASUREITEMSTRUCT)), \
    MeasureItem, ((pThis->*pfn)(reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam)), call.lResult = TRUE))
// void HScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_REFLECT_ROW(WM_HSCROLL, (void (ThisClass::*)(UINT, UINT)), HScroll, \
    (pThis->*pfn)(LOWORD(call.wParam), HIWORD(call.wParam)))
// void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_REFLECT_ROW(WM_VSCROLL, (void (ThisClass::*)(UINT, UINT)), VScroll, \
    (pThis->*pfn)(LOWORD(call.wParam), HIWORD(call.wParam)))

CMenu* AfxMenuFromHandle(HMENU hMenu);
