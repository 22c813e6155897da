#include "toolkit/controls/XTResizeDialog.h"

IMPLEMENT_DYNAMIC(CXTResizeDialog, CDialog)

BEGIN_MESSAGE_MAP(CXTResizeDialog, CDialog)
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    ON_WM_GETMINMAXINFO()
    // void OnDestroy()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTResizeDialog::CXTResizeDialog() : CXTResizeLayout(this)
{
}

CXTResizeDialog::CXTResizeDialog(UINT nIDTemplate, CWnd* pParentWnd, UINT nFlags)
    : CDialog(nIDTemplate, pParentWnd), CXTResizeLayout(this, nFlags)
{
}

BOOL CXTResizeDialog::OnInitDialog()
{
    // Without a sizing border the user cannot resize: no grip.
    if (!(GetStyle() & WS_THICKFRAME))
        SetFlag(XT_RESIZE_NOSIZEICON);
    CDialog::OnInitDialog();
    Init();
    return TRUE;
}

void CXTResizeDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    CXTResizeLayout::OnSize();
}

void CXTResizeDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    GetMinMaxInfo(lpMMI);
}

void CXTResizeDialog::OnDestroy()
{
    OnDestroyParent();
    CDialog::OnDestroy();
}
