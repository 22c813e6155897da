#include "player/PlayerObjWndProgram.h"

#include "player/MessageDlg.h"
#include "player/PlayerApp.h"
#include "player/PlayerMessages.h"
#include "player/resource.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/support/Starter.h"

namespace {

// Relative documents and programs of a page are found from the program folder.
void ChangeToProgramFolder()
{
    CPlayerApp* pApp = GetPlayerApp();
    if (pApp != nullptr && !pApp->m_strAppFolder.IsEmpty())
        ::SetCurrentDirectoryA(pApp->m_strAppFolder);
}

// The stop flag pauses the page's background sound; the start flag plays the
// button's own sound file.
void PlayButtonSounds(CStarter& starter, const CMButCreateStruct& but)
{
    if (but.m_bStopSound)
        starter.PostStopSound();
    if (but.m_bStartSound && !but.m_strSoundFile.IsEmpty())
        starter.PostPlaySound(but.m_strSoundFile);
}

// The starter keeps its failures to itself; the page's ERROR setting decides
// whether the user sees them.
void ReportStartFailure(const CString& strError)
{
    CPlayerApp* pApp = GetPlayerApp();
    if (pApp != nullptr && pApp->m_settings.GetShowErrors())
        AfxMessageBox(strError, MB_OK | MB_ICONEXCLAMATION);
}

// A message button's text: the parameter, else the document, where the editor
// stores it, else question marks.
CString MessageText(const CMButCreateStruct& but)
{
    if (!but.m_strParameter.IsEmpty())
        return but.m_strParameter;
    return but.m_strDocument.IsEmpty() ? CString("???") : but.m_strDocument;
}

CString MessageTitle(const CMButCreateStruct& but)
{
    return but.m_strApplication.IsEmpty() ? CString("Message") : but.m_strApplication;
}

} // namespace

UINT CPlayerObjWndProgram::GetClickCommand() const
{
    return ID_BUTTON_CLICKED;
}

UINT CPlayerObjWndProgram::GetHandCursorId() const
{
    return IDC_BUTTON_HAND;
}

void CPlayerObjWndProgram::ExecuteButton(CButBasis& button)
{
    CMButCreateStruct* pBut = button.GetCreateStruct();
    if (pBut == nullptr)
        return;
    CWnd* pNotifyWnd = button.GetNotifyWnd();
    CStarter starter;
    starter.SetNotifyWnd(pNotifyWnd);

    if (pBut->m_nAction == ACTION_MESSAGE)
    {
        CMessageDlg dlg(MessageText(*pBut), MessageTitle(*pBut), pNotifyWnd);
        PlayButtonSounds(starter, *pBut);
        dlg.DoModal();
        return;
    }

    if (button.SendPageRequest())
        return;

    ChangeToProgramFolder();
    CString strError;
    int nResult = starter.Start(pBut->m_strDocument, pBut->m_strApplication, pBut->m_strParameter, pBut->m_nAction,
                                strError, FALSE);
    if (nResult != -1)
        ReportStartFailure(strError);
    PlayButtonSounds(starter, *pBut);

    if (pBut->m_nAction == ACTION_EXIT)
    {
        ChangeToProgramFolder();
        if (pNotifyWnd != nullptr)
            pNotifyWnd->PostMessage(WM_COMMAND, MAKEWPARAM(ID_STARTER_EXIT, 0), 0);
    }
}
