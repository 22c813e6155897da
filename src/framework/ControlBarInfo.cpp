#include "framework/ControlBarInfo.h"

#include "framework/DockState.h"
#include "framework/Ids.h"
#include "framework/String.h"

#include <algorithm>

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(TRUE), m_bFloating(FALSE), m_bHorz(TRUE), m_bDockBar(FALSE), m_pointPos(-1, -1),
      m_nMRUWidth(32767), m_bDocking(FALSE), m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(0),
      m_ptMRUFloatPos(0, 0), m_pBar(nullptr)
{
}

BOOL CControlBarInfo::NeedsSection() const
{
    return !(m_bDockBar && m_bVisible && !m_bFloating && m_pointPos.x == -1 && m_pointPos.y == -1 &&
             m_arrBarID.GetSize() <= 1);
}

BOOL CControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    pDockState->DeleteStoredSection(strSection);
    if (!NeedsSection())
        return FALSE;
    pDockState->WriteStoredInt(strSection, "BarID", (int)m_nBarID);
    if (!m_bVisible)
        pDockState->WriteStoredInt(strSection, "Visible", 0);
    if (m_bFloating)
    {
        pDockState->WriteStoredInt(strSection, "Horz", m_bHorz ? 1 : 0);
        pDockState->WriteStoredInt(strSection, "Floating", 1);
    }
    if (m_pointPos.x != -1)
        pDockState->WriteStoredInt(strSection, "XPos", m_pointPos.x);
    if (m_pointPos.y != -1)
        pDockState->WriteStoredInt(strSection, "YPos", m_pointPos.y);
    if (m_nMRUWidth != 32767)
        pDockState->WriteStoredInt(strSection, "MRUWidth", (int)m_nMRUWidth);
    if (m_bDocking)
    {
        pDockState->WriteStoredInt(strSection, "Docking", 1);
        pDockState->WriteStoredInt(strSection, "MRUDockID", (int)m_uMRUDockID);
        pDockState->WriteStoredInt(strSection, "MRUDockLeftPos", m_rectMRUDockPos.left);
        pDockState->WriteStoredInt(strSection, "MRUDockTopPos", m_rectMRUDockPos.top);
        pDockState->WriteStoredInt(strSection, "MRUDockRightPos", m_rectMRUDockPos.right);
        pDockState->WriteStoredInt(strSection, "MRUDockBottomPos", m_rectMRUDockPos.bottom);
        pDockState->WriteStoredInt(strSection, "MRUFloatStyle", (int)m_dwMRUFloatStyle);
        pDockState->WriteStoredInt(strSection, "MRUFloatXPos", m_ptMRUFloatPos.x);
        pDockState->WriteStoredInt(strSection, "MRUFloatYPos", m_ptMRUFloatPos.y);
    }
    INT_PTR nIDs = m_arrBarID.GetSize();
    if (nIDs > 1)
    {
        pDockState->WriteStoredInt(strSection, "Bars", (int)nIDs);
        for (INT_PTR i = 0; i < nIDs; ++i)
        {
            CString strEntry;
            strEntry.Format("Bar#%d", (int)i);
            pDockState->WriteStoredInt(strSection, strEntry, (int)(UINT_PTR)m_arrBarID[i]);
        }
    }
    return TRUE;
}

BOOL CControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    m_nBarID = (UINT)pDockState->GetStoredInt(strSection, "BarID", 0);
    m_bVisible = pDockState->GetStoredInt(strSection, "Visible", 1) != 0;
    m_bHorz = pDockState->GetStoredInt(strSection, "Horz", 1) != 0;
    m_bFloating = pDockState->GetStoredInt(strSection, "Floating", 0) != 0;
    m_pointPos.x = pDockState->GetStoredInt(strSection, "XPos", -1);
    m_pointPos.y = pDockState->GetStoredInt(strSection, "YPos", -1);
    m_nMRUWidth = (UINT)pDockState->GetStoredInt(strSection, "MRUWidth", 32767);
    m_bDocking = pDockState->GetStoredInt(strSection, "Docking", 0) != 0;
    if (m_bDocking)
    {
        m_uMRUDockID = (UINT)pDockState->GetStoredInt(strSection, "MRUDockID", 0);
        m_rectMRUDockPos.left = pDockState->GetStoredInt(strSection, "MRUDockLeftPos", 0);
        m_rectMRUDockPos.top = pDockState->GetStoredInt(strSection, "MRUDockTopPos", 0);
        m_rectMRUDockPos.right = pDockState->GetStoredInt(strSection, "MRUDockRightPos", 0);
        m_rectMRUDockPos.bottom = pDockState->GetStoredInt(strSection, "MRUDockBottomPos", 0);
        m_dwMRUFloatStyle = (DWORD)pDockState->GetStoredInt(strSection, "MRUFloatStyle", 0);
        m_ptMRUFloatPos.x = pDockState->GetStoredInt(strSection, "MRUFloatXPos", 0);
        m_ptMRUFloatPos.y = pDockState->GetStoredInt(strSection, "MRUFloatYPos", 0);
    }
    // The id list is trusted only as far as a sane count.
    int nIDs = std::min(std::max(pDockState->GetStoredInt(strSection, "Bars", 0), 0), AFX_DOCKSTATE_MAX_IDS);
    m_arrBarID.RemoveAll();
    for (int i = 0; i < nIDs; ++i)
    {
        CString strEntry;
        strEntry.Format("Bar#%d", i);
        m_arrBarID.Add(reinterpret_cast<void*>((UINT_PTR)(UINT)pDockState->GetStoredInt(strSection, strEntry, 0)));
    }
    m_bDockBar = m_nBarID >= AFX_IDW_DOCKBAR_TOP && m_nBarID <= AFX_IDW_DOCKBAR_FLOAT;
    return m_nBarID != 0;
}
