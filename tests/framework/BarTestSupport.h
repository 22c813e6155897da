// What the bar, dock and splitter tests share: rectangles as text, a bar of a
// fixed size, a frame over a pane, a dock bar's rows and the application's idle step.
#pragma once

#include "framework/Afx.h"

#include <string>
#include <vector>

namespace bar_test_support {

inline std::string RectText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// The dock bar's entries: bar ids, -1 for a placeholder, 0 for a row end.
inline std::vector<int> DockRows(CDockBar* pDockBar)
{
    std::vector<int> rows;
    for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i)
    {
        CControlBar* pBar = CDockBar::BarAt(pDockBar->m_arrBars[i]);
        rows.push_back(pBar ? pBar->GetDlgCtrlID() : pDockBar->m_arrBars[i] ? -1 : 0);
    }
    return rows;
}

// A frame over a plain pane window (AFX_IDW_PANE_FIRST); the test owns it.
class CPaneFrame : public CFrameWnd
{
public:
    CWnd pane;
    BOOL CreatePaneFrame(LPCSTR lpszTitle)
    {
        if (!Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, CRect(20, 20, 620, 420)))
            return FALSE;
        return pane.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, AFX_IDW_PANE_FIRST);
    }
    void PostNcDestroy() override {}
    CRect ChildRect(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    }
    CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(GetControlBar(nID)); }
    // The dock bar's entries (see DockRows).
    std::vector<int> Rows(UINT nID) { return DockRows(DockBar(nID)); }
};

// A bar of a fixed size that counts its idle updates; at a side it stands on its end.
class CBoxBar : public CControlBar
{
public:
    CSize m_size;
    int nUpdates = 0;
    explicit CBoxBar(CSize size = CSize(40, 40)) : m_size(size) {}
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID) { return CreateBar(nullptr, WS_VISIBLE, dwStyle, pParent, nID); }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        CSize size = bHorz ? m_size : CSize(m_size.cy, m_size.cx);
        if (bStretch && bHorz)
            size.cx = 32767;
        if (bStretch && !bHorz)
            size.cy = 32767;
        return size;
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++nUpdates; }
};

// Runs the application's idle step with the frame as the main window.
inline void RunIdle(CFrameWnd* pFrame)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pSaved = pApp->m_pMainWnd;
    pApp->m_pMainWnd = pFrame;
    for (LONG i = 0; pApp->OnIdle(i); ++i)
    {
    }
    pApp->m_pMainWnd = pSaved;
}

// The end of a drag on the tool bar, as the control tells its parent.
inline void SendToolBarEndDrag(CWnd& toolBar)
{
    NMTOOLBARA nmtb = {};
    nmtb.hdr.hwndFrom = toolBar.m_hWnd;
    nmtb.hdr.idFrom = AFX_IDW_TOOLBAR;
    nmtb.hdr.code = TBN_ENDDRAG;
    ::SendMessageA(::GetParent(toolBar.m_hWnd), WM_NOTIFY, AFX_IDW_TOOLBAR, (LPARAM)&nmtb);
}

} // namespace bar_test_support
