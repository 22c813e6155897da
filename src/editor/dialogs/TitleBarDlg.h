// The title of the menu window.
#pragma once

#include "framework/Dialog.h"

class CTitleBarDlg : public CDialog
{
    DECLARE_DYNAMIC(CTitleBarDlg)
public:
    explicit CTitleBarDlg(CWnd* pParentWnd = nullptr);

    // The project reader keeps 198 characters of a title: no more are taken.
    static constexpr int kMaxTitle = 198;

    CString m_strTitle;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
