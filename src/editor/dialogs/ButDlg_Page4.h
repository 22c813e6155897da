// Page "Position, Stil" of the button sheet: rectangle, style, the hypertext
// fonts and the picture of image styles.
#pragma once

#include "editor/dialogs/ButDlgPage.h"
#include "editor/dialogs/FileEdit.h"
#include "framework/Size.h"
#include "shared/support/FontDesc.h"

class CButDlg_Page4 : public CButDlgPage
{
    DECLARE_DYNAMIC(CButDlg_Page4)
public:
    CButDlg_Page4();

    // Blue, underlined; italic too under the mouse; dark blue when pressed.
    // Face, size and weight stay.
    static void SetHypertextDefaults(CFontDesc& idle, CFontDesc& over, CFontDesc& down);

    int m_nHeight;
    int m_nWidth;
    int m_nX;
    int m_nY;
    int m_nStyle;
    CString m_strImageFile;
    CFileEdit m_imageEdit;
    CFontDesc m_baseFont;   // passes through the page
    CFontDesc m_idleFont;
    CFontDesc m_overFont;
    CFontDesc m_downFont;
    int m_nEntryStyle;
    // The page the button must lie on (0 by 0: not known).
    CSize m_sizePage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    // The controls of the image styles and of the hypertext fonts.
    void EnableStyleControls(BOOL bHypertext, BOOL bBrowse, BOOL bEdit);
    void OnPlainStyle() { EnableStyleControls(FALSE, FALSE, FALSE); }
    void OnHypertextStyle();
    void OnBitmapStyle() { EnableStyleControls(FALSE, TRUE, TRUE); }
    void OnOfficeStyle() { EnableStyleControls(FALSE, TRUE, FALSE); }
    void LoadHypertextDefaultsOnce();
    void OnHypertextProperties();
    // A browsed picture must pass the checks a dropped one does: its type and
    // the project folder.
    void OnBrowseImage();
    void OnEditImage();
    void OnImageReady();
    void OnExamples();

    DECLARE_MESSAGE_MAP()
};
