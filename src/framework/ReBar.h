// A rebar over the common rebar control: a host of bands, each holding a bar
// or another window.
#pragma once

#include "framework/ControlBar.h"
#include "framework/ReBarCtrl.h"

class CBitmap;

class CReBar : public CControlBar
{
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar() { m_bOverControl = TRUE; }
    ~CReBar() override { m_wndCtrl.m_hWnd = nullptr; }
    // The bar's window as its control, for the control's own messages.
    CReBarCtrl& GetReBarCtrl() const
    {
        m_wndCtrl.m_hWnd = m_hWnd;
        return m_wndCtrl;
    }
    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // A new last band holding the window at its own (or its bar's docked) size.
    BOOL AddBar(CWnd* pBar, LPCSTR pszText = nullptr, CBitmap* pbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    BOOL AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS);
    UINT GetBandCount() const { return (UINT)SendMessage(RB_GETBANDCOUNT); }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The bars in the bands update themselves; the rebar has no items.
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

protected:
    mutable CReBarCtrl m_wndCtrl;   // this window seen as the control (not in the handle map)
    // Puts the window into a new last band; SizeBand fills in the band's sizes.
    BOOL AddBand(CWnd* pBar, REBARBANDINFOA& band);
    // The band's child sizes: the window's docked size along the bar.
    virtual void SizeBand(CWnd* pBar, REBARBANDINFOA& band);
    // A bar's fixed layout (another window's own size) as the band's minimum and width.
    static void SizeBandToWindow(CWnd* pBar, REBARBANDINFOA& band, BOOL bHorz);
};
