// The toolkit's report-view list: a list control with the toolkit's additions
// (CXTListHelper), flicker-free painting, row colours and the toolkit font.
#pragma once

#include "toolkit/controls/XTListHelper.h"

#include "framework/ListCtrl.h"

class CXTListCtrl : public CListCtrl, public CXTListHelper
{
    DECLARE_DYNAMIC(CXTListCtrl)
public:
    // Construction
    CXTListCtrl();
    ~CXTListCtrl() override;

    // Both bases name these; the helper's are meant.
    using CXTListHelper::GetExtendedStyle;
    using CXTListHelper::SetExtendedStyle;

protected:
    void PreSubclassWindow() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    // Scrolls with redraw off, then repaints at once.
    void ScrollWithoutFlicker();
    // The header's place in the client area.
    CRect HeaderRect(HWND hHeader) const;

    BOOL m_bInitControl;

    DECLARE_MESSAGE_MAP()
};
