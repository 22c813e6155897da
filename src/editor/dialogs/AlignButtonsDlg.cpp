#include "editor/dialogs/AlignButtonsDlg.h"

#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CAlignButtonsDlg, CDialog)

namespace {

int RoundUpTo(int nValue, int nStep)
{
    return (nValue + nStep - 1) / nStep * nStep;
}

int ValidStep(int nStep)
{
    return nStep < 1 ? 1 : nStep;
}

} // namespace

CAlignButtonsDlg::CAlignButtonsDlg(UINT nIDTemplate, CWnd* pParentWnd, BOOL bHorizontal)
    : CDialog(nIDTemplate, pParentWnd), m_nGap(0), m_nX(0), m_nY(0), m_nHeight(26), m_nWidth(120), m_nMaxX(0),
      m_nMaxY(0), m_nHalfWidth(0), m_nGridStep(1), m_bHorizontal(bHorizontal)
{
}

int CAlignButtonsDlg::InitialGap(int nSize, int nStep)
{
    nStep = ValidStep(nStep);
    int nGap = RoundUpTo(nSize, nStep) - nSize;
    return nGap == 0 ? nStep : nGap;
}

int CAlignButtonsDlg::FitGapHorizontal(int nWidth, int nGap, int nStep)
{
    nStep = ValidStep(nStep);
    int nPitch = (nWidth + nGap) / nStep * nStep;
    if (nGap > 0 && nPitch == nWidth)
        return nStep;
    // Rounding down below the width would make the buttons overlap.
    if (nPitch < nWidth)
        nPitch += nStep;
    return nPitch - nWidth;
}

int CAlignButtonsDlg::FitGapVertical(int nHeight, int nGap, int nStep)
{
    return RoundUpTo(nHeight + nGap, ValidStep(nStep)) - nHeight;
}

void CAlignButtonsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, m_bHorizontal ? IDC_ALIGN_HORZ_GAP : IDC_ALIGN_VERT_GAP, m_nGap);
    DDV_MinMaxInt(pDX, m_nGap, 0, m_bHorizontal ? 400 : 300);
    DDX_Text(pDX, IDC_ALIGN_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, m_nMaxX);
    DDX_Text(pDX, IDC_ALIGN_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, m_nMaxY);
    DDX_Text(pDX, IDC_ALIGN_HEIGHT, m_nHeight);
    DDV_MinMaxInt(pDX, m_nHeight, 20, 200);
    DDX_Text(pDX, IDC_ALIGN_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 20, 600);
}

BOOL CAlignButtonsDlg::OnInitDialog()
{
    if (m_nX < 0)
        m_nX = 0;
    if (m_nY < 0)
        m_nY = 0;
    m_nGap = InitialGap(ButtonSize(), m_nGridStep);
    return CDialog::OnInitDialog();
}

BOOL CAlignButtonsDlg::FitGap()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_nGap = m_bHorizontal ? FitGapHorizontal(m_nWidth, m_nGap, m_nGridStep)
                           : FitGapVertical(m_nHeight, m_nGap, m_nGridStep);
    UpdateData(FALSE);
    return TRUE;
}

void CAlignButtonsDlg::OnOK()
{
    if (FitGap())
        EndDialog(IDOK);
}
