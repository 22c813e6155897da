#include "toolkit/controls/XTListBox.h"

#include "toolkit/controls/XTPaintFlickerFree.h"
#include "toolkit/frame/XTGlobalData.h"


IMPLEMENT_DYNAMIC(CXTListBox, CListBox)

BEGIN_MESSAGE_MAP(CXTListBox, CListBox)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // void OnDestroy()
    ON_WM_DESTROY()
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
    // void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    ON_WM_DRAWITEM_REFLECT()
    // void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
    ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CXTListBox::CXTListBox() : m_bUseToolkitFont(TRUE), m_bInitPending(TRUE)
{
}

int CXTListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    PostMessage(WM_CTRL_INITIALUPDATE);
    return 0;
}

void CXTListBox::OnDestroy()
{
    // A window made again with this object is set up again.
    m_bInitPending = TRUE;
    CListBox::OnDestroy();
}

void CXTListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    PostMessage(WM_CTRL_INITIALUPDATE);
}

LRESULT CXTListBox::OnInitialUpdate(WPARAM, LPARAM)
{
    if (m_bInitPending)
    {
        m_bInitPending = FALSE;
        Initialize();
    }
    return 0;
}

void CXTListBox::Initialize()
{
    ModifyStyle(0, LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS);
    if (m_bUseToolkitFont)
        SetFont(&xtAfxData.m_fontNormal);
}

void CXTListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    lpMIS->itemHeight = (UINT)(::GetSystemMetrics(SM_CYMENU) - 2);
}

void CXTListBox::GetItemColors(UINT nState, BOOL bListEnabled, COLORREF& clrBack, COLORREF& clrText)
{
    const CXTGlobalData& g = xtAfxData;
    if (!bListEnabled || (nState & ODS_DISABLED))
    {
        clrBack = g.m_clr3DFace;
        clrText = g.m_clrGrayText;
    }
    else if (nState & ODS_SELECTED)
    {
        clrBack = g.m_clrHighlight;
        clrText = g.m_clrHighlightText;
    }
    else
    {
        clrBack = g.m_clrWindow;
        clrText = g.m_clrWindowText;
    }
}

void CXTListBox::DrawItemText(CDC* pDC, const CRect& rcItem, LPCSTR lpszText, COLORREF clrBack, COLORREF clrText)
{
    pDC->FillSolidRect(&rcItem, clrBack);
    CRect rcText(rcItem);
    rcText.left += 2;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    pDC->DrawText(lpszText, &rcText, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CXTListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemID == (UINT)-1)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    COLORREF clrBack, clrText;
    GetItemColors(lpDIS->itemState, IsWindowEnabled(), clrBack, clrText);
    CString strText;
    GetText((int)lpDIS->itemID, strText);
    DrawItemText(pDC, rcItem, strText, clrBack, clrText);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&rcItem);
}

void CXTListBox::OnPaint()
{
    XTPaintFlickerFree(this, IsWindowEnabled() ? xtAfxData.m_clrWindow : xtAfxData.m_clr3DFace);
}

BOOL CXTListBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
