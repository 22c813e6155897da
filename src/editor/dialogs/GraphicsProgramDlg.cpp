#include "editor/dialogs/GraphicsProgramDlg.h"

#include "framework/DataExchange.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CGraphicsProgramDlg, CDialog)

// void OnBrowse()
BEGIN_MESSAGE_MAP(CGraphicsProgramDlg, CDialog)
    ON_BN_CLICKED(IDC_PROGRAM_BROWSE, OnBrowse)
END_MESSAGE_MAP()

namespace {

const char kProgramSetting[] = "GRAFIKPATH";

} // namespace

CGraphicsProgramDlg::CGraphicsProgramDlg(CWnd* pParentWnd) : CDialog(IDD_GRAPHICS_PROGRAM, pParentWnd) {}

void CGraphicsProgramDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_GRAPHICS_PATH, m_strPath);
}

BOOL CGraphicsProgramDlg::OnInitDialog()
{
    m_strPath = EditorServices().GetSettingString(kProgramSetting, "");
    return CDialog::OnInitDialog();
}

void CGraphicsProgramDlg::OnBrowse()
{
    if (BrowseForFile(this, "Programs (exe)|*.exe||", nullptr, nullptr, EditorServices().GetProjectFolder(),
                      m_strPath))
        UpdateData(FALSE);
}

void CGraphicsProgramDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (IsReadableProgram(m_strPath))
        EditorServices().WriteSettingString(kProgramSetting, m_strPath);
    EndDialog(IDOK);
}
