#include "toolkit/controls/XTSizeGrip.h"

IMPLEMENT_DYNAMIC(CXTSizeGrip, CStatic)

namespace {

// The system's size-box bitmap (declared only with OEMRESOURCE).
const UINT kOemSizeBox = 32766;

} // namespace

BEGIN_MESSAGE_MAP(CXTSizeGrip, CStatic)
    // BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    ON_WM_SETCURSOR()
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnDestroy()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CRect CXTSizeGrip::GripRect(const CRect& rcClient)
{
    return CRect(rcClient.right - GripSize, rcClient.bottom - GripSize, rcClient.right, rcClient.bottom);
}

BOOL CXTSizeGrip::Create(CWnd* pParentWnd)
{
    CRect rcClient;
    pParentWnd->GetClientRect(&rcClient);
    if (!CStatic::Create(nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY, GripRect(rcClient), pParentWnd,
                         XT_IDC_SIZEGRIP))
        return FALSE;
    SetBitmap(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(kOemSizeBox)));
    // The bitmap control sized itself to the bitmap: keep the grip's square.
    MoveWindow(GripRect(rcClient));
    return TRUE;
}

BOOL CXTSizeGrip::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorA(nullptr, IDC_SIZENWSE));
    return TRUE;
}

void CXTSizeGrip::OnDestroy()
{
    // The bitmap control does not free the bitmap it shows.
    HBITMAP hBitmap = SetBitmap(nullptr);
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    CStatic::OnDestroy();
}

void CXTSizeGrip::OnLButtonDown(UINT, CPoint point)
{
    ClientToScreen(&point);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(point.x, point.y));
}
