// Names a program file.
#pragma once

#include "framework/Dialog.h"

class CProgramDlg : public CDialog
{
    DECLARE_DYNAMIC(CProgramDlg)
public:
    explicit CProgramDlg(CWnd* pParentWnd = nullptr);

    CString m_strPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
