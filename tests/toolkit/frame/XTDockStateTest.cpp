// The dock state in the toolkit's settings store: the sections and values a
// saved layout writes, the INI file taking them when the global data names
// one, and damaged states read only as far as their data goes.
#include "toolkit/frame/XTDockState.h"
#include "toolkit/frame/XTGlobalData.h"

#include "XTStateTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using state_test::CBoxBar;
using state_test::CStateFrame;
using state_test::RawInt;
using state_test::StateTest;
using state_test::WriteRawInt;

class XTDockStateTest : public StateTest
{
};

// The values of one section, by name.
std::map<std::string, int> SectionValues(int nIndex)
{
    static const char* const entries[] = { "BarID", "Visible", "Horz", "Floating", "XPos", "YPos", "MRUWidth",
                                           "Docking", "MRUDockID", "Bars", "Bar#0", "Bar#2" };
    CString strSection;
    strSection.Format("Test-Bar%d", nIndex);
    std::map<std::string, int> values;
    for (const char* pszEntry : entries)
    {
        int nValue = 0;
        if (RawInt(strSection, pszEntry, nValue))
            values[pszEntry] = nValue;
    }
    return values;
}

TEST_F(XTDockStateTest, SavedLayoutWritesGaplessSectionsWithTheValuesEachBarNeeds)
{
    CStateFrame frame;
    ASSERT_TRUE(frame.CreateFrame());
    CBoxBar top, left, floating;
    ASSERT_TRUE(top.Create(&frame, CBRS_TOP, 101));
    ASSERT_TRUE(left.Create(&frame, CBRS_LEFT, 102));
    ASSERT_TRUE(floating.Create(&frame, CBRS_TOP, 103));
    frame.DockControlBar(&top);
    frame.DockControlBar(&left);
    frame.DockControlBar(&floating, AFX_IDW_DOCKBAR_TOP);
    frame.ShowControlBar(&left, FALSE, FALSE);
    frame.FloatControlBar(&floating, CPoint(300, 200));
    frame.RecalcLayout();

    CXTDockState state;
    frame.GetDockState(state);
    state.SaveState("Test");

    // Records: the three bars, the four dock bars and the floating one. The
    // empty bottom and right dock bars need no section and take no index.
    int nBars = -1;
    ASSERT_TRUE(RawInt("Test-Summary", "Bars", nBars));
    EXPECT_EQ(6, nBars);
    int nScreen = 0;
    EXPECT_TRUE(RawInt("Test-Summary", "ScreenCX", nScreen));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), nScreen);
    std::map<int, std::map<std::string, int>> byID;
    for (int i = 0; i < nBars; ++i)
    {
        std::map<std::string, int> values = SectionValues(i);
        ASSERT_EQ(1u, values.count("BarID")) << i;
        byID[values["BarID"]] = values;
    }
    EXPECT_TRUE(SectionValues(nBars).empty());
    EXPECT_EQ(0u, byID.count(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(0u, byID.count(AFX_IDW_DOCKBAR_RIGHT));

    struct Case
    {
        const char* name;
        UINT nID;
        std::map<std::string, int> absent;   // values that must not be written (0 = dont care)
        std::map<std::string, int> expected;
    };
    const Case cases[] = {
        { "docked bar: no Horz, no Floating, Visible only when hidden", 101,
          { { "Horz", 0 }, { "Floating", 0 }, { "Visible", 0 }, { "Bars", 0 } }, { { "Docking", 1 } } },
        { "hidden bar", 102, { { "Horz", 0 }, { "Floating", 0 } }, { { "Visible", 0 } } },
        { "floating bar keeps its dock context's places", 103, { { "Horz", 0 }, { "Floating", 0 } },
          { { "Docking", 1 }, { "MRUDockID", AFX_IDW_DOCKBAR_TOP } } },
        { "floating dock bar", AFX_IDW_DOCKBAR_FLOAT, {},
          { { "Horz", 1 }, { "Floating", 1 }, { "XPos", 300 }, { "YPos", 200 }, { "Bars", 2 }, { "Bar#0", 103 } } },
        { "top dock bar: rows with the floating bar's kept place", AFX_IDW_DOCKBAR_TOP,
          { { "Horz", 0 }, { "Floating", 0 } }, { { "Bars", 4 }, { "Bar#0", 101 }, { "Bar#2", 0x10000 + 103 } } },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(1u, byID.count((int)c.nID));
        std::map<std::string, int>& values = byID[(int)c.nID];
        for (const auto& absent : c.absent)
            EXPECT_EQ(0u, values.count(absent.first)) << absent.first;
        for (const auto& expected : c.expected)
        {
            ASSERT_EQ(1u, values.count(expected.first)) << expected.first;
            EXPECT_EQ(expected.second, values[expected.first]) << expected.first;
        }
    }
    frame.DestroyWindow();
}

TEST_F(XTDockStateTest, MissingSectionReadsAsAnEmptyVisibleHorizontalDockedRecord)
{
    WriteRawInt("Test-Summary", "Bars", 1);
    CXTDockState state;
    state.LoadState("Test");
    EXPECT_EQ(0, state.m_arrBarInfo.GetSize());

    CControlBarInfo info;
    info.m_bVisible = FALSE;
    info.m_bHorz = FALSE;
    info.m_bFloating = TRUE;
    EXPECT_FALSE(info.LoadState("Test", 0, &state));
    EXPECT_EQ(0u, info.m_nBarID);
    EXPECT_TRUE(info.m_bVisible);
    EXPECT_TRUE(info.m_bHorz);
    EXPECT_FALSE(info.m_bFloating);
}

TEST_F(XTDockStateTest, DamagedStateIsReadOnlyAsFarAsItsData)
{
    struct Case
    {
        const char* name;
        int nSummaryBars;
        int nScreenCX;
        int nSectionBars;   // "Bars" of the first section
        int nRecords;
        int nIDs;
        BOOL bScaling;
    };
    const Case cases[] = {
        { "huge summary count, screen 0", 100000000, 0, 2, 2, 2, FALSE },
        { "negative summary count", -5, 800, 2, 0, 0, TRUE },
        { "negative id count", 2, 800, -3, 2, 0, TRUE },
        { "huge id count stops at 1,024", 1, 0, 100000000, 1, AFX_DOCKSTATE_MAX_IDS, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, state_test::kAppPath);
        WriteRawInt("Test-Summary", "Bars", c.nSummaryBars);
        WriteRawInt("Test-Summary", "ScreenCX", c.nScreenCX);
        WriteRawInt("Test-Summary", "ScreenCY", c.nScreenCX);
        WriteRawInt("Test-Bar0", "BarID", AFX_IDW_DOCKBAR_TOP);
        WriteRawInt("Test-Bar0", "Bars", c.nSectionBars);
        WriteRawInt("Test-Bar0", "Bar#1", 101);
        WriteRawInt("Test-Bar1", "BarID", 101);
        WriteRawInt("Test-Bar1", "XPos", 400);

        DWORD dwStart = ::GetTickCount();
        CXTDockState state;
        state.LoadState("Test");
        EXPECT_LT(::GetTickCount() - dwStart, 3000u);
        ASSERT_EQ(c.nRecords, state.m_arrBarInfo.GetSize());
        EXPECT_EQ(c.bScaling, state.m_bScaling);
        if (c.nRecords == 0)
            continue;
        const CControlBarInfo* pInfo = static_cast<const CControlBarInfo*>(state.m_arrBarInfo[0]);
        ASSERT_EQ(c.nIDs, pInfo->m_arrBarID.GetSize());
        if (c.nIDs > 1)
        {
            EXPECT_EQ(101u, (UINT)(UINT_PTR)pInfo->m_arrBarID[1]);
        }
    }
}

TEST_F(XTDockStateTest, IniOverrideTakesTheWholeStateAndTheRegistryStaysEmpty)
{
    testing_support::TempFolder folder;
    CString strIni = folder.File("bars.ini");
    CString strSaved = xtAfxData.m_strIniOverride;
    xtAfxData.m_strIniOverride = strIni;

    CXTDockState saved;
    CControlBarInfo* pInfo = saved.NewBarInfo();
    pInfo->m_nBarID = 101;
    pInfo->m_bFloating = TRUE;
    pInfo->m_bHorz = FALSE;
    pInfo->m_pointPos = CPoint(120, 80);
    pInfo->m_bDocking = TRUE;
    pInfo->m_uMRUDockID = AFX_IDW_DOCKBAR_LEFT;
    pInfo->m_rectMRUDockPos = CRect(1, 2, 30, 40);
    pInfo->m_arrBarID.Add(nullptr);
    pInfo->m_arrBarID.Add(reinterpret_cast<void*>((UINT_PTR)0x10066));
    saved.m_arrBarInfo.Add(pInfo);
    saved.SaveState("Test");

    CXTDockState loaded;
    loaded.LoadState("Test");
    xtAfxData.m_strIniOverride = strSaved;

    char szText[32] = "";
    ::GetPrivateProfileStringA("Test-Bar0", "MRUDockID", "", szText, sizeof(szText), strIni);
    EXPECT_STREQ("59420", szText);
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, state_test::kAppPath, 0, KEY_READ, &hKey));

    ASSERT_EQ(1, loaded.m_arrBarInfo.GetSize());
    const CControlBarInfo* pBack = static_cast<const CControlBarInfo*>(loaded.m_arrBarInfo[0]);
    EXPECT_EQ(101u, pBack->m_nBarID);
    EXPECT_TRUE(pBack->m_bFloating);
    EXPECT_FALSE(pBack->m_bHorz);
    EXPECT_EQ(CPoint(120, 80), pBack->m_pointPos);
    EXPECT_EQ(CRect(1, 2, 30, 40), pBack->m_rectMRUDockPos);
    ASSERT_EQ(2, pBack->m_arrBarID.GetSize());
    EXPECT_EQ(0x10066u, (UINT)(UINT_PTR)pBack->m_arrBarID[1]);
}

} // namespace
