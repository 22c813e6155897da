#include "editor/dialogs/ImageFormatDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CImageFormatDlg, CDialog)

// void OnReadMore()
BEGIN_MESSAGE_MAP(CImageFormatDlg, CDialog)
    ON_HELP_BUTTON(IDC_IMGFMT_READ, OnReadMore)
END_MESSAGE_MAP()

namespace {

const char kHintSetting[] = "IMAGE_MESSAGE_DI";

} // namespace

CImageFormatDlg::CImageFormatDlg(CWnd* pParentWnd) : CDialog(IDD_IMAGE_FORMAT, pParentWnd), m_bDontShowAgain(0) {}

void CImageFormatDlg::ShowUnlessSwitchedOff(CWnd* pParentWnd)
{
    if (EditorServices().GetSettingInt(kHintSetting, 0) != 0)
        return;
    CImageFormatDlg dlg(pParentWnd);
    dlg.DoModal();
}

void CImageFormatDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_IMGFMT_DONT_SHOW, m_bDontShowAgain);
}

void CImageFormatDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EditorServices().WriteSettingInt(kHintSetting, m_bDontShowAgain);
    EndDialog(IDOK);
}

void CImageFormatDlg::OnReadMore()
{
    EditorServices().ShowHelpPage("hilfe_imageformat.htm");
}
