#include "editor/dialogs/VirtualDriveDlg.h"

#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
#include "shared/support/Starter.h"
#include "editor/dialogs/EditorServices.h"

#include "editor/DialogIds.h"

#include <direct.h>
#include <stdlib.h>

IMPLEMENT_DYNAMIC(CVirtualDriveDlg, CDialog)

// void OnXxx()
BEGIN_MESSAGE_MAP(CVirtualDriveDlg, CDialog)
    ON_BN_CLICKED(IDC_VDRIVE_CREATE, OnCreate)
    ON_BN_CLICKED(IDC_VDRIVE_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_VDRIVE_TEST, OnTest)
    ON_BN_CLICKED(IDC_VDRIVE_SHOW, OnShow)
    ON_BN_CLICKED(IDC_VDRIVE_SEARCH, OnSearch)
    ON_HELP_BUTTON(IDC_VDRIVE_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

const char kDriveSetting[] = "VIRTUAL_DRIVE";
const int kDriveC = 3;
const int kDriveD = 4;
const int kDriveV = 22;
const int kDriveY = 25;

char LetterOf(int nDrive)
{
    return (char)('A' + nDrive - 1);
}

} // namespace

CVirtualDriveDlg::CVirtualDriveDlg(CWnd* pParentWnd) : CDialog(IDD_VIRTUAL_DRIVE, pParentWnd), m_chLetter(' '), m_nFlag(0)
{
}

int CVirtualDriveDlg::FindFreeDriveLetter(const std::function<BOOL(int nDrive)>& driveExists)
{
    int nLast = kDriveY;
    while (nLast >= kDriveD && !driveExists(nLast))
        --nLast;
    int nCandidate = nLast + 1;
    // Leave two letters for drives that come and go (card readers, sticks).
    if (nCandidate < kDriveV)
        nCandidate += 2;
    return nCandidate;
}

BOOL CVirtualDriveDlg::DriveExists(int nDrive)
{
    const int nCurrent = _getdrive();
    const BOOL bExists = _chdrive(nDrive) == 0;
    _chdrive(nCurrent);
    return bExists;
}

int CVirtualDriveDlg::FindFreeDriveLetter()
{
    return FindFreeDriveLetter([this](int nDrive) { return DriveExists(nDrive); });
}

void CVirtualDriveDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_VDRIVE_LETTER, m_strLetter);
    DDV_MaxChars(pDX, m_strLetter, 1);
    if (pDX->m_bSaveAndValidate)
    {
        m_strLetter.MakeUpper();
        m_chLetter = m_strLetter.IsEmpty() ? ' ' : m_strLetter[0];
    }
}

BOOL CVirtualDriveDlg::OnInitDialog()
{
    CString stored = EditorServices().GetSettingString(kDriveSetting, " ");
    stored.MakeUpper();
    m_chLetter = stored.IsEmpty() ? ' ' : stored[0];
    if (m_chLetter == ' ')
        m_chLetter = LetterOf(FindFreeDriveLetter());
    m_strLetter = CString(m_chLetter);
    return CDialog::OnInitDialog();
}

void CVirtualDriveDlg::RunCommandInterpreter(LPCSTR lpszDefault, const CString& strParameters)
{
    const char* pszComSpec = getenv("ComSpec");
    CString program = pszComSpec != nullptr && *pszComSpec != '\0' ? CString(pszComSpec) : CString(lpszDefault);
    CStarter starter;
    starter.WinExecProgram(program, strParameters, FALSE);
}

BOOL CVirtualDriveDlg::CreateDrive()
{
    if (!UpdateData(TRUE) || !IsUsableLetter())
        return FALSE;
    CString parameters;
    parameters.Format("/c SUBST %c: \"%s\"", m_chLetter, (LPCSTR)m_strFolder);
    RunCommandInterpreter("command.com", parameters);
    return TRUE;
}

void CVirtualDriveDlg::OnDelete()
{
    if (!UpdateData(TRUE) || !IsUsableLetter() || !LetterDriveExists())
        return;
    CString parameters;
    parameters.Format("/C SUBST %c: /D", m_chLetter);
    RunCommandInterpreter("COMMAND.COM", parameters);
}

void CVirtualDriveDlg::OnTest()
{
    if (!CreateDrive() || !LetterDriveExists())
        return;
    CString program;
    program.Format("%c:\\%s", m_chLetter, "Tarnix.exe");
    CStarter starter;
    starter.WinExecProgram(program, "", FALSE);
}

void CVirtualDriveDlg::OnShow()
{
    if (!IsUsableLetter() || !LetterDriveExists())
        return;
    CString root;
    root.Format("%c:\\", m_chLetter);
    AfxShellExecute(m_hWnd, "explore", root, nullptr, nullptr, SW_SHOWNORMAL);
}

void CVirtualDriveDlg::OnSearch()
{
    const int nDrive = FindFreeDriveLetter();
    if (nDrive < kDriveD)
    {
        AfxMessageBox(IDS_NO_FREE_DRIVE, MB_OK);
        return;
    }
    m_chLetter = LetterOf(nDrive);
    m_strLetter = CString(m_chLetter);
    SetDlgItemText(IDC_VDRIVE_LETTER, m_strLetter);
}

void CVirtualDriveDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (IsUsableLetter())
        EditorServices().WriteSettingString(kDriveSetting, CString(m_chLetter));
    EndDialog(IDOK);
}

void CVirtualDriveDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_virtdrive.htm");
}
