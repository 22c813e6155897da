// The editor's main window: the toolkit's MDI frame with the menu bar, the
// main tool bar, the object tool bar whose buttons are dragged onto the
// canvas, the status bar and the explorer side bar showing the project
// folder. Its placement and the bars' layout are kept between runs.
#pragma once

#include "editor/app/ExplorerView.h"
#include "editor/app/ObjectToolBar.h"

#include "toolkit/bars/XTToolBar.h"
#include "toolkit/frame/XTMDIFrameWnd.h"
#include "toolkit/frame/XTStatusBar.h"
#include "toolkit/frame/XTWindowPlacement.h"

class CTarnixEdDoc;

class CMainFrame : public CXTMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();

    // The profile name of the bars' saved layout.
    static const char kBarStateProfile[];
    // The object tool bar's buttons that can be dragged, with their cursors.
    static const OBJECT_DRAG_ENTRY kDragTable[];

    // The first show: the saved placement when there is one, else nCmdShow.
    void ShowFirstTime(int nCmdShow);

    // The explorer side bar's view of a project.
    void UpdateExplorer(CTarnixEdDoc* pDoc);
    void ShowProjectFolder(CTarnixEdDoc* pDoc);
    void ClearProject();
    // Ends an open with everything it changed shown: the side bar filled,
    // the bars' buttons in the opened page's states, all windows drawn.
    // Nothing of the open is left for the message loop to do after it.
    void FinishOpen();

    CExplorerView& GetExplorer() { return m_wndExplorer; }
    CObjectToolBar& GetObjectBar() { return m_wndObjectBar; }
    CXTToolBar& GetMainBar() { return m_wndToolBar; }
    CXTStatusBar& GetStatusBar() { return m_wndStatusBar; }

    // The last tool bar button dragged off its bar: command (0: none) and
    // screen point. The view inserts it when the frame's drop command comes.
    UINT GetToolbarDropCommand() const { return m_nToolbarDropCommand; }
    POINT GetToolbarDropPoint() const { return m_ptToolbarDrop; }
    void SetToolbarDrop(UINT nCommand, POINT pt);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void GetMessageString(UINT nID, CString& rMessage) const override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnClose();
    void OnDestroy();
    // The Start Center, drawn and waiting for the author, starts the side
    // bar's icons loading: begun earlier, the shell's work held up the
    // drawing of the frame and the Start Center.
    void OnEnterIdle(UINT nWhy, CWnd* pWho);
    // Entries of a canvas popup menu reach the frame when the menu is tested in
    // the editor; they start nothing here.
    void OnPopupItem();
    // The button-image program put a picture's path on the clipboard: the
    // open button sheet takes it through the active view.
    LRESULT OnButtonImageReady(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CObjectToolBar m_wndObjectBar;
    CExplorerView m_wndExplorer;
    CXTToolBar m_wndToolBar;
    CXTStatusBar m_wndStatusBar;
    CXTWindowPlacement m_placement;
    UINT m_nToolbarDropCommand = 0;
    POINT m_ptToolbarDrop = { 0, 0 };

    BOOL CreateBars();
    // The menu, main and status bars and the side bar, docked.
    BOOL CreateDockedBars();
    // The object bar beside the side bar, the menus' images and the layout
    // the user left.
    BOOL CreateObjectBar();
};
