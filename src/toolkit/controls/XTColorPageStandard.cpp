#include "toolkit/controls/XTColorPageStandard.h"

#include "framework/DataExchange.h"
#include "framework/PaintDC.h"
#include "toolkit/XTResource.h"
#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

IMPLEMENT_DYNAMIC(CXTColorPageStandard, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTColorPageStandard, CPropertyPage)
    // LRESULT OnUpdateColor(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_XT_UPDATECOLOR, OnUpdateColor)
    // void OnPaint()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CXTColorPageStandard::CXTColorPageStandard(CXTColorDialog* pDialog)
    : CPropertyPage(XT_IDD_COLORSTANDARD), m_pDialog(pDialog)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

void CXTColorPageStandard::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XT_IDC_CLR_HONEYCOMB, m_wndHoneycomb);
}

BOOL CXTColorPageStandard::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // The honeycomb exists only now, after the sheet itself was made.
    m_wndHoneycomb.MarkColor(m_pDialog->GetNewColor());
    return TRUE;
}

LRESULT CXTColorPageStandard::OnUpdateColor(WPARAM wParam, LPARAM)
{
    m_pDialog->UpdateNewColor((COLORREF)wParam, FALSE);
    return 0;
}

void CXTColorPageStandard::OnPaint()
{
    CPaintDC dc(this);
    CXTMemDC memDC(&dc, CRect(0, 0, 0, 0), xtAfxData.m_clr3DFace);
}
