// A small popup frame with a tool-window caption, for floating bars and
// palettes.
#pragma once

#include "framework/FrameWnd.h"

// Styles of mini frames (with the window's own styles).
#define MFS_SYNCACTIVE 0x00000100L    // looks active whenever its owner does
#define MFS_4THICKFRAME 0x00000200L   // sizing borders only at the sides
#define MFS_THICKFRAME 0x00000400L    // sizing borders
#define MFS_MOVEFRAME 0x00000800L     // the borders move the frame
#define MFS_BLOCKSYSMENU 0x00001000L  // the caption has no system menu

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    // Construction
    CMiniFrameWnd();
    ~CMiniFrameWnd() override;
    virtual BOOL Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = nullptr, UINT nID = 0);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd = nullptr, UINT nID = 0);

    // Grows a client rectangle to the window of a mini frame with these
    // styles (a caption and sizing borders unless told otherwise).
    static void PASCAL CalcBorders(LPRECT lpClientRect, DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                                   DWORD dwExStyle = WS_EX_TOOLWINDOW);

    // Implementation
    BOOL m_bActive;   // drawn active (MFS_SYNCACTIVE follows the owner)
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0) override;

protected:
    // Looks active also while its owner frame does (MFS_SYNCACTIVE, the
    // owner's WF_KEEPMINIACTIVE).
    LRESULT OnNcActivateMessage(WPARAM wParam, LPARAM lParam);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    // The frame it belongs to: its owner's frame.
    CFrameWnd* GetOwnerFrame() const;

    DECLARE_MESSAGE_MAP()
};
