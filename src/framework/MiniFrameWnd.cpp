#include "framework/MiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

// LRESULT OnNcActivateMessage(WPARAM bActive, LPARAM hWndOther)
BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_NCACTIVATE, OnNcActivateMessage)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd() : m_bActive(FALSE) {}

CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    // A popup's id would be a menu handle: only a child takes it.
    HMENU hMenuOrID = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>((UINT_PTR)nID) : nullptr;
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, AfxHwnd(pParentWnd), hMenuOrID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (cs.style & (MFS_THICKFRAME | MFS_4THICKFRAME))
        cs.style |= WS_THICKFRAME;
    if (cs.style & MFS_BLOCKSYSMENU)
        cs.style &= ~WS_SYSMENU;
    cs.style &= ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE | FWS_SNAPTOBARS);
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return TRUE;
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle)
{
    ::AdjustWindowRectEx(lpClientRect, dwStyle & 0xFFFF0000, FALSE, dwExStyle);
}

void CMiniFrameWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    CalcBorders(lpClientRect, GetStyle(), GetExStyle());
}

CFrameWnd* CMiniFrameWnd::GetOwnerFrame() const
{
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    CWnd* pOwner = CWnd::FromHandlePermanent(hWndOwner);
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(pOwner);
    if (pFrame == nullptr && pOwner != nullptr)
        pFrame = pOwner->GetParentFrame();
    return pFrame;
}

LRESULT CMiniFrameWnd::OnNcActivateMessage(WPARAM wParam, LPARAM lParam)
{
    BOOL bActive = (BOOL)wParam;
    if (GetStyle() & MFS_SYNCACTIVE)
    {
        CFrameWnd* pOwner = GetOwnerFrame();
        HWND hWndOther = reinterpret_cast<HWND>(lParam);
        if (pOwner != nullptr && !bActive && hWndOther != nullptr && ::IsWindow(hWndOther))
        {
            // Activation leaves the owner's windows altogether: the owner looks inactive too.
            BOOL bOwners = FALSE;
            for (HWND hWnd = hWndOther; hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_OWNER))
                if (hWnd == pOwner->m_hWnd)
                    bOwners = TRUE;
            if (!bOwners)
                pOwner->SendMessage(WM_NCACTIVATE, FALSE, lParam);
        }
        // Activated itself: the owner looks active along with it.
        if (pOwner != nullptr && bActive && !(pOwner->m_nFlags & WF_KEEPMINIACTIVE))
            pOwner->SendMessage(WM_NCACTIVATE, FALSE, (LPARAM)m_hWnd);
        if (pOwner != nullptr && (pOwner->m_nFlags & WF_KEEPMINIACTIVE))
            bActive = TRUE;
    }
    m_bActive = bActive;
    return DefWindowProc(WM_NCACTIVATE, (WPARAM)bActive, lParam);
}

void CMiniFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    // The frame is as small as its bars: no minimum of captioned windows.
    lpMMI->ptMinTrackSize.x = 1;
    lpMMI->ptMinTrackSize.y = 1;
}
