// A tool bar over the common tool bar control: buttons named by command ids
// with images from one bitmap, wrapped into rows when docked at a side or
// floating, updated from the frame in idle time.
#pragma once

#include "framework/ControlBar.h"
#include "framework/ToolBarCtrl.h"

#include <vector>

// Button styles: the control's style in the low word, its state in the high word.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

// The resource type of a tool bar's button list.
#define RT_TOOLBAR MAKEINTRESOURCEA(241)

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    // Construction
    CToolBar();
    ~CToolBar() override;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);
    // Sizes of a button and of its image; a button is at least 7 by 6 larger.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    // The button list of a tool bar resource (type 241: version 1, width,
    // height, count, then the ids, 0 for a separator) and the bitmap of that id.
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // One button per id with the next image; ID_SEPARATOR makes a separator.
    // A NULL array makes nIDCount separators to be set with SetButtonInfo.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    // Attributes
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);
    CString GetButtonText(int nIndex) const;
    HWND GetToolBarCtrlHandle() const { return m_hWnd; }
    // The bar's window as its control, for the control's own messages.
    CToolBarCtrl& GetToolBarCtrl() const;
    CSize m_sizeButton;
    CSize m_sizeImage;

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    // Implementation
protected:
    mutable CToolBarCtrl m_wndCtrl;   // this window seen as the control (not in the handle map)
    HBITMAP m_hbmImageWell;   // the bitmap the buttons' images come from (ours)
    HRSRC m_hRsrcImageWell;
    HINSTANCE m_hInstImageWell;
    // Lays the buttons out in rows of at most nLength (the buttons' wrap
    // bits) and returns the size the bar needs for them with its borders.
    CSize CalcLayout(int nLength, BOOL bHorz);
    void WrapButtons(int nLength);
    CSize SizeOfButtons() const;
    int ButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const;
    void SetButton(int nIndex, const TBBUTTON& button);

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    // The borders and the gripper answer as client area: a press there drags the bar.
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnHotItemChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
