// The toolkit's floating frame: for toolkit bars it draws its own caption in
// the classic or the flat look with the bar's name, a close button and, for
// a customisable tool bar, a "Toolbar Options" button, each with a tip; it
// drags and resizes its bar through the bar's dock context. Bars of other
// kinds keep the framework's caption. Frames make it by runtime class
// (m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd)).
#pragma once

#include "framework/ImageList.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/ToolTipCtrl.h"

#include <list>
#include <vector>

class CDC;
class CXTMiniDockFrameWnd;

// Posted by a frame to itself after creation to set its caption up (the
// toolkit's set-up message), and sent back by the options popup when it closes.
#define XTWM_FLOATSETUP     0x89DE
#define XTWM_POPUPCLOSED    0x89DF
// Posted to a floating frame when its owner frame has taken the focus.
#define XTWM_KEEPABOVEOWNER 0x89E6

// The tool bar's customisation command.
#define XT_IDC_CUSTOMIZE    53782

// One caption button of a floating frame.
struct CAPTIONBUTTONINFO
{
    enum Kind { kindClose = 0, kindOptions = 1 };
    BYTE bHidden;               // too little room in the caption
    BYTE bHot;
    BYTE bPressed;
    BYTE bActive;               // drawn with a frame or an edge
    int nKind;
    CXTMiniDockFrameWnd* pFrame;
    CControlBar* pBar;
};

class CXTMiniDockFrameWnd : public CMiniDockFrameWnd
{
    DECLARE_DYNCREATE(CXTMiniDockFrameWnd)
public:
    // Construction
    CXTMiniDockFrameWnd();
    ~CXTMiniDockFrameWnd() override;
    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;

    // Attributes
    // 0 until the caption is set up, then 2 classic or 1 flat.
    int GetCaptionMode() const { return m_nCaptionMode; }
    BOOL IsSetUp() const { return m_bSetUp; }
    const std::list<CAPTIONBUTTONINFO*>& GetButtons() const { return m_listButtons; }
    // The button pressed in the caption, NULL when none.
    CAPTIONBUTTONINFO* GetPressedButton() const { return m_pPressed; }
    // The options popup while it is open, else NULL.
    CWnd* GetOptionsPopup() const { return m_pPopup; }
    // The caption buttons' tip.
    CToolTipCtrl& GetTip() { return m_wndTip; }

    // What kind of bar the frame holds (FALSE while it has no window).
    virtual BOOL IsToolkitControlBar(CControlBar* pBar) const;
    virtual BOOL IsToolkitToolBar(CControlBar* pBar) const;
    virtual BOOL IsToolkitMenuBar(CControlBar* pBar) const;
    virtual BOOL IsToolkitDockWindow(CControlBar* pBar) const;
    virtual CDockBar* GetDockBar();
    // The first bar entry of the frame's dock bar; NULL without a window.
    virtual CControlBar* GetFirstBar();
    virtual CDockContext* GetBarDockContext(CControlBar* pBar);
    virtual void DrawCaptionButton(CDC* pDC, const CRect& rect, CAPTIONBUTTONINFO* pButton);
    virtual void ShowButtonTip(int x, int y, int nKind);

    // The button's rectangle (screen) as the caption lays it out now; sets
    // its hidden flag.
    CRect GetButtonRect(CAPTIONBUTTONINFO* pButton);
    // The caption band (screen).
    CRect GetCaptionRect();
    CAPTIONBUTTONINFO* FindButton(int nKind) const;

    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

    // Opens the tool bar's options popup (its hidden buttons and options)
    // over the rectangle (screen); the popup sends XTWM_POPUPCLOSED to this
    // frame when it closes. Returns the popup, NULL when none can be opened.
    // The popup belongs to the command bars; this frame opens none itself.
    virtual CWnd* OpenOptionsPopup(CControlBar* pBar, const CRect& rect);

    // The frame that took the focus keeps its visible floating frames above
    // it: Windows does so itself, but a platform that raises the frame above
    // its owned windows when it takes the focus does not. The frame's other
    // windows (its dialogs and sheets) stay above the floating frames. Each
    // floating frame is told (lowest first, so that they keep their order
    // among themselves) once the focus change is complete; the floating
    // frame taking the activation, when one does, is told last and ends on top.
    static void KeepFloatingFramesAbove(HWND hFrame, HWND hActivating = nullptr);

    // Implementation
protected:
    void DeleteButtons();
    void RedrawNonClient();
    BOOL IsFlatCaption() const;
    // The whole non-client area of a toolkit bar's frame.
    void PaintNonClient(CDC* pDC);
    CAPTIONBUTTONINFO* ButtonFromPoint(CPoint ptScreen);

    LRESULT OnFloatSetUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnPopupClosed(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeepAboveOwner(WPARAM wParam, LPARAM lParam);
    BOOL IsOwnerActive() const;
    // The owner's other visible windows, front to back: its dialogs and sheets.
    std::vector<HWND> GetOwnerDialogs() const;
    // Whether the owner, or this frame over one of the owner's dialogs, stands too high.
    BOOL IsBuried() const;
    // This frame above its owner, the owner's dialogs above this frame.
    void RaiseAboveOwner();
    static void CALLBACK OnKeepAboveTimer(HWND hWnd, UINT nMsg, UINT_PTR nIDEvent, DWORD dwTime);
    int m_nKeepAboveChecks;     // looks left after the owner took the focus

    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextMessage(WPARAM wParam, LPARAM lParam);
    void OnNcPaint();
    LRESULT OnNcActivateMessage(WPARAM wParam, LPARAM lParam);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnCustomize();

    DECLARE_MESSAGE_MAP()

private:
    int m_nCaptionMode;         // 0 until set up, then 2 classic or 1 flat
    std::list<CAPTIONBUTTONINFO*> m_listButtons;
    CWnd* m_pPopup;             // the options popup while it is open
    CAPTIONBUTTONINFO* m_pPressed;
    CToolTipCtrl m_wndTip;
    CImageList m_imageList;     // caption glyphs: 2 close, 3 drop-down
    BOOL m_bSetUp;
};
