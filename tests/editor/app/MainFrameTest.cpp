// The editor's main frame on the toolkit: its bars, the layout kept between
// runs, every handled command within the user's reach, the explorer side bar
// following the project, and the object tool bar's drag with real input.
#include "editor/app/ChildFrame.h"
#include "editor/app/ExplorerList.h"
#include "editor/app/ExplorerTree.h"
#include "editor/app/MainFrame.h"
#include "editor/app/ProjectReport.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/app/TarnixEdView.h"
#include "editor/dialogs/DialogTexts.h"
#include "editor/dialogs/UiLanguage.h"

#include "framework/ClientDC.h"
#include "framework/PrintPreviewFrame.h"
#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/frame/XTSplitterWnd.h"

#include "EditorSession.h"
#include "EditorTesting.h"

#include "editor/resource.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>
#include <thread>
#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::CopyProject;
using editor_testing::ModalAnswers;
using editor_testing::Text;
using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;
using testing_support::TempFolder;

namespace {

using MainFrameTest = EditorSessionTest;

// Mouse input sent from another thread while this one runs its messages: a
// drag or a move loop started here would otherwise wait for input that this
// thread has not sent yet.
struct MouseStep
{
    DWORD dwFlags;
    POINT pt;
};

// Press and release carry their place: motion the X server reports late
// cannot move them. While the input plays, whilePlaying runs between messages.
void PlayMouse(const std::vector<MouseStep>& steps, const std::function<void()>& whilePlaying = {})
{
    bool bDone = false;
    std::thread input([&] {
        for (const MouseStep& step : steps)
        {
            INPUT in = {};
            in.type = INPUT_MOUSE;
            in.mi.dx = MulDiv(step.pt.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
            in.mi.dy = MulDiv(step.pt.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
            in.mi.dwFlags = step.dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
            ::SendInput(1, &in, sizeof(in));
            ::Sleep(80);
        }
        bDone = true;
    });
    while (!bDone)
    {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPendingMessages();
        if (whilePlaying)
            whilePlaying();
    }
    input.join();
    PumpPendingMessages();
}

// A press at one point, a move half-way and a release at the other.
void DragWithMouse(POINT ptFrom, POINT ptTo, const std::function<void()>& whileDragging = {})
{
    PlayMouse({ { 0, ptFrom }, { MOUSEEVENTF_LEFTDOWN, ptFrom },
                { 0, POINT{ (ptFrom.x + ptTo.x) / 2, (ptFrom.y + ptTo.y) / 2 } }, { 0, ptTo },
                { MOUSEEVENTF_LEFTUP, ptTo } },
              whileDragging);
}

// The frame brought to the front as a user's click would bring it, not made
// topmost: real input goes to whatever lies under the mouse, and the frame's
// floating windows must stay above it by their own means.
class FrameOnTop
{
public:
    explicit FrameOnTop(CWnd* pFrame)
    {
        ::SetWindowPos(pFrame->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        pFrame->SetForegroundWindow();
        PumpPendingMessages();
    }
    FrameOnTop(const FrameOnTop&) = delete;
    FrameOnTop& operator=(const FrameOnTop&) = delete;
};

// A point of a frame's caption, clear of its buttons.
POINT CaptionPoint(HWND hFrame)
{
    RECT rect;
    ::GetWindowRect(hFrame, &rect);
    for (int y = rect.top; y < rect.bottom; ++y)
    {
        POINT pt = { (rect.left + rect.right) / 2, y };
        if (::SendMessageA(hFrame, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCAPTION)
            return POINT{ pt.x, pt.y + 2 };
    }
    return POINT{ (rect.left + rect.right) / 2, rect.top + 6 };
}

POINT ButtonCentre(CXTToolBar& bar, UINT nID)
{
    RECT rect = {};
    bar.SendMessage(TB_GETRECT, nID, (LPARAM)&rect);
    POINT pt = { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    bar.ClientToScreen(&pt);
    return pt;
}

// The commands of a menu and its popups.
void CollectMenu(HMENU hMenu, std::set<UINT>& ids)
{
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            CollectMenu(hSub, ids);
        else
            ids.insert(::GetMenuItemID(hMenu, i));
    }
}

// The commands of an accelerator table.
void CollectAccelerators(UINT nID, std::set<UINT>& ids)
{
    HACCEL hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID));
    ASSERT_NE(nullptr, hAccel) << nID;
    ACCEL keys[64];
    const int nCount = ::CopyAcceleratorTableA(hAccel, keys, 64);
    for (int i = 0; i < nCount; ++i)
        ids.insert(keys[i].cmd);
    ::DestroyAcceleratorTable(hAccel);
}

// The buttons of a tool bar resource: version, width, height, count, ids.
void CollectToolBar(UINT nID, std::set<UINT>& ids)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(241));
    ASSERT_NE(nullptr, hRes) << nID;
    const WORD* pData = static_cast<const WORD*>(::LockResource(::LoadResource(hInst, hRes)));
    const WORD nCount = pData[3];
    ASSERT_LE(8u + nCount * 2u, ::SizeofResource(hInst, hRes));
    for (WORD i = 0; i < nCount; ++i)
        if (pData[4 + i] != 0)
            ids.insert(pData[4 + i]);
}

std::vector<std::string> ListTexts(CListCtrl& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts.push_back(Text(list.GetItemText(i, 0)));
    return texts;
}

// A project folder with the files a new project has.
CString MakeProjectFolder(const TempFolder& folder)
{
    for (LPCSTR name : { "Tarnix.exe", "Autorun.inf", "Start.txt" })
        folder.Write(name, CString("x"));
    return CopyProject(folder, "centred", "024000");
}

} // namespace

TEST_F(MainFrameTest, TheFrameHasItsBarsInTheClassicLook)
{
    CMainFrame* pFrame = Frame();
    EXPECT_FALSE(xtAfxData.m_bFlatLook);
    EXPECT_FALSE(xtAfxData.m_bMenuDropShadows);

    struct Bar { UINT nID; const char* pszClass; } bars[] = {
        { XT_IDW_MENUBAR, "ToolbarWindow32" }, { AFX_IDW_TOOLBAR, "ToolbarWindow32" },
        { ID_VIEW_OBJECTBAR, "ToolbarWindow32" }, { AFX_IDW_STATUS_BAR, "msctls_statusbar32" },
        { ID_VIEW_EXPLORER, nullptr },
    };
    for (const Bar& bar : bars)
    {
        SCOPED_TRACE(bar.nID);
        CControlBar* pBar = pFrame->GetControlBar(bar.nID);
        ASSERT_NE(nullptr, pBar);
        EXPECT_TRUE(pBar->IsWindowVisible());
        char className[64] = "";
        ::GetClassNameA(pBar->m_hWnd, className, sizeof(className));
        if (bar.pszClass != nullptr)
        {
            EXPECT_STREQ(bar.pszClass, className);
        }
    }
    EXPECT_EQ(&pFrame->GetObjectBar(), pFrame->GetControlBar(ID_VIEW_OBJECTBAR));
    EXPECT_EQ(&pFrame->GetMainBar(), pFrame->GetControlBar(AFX_IDW_TOOLBAR));

    // The frame is laid out with its bars in place: none covers another, the
    // object bar stands above the side bar on the left, the pages' area beside
    // them and below the main bar.
    std::vector<CRect> rects;
    for (const Bar& bar : bars)
    {
        CRect rect;
        pFrame->GetControlBar(bar.nID)->GetWindowRect(&rect);
        EXPECT_FALSE(rect.IsRectEmpty()) << bar.nID;
        for (const CRect& other : rects)
        {
            CRect overlap;
            EXPECT_FALSE(overlap.IntersectRect(&rect, &other)) << bar.nID;
        }
        rects.push_back(rect);
    }
    CRect rcObjects, rcExplorer, rcMain, rcClient;
    pFrame->GetObjectBar().GetWindowRect(&rcObjects);
    pFrame->GetExplorer().GetWindowRect(&rcExplorer);
    pFrame->GetMainBar().GetWindowRect(&rcMain);
    ::GetWindowRect(pFrame->m_hWndMDIClient, &rcClient);
    EXPECT_EQ(rcObjects.left, rcExplorer.left);
    EXPECT_LE(rcObjects.bottom, rcExplorer.top);
    EXPECT_LE(rcExplorer.right, rcClient.left);
    EXPECT_LE(rcMain.bottom, rcClient.top);
    EXPECT_LE(rcMain.bottom, rcExplorer.top);

    // The menu bar holds the menu; the window has none.
    EXPECT_EQ(nullptr, ::GetMenu(pFrame->m_hWnd));
    ASSERT_NE(nullptr, pFrame->GetMenu());

    std::vector<UINT> buttons;
    for (int i = 0; i < pFrame->GetObjectBar().GetCount(); ++i)
        buttons.push_back(pFrame->GetObjectBar().GetItemID(i));
    EXPECT_EQ((std::vector<UINT>{ ID_HELP_OBJECTS, ID_OBJ_TEXT, ID_OBJ_BUTTON, ID_OBJ_PICTURESHOW, ID_OBJ_TEXTFIELD }),
              buttons);

    UINT nID = 0, nStyle = 0;
    int cxWidth = 0;
    pFrame->GetStatusBar().GetPaneInfo(1, nID, nStyle, cxWidth);
    EXPECT_EQ(100, cxWidth);

    CString caption;
    pFrame->GetExplorer().GetWindowText(caption);
    EXPECT_EQ(IsGermanUi() ? "CD Projekt" : "CD Project", Text(caption));
    EXPECT_EQ(nullptr, pFrame->GetExplorer().GetTree());
}

// The frame is laid out to the end while it is hidden: its first show moves
// and sizes no bar, nor the side bar's tab control, which the shown frame
// would have to draw again.
TEST_F(MainFrameTest, TheFirstShowMovesNoBar)
{
    CMainFrame* pFrame = new CMainFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    struct Part { const char* pszName; HWND hWnd; CRect rectHidden; } parts[] = {
        { "menu bar", pFrame->GetControlBar(XT_IDW_MENUBAR)->m_hWnd, {} },
        { "main bar", pFrame->GetMainBar().m_hWnd, {} },
        { "object bar", pFrame->GetObjectBar().m_hWnd, {} },
        { "status bar", pFrame->GetStatusBar().m_hWnd, {} },
        { "side bar", pFrame->GetExplorer().m_hWnd, {} },
        { "side bar tabs", pFrame->GetExplorer().GetTabCtrl().m_hWnd, {} },
    };
    for (Part& part : parts)
        ::GetWindowRect(part.hWnd, &part.rectHidden);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    PumpPendingMessages();
    for (const Part& part : parts)
    {
        SCOPED_TRACE(part.pszName);
        CRect rect;
        ::GetWindowRect(part.hWnd, &rect);
        const CRect& hidden = part.rectHidden;
        EXPECT_EQ((std::vector<LONG>{ hidden.left, hidden.top, hidden.right, hidden.bottom }),
                  (std::vector<LONG>{ rect.left, rect.top, rect.right, rect.bottom }));
    }
    pFrame->DestroyWindow();
}

// A bar without a window cannot make its views: nothing half-made stays, and
// the next project tries again.
TEST(ExplorerView, AFailedCreationLeavesNoViews)
{
    CExplorerView bar;
    for (int nTry = 0; nTry < 2; ++nTry)
    {
        bar.SetProject(nullptr);
        EXPECT_FALSE(bar.HasViews());
        EXPECT_EQ(nullptr, bar.GetTree());
        EXPECT_EQ(nullptr, bar.GetList());
    }
    bar.ClearProject();
}

TEST_F(MainFrameTest, EveryHandledCommandIsOnAMenuOrAToolBar)
{
    TempFolder folder;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    CTarnixEdView* pView = ActiveView();
    ASSERT_NE(nullptr, pView);

    std::set<UINT> reachable;
    for (UINT nMenu : { IDR_MAINFRAME, IDR_TARNIXTYPE })
    {
        HMENU hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nMenu));
        ASSERT_NE(nullptr, hMenu);
        CollectMenu(hMenu, reachable);
        ::DestroyMenu(hMenu);
        CollectAccelerators(nMenu, reachable);
    }
    // F1 is the frame's help, whichever window is active.
    for (UINT nMenu : { IDR_MAINFRAME, IDR_TARNIXTYPE })
    {
        std::set<UINT> keys;
        CollectAccelerators(nMenu, keys);
        EXPECT_EQ(1u, keys.count(ID_HELP)) << nMenu;
    }
    for (UINT nBar : { IDR_TOOLBAR_MAIN, IDR_TOOLBAR_OBJECTS })
        CollectToolBar(nBar, reachable);

    // Commands the program sends itself: drops, posted steps, the sheet's
    // hand-over, the shell's print verb and the page entries made per page.
    const std::set<UINT> internal = {
        ID_VIEW_TOOLBAR_DROP, ID_VIEW_EXPLORER_DROP, ID_RUN_PLAYER, ID_BUTTON_IMAGE_READY, ID_VIEW_GRID_CHANGED,
        ID_PROJECT_REOPEN, ID_HELP_QUICKINFO, ID_PROJECT_OPEN_REQUESTED, ID_ORVENNA_OPEN, ID_POPUP_ITEM,
        ID_FILE_PRINT_DIRECT, ID_HELP_FINDER, ID_CONTEXT_HELP, ID_DEFAULT_HELP,
    };
    // The frame's help commands, which the framework's own windows send.
    std::set<UINT> help = { ID_HELP, ID_HELP_FINDER, ID_CONTEXT_HELP, ID_DEFAULT_HELP };
    const CCmdTarget* targets[] = { pView, pView->GetDocument(), &App(), Frame(), Frame()->MDIGetActive() };
    int nHandled = 0;
    for (const CCmdTarget* pTarget : targets)
    {
        SCOPED_TRACE(pTarget->GetRuntimeClass()->m_lpszClassName);
        for (const AFX_MSGMAP_ENTRY* pEntry = pTarget->GetMessageMap()->lpEntries; pEntry->nMessage != 0; ++pEntry)
        {
            if (pEntry->nKind != AfxRowCommand || pEntry->nCode != CN_COMMAND)
                continue;
            if (pEntry->nID == ID_PAGEMENU_BASE + 1)
                continue;   // the page entries, made for each page
            for (UINT nID = pEntry->nID; nID <= pEntry->nLastID; ++nID)
            {
                ++nHandled;
                if (pTarget == Frame())
                    help.erase(nID);
                EXPECT_TRUE(internal.count(nID) != 0 || reachable.count(nID) != 0)
                    << "command " << nID << " has no way in";
            }
        }
    }
    EXPECT_GT(nHandled, 60);
    EXPECT_TRUE(help.empty()) << "the frame leaves " << help.size() << " help commands unhandled";

    // The default text font was shown disabled although its dialog exists.
    ModalAnswers answers;
    Command(ID_STYLE_TEXT_FONT);
    EXPECT_EQ(1u, answers.Captions().size());
}

TEST_F(MainFrameTest, TheSideBarShowsTheProjectFolderFollowsTheProjectAndOutlivesACancelledClose)
{
    TempFolder first, second;
    const CString strFirst = MakeProjectFolder(first);
    const CString strSecond = MakeProjectFolder(second);
    CExplorerView& bar = Frame()->GetExplorer();

    ASSERT_TRUE(App().OpenProjectFile(strFirst));
    PumpPendingMessages();
    ASSERT_TRUE(bar.HasViews());
    CXTTabCtrl& tabs = bar.GetTabCtrl();
    ASSERT_EQ(1, tabs.GetItemCount());
    char label[40] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    item.cchTextMax = sizeof(label);
    tabs.GetItem(0, &item);
    EXPECT_STREQ(IsGermanUi() ? "Projekt" : "Project", label);

    CString selected, caption;
    ASSERT_TRUE(bar.GetTree()->GetSelectedFolderPath(selected));
    EXPECT_EQ(0, selected.CompareNoCase(first.Path())) << Text(selected);
    bar.GetWindowText(caption);
    EXPECT_EQ(Text(first.Path()), Text(caption));
    std::vector<std::string> files = ListTexts(*bar.GetList());
    for (const char* name : { "Velconf.ini", "Tarnix.exe", "Autorun.inf", "Start.txt" })
        EXPECT_NE(files.end(), std::find_if(files.begin(), files.end(), [name](const std::string& s) {
                      return _stricmp(s.c_str(), name) == 0 ||
                             _strnicmp(s.c_str(), name, strchr(name, '.') - name) == 0;
                  })) << name;

    // A second SetProject changes nothing.
    CExplorerTree* pTree = bar.GetTree();
    Frame()->UpdateExplorer(ActiveDocument());
    EXPECT_EQ(pTree, bar.GetTree());
    EXPECT_EQ(1, tabs.GetItemCount());

    // Opening another project closes the first: tab and views go, the new folder shows.
    ASSERT_TRUE(App().OpenProjectFile(strSecond));
    PumpPendingMessages();
    ASSERT_TRUE(bar.HasViews());
    ASSERT_TRUE(bar.GetTree()->GetSelectedFolderPath(selected));
    EXPECT_EQ(0, selected.CompareNoCase(second.Path())) << Text(selected);

    // A cancelled close keeps the project in the side bar.
    ASSERT_NE(nullptr, ActiveDocument());
    ActiveDocument()->SetModifiedFlag(TRUE);
    {
        MessageBoxRecorder boxes;
        boxes.Answer(IDCANCEL);
        Frame()->SendMessage(WM_CLOSE);
    }
    ASSERT_TRUE(::IsWindow(Frame()->m_hWnd));
    ASSERT_NE(nullptr, ActiveDocument());
    EXPECT_TRUE(bar.HasViews());
    EXPECT_EQ(1, tabs.GetItemCount());

    ActiveDocument()->SetModifiedFlag(FALSE);
    App().CloseAllDocuments(FALSE);
    PumpPendingMessages();
    EXPECT_FALSE(bar.HasViews());
    EXPECT_EQ(0, tabs.GetItemCount());
}

TEST_F(MainFrameTest, ObjectBarButtonsAreDraggedOntoTheCanvasWithRealInput)
{
    TempFolder folder;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    CTarnixEdView* pView = ActiveView();
    ASSERT_NE(nullptr, pView);
    Frame()->ShowWindow(SW_RESTORE);
    FrameOnTop onTop(Frame());
    Frame()->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPendingMessages();
    CObjectToolBar& bar = Frame()->GetObjectBar();
    ASSERT_EQ(bar.m_hWnd, ::WindowFromPoint(ButtonCentre(bar, ID_OBJ_BUTTON)));
    const char* pszSheet = IsGermanUi() ? "Funktionsschalter (Button) Eigenschaften" : "Button Properties";

    // Button 101 onto the canvas: the sheet opens for a button at the drop point, with the table's cursor shown.
    POINT ptDrop = { 30, 40 };
    pView->ClientToScreen(&ptDrop);
    {
        ModalAnswers answers;
        HCURSOR hShown = nullptr;
        DragWithMouse(ButtonCentre(bar, ID_OBJ_BUTTON), ptDrop, [&] {
            if (bar.IsDragging())
                hShown = ::GetCursor();
        });
        PumpPendingMessages();
        EXPECT_EQ(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_DRAG_BUTTON)), hShown);
        ASSERT_EQ(1u, answers.Captions().size());
        EXPECT_EQ(pszSheet, answers.Captions()[0]);
        EXPECT_EQ(30, pView->GetMarkedRect().left);
        EXPECT_EQ(40, pView->GetMarkedRect().top);
    }
    // Released over the bar it is a click, not a drop: the button's command
    // runs once. Quick help is not in the drag table: dragged off the bar, it
    // posts nothing.
    const POINT ptButton = ButtonCentre(bar, ID_OBJ_BUTTON);
    const struct { POINT ptFrom, ptTo; size_t nDialogs; } noDrops[] = {
        { ptButton, POINT{ ptButton.x + 2, ptButton.y + 1 }, 1 },
        { ButtonCentre(bar, ID_HELP_OBJECTS), ptDrop, 0 },
    };
    for (const auto& noDrop : noDrops)
    {
        SCOPED_TRACE(noDrop.nDialogs);
        ModalAnswers answers;
        Frame()->SetToolbarDrop(0, POINT{ 0, 0 });
        DragWithMouse(noDrop.ptFrom, noDrop.ptTo);
        PumpPendingMessages();
        EXPECT_EQ(0u, Frame()->GetToolbarDropCommand());
        EXPECT_EQ(noDrop.nDialogs, answers.Captions().size());
    }
    // Each table button shows its cursor; dropped beside the canvas (on the
    // status bar) it is handed on and inserts nothing.
    RECT rectStatus;
    Frame()->GetStatusBar().GetWindowRect(&rectStatus);
    const POINT ptBeside = { (rectStatus.left + rectStatus.right) / 2, (rectStatus.top + rectStatus.bottom) / 2 };
    for (UINT nCommand : { ID_OBJ_TEXT, ID_OBJ_PICTURESHOW, ID_OBJ_TEXTFIELD })
    {
        SCOPED_TRACE(nCommand);
        ModalAnswers answers;
        const int nObjects = pView->GetObjects().GetObjectCount();
        HCURSOR hShown = nullptr;
        DragWithMouse(ButtonCentre(bar, nCommand), ptBeside, [&] {
            if (bar.IsDragging())
                hShown = ::GetCursor();
        });
        PumpPendingMessages();
        const OBJECT_DRAG_ENTRY* pEntry = CObjectToolBar::FindDragEntry(CMainFrame::kDragTable, nCommand);
        ASSERT_NE(nullptr, pEntry);
        EXPECT_EQ(::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(pEntry->nCursor)), hShown);
        EXPECT_EQ(nCommand, Frame()->GetToolbarDropCommand());
        EXPECT_TRUE(answers.Captions().empty());
        EXPECT_EQ(nObjects, pView->GetObjects().GetObjectCount());
    }
}

TEST_F(MainFrameTest, EveryKindOfTheDragTableIsPlacedAtTheDropPoint)
{
    TempFolder folder;
    MessageBoxRecorder boxes;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    CTarnixEdView* pView = ActiveView();
    ASSERT_NE(nullptr, pView);
    for (const OBJECT_DRAG_ENTRY* pEntry = CMainFrame::kDragTable; pEntry->nCommand != 0; ++pEntry)
    {
        SCOPED_TRACE(pEntry->nCommand);
        ModalAnswers answers;
        POINT pt = { 20 + (int)(pEntry - CMainFrame::kDragTable), 30 };
        pView->ClientToScreen(&pt);
        Frame()->SetToolbarDrop(pEntry->nCommand, pt);
        pView->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR_DROP);
        PumpPendingMessages();
        // A sub-menu button is made at once, without a dialog.
        RECT placed = pView->GetMarkedRect();
        const CMObjList& buttons = pView->GetDocument()->GetPage().GetButtons();
        if (pEntry->nCommand == ID_OBJ_SUBMENU)
        {
            ASSERT_LT(0, buttons.GetSize());
            placed = static_cast<CMObjCreateStruct*>(buttons.GetAt(buttons.GetSize() - 1))->m_rect;
        }
        EXPECT_EQ(20 + (pEntry - CMainFrame::kDragTable), placed.left);
        EXPECT_EQ(30, placed.top);
        EXPECT_GE(1u, answers.Captions().size());
    }
}

TEST_F(MainFrameTest, AFileDraggedFromTheSideBarListBecomesADocumentButton)
{
    TempFolder folder;
    ASSERT_TRUE(App().OpenProjectFile(MakeProjectFolder(folder)));
    CTarnixEdView* pView = ActiveView();
    ASSERT_NE(nullptr, pView);
    FrameOnTop onTop(Frame());
    CExplorerList* pList = Frame()->GetExplorer().GetList();
    ASSERT_NE(nullptr, pList);
    int nItem = -1;
    for (int i = 0; i < pList->GetItemCount() && nItem < 0; ++i)
        if (pList->GetItemText(i, 0).CompareNoCase("Start.txt") == 0)
            nItem = i;
    ASSERT_LE(0, nItem);
    RECT rectItem = {};
    rectItem.left = LVIR_LABEL;
    pList->SendMessage(LVM_GETITEMRECT, nItem, (LPARAM)&rectItem);
    POINT ptItem = { rectItem.left + 10, (rectItem.top + rectItem.bottom) / 2 };
    pList->ClientToScreen(&ptItem);
    POINT ptDrop = { 60, 50 };
    pView->ClientToScreen(&ptDrop);

    ModalAnswers answers;
    std::vector<MouseStep> steps = { { 0, ptItem }, { MOUSEEVENTF_LEFTDOWN, ptItem },
                                     // The list sees the drag start while the mouse is still over it.
                                     { 0, POINT{ ptItem.x + 10, ptItem.y } }, { 0, POINT{ ptItem.x + 20, ptItem.y } } };
    for (int step = 1; step <= 6; ++step)
        steps.push_back({ 0, POINT{ ptItem.x + (ptDrop.x - ptItem.x) * step / 6,
                                    ptItem.y + (ptDrop.y - ptItem.y) * step / 6 } });
    steps.push_back({ MOUSEEVENTF_LEFTUP, ptDrop });
    PlayMouse(steps);

    ASSERT_EQ(1u, answers.Captions().size());
    EXPECT_EQ(IsGermanUi() ? "Funktionsschalter (Button) Eigenschaften" : "Button Properties", answers.Captions()[0]);
    EXPECT_EQ(60, pView->GetMarkedRect().left);
    EXPECT_EQ(50, pView->GetMarkedRect().top);
    EXPECT_EQ("start.txt", Text(pView->GetDefaultButton().m_strDocument.Right(9).MakeLower()));
}

TEST_F(MainFrameTest, AToolBarDraggedOffItsSideIsDockedBackByADoubleClickAndStaysWhenClicked)
{
    CMainFrame* pFrame = Frame();
    FrameOnTop onTop(pFrame);
    CXTToolBar& bar = pFrame->GetMainBar();
    ASSERT_FALSE(bar.IsFloating());

    // Off its side by its gripper.
    RECT rectBar;
    bar.GetWindowRect(&rectBar);
    const POINT ptGrip = { rectBar.left + 3, (rectBar.top + rectBar.bottom) / 2 };
    RECT rectClient;
    pFrame->GetWindowRect(&rectClient);
    const POINT ptAway = { (rectClient.left + rectClient.right) / 2, (rectClient.top + rectClient.bottom) / 2 };
    PlayMouse({ { 0, ptGrip }, { MOUSEEVENTF_LEFTDOWN, ptGrip }, { 0, POINT{ ptGrip.x + 20, ptGrip.y + 20 } },
                { 0, ptAway }, { MOUSEEVENTF_LEFTUP, ptAway } });
    ASSERT_TRUE(bar.IsFloating());

    // The first double click on its caption docks it back.
    HWND hFloat = bar.GetParentFrame()->m_hWnd;
    PumpPendingMessages();
    POINT ptCaption = CaptionPoint(hFloat);
    ASSERT_EQ(hFloat, ::WindowFromPoint(ptCaption));
    PlayMouse({ { 0, ptCaption }, { MOUSEEVENTF_LEFTDOWN, ptCaption }, { MOUSEEVENTF_LEFTUP, ptCaption },
                { MOUSEEVENTF_LEFTDOWN, ptCaption }, { MOUSEEVENTF_LEFTUP, ptCaption } });
    EXPECT_FALSE(bar.IsFloating());

    // Floating again, a click on the caption leaves the frame where it is.
    pFrame->FloatControlBar(&bar, CPoint(ptAway.x, ptAway.y));
    PumpPendingMessages();
    ASSERT_TRUE(bar.IsFloating());
    hFloat = bar.GetParentFrame()->m_hWnd;
    RECT rectBefore, rectAfter;
    ::GetWindowRect(hFloat, &rectBefore);
    ptCaption = CaptionPoint(hFloat);
    PlayMouse({ { 0, ptCaption }, { MOUSEEVENTF_LEFTDOWN, ptCaption }, { MOUSEEVENTF_LEFTUP, ptCaption } });
    ASSERT_TRUE(::IsWindow(hFloat));
    ::GetWindowRect(hFloat, &rectAfter);
    EXPECT_EQ(rectBefore.left, rectAfter.left);
    EXPECT_EQ(rectBefore.top, rectAfter.top);

    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    pFrame->RecalcLayout();
}

TEST_F(MainFrameTest, SplitterChildFrameAndSizeGripAreDraggedWithTheMouse)
{
    TempFolder folder;
    ASSERT_TRUE(App().OpenProjectFile(MakeProjectFolder(folder)));
    CMainFrame* pFrame = Frame();
    pFrame->ShowWindow(SW_RESTORE);
    pFrame->MoveWindow(40, 30, 900, 700);
    FrameOnTop onTop(pFrame);
    pFrame->RecalcLayout();
    PumpPendingMessages();
    auto drag = [](POINT pt, int dx, int dy) {
        PlayMouse({ { 0, pt }, { MOUSEEVENTF_LEFTDOWN, pt }, { 0, POINT{ pt.x + dx / 2, pt.y + dy / 2 } },
                    { 0, POINT{ pt.x + dx, pt.y + dy } }, { MOUSEEVENTF_LEFTUP, POINT{ pt.x + dx, pt.y + dy } } });
    };
    auto width = [](HWND hWnd) {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        return rect.right - rect.left;
    };

    // The side bar's splitter: the tree's row grows by the distance dragged.
    CXTSplitterWnd* pSplitter = pFrame->GetExplorer().GetSplitter();
    ASSERT_NE(nullptr, pSplitter);
    int cyBefore = 0, cyMin = 0, cyAfter = 0;
    pSplitter->GetRowInfo(0, cyBefore, cyMin);
    RECT rectTree;
    pFrame->GetExplorer().GetTree()->GetWindowRect(&rectTree);
    POINT ptBar = { (rectTree.left + rectTree.right) / 2, rectTree.bottom + 3 };
    ASSERT_EQ(pSplitter->m_hWnd, ::WindowFromPoint(ptBar));
    drag(ptBar, 0, 40);
    pSplitter->GetRowInfo(0, cyAfter, cyMin);
    EXPECT_EQ(cyBefore + 40, cyAfter);

    // The child frame: sized by its border until the view fixed its size.
    CChildFrame* pChild = dynamic_cast<CChildFrame*>(pFrame->MDIGetActive());
    ASSERT_NE(nullptr, pChild);
    pChild->SetTrackSize(-1, -1);
    pChild->MoveWindow(0, 0, 300, 200);
    PumpPendingMessages();
    for (bool bFixed : { false, true })
    {
        SCOPED_TRACE(bFixed);
        RECT rect;
        pChild->GetWindowRect(&rect);
        if (bFixed)
            pChild->SetTrackSize(rect.right - rect.left, rect.bottom - rect.top);
        const int cxBefore = rect.right - rect.left;
        const POINT ptBorder = { rect.right - 2, (rect.top + rect.bottom) / 2 };
        ASSERT_EQ(HTRIGHT, pChild->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptBorder.x, ptBorder.y)));
        drag(ptBorder, 30, 0);
        EXPECT_EQ(cxBefore + (bFixed ? 0 : 30), width(pChild->m_hWnd));
    }

    // The status bar's size grip sizes the frame.
    const int cxFrame = width(pFrame->m_hWnd);
    RECT rectStatus;
    pFrame->GetStatusBar().GetWindowRect(&rectStatus);
    drag(POINT{ rectStatus.right - 4, rectStatus.bottom - 4 }, 30, 0);
    EXPECT_EQ(cxFrame + 30, width(pFrame->m_hWnd));
}

TEST_F(MainFrameTest, TheProjectReportListsThePageInThePrintPreview)
{
    TempFolder folder;
    MessageBoxRecorder boxes;
    CopyProject(folder, "full", "024000", "seite2.ini");
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "full", "024000")));
    CTarnixEdView* pView = ActiveView();
    ASSERT_NE(nullptr, pView);

    const std::vector<CProjectReport::Row> rows = CProjectReport::RowsOf(pView->GetDocument()->GetPage());
    ASSERT_EQ(9u, rows.size());   // six buttons, two texts, a text field
    CString action;
    GetEditorActionCaption(1, action);
    EXPECT_EQ("Button", Text(rows[0].strKind));
    EXPECT_EQ("Seite 2", Text(rows[0].strCaption));
    EXPECT_EQ(Text(action), Text(rows[0].strAction));
    EXPECT_EQ("Willkommen", Text(rows[6].strCaption));

    // The report opens the preview of the view, whose page is the captured client area.
    Command(ID_PROJECT_REPORT);
    CPrintPreviewFrame* pPreview = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        auto* pFound = dynamic_cast<CPrintPreviewFrame*>(CWnd::FromHandlePermanent(hWnd));
        if (pFound != nullptr)
            *reinterpret_cast<CPrintPreviewFrame**>(lParam) = pFound;
        return pFound == nullptr;
    }, (LPARAM)&pPreview);
    ASSERT_NE(nullptr, pPreview);
    EXPECT_EQ(pView, pPreview->m_pView);
    pPreview->UpdateWindow();

    // What it draws: the picture at the top of the page, the lines below it.
    CProjectReport report;
    RECT rectClient;
    pView->GetClientRect(&rectClient);
    ASSERT_TRUE(report.Capture(pView, pView->GetDocument()->GetPage()));
    EXPECT_EQ(rectClient.right, report.GetPictureSize().cx);
    EXPECT_EQ(rectClient.bottom, report.GetPictureSize().cy);
    pPreview->DestroyWindow();
}

// The report's picture is the page as it paints itself: the part of it that
// lies beyond the screen's edge comes out in the page's colour, not as a strip
// of whatever the screen holds there.
TEST_F(MainFrameTest, TheReportPicturesThePartOfThePageTheScreenCannotShow)
{
    TempFolder folder;
    MessageBoxRecorder boxes;
    ASSERT_TRUE(App().OpenProjectFile(CopyProject(folder, "centred", "024000")));
    CTarnixEdView* pView = ActiveView();
    ASSERT_NE(nullptr, pView);
    CProjectPage& page = pView->GetDocument()->GetPage();
    PageWindow window = page.GetWindow();
    window.crBg = RGB(10, 200, 30);
    page.SetWindow(window);
    RECT rectFrame;
    Frame()->GetWindowRect(&rectFrame);
    Frame()->SetWindowPos(nullptr, ::GetSystemMetrics(SM_CXSCREEN) - 200, rectFrame.top, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER);
    pView->UpdateWindow();
    CProjectReport report;
    const BOOL bCaptured = report.Capture(pView, page);
    Frame()->SetWindowPos(nullptr, rectFrame.left, rectFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(bCaptured);
    const SIZE size = report.GetPictureSize();
    ASSERT_GT(size.cx, 200);

    // The report drawn on a page of its own: the picture across its top.
    CClientDC screen(nullptr);
    CDC memDC;
    CBitmap bitmap;
    ASSERT_TRUE(memDC.CreateCompatibleDC(&screen));
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 1000, 1000));
    const HGDIOBJ hOld = memDC.SelectObject((HGDIOBJ)bitmap.m_hObject);
    report.Draw(&memDC, CRect(0, 0, 1000, 1000));
    // The picture starts at the margin and keeps the page's shape.
    const int nMargin = 50, cxPicture = std::min(900, MulDiv(450, size.cx, size.cy));
    for (int x : { 10, (int)size.cx / 2, (int)size.cx - 10 })
    {
        SCOPED_TRACE(x);
        const int xDrawn = nMargin + MulDiv(x, cxPicture, size.cx);
        const int yDrawn = nMargin + MulDiv(size.cy / 2, cxPicture, size.cx);
        EXPECT_EQ(RGB(10, 200, 30), ::GetPixel(memDC.m_hDC, xDrawn, yDrawn));
    }
    memDC.SelectObject(hOld);
}

TEST_F(MainFrameTest, PlacementAndBarLayoutComeBackAtTheNextStart)
{
    MessageBoxRecorder boxes;
    const RECT rectPlaced = { 60, 50, 700, 520 };
    {
        CMainFrame* pFrame = new CMainFrame;
        ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
        // A bar the next frame no longer makes.
        CXTToolBar* pGone = new CXTToolBar;
        ASSERT_TRUE(pGone->CreateEx(pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), 0xE8F0));
        ASSERT_TRUE(pGone->LoadToolBar(IDR_TOOLBAR_OBJECTS));
        pGone->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pGone, AFX_IDW_DOCKBAR_BOTTOM);
        pFrame->ShowWindow(SW_SHOWNORMAL);
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(wp);
        ::GetWindowPlacement(pFrame->m_hWnd, &wp);
        wp.rcNormalPosition = rectPlaced;
        ::SetWindowPlacement(pFrame->m_hWnd, &wp);
        pFrame->ShowControlBar(&pFrame->GetExplorer(), FALSE, FALSE);
        pFrame->DockControlBar(&pFrame->GetMainBar(), AFX_IDW_DOCKBAR_LEFT);
        pFrame->RecalcLayout();
        // Maximised by a double click on its caption.
        pFrame->SetForegroundWindow();
        const POINT ptCaption = CaptionPoint(pFrame->m_hWnd);
        PlayMouse({ { 0, ptCaption }, { MOUSEEVENTF_LEFTDOWN, ptCaption }, { MOUSEEVENTF_LEFTUP, ptCaption },
                    { MOUSEEVENTF_LEFTDOWN, ptCaption }, { MOUSEEVENTF_LEFTUP, ptCaption } });
        ASSERT_TRUE(pFrame->IsZoomed());
        pFrame->SendMessage(WM_CLOSE);
        delete pGone;
    }
    CMainFrame* pFrame = new CMainFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    pFrame->ShowFirstTime(SW_SHOWNORMAL);
    pFrame->RecalcLayout();
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(pFrame->m_hWnd, &wp);
    EXPECT_EQ(rectPlaced.left, wp.rcNormalPosition.left);
    EXPECT_EQ(rectPlaced.top, wp.rcNormalPosition.top);
    EXPECT_EQ(rectPlaced.right, wp.rcNormalPosition.right);
    EXPECT_EQ(rectPlaced.bottom, wp.rcNormalPosition.bottom);
    EXPECT_TRUE(pFrame->IsZoomed());

    EXPECT_FALSE(pFrame->GetExplorer().IsWindowVisible());
    ASSERT_NE(nullptr, pFrame->GetMainBar().m_pDockBar);
    EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, (UINT)pFrame->GetMainBar().m_pDockBar->GetDlgCtrlID());
    EXPECT_EQ(&pFrame->GetObjectBar(), pFrame->GetControlBar(ID_VIEW_OBJECTBAR));
    EXPECT_TRUE(pFrame->GetObjectBar().IsWindowVisible());
    EXPECT_EQ(nullptr, pFrame->GetControlBar(0xE8F0));
    pFrame->DestroyWindow();
}
