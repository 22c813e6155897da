#include "shared/menuobj/PopupMenuDesc.h"

#include "shared/menuobj/MButCreateStruct.h"

#include "PopupMenuWatcher.h"

#include <gtest/gtest.h>

using menuobj_testing::CPopupMenuWatcher;
using menuobj_testing::MenuEntries;

namespace {

// Shows the description's menu and closes it once it is on the screen.
void Track(CPopupMenuWatcher& watcher, CPopupMenuDesc& desc, CMButCreateStruct* pStruct)
{
    watcher.Track([&] { desc.TrackPopup(pStruct, FALSE); });
}

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

    // An empty text leaves no item.
    desc.SetText("TEXT=Info:DOCUMENT=a.txt");
    desc.SetText("");
    EXPECT_EQ(0, desc.GetItemCount());
    EXPECT_EQ("", desc.GetItem(0));
}

TEST(PopupMenuDescTest, TrackPopupShowsTheEntryJustBelowTheButton)
{
    CPopupMenuWatcher page;
    CMButCreateStruct but;
    but.m_strDocument = "<POPUPMENU00>";
    but.m_rect = { 20, 30, 120, 56 };
    CPopupMenuDesc desc;
    desc.Bind(0, &but, &page);
    desc.SetText("TEXT=Liesmich:DOCUMENT=_CURRENTDIR_\\liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");

    Track(page, desc, &but);
    EXPECT_EQ(1, page.nPopups);
    EXPECT_EQ((MenuEntries{ { ID_POPUPMENU_FIRST, "Liesmich" } }), page.entries);
    CPoint ptClient(25, 56);
    page.ClientToScreen(&ptClient);
    EXPECT_EQ(ptClient, page.rcMenu.TopLeft());
}

TEST(PopupMenuDescTest, NoMenuWithoutAUsableEntryOrPopupButton)
{
    CPopupMenuWatcher page;
    CMButCreateStruct but;
    but.m_strDocument = "<POPUPMENU00>";
    CPopupMenuDesc desc;
    desc.Bind(0, &but, &page);

    SCOPED_TRACE("no item");
    Track(page, desc, &but);
    desc.SetText("TEXT=:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");
    Track(page, desc, &but);
    desc.SetText("Info:DOCUMENT=liesmich.txt");
    Track(page, desc, &but);
    EXPECT_EQ(0, page.nPopups);

    desc.SetText("TEXT=Info:DOCUMENT=liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE");
    but.m_strDocument = "<LISTBOX>";
    Track(page, desc, &but);
    Track(page, desc, nullptr);
    EXPECT_EQ(0, page.nPopups);
}
