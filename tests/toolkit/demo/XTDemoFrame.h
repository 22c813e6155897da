// The toolkit test program's main window: an MDI frame with docking on every
// side, the toolkit's tool bar at the top, the dock windows "Eins" (a tree) and
// "Zwei" (an edit) in one row on the left, a tabbed bar on the right, a
// status bar and one MDI child. The program drives it from its command line
// and reports what it shows.
#pragma once

#include "toolkit/bars/XTToolBar.h"
#include "toolkit/frame/XTMDIFrameWnd.h"
#include "toolkit/frame/XTTabCtrlBar.h"

#include "framework/CmdUI.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/ListBox.h"
#include "framework/StatusBar.h"
#include "framework/TreeCtrl.h"

#include <functional>
#include <string>
#include <vector>

// Bar ids of the program (the frames' own bar ids lie below).
#define IDW_XTDEMO_TOOLS  0xE850
#define IDW_XTDEMO_EINS   0xE851
#define IDW_XTDEMO_ZWEI   0xE852
#define IDW_XTDEMO_TABS   0xE853
#define IDW_XTDEMO_COLORS 0xE854

class CXTDemoFrame : public CXTMDIFrameWnd
{
public:
    // Makes the window with all its bars and the child, shown at the rectangle.
    BOOL Build(const CRect& rect);

    // Script steps
    void FloatZwei();
    // Drags the left dock bar's row splitter (or the splitter between "Eins"
    // and "Zwei") by the offset, with the mouse messages a user's drag sends.
    BOOL DragLeftSplitter(BOOL bBarSplitter, int nOffset);
    // Lays out, paints and lets every pending message run.
    void Settle();
    // Removes button nIndex of the tool bar by an Alt-drag off every bar (real input).
    BOOL AltDragOff(int nIndex);
    // Makes a user bar with the name through the customise sheet ("New..." clicked).
    BOOL NewBarInSheet(const std::string& strName);
    // Gives "Zählen" the shortcut Ctrl+K on the sheet's Keyboard page (keys typed and "Assign" clicked).
    BOOL AssignCtrlK();
    // Types Ctrl+K to the frame, as the message loop would see it.
    void PressCtrlK();
    // Turns "Menus have shadows." over in the sheet's Options page with a click.
    BOOL SetShadowOption();
    // Opens the colour button's popup with a click (real input); the picture is
    // taken with it open, then Escape closes it.
    BOOL OpenColorPopup(const std::string& strBitmap);
    // Opens the tool bar's chevron popup after narrowing the frame.
    BOOL OpenChevronPopup(const std::string& strBitmap);
    // Adds a tool on the sheet's Tools page that starts this program; TRUE
    // once the Tools menu shows it.
    BOOL AddToolInSheet(const std::string& strTitle);
    // Chooses the tool in the Tools menu; the start is recorded, not made.
    BOOL RunTool(const std::string& strTitle);

    // What the window shows: each bar's id, dock bar id and rectangle, the MDI
    // client, the grippers, splitters, tabs and status panes, in the frame's
    // client coordinates; then the frame as the screen shows it.
    BOOL WriteReport(const std::string& strPath);
    BOOL WriteBitmap(const std::string& strPath);

    CXTDockWindow m_wndEins;
    CXTDockWindow m_wndZwei;

private:
    CStatusBar m_wndStatus;
    CXTToolBar m_wndTools;
    CXTToolBar m_wndColors;
    CXTTabCtrlBar m_wndTabs;
    CTreeCtrl m_tree;
    CEdit m_edit;
    CListBox m_list;
    CEdit m_note;
    HWND m_hWndChild = nullptr;   // the MDI child (it deletes itself)

    // A rectangle of the window in this frame's client coordinates.
    CRect InClient(HWND hWnd, const RECT& rect) const;
    // A click with the mouse in the middle of the window.
    static void ClickOn(CWnd* pWnd);
    // Runs the customise sheet, handing it to the script once it shows.
    void RunSheet(const std::function<void(CPropertySheet*)>& script);
    // Writes the screen under the rectangle (screen coordinates).
    static BOOL WriteScreen(const std::string& strPath, const CRect& rect);

    HMENU ToolsPopup() const;
    UINT FindToolCommand(const std::string& strTitle) const;
    std::vector<std::string> m_starts;   // file|arguments|folder of each recorded start

    int m_nCount = 0;
    void OnCount() { ++m_nCount; }
    void OnColor() {}
    void OnUpdateColor(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};
