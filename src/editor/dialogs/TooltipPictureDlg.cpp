#include "editor/dialogs/TooltipPictureDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "shared/menuobj/ProjectPaths.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CTooltipPictureDlg, CDialog)

// void OnBrowse()
BEGIN_MESSAGE_MAP(CTooltipPictureDlg, CDialog)
    ON_BN_CLICKED(IDC_TIP_PICTURE_BROWSE, OnBrowse)
END_MESSAGE_MAP()

namespace {

const char kTagStart[] = "<img src=\"";
const char kTagEnd[] = "\">";

} // namespace

CTooltipPictureDlg::CTooltipPictureDlg(CWnd* pParentWnd) : CDialog(IDD_TOOLTIP_PICTURE, pParentWnd) {}

BOOL CTooltipPictureDlg::OnInitDialog()
{
    m_strProjectFolder = EditorServices().GetProjectFolder();
    return CDialog::OnInitDialog();
}

void CTooltipPictureDlg::OnBrowse()
{
    BrowseForFile(this, "Image Files (bmp, gif, jpg)|*.bmp;*.gif;*.jpg|(*.gif)|*.gif|(*.jpg)|*.jpg||", "Images",
                  nullptr, m_strProjectFolder, m_strPicture);
}

void CTooltipPictureDlg::InsertPictureTag(CString& strText, const CString& strPicture,
                                          const CString& strProjectFolder)
{
    // Only at a folder boundary: C:\Proj is no part of C:\Project2\a.bmp.
    if (strProjectFolder.IsEmpty() || !IsPathInFolder(strPicture, strProjectFolder) ||
        strPicture.GetLength() <= strProjectFolder.GetLength() + 1)
        return;
    CString name = strPicture.Mid(strProjectFolder.GetLength() + 1);
    name.MakeUpper();
    CString rest(strText);
    int nStart = rest.Find(kTagStart);
    if (nStart >= 0)
    {
        rest = rest.Mid(nStart);
        int nEnd = rest.Find(kTagEnd);
        if (nEnd >= 0)
            rest = rest.Mid(nEnd + (int)sizeof(kTagEnd) - 1);
    }
    strText = kTagStart + name + kTagEnd + rest;
}

void CTooltipPictureDlg::OnOK()
{
    if (!m_strPicture.IsEmpty())
        InsertPictureTag(m_strText, m_strPicture, m_strProjectFolder);
    CDialog::OnOK();
}
