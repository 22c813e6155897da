#include "toolkit/frame/XTBarState.h"

#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/frame/XTDockState.h"
#include "toolkit/frame/XTDockWindow.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/ControlBar.h"
#include "framework/FrameWnd.h"

#include <algorithm>
#include <vector>

namespace {

// The frame's dock windows that have windows, in the frame's list order.
std::vector<CXTDockWindow*> GetDockWindows(const CFrameWnd* pFrame)
{
    std::vector<CXTDockWindow*> windows;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CXTDockWindow)))
            windows.push_back(static_cast<CXTDockWindow*>(pBar));
    }
    return windows;
}

// Whether a listed id names a bar of the frame; a kept place by its bar's id.
BOOL HasBar(CFrameWnd* pFrame, UINT nListedID)
{
    UINT nID = nListedID & 0xFFFF;
    return nID != 0 && pFrame->GetControlBar(nID) != nullptr;
}

} // namespace

BOOL CXTBarState::FindBarSection(LPCSTR lpszProfileName, UINT nBarID, CString& strSection)
{
    CXTRegistryStore store(HKEY_CURRENT_USER);
    return FindBarSection(store, lpszProfileName, nBarID, strSection);
}

BOOL CXTBarState::FindBarSection(CXTRegistryStore& store, LPCSTR lpszProfileName, UINT nBarID, CString& strSection)
{
    // Sections past the summary's count are left from an older, longer layout.
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    int nSections = (int)store.GetProfileInt(strSummary, "Bars", 0);
    for (int n = 0; n < nSections; ++n)
    {
        strSection.Format("%s-Bar%d", lpszProfileName, n);
        int nStoredID = (int)store.GetProfileInt(strSection, "BarID", -1);
        if (nStoredID == -1)
            return FALSE;
        if (((UINT)nStoredID & 0xFFFF) == (nBarID & 0xFFFF))
            return TRUE;
    }
    return FALSE;
}

void CXTBarState::SaveBarState(const CFrameWnd* pFrame, LPCSTR lpszProfileName)
{
    if (pFrame == nullptr || lpszProfileName == nullptr)
        return;
    GetCustomizeManager().SaveCustomBars(const_cast<CFrameWnd*>(pFrame), lpszProfileName);
    CXTDockState state;
    pFrame->GetDockState(state);
    state.SaveState(lpszProfileName);
    // The sizes go beside the bar records just written; without its record
    // a dock window (and every one after it) saves none.
    CXTRegistryStore store(HKEY_CURRENT_USER);
    for (CXTDockWindow* pWindow : GetDockWindows(pFrame))
    {
        CString strSection;
        if (!FindBarSection(store, lpszProfileName, (UINT)pWindow->GetDlgCtrlID(), strSection))
            break;
        pWindow->SaveBarSize(strSection);
    }
}

void CXTBarState::PruneDockState(CFrameWnd* pFrame, CDockState& state)
{
    for (INT_PTR i = state.m_arrBarInfo.GetSize() - 1; i >= 0; --i)
    {
        CControlBarInfo* pInfo = static_cast<CControlBarInfo*>(state.m_arrBarInfo[i]);
        for (INT_PTR j = pInfo->m_arrBarID.GetSize() - 1; j >= 0; --j)
        {
            // A kept place stays one: as a plain id it would put the bar in two dock bars.
            UINT nID = (UINT)(UINT_PTR)pInfo->m_arrBarID[j];
            if (nID != 0 && !HasBar(pFrame, nID))
                pInfo->m_arrBarID.RemoveAt(j);
        }
        if (!pInfo->m_bFloating && pFrame->GetControlBar(pInfo->m_nBarID) == nullptr)
        {
            state.m_arrBarInfo.RemoveAt(i);
            delete pInfo;
        }
    }
}

BOOL CXTBarState::LoadBarState(CFrameWnd* pFrame, LPCSTR lpszProfileName)
{
    if (pFrame == nullptr || lpszProfileName == nullptr)
        return FALSE;
    // The user's own bars come first: the prune would drop their records.
    std::vector<CControlBar*> before;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        before.push_back(static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos)));
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.LoadCustomBars(pFrame, lpszProfileName);
    std::vector<HWND> created;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (std::find(before.begin(), before.end(), pBar) == before.end())
            created.push_back(pBar->m_hWnd);
    }
    BOOL bApplied = ApplyDockState(pFrame, lpszProfileName);
    // A user bar the layout does not place floats where new bars float.
    for (HWND hBar : created)
    {
        CControlBar* pBar = dynamic_cast<CControlBar*>(CWnd::FromHandlePermanent(hBar));
        if (pBar != nullptr && pBar->m_pDockBar == nullptr)
            manager.FloatNewBar(pFrame, pBar);
    }
    return bApplied;
}

BOOL CXTBarState::ApplyDockState(CFrameWnd* pFrame, LPCSTR lpszProfileName)
{
    CXTDockState state;
    state.LoadState(lpszProfileName);
    PruneDockState(pFrame, state);
    // A dock window without a record means the layout is older than the
    // program's bars: none of it is applied.
    CXTRegistryStore store(HKEY_CURRENT_USER);
    for (CXTDockWindow* pWindow : GetDockWindows(pFrame))
    {
        CString strSection;
        if (!FindBarSection(store, lpszProfileName, (UINT)pWindow->GetDlgCtrlID(), strSection))
            return FALSE;
        pWindow->LoadBarSize(strSection);
    }
    pFrame->SetDockState(state);
    return TRUE;
}
