// The layout grid of the canvas: snapping on or off and the step in pixels.
#pragma once

#include "framework/Dialog.h"

class CGridDlg : public CDialog
{
    DECLARE_DYNAMIC(CGridDlg)
public:
    explicit CGridDlg(CWnd* pParentWnd = nullptr);

    static constexpr int kMinGrid = 2;
    static constexpr int kMaxGrid = 10;
    static int ClampGridSize(int nSize);

    int m_bSnap;
    int m_nGridSize;         // as shown
    int m_nStoredGridSize;   // in: the setting; out after OK: the step kept, 2..10

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
