// A frame with the toolkit's dock bars on every side, and dock windows to
// put into them, for the docking tests.
#pragma once

#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTDockWindow.h"

#include "framework/FrameWnd.h"
#include "framework/BarTestSupport.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace toolkit_test {

// The toolkit's dock bars on every side of the frame, made in the frames'
// order: top, bottom, left, right.
inline BOOL CreateDockBars(CFrameWnd* pFrame)
{
    const struct
    {
        UINT nID;
        DWORD dwAlign;
    } sides[] = { { XT_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP },
                  { XT_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM },
                  { XT_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT },
                  { XT_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT } };
    for (const auto& side : sides)
    {
        CXTDockBar* pDockBar = new CXTDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(pFrame, side.dwAlign, side.nID))
        {
            delete pDockBar;
            return FALSE;
        }
    }
    return TRUE;
}

// A toolkit bar of a fixed size; at a side it stands on its end.
class CFixedBar : public CXTControlBar
{
public:
    explicit CFixedBar(CSize size = CSize(160, 30)) : m_size(size) {}
    BOOL Create(CWnd* pParent, DWORD dwBarStyle, UINT nID, LPCSTR lpszText = nullptr)
    {
        if (!CreateBar(nullptr, WS_VISIBLE, dwBarStyle, pParent, nID))
            return FALSE;
        if (lpszText != nullptr)
            SetWindowText(lpszText);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override { return bHorz ? m_size : CSize(m_size.cy, m_size.cx); }
    CSize CalcDynamicLayout(int, DWORD nMode) override { return CalcFixedLayout(FALSE, (nMode & LM_HORZ) != 0); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

private:
    CSize m_size;
};

// The id of the dock bar the bar is docked in; 0 while it floats.
inline int DockBarID(const CControlBar* pBar)
{
    if (pBar->m_pDockBar == nullptr || pBar->m_pDockBar->m_bFloating)
        return 0;
    return pBar->m_pDockBar->GetDlgCtrlID();
}

// The rows of a dock bar as bar ids, 0 ending each row (a kept place is -1).
using bar_test_support::DockRows;

class CDockTestFrame : public CFrameWnd
{
public:
    BOOL CreateFrame(const CRect& rect = CRect(20, 20, 620, 420))
    {
        if (!Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW, rect) || !CreateDockBars(this))
            return FALSE;
        ShowWindow(SW_SHOWNOACTIVATE);
        return TRUE;
    }
    CXTDockBar* DockBar(UINT nID) { return dynamic_cast<CXTDockBar*>(GetControlBar(nID)); }
    // A dock window docked at the side (a new last row, or at the screen rectangle).
    CXTDockWindow* AddWindow(UINT nDockBarID, int cx, int cy, LPCRECT lpRect = nullptr, LPCSTR lpszText = "Window",
                             UINT nID = 0)
    {
        auto pWindow = std::make_unique<CXTDockWindow>();
        DWORD dwAlign = nDockBarID == XT_IDW_DOCKBAR_LEFT    ? CBRS_ALIGN_LEFT
                        : nDockBarID == XT_IDW_DOCKBAR_RIGHT ? CBRS_ALIGN_RIGHT
                        : nDockBarID == XT_IDW_DOCKBAR_TOP   ? CBRS_ALIGN_TOP
                                                             : CBRS_ALIGN_BOTTOM;
        if (!pWindow->Create(this, nID != 0 ? nID : 0xE840 + (UINT)m_windows.size(), lpszText, cx, cy,
                             WS_CHILD | WS_VISIBLE | dwAlign))
            return nullptr;
        pWindow->EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(pWindow.get(), nDockBarID, lpRect);
        m_windows.push_back(std::move(pWindow));
        return m_windows.back().get();
    }
    // The rectangle of a bar in its dock bar's client coordinates.
    static CRect RectIn(CWnd* pBar, CWnd* pDockBar)
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        pDockBar->ScreenToClient(&rect);
        return rect;
    }
    ~CDockTestFrame() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
        m_windows.clear();
    }
    void PostNcDestroy() override {}

    std::vector<std::unique_ptr<CXTDockWindow>> m_windows;
};

// The system's gradient-caption setting for a scope; Taken() tells whether
// the system accepted it.
class GradientScope
{
public:
    explicit GradientScope(BOOL bOn)
    {
        ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &m_bSaved, 0);
        ::SystemParametersInfoA(SPI_SETGRADIENTCAPTIONS, 0, reinterpret_cast<PVOID>((UINT_PTR)bOn), 0);
        BOOL bNow = !bOn;
        ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bNow, 0);
        m_bTaken = (bNow != FALSE) == (bOn != FALSE);
    }
    ~GradientScope()
    {
        ::SystemParametersInfoA(SPI_SETGRADIENTCAPTIONS, 0, reinterpret_cast<PVOID>((UINT_PTR)m_bSaved), 0);
    }
    GradientScope(const GradientScope&) = delete;
    GradientScope& operator=(const GradientScope&) = delete;
    BOOL Taken() const { return m_bTaken; }

private:
    BOOL m_bSaved = FALSE;
    BOOL m_bTaken = FALSE;
};

inline BOOL Near(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance && std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

} // namespace toolkit_test
