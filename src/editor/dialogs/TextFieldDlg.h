// A text field on the page: a window that shows a text document with scroll
// bars.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CTextFieldDlg : public CDialog
{
    DECLARE_DYNAMIC(CTextFieldDlg)
public:
    explicit CTextFieldDlg(CWnd* pParentWnd = nullptr);

    int m_bHorzScroll;
    int m_bVertScroll;
    int m_nHeight;
    int m_nWidth;
    int m_nX;
    int m_nY;
    // The page the field must lie on (0 by 0: not known).
    CSize m_sizePage;
    CString m_strDocument;
    CFileEdit m_fileEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnBrowse();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
