// The wizard that inserts a script list box into a menu page or edits one:
// position and size, the folder and pattern of the listed files, the program
// that opens an entry and the start button's text; it has the list file
// written (or its script updated) and shows it.
//
// The caller sets the edit mode, the project folder, the list file (when
// editing), position, size and style flag, runs DoModal and on ID_WIZFINISH
// reads the list file, the button text, position, size and style flag.
#pragma once

#include "editor/dialogs/LB_Button_Page.h"
#include "editor/dialogs/LB_FolderPage.h"
#include "editor/dialogs/LB_Pos_Page.h"
#include "editor/dialogs/LB_Script_Page.h"
#include "editor/dialogs/LB_WELCOME_PAGE.h"
#include "framework/PropertySheet.h"

class CListboxWizard : public CPropertySheet
{
    DECLARE_DYNAMIC(CListboxWizard)
public:
    CListboxWizard(LPCSTR pszCaption = "Listbox Wizard", CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    INT_PTR DoModal() override;

    // Reads the script of the list file into the wizard's values.
    void ReadListFile();

    BOOL m_bEditMode;
    BOOL m_bListChanged;
    CString m_strSavedFolder;
    CString m_strApplication;
    CString m_strDocument;
    CString m_strExt;
    CString m_strFolder;         // full path while the wizard runs
    CString m_strListFile;
    int m_nHeight;
    CString m_strParameter;
    CString m_strButtonText;
    BOOL m_bStyle;               // NOT the position page's check box
    int m_nWidth;
    int m_nX;
    int m_nY;
    CString m_strProjectFolder;
    BOOL m_bPictureList;

    CLB_WELCOME_PAGE m_pageWelcome;
    CLB_Pos_Page m_pagePos;
    CLB_FolderPage m_pageFolder;
    CLB_Button_Page m_pageButton;
    CLB_Script_Page m_pageScript;
};
