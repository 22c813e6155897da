#include "player/PopupMenuDef.h"

#include "player/PlayerApp.h"
#include "player/TarnixDoc.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/ButWin.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/PopupMenuDesc.h"
#include "shared/support/ProjectSettings.h"

IMPLEMENT_DYNAMIC(CPopupMenuDef, CObject)

CPopupMenuDef::CPopupMenuDef() : m_nNumber(-1), m_nCount(0), m_pOwner(nullptr), m_pButStruct(nullptr)
{
}

void CPopupMenuDef::Clear()
{
    m_strItem.Empty();
    m_pOwner = nullptr;
    m_nNumber = -1;
    m_nCount = 0;
    m_pButStruct = nullptr;
}

void CPopupMenuDef::Init(int nNumber, CMButCreateStruct* pButStruct, CWnd* pOwner)
{
    m_nNumber = nNumber;
    m_pButStruct = pButStruct;
    m_pOwner = pOwner;
}

void CPopupMenuDef::SetItems(const CStringArray& texts)
{
    m_strItem.Empty();
    m_nCount = 0;
    if (texts.GetSize() > 0 && !texts[0].IsEmpty())
    {
        m_strItem = texts[0];
        m_nCount = 1;
    }
}

void CPopupMenuDef::Show(CMButCreateStruct* pButStruct, BOOL bSameId)
{
    TrackPopupMenuBelowButton(pButStruct, m_pOwner, &m_strItem, m_nCount, bSameId);
}

CString CPopupMenuDef::MakeStartPath(const CString& strPath, const CString& strFolder)
{
    CString strResult = strPath;
    CString strUpper = strResult;
    strUpper.MakeUpper();
    CString strFolderUpper = strFolder;
    strFolderUpper.MakeUpper();
    BOOL bWebAddress = strUpper.Find("HTTP://") == 0;
    BOOL bHasDrive = strResult.GetLength() >= 2 && strResult[1] == ':';
    BOOL bNetworkPath = strResult.Left(2) == "\\\\";
    BOOL bInFolder = !strFolderUpper.IsEmpty() && strUpper.Find(strFolderUpper) == 0;
    if (!bWebAddress && !bHasDrive && !bNetworkPath && !bInFolder && !strFolder.IsEmpty())
    {
        if (strResult.Find(".\\") == 0)
            strResult = strResult.Mid(2);
        strResult = strFolder + "\\" + strResult;
    }
    if (strResult.Find(' ') >= 0 && strResult.Find('"') != 0)
        strResult = "\"" + strResult + "\"";
    return strResult;
}

void CPopupMenuDef::Run(int nIndex, const CString& strFolder, CTarnixDoc* pDoc)
{
    m_strFolder = strFolder;
    if (nIndex < 0 || nIndex >= m_nCount)
        return;

    CString strText, strDocument, strApplication, strParameter, strKeyword;
    int nCode = ACTION_NONE;
    ParsePopupItem(m_strItem, strText, strDocument, strApplication, strParameter, strKeyword, nCode);

    CProjectSettings* pSettings = pDoc != nullptr ? pDoc->m_pSettings : nullptr;
    if (pSettings == nullptr && GetPlayerApp() != nullptr)
        pSettings = &GetPlayerApp()->m_settings;
    if (pSettings != nullptr)
    {
        pSettings->ExpandCurrentDir(strDocument);
        pSettings->ExpandCurrentDir(strApplication);
        pSettings->ExpandCurrentDir(strParameter);
    }
    // A message item's document and application are its text and title.
    BOOL bPaths = nCode != ACTION_MESSAGE;
    if (bPaths && !strDocument.IsEmpty())
        strDocument = MakeStartPath(strDocument, m_strFolder);
    if (bPaths && !strApplication.IsEmpty())
        strApplication = MakeStartPath(strApplication, m_strFolder);

    // The struct outlives its button, which points to it.
    CMButCreateStruct but;
    but.m_nNumber = 0;
    but.m_bEnable = 1;
    but.m_strStyle = "W";
    but.m_strText = strText;
    but.m_strDocument = strDocument;
    but.m_strApplication = strApplication;
    but.m_strParameter = strParameter;
    but.m_nAction = nCode;
    CButWin button;
    button.SetEditMode(FALSE);
    button.SetCreateStruct(&but);
    // Hidden; without a page window the starter's requests go to the main window.
    if (AfxHwnd(m_pOwner) != nullptr)
        button.CreateButton(strText, WS_CHILD, CRect(0, 0, 0, 0), m_pOwner, 0);
    button.OnBnClicked();
}
