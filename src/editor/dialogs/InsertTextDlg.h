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
    // The page the text's corner must lie on (0 by 0: not known).
    CSize m_sizePage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
