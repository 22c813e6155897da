#include "player/LoadingDlg.h"

#include "framework/PaintDC.h"
#include "player/resource.h"

IMPLEMENT_DYNAMIC(CLoadingDlg, CDialog)

// void OnPaint()
BEGIN_MESSAGE_MAP(CLoadingDlg, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CLoadingDlg::CLoadingDlg(CLoadingDlg** ppForget) : m_ppForget(ppForget)
{
}

BOOL CLoadingDlg::Create(CWnd* pParentWnd)
{
    return CDialog::Create(IDD_LOADING, pParentWnd);
}

BOOL CLoadingDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect desktop;
    GetDesktopWindow()->GetClientRect(&desktop);
    MoveWindow((desktop.Width() - kWidth) / 2, (desktop.Height() - kHeight) / 2, kWidth, kHeight, FALSE);
    if (CWnd* pIcon = GetDlgItem(IDC_LOADING_ICON))
        pIcon->MoveWindow((kWidth - kIconSize) / 2, kIconTop, kIconSize, kIconSize, FALSE);
    return TRUE;
}

void CLoadingDlg::OnPaint()
{
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    const CString lines[] = { "Tarnix.exe", "Loading..." };
    const int tops[] = { kNameTop, kLoadingTop };
    for (int i = 0; i < 2; ++i)
    {
        CSize extent = dc.GetTextExtent(lines[i]);
        dc.TextOut((client.Width() - extent.cx) / 2, tops[i], lines[i]);
    }
}

void CLoadingDlg::OnCancel()
{
    DestroyWindow();
}

void CLoadingDlg::PostNcDestroy()
{
    if (m_ppForget != nullptr && *m_ppForget == this)
        *m_ppForget = nullptr;
    delete this;
}
