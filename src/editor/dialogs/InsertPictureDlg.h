// A picture object on the page: its file and position.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CInsertPictureDlg : public CDialog
{
    DECLARE_DYNAMIC(CInsertPictureDlg)
public:
    explicit CInsertPictureDlg(CWnd* pParentWnd = nullptr);

    CString m_strFile;
    int m_nX;
    int m_nY;
    CFileEdit m_fileEdit;
    // Empty: the application's folder.
    CString m_strProjectFolder;
    // The page the picture's corner must lie on (0 by 0: not known).
    CSize m_sizePage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
