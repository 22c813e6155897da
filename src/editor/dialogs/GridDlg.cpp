#include "editor/dialogs/GridDlg.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CGridDlg, CDialog)

CGridDlg::CGridDlg(CWnd* pParentWnd)
    : CDialog(IDD_GRID, pParentWnd), m_bSnap(0), m_nGridSize(0), m_nStoredGridSize(kMinGrid)
{
}

int CGridDlg::ClampGridSize(int nSize)
{
    return nSize < kMinGrid ? kMinGrid : nSize > kMaxGrid ? kMaxGrid : nSize;
}

void CGridDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_GRID_SNAP, m_bSnap);
    DDX_Text(pDX, IDC_GRID_SIZE, m_nGridSize);
}

BOOL CGridDlg::OnInitDialog()
{
    m_nGridSize = ClampGridSize(m_nStoredGridSize);
    return CDialog::OnInitDialog();
}

void CGridDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_nGridSize = ClampGridSize(m_nGridSize);
    m_nStoredGridSize = m_nGridSize;
    EndDialog(IDOK);
}
