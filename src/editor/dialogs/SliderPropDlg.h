// Size, position and colour of the volume slider on the page.
#pragma once

#include "framework/Dialog.h"

class CSliderPropDlg : public CDialog
{
    DECLARE_DYNAMIC(CSliderPropDlg)
public:
    explicit CSliderPropDlg(CWnd* pParentWnd = nullptr);

    int m_nHeight;
    int m_nWidth;
    int m_nX;
    int m_nY;
    COLORREF m_crColor;
    // The page the object must lie on (0 by 0: not known).
    CSize m_sizePage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnColor();

    DECLARE_MESSAGE_MAP()
};
