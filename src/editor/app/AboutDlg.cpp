#include "editor/app/AboutDlg.h"

#include "editor/app/Launcher.h"

#include "editor/resource.h"

const char CAboutDlg::kHomePage[] = "http://www.tarnix.example";

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    // void OnHomePage()
    ON_BN_CLICKED(IDC_ABOUT_HOMEPAGE, OnHomePage)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX), m_link(kHomePage)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_link.SubclassDlgItem(IDC_ABOUT_LINK, this);
    m_link.SetTransparent();
    SetDlgItemText(IDC_ABOUT_BUILD, m_strBuildText);
    SetDlgItemText(IDC_ABOUT_FILEVERSION, "Fileversion: " + m_strFileVersion);
    SetDlgItemText(IDC_ABOUT_OS, m_strOSText);
    // A translated template may name the home page on a button of its own.
    if (GetDlgItem(IDC_ABOUT_HOMEPAGE) != nullptr)
        SetDlgItemText(IDC_ABOUT_HOMEPAGE, kHomePage);
    return TRUE;
}

void CAboutDlg::OnHomePage()
{
    CLauncher launcher;
    launcher.OpenDocument(kHomePage, "", FALSE);
}
