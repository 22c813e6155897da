#include "shared/menuobj/PopupMenuDesc.h"

#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/support/ProjectFormat.h"

IMPLEMENT_DYNAMIC(CPopupMenuDesc, CObject)

CPopupMenuDesc::CPopupMenuDesc() : m_nPopupNumber(-1), m_nItemCount(0), m_pOwner(nullptr), m_pButStruct(nullptr)
{
    m_strItems.SetSize(1);
}

void CPopupMenuDesc::Reset()
{
    m_strItems.SetAt(0, CString());
    m_nPopupNumber = -1;
    m_nItemCount = 0;
    m_pOwner = nullptr;
    m_pButStruct = nullptr;
}

void CPopupMenuDesc::Bind(int nNumber, CMButCreateStruct* pButStruct, CWnd* pOwner)
{
    m_nPopupNumber = nNumber;
    m_pButStruct = pButStruct;
    m_pOwner = pOwner;
    if (pButStruct)
        pButStruct->m_pPopupMenu = this;
}

void CPopupMenuDesc::SetText(const CString& strItems)
{
    m_nItemCount = 0;
    m_strItems.SetAt(0, CString());
    if (strItems.IsEmpty())
        return;
    m_strItems.SetAt(0, strItems);
    m_nItemCount = 1;
}

void CPopupMenuDesc::TrackPopup(CMButCreateStruct* pButStruct, BOOL bSingleId)
{
    TrackPopupMenuBelowButton(pButStruct, m_pOwner, m_strItems.GetData(), m_nItemCount, bSingleId);
}

void TrackPopupMenuBelowButton(const CMButCreateStruct* pButStruct, CWnd* pOwner, const CString* pItems, int nCount,
                               BOOL bSingleId)
{
    if (pButStruct == nullptr || !ProjectFormat::IsPopupDocument(pButStruct->m_strDocument))
        return;

    // Just below the button, a little in from its left edge.
    CRect rcButton(pButStruct->m_rect);
    if (AfxHwnd(pOwner) != nullptr)
        pOwner->ClientToScreen(rcButton);
    CPoint pt(rcButton.left + 5, rcButton.bottom);

    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    int nEntries = 0;
    for (int i = 0; i < nCount; ++i)
    {
        // An item without ":DOCUMENT=" after its caption has no caption.
        CString strCaption = GetPopupItemCaption(pItems[i]);
        if (strCaption.IsEmpty())
            continue;
        menu.AppendMenu(MF_STRING, bSingleId ? ID_POPUPMENU_FIRST : ID_POPUPMENU_FIRST + i, strCaption);
        ++nEntries;
    }
    CWinApp* pApp = AfxGetApp();
    CWnd* pMainWnd = pApp != nullptr ? pApp->m_pMainWnd : nullptr;
    if (nEntries > 0 && pMainWnd != nullptr)
        menu.TrackPopupMenu(TPM_RIGHTBUTTON, pt.x, pt.y, pMainWnd);
}
