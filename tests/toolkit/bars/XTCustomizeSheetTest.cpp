// The customise sheet in the framework's modal loop, reached through the
// modal-dialog hook: customise mode while it is open, the stored active page,
// new user bars with default and refused names, deleting a bar with its
// stored state, and the Commands page's sorted categories with a command
// dragged onto a bar by real input.
#include "toolkit/bars/XTCustomizeSheet.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCustAccelerators.h"
#include "toolkit/bars/XTCustCommandsPage.h"
#include "toolkit/bars/XTCustTools.h"
#include "toolkit/bars/XTCustToolBarPage.h"
#include "toolkit/bars/XTCustomToolBar.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTToolBarCustomizer.h"
#include "toolkit/bars/XTToolbarNameDlg.h"
#include "toolkit/frame/XTRegistryStore.h"
#include "toolkit/frame/XTWndHook.h"

#include "toolkit/bars/XTSheetRun.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace toolkit_test;

namespace {

class XTCustomizeSheetTest : public SheetTestFixture
{
protected:
    INT_PTR RunSheet(DWORD dwPages, const std::function<void(CXTCustomizeSheet&)>& sheetScript,
                     const std::function<void(CDialog*)>& dialogScript = nullptr)
    {
        return RunCustomizeSheet(&m_frame, dwPages, sheetScript, dialogScript);
    }
    // The name dialog answered with the text (OK), recording what it proposed.
    std::function<void(CDialog*)> NameWith(std::vector<CString>& proposed, std::vector<CString> answers)
    {
        return [&proposed, answers](CDialog* pDlg) mutable {
            CString strProposed;
            pDlg->GetDlgItemText(XT_IDC_TOOLBARNAME, strProposed);
            proposed.push_back(strProposed);
            for (const CString& answer : answers)
            {
                if (pDlg->m_hWnd == nullptr)
                    break;
                if (answer != "*")
                    pDlg->SetDlgItemText(XT_IDC_TOOLBARNAME, answer);
                pDlg->SendMessage(WM_COMMAND, IDOK);
            }
            if (pDlg->m_hWnd != nullptr && ::IsWindowVisible(pDlg->m_hWnd))
                pDlg->SendMessage(WM_COMMAND, IDCANCEL);
        };
    }
    // The test tool bar docked at the frame's top, customisable.
    void DockBar(CXTToolBar& bar, UINT nID, DWORD dwStyle = 0)
    {
        ASSERT_TRUE(bar.CreateEx(&m_frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | dwStyle,
                                 CRect(0, 0, 0, 0), nID));
        ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_BAR));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        m_frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
        bar.RegisterCustomize(TRUE);
        m_frame.RecalcLayout();
        PumpFor(30);
    }
    // A button's rectangle in screen coordinates.
    static CRect ScreenItemRect(CXTToolBar& bar, int nIndex)
    {
        CRect rect;
        bar.GetItemRect(nIndex, &rect);
        bar.ClientToScreen(&rect);
        return rect;
    }
};

TEST_F(XTCustomizeSheetTest, CloseEndsCustomiseModeAndTheActivePageIsKept)
{
    BOOL bModeWhileOpen = FALSE;
    RunSheet(XT_CUST_TOOLBARS | XT_CUST_COMMANDS | XT_CUST_OPTIONS, [&](CXTCustomizeSheet& sheet) {
        bModeWhileOpen = GetCustomizeManager().IsCustomizeMode();
        EXPECT_FALSE(sheet.GetDlgItem(IDOK)->IsWindowVisible());
        CString strClose;
        sheet.GetDlgItemText(IDCANCEL, strClose);
        EXPECT_EQ(CString("Close"), strClose);
        EXPECT_TRUE(::IsWindowEnabled(m_frame.m_hWnd));
        sheet.SetActivePage(1);
    });
    EXPECT_TRUE(bModeWhileOpen);
    EXPECT_FALSE(GetCustomizeManager().IsCustomizeMode());
    EXPECT_EQ(1u, CXTRegistryStore().GetProfileInt("Settings", "Active Page", 0));
    // The stored page is shown; the Tools page, made first, is there to
    // check its tools when the sheet closes.
    int nActive = -1;
    HWND hToolsPage = nullptr;
    RunSheet(XT_CUST_TOOLBARS | XT_CUST_COMMANDS | XT_CUST_TOOLS, [&](CXTCustomizeSheet& sheet) {
        nActive = sheet.GetActiveIndex();
        hToolsPage = sheet.GetPage(2)->GetSafeHwnd();
    });
    EXPECT_EQ(1, nActive);
    EXPECT_NE(nullptr, hToolsPage);
}

TEST_F(XTCustomizeSheetTest, NewBarsGetDefaultNamesAndRefusedNamesAsk)
{
    testing_support::MessageBoxRecorder boxes;
    std::vector<CString> proposed;
    // First: the proposal; second: blank (refused), then a taken name (refused), then the proposal.
    int nDialog = 0;
    std::vector<std::vector<CString>> answers = { { "*" }, { "  ", "Custom 1", "Mine" } };
    RunSheet(
        XT_CUST_TOOLBARS,
        [&](CXTCustomizeSheet& sheet) {
            CWnd* pPage = sheet.GetActivePage();
            pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_BTN_NEW, BN_CLICKED),
                               (LPARAM)pPage->GetDlgItem(XT_IDC_BTN_NEW)->m_hWnd);
            pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_BTN_NEW, BN_CLICKED),
                               (LPARAM)pPage->GetDlgItem(XT_IDC_BTN_NEW)->m_hWnd);
        },
        [&](CDialog* pDlg) { NameWith(proposed, answers[(size_t)std::min(nDialog++, 1)])(pDlg); });
    ASSERT_EQ(2u, proposed.size());
    EXPECT_EQ(CString("Custom 1"), proposed[0]);
    EXPECT_EQ(CString("Custom 2"), proposed[1]);
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ(CString("The toolbar name cannot be blank. Type a name."), boxes.Boxes()[0].strText);
    EXPECT_EQ(CString("A toolbar named 'Custom 1' already exists. Type another name."), boxes.Boxes()[1].strText);
    // Two user bars at ids no bar had, floating one step apart.
    CXTCustomToolBar* pFirst = nullptr;
    CXTCustomToolBar* pSecond = nullptr;
    for (POSITION pos = m_frame.m_listControlBars.GetHeadPosition(); pos != nullptr;)
        if (auto* pBar = dynamic_cast<CXTCustomToolBar*>(static_cast<CControlBar*>(m_frame.m_listControlBars.GetNext(pos))))
            (pFirst == nullptr ? pFirst : pSecond) = pBar;
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(CString("Custom 1"), pFirst->GetName());
    EXPECT_EQ(CString("Mine"), pSecond->GetName());
    EXPECT_NE(pFirst->GetDlgCtrlID(), pSecond->GetDlgCtrlID());
    EXPECT_TRUE(pFirst->IsFloating());

    // Delete asks, then removes the bar and its stored state.
    const UINT nID = (UINT)pSecond->GetDlgCtrlID();
    CString strValue;
    strValue.Format("Sheet-Bar%u", nID);
    pSecond->SaveBarState("Settings", strValue);
    const size_t nBoxesBefore = boxes.Count();
    RunSheet(XT_CUST_TOOLBARS, [&](CXTCustomizeSheet& sheet) {
        CXTCustToolBarPage* pPage = dynamic_cast<CXTCustToolBarPage*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        CXTCheckListBox& list = pPage->GetBarList();
        for (int i = 0; i < list.GetCount(); ++i)
        {
            CString strText;
            list.GetText(i, strText);
            if (strText == "Mine")
                list.SetCurSel(i);
        }
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_LIST_TOOLBARS, LBN_SELCHANGE), (LPARAM)list.m_hWnd);
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_BTN_DELETE, BN_CLICKED),
                           (LPARAM)pPage->GetDlgItem(XT_IDC_BTN_DELETE)->m_hWnd);
    });
    ASSERT_EQ(nBoxesBefore + 1, boxes.Count());
    EXPECT_EQ(CString("Are you sure you want to delete the 'Mine' toolbar?"), boxes.Last().strText);
    EXPECT_EQ(nullptr, m_frame.GetControlBar(nID));
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    EXPECT_FALSE(CXTRegistryStore().GetProfileBinary("Settings", strValue, &pData, &nBytes));
    delete[] pData;
}

TEST_F(XTCustomizeSheetTest, ACommandDraggedFromTheCommandsPageLandsWithItsIcon)
{
    CXTToolBar source, target;
    ASSERT_NO_FATAL_FAILURE(DockBar(source, 0xE810));
    ASSERT_NO_FATAL_FAILURE(DockBar(target, 0xE811));
    source.RegisterCustomize(FALSE);
    source.SetWindowText("Zebra");
    target.SetWindowText("alpha");
    const UINT kOne = ID_TEST_CUT;
    target.SetButtons(&kOne, 1);
    m_frame.RecalcLayout();
    PumpFor(30);
    const int nImagesBefore = ImageList_GetImageCount((HIMAGELIST)target.SendMessage(TB_GETIMAGELIST));

    std::vector<CString> categories;
    RunSheet(XT_CUST_COMMANDS, [&](CXTCustomizeSheet& sheet) {
        CXTCustCommandsPage* pPage = dynamic_cast<CXTCustCommandsPage*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        for (int i = 0; i < pPage->GetCategories().GetCount(); ++i)
        {
            CString strText;
            pPage->GetCategories().GetText(i, strText);
            categories.push_back(strText);
        }
        // Beside the frame, off its bars.
        sheet.SetWindowPos(nullptr, 640, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpFor(30);
        // The "Zebra" bar's commands; drag "New" onto the other bar.
        CListBox& commands = pPage->GetCommands();
        ASSERT_GT(commands.GetCount(), 0);
        // A command with a status text has a description.
        CWnd* pDescription = pPage->GetDlgItem(XT_IDC_BTN_DESCRIPTION);
        EXPECT_FALSE(pDescription->IsWindowEnabled());
        commands.SetCurSel(0);
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_LIST_COMMANDS, LBN_SELCHANGE), (LPARAM)commands.m_hWnd);
        EXPECT_TRUE(pDescription->IsWindowEnabled());
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_BTN_DESCRIPTION, BN_CLICKED), (LPARAM)pDescription->m_hWnd);
        EXPECT_TRUE(pPage->GetDescriptionWnd().m_hWnd != nullptr && pPage->GetDescriptionWnd().IsWindowVisible());
        pPage->GetDescriptionWnd().Close();
        CRect rcItem;
        commands.GetItemRect(0, &rcItem);
        commands.ClientToScreen(&rcItem);
        const CRect rcTarget = ScreenItemRect(target, 0);
        Drag(rcItem.CenterPoint(), CPoint(rcTarget.right - 3, rcTarget.CenterPoint().y));
    });
    // Sorted by sort key (the bars' ids), not by name.
    ASSERT_GE(categories.size(), 2u);
    EXPECT_EQ(CString("Zebra"), categories[0]);
    EXPECT_EQ(CString("alpha"), categories[1]);
    ASSERT_EQ(2, target.GetCount());
    EXPECT_EQ(3920u, target.GetItemID(1));
    TBBUTTON button;
    target.GetButton(1, &button);
    EXPECT_EQ(nImagesBefore, button.iBitmap);   // a new image: the command's icon
    target.RegisterCustomize(FALSE);
}

TEST_F(XTCustomizeSheetTest, TheShortcutEditShowsKeysAsTypedAndPlainLettersAreRefused)
{
    struct Case
    {
        const char* name;
        std::vector<WORD> keys;   // pressed in order, released in reverse
        const char* shown;
        BOOL bAssignable;
    };
    const Case cases[] = {
        { "Ctrl then K", { VK_CONTROL, 'K' }, "Ctrl+K", TRUE },
        { "a plain letter", { 'K' }, "K", FALSE },
        { "a function key alone", { VK_F5 }, "F5", TRUE },
        { "Ctrl and Shift with a digit", { VK_CONTROL, VK_SHIFT, '7' }, "Ctrl+Shift+7", TRUE },
    };
    RunSheet(XT_CUST_KEYBOARD, [&](CXTCustomizeSheet& sheet) {
        CXTCustAccelerators* pPage = dynamic_cast<CXTCustAccelerators*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        for (const Case& c : cases)
        {
            SCOPED_TRACE(c.name);
            pPage->GetShortcutEdit().SetFocus();
            std::vector<INPUT> inputs;
            for (WORD wVk : c.keys)
                inputs.push_back(KeyInput(wVk, FALSE));
            for (auto it = c.keys.rbegin(); it != c.keys.rend(); ++it)
                inputs.push_back(KeyInput(*it, TRUE));
            SendAll(inputs);
            CString strShown;
            pPage->GetShortcutEdit().GetWindowText(strShown);
            EXPECT_EQ(CString(c.shown), strShown);
            WORD wKey = 0;
            BOOL bCtrl = FALSE, bAlt = FALSE, bShift = FALSE;
            ASSERT_TRUE(pPage->GetShortcutEdit().GetKey(wKey, bCtrl, bAlt, bShift));
            EXPECT_EQ(c.bAssignable, CXTCustAccelerators::IsAssignable(wKey, bCtrl, bAlt));
        }
        // Backspace clears.
        SendAll({ KeyInput(VK_BACK, FALSE), KeyInput(VK_BACK, TRUE) });
        CString strShown;
        pPage->GetShortcutEdit().GetWindowText(strShown);
        EXPECT_TRUE(strShown.IsEmpty());
    });
}

TEST(XTCustTools, CommandsThatNameSomethingToStart)
{
    char szProgram[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szProgram, sizeof(szProgram));
    struct Case
    {
        const char* command;
        BOOL bValid;
    };
    const Case cases[] = {
        { szProgram, TRUE },     { "notepad", TRUE },           { "http://example.org/", TRUE },
        { "ftp://host/", TRUE }, { "C:\\no\\such.exe", FALSE }, { "", FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(c.bValid, CXTCustTools::IsValidCommand(c.command));
    }
}

TEST_F(XTCustomizeSheetTest, ToolsEditedOnThePageStartWithTheirArgumentsAndFolder)
{
    testing_support::MessageBoxRecorder boxes;
    testing_support::ProgramStartRecorder starts;
    char szProgram[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szProgram, sizeof(szProgram));
    CXTToolsManager& tools = GetToolsManager();
    tools.RemoveAll();
    tools.m_bEnabled = TRUE;
    XT_TOOL tool = {};
    lstrcpynA(tool.szTitle, "Editor", sizeof(tool.szTitle));
    lstrcpynA(tool.szCommand, szProgram, sizeof(tool.szCommand));
    tool.nCmdID = 53007;
    tools.AddTool(tool);
    BOOL bRefused = FALSE;
    RunSheet(XT_CUST_TOOLS, [&](CXTCustomizeSheet& sheet) {
        CXTCustTools* pPage = dynamic_cast<CXTCustTools*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        ASSERT_EQ(1, pPage->GetList().GetCount());
        // A command that names nothing keeps the sheet open.
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLCOMMAND, "C:\\no\\such.exe");
        sheet.SendMessage(WM_COMMAND, IDCANCEL);
        bRefused = sheet.m_hWnd != nullptr && boxes.Count() == 1;
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLCOMMAND, szProgram);
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLARGS, "-n %1");
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLDIR, "C:\\work");
    });
    EXPECT_TRUE(bRefused);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(CString("The path is invalid."), boxes.Last().strText);
    ASSERT_EQ(1, tools.GetToolCount());
    EXPECT_EQ(53007u, tools.GetTool(0)->nCmdID);
    EXPECT_TRUE(tools.Launch(53007));
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_STREQ("-n %1", starts.Starts()[0].strParameters);
    EXPECT_STREQ("C:\\work", starts.Starts()[0].strDirectory);
    tools.RemoveAll();
    tools.m_bEnabled = FALSE;
    tools.m_bChanged = FALSE;
}

// A button in the main window that counts its clicks.
class CCountingButton : public CWnd
{
public:
    int nClicks = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN)
            ++nClicks;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(XTCustomizeSheetTest, WhileTheSheetIsOpenClicksReachItsBarsButNotTheRestOfTheWindow)
{
    CCountingButton button;
    ASSERT_TRUE(button.Create("BUTTON", "Inside", WS_CHILD | WS_VISIBLE, CRect(150, 150, 250, 190), &m_frame, 4711));
    CXTToolBar bar;
    ASSERT_NO_FATAL_FAILURE(DockBar(bar, 0xE810));
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    const CRect rcItem = ScreenItemRect(bar, 0);
    int nClicksWhileOpen = -1;
    int nSelected = -1;
    RunSheet(XT_CUST_TOOLBARS, [&](CXTCustomizeSheet& sheet) {
        sheet.SetWindowPos(nullptr, 640, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Click(rcButton.CenterPoint());
        nClicksWhileOpen = button.nClicks;
        // A click on a bar's button selects it for customising.
        Click(rcItem.CenterPoint());
        nSelected = bar.GetCustomizer() != nullptr ? bar.GetCustomizer()->GetSelected() : -2;
    });
    EXPECT_EQ(0, nClicksWhileOpen);
    EXPECT_EQ(0, nSelected);
    Click(rcButton.CenterPoint());
    EXPECT_EQ(1, button.nClicks);
    bar.RegisterCustomize(FALSE);
}

TEST_F(XTCustomizeSheetTest, TheBarListFollowsShowAndHideAndDraggingTheBarDropsItsSelection)
{
    CXTToolBar bar;
    ASSERT_NO_FATAL_FAILURE(DockBar(bar, 0xE810, CBRS_GRIPPER));
    std::vector<int> checks;
    int nSelectedAfterDrag = -2;
    BOOL bFloated = FALSE;
    RunSheet(XT_CUST_TOOLBARS, [&](CXTCustomizeSheet& sheet) {
        sheet.SetWindowPos(nullptr, 640, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CXTCheckListBox& list = dynamic_cast<CXTCustToolBarPage*>(sheet.GetActivePage())->GetBarList();
        ASSERT_EQ(1, list.GetCount());
        checks.push_back(list.GetCheck(0));
        for (BOOL bShow : { FALSE, TRUE })
        {
            m_frame.ShowControlBar(&bar, bShow, FALSE);
            checks.push_back(list.GetCheck(0));
        }
        Click(ScreenItemRect(bar, 0).CenterPoint());
        ASSERT_EQ(0, bar.GetCustomizer()->GetSelected());
        // The gripper, dragged well below the bars: the bar floats.
        CRect rcBar;
        bar.GetWindowRect(&rcBar);
        CPoint ptGrip(rcBar.left + 3, rcBar.CenterPoint().y), ptTo(ptGrip.x + 150, ptGrip.y + 200);
        std::vector<INPUT> inputs = { MouseInput(0, ptGrip), MouseInput(MOUSEEVENTF_LEFTDOWN, ptGrip) };
        for (int i = 1; i <= 8; ++i)
            inputs.push_back(MouseInput(0, CPoint(ptGrip.x + 150 * i / 8, ptGrip.y + 200 * i / 8)));
        inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP, ptTo));
        SendAll(inputs);
        PumpUntil([&] { return bar.IsFloating() != FALSE; });
        bFloated = bar.IsFloating();
        nSelectedAfterDrag = bar.GetCustomizer() != nullptr ? bar.GetCustomizer()->GetSelected() : -2;
    });
    EXPECT_EQ((std::vector<int> { 1, 0, 1 }), checks);
    EXPECT_TRUE(bFloated);
    EXPECT_EQ(-1, nSelectedAfterDrag);
    bar.RegisterCustomize(FALSE);
}

// Counts one message on its way to the window and keeps it from the window
// (the system menu it would open runs a menu loop of its own).
class CCountingHook : public CXTWndHook
{
public:
    explicit CCountingHook(UINT nMessage) : m_nMessage(nMessage) {}
    int nSeen = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != m_nMessage)
            return CXTWndHook::WindowProc(message, wParam, lParam);
        ++nSeen;
        return 0;
    }

private:
    UINT m_nMessage;
};

TEST_F(XTCustomizeSheetTest, TheTaskBarMenuWaitsWhileTheSheetIsOpen)
{
    CCountingHook systemMenu(0x313);
    ASSERT_TRUE(systemMenu.HookWindow(&m_frame));
    int nSeenWhileOpen = -1;
    RunSheet(XT_CUST_TOOLBARS, [&](CXTCustomizeSheet&) {
        m_frame.SendMessage(0x313, 0, 0);
        nSeenWhileOpen = systemMenu.nSeen;
    });
    EXPECT_EQ(0, nSeenWhileOpen);
    m_frame.SendMessage(0x313, 0, 0);
    EXPECT_EQ(1, systemMenu.nSeen);
    systemMenu.HookWindow((HWND)nullptr);
}

} // namespace

