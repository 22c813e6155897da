#include "toolkit/frame/XTWindowPlacement.h"

#include "toolkit/bars/XTTestAppKey.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kCompany[] = "TarnixToolkitPlacementTest";
const char kProfile[] = "Placement";
const char kSettingsPath[] = "Software\\TarnixToolkitPlacementTest\\Placement\\Settings";

// A real top-level window that goes away with the test.
class CPlacedWnd : public CWnd
{
public:
    CPlacedWnd() { EXPECT_TRUE(CreateEx(0, nullptr, "Placed", WS_OVERLAPPEDWINDOW, 40, 40, 200, 150, nullptr, nullptr)); }
    ~CPlacedWnd() override
    {
        if (GetSafeHwnd() != nullptr)
            DestroyWindow();
    }
    WINDOWPLACEMENT Placement() const
    {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        EXPECT_TRUE(::GetWindowPlacement(GetSafeHwnd(), &placement));
        return placement;
    }
};

class WindowPlacementTest : public testing::Test
{
protected:
    static std::vector<BYTE> StoredValue(LPCSTR pszName)
    {
        DWORD dwType = 0, dwSize = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, kSettingsPath, pszName, RRF_RT_ANY, &dwType, nullptr, &dwSize) !=
                ERROR_SUCCESS ||
            dwType != REG_BINARY)
            return {};
        std::vector<BYTE> data(dwSize);
        ::RegGetValueA(HKEY_CURRENT_USER, kSettingsPath, pszName, RRF_RT_ANY, &dwType, data.data(), &dwSize);
        return data;
    }
    static void StoreValue(LPCSTR pszName, const void* pData, DWORD nBytes)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_SET_VALUE,
                                                   nullptr, &hKey, nullptr));
        ::RegSetValueExA(hKey, pszName, 0, REG_BINARY, (const BYTE*)pData, nBytes);
        ::RegCloseKey(hKey);
    }
    // A stored record for the normal rectangle, with the given length field.
    static XT_WINDOWPLACEMENT_RECORD MakeRecord(UINT nLength, const RECT& rcNormal)
    {
        XT_WINDOWPLACEMENT_RECORD record = {};
        record.placement.length = nLength;
        record.placement.showCmd = SW_SHOWNORMAL;
        record.placement.rcNormalPosition = rcNormal;
        return record;
    }

    toolkit_test::AppKeyScope m_key { kCompany, kProfile };
};

TEST_F(WindowPlacementTest, ASavedNormalRectangleComesBack)
{
    CPlacedWnd wnd;
    wnd.SetWindowPos(nullptr, 70, 80, 300, 220, SWP_NOZORDER | SWP_NOACTIVATE);
    CXTWindowPlacement saver;
    ASSERT_TRUE(saver.SaveWindowPos(&wnd));

    std::vector<BYTE> stored = StoredValue("Window Position");
    ASSERT_EQ(48u, stored.size());
    XT_WINDOWPLACEMENT_RECORD record;
    memcpy(&record, stored.data(), sizeof(record));
    EXPECT_EQ(0u, record.dwReserved);
    EXPECT_EQ(48u, record.placement.length);
    EXPECT_EQ(CRect(70, 80, 370, 300), CRect(record.placement.rcNormalPosition));

    wnd.SetWindowPos(nullptr, 10, 20, 100, 90, SWP_NOZORDER | SWP_NOACTIVATE);
    CXTWindowPlacement loader;
    ASSERT_TRUE(loader.LoadWindowPos(&wnd));
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    EXPECT_EQ(CRect(70, 80, 370, 300), rcWindow);
    EXPECT_EQ(48u, loader.GetRecord().placement.length);
}

// Which show command comes back for a window saved minimised or maximised,
// with and without a value name.
TEST_F(WindowPlacementTest, ShowCommandsAsStored)
{
    struct Case
    {
        int nShow;
        LPCSTR pszName;
        UINT nStoredShow;
        BOOL bIconicAfterLoad;
        BOOL bZoomedAfterLoad;
    };
    const Case cases[] = {
        { SW_MINIMIZE, nullptr, SW_SHOWNORMAL, FALSE, FALSE },
        { SW_MINIMIZE, "Tool Window", SW_SHOWMINIMIZED, TRUE, FALSE },
        { SW_MAXIMIZE, nullptr, SW_SHOWMAXIMIZED, FALSE, TRUE },
        { SW_SHOWNORMAL, "Tool Window", SW_SHOWNORMAL, FALSE, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "show " << c.nShow << " as " << (c.pszName ? c.pszName : "(default)"));
        RECT rcNormal = {};
        {
            CPlacedWnd wnd;
            wnd.SetWindowPos(nullptr, 60, 50, 250, 200, SWP_NOZORDER | SWP_NOACTIVATE);
            wnd.ShowWindow(c.nShow);
            rcNormal = wnd.Placement().rcNormalPosition;
            CXTWindowPlacement saver;
            ASSERT_TRUE(saver.SaveWindowPos(&wnd, c.pszName));
            EXPECT_EQ(c.nStoredShow, saver.GetRecord().placement.showCmd);
        }
        CPlacedWnd wnd;
        CXTWindowPlacement loader;
        ASSERT_TRUE(loader.LoadWindowPos(&wnd, c.pszName));
        EXPECT_EQ(c.bIconicAfterLoad, !!wnd.IsIconic());
        EXPECT_EQ(c.bZoomedAfterLoad, !!wnd.IsZoomed());
        EXPECT_EQ(CRect(rcNormal), CRect(wnd.Placement().rcNormalPosition));
        if (!c.bIconicAfterLoad && !c.bZoomedAfterLoad)
        {
            CRect rcWindow;
            wnd.GetWindowRect(&rcWindow);
            EXPECT_EQ(CRect(60, 50, 310, 250), rcWindow);
        }
    }
}

// Stored values of every shape: only 48 bytes whose length field is 44 or 48 are read.
TEST_F(WindowPlacementTest, OnlyWellFormedRecordsAreRead)
{
    const RECT rcStored = { 90, 100, 290, 260 };
    struct Case
    {
        const char* pszWhat;
        UINT nLengthField;
        DWORD nValueBytes;
        BOOL bRead;
    };
    const Case cases[] = {
        { "record as stored", 48, 48, TRUE },
        { "structure's own length", 44, 48, TRUE },
        { "unknown length field", 40, 48, FALSE },
        { "zero length field", 0, 48, FALSE },
        { "short value", 48, 40, FALSE },
        { "long value", 48, 52, FALSE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        std::vector<BYTE> value(64, 0);
        XT_WINDOWPLACEMENT_RECORD record = MakeRecord(c.nLengthField, rcStored);
        memcpy(value.data(), &record, sizeof(record));
        StoreValue("Window Position", value.data(), c.nValueBytes);

        CXTWindowPlacement wndPos;
        EXPECT_EQ(c.bRead, wndPos.ReadPlacement());
        EXPECT_EQ(48u, wndPos.GetRecord().placement.length);
        EXPECT_EQ(c.bRead ? rcStored.right : 0, wndPos.GetRecord().placement.rcNormalPosition.right);

        CPlacedWnd wnd;
        EXPECT_EQ(c.bRead, wndPos.LoadWindowPos(&wnd));
        CRect rcWindow;
        wnd.GetWindowRect(&rcWindow);
        EXPECT_EQ(c.bRead ? CRect(rcStored) : CRect(40, 40, 240, 190), rcWindow);
    }
}

TEST_F(WindowPlacementTest, ANewRecordHoldsTheStoredLengthAndNothingGoesWithoutWindowOrStore)
{
    CXTWindowPlacement wndPos;
    EXPECT_EQ(0u, wndPos.GetRecord().dwReserved);
    EXPECT_EQ(48u, wndPos.GetRecord().placement.length);
    EXPECT_EQ((UINT)SW_SHOW, wndPos.GetRecord().placement.showCmd);
    EXPECT_EQ(0, wndPos.GetRecord().placement.rcNormalPosition.right);
    EXPECT_FALSE(wndPos.SaveWindowPos(nullptr));
    EXPECT_FALSE(wndPos.ReadPlacement());   // nothing saved yet
    {
        CPlacedWnd wnd;
        EXPECT_FALSE(wndPos.LoadWindowPos(&wnd));
        ASSERT_TRUE(wndPos.SaveWindowPos(&wnd, "Gone"));
        wnd.DestroyWindow();
        EXPECT_FALSE(wndPos.SaveWindowPos(&wnd, "Gone"));
        EXPECT_FALSE(wndPos.LoadWindowPos(&wnd, "Gone"));
    }
    EXPECT_FALSE(wndPos.LoadWindowPos(nullptr, "Gone"));

    LPCSTR pszSavedKey = AfxGetApp()->m_pszRegistryKey;
    AfxGetApp()->m_pszRegistryKey = nullptr;
    CPlacedWnd wnd;
    EXPECT_FALSE(wndPos.SaveWindowPos(&wnd));
    AfxGetApp()->m_pszRegistryKey = pszSavedKey;
}

} // namespace
