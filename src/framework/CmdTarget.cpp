#include "framework/CmdTarget.h"

#include "framework/CmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { AfxRowMessage, 0, 0, 0, 0, nullptr, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

namespace {

bool RowMatches(const AFX_MSGMAP_ENTRY& row, AfxMapRowKind nKind, UINT nCodeOrMessage, UINT nID)
{
    if (row.nKind != nKind)
        return false;
    switch (nKind)
    {
    case AfxRowMessage:
    case AfxRowReflectMessage:
        return row.nMessage == nCodeOrMessage;
    case AfxRowRegistered:
        return row.pnMessage != nullptr && *row.pnMessage == nCodeOrMessage && nCodeOrMessage != 0;
    case AfxRowReflectCommand:
    case AfxRowReflectNotify:
        return row.nCode == nCodeOrMessage;
    case AfxRowCommand:
    case AfxRowNotify:
        return row.nCode == nCodeOrMessage && nID >= row.nID && nID <= row.nLastID;
    case AfxRowUpdateUI:
        return nID >= row.nID && nID <= row.nLastID;
    }
    return false;
}

const AFX_MSGMAP_ENTRY* FindRow(const AFX_MSGMAP* pMap, AfxMapRowKind nKind, UINT nCodeOrMessage, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* row = pMap->lpEntries; row->pfnDispatch != nullptr; ++row)
        {
            if (RowMatches(*row, nKind, nCodeOrMessage, nID))
                return row;
        }
    }
    return nullptr;
}

} // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage) const
{
    if (const AFX_MSGMAP_ENTRY* row = FindRow(GetMessageMap(), AfxRowMessage, nMessage, 0))
        return row;
    return FindRow(GetMessageMap(), AfxRowRegistered, nMessage, 0);
}

BOOL CCmdTarget::DispatchRows(AfxMapRowKind nKind, UINT nCodeOrMessage, UINT nID, AFX_MSGCALL& call)
{
    const AFX_MSGMAP_ENTRY* row = FindRow(GetMessageMap(), nKind, nCodeOrMessage, nID);
    if (row == nullptr)
        return FALSE;
    call.nID = nID;
    call.bHandled = TRUE;
    row->pfnDispatch(this, call);
    return call.bHandled;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    AfxMapRowKind kind = AfxRowCommand;
    UINT code = (UINT)nCode;
    if (nCode == CN_UPDATE_COMMAND_UI)
        kind = AfxRowUpdateUI;
    AFX_MSGCALL* pNotifyCall = nullptr;
    if (HIWORD(nCode) == WM_NOTIFY && nCode != CN_UPDATE_COMMAND_UI)
    {
        // Notifications arrive as MAKELONG(code, WM_NOTIFY) with the call record.
        kind = AfxRowNotify;
        code = (UINT)(int)(short)LOWORD(nCode);
        pNotifyCall = static_cast<AFX_MSGCALL*>(pExtra);
    }

    const AFX_MSGMAP_ENTRY* row = FindRow(GetMessageMap(), kind, code, nID);
    if (row == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    if (pNotifyCall != nullptr)
    {
        pNotifyCall->nID = nID;
        pNotifyCall->bHandled = TRUE;
        row->pfnDispatch(this, *pNotifyCall);
        return pNotifyCall->bHandled;
    }
    AFX_MSGCALL call = { WM_COMMAND, 0, 0, nID, pExtra, 0, TRUE };
    if (kind == AfxRowUpdateUI)
    {
        // An update handler may let the targets after it have their say.
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        row->pfnDispatch(this, call);
        BOOL bContinue = pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        return !bContinue;
    }
    row->pfnDispatch(this, call);
    return call.bHandled;
}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}
