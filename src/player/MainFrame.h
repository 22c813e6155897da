// The player's main frame: a small window at the screen centre that is never
// shown (it would sit as a box above the welcome window and stick out of
// small pages), and that follows the menu window. It hands the context menu's choices to
// the menu window, ignores the starter's requests that reach it without a
// page window, and passes palette changes on to its view.
#pragma once

#include "framework/FrameWnd.h"
#include "player/PlayerMessages.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
protected:
    CMainFrame();

public:
    static constexpr int kWidth = 140;
    static constexpr int kHeight = 70;

    // Placement, set when the window is made
    int m_nFrameX;
    int m_nFrameY;
    int m_nFrameW;
    int m_nFrameH;

    // The frame stays out of sight whatever asks for it.
    void ActivateFrame(int nCmdShow = -1) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnContextCommand(UINT nID);
    LRESULT OnStarterRequest(WPARAM wParam, LPARAM lParam);
    void OnPaletteChanged(CWnd* pFocusWnd);
    BOOL OnQueryNewPalette();

    DECLARE_MESSAGE_MAP()

private:
    void NotifyViewOfPalette();
};
