// A button that starts the external text viewer: the document it shows and
// the viewer's window, fonts and colours, from which the dialog builds the
// viewer's command line.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CViewerOptionsDlg : public CDialog
{
    DECLARE_DYNAMIC(CViewerOptionsDlg)
public:
    explicit CViewerOptionsDlg(CWnd* pParentWnd = nullptr);

    int m_bShowMenu;
    CString m_strTitle;
    CString m_strDocument;    // on IDOK relative to the project folder when inside it
    int m_nIcon;
    int m_nFont;              // 0 Courier, 1 Arial
    long m_nWidth;
    long m_nHeight;
    long m_nX;
    long m_nY;
    COLORREF m_crBackground;
    COLORREF m_crText;
    CFileEdit m_fileEdit;
    // Built on IDOK for a document inside the project folder; kept otherwise.
    // It becomes the button's parameter, so it is held to the parameter's
    // limit on the button sheet's link page.
    CString m_strCommandLine;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    void OnBackgroundColor();
    void OnTextColor();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void BuildCommandLine();
    // The document as a name from the project folder. Whatever its form (a
    // name from the folder, a full path, "..\" or "." in it), the path is
    // resolved first and then must lie in the folder and name an existing file
    // that is no folder; otherwise the message says why.
    static BOOL ResolveDocument(const CString& strDocument, const CString& strFolder, CString& strFromFolder);
};
