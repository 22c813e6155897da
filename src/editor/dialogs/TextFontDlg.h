// The project's default font for new text objects.
#pragma once

#include "editor/dialogs/TextStyleDlg.h"

class CTextFontDlg : public CTextStyleDlg
{
    DECLARE_DYNAMIC(CTextFontDlg)
public:
    explicit CTextFontDlg(CWnd* pParentWnd = nullptr);

    int m_nEffect;            // the combo's index

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
