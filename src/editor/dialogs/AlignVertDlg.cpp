#include "editor/dialogs/AlignVertDlg.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CAlignVertDlg, CAlignButtonsDlg)

// void OnFieldKillFocus()
BEGIN_MESSAGE_MAP(CAlignVertDlg, CAlignButtonsDlg)
    ON_EN_KILLFOCUS(IDC_ALIGN_HEIGHT, OnFieldKillFocus)
    ON_EN_KILLFOCUS(IDC_ALIGN_VERT_GAP, OnFieldKillFocus)
END_MESSAGE_MAP()

CAlignVertDlg::CAlignVertDlg(CWnd* pParentWnd) : CAlignButtonsDlg(IDD_ALIGN_VERT, pParentWnd, FALSE)
{
    m_nGap = 4;
    m_nMaxX = 800;
    m_nMaxY = 600;
    m_nHalfWidth = 400;
}
