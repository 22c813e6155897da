#include "XTDemoBar.h"

BOOL CXTDemoBar::Create(CWnd* pParent, UINT nID)
{
    return CreateBar(nullptr, WS_VISIBLE, CBRS_ALIGN_TOP | CBRS_BORDER_ANY, pParent, nID);
}

CSize CXTDemoBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    return bHorz ? CSize(160, 26) : CSize(26, 160);
}

CSize CXTDemoBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0);
}
