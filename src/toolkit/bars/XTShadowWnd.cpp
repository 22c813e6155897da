#include "toolkit/bars/XTShadowWnd.h"

#include "framework/PaintDC.h"
#include "framework/WinApp.h"

namespace {

const char kShadowClass[] = "Shadow";

// Registered once per process; CS_CLASSDC because the shadows of one thread
// never paint at the same time.
BOOL RegisterShadowClass()
{
    WNDCLASSA wc = {};
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (::GetClassInfoA(hInst, kShadowClass, &wc))
        return TRUE;
    wc.style = CS_CLASSDC;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kShadowClass;
    return ::RegisterClassA(&wc) != 0;
}

BOOL IsPopupOwner(HWND hWndOwner)
{
    return (::GetWindowLongPtrA(hWndOwner, GWL_STYLE) & WS_CHILD) == 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTShadowWnd, CWnd)
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void OnWindowPosChanging(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGING()
    // void OnWindowPosChanged(WINDOWPOS* lpwndpos)
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CRect CXTShadowWnd::ShadowRectOf(HWND hWndOwner, BOOL bOwnerIsPopup)
{
    CRect rect;
    ::GetWindowRect(hWndOwner, &rect);
    rect.right += 4;
    rect.bottom += 4;
    HWND hWndParent = ::GetParent(hWndOwner);
    if (!bOwnerIsPopup && hWndParent != nullptr)
        ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

BOOL CXTShadowWnd::Create(HWND hWndOwner)
{
    if (!::IsWindow(hWndOwner) || !RegisterShadowClass())
        return FALSE;
    m_hWndOwner = hWndOwner;
    m_bOwnerIsPopup = IsPopupOwner(hWndOwner);
    CRect rect = ShadowRectOf(hWndOwner, m_bOwnerIsPopup);
    // Unowned: an owned popup always stays in front of its owner, and the
    // shadow must lie behind it.
    HWND hWndParent = m_bOwnerIsPopup ? nullptr : ::GetParent(hWndOwner);
    DWORD dwStyle = m_bOwnerIsPopup ? WS_POPUP : WS_CHILD;
    if (!CreateEx(WS_EX_TOOLWINDOW, kShadowClass, "Shadow", dwStyle, rect.left, rect.top, rect.Width(),
                  rect.Height(), hWndParent, nullptr))
        return FALSE;
    PutBehindOwner();
    SetRegion(CRect(0, 0, rect.Width(), rect.Height()));
    return TRUE;
}

void CXTShadowWnd::SetRegion(const RECT& rect)
{
    HRGN hRegion = ::CreateRectRgn(rect.right - 4, rect.top + 4, rect.right, rect.bottom);
    HRGN hBottom = ::CreateRectRgn(rect.left + 4, rect.bottom - 4, rect.right - 4, rect.bottom);
    ::CombineRgn(hRegion, hRegion, hBottom, RGN_OR);
    ::DeleteObject(hBottom);
    // The window owns the region from here on.
    if (!::SetWindowRgn(m_hWnd, hRegion, ::IsWindowVisible(m_hWnd)))
        ::DeleteObject(hRegion);
}

void CXTShadowWnd::PutBehindOwner()
{
    ::SetWindowPos(m_hWnd, m_hWndOwner, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CXTShadowWnd::Update(HWND hWndOwner, int nDarkness)
{
    m_hWndOwner = hWndOwner;
    CRect rect = ShadowRectOf(hWndOwner, m_bOwnerIsPopup);
    CRect rcCurrent;
    ::GetWindowRect(m_hWnd, &rcCurrent);
    HWND hWndParent = ::GetParent(m_hWnd);
    if (!m_bOwnerIsPopup && hWndParent != nullptr)
        ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rcCurrent), 2);
    if (rect == rcCurrent)
    {
        if (nDarkness != m_nDarkness)
        {
            m_nDarkness = nDarkness;
            ::GetWindowRect(m_hWnd, &rcCurrent);
            m_bitmap.Capture(rcCurrent, m_nDarkness);
            Invalidate(FALSE);
        }
        return;
    }
    m_nDarkness = nDarkness;
    ::SetWindowPos(m_hWnd, m_hWndOwner, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
    SetRegion(CRect(0, 0, rect.Width(), rect.Height()));
}

void CXTShadowWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (!m_bPainted)
    {
        CRect rcScreen;
        GetWindowRect(&rcScreen);
        m_bitmap.Capture(rcScreen, m_nDarkness);
        m_bPainted = TRUE;
    }
    m_bitmap.Draw(dc, rect);
}

BOOL CXTShadowWnd::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CXTShadowWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    BOOL bMoveOrSize = (lpwndpos->flags & SWP_NOMOVE) == 0 || (lpwndpos->flags & SWP_NOSIZE) == 0;
    if (bMoveOrSize && m_nPendingShow == ShowNone && IsWindowVisible())
    {
        // Out of the way first, so that the copy taken at the new place holds
        // the background and not the old shadow.
        m_nPendingShow = ShowHiddenWhileMoving;
        ShowWindow(SW_HIDE);
    }
    if (bMoveOrSize)
    {
        lpwndpos->hwndInsertAfter = m_hWndOwner;
        lpwndpos->flags &= ~SWP_NOZORDER;
        lpwndpos->flags |= SWP_NOCOPYBITS;
        // What lay under the old place says nothing of the new one.
        m_bPainted = FALSE;
    }
    Default();
}

void CXTShadowWnd::OnWindowPosChanged(WINDOWPOS* /*lpwndpos*/)
{
    Default();
    if (m_nPendingShow != ShowHiddenWhileMoving)
        return;
    m_nPendingShow = ShowShowing;
    ShowWindow(SW_SHOWNA);
    PutBehindOwner();
    CRect rect;
    GetWindowRect(&rect);
    SetRegion(CRect(0, 0, rect.Width(), rect.Height()));
    m_nPendingShow = ShowNone;
}
