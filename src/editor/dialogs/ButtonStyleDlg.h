// The caption font, colour, text effect and brightness of all buttons of the
// project except the hypertext ones.
#pragma once

#include "framework/Dialog.h"
#include "shared/support/FontDesc.h"

class CButtonStyleDlg : public CDialog
{
    DECLARE_DYNAMIC(CButtonStyleDlg)
public:
    explicit CButtonStyleDlg(CWnd* pParentWnd = nullptr);

    // A brightness above this is automatic, stored as kAutoBrightness; a
    // manual one lies between -kMaxManual and kMaxManual.
    static constexpr int kMaxManual = 50;
    static constexpr int kAutoBrightness = 100;

    int m_nEffect;
    int m_nHover;
    int m_nBrightness;
    int m_bManualBrightness;
    CFontDesc m_font;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnFont();
    void OnColor();
    void OnAutoBrightness();
    void OnManualBrightness();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
