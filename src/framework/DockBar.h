// One of the frame's four edge windows (or a floating frame's one) holding
// docked bars in rows: m_arrBars lists the bars row by row, a NULL ending
// each row; an entry below 0x10000 is the id of a bar that left and keeps its
// place to come back to.
#pragma once

#include "framework/Collections.h"
#include "framework/ControlBar.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    // Construction
    explicit CDockBar(BOOL bFloating = FALSE);
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Attributes
    BOOL m_bFloating;
    BOOL m_bLayoutQuery;     // the layout only measures, it moves nothing
    CRect m_rectLayout;      // the room to lay out in, when not the frame's
    CPtrArray m_arrBars;
    BOOL IsFloating() const { return m_bFloating; }
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The entry of the bar (or of its placeholder), -1 when none.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    // A placeholder of a bar id, or the bar when the entry is one.
    static CControlBar* PASCAL BarAt(void* pEntry);
    static BOOL PASCAL IsPlaceHolder(void* pEntry) { return pEntry != nullptr && (UINT_PTR)pEntry < 0x10000; }

    // Operations
    // Docks the bar at the rectangle (screen coordinates; NULL: its old
    // place in this dock bar, else a new last row). The bar leaves its old
    // dock bar a placeholder.
    virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes the bar out, or replaces it by its placeholder.
    virtual BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    void RemovePlaceHolder(CControlBar* pBar);

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void DoPaint(CDC* pDC) override;
    // The rows as ids (0 ends a row, a kept place is its id + 0x10000); a
    // floating dock bar adds its frame's place and orientation.
    void GetBarInfo(CControlBarInfo* pInfo) override;
    // Takes the bars of the ids from wherever they are into these rows;
    // ids of bars the frame does not have are dropped.
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // Implementation
protected:
    CRect m_rectAvailable;   // the room the frame's last layout offered
    int Insert(CControlBar* pBar, CRect rect, CPoint ptMid);
    // Drops empty rows and ends the array with a NULL.
    void Compact();

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
