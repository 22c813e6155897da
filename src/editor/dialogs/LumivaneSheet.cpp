#include "editor/dialogs/LumivaneSheet.h"

#include "framework/ProgramStart.h"
#include "framework/WinApp.h"

#include "editor/ShowIds.h"

IMPLEMENT_DYNAMIC(CLumivaneSheet, CPropertySheet)

const char CLumivaneSheet::kSettingsFileName[] = "LumivaneShow01.ini";

CLumivaneSheet::CLumivaneSheet(CWnd* pParentWnd)
    : CPropertySheet(IDS_LUMIVANE_INSERT, pParentWnd), m_page1(this), m_page2(this), m_page3(this), m_page4(this),
      m_page5(this), m_page6(this), m_nSettingsChoice(choiceBasic)
{
}

CString CLumivaneSheet::DefaultCaption(const CString& strShowFolder)
{
    int nSlash = strShowFolder.ReverseFind('\\');
    CString caption = nSlash >= 0 ? strShowFolder.Mid(nSlash + 1) : CString();
    return caption.IsEmpty() ? CString("Show") : caption;
}

CString CLumivaneSheet::DefaultSettingsFile() const
{
    return m_strShowFolder + "\\" + kSettingsFileName;
}

void CLumivaneSheet::StartAuthoring(CWnd* pPage, LPCSTR lpszSwitch, const CString& strSettingsFile) const
{
    const CString parameters = CString(lpszSwitch) + " \"" + strSettingsFile + "\"";
    AfxShellExecute(pPage->GetSafeHwnd(), "open", m_strAuthoringPath, parameters, m_strShowFolder, SW_SHOWNORMAL);
}

void CLumivaneSheet::SetButtonIcon(CWnd* pPage, int nButtonID, UINT nIconID)
{
    HWND hButton = ::GetDlgItem(pPage->GetSafeHwnd(), nButtonID);
    LPCSTR lpszIcon = MAKEINTRESOURCEA(nIconID);
    HICON hIcon = ::LoadIconA(AfxFindResourceHandle(lpszIcon, RT_GROUP_ICON), lpszIcon);
    if (hButton != nullptr && hIcon != nullptr)
        ::SendMessageA(hButton, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon);
}

INT_PTR CLumivaneSheet::DoModal()
{
    while (GetPageCount() > 0)
        RemovePage(0);
    AddPage(&m_page1);
    AddPage(&m_page2);
    AddPage(&m_page3);
    AddPage(&m_page4);
    AddPage(&m_page5);
    AddPage(&m_page6);
    m_psh.dwFlags &= ~PSH_HASHELP;
    m_psh.dwFlags |= PSH_WIZARD | PSH_WIZARDHASFINISH;
    m_page1.m_strShowFolder = m_strShowFolder;
    m_page6.m_strCaption.Empty();
    INT_PTR nResult = CPropertySheet::DoModal();
    if (nResult == ID_WIZFINISH)
        m_strCaption = m_page6.m_strCaption.IsEmpty() ? DefaultCaption(m_strShowFolder) : m_page6.m_strCaption;
    return nResult;
}
