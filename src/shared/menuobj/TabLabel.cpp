#include "shared/menuobj/TabLabel.h"

IMPLEMENT_DYNAMIC(CTabLabel, CStatic)

BEGIN_MESSAGE_MAP(CTabLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

namespace {

const UINT kLabelID = 0xFFFF;

CString NumberText(int nNumber)
{
    CString str;
    str.Format("%d", nNumber);
    return str;
}

} // namespace

CTabLabel::CTabLabel()
{
    m_brush.CreateSolidBrush(RGB(255, 0, 0));
}

BOOL CTabLabel::CreateLabel(CWnd* pParent, int x, int y, int nNumber)
{
    CRect rc(x + 1, y + 1, x + 21, y + 19);
    return Create(NumberText(nNumber), WS_CHILD | WS_VISIBLE, rc, pParent, kLabelID);
}

void CTabLabel::SetNumber(int nNumber)
{
    SetWindowText(NumberText(nNumber));
}

// The number shows on red.
HBRUSH CTabLabel::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)m_brush.GetSafeHandle();
}
