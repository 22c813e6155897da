// Asks for the name of a folder to create.
#pragma once

#include "framework/Dialog.h"

class CNewFolderDlg : public CDialog
{
public:
    explicit CNewFolderDlg(CWnd* pParent = nullptr);

    CString m_strName;

    static constexpr int kMaxNameChars = 240;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
