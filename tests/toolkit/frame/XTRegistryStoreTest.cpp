#include "toolkit/frame/XTRegistryStore.h"

#include "toolkit/frame/XTGlobalData.h"

#include "framework/WinApp.h"
#include "helpers/TestSupport.h"
#include "toolkit/bars/XTTestAppKey.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char kCompany[] = "TarnixToolkitStoreTest";
const char kProfile[] = "Store";
const char kSectionPath[] = "Software\\TarnixToolkitStoreTest\\Store\\Bars";

// The test application's registry key is the test's own.
class RegistryStoreTest : public testing::Test
{
protected:
    static BOOL RawValue(LPCSTR pszEntry, DWORD& dwType, std::vector<BYTE>& data)
    {
        DWORD dwSize = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, kSectionPath, pszEntry, RRF_RT_ANY | RRF_NOEXPAND, &dwType, nullptr,
                           &dwSize) != ERROR_SUCCESS)
            return FALSE;
        data.resize(dwSize);
        return ::RegGetValueA(HKEY_CURRENT_USER, kSectionPath, pszEntry, RRF_RT_ANY | RRF_NOEXPAND, &dwType,
                              data.data(), &dwSize) == ERROR_SUCCESS;
    }

    toolkit_test::AppKeyScope m_key { kCompany, kProfile };
};

TEST_F(RegistryStoreTest, ValuesRoundTripBelowTheApplicationsKey)
{
    CXTRegistryStore store;
    EXPECT_TRUE(store.WriteProfileInt("Bars", "Count", -7));
    EXPECT_TRUE(store.WriteProfileString("Bars", "Name", "Grüße"));
    const BYTE bytes[] = { 0, 1, 0xFF, 0x80 };
    EXPECT_TRUE(store.WriteProfileBinary("Bars", "Data", bytes, sizeof(bytes)));

    DWORD dwType = 0;
    std::vector<BYTE> raw;
    ASSERT_TRUE(RawValue("Count", dwType, raw));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    ASSERT_TRUE(RawValue("Name", dwType, raw));
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_EQ(6u, raw.size());   // the text and its terminator
    ASSERT_TRUE(RawValue("Data", dwType, raw));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);

    CXTRegistryStore reader;
    EXPECT_EQ((UINT)-7, reader.GetProfileInt("Bars", "Count", 3));
    EXPECT_EQ(CString("Grüße"), reader.GetProfileString("Bars", "Name", "x"));
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(reader.GetProfileBinary("Bars", "Data", &pData, &nBytes));
    ASSERT_EQ(sizeof(bytes), nBytes);
    EXPECT_EQ(0, memcmp(bytes, pData, nBytes));
    delete[] pData;

    EXPECT_TRUE(reader.DeleteValue("Bars", "Count"));
    EXPECT_EQ(3u, reader.GetProfileInt("Bars", "Count", 3));
    EXPECT_FALSE(reader.DeleteValue("Bars", "Count"));
    EXPECT_TRUE(reader.WriteProfileString("Bars", "Name", nullptr));
    EXPECT_EQ(CString("gone"), reader.GetProfileString("Bars", "Name", "gone"));
    EXPECT_TRUE(reader.WriteProfileString("Bars", nullptr, nullptr));   // the whole section
    HKEY hKey = nullptr;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &hKey));
}

TEST_F(RegistryStoreTest, StrangeStoredValuesGiveDefaults)
{
    CXTRegistryStore store;
    store.WriteProfileInt("Bars", "Number", 5);
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_SET_VALUE, &hKey));
    ::RegSetValueExA(hKey, "Unterminated", 0, REG_SZ, (const BYTE*)"abcd", 4);
    ::RegSetValueExA(hKey, "Short", 0, REG_BINARY, (const BYTE*)"ab", 2);
    ::RegCloseKey(hKey);

    EXPECT_EQ(CString("abcd"), store.GetProfileString("Bars", "Unterminated", "x"));
    EXPECT_EQ(CString("x"), store.GetProfileString("Bars", "Number", "x"));   // not a string
    EXPECT_EQ(9u, store.GetProfileInt("Bars", "Short", 9));                   // not a number
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    EXPECT_FALSE(store.GetProfileBinary("Bars", "Number", &pData, &nBytes));
    EXPECT_EQ(nullptr, pData);
}

TEST_F(RegistryStoreTest, WithoutRegistryKeyReadsDefaultAndWritesFail)
{
    AfxGetApp()->m_pszRegistryKey = nullptr;
    CXTRegistryStore store;
    EXPECT_FALSE(store.WriteProfileInt("Bars", "Count", 1));
    EXPECT_FALSE(store.WriteProfileString("Bars", "Name", "x"));
    EXPECT_FALSE(store.WriteProfileBinary("Bars", "Data", (const BYTE*)"x", 1));
    EXPECT_FALSE(store.DeleteValue("Bars", "Count"));
    EXPECT_EQ(4u, store.GetProfileInt("Bars", "Count", 4));
    EXPECT_EQ(CString("d"), store.GetProfileString("Bars", "Name", "d"));
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    EXPECT_FALSE(store.GetProfileBinary("Bars", "Data", &pData, &nBytes));
}

// Points the toolkit's settings at an INI file of the test.
class IniStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_strSaved = xtAfxData.m_strIniOverride;
        m_strIni = m_folder.File("toolkit.ini");
        xtAfxData.m_strIniOverride = m_strIni;
    }
    void TearDown() override { xtAfxData.m_strIniOverride = m_strSaved; }

    testing_support::TempFolder m_folder;
    CString m_strIni;
    CString m_strSaved;
};

TEST_F(IniStoreTest, BinaryValuesAreLettersTwoPerByte)
{
    CXTRegistryStore store;
    const BYTE bytes[] = { 0x00, 0xFF, 0x1F };
    ASSERT_TRUE(store.WriteProfileBinary("Settings", "Options", bytes, sizeof(bytes)));
    char text[64] = {};
    ::GetPrivateProfileStringA("Settings", "Options", "", text, sizeof(text), m_strIni);
    EXPECT_STREQ("AAPPPB", text);

    std::vector<BYTE> big(3000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = (BYTE)(i * 7);
    ASSERT_TRUE(store.WriteProfileBinary("Settings", "Big", big.data(), (UINT)big.size()));
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(store.GetProfileBinary("Settings", "Big", &pData, &nBytes));
    ASSERT_EQ(big.size(), nBytes);
    EXPECT_EQ(0, memcmp(big.data(), pData, nBytes));
    delete[] pData;
}

TEST_F(IniStoreTest, MalformedBinaryTextIsNoValue)
{
    CXTRegistryStore store;
    const char* texts[] = { "AAP", "AAQA", "aa", "" };
    for (const char* text : texts)
    {
        SCOPED_TRACE(text);
        ::WritePrivateProfileStringA("Settings", "Bad", text, m_strIni);
        BYTE* pData = nullptr;
        UINT nBytes = 0;
        EXPECT_FALSE(store.GetProfileBinary("Settings", "Bad", &pData, &nBytes));
        EXPECT_EQ(nullptr, pData);
    }
}

TEST_F(IniStoreTest, ValuesAndDeletionGoToTheFile)
{
    CXTRegistryStore store;
    ASSERT_TRUE(store.WriteProfileInt("Settings", "Count", -3));
    ASSERT_TRUE(store.WriteProfileString("Settings", "Name", "Bar"));
    EXPECT_EQ((UINT)-3, store.GetProfileInt("Settings", "Count", 0));
    EXPECT_EQ(CString("Bar"), store.GetProfileString("Settings", "Name", ""));
    EXPECT_TRUE(store.DeleteValue("Settings", "Count"));
    EXPECT_EQ(8u, store.GetProfileInt("Settings", "Count", 8));
    EXPECT_EQ(-1, testing_support::ReadFileText(m_strIni).Find("Count"));
    EXPECT_TRUE(store.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_EQ(CString("none"), store.GetProfileString("Settings", "Name", "none"));
}

} // namespace
