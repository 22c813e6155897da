// The customise sheet's Tools and Commands pages as a user meets them: the
// Tools page's fields browse through their buttons into the selected tool
// and a stored tool is deleted, the Commands page lists and draws only what
// may be customised and frees the icon copies it paints with, and the command
// description popup's shadow darkens what lies under it and its closing click
// goes on to the window under it.
#include "toolkit/bars/XTCustCommandsPage.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTCustTools.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/controls/XTEditGroup.h"
#include "toolkit/bars/XTDescriptionWnd.h"
#include "toolkit/bars/XTToolBar.h"
#include "toolkit/controls/XTBrowseBtn.h"
#include "toolkit/controls/XTBrowseDialog.h"
#include "toolkit/frame/XTIconHandle.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "toolkit/XTResource.h"

#include "framework/FileDialog.h"
#include "helpers/TestSupport.h"
#include "toolkit/XTContextMenuSeen.h"
#include "toolkit/XTTestCanvas.h"
#include "toolkit/bars/XTSheetRun.h"
#include "toolkit/bars/XTTestBarIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace toolkit_test;

namespace {

using XTCustPagesTest = SheetTestFixture;

void ClickByMessages(CWnd& button)
{
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

// The tools manager holding one tool, this test program, while it lives.
struct OneToolScope
{
    CXTToolsManager& manager = GetToolsManager();
    std::string strProgram;

    OneToolScope()
    {
        char szProgram[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, szProgram, sizeof(szProgram));
        strProgram = szProgram;
        manager.RemoveAll();
        XT_TOOL tool = {};
        lstrcpynA(tool.szTitle, "Editor", sizeof(tool.szTitle));
        lstrcpynA(tool.szCommand, szProgram, sizeof(tool.szCommand));
        manager.AddTool(tool);
    }
    ~OneToolScope()
    {
        manager.SetBrowseMenus(0, 0);
        manager.RemoveAll();
        manager.SetChanged(FALSE);
        manager.SetResetAll(FALSE);
    }
};

// The sheet's Tools page once its fields have their buttons (made after the
// page's set-up); null when they do not come.
CXTCustTools* ToolsPageWithButtons(CXTCustomizeSheet& sheet)
{
    CXTCustTools* pPage = dynamic_cast<CXTCustTools*>(sheet.GetActivePage());
    if (pPage == nullptr ||
        !PumpUntil([&] { return pPage->GetField(XT_IDC_EDIT_TOOLDIR)->GetBrowseButton() != nullptr; }))
        return nullptr;
    return pPage;
}

TEST_F(XTCustPagesTest, EachToolFieldBrowsesIntoTheSelectedToolAndValidationWaitsForTheBrowse)
{
    testing_support::MessageBoxRecorder boxes;
    OneToolScope tools;

    struct Row
    {
        UINT nID;
        const char* asked;        // the chooser the button opens
        const char* filter;       // a file dialog's first filter entry
        std::string chosen;
    };
    const Row rows[] = {
        { XT_IDC_EDIT_TOOLARGS, "CFileDialog", "All Files (*.*)", "C:\\data\\input.txt" },
        { XT_IDC_EDIT_TOOLDIR, "CXTBrowseDialog", nullptr, "C:\\work" },
        { XT_IDC_EDIT_TOOLCOMMAND, "CFileDialog", "Executable (*.exe)", tools.strProgram },
    };
    RunCustomizeSheet(&m_frame, XT_CUST_TOOLS, [&](CXTCustomizeSheet& sheet) {
        CXTCustTools* pPage = ToolsPageWithButtons(sheet);
        ASSERT_NE(nullptr, pPage);
        XT_TOOL* pTool = reinterpret_cast<XT_TOOL*>(pPage->GetList().GetItemData(0));
        ASSERT_NE(nullptr, pTool);
        // A command that names nothing, to be judged only outside a browse.
        pPage->GetField(XT_IDC_EDIT_TOOLCOMMAND)->SetWindowText("C:\\no\\such.exe");
        for (const Row& row : rows)
        {
            SCOPED_TRACE(row.asked + std::string(" for ") + std::to_string(row.nID));
            CXTBrowseEdit* pEdit = pPage->GetField(row.nID);
            CXTBrowseBtn* pButton = pEdit->GetBrowseButton();
            ASSERT_NE(nullptr, pButton);
            EXPECT_TRUE(pButton->IsWindowEnabled());

            testing_support::CommonDialogScript script;
            std::string filter;
            BOOL bValidDuringBrowse = FALSE;
            script.Answer(IDOK, [&](CCommonDialog* pDlg) {
                // The command still names nothing, yet a browse in progress is not judged.
                bValidDuringBrowse = pPage->Validate();
                if (CFileDialog* pFile = dynamic_cast<CFileDialog*>(pDlg))
                {
                    filter = pFile->m_ofn.lpstrFilter;
                    lstrcpynA(pFile->m_ofn.lpstrFile, row.chosen.c_str(), (int)pFile->m_ofn.nMaxFile);
                }
                else if (CXTBrowseDialog* pBrowse = dynamic_cast<CXTBrowseDialog*>(pDlg))
                    pBrowse->SetSelPath(row.chosen.c_str());
            });
            ClickByMessages(*pButton);
            ASSERT_EQ(1u, script.Asked().size());
            EXPECT_EQ(CString(row.asked), script.Asked()[0]);
            EXPECT_EQ(std::string(row.filter != nullptr ? row.filter : ""), filter);
            EXPECT_TRUE(bValidDuringBrowse);
            EXPECT_EQ(0u, boxes.Count());
            CString strText;
            pEdit->GetWindowText(strText);
            EXPECT_EQ(CString(row.chosen.c_str()), strText);
            const char* pszStored = row.nID == XT_IDC_EDIT_TOOLCOMMAND ? pTool->szCommand
                                    : row.nID == XT_IDC_EDIT_TOOLARGS  ? pTool->szArguments
                                                                       : pTool->szDirectory;
            EXPECT_EQ(row.chosen, std::string(pszStored));
        }
        // Outside a browse the page judges; with no tool selected the fields
        // and their buttons are off.
        pPage->GetField(XT_IDC_EDIT_TOOLCOMMAND)->SetWindowText("C:\\no\\such.exe");
        EXPECT_FALSE(pPage->Validate());
        EXPECT_EQ(1u, boxes.Count());
        pPage->GetList().SetCurSel(-1);
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_LIST_TOOLS, LBN_SELCHANGE),
                           (LPARAM)pPage->GetList().m_hWnd);
        for (const Row& row : rows)
        {
            SCOPED_TRACE(row.nID);
            EXPECT_FALSE(pPage->GetField(row.nID)->IsWindowEnabled());
            EXPECT_FALSE(pPage->GetField(row.nID)->GetBrowseButton()->IsWindowEnabled());
        }
    });
}

// A tool stored broken is judged when the user leaves the Tools page, not
// when the sheet opens on the page that was shown last.
TEST_F(XTCustPagesTest, ASheetOpeningOnAnotherPageDoesNotJudgeTheTools)
{
    testing_support::MessageBoxRecorder boxes;
    OneToolScope tools;
    XT_TOOL broken = {};
    lstrcpynA(broken.szTitle, "Broken", sizeof(broken.szTitle));
    lstrcpynA(broken.szCommand, "C:\\no\\such.exe", sizeof(broken.szCommand));
    tools.manager.AddTool(broken);
    CXTRegistryStore().WriteProfileInt("Settings", "Active Page", 0);
    int nActive = -1;
    size_t nBoxesAtOpen = 1;
    RunCustomizeSheet(&m_frame, XT_CUST_TOOLBARS | XT_CUST_TOOLS, [&](CXTCustomizeSheet& sheet) {
        nActive = sheet.GetActiveIndex();
        nBoxesAtOpen = boxes.Count();
        // Closing would be refused for the broken tool: it goes first.
        tools.manager.RemoveAll();
        auto* pTools = static_cast<CXTCustTools*>(sheet.GetPage(1));
        while (pTools->GetList().GetCount() > 0)
            pTools->GetList().DeleteString(0);
    });
    EXPECT_EQ(0, nActive);
    EXPECT_EQ(0u, nBoxesAtOpen);
}

TEST_F(XTCustPagesTest, AStoredToolDeletedOnThePageLeavesTheManagerAndItsStore)
{
    OneToolScope tools;
    XT_TOOL second = {};
    lstrcpynA(second.szTitle, "Second", sizeof(second.szTitle));
    lstrcpynA(second.szCommand, tools.strProgram.c_str(), sizeof(second.szCommand));
    tools.manager.AddTool(second);
    tools.manager.SetEnabled(TRUE);
    ASSERT_TRUE(tools.manager.SaveIfChanged());
    std::vector<std::string> listed;
    RunCustomizeSheet(&m_frame, XT_CUST_TOOLS, [&](CXTCustomizeSheet& sheet) {
        CXTCustTools* pPage = ToolsPageWithButtons(sheet);
        ASSERT_NE(nullptr, pPage);
        CXTEditListBox& list = pPage->GetList();
        ASSERT_EQ(2, list.GetCount());
        Click(ListItemCentre(list, 1));   // "Editor": the list runs from the last tool to the first
        Click(ScreenCentre(&list.GetEditGroup()->GetButton(1)));
        listed = ListTexts(list);
    });
    tools.manager.SetEnabled(FALSE);
    EXPECT_EQ(std::vector<std::string>{ "Second" }, listed);
    ASSERT_EQ(1, tools.manager.GetToolCount());
    EXPECT_STREQ("Second", tools.manager.GetTool(0)->szTitle);
    CXTToolsManager stored;
    stored.SetSaveOnDestroy(FALSE);
    ASSERT_TRUE(stored.Load());
    ASSERT_EQ(1, stored.GetToolCount());
    EXPECT_STREQ("Second", stored.GetTool(0)->szTitle);
}

TEST_F(XTCustPagesTest, TheManagersMenusReplaceTheArgumentsAndFolderChoosers)
{
    OneToolScope tools;
    tools.manager.SetBrowseMenus(IDR_TEST_BARMENU, IDR_TEST_BARMENU);
    const std::vector<std::string> expected = { std::to_string(ID_TEST_CUT) + " First",
                                                std::to_string(ID_TEST_COPY) + " Second" };
    RunCustomizeSheet(&m_frame, XT_CUST_TOOLS, [&](CXTCustomizeSheet& sheet) {
        CXTCustTools* pPage = ToolsPageWithButtons(sheet);
        ASSERT_NE(nullptr, pPage);
        for (UINT nID : { XT_IDC_EDIT_TOOLARGS, XT_IDC_EDIT_TOOLDIR })
        {
            SCOPED_TRACE(nID);
            testing_support::CommonDialogScript script;
            ContextMenuSeen seen = MenuOpenedBy([&] { ClickByMessages(*pPage->GetField(nID)->GetBrowseButton()); });
            EXPECT_TRUE(seen.bSeen);
            EXPECT_EQ(expected, seen.entries);
            EXPECT_TRUE(script.Asked().empty());
        }
    });
}

TEST_F(XTCustPagesTest, RepaintingTheCommandsListLeavesNoIconCopyAlive)
{
    CXTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), 0xE810));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_BAR));
    bar.SetWindowText("Icons");
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_frame.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    bar.RegisterCustomize(TRUE);
    m_frame.RecalcLayout();
    RunCustomizeSheet(&m_frame, XT_CUST_COMMANDS, [&](CXTCustomizeSheet& sheet) {
        CXTCustCommandsPage* pPage = dynamic_cast<CXTCustCommandsPage*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        CXTCommandListBox& list = pPage->GetCommands();
        ASSERT_GT(list.GetCount(), 0);
        HICON hIcon = nullptr, hIconHot = nullptr;
        ASSERT_TRUE(pPage->GetIcons(pPage->GetItem(0)->m_nID, hIcon, hIconHot));
        CXTIconHandle icon(hIcon), iconHot(hIconHot);
        ASSERT_NE(nullptr, icon.GetHandle());
        list.SetCurSel(0);   // the selected look draws too

        const long nLive = CXTIconHandle::GetLiveCount();
        const HANDLE hProcess = ::GetCurrentProcess();
        const DWORD dwGdi = ::GetGuiResources(hProcess, GR_GDIOBJECTS);
        const DWORD dwUser = ::GetGuiResources(hProcess, GR_USEROBJECTS);
        for (int i = 0; i < 100; ++i)
        {
            list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
            list.UpdateWindow();
        }
        EXPECT_EQ(nLive, CXTIconHandle::GetLiveCount());
        EXPECT_LE(::GetGuiResources(hProcess, GR_GDIOBJECTS), dwGdi + 10);
        EXPECT_LE(::GetGuiResources(hProcess, GR_USEROBJECTS), dwUser + 10);
    });
    bar.RegisterCustomize(FALSE);
}

// Categories of equal sort keys, one of them with the commands no list
// shows among those it does, a sub-menu entry and a text too long for a row.
struct CommandsProviderScope
{
    enum : UINT { kLong = 0xE10F };
    CommandsProviderScope()
    {
        CXTCustomizeManager& manager = GetCustomizeManager();
        manager.m_categories.Add(this, [](XT_COMMAND_GROUPS& groups) {
            const std::vector<std::pair<UINT, const char*>> commands = {
                { 0xE110, "Recent 1" },   { kLong, "A command whose text is far too long for the list" },
                { 0xE120, "After recent" }, { 0xFF08, "Window 9" }, { 0xFF09, "More Windows" },
                { 0xD217, "Hidden" },       { 0, "Sub-menu" },
            };
            for (const char* pszName : { "beta", "Alpha", "gamma" })
            {
                auto pGroup = std::make_unique<CXTCommandGroup>();
                pGroup->m_strName = pszName;
                pGroup->m_nSortKey = 5;
                for (size_t i = 0; *pszName == 'b' && i < commands.size(); ++i)
                {
                    auto pItem = std::make_unique<CXTCommandItem>();
                    pItem->m_nID = commands[i].first;
                    pItem->m_strText = commands[i].second;
                    pGroup->m_items.push_back(std::move(pItem));
                }
                groups.push_back(std::move(pGroup));
            }
        });
        manager.m_commandIcons.Add(this, [](CXTCommandIconMap& icons) {
            icons.SetAt(kLong, ::CopyIcon(::LoadIcon(nullptr, IDI_APPLICATION)), nullptr);
        });
        manager.m_dragSources.Add(this, [this](XT_DRAG_TARGETS&) { ++nDrags; });
    }
    ~CommandsProviderScope() { GetCustomizeManager().Unregister(this); }
    int nDrags = 0;
};

TEST_F(XTCustPagesTest, TheCommandsListShowsWhatMayBeCustomisedAndAClickSelectsWithoutADrag)
{
    CommandsProviderScope provider;
    std::vector<std::string> categories, commands;
    BOOL bDescriptionForSubMenu = TRUE;
    RunCustomizeSheet(&m_frame, XT_CUST_COMMANDS, [&](CXTCustomizeSheet& sheet) {
        CXTCustCommandsPage* pPage = dynamic_cast<CXTCustCommandsPage*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        categories = ListTexts(pPage->GetCategories());
        Click(ListItemCentre(pPage->GetCategories(), 1));
        CXTCommandListBox& list = pPage->GetCommands();
        commands = ListTexts(list);
        ASSERT_EQ(4, list.GetCount());
        // A plain click on the sub-menu entry selects it: no drag, no description.
        Click(ListItemCentre(list, 3));
        EXPECT_EQ(3, list.GetCurSel());
        bDescriptionForSubMenu = pPage->GetDlgItem(XT_IDC_BTN_DESCRIPTION)->IsWindowEnabled();

        // Each row drawn alone: the text ends in an ellipsis before the
        // right margin, the icon keeps to its column, a sub-menu shows a triangle.
        const int cx = 170, cy = CXTCommandListBox::itemHeight;
        for (BOOL bFlat : { FALSE, TRUE })
            for (int nItem : { 0, 3 })
            {
                SCOPED_TRACE(testing::Message() << "flat " << bFlat << ", item " << nItem);
                std::unique_ptr<FlatLookScope> flat(bFlat ? new FlatLookScope : nullptr);
                CCanvas canvas(cx, cy, RGB(1, 2, 3));
                DRAWITEMSTRUCT dis = { ODT_LISTBOX, XT_IDC_LIST_COMMANDS, (UINT)nItem, ODA_DRAWENTIRE, 0,
                                       list.m_hWnd, canvas.dc.m_hDC, { 0, 0, cx, cy }, list.GetItemData(nItem) };
                list.DrawItem(&dis);
                const COLORREF clrColumn = bFlat ? xtAfxData.m_clrFlatBarFace : xtAfxData.m_clr3DFace;
                EXPECT_EQ(clrColumn, canvas.At(0, 0));
                const int nColumnInk = cy * CXTCommandListBox::iconColumn -
                                       canvas.Count(clrColumn, CRect(0, 0, CXTCommandListBox::iconColumn, cy));
                if (nItem == 3)
                {
                    EXPECT_EQ(0, nColumnInk);
                    for (int i = 0; i < 5; ++i)
                        EXPECT_NE(canvas.At(cx - 11 + i, 10), canvas.At(cx - 13, 10)) << i;
                    continue;
                }
                EXPECT_GT(nColumnInk, 20);   // the icon
                if (bFlat)
                    continue;
                // Ink: whatever is not the face. None between the column and
                // the text, none in the right margin.
                const COLORREF clrFace = xtAfxData.m_clr3DFace;
                const int nColumn = CXTCommandListBox::iconColumn;
                auto ink = [&](int x0, int x1, int y0, int y1) {
                    return (x1 - x0) * (y1 - y0) - canvas.Count(clrFace, CRect(x0, y0, x1, y1));
                };
                EXPECT_EQ(0, ink(nColumn, 28, 0, cy));
                EXPECT_EQ(0, ink(cx - nColumn, cx, 0, cy));
                // The last inked columns are the ellipsis' last dot: low and short.
                int xLast = cx - nColumn - 1;
                while (xLast > 28 && ink(xLast, xLast + 1, 0, cy) == 0)
                    --xLast;
                ASSERT_GT(xLast, cx - nColumn - 8);
                int yTop = cy, yBottom = -1;
                for (int y = 0; y < cy; ++y)
                    if (ink(xLast, xLast + 1, y, y + 1) > 0)
                        yTop = std::min(yTop, y), yBottom = std::max(yBottom, y);
                EXPECT_LE(yBottom - yTop, 3);
                EXPECT_GT(yTop, cy / 2);
            }
    });
    EXPECT_EQ((std::vector<std::string>{ "Alpha", "beta", "gamma" }), categories);
    EXPECT_EQ((std::vector<std::string>{ "A command whose text is far too long for the list", "After recent",
                                         "More Windows", "Sub-menu" }),
              commands);
    EXPECT_FALSE(bDescriptionForSubMenu);
    EXPECT_EQ(0, provider.nDrags);
}

TEST_F(XTCustPagesTest, TheClickThatClosesTheDescriptionReachesTheWindowUnderIt)
{
    CommandsProviderScope provider;
    BOOL bOpen = FALSE, bClosed = FALSE;
    int nCategory = -1;
    RunCustomizeSheet(&m_frame, XT_CUST_COMMANDS, [&](CXTCustomizeSheet& sheet) {
        CXTCustCommandsPage* pPage = dynamic_cast<CXTCustCommandsPage*>(sheet.GetActivePage());
        ASSERT_NE(nullptr, pPage);
        Click(ListItemCentre(pPage->GetCategories(), 1));
        Click(ListItemCentre(pPage->GetCommands(), 1));
        Click(ScreenCentre(pPage->GetDlgItem(XT_IDC_BTN_DESCRIPTION)));
        CXTDescriptionWnd& popup = pPage->GetDescriptionWnd();
        bOpen = PumpUntil([&] { return popup.m_hWnd != nullptr && popup.IsWindowVisible(); });
        // One click on another category closes the popup and selects it.
        Click(ListItemCentre(pPage->GetCategories(), 2));
        bClosed = PumpUntil([&] { return popup.m_hWnd == nullptr; });
        PumpUntil([&] { return pPage->GetCategories().GetCurSel() == 2; });
        nCategory = pPage->GetCategories().GetCurSel();
    });
    EXPECT_TRUE(bOpen);
    EXPECT_TRUE(bClosed);
    EXPECT_EQ(2, nCategory);
}

TEST(XTDescriptionWndTest, TheShadowDarkensWhatIsBehindAndLeavesTheFace)
{
    const COLORREF clrBehind = RGB(200, 150, 40);
    const int kDepth = CXTDescriptionWnd::shadowDepth;
    enum Where { rightStrip, bottomStrip, shadowTop, aboveShadow, insideFace };
    enum Expect { darkened, dithered, face, behind };
    struct Row
    {
        const char* name;
        UINT nFlags;
        Where where;
        int nOffset;    // pixels beyond the face's edge, or inside its corner
        Expect expect;
        int nLoss;      // per channel, for darkened
    };
    const Row rows[] = {
        { "soft, right, ring 5", 0x06, rightStrip, 0, darkened, 75 },
        { "soft, right, ring 4", 0x06, rightStrip, 1, darkened, 60 },
        { "soft, right, ring 3", 0x06, rightStrip, 2, darkened, 45 },
        { "soft, right, ring 2", 0x06, rightStrip, 3, darkened, 30 },
        { "soft, right, ring 1", 0x06, rightStrip, 4, darkened, 15 },
        { "soft, bottom, ring 5", 0x06, bottomStrip, 0, darkened, 75 },
        { "soft, bottom, ring 1", 0x06, bottomStrip, 4, darkened, 15 },
        { "soft, the shadow's top row", 0x06, shadowTop, 2, darkened, 15 },
        { "soft, above the shadow", 0x06, aboveShadow, 2, behind, 0 },
        { "soft, face", 0x06, insideFace, 3, face, 0 },
        { "dithered, right", 0x03, rightStrip, 1, dithered, 0 },
        { "dithered, bottom", 0x03, bottomStrip, 1, dithered, 0 },
        { "dithered, face", 0x03, insideFace, 4, face, 0 },
        { "no shadow", 0x01, rightStrip, 1, behind, 0 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CXTDescriptionWnd wnd;
        ASSERT_TRUE(wnd.Show(CPoint(50, 50), nullptr, "Title", "A description\nof two lines", row.nFlags, 60000));
        CRect rc;
        wnd.GetClientRect(&rc);
        const int cxFace = rc.Width() - kDepth, cyFace = rc.Height() - kDepth;
        CCanvas canvas(rc.Width(), rc.Height(), clrBehind);
        wnd.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc.m_hDC, PRF_CLIENT);
        CPoint pt;
        switch (row.where)
        {
        case rightStrip: pt = CPoint(cxFace + row.nOffset, cyFace / 2); break;
        case bottomStrip: pt = CPoint(cxFace / 2, cyFace + row.nOffset); break;
        case shadowTop: pt = CPoint(cxFace + row.nOffset, kDepth); break;
        case aboveShadow: pt = CPoint(cxFace + row.nOffset, kDepth - 1); break;
        case insideFace: pt = CPoint(cxFace - row.nOffset, cyFace - row.nOffset); break;
        }
        const int x = pt.x, y = pt.y;
        const COLORREF clr = canvas.At(x, y);
        auto less = [](int n, int nLoss) { return n - nLoss < 0 ? 0 : n - nLoss; };
        switch (row.expect)
        {
        case darkened:
            EXPECT_EQ(RGB(less(200, row.nLoss), less(150, row.nLoss), less(40, row.nLoss)), clr);
            break;
        case dithered:
        {
            // Black on one pixel of two, across and down.
            const COLORREF clrRight = canvas.At(x + 1, y), clrBelow = canvas.At(x, y + 1);
            const COLORREF clrBlack = RGB(0, 0, 0);
            EXPECT_TRUE(clr == clrBlack || clr == clrBehind) << std::hex << clr;
            EXPECT_EQ(clr == clrBlack ? clrBehind : clrBlack, clrRight);
            EXPECT_EQ(clr == clrBlack ? clrBehind : clrBlack, clrBelow);
            break;
        }
        case face:
            EXPECT_EQ(::GetSysColor(COLOR_INFOBK), clr);
            break;
        case behind:
            EXPECT_EQ(clrBehind, clr);
            break;
        }
        wnd.Close();
    }
}

} // namespace
