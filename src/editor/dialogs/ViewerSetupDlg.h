// Asks for the setup program of the reader that an inserted document needs,
// with links to the reader maker's pages. The caller keeps the chosen path.
#pragma once

#include "editor/dialogs/DocumentInsertKind.h"
#include "framework/Dialog.h"

class CViewerSetupDlg : public CDialog
{
    DECLARE_DYNAMIC(CViewerSetupDlg)
public:
    CViewerSetupDlg(const DOCUMENT_INSERT_KIND& kind, CWnd* pParentWnd = nullptr);

    // The setup program's full path (input: a proposal; output after IDOK).
    CString m_strSetupPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()

private:
    void AttachLink(UINT nID, LPCSTR lpszTarget);

    const DOCUMENT_INSERT_KIND& m_kind;
};
