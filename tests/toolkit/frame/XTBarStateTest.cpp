// A frame's bar state between runs: a saved layout given to a new frame (rows,
// a hidden bar, a floating place), bars the program no longer makes dropped
// from the records and rows while kept places stay kept places, the search for
// a bar's section, a damaged state applied at once, and dock windows' sizes
// kept beside their bar records.
#include "toolkit/frame/XTBarState.h"
#include "toolkit/frame/XTDockState.h"
#include "toolkit/frame/XTDockWindow.h"

#include "XTStateTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using state_test::CBoxBar;
using state_test::CStateFrame;
using state_test::IdsText;
using state_test::StateTest;
using state_test::WriteRawInt;

using XTBarStateTest = StateTest;

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

// Saves four bars: 101, 102 and (floated at 300,200) 104 at the top, 103 on
// the left, hidden if asked; gives the top and left rows as saved.
void SaveFourBars(BOOL bHide103, std::string* pTop = nullptr, std::string* pLeft = nullptr)
{
    BarSet saved;
    ASSERT_TRUE(saved.Create({ { 101, AFX_IDW_DOCKBAR_TOP },
                               { 102, AFX_IDW_DOCKBAR_TOP },
                               { 103, AFX_IDW_DOCKBAR_LEFT },
                               { 104, AFX_IDW_DOCKBAR_TOP } }));
    if (bHide103)
        saved.frame.ShowControlBar(saved.Bar(103), FALSE, FALSE);
    saved.frame.FloatControlBar(saved.Bar(104), CPoint(300, 200));
    if (pTop != nullptr)
        *pTop = IdsText(saved.frame.Rows(AFX_IDW_DOCKBAR_TOP));
    if (pLeft != nullptr)
        *pLeft = IdsText(saved.frame.Rows(AFX_IDW_DOCKBAR_LEFT));
    CXTBarState::SaveBarState(&saved.frame, "Test");
}

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
    ASSERT_NO_FATAL_FAILURE(SaveFourBars(TRUE, &strTop, &strLeft));
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
    ASSERT_NO_FATAL_FAILURE(SaveFourBars(FALSE));
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

// A frame with dock windows of the ids at the sides given, and a plain bar.
struct DockWindowSet
{
    CStateFrame frame;
    std::vector<std::unique_ptr<CXTDockWindow>> windows;
    CBoxBar toolBar;
    BOOL Create(const std::vector<std::pair<UINT, UINT>>& placed, UINT nToolBarSide)
    {
        if (!frame.CreateFrame() || !toolBar.Create(&frame, CBRS_TOP, 101))
            return FALSE;
        frame.DockControlBar(&toolBar, nToolBarSide);
        for (const auto& place : placed)
        {
            windows.push_back(std::make_unique<CXTDockWindow>());
            if (!windows.back()->Create(&frame, place.first, "Window"))
                return FALSE;
            windows.back()->EnableDocking(CBRS_ALIGN_ANY);
            frame.DockControlBar(windows.back().get(), place.second);
        }
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        frame.RecalcLayout();
        return TRUE;
    }
    CXTDockWindow* Window(UINT nID) { return static_cast<CXTDockWindow*>(frame.GetControlBar(nID)); }
    CRect ChildRect(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        frame.ScreenToClient(&rect);
        return rect;
    }
    ~DockWindowSet()
    {
        if (frame.m_hWnd != nullptr)
            frame.DestroyWindow();
    }
};

std::string SizesText(SIZE vert, SIZE horz, SIZE mruFloat, SIZE floating)
{
    std::string strText;
    for (const SIZE& size : { vert, horz, mruFloat, floating })
        strText += (strText.empty() ? "" : " ") + std::to_string(size.cx) + "x" + std::to_string(size.cy);
    return strText;
}
std::string SizesText(const CXTDockWindow* p)
{
    return SizesText(p->m_sizeVertDocked, p->m_sizeHorzDocked, p->m_sizeMRUFloat, p->m_sizeFloat);
}
std::string SizesText(const XT_BARPLACEMENT& i)
{
    return SizesText(i.sizeVertDocked, i.sizeHorzDocked, i.sizeMRUFloat, i.sizeFloat);
}

// The "Bar Position" value of the dock window's section: FALSE unless it is
// there with the record's length.
BOOL ReadBarPosition(UINT nID, XT_BARPLACEMENT& info)
{
    CString strSection;
    if (!CXTBarState::FindBarSection("Test", nID, strSection))
        return FALSE;
    CString strKey;
    strKey.Format("%s\\%s", state_test::kAppPath, (LPCSTR)strSection);
    DWORD dwSize = sizeof(info);
    return ::RegGetValueA(HKEY_CURRENT_USER, strKey, "Bar Position", RRF_RT_REG_BINARY, nullptr, &info, &dwSize) ==
               ERROR_SUCCESS &&
           dwSize == sizeof(info);
}

// Saves one dock window 201 docked on the left, sized 150 x 300.
void SaveOneDockWindow()
{
    DockWindowSet saved;
    ASSERT_TRUE(saved.Create({ { 201, AFX_IDW_DOCKBAR_LEFT } }, AFX_IDW_DOCKBAR_TOP));
    saved.Window(201)->SetBarSize(CSize(150, 300));
    saved.frame.RecalcLayout();
    CXTBarState::SaveBarState(&saved.frame, "Test");
}

TEST_F(XTBarStateTest, DockWindowsGetTheirSizesBackAfterLoadBarState)
{
    std::string strLeftSizes, strRightSizes;
    CRect rectLeft, rectRight;
    {
        DockWindowSet saved;
        ASSERT_TRUE(saved.Create({ { 201, AFX_IDW_DOCKBAR_LEFT }, { 202, AFX_IDW_DOCKBAR_RIGHT } },
                                 AFX_IDW_DOCKBAR_TOP));
        saved.Window(201)->SetBarSize(CSize(150, 300));
        saved.Window(202)->SetBarSize(CSize(90, 300));
        saved.frame.RecalcLayout();
        strLeftSizes = SizesText(saved.Window(201));
        strRightSizes = SizesText(saved.Window(202));
        rectLeft = saved.ChildRect(saved.Window(201));
        rectRight = saved.ChildRect(saved.Window(202));
        CXTBarState::SaveBarState(&saved.frame, "Test");
    }
    EXPECT_EQ(150, rectLeft.Width());
    EXPECT_EQ(90, rectRight.Width());
    // Each dock window's sizes lie in its own bar record's section.
    XT_BARPLACEMENT info;
    ASSERT_TRUE(ReadBarPosition(201, info));
    EXPECT_EQ(strLeftSizes, SizesText(info));

    DockWindowSet loaded;
    ASSERT_TRUE(loaded.Create({ { 201, AFX_IDW_DOCKBAR_RIGHT }, { 202, AFX_IDW_DOCKBAR_LEFT } },
                              AFX_IDW_DOCKBAR_BOTTOM));
    ASSERT_TRUE(CXTBarState::LoadBarState(&loaded.frame, "Test"));
    loaded.frame.RecalcLayout();
    EXPECT_EQ(strLeftSizes, SizesText(loaded.Window(201)));
    EXPECT_EQ(strRightSizes, SizesText(loaded.Window(202)));
    EXPECT_EQ(rectLeft, loaded.ChildRect(loaded.Window(201)));
    EXPECT_EQ(rectRight, loaded.ChildRect(loaded.Window(202)));
    EXPECT_EQ("101 0", IdsText(loaded.frame.Rows(AFX_IDW_DOCKBAR_TOP)));
}

// The dock window judges its value; a value it refuses keeps its sizes but not the layout from applying.
TEST_F(XTBarStateTest, BarPositionOfAnotherLengthOrWithImpossibleSizesIsIgnored)
{
    ASSERT_NO_FATAL_FAILURE(SaveOneDockWindow());
    XT_BARPLACEMENT good;
    ASSERT_TRUE(ReadBarPosition(201, good));
    CString strSection;
    ASSERT_TRUE(CXTBarState::FindBarSection("Test", 201, strSection));

    struct Case
    {
        const char* name;
        size_t nBytes;
        LONG cxVert;
        BOOL bTaken;
    };
    const Case cases[] = {
        { "the saved record", 44, 150, TRUE },
        { "40 bytes", 40, 150, FALSE },
        { "a width past 32,767", 44, 32768, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        XT_BARPLACEMENT info = good;
        info.sizeVertDocked.cx = c.cxVert;
        std::vector<BYTE> value(c.nBytes, 0);
        memcpy(value.data(), &info, std::min(c.nBytes, sizeof(info)));
        state_test::WriteRawBinary(strSection, "Bar Position", value.data(), (DWORD)value.size());

        DockWindowSet loaded;
        ASSERT_TRUE(loaded.Create({ { 201, AFX_IDW_DOCKBAR_RIGHT } }, AFX_IDW_DOCKBAR_TOP));
        std::string strBefore = SizesText(loaded.Window(201));
        ASSERT_TRUE(CXTBarState::LoadBarState(&loaded.frame, "Test"));
        EXPECT_EQ(c.bTaken ? SizesText(info) : strBefore, SizesText(loaded.Window(201)));
        // The layout is applied either way.
        EXPECT_EQ(loaded.frame.DockBar(AFX_IDW_DOCKBAR_LEFT), loaded.Window(201)->m_pDockBar);
    }
}

TEST_F(XTBarStateTest, ProfileSavedBeforeANewDockWindowIsNotApplied)
{
    ASSERT_NO_FATAL_FAILURE(SaveOneDockWindow());
    DockWindowSet loaded;
    ASSERT_TRUE(loaded.Create({ { 201, AFX_IDW_DOCKBAR_RIGHT }, { 202, AFX_IDW_DOCKBAR_RIGHT } },
                              AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_FALSE(CXTBarState::LoadBarState(&loaded.frame, "Test"));
    loaded.frame.RecalcLayout();
    EXPECT_EQ("101 0", IdsText(loaded.frame.Rows(AFX_IDW_DOCKBAR_BOTTOM)));
    EXPECT_EQ(loaded.frame.DockBar(AFX_IDW_DOCKBAR_RIGHT), loaded.Window(201)->m_pDockBar);
}

TEST_F(XTBarStateTest, FloatingDockWindowFloatsAgainWithItsSizes)
{
    std::string strSizes;
    {
        DockWindowSet saved;
        ASSERT_TRUE(saved.Create({ { 201, AFX_IDW_DOCKBAR_LEFT } }, AFX_IDW_DOCKBAR_TOP));
        saved.frame.FloatControlBar(saved.Window(201), CPoint(300, 200));
        saved.Window(201)->SetBarSize(CSize(170, 130));
        strSizes = SizesText(saved.Window(201));
        CXTBarState::SaveBarState(&saved.frame, "Test");
    }
    DockWindowSet loaded;
    ASSERT_TRUE(loaded.Create({ { 201, AFX_IDW_DOCKBAR_RIGHT } }, AFX_IDW_DOCKBAR_TOP));
    ASSERT_TRUE(CXTBarState::LoadBarState(&loaded.frame, "Test"));
    CXTDockWindow* pWindow = loaded.Window(201);
    ASSERT_NE(nullptr, pWindow->m_pDockBar);
    EXPECT_TRUE(pWindow->m_pDockBar->m_bFloating);
    EXPECT_EQ(strSizes, SizesText(pWindow));
    CRect rectFloat;
    ::GetWindowRect(::GetParent(pWindow->m_pDockBar->m_hWnd), &rectFloat);
    EXPECT_EQ(CPoint(300, 200), rectFloat.TopLeft());
    EXPECT_EQ(1, loaded.frame.VisibleFloatingFrames());
}

} // namespace
