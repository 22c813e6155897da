// The base of the toolkit's bars: the toolkit bar style word, flat-look
// borders and gripper, the bars' own fonts, a per-bar context menu or the
// frame's bar-list menu on a right click, docking-side queries and the
// answers to the dock context's private queries.
#pragma once

#include "framework/ControlBar.h"
#include "framework/Font.h"

#include <commctrl.h>

#include <utility>
#include <vector>

class CFrameWnd;
class CXTMenu;

// Toolkit bar style bits (m_dwBarStyleEx).
#define BARSTYLE_CAPTION            0x0001
#define BARSTYLE_CAPTION_TEXT       0x0002
#define BARSTYLE_CAPTION_3D         0x0004
#define BARSTYLE_CAPTION_FILL       0x0008
#define BARSTYLE_CAPTION_GRADIENT   0x0010
#define BARSTYLE_BUTTONS            0x0020
#define BARSTYLE_BUTTON_LOOK1       0x0040
#define BARSTYLE_BUTTON_LOOK2       0x0100
#define BARSTYLE_CLIENT_ETCHED      0x0200
#define BARSTYLE_CLIENT_SUNKEN      0x0400
#define BARSTYLE_CLIENT_RAISED      0x0800
#define BARSTYLE_SHOWN              0x1000

// Private queries between the toolkit's bars, rebars and dock context.
#define XTWM_REBARBANDQUERY     0x89E0  // wParam horizontal, lParam REBARBANDINFOA*
#define XTWM_REBARCHILDSIZE     0x89E1  // wParam horizontal, lParam NMREBARCHILDSIZE*
#define XTWM_FULLWINDOWDRAG     0x89E2  // result: drag the bar itself
#define XTWM_DRAGRECTQUERY      0x89E3  // lParam SIZE* of the drag rectangle

// The frame's dock bars, by side.
#define XT_IDW_DOCKBAR_TOP      59419
#define XT_IDW_DOCKBAR_LEFT     59420
#define XT_IDW_DOCKBAR_RIGHT    59421
#define XT_IDW_DOCKBAR_BOTTOM   59422

// Called with the listener's object and the bar's visibility after DelayShow.
typedef void (*XT_BARNOTIFYPROC)(void* pObject, BOOL bVisible);

class CXTControlBar : public CControlBar
{
    DECLARE_DYNAMIC(CXTControlBar)
public:
    // Construction
    CXTControlBar();
    ~CXTControlBar() override;

    // Attributes
    CSize m_sizeVertDocked;
    CSize m_sizeHorzDocked;
    CSize m_sizeMRUFloat;
    CSize m_sizeFloat;          // floating size; also the docked length of a dock window
    BOOL m_bAloneInRow;
    BOOL m_bExpanded;
    BOOL m_bContextMenus;       // takes part in right-click menus
    BOOL m_bDockInOtherFrame;
    CFont m_fontHorz;
    CFont m_fontVert;
    CFont m_fontBold;

    // Operations
    virtual void EnableDocking(DWORD dwDockStyle);
    void EnableDockingStyle(DWORD dwDockStyle, DWORD dwBarStyleEx);
    // Listeners told of the bar's visibility after each DelayShow.
    void AddNotify(void* pObject, XT_BARNOTIFYPROC pfnNotify) { m_arrNotify.emplace_back(pObject, pfnNotify); }
    // Every listener entry of the object goes.
    void RemoveNotify(void* pObject);
    void DelayShow(BOOL bShow);

    // Overridables
    BOOL SetStatusText(INT_PTR nHit) override;
    virtual DWORD GetBarStyleEx() const { return m_dwBarStyleEx; }
    virtual void SetBarStyleEx(DWORD dwStyle);
    virtual BOOL ModifyBarStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE);
    virtual void SetContextMenu(UINT nMenuID, int nSubIndex);
    virtual UINT GetContextMenuID() const { return m_nMenuID; }
    void DrawGripper(CDC* pDC, const CRect& rect) override;
    void DrawBorders(CDC* pDC, CRect& rect) override;
    virtual BOOL IsLeftDocked() const;
    virtual BOOL IsRightDocked() const;
    virtual BOOL IsTopDocked() const;
    virtual BOOL IsBottomDocked() const;
    virtual BOOL IsHorzDocked() const { return IsTopDocked() || IsBottomDocked(); }
    virtual BOOL IsVertDocked() const { return IsLeftDocked() || IsRightDocked(); }
    virtual BOOL IsFloating() const { return !IsHorzDocked() && !IsVertDocked(); }
    virtual COLORREF GetBackgroundColor() const;
    virtual BOOL CanDockInFrame(CFrameWnd* pFrame) const;
    virtual BOOL IsFullWindowDrag() const { return FALSE; }
    virtual BOOL OnDragRectQuery(LPSIZE lpSize);
    virtual void CreateBarFonts();
    virtual BOOL IsCursorOverGripper() const;
    virtual void ShowBarListMenu(CPoint ptScreen, CFrameWnd* pFrame);
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    virtual void DoNcPaint();
    void DoPaint(CDC* pDC) override;
    // A bar in a rebar band: its fixed layout as the band's minimum child size.
    virtual void FillRebarBandSize(REBARBANDINFOA* pInfo, BOOL bHorz);
    virtual void CalcOverflowLayout(NMREBARCHILDSIZE* pNotify, BOOL bHorz);

    // How a bar is listed in the bar-list menu: its group and fallback name.
    enum BarListGroup { barListNone, barListDockWindow, barListToolBar, barListOther };
    virtual BarListGroup GetBarListGroup() const { return barListOther; }
    virtual BOOL IsCustomizable() const { return FALSE; }

    // Implementation
public:
    // The idle step of a toolkit bar: a pending show or hide, then the
    // bar's items updated from its frame while the bar and its dock bar show.
    static void IdleUpdateBar(CControlBar* pBar, BOOL bDisableIfNoHndler);
    // The end of a bar-list menu: the customise item when a listed bar allows
    // it, then the menu shown at the point when it has any item.
    static void TrackBarListMenu(CXTMenu& menu, int nAdded, BOOL bCustomize, CPoint ptScreen, CFrameWnd* pFrame);

protected:
    std::vector<std::pair<void*, XT_BARNOTIFYPROC>> m_arrNotify;
    DWORD m_dwBarStyleEx;
    CFrameWnd* m_pParentFrame;
    int m_nMenuSubIndex;
    UINT m_nMenuID;
    BOOL m_bInRebar;            // hosted in a rebar band

    // The bar's parent's id: which dock bar holds it.
    UINT GetParentID() const;
    // Clears the active view of a frame when it lies inside this bar.
    void ReleaseActiveView(CFrameWnd* pFrame);

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnRebarBandQuery(WPARAM wParam, LPARAM lParam);
    LRESULT OnRebarChildSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnFullWindowDrag(WPARAM wParam, LPARAM lParam);
    LRESULT OnDragRectQueryMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
