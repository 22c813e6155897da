#include "shared/menuobj/PopupMenuDesc.h"

#include "shared/menuobj/MButCreateStruct.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<UINT, std::string>> Entries;

// The application's main window while it lives: it records the entries of
// every popup menu that opens for it and closes the menu from a timer.
class CMenuWatcher : public CWnd
{
public:
    CMenuWatcher()
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "Page", WS_POPUP, 100, 80, 300, 200, nullptr, nullptr));
        m_pPrevious = AfxGetApp()->m_pMainWnd;
        AfxGetApp()->m_pMainWnd = this;
    }
    ~CMenuWatcher() override { AfxGetApp()->m_pMainWnd = m_pPrevious; }

    // Shows the description's menu and closes it once it is on the screen.
    void Track(CPopupMenuDesc& desc, CMButCreateStruct* pStruct)
    {
        SetTimer(1, 50);
        desc.TrackPopup(pStruct, FALSE);
        KillTimer(1);
    }

    int nPopups = 0;
    Entries entries;
    CRect rcMenu;

protected:
    void OnInitMenuPopup(CMenu* pMenu, UINT /*nIndex*/, BOOL /*bSysMenu*/)
    {
        ++nPopups;
        HMENU hMenu = pMenu->m_hMenu;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[100] = "";
            ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            entries.emplace_back(::GetMenuItemID(hMenu, i), szText);
        }
    }
    void OnTimer(UINT_PTR /*nIDEvent*/)
    {
        if (HWND hMenuWnd = ::FindWindowA("#32768", nullptr))
            ::GetWindowRect(hMenuWnd, rcMenu);
        ::EndMenu();
    }

    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pPrevious;
};

BEGIN_MESSAGE_MAP(CMenuWatcher, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

TEST(PopupMenuDescTest, BindPointsTheButtonBackAndResetForgetsIt)
{
    CPopupMenuDesc desc;
    EXPECT_EQ(-1, desc.GetPopupNumber());
    EXPECT_EQ(0, desc.GetItemCount());

    CMButCreateStruct but;
    CWnd owner;
    desc.Bind(0, &but, &owner);
    EXPECT_EQ(0, desc.GetPopupNumber());
    EXPECT_EQ(&but, desc.GetButtonStruct());
    EXPECT_EQ(&owner, desc.GetOwner());
    EXPECT_EQ(&desc, but.m_pPopupMenu);

    desc.SetText("TEXT=Info:DOCUMENT=a.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");
    EXPECT_EQ(1, desc.GetItemCount());
    desc.Reset();
    EXPECT_EQ(-1, desc.GetPopupNumber());
    EXPECT_EQ(0, desc.GetItemCount());
    EXPECT_EQ("", desc.GetItem(0));
    EXPECT_EQ(nullptr, desc.GetButtonStruct());
    EXPECT_EQ(nullptr, desc.GetOwner());
}

TEST(PopupMenuDescTest, AnEmptyTextLeavesNoItem)
{
    CPopupMenuDesc desc;
    desc.SetText("TEXT=Info:DOCUMENT=a.txt");
    desc.SetText("");
    EXPECT_EQ(0, desc.GetItemCount());
    EXPECT_EQ("", desc.GetItem(0));
}

TEST(PopupMenuDescTest, TrackPopupShowsTheEntryJustBelowTheButton)
{
    CMenuWatcher page;
    CMButCreateStruct but;
    but.m_strDocument = "<POPUPMENU00>";
    but.m_rect = { 20, 30, 120, 56 };
    CPopupMenuDesc desc;
    desc.Bind(0, &but, &page);
    desc.SetText("TEXT=Liesmich:DOCUMENT=_CURRENTDIR_\\liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");

    page.Track(desc, &but);
    EXPECT_EQ(1, page.nPopups);
    EXPECT_EQ((Entries{ { ID_POPUPMENU_FIRST, "Liesmich" } }), page.entries);
    CPoint ptClient(25, 56);
    page.ClientToScreen(&ptClient);
    EXPECT_EQ(ptClient, page.rcMenu.TopLeft());
}

TEST(PopupMenuDescTest, NoMenuWithoutAUsableEntryOrPopupButton)
{
    CMenuWatcher page;
    CMButCreateStruct but;
    but.m_strDocument = "<POPUPMENU00>";
    CPopupMenuDesc desc;
    desc.Bind(0, &but, &page);

    SCOPED_TRACE("no item");
    page.Track(desc, &but);
    desc.SetText("TEXT=:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");
    page.Track(desc, &but);
    desc.SetText("Info:DOCUMENT=liesmich.txt");
    page.Track(desc, &but);
    EXPECT_EQ(0, page.nPopups);

    desc.SetText("TEXT=Info:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");
    but.m_strDocument = "<LISTBOX>";
    page.Track(desc, &but);
    page.Track(desc, nullptr);
    EXPECT_EQ(0, page.nPopups);
}
