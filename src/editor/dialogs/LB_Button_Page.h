// List-box wizard: the program that opens an entry, its arguments and the
// text of the start button.
#pragma once

#include "editor/dialogs/ListboxWizardPage.h"

class CLB_Button_Page : public CListboxWizardPage
{
    DECLARE_DYNAMIC(CLB_Button_Page)
public:
    explicit CLB_Button_Page(CListboxWizard* pWizard);

    CString m_strApplication;
    CString m_strButtonText;
    CString m_strDocument;
    CString m_strParameter;
    CString m_strProjectFolder;
    BOOL m_bEditMode;

    BOOL OnSetActive() override;
    BOOL CheckAndStore() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()

private:
    void FillDefaults();
    // Offers the picture-show player for a list of pictures, or shows the tip
    // about it when it is not installed.
    void OfferPictureShow();
    // Cuts the project folder and its backslash from a path inside it.
    void MakeRelative(CString& strPath) const;
};
