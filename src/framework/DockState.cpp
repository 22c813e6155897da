#include "framework/DockState.h"

#include "framework/String.h"
#include "framework/WinApp.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CDockState, CObject)

CDockState::CDockState() : m_bScaling(FALSE), m_rectDevice(0, 0, 0, 0), m_rectClip(0, 0, 0, 0), m_sizeDevice(0, 0)
{
    SetScreenSize(CSize(0, 0));
}

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
        delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    m_arrBarInfo.RemoveAll();
}

void CDockState::SetScreenSize(const CSize& size)
{
    m_rectDevice = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    // A saved size of nothing (or a damaged one) scales nothing.
    m_sizeDevice = size;
    m_bScaling = size.cx > 0 && size.cy > 0 && size != m_rectDevice.Size();
    // A position keeps at least a small corner of the window on the screen.
    m_rectClip = m_rectDevice;
    m_rectClip.right -= ::GetSystemMetrics(SM_CXICON);
    m_rectClip.bottom -= ::GetSystemMetrics(SM_CYICON);
}

void CDockState::ScalePoint(CPoint& pt) const
{
    if (m_bScaling)
    {
        pt.x = ::MulDiv(pt.x, m_rectDevice.Width(), m_sizeDevice.cx);
        pt.y = ::MulDiv(pt.y, m_rectDevice.Height(), m_sizeDevice.cy);
    }
    if (!m_rectClip.IsRectEmpty())
    {
        pt.x = std::min<int>(std::max<int>(pt.x, m_rectClip.left), m_rectClip.right);
        pt.y = std::min<int>(std::max<int>(pt.y, m_rectClip.top), m_rectClip.bottom);
    }
}

void CDockState::ScaleRectPos(CRect& rect) const
{
    // The position moves, the size stays.
    CPoint pt = rect.TopLeft();
    if (m_bScaling)
    {
        pt.x = ::MulDiv(pt.x, m_rectDevice.Width(), m_sizeDevice.cx);
        pt.y = ::MulDiv(pt.y, m_rectDevice.Height(), m_sizeDevice.cy);
    }
    rect.OffsetRect(pt.x - rect.left, pt.y - rect.top);
}

int CDockState::GetStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr ? (int)pApp->GetProfileInt(lpszSection, lpszEntry, nDefault) : nDefault;
}

BOOL CDockState::WriteStoredInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->WriteProfileInt(lpszSection, lpszEntry, nValue);
}

BOOL CDockState::DeleteStoredSection(LPCSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->WriteProfileString(lpszSection, nullptr, nullptr);
}

void CDockState::LoadState(LPCSTR lpszProfileName)
{
    Clear();
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    int nBars = std::max(GetStoredInt(strSummary, "Bars", 0), 0);
    CSize size(GetStoredInt(strSummary, "ScreenCX", 0), GetStoredInt(strSummary, "ScreenCY", 0));
    SetScreenSize(size);
    // The count is only as good as the sections behind it: the first missing one ends the records.
    for (int i = 0; i < nBars; ++i)
    {
        CControlBarInfo* pInfo = NewBarInfo();
        if (!pInfo->LoadState(lpszProfileName, i, this))
        {
            delete pInfo;
            break;
        }
        if (pInfo->m_pointPos.x != -1 || pInfo->m_pointPos.y != -1)
        {
            // Floating frames are placed on the screen; docked bars within their dock bars.
            if (pInfo->m_bFloating)
                ScalePoint(pInfo->m_pointPos);
            else if (m_bScaling)
            {
                CRect rect(pInfo->m_pointPos, CSize(0, 0));
                ScaleRectPos(rect);
                pInfo->m_pointPos = rect.TopLeft();
            }
        }
        if (pInfo->m_bDocking)
        {
            ScaleRectPos(pInfo->m_rectMRUDockPos);
            // A bar that never floated keeps its "not yet" point.
            if (pInfo->m_ptMRUFloatPos.x >= 0 && pInfo->m_ptMRUFloatPos.y >= 0)
                ScalePoint(pInfo->m_ptMRUFloatPos);
        }
        m_arrBarInfo.Add(pInfo);
    }
}

void CDockState::SaveState(LPCSTR lpszProfileName)
{
    int nIndex = 0;
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i)
        if (static_cast<CControlBarInfo*>(m_arrBarInfo[i])->SaveState(lpszProfileName, nIndex, this))
            ++nIndex;
    CString strSummary;
    strSummary.Format("%s-Summary", lpszProfileName);
    WriteStoredInt(strSummary, "Bars", nIndex);
    WriteStoredInt(strSummary, "ScreenCX", ::GetSystemMetrics(SM_CXSCREEN));
    WriteStoredInt(strSummary, "ScreenCY", ::GetSystemMetrics(SM_CYSCREEN));
}
