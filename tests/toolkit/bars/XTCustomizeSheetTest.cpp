// The customise sheet in the framework's modal loop, reached through the
// modal-dialog hook: customise mode while it is open, the stored active page,
// new user bars with default and refused names and the limits of names and
// ids, renaming and hiding a floating user bar, deleting a bar with its
// stored state, the Commands page's sorted categories with a command dragged
// onto a bar by real input, and the Keyboard and Options pages.
#include "toolkit/bars/XTCustomizeSheet.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTCustAccelerators.h"
#include "toolkit/bars/XTCustCommandsPage.h"
#include "toolkit/bars/XTCustTools.h"
#include "toolkit/bars/XTCustToolBarPage.h"
#include "toolkit/bars/XTCustomToolBar.h"
#include "toolkit/bars/XTPersonalOptions.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/bars/XTToolBarCustomizer.h"
#include "toolkit/bars/XTToolbarNameDlg.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTRegistryStore.h"
#include "toolkit/frame/XTWndHook.h"

#include "toolkit/bars/XTSheetRun.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTRealInput.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <string>
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
    const CPoint ptFloat = GetCustomizeManager().GetNextFloatPos();
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
    // Each new bar floats one step below and right of the one before; the
    // steps go on after the sheet closed.
    CRect rcFirst, rcSecond;
    pFirst->GetParentFrame()->GetWindowRect(&rcFirst);
    pSecond->GetParentFrame()->GetWindowRect(&rcSecond);
    EXPECT_EQ(CPoint(15, 15), CPoint(rcSecond.TopLeft() - rcFirst.TopLeft()));
    EXPECT_EQ(ptFloat + CPoint(30, 30), GetCustomizeManager().GetNextFloatPos());

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

// The Toolbars page's list item of the bar with the text; -1 when none.
int FindBarItem(CXTCheckListBox& list, LPCSTR lpszText)
{
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CString strText;
        list.GetText(i, strText);
        if (strText == lpszText)
            return i;
    }
    return -1;
}

TEST_F(XTCustomizeSheetTest, AUserBarIsRenamedWithItsFloatingFrameAndHidingItHidesTheFrame)
{
    testing_support::MessageBoxRecorder boxes;
    CXTToolBar standard;
    ASSERT_NO_FATAL_FAILURE(DockBar(standard, 0xE810));
    standard.SetWindowText("Standard");
    CXTCustomizeManager& manager = GetCustomizeManager();
    XT_CREATEBAR_REQUEST request;
    request.pFrame = &m_frame;
    request.nID = 0xE820;
    request.strName = "Mine";
    ASSERT_TRUE(manager.CreateCustomBar(request));
    CXTToolBar* pMine = request.pBar;
    manager.FloatNewBar(&m_frame, pMine);
    CFrameWnd* pFloatFrame = pMine->GetParentFrame();
    ASSERT_TRUE(pFloatFrame != nullptr && pFloatFrame != &m_frame);
    // The floating frame shows when the message loop runs idle.
    pFloatFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);

    struct Row
    {
        const char* typed;
        const char* name;        // the bar's name afterwards
        const char* box;         // the message shown, if any
    };
    const Row rows[] = {
        { "Mine", "Mine", nullptr },                 // unchanged: the dialog just closes
        { "Standard", "Mine", "A toolbar named 'Standard' already exists. Type another name." },
        { "standard", "standard", nullptr },         // letter case makes another name
        { "Yours", "Yours", nullptr },
    };
    const Row* pRow = nullptr;
    std::vector<std::string> results;
    BOOL bDeleteForStandard = TRUE, bRenameForStandard = TRUE, bDeleteForMine = FALSE;
    std::vector<int> frameShown;
    RunSheet(
        XT_CUST_TOOLBARS,
        [&](CXTCustomizeSheet& sheet) {
            sheet.SetWindowPos(nullptr, 640, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            CXTCustToolBarPage* pPage = dynamic_cast<CXTCustToolBarPage*>(sheet.GetActivePage());
            ASSERT_NE(nullptr, pPage);
            CXTCheckListBox& list = pPage->GetBarList();
            // A bar that offers no delete (or rename) leaves the buttons off.
            Click(ListItemCentre(list, FindBarItem(list, "Standard")));
            bDeleteForStandard = pPage->GetDlgItem(XT_IDC_BTN_DELETE)->IsWindowEnabled();
            bRenameForStandard = pPage->GetDlgItem(XT_IDC_BTN_RENAME)->IsWindowEnabled();
            for (const Row& row : rows)
            {
                pRow = &row;
                CString strName, strBefore;
                pMine->GetWindowText(strBefore);
                Click(ListItemCentre(list, FindBarItem(list, strBefore)));
                bDeleteForMine = pPage->GetDlgItem(XT_IDC_BTN_DELETE)->IsWindowEnabled();
                const size_t nBoxes = boxes.Count();
                Click(ScreenCentre(pPage->GetDlgItem(XT_IDC_BTN_RENAME)));
                // A new name is the floating frame's caption too.
                CString strCaption;
                pMine->GetWindowText(strName);
                if (strName != strBefore)
                    pMine->GetParentFrame()->GetWindowText(strCaption);
                results.push_back(std::string(strName) + "|" + (LPCSTR)strCaption + "|" +
                                  (FindBarItem(list, strName) >= 0 ? "listed" : "unlisted") + "|" +
                                  (boxes.Count() > nBoxes ? (LPCSTR)boxes.Last().strText : ""));
            }
            // Its check box hides the floating bar with its frame, while
            // another bar is the one selected (and stays).
            Click(ListItemCentre(list, FindBarItem(list, "Standard")));
            CRect rcItem;
            list.GetItemRect(FindBarItem(list, "Yours"), &rcItem);
            list.ClientToScreen(&rcItem);
            frameShown = { pFloatFrame->IsWindowVisible() ? 1 : 0 };
            Click(CXTCheckListBox::CheckArea(rcItem).CenterPoint());
            PumpFor(30);
            frameShown.insert(frameShown.end(), { pFloatFrame->IsWindowVisible() ? 1 : 0,
                                                  (pMine->GetStyle() & WS_VISIBLE) ? 1 : 0,
                                                  list.GetCheck(FindBarItem(list, "Yours")),
                                                  standard.IsWindowVisible() ? 1 : 0 });
        },
        [&](CDialog* pDlg) {
            // The name dialog: the row's name, OK; a refused name, Cancel after it.
            pDlg->SetDlgItemText(XT_IDC_TOOLBARNAME, pRow->typed);
            pDlg->SendMessage(WM_COMMAND, IDOK);
            if (pRow->box != nullptr)
                pDlg->SendMessage(WM_COMMAND, IDCANCEL);
        });
    EXPECT_FALSE(bDeleteForStandard);
    EXPECT_FALSE(bRenameForStandard);
    EXPECT_TRUE(bDeleteForMine);
    ASSERT_EQ(4u, results.size());
    for (size_t i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(rows[i].typed);
        const std::string strName = rows[i].name;
        const std::string strCaption = i == 0 || rows[i].box ? "" : strName;
        EXPECT_EQ(strName + "|" + strCaption + "|listed|" + (rows[i].box ? rows[i].box : ""), results[i]);
    }
    // Shown, then frame, bar and check off; the other bar stays.
    EXPECT_EQ((std::vector<int>{ 1, 0, 0, 0, 1 }), frameShown);
    static_cast<CXTCustomToolBar*>(pMine)->Delete();
    standard.RegisterCustomize(FALSE);
}

TEST_F(XTCustomizeSheetTest, NewRefusesTheTwoHundredFiftyFifthNameAndALastFreeId)
{
    testing_support::MessageBoxRecorder boxes;
    // Bars on every id a user bar could take, named "Custom 1" to "Custom 254".
    std::vector<std::unique_ptr<CFixedBar>> bars;
    for (UINT nID = AFX_IDW_CONTROLBAR_FIRST; nID < AFX_IDW_CONTROLBAR_LAST; ++nID)
        if (CXTCustomizeManager::IsCustomBarID(&m_frame, nID) && m_frame.GetControlBar(nID) == nullptr)
            bars.push_back(std::make_unique<CFixedBar>());
    ASSERT_LT(bars.size(), 254u);
    while (bars.size() < 254)
        bars.push_back(std::make_unique<CFixedBar>());
    UINT nID = AFX_IDW_CONTROLBAR_FIRST;
    for (size_t i = 0; i < bars.size(); ++i)
    {
        while (nID < AFX_IDW_CONTROLBAR_LAST && !CXTCustomizeManager::IsCustomBarID(&m_frame, nID))
            ++nID;
        CString strName;
        strName.Format("Custom %d", (int)i + 1);
        ASSERT_TRUE(bars[i]->Create(&m_frame, 0, nID < AFX_IDW_CONTROLBAR_LAST ? nID++ : AFX_IDW_STATUS_BAR, strName));
        bars[i]->ShowWindow(SW_HIDE);
    }
    EXPECT_EQ(0u, CXTCustomizeManager::NextCustomBarID(&m_frame, AFX_IDW_CONTROLBAR_FIRST));
    std::vector<CString> proposed;
    RunSheet(
        XT_CUST_TOOLBARS,
        [&](CXTCustomizeSheet& sheet) {
            CWnd* pPage = sheet.GetActivePage();
            auto clickNew = [pPage] {
                pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_BTN_NEW, BN_CLICKED),
                                   (LPARAM)pPage->GetDlgItem(XT_IDC_BTN_NEW)->m_hWnd);
            };
            // Every default name taken; then one name free, but no id.
            clickNew();
            bars[6]->SetWindowText("Seven");
            clickNew();
        },
        NameWith(proposed, { "*" }));
    std::vector<std::string> shown;
    for (const AFX_MESSAGEBOX& box : boxes.Boxes())
        shown.push_back(std::string(box.strText) + ((box.nType & MB_ICONMASK) == MB_ICONSTOP ? " (stop)" : ""));
    const std::string strLimit = "Sorry you have reached your limit. (stop)";
    EXPECT_EQ((std::vector<std::string>{ strLimit, strLimit }), shown);
    ASSERT_EQ(1u, proposed.size());
    EXPECT_EQ(CString("Custom 7"), proposed[0]);
    for (POSITION pos = m_frame.m_listControlBars.GetHeadPosition(); pos != nullptr;)
        EXPECT_EQ(nullptr, dynamic_cast<CXTCustomToolBar*>(static_cast<CControlBar*>(m_frame.m_listControlBars.GetNext(pos))));
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

// The shortcut manager bound to the test frame, with an "&Edit" menu of Cut
// (Ctrl+X) and Copy (Ctrl+C); the manager's table comes back afterwards.
class KeyboardScope
{
public:
    explicit KeyboardScope(CFrameWnd& frame)
        : m_accel(GetAccelManager()), m_saved(m_accel.GetTable()), m_bWasEnabled(m_accel.IsEnabled())
    {
        HMENU hMenu = ::CreateMenu();
        HMENU hEdit = ::CreatePopupMenu();
        ::AppendMenuA(hEdit, MF_STRING, ID_TEST_CUT, "Cu&t");
        ::AppendMenuA(hEdit, MF_STRING, ID_TEST_COPY, "&Copy");
        ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Edit");
        ::SetMenu(frame.m_hWnd, hMenu);
        m_accel.Bind(&frame);
        m_accel.AddShortcut(ID_TEST_CUT, FVIRTKEY | FCONTROL, 'X');
        m_accel.AddShortcut(ID_TEST_COPY, FVIRTKEY | FCONTROL, 'C');
    }
    ~KeyboardScope()
    {
        m_accel.Bind(nullptr);
        while (!m_accel.GetTable().empty())
            m_accel.RemoveShortcut(m_accel.GetTable()[0].fVirt, m_accel.GetTable()[0].key);
        for (const ACCEL& a : m_saved)
            m_accel.AddShortcut(a.cmd, a.fVirt, a.key);
        m_accel.SetChanged(FALSE);
        m_accel.SetEnabled(m_bWasEnabled);
    }
    // The shortcuts of the command as the manager writes them.
    std::string Keys(UINT nID) const
    {
        CString strText;
        m_accel.GetShortcutText(nID, strText);
        return (LPCSTR)strText;
    }

private:
    CXTAccelManager& m_accel;
    std::vector<ACCEL> m_saved;
    BOOL m_bWasEnabled;
};

TEST_F(XTCustomizeSheetTest, TheKeyboardPageRemovesReassignsAndResetsShortcutsAndRefreshesWhenShown)
{
    KeyboardScope keys(m_frame);
    testing_support::MessageBoxRecorder boxes;
    boxes.Answer(IDNO);
    boxes.Answer(IDYES);
    boxes.Answer(IDYES);
    // What the lists and the manager hold after each step.
    std::vector<std::string> steps;
    HFONT hComboFont = nullptr;
    std::vector<std::string> moves;
    RunSheet(XT_CUST_KEYBOARD | XT_CUST_OPTIONS, [&](CXTCustomizeSheet& sheet) {
        sheet.SetWindowPos(nullptr, 640, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        CXTCustAccelerators* pPage = dynamic_cast<CXTCustAccelerators*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        hComboFont = (HFONT)pPage->GetDlgItem(XT_IDC_COMBO_CATEGORY)->SendMessage(WM_GETFONT);
        CListBox& commands = pPage->GetCommandList();
        CListBox& assigned = pPage->GetKeyList();
        CXTShortcutEdit& edit = pPage->GetShortcutEdit();
        auto step = [&](const char* name) {
            CString strEdit;
            edit.GetWindowText(strEdit);
            std::string line = std::string(name) + ":";
            for (const std::string& text : ListTexts(assigned))
                line += " " + text;
            line += " | cut " + keys.Keys(ID_TEST_CUT) + " | copy " + keys.Keys(ID_TEST_COPY) + " | edit '" +
                    (LPCSTR)strEdit + "'" + (pPage->GetDlgItem(XT_IDC_BTN_ASSIGN)->IsWindowEnabled() ? " assign" : "");
            steps.push_back(line);
        };
        auto assignCtrlC = [&] {
            Click(ScreenCentre(&edit));
            PressKeys({ VK_CONTROL, 'C' });
            Click(ScreenCentre(pPage->GetDlgItem(XT_IDC_BTN_ASSIGN)));
        };
        ASSERT_EQ((std::vector<std::string>{ "Cut", "Copy" }), ListTexts(commands));
        step("open");
        Click(ListItemCentre(assigned, 0));
        Click(ScreenCentre(pPage->GetDlgItem(XT_IDC_BTN_REMOVE)));
        step("remove");
        assignCtrlC();   // answered No
        step("taken, no");
        assignCtrlC();   // answered Yes
        step("taken, yes");
        // Shortcuts given elsewhere show when the page comes back.
        sheet.SetActivePage(1);
        GetAccelManager().AddShortcut(ID_TEST_CUT, FVIRTKEY, VK_F7);
        sheet.SetActivePage(0);
        step("shown again");
        Click(ScreenCentre(pPage->GetDlgItem(XT_IDC_BTN_RESETALL)));
        step("reset");
        // Shift alone, then the user leaves the edit: nothing stays.
        Click(ScreenCentre(&edit));
        SendAll({ KeyInput(VK_SHIFT, FALSE) });
        Click(ListItemCentre(commands, 1));
        SendAll({ KeyInput(VK_SHIFT, TRUE) });
        step("shift, left");

        // The controls follow the sheet's growth: the right half moves by half of it.
        struct Anchor
        {
            UINT nID;
            float left, top, right, bottom;
        };
        const Anchor anchors[] = {
            { XT_IDC_COMBO_CATEGORY, 0, 0, 0.5f, 0 },   { XT_IDC_TXT_KEYCOMMANDS, 0, 0, 0.5f, 0 },
            { XT_IDC_LIST_KEYCOMMANDS, 0, 0, 0.5f, 1 }, { XT_IDC_TXT_DESCLABEL, 0, 1, 0, 1 },
            { XT_IDC_TXT_DESCRIPTION, 0, 1, 1, 1 },     { XT_IDC_TXT_ASSIGNMENTS, 0.5f, 0, 1, 0 },
            { XT_IDC_LIST_KEYS, 0.5f, 0, 1, 1 },        { XT_IDC_TXT_NEWKEY, 0.5f, 1, 1, 1 },
            { XT_IDC_EDIT_SHORTCUT, 0.5f, 1, 1, 1 },    { XT_IDC_BTN_ASSIGN, 1, 0, 1, 0 },
        };
        auto rectOf = [&](UINT nID) {
            CRect rect;
            pPage->GetDlgItem(nID)->GetWindowRect(&rect);
            pPage->ScreenToClient(&rect);
            return rect;
        };
        std::vector<CRect> before;
        for (const Anchor& a : anchors)
            before.push_back(rectOf(a.nID));
        CRect rcPage, rcSheet;
        pPage->GetClientRect(&rcPage);
        sheet.GetWindowRect(&rcSheet);
        sheet.SetWindowPos(nullptr, 0, 0, rcSheet.Width() + 100, rcSheet.Height() + 80, SWP_NOMOVE | SWP_NOZORDER);
        CRect rcGrown;
        pPage->GetClientRect(&rcGrown);
        const float dx = (float)(rcGrown.Width() - rcPage.Width()), dy = (float)(rcGrown.Height() - rcPage.Height());
        ASSERT_GT(dx, 0);
        ASSERT_GT(dy, 0);
        for (size_t i = 0; i < std::size(anchors); ++i)
        {
            const Anchor& a = anchors[i];
            const CRect rect = rectOf(a.nID);
            auto off = [](LONG nMoved, float fExpected) { return std::abs((float)nMoved - fExpected) > 1.5f; };
            if (off(rect.left - before[i].left, a.left * dx) || off(rect.top - before[i].top, a.top * dy) ||
                off(rect.right - before[i].right, a.right * dx) || off(rect.bottom - before[i].bottom, a.bottom * dy))
                moves.push_back(std::to_string(a.nID));
        }
    });
    EXPECT_EQ((HFONT)xtAfxData.m_fontNormal.m_hObject, hComboFont);
    EXPECT_EQ(std::vector<std::string>(), moves) << "controls that did not follow their anchors";
    const std::vector<std::string> expected = {
        "open: Ctrl+X | cut Ctrl+X | copy Ctrl+C | edit ''",
        "remove: | cut  | copy Ctrl+C | edit ''",
        "taken, no: | cut  | copy Ctrl+C | edit 'Ctrl+C' assign",
        "taken, yes: Ctrl+C | cut Ctrl+C | copy  | edit ''",
        "shown again: Ctrl+C F7 | cut Ctrl+C, F7 | copy  | edit ''",
        "reset: | cut  | copy  | edit ''",
        "shift, left: | cut  | copy  | edit ''",
    };
    EXPECT_EQ(expected, steps);
    ASSERT_EQ(3u, boxes.Count());
    EXPECT_EQ(CString("This shortcut is currently assigned to the command: Edit\\Copy\n\nDo you want to re-assign this shortcut?"),
              boxes.Boxes()[0].strText);
    EXPECT_EQ(CString("Are you sure you want to reset the key assignments?  This action will remove all custom key "
                      "assignments at the text level."),
              boxes.Boxes()[2].strText);
}

TEST_F(XTCustomizeSheetTest, TheOptionsPageEnablesItsDependentChoices)
{
    CXTToolsManager& tools = GetToolsManager();
    const BOOL bToolsWere = tools.IsEnabled();
    // The clicks stay on the page: the user's options are not stored.
    CXTPersonalOptions& options = GetPersonalOptions();
    const BOOL bOptionsWere = options.IsEnabled();
    options.SetEnabled(FALSE);
    struct Row
    {
        BOOL bTools;
        std::vector<UINT> clicks;   // check boxes clicked in order
        BOOL bFullMenus, bTipKeys;   // enabled afterwards
    };
    const Row rows[] = {
        { TRUE, {}, TRUE, TRUE },
        { TRUE, { XT_IDC_CHK_RECENTFIRST }, FALSE, TRUE },
        { TRUE, { XT_IDC_CHK_SCREENTIPS }, TRUE, FALSE },
        { FALSE, {}, TRUE, FALSE },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "tools " << row.bTools << ", clicks " << row.clicks.size());
        tools.SetEnabled(row.bTools);
        BOOL bFullMenus = -1, bTipKeys = -1;
        RunSheet(XT_CUST_OPTIONS, [&](CXTCustomizeSheet& sheet) {
            CWnd* pPage = sheet.GetActivePage();
            // Both parents checked first, as the user leaves them.
            for (UINT nID : { XT_IDC_CHK_RECENTFIRST, XT_IDC_CHK_SCREENTIPS })
                if (pPage->IsDlgButtonChecked(nID) != BST_CHECKED)
                    Click(ScreenCentre(pPage->GetDlgItem(nID)));
            for (UINT nID : row.clicks)
                Click(ScreenCentre(pPage->GetDlgItem(nID)));
            bFullMenus = pPage->GetDlgItem(XT_IDC_CHK_FULLMENUS)->IsWindowEnabled();
            bTipKeys = pPage->GetDlgItem(XT_IDC_CHK_TIPKEYS)->IsWindowEnabled();
        });
        EXPECT_EQ(row.bFullMenus, bFullMenus);
        EXPECT_EQ(row.bTipKeys, bTipKeys);
    }
    tools.SetEnabled(bToolsWere);
    options.SetEnabled(bOptionsWere);
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
    tools.SetEnabled(TRUE);
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
    tools.SetEnabled(FALSE);
    tools.SetChanged(FALSE);
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

