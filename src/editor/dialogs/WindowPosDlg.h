// Position and size of the menu window, and whether it has a frame.
#pragma once

#include "framework/Dialog.h"

class CWindowPosDlg : public CDialog
{
    DECLARE_DYNAMIC(CWindowPosDlg)
public:
    explicit CWindowPosDlg(CWnd* pParentWnd = nullptr);

    int m_nHeight;
    int m_nWidth;
    int m_nX;
    int m_nY;
    int m_nPositionMode;   // 0 centred, 1 at x, y
    int m_nSizeMode;       // 0 as the background picture, 1 width and height
    int m_nBorder;         // not edited here: passes through
    int m_nCornerWidth;    // of a frameless window
    int m_nCornerHeight;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void EnablePosition(BOOL bEnable);
    void EnableSize(BOOL bEnable);
    void OnCenter() { EnablePosition(FALSE); }
    void OnPosition() { EnablePosition(TRUE); }
    void OnAsPicture() { EnableSize(FALSE); }
    void OnSizeGiven() { EnableSize(TRUE); }
    void OnBorder();
    void OnFrameless();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
