// A text object on the page: the text, its position, font, colour and effect.
#pragma once

#include "editor/dialogs/TextStyleDlg.h"

class CInsertTextDlg : public CTextStyleDlg
{
    DECLARE_DYNAMIC(CInsertTextDlg)
public:
    explicit CInsertTextDlg(CWnd* pParentWnd = nullptr);

    CString m_strText;
    UINT m_nX;
    UINT m_nY;
    CString m_strEffect;      // the caption of the chosen effect

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
