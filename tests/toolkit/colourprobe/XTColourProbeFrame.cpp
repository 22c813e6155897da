#include "XTColourProbeFrame.h"

#include "XTResource.h"

#include "toolkit/controls/XTColorPopupWnd.h"
#include "toolkit/frame/XTControlBar.h"

#include <cstdio>

// void OnColor()
BEGIN_MESSAGE_MAP(CXTColourProbeFrame, CXTFrameWnd)
    ON_COMMAND(ID_PROBE_COLOR, OnColor)
END_MESSAGE_MAP()

BOOL CXTColourProbeFrame::Build()
{
    if (!Create(nullptr, "Colour probe", WS_OVERLAPPEDWINDOW, CRect(60, 60, 460, 300)))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    const UINT nColor = ID_PROBE_COLOR;
    if (!m_wndBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), IDW_PROBE_BAR) ||
        !m_wndBar.LoadToolBar(XT_IDR_EDITMENU) || !m_wndBar.SetButtons(&nColor, 1))
        return FALSE;
    CXTButtonInfo* pInfo = m_wndBar.AddDropDown(ID_PROBE_COLOR, TRUE);
    if (pInfo == nullptr)
        return FALSE;
    // 40 colours, red current: a walk down from red lands on pink.
    pInfo->bColorPopup = TRUE;
    pInfo->bColorBar = TRUE;
    pInfo->dwPopupStyle = CPS_XT_EXTENDED;
    pInfo->clrSelected = RGB(255, 0, 0);
    pInfo->clrDefault = RGB(0, 0, 0);
    m_wndBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndBar, XT_IDW_DOCKBAR_TOP);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    ::SetForegroundWindow(m_hWnd);
    return TRUE;
}

CPoint CXTColourProbeFrame::ArrowPoint()
{
    CRect rcButton;
    m_wndBar.GetItemRect(0, &rcButton);
    m_wndBar.ClientToScreen(&rcButton);
    return CPoint(rcButton.right - 4, rcButton.CenterPoint().y);
}

LRESULT CXTColourProbeFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    static const char* const kNames[] = { "selnochange", "dropdown", "closeup", "selchange", "cancel", "nofill" };
    if (message >= WM_CPN_SELNOCHANGE && message <= WM_CPN_NOFILL)
    {
        char szLine[80];
        std::snprintf(szLine, sizeof(szLine), "received %s %06lX %ld", kNames[message - WM_CPN_SELNOCHANGE],
                      (unsigned long)wParam & 0xFFFFFFUL, (long)lParam);
        m_lines.push_back(szLine);
    }
    return CXTFrameWnd::WindowProc(message, wParam, lParam);
}
