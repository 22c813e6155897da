// A frame's bar state between runs: a saved layout given to a new frame (rows,
// a hidden bar, a floating place), bars the program no longer makes dropped
// from the records and rows while kept places stay kept places, the search for
// a bar's section, and a damaged state applied at once.
#include "toolkit/frame/XTBarState.h"
#include "toolkit/frame/XTDockState.h"

#include "XTStateTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using state_test::CBoxBar;
using state_test::CStateFrame;
using state_test::IdsText;
using state_test::StateTest;
using state_test::WriteRawInt;

class XTBarStateTest : public StateTest
{
};

// A frame with the bars of the ids, each docked in the dock bar given.
struct BarSet
{
    CStateFrame frame;
    std::vector<std::unique_ptr<CBoxBar>> bars;
    BOOL Create(const std::vector<std::pair<UINT, UINT>>& placed)
    {
        if (!frame.CreateFrame())
            return FALSE;
        for (const auto& place : placed)
        {
            bars.push_back(std::make_unique<CBoxBar>());
            if (!bars.back()->Create(&frame, CBRS_TOP, place.first))
                return FALSE;
            frame.DockControlBar(bars.back().get(), place.second);
        }
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        frame.RecalcLayout();
        return TRUE;
    }
    CBoxBar* Bar(UINT nID) { return static_cast<CBoxBar*>(frame.GetControlBar(nID)); }
    ~BarSet()
    {
        if (frame.m_hWnd != nullptr)
            frame.DestroyWindow();
    }
};

std::vector<int> PlainIDs(const std::vector<int>& rows)
{
    std::vector<int> ids;
    for (int nID : rows)
        if (nID != 0 && nID < 0x10000)
            ids.push_back(nID);
    return ids;
}

TEST_F(XTBarStateTest, NewFrameGetsRowsHiddenBarAndFloatingPlaceBack)
{
    std::string strTop, strLeft;
    {
        BarSet saved;
        ASSERT_TRUE(saved.Create({ { 101, AFX_IDW_DOCKBAR_TOP },
                                   { 102, AFX_IDW_DOCKBAR_TOP },
                                   { 103, AFX_IDW_DOCKBAR_LEFT },
                                   { 104, AFX_IDW_DOCKBAR_TOP } }));
        saved.frame.ShowControlBar(saved.Bar(103), FALSE, FALSE);
        saved.frame.FloatControlBar(saved.Bar(104), CPoint(300, 200));
        strTop = IdsText(saved.frame.Rows(AFX_IDW_DOCKBAR_TOP));
        strLeft = IdsText(saved.frame.Rows(AFX_IDW_DOCKBAR_LEFT));
        CXTBarState::SaveBarState(&saved.frame, "Test");
    }
    EXPECT_EQ("101 0 102 0 " + std::to_string(0x10000 + 104) + " 0", strTop);

    BarSet loaded;
    ASSERT_TRUE(loaded.Create({ { 101, AFX_IDW_DOCKBAR_BOTTOM },
                                { 102, AFX_IDW_DOCKBAR_BOTTOM },
                                { 103, AFX_IDW_DOCKBAR_BOTTOM },
                                { 104, AFX_IDW_DOCKBAR_BOTTOM } }));
    ASSERT_TRUE(CXTBarState::LoadBarState(&loaded.frame, "Test"));
    loaded.frame.RecalcLayout();

    // The floating bar's place in the top row stays a kept place: the bar
    // itself floats, in one dock bar only.
    EXPECT_EQ(strTop, IdsText(loaded.frame.Rows(AFX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(strLeft, IdsText(loaded.frame.Rows(AFX_IDW_DOCKBAR_LEFT)));
    EXPECT_EQ("", IdsText(PlainIDs(loaded.frame.Rows(AFX_IDW_DOCKBAR_BOTTOM))));
    EXPECT_FALSE(loaded.Bar(103)->IsWindowVisible());
    CDockBar* pFloatBar = loaded.Bar(104)->m_pDockBar;
    ASSERT_NE(nullptr, pFloatBar);
    EXPECT_TRUE(pFloatBar->m_bFloating);
    EXPECT_EQ(pFloatBar->m_hWnd, ::GetParent(loaded.Bar(104)->m_hWnd));
    CRect rectFloat;
    ::GetWindowRect(::GetParent(pFloatBar->m_hWnd), &rectFloat);
    EXPECT_EQ(CPoint(300, 200), rectFloat.TopLeft());
    EXPECT_EQ(1, loaded.frame.VisibleFloatingFrames());
}

TEST_F(XTBarStateTest, BarsTheProgramNoLongerMakesAreDropped)
{
    {
        BarSet saved;
        ASSERT_TRUE(saved.Create({ { 101, AFX_IDW_DOCKBAR_TOP },
                                   { 102, AFX_IDW_DOCKBAR_TOP },
                                   { 103, AFX_IDW_DOCKBAR_LEFT },
                                   { 104, AFX_IDW_DOCKBAR_TOP } }));
        saved.frame.FloatControlBar(saved.Bar(104), CPoint(300, 200));
        CXTBarState::SaveBarState(&saved.frame, "Test");
    }
    BarSet loaded;
    ASSERT_TRUE(loaded.Create({ { 101, AFX_IDW_DOCKBAR_LEFT }, { 103, AFX_IDW_DOCKBAR_TOP } }));
    ASSERT_TRUE(CXTBarState::LoadBarState(&loaded.frame, "Test"));
    loaded.frame.RecalcLayout();
    EXPECT_EQ("101 0", IdsText(loaded.frame.Rows(AFX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ("103 0", IdsText(loaded.frame.Rows(AFX_IDW_DOCKBAR_LEFT)));
    // The floating frame that held only the missing bar never shows.
    EXPECT_EQ(0, loaded.frame.VisibleFloatingFrames());
}

TEST_F(XTBarStateTest, PruningDropsWhatNamesMissingBarsAndKeepsKeptPlaces)
{
    BarSet set;
    ASSERT_TRUE(set.Create({ { 101, AFX_IDW_DOCKBAR_TOP }, { 102, AFX_IDW_DOCKBAR_LEFT } }));
    struct Record
    {
        const char* name;
        UINT nBarID;
        BOOL bFloating;
        std::vector<UINT> ids;
        BOOL bKept;
        std::vector<UINT> idsAfter;
    };
    const std::vector<Record> records = {
        { "dock bar: missing ids and their kept places go", AFX_IDW_DOCKBAR_TOP, FALSE,
          { 101, 0x10000 + 102, 0, 0x10000 + 103, 103, 0x10000, 0 }, TRUE, { 101, 0x10000 + 102, 0, 0 } },
        { "docked record of a missing bar", 103, FALSE, {}, FALSE, {} },
        { "docked record of a present bar", 102, FALSE, {}, TRUE, {} },
        { "floating record stays, emptied", AFX_IDW_DOCKBAR_FLOAT, TRUE, { 103, 0 }, TRUE, { 0 } },
        { "docked record of an unknown dock bar", 59500, FALSE, { 101, 0 }, FALSE, {} },
        { "an id above 16 bits is no bar", 0x10000 + 101, FALSE, {}, FALSE, {} },
    };
    CXTDockState state;
    for (const Record& r : records)
    {
        CControlBarInfo* pInfo = state.NewBarInfo();
        pInfo->m_nBarID = r.nBarID;
        pInfo->m_bFloating = r.bFloating;
        for (UINT nID : r.ids)
            pInfo->m_arrBarID.Add(reinterpret_cast<void*>((UINT_PTR)nID));
        state.m_arrBarInfo.Add(pInfo);
    }
    CXTBarState::PruneDockState(&set.frame, state);

    INT_PTR nIndex = 0;
    for (const Record& r : records)
    {
        SCOPED_TRACE(r.name);
        if (!r.bKept)
        {
            if (nIndex < state.m_arrBarInfo.GetSize())
            {
                EXPECT_NE(r.nBarID, static_cast<CControlBarInfo*>(state.m_arrBarInfo[nIndex])->m_nBarID);
            }
            continue;
        }
        ASSERT_LT(nIndex, state.m_arrBarInfo.GetSize());
        const CControlBarInfo* pInfo = static_cast<const CControlBarInfo*>(state.m_arrBarInfo[nIndex++]);
        EXPECT_EQ(r.nBarID, pInfo->m_nBarID);
        std::vector<int> ids;
        for (INT_PTR i = 0; i < pInfo->m_arrBarID.GetSize(); ++i)
            ids.push_back((int)(UINT_PTR)pInfo->m_arrBarID[i]);
        EXPECT_EQ(IdsText(std::vector<int>(r.idsAfter.begin(), r.idsAfter.end())), IdsText(ids));
    }
    EXPECT_EQ(nIndex, state.m_arrBarInfo.GetSize());
}

TEST_F(XTBarStateTest, BarSectionIsFoundAmongTheSectionsTheSummaryCounts)
{
    struct Case
    {
        const char* name;
        int nSummaryBars;
        std::vector<int> sectionIDs;   // -1: a section without "BarID"
        UINT nBarID;
        BOOL bFound;
        const char* section;
    };
    const Case cases[] = {
        { "second section", 3, { 101, 102, 103 }, 102, TRUE, "Test-Bar1" },
        { "compared in 16 bits", 3, { 101, 102, 103 }, 0x10000 + 101, TRUE, "Test-Bar0" },
        { "a section without an id ends the search", 3, { 101, -1, 103 }, 103, FALSE, nullptr },
        { "a section left from an older, longer layout", 2, { 101, 102, 103 }, 103, FALSE, nullptr },
        { "no summary", -1, { 101 }, 101, FALSE, nullptr },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, state_test::kAppPath);
        if (c.nSummaryBars >= 0)
            WriteRawInt("Test-Summary", "Bars", c.nSummaryBars);
        for (size_t i = 0; i < c.sectionIDs.size(); ++i)
        {
            CString strSection;
            strSection.Format("Test-Bar%d", (int)i);
            WriteRawInt(strSection, c.sectionIDs[i] == -1 ? "Visible" : "BarID", c.sectionIDs[i]);
        }
        CString strSection;
        EXPECT_EQ(c.bFound, CXTBarState::FindBarSection("Test", c.nBarID, strSection));
        if (c.bFound)
        {
            EXPECT_STREQ(c.section, strSection);
        }
    }
}

TEST_F(XTBarStateTest, DamagedStateLoadsAtOnce)
{
    WriteRawInt("Test-Summary", "Bars", 100000000);
    WriteRawInt("Test-Summary", "ScreenCX", 0);
    WriteRawInt("Test-Summary", "ScreenCY", 0);
    // The top dock bar lists a bar twice, kept places of a missing and of a
    // floating bar, and a dock bar; the floating record lists the same bar.
    const int topIDs[] = { 101, 0, 101, 0x10000 + 999, 999, AFX_IDW_DOCKBAR_LEFT, 0x10000 + 102, -1, 0 };
    WriteRawInt("Test-Bar0", "BarID", AFX_IDW_DOCKBAR_TOP);
    WriteRawInt("Test-Bar0", "Bars", (int)(sizeof(topIDs) / sizeof(topIDs[0])));
    for (int i = 0; i < (int)(sizeof(topIDs) / sizeof(topIDs[0])); ++i)
    {
        CString strEntry;
        strEntry.Format("Bar#%d", i);
        WriteRawInt("Test-Bar0", strEntry, topIDs[i]);
    }
    WriteRawInt("Test-Bar1", "BarID", 101);
    WriteRawInt("Test-Bar1", "XPos", 100000);
    WriteRawInt("Test-Bar1", "MRUWidth", -7);
    WriteRawInt("Test-Bar1", "Docking", 1);
    WriteRawInt("Test-Bar1", "MRUDockID", 12345);
    WriteRawInt("Test-Bar2", "BarID", AFX_IDW_DOCKBAR_FLOAT);
    WriteRawInt("Test-Bar2", "Floating", 1);
    WriteRawInt("Test-Bar2", "XPos", -100000);
    WriteRawInt("Test-Bar2", "YPos", 100000);
    WriteRawInt("Test-Bar2", "Bars", 100000000);
    WriteRawInt("Test-Bar2", "Bar#0", 102);

    BarSet set;
    ASSERT_TRUE(set.Create({ { 101, AFX_IDW_DOCKBAR_LEFT }, { 102, AFX_IDW_DOCKBAR_LEFT } }));
    DWORD dwStart = ::GetTickCount();
    EXPECT_TRUE(CXTBarState::LoadBarState(&set.frame, "Test"));
    set.frame.RecalcLayout();
    EXPECT_LT(::GetTickCount() - dwStart, 5000u);

    // Each bar lies in exactly one dock bar, as that dock bar's child.
    for (UINT nID : { 101u, 102u })
    {
        SCOPED_TRACE(nID);
        CControlBar* pBar = set.Bar(nID);
        ASSERT_NE(nullptr, pBar->m_pDockBar);
        EXPECT_EQ(pBar->m_pDockBar->m_hWnd, ::GetParent(pBar->m_hWnd));
        int nHolders = 0;
        for (POSITION pos = set.frame.m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            CControlBar* pOther = static_cast<CControlBar*>(set.frame.m_listControlBars.GetNext(pos));
            if (!pOther->IsDockBar())
                continue;
            CDockBar* pDockBar = static_cast<CDockBar*>(pOther);
            for (INT_PTR i = 0; i < pDockBar->m_arrBars.GetSize(); ++i)
                if (CDockBar::BarAt(pDockBar->m_arrBars[i]) == pBar)
                    ++nHolders;
        }
        EXPECT_EQ(1, nHolders);
    }
    EXPECT_EQ("101", IdsText(PlainIDs(set.frame.Rows(AFX_IDW_DOCKBAR_TOP))));
    EXPECT_TRUE(set.Bar(102)->m_pDockBar->m_bFloating);
}

} // namespace
