// A resizable control bar that hosts one window (a view, a tree, a tab
// control), docks at any side of a toolkit frame or floats. Docked it draws a
// caption strip (along its top when docked left or right, down its left side
// when docked at the top or bottom) with grip lines or a filled title and two
// buttons: hide (5511) and expand/contract (5512). Its sizes per docking
// state are kept per bar in the registry as "Bar Position".
#pragma once

#include "toolkit/frame/XTControlBar.h"

#include "framework/ToolTipCtrl.h"

#include <commctrl.h>

class CXTBarButton;
class CXTDockBar;
class CView;
struct CCreateContext;
struct CRuntimeClass;

// Caption button commands.
#define XT_IDC_BTN_HIDE     5511
#define XT_IDC_BTN_EXPAND   5512

// A control sends this to itself to finish its set-up; for a dock window it
// sends WM_INITIALUPDATE to a floating bar's windows.
#define XTWM_INITIALUPDATE  0x89DE

// The sizes of a dock window as stored in "Bar Position": eleven 32-bit
// little-endian integers, 44 bytes.
struct XT_BARPLACEMENT
{
    SIZE sizeVertDocked;
    SIZE sizeHorzDocked;
    SIZE sizeMRUFloat;
    SIZE sizeFloat;
    BOOL bAloneInRow;
    BOOL bExpanded;
    DWORD dwBarStyleEx;
};
static_assert(sizeof(XT_BARPLACEMENT) == 44, "the stored record has 44 bytes");

class CXTDockWindow : public CXTControlBar
{
    DECLARE_DYNAMIC(CXTDockWindow)
public:
    // Construction
    CXTDockWindow();
    ~CXTDockWindow() override;
    virtual BOOL Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszCaption = nullptr, int cx = 200, int cy = 100,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT,
                        DWORD dwBarStyleEx = BARSTYLE_CAPTION | BARSTYLE_CAPTION_TEXT | BARSTYLE_BUTTONS);

    // Attributes
    virtual void GetInsideRect(CRect& rect);
    virtual int GetCaptionSize();
    virtual BOOL IsExpanded() const { return m_bExpanded; }
    virtual BOOL IsAloneInRow() const { return m_bAloneInRow; }
    virtual int GetCurrentWidth() const { return m_sizeFloat.cx; }
    virtual int GetCurrentHeight() const { return m_sizeFloat.cy; }
    CWnd* GetChild() const { return m_pChildWnd; }
    BOOL IsActive() const { return m_bActive; }
    CXTBarButton* GetHideButton() const { return m_pBtnHide; }
    CXTBarButton* GetExpandButton() const { return m_pBtnExpand; }
    int GetButtonState() const { return m_nBtnState; }
    BOOL HasCaptionButtons() const;

    // Operations
    // The size of the current docking state (and the current length).
    virtual void SetBarSize(CSize size);
    virtual CSize RestoreMRUSize();
    virtual void RestoreSize();
    // Down to the caption; returns the length given back (0 floating).
    virtual int Contract();
    virtual void Expand(int nLength);
    virtual void EnableDocking(DWORD dwDockStyle);
    // Creates a view of the class inside the bar; null on failure.
    virtual CView* CreateView(const CRuntimeClass* pViewClass, CCreateContext* pContext = nullptr);
    virtual void SetChild(CWnd* pWnd) { m_pChildWnd = pWnd; }
    using CControlBar::SetBarInfo;
    virtual void SetBarInfo(const XT_BARPLACEMENT* pInfo);
    virtual void GetGripperRect(CRect& rect);
    virtual void GetButtonRect(CRect& rect);
    virtual void DrawCaption(CDC* pDC);
    virtual void DrawCaptionBack(CDC* pDC, CRect& rect);
    virtual void SetActive(BOOL bActive);
    virtual void RefreshButtons();
    // "Bar Position" of the section (settings store, HKEY_CURRENT_USER).
    void SaveBarSize(LPCSTR lpszSection);
    void LoadBarSize(LPCSTR lpszSection);

    // Overridables
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DelayShow(BOOL bShow) override;
    void DoPaint(CDC* pDC) override;
    void DrawBorders(CDC* pDC, CRect& rect) override;
    BOOL ModifyBarStyleEx(DWORD dwRemove, DWORD dwAdd, BOOL bRedraw = TRUE) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DoNcPaint() override;
    BarListGroup GetBarListGroup() const override { return barListDockWindow; }

    // Implementation
protected:
    int m_nBtnState;            // the expand button's look, 1..8; 0 before the first
    CWnd* m_pChildWnd;
    CXTBarButton* m_pBtnHide;
    CXTBarButton* m_pBtnExpand;
    CToolTipCtrl m_toolTip;
    BOOL m_bActive;
    BOOL m_bSysMenuRemoved;
    CWnd* m_pParentWnd;
    HIMAGELIST m_hButtonImages;  // the caption buttons' pictures, loaded with the first shown
    int m_nInitSeq;

    // A new icon of a caption button's picture, which the caller owns. Each
    // icon costs its making, and most pictures are never shown: they are
    // made one by one as a button shows them.
    HICON MakeButtonIcon(int nImage);
    // An expanded window gives its row back the normal lengths.
    void ReleaseExpansion();
    void LayoutChildren();
    // The dock bar holding the bar, when it is the toolkit's.
    CXTDockBar* GetXTDockBar() const;

    int OnCreate(LPCREATESTRUCT lpcs);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnHide();
    void OnExpand();
    void OnUpdateButton(CCmdUI* pCmdUI);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnFloatInitialUpdate(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
