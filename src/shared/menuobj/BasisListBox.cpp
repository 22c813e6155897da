#include "shared/menuobj/BasisListBox.h"

#include "shared/menuobj/PageMessages.h"

IMPLEMENT_DYNAMIC(CBasisListBox, CBasisObj)

BEGIN_MESSAGE_MAP(CBasisListBox, CBasisObj)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CBasisListBox::CBasisListBox() : m_crBackground(RGB(255, 255, 255))
{
}

BOOL CBasisListBox::CreateListBox(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, COLORREF crBackground)
{
    m_crBackground = crBackground;
    return Create("LISTBOX", nullptr, dwStyle | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                  rect, pParent, nID);
}

// White, whatever background colour was handed in.
BOOL CBasisListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(rc);
    pDC->FillRect(rc, CBrush::FromHandle((HBRUSH)::GetStockObject(WHITE_BRUSH)));
    return TRUE;
}

void CBasisListBox::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_TARNIX_RUNLISTBOX, (WPARAM)GetDlgCtrlID(), 0);
}
