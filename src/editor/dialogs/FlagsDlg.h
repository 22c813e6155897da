// The menu's program flags that the project keeps: errors shown, Esc ends
// the menu.
#pragma once

#include "framework/Dialog.h"

class CFlagsDlg : public CDialog
{
    DECLARE_DYNAMIC(CFlagsDlg)
public:
    explicit CFlagsDlg(CWnd* pParentWnd = nullptr);

    int m_bShowErrors;
    int m_bEscapeExits;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
