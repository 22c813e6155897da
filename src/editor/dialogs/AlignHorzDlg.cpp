#include "editor/dialogs/AlignHorzDlg.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CAlignHorzDlg, CAlignButtonsDlg)

// void OnFieldKillFocus()
BEGIN_MESSAGE_MAP(CAlignHorzDlg, CAlignButtonsDlg)
    ON_EN_KILLFOCUS(IDC_ALIGN_WIDTH, OnFieldKillFocus)
    ON_EN_KILLFOCUS(IDC_ALIGN_HORZ_GAP, OnFieldKillFocus)
END_MESSAGE_MAP()

CAlignHorzDlg::CAlignHorzDlg(CWnd* pParentWnd) : CAlignButtonsDlg(IDD_ALIGN_HORZ, pParentWnd, TRUE)
{
    m_nGap = 10;
    m_nX = 10;
    m_nMaxX = 1200;
    m_nMaxY = 800;
    m_nHalfWidth = 600;
}
