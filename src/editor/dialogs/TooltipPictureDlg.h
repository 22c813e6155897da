// Puts a picture of the project in front of a tooltip text, as an image tag
// that replaces an earlier one.
#pragma once

#include "framework/Dialog.h"

class CTooltipPictureDlg : public CDialog
{
    DECLARE_DYNAMIC(CTooltipPictureDlg)
public:
    explicit CTooltipPictureDlg(CWnd* pParentWnd = nullptr);

    // A picture inside the project folder goes in front of the text as
    // <img src="NAME">; the text before an earlier tag and the tag go.
    static void InsertPictureTag(CString& strText, const CString& strPicture, const CString& strProjectFolder);

    CString m_strProjectFolder;   // taken from the application on opening
    CString m_strText;            // in and out
    CString m_strPicture;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();

    DECLARE_MESSAGE_MAP()
};
