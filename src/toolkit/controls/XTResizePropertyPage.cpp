#include "toolkit/controls/XTResizePropertyPage.h"

IMPLEMENT_DYNAMIC(CXTResizePropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTResizePropertyPage, CPropertyPage)
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    ON_WM_GETMINMAXINFO()
    // void OnDestroy()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTResizePropertyPage::CXTResizePropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nFlags)
    : CPropertyPage(nIDTemplate, nIDCaption), CXTResizeLayout(this, nFlags | XT_RESIZE_NOSIZEICON),
      m_nIDTemplate(nIDTemplate)
{
}

BOOL CXTResizePropertyPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    Init();
    return TRUE;
}

void CXTResizePropertyPage::OnSize(UINT nType, int cx, int cy)
{
    CPropertyPage::OnSize(nType, cx, cy);
    CXTResizeLayout::OnSize();
}

void CXTResizePropertyPage::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    GetMinMaxInfo(lpMMI);
}

void CXTResizePropertyPage::OnDestroy()
{
    OnDestroyParent();
    CPropertyPage::OnDestroy();
}
