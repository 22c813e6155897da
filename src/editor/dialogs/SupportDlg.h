// Tells how to reach the maker's support; its Support button opens the mail
// program on a message to the support address with the editor's version and
// system details as subject and body.
#pragma once

#include "framework/Dialog.h"

class CSupportDlg : public CDialog
{
    DECLARE_DYNAMIC(CSupportDlg)
public:
    explicit CSupportDlg(CWnd* pParentWnd = nullptr);

    // Set by the caller before DoModal.
    CString m_strBody;
    CString m_strSubject;

    // The "mailto:" address with subject and escaped body.
    CString BuildMailAddress() const;

protected:
    void OnSendMail();
    void OnHelpPage();

    DECLARE_MESSAGE_MAP()
};
