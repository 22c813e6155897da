// The sheet in which the author makes or changes a button: pages "Text",
// "Position, Stil" and "Verknüpfung". The caller fills the fields from the
// button's create struct, runs DoModal and reads them back after IDOK.
#pragma once

#include "framework/PropertySheet.h"
#include "editor/dialogs/ButDlg_Page1.h"
#include "editor/dialogs/ButDlg_Page2.h"
#include "editor/dialogs/ButDlg_Page3.h"
#include "editor/dialogs/ButDlg_Page4.h"
#include "shared/support/FontDesc.h"

class CButtonPropSheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CButtonPropSheet)
public:
    CButtonPropSheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Style numbers 0..6 and the keywords stored for them, which count by
    // their first letter: WINDOW (also any other number or letter), IMAGE,
    // DRAW, HYPERTEXT, BITMAP, OFFICE, MONOCHROME.
    static CString StyleKeywordOf(int nStyle);
    static int StyleNumberOf(const CString& strKeyword);

    // IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    // Shows the quick-information page of m_strQuickInfoFile
    // ("infotext\x.txt" is the page x.htm).
    void ShowQuickInfoFile();

    // Exchange fields
    CString m_strCaption;
    CString m_strTooltip;
    CString m_strDocument;
    CString m_strApplication;
    CString m_strParameter;
    int m_nFunction;
    // The sound settings are not edited here and pass through unchanged.
    int m_bStopSound;
    int m_bStartSound;
    int m_bSoundLoop;
    CString m_strSoundFile;
    int m_nX;
    int m_nY;
    int m_nWidth;
    int m_nHeight;
    int m_nStyle;
    CString m_strImageFile;
    CFontDesc m_idleFont;
    CFontDesc m_overFont;
    CFontDesc m_downFont;
    CFontDesc m_captionFont;
    CString m_strQuickInfoFile;
    int m_nStartPage;       // the page shown first; after the run the one shown last
    CSize m_sizePage;       // the page the button must lie on (0 by 0: not known)

    CButDlg_Page1 m_page1;
    CButDlg_Page4 m_page4;
    CButDlg_Page2 m_page2;
    CButDlg_Page3 m_page3;

protected:
    // A BITMAP button's picture must be a strip of three states and the row
    // of the transparent colour; otherwise the message says so in the
    // interface language, page "Position, Stil" is shown and FALSE returned.
    BOOL CheckStatePicture();
    void CopyIntoPages();
    void CopyFromPages();
    void OnImageReady();

    DECLARE_MESSAGE_MAP()
};
