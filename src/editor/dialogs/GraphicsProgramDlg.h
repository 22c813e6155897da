// The external graphics program the editor opens pictures in
// (SETTINGS/GRAFIKPATH).
#pragma once

#include "framework/Dialog.h"

class CGraphicsProgramDlg : public CDialog
{
    DECLARE_DYNAMIC(CGraphicsProgramDlg)
public:
    explicit CGraphicsProgramDlg(CWnd* pParentWnd = nullptr);

    CString m_strPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
