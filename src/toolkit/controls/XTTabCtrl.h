// The toolkit's tab control: a tab control that owns one window per tab and
// paints itself flat (CXTTabCtrlBase does the work).
#pragma once

#include "toolkit/controls/XTTabCtrlBase.h"

#include "framework/TabCtrl.h"

class CXTTabCtrl : public CTabCtrl, public CXTTabCtrlBase
{
    DECLARE_DYNAMIC(CXTTabCtrl)
public:
    // Construction
    CXTTabCtrl();
    ~CXTTabCtrl() override;

    // Both bases name these; the tab management's are meant.
    using CXTTabCtrlBase::GetToolTips;
    using CXTTabCtrlBase::HitTest;
    using CXTTabCtrlBase::SetToolTips;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    void PreSubclassWindow() override;
    void PostInitialUpdate();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnSysColorChange();
    void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnFrameInitialUpdate(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
