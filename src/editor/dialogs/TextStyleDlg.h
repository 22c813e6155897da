// What the text object dialog and the default text font dialog share: a font
// description whose effect is chosen in a combo, and buttons for its colour
// and its face.
#pragma once

#include "framework/Dialog.h"
#include "shared/support/FontDesc.h"

class CTextStyleDlg : public CDialog
{
    DECLARE_DYNAMIC(CTextStyleDlg)
public:
    CFontDesc m_font;

protected:
    // bFontWithColor: the font dialog starts on the colour and hands the
    // chosen one back too.
    CTextStyleDlg(UINT nIDTemplate, BOOL bFontWithColor, CWnd* pParentWnd);

    // The framework's initialisation, then the effect combo.
    BOOL OnInitDialog() override;
    // The data, then the combo's effect; closes with IDOK.
    void OnOK() override;
    void OnTextColor();
    void OnTextFont();

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bFontWithColor;
};
