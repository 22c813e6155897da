#include "editor/app/EditorObjWndProgram.h"

#include "editor/app/Launcher.h"
#include "framework/MessageBox.h"
#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/MButCreateStruct.h"

#include "editor/resource.h"

UINT CEditorObjWndProgram::GetClickCommand() const
{
    return ID_OBJECT_CLICKED;
}

UINT CEditorObjWndProgram::GetHandCursorId() const
{
    return IDC_EDITOR_HAND;
}

void CEditorObjWndProgram::ExecuteButton(CButBasis& button)
{
    CMButCreateStruct* pBut = button.GetCreateStruct();
    if (pBut == nullptr || button.SendPageRequest())
        return;
    CLauncher launcher;
    launcher.SetNotifyWindow(button.GetNotifyWnd());
    CString error;
    if (launcher.Execute(pBut->m_strDocument, pBut->m_strApplication, pBut->m_strParameter, pBut->m_nAction, error,
                         TRUE) != -1)
        AfxMessageBox(error, MB_OK | MB_ICONEXCLAMATION);
}
