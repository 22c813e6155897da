#include "toolkit/controls/XTColorDialog.h"

#include "framework/PaintDC.h"
#include "framework/Pen.h"
#include "toolkit/XTResource.h"
#include "toolkit/controls/XTColorPageCustom.h"
#include "toolkit/controls/XTColorPageStandard.h"
#include "toolkit/frame/XTGlobalData.h"

namespace {

const int kHexEditId = 101;

} // namespace

IMPLEMENT_DYNAMIC(CXTColorDialog, CPropertySheet)

BEGIN_MESSAGE_MAP(CXTColorDialog, CPropertySheet)
    // void OnPaint()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CXTColorDialog::CXTColorDialog(COLORREF clrNew, COLORREF clrCurrent, DWORD dwStyle, CWnd* pParentWnd)
    : CPropertySheet(XT_IDS_COLORS, pParentWnd), m_nStyle((int)dwStyle), m_clrNew(clrNew), m_clrCurrent(clrCurrent)
{
    m_psh.dwFlags = (m_psh.dwFlags | PSH_NOAPPLYNOW) & ~PSH_HASHELP;
    m_pPageStandard = new CXTColorPageStandard(this);
    m_pPageCustom = new CXTColorPageCustom(this);
    AddPage(m_pPageStandard);
    AddPage(m_pPageCustom);
}

CXTColorDialog::~CXTColorDialog()
{
    delete m_pPageStandard;
    delete m_pPageCustom;
}

CString CXTColorDialog::FormatHexText(COLORREF clr)
{
    CString str;
    str.Format("Hex: %02X%02X%02X", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return str;
}

void CXTColorDialog::EndWithOK(CWnd* pWnd)
{
    HWND hWndSheet = ::GetAncestor(pWnd->m_hWnd, GA_ROOT);
    if (hWndSheet != nullptr)
        ::SendMessageA(hWndSheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
}

CRect CXTColorDialog::SwatchArea(const CRect& rcClient)
{
    return CRect(rcClient.right - 77, rcClient.bottom - 98, rcClient.right - 9, rcClient.bottom - 32);
}

LRESULT CXTColorDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CPropertySheet::WindowProc(message, wParam, lParam);
    // The sheet's own dialog procedure gets WM_INITDIALOG; it has made the first page when it returns.
    if (message == WM_INITDIALOG)
        OnInitDialog();
    return lResult;
}

BOOL CXTColorDialog::OnInitDialog()
{
    SetWindowPos(nullptr, 0, 0, 329, 341, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND hWndTab = (HWND)SendMessage(PSM_GETTABCONTROL);
    if (hWndTab != nullptr)
        ::SetWindowPos(hWndTab, nullptr, 0, 0, 226, 280, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->SetWindowPos(nullptr, 243, 29, 75, 22, SWP_NOZORDER | SWP_NOACTIVATE);
    if (CWnd* pCancel = GetDlgItem(IDCANCEL))
        pCancel->SetWindowPos(nullptr, 243, 58, 75, 22, SWP_NOZORDER | SWP_NOACTIVATE);
    SetActivePage(0);
    if (m_nStyle & CPS_XT_SHOWHEXVALUE)
        CreateHexEdit();
    return TRUE;
}

void CXTColorDialog::CreateHexEdit()
{
    m_editHex.CreateEx(WS_EX_STATICEDGE, "edit", FormatHexText(m_clrNew), WS_CHILD | WS_VISIBLE | ES_READONLY,
                       CRect(243, 170, 317, 188), this, kHexEditId);
    m_editHex.SetFont(&xtAfxData.m_fontNormal);
}

void CXTColorDialog::UpdateNewColor(COLORREF clr, BOOL bNotifyPages)
{
    m_clrNew = clr;
    if (m_hWnd != nullptr && IsWindowVisible())
    {
        InvalidateRect(&m_rcNew, FALSE);
        if ((m_nStyle & CPS_XT_SHOWHEXVALUE) && m_editHex.m_hWnd != nullptr)
            m_editHex.SetWindowText(FormatHexText(clr));
    }
    if (bNotifyPages && m_hWnd != nullptr && SendMessage(PSM_GETTABCONTROL) != 0)
    {
        for (int i = 0; i < GetPageCount(); ++i)
            if (GetPage(i)->m_hWnd != nullptr)
                GetPage(i)->SendMessage(WM_XT_UPDATECOLOR, (WPARAM)clr);
    }
}

void CXTColorDialog::PaintSwatches(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcArea = SwatchArea(rcClient);
    if (m_nStyle & CPS_XT_SHOW3DSELECTION)
    {
        CRect rcOuter = rcArea;
        rcOuter.InflateRect(3, 3);
        pDC->Draw3dRect(&rcOuter, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);
        pDC->Draw3dRect(&rcArea, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DHilight);
    }
    else
        pDC->Draw3dRect(&rcArea, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DShadow);

    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOldText = pDC->SetTextColor(xtAfxData.m_clrBtnText);
    CFont* pOldFont = pDC->SelectObject(&xtAfxData.m_fontNormal);
    CString strNew, strCurrent;
    strNew.LoadString(XT_IDS_NEW);
    strCurrent.LoadString(XT_IDS_CURRENT);
    CRect rcNewText(rcArea.left, rcArea.top - 22, rcArea.right, rcArea.top);
    CRect rcCurrentText(rcArea.left, rcArea.bottom, rcArea.right, rcArea.bottom + 22);
    pDC->DrawText(strNew, &rcNewText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->DrawText(strCurrent, &rcCurrentText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);

    CRect rcInside = rcArea;
    rcInside.DeflateRect(1, 1);
    m_rcNew = CRect(rcInside.left, rcInside.top, rcInside.right, rcInside.top + rcInside.Height() / 2);
    m_rcCurrent = CRect(rcInside.left, m_rcNew.bottom, rcInside.right, rcInside.bottom);
    pDC->FillSolidRect(&m_rcNew, m_clrNew);
    pDC->FillSolidRect(&m_rcCurrent, m_clrCurrent);
}

void CXTColorDialog::OnPaint()
{
    CPaintDC dc(this);
    PaintSwatches(&dc);
}
