#include "framework/StatusBar.h"

#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

// LRESULT OnSetText(WPARAM, LPARAM) and the others: window text is pane 0's.
BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

// The update of one pane: Enable shows or blanks it, SetCheck pops it out, SetText sets it.
class CStatusCmdUI : public CCmdUI
{
public:
    CStatusBar* m_pBar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT nStyle = m_pBar->GetPaneStyle((int)m_nIndex) & ~SBPS_DISABLED;
        m_pBar->SetPaneStyle((int)m_nIndex, bOn ? nStyle : (nStyle | SBPS_DISABLED));
    }
    void SetCheck(int nCheck) override
    {
        UINT nStyle = m_pBar->GetPaneStyle((int)m_nIndex) & ~SBPS_POPOUT;
        m_pBar->SetPaneStyle((int)m_nIndex, nCheck ? (nStyle | SBPS_POPOUT) : nStyle);
    }
    void SetText(LPCSTR lpszText) override { m_pBar->SetPaneText((int)m_nIndex, lpszText); }
};

const int kPaneGap = 4;   // space around a pane's text

} // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    // The layout places the bar: the control must not place itself.
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                          CCS_NORESIZE;
    // The size grip belongs to a frame that can be sized.
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwWindowStyle |= SBARS_SIZEGRIP;
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
    return CreateBar(STATUSCLASSNAMEA, dwWindowStyle, dwStyle, pParentWnd, nID);
}

int CStatusBar::TextWidth(LPCSTR lpszText) const
{
    HDC hDC = ::GetDC(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOld = hFont ? ::SelectObject(hDC, hFont) : nullptr;
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, lpszText, lstrlenA(lpszText), &size);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i)
    {
        Pane pane = { lpIDArray[i], SBPS_NORMAL, 0, CString() };
        if (pane.nID != ID_SEPARATOR)
        {
            pane.strText.LoadString(pane.nID);
            pane.cxText = TextWidth(pane.strText);
        }
        m_panes.push_back(pane);
    }
    if (!m_panes.empty() && m_panes[0].nID == ID_SEPARATOR)
        m_panes[0].nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
    m_nCount = (int)m_panes.size();
    UpdateAllPanes(TRUE, TRUE);
    return TRUE;
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText)
{
    if (m_hWnd == nullptr || m_panes.empty())
        return;
    if (bUpdateRects)
    {
        CRect rect;
        GetClientRect(&rect);
        int nFixed = 0;
        for (const Pane& pane : m_panes)
            if (!(pane.nStyle & SBPS_STRETCH))
                nFixed += pane.cxText + 2 * kPaneGap;
        // The grip's corner stays free.
        if (GetStyle() & SBARS_SIZEGRIP)
            nFixed += ::GetSystemMetrics(SM_CXVSCROLL);
        int nStretch = std::max(0, rect.Width() - nFixed);
        std::vector<int> edges;
        int x = 0;
        for (const Pane& pane : m_panes)
        {
            x += (pane.nStyle & SBPS_STRETCH) ? nStretch : pane.cxText + 2 * kPaneGap;
            edges.push_back(x);
        }
        edges.back() = -1;   // the last pane runs to the end
        SendMessage(SB_SETPARTS, (WPARAM)edges.size(), (LPARAM)edges.data());
    }
    if (bUpdateText)
    {
        for (size_t i = 0; i < m_panes.size(); ++i)
        {
            const Pane& pane = m_panes[i];
            LPCSTR lpszText = (pane.nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pane.strText;
            UINT nDraw = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
            SendMessage(SB_SETTEXTA, (WPARAM)(i | nDraw), (LPARAM)lpszText);
        }
    }
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].nID == nIDFind)
            return (int)i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[(size_t)nIndex].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    SendMessage(SB_GETRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const
{
    rString = GetPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[(size_t)nIndex].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size())
        return FALSE;
    Pane& pane = m_panes[(size_t)nIndex];
    CString strNew(lpszNewText);
    if (pane.strText == strNew)
        return TRUE;
    pane.strText = strNew;
    if (bUpdate && m_hWnd != nullptr)
    {
        UINT nDraw = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
        LPCSTR lpszShown = (pane.nStyle & SBPS_DISABLED) ? "" : (LPCSTR)pane.strText;
        SendMessage(SB_SETTEXTA, (WPARAM)((UINT)nIndex | nDraw), (LPARAM)lpszShown);
    }
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = GetItemID(nIndex);
    nStyle = GetPaneStyle(nIndex);
    cxWidth = nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[(size_t)nIndex].cxText : 0;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size())
        return;
    Pane& pane = m_panes[(size_t)nIndex];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = cxWidth;
    UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_panes.size() ? m_panes[(size_t)nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= (int)m_panes.size() || m_panes[(size_t)nIndex].nStyle == nStyle)
        return;
    BOOL bWidth = (m_panes[(size_t)nIndex].nStyle ^ nStyle) & SBPS_STRETCH;
    m_panes[(size_t)nIndex].nStyle = nStyle;
    UpdateAllPanes(bWidth, TRUE);
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // As tall as the text and the control's borders; along the side the whole side.
    TEXTMETRICA tm = {};
    HDC hDC = ::GetDC(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ hOld = hFont ? ::SelectObject(hDC, hFont) : nullptr;
    ::GetTextMetricsA(hDC, &tm);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, (LPARAM)borders);
    int cy = tm.tmHeight + 2 * borders[1] + 2 * ::GetSystemMetrics(SM_CYBORDER) + 2;
    return bHorz ? CSize(32767, cy) : CSize(cy, 32767);
}

LRESULT CStatusBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    UpdateAllPanes(TRUE, FALSE);
    return lResult;
}

void CStatusBar::OnSize(UINT, int, int)
{
    Default();
    UpdateAllPanes(TRUE, FALSE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    if (m_panes.empty())
        return Default();
    return SetPaneText(0, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    if (m_panes.empty())
        return Default();
    LPSTR lpszBuffer = reinterpret_cast<LPSTR>(lParam);
    int nMax = (int)wParam;
    if (lpszBuffer == nullptr || nMax <= 0)
        return 0;
    lstrcpynA(lpszBuffer, m_panes[0].strText, nMax);
    return lstrlenA(lpszBuffer);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return m_panes.empty() ? Default() : m_panes[0].strText.GetLength();
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CStatusCmdUI state;
    state.m_pBar = this;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_panes.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // Pane 0 shows the frame's prompts; panes without ids have nothing to update.
        if (state.m_nIndex == 0 || state.m_nID == ID_SEPARATOR)
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
