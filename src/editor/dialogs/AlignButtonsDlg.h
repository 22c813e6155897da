// Lays the selected buttons in a row (CAlignHorzDlg) or a column
// (CAlignVertDlg): start point, button size and the gap between them. The gap
// is fitted so that button size plus gap is a multiple of the grid step.
#pragma once

#include "framework/Dialog.h"

class CAlignButtonsDlg : public CDialog
{
    DECLARE_DYNAMIC(CAlignButtonsDlg)
public:
    int m_nGap;
    int m_nX;
    int m_nY;
    int m_nHeight;
    int m_nWidth;
    int m_nMaxX;
    int m_nMaxY;
    int m_nHalfWidth;      // given by the caller, not used here
    int m_nGridStep;       // 1 when the grid is off

    // The gap when the dialog opens: what the size lacks to the next multiple
    // of the step, or one step when it is a multiple already.
    static int InitialGap(int nSize, int nStep);
    // A row: size plus gap brought down to a multiple of the step (up when that
    // would fall below the size itself; one step when it meets the size).
    static int FitGapHorizontal(int nWidth, int nGap, int nStep);
    // A column: size plus gap raised to a multiple of the step.
    static int FitGapVertical(int nHeight, int nGap, int nStep);

protected:
    CAlignButtonsDlg(UINT nIDTemplate, CWnd* pParentWnd, BOOL bHorizontal);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    static constexpr int kMinSize = 20;
    static constexpr int kMaxHeight = 200;
    static constexpr int kMaxWidth = 600;
    int GapID() const;
    int MaxGap() const { return m_bHorizontal ? 400 : 300; }
    int MaxSize() const { return m_bHorizontal ? kMaxWidth : kMaxHeight; }
    int ButtonSize() const { return m_bHorizontal ? m_nWidth : m_nHeight; }
    int FitGap(int nSize, int nGap) const;
    // The size or the gap field lost the focus: shows the fitted gap.
    void OnFieldKillFocus();

    BOOL m_bHorizontal;
};
