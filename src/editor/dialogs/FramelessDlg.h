// The rounded corners of a menu window without frame.
#pragma once

#include "framework/Dialog.h"

class CFramelessDlg : public CDialog
{
    DECLARE_DYNAMIC(CFramelessDlg)
public:
    explicit CFramelessDlg(CWnd* pParentWnd = nullptr);

    int m_nCornerWidth;
    int m_nCornerHeight;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
