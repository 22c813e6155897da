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
    DDX_Text(pDX, GapID(), m_nGap);
    DDV_MinMaxInt(pDX, m_nGap, 0, MaxGap());
    DDX_Text(pDX, IDC_ALIGN_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, m_nMaxX);
    DDX_Text(pDX, IDC_ALIGN_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, m_nMaxY);
    DDX_Text(pDX, IDC_ALIGN_HEIGHT, m_nHeight);
    DDV_MinMaxInt(pDX, m_nHeight, kMinSize, kMaxHeight);
    DDX_Text(pDX, IDC_ALIGN_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, kMinSize, kMaxWidth);
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

int CAlignButtonsDlg::FitGap(int nSize, int nGap) const
{
    return m_bHorizontal ? FitGapHorizontal(nSize, nGap, m_nGridStep) : FitGapVertical(nSize, nGap, m_nGridStep);
}

void CAlignButtonsDlg::OnFieldKillFocus()
{
    // Leaving a field only shows the fitted gap; a value that is no number or
    // out of range waits for OK to be reported, so that the way to Cancel is
    // not blocked by messages.
    BOOL bSizeRead = FALSE;
    BOOL bGapRead = FALSE;
    const int nSize = (int)GetDlgItemInt(m_bHorizontal ? IDC_ALIGN_WIDTH : IDC_ALIGN_HEIGHT, &bSizeRead, TRUE);
    const int nGap = (int)GetDlgItemInt(GapID(), &bGapRead, TRUE);
    if (!bSizeRead || !bGapRead || nSize < kMinSize || nSize > MaxSize() || nGap < 0 || nGap > MaxGap())
        return;
    SetDlgItemInt(GapID(), FitGap(nSize, nGap));
}

void CAlignButtonsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_nGap = FitGap(ButtonSize(), m_nGap);
    UpdateData(FALSE);
    EndDialog(IDOK);
}

int CAlignButtonsDlg::GapID() const
{
    return m_bHorizontal ? IDC_ALIGN_HORZ_GAP : IDC_ALIGN_VERT_GAP;
}
