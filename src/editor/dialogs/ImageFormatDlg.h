// The hint that GIF and JPG pictures may not show everywhere; the author can
// switch it off for good (SETTINGS/IMAGE_MESSAGE_DI).
#pragma once

#include "framework/Dialog.h"

class CImageFormatDlg : public CDialog
{
    DECLARE_DYNAMIC(CImageFormatDlg)
public:
    explicit CImageFormatDlg(CWnd* pParentWnd = nullptr);

    // Runs the hint unless the author has switched it off.
    static void ShowUnlessSwitchedOff(CWnd* pParentWnd);

    int m_bDontShowAgain;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnReadMore();

    DECLARE_MESSAGE_MAP()
};
