// The common dialogs as the programs set them up, answered by the test seam,
// and the registry key wrapper.
#include "framework/Afx.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string.h>
#include <string>

using testing_support::CommonDialogScript;

namespace common_dialog_test {

TEST(FileDialog, TheSeamSeesTheSetUpAndAnswersWithThePath)
{
    CommonDialogScript script;
    CString filterSeen, defExtSeen, presetSeen;
    DWORD dwFlagsSeen = 0;
    DWORD nMaxFileSeen = 0;
    script.Answer(IDOK, [&](CCommonDialog* pDlg) {
        CFileDialog* pFileDlg = dynamic_cast<CFileDialog*>(pDlg);
        ASSERT_NE(nullptr, pFileDlg);
        const OPENFILENAMEA& ofn = pFileDlg->m_ofn;
        // The system wants the filter as zero-separated pairs ended by two zeros.
        const char* p = ofn.lpstrFilter;
        for (; *p != '\0'; p += strlen(p) + 1)
            filterSeen += CString(p) + "|";
        defExtSeen = ofn.lpstrDefExt;
        presetSeen = ofn.lpstrFile;
        dwFlagsSeen = ofn.Flags;
        nMaxFileSeen = ofn.nMaxFile;
        lstrcpynA(ofn.lpstrFile, "C:\\Menüs\\Projekt\\Velconf.ini", (int)ofn.nMaxFile);
    });
    CFileDialog dlg(TRUE, "ini", "Velconf.ini", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    "Tarnix Project Files (*.ini)|*.ini|Alle (*.*)|*.*||");
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Tarnix Project Files (*.ini)|*.ini|Alle (*.*)|*.*|"), filterSeen);
    EXPECT_EQ(CString("ini"), defExtSeen);
    EXPECT_EQ(CString("Velconf.ini"), presetSeen);
    EXPECT_EQ((DWORD)(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), dwFlagsSeen & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_GE(nMaxFileSeen, 300u);

    struct Case
    {
        const char* what;
        CString value;
        const char* expected;
    };
    const Case cases[] = {
        { "path", dlg.GetPathName(), "C:\\Menüs\\Projekt\\Velconf.ini" },
        { "name", dlg.GetFileName(), "Velconf.ini" },
        { "extension", dlg.GetFileExt(), "ini" },
        { "title", dlg.GetFileTitle(), "Velconf" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CString(c.expected), c.value);
    }
}

TEST(FileDialog, CancelAndOddInputs)
{
    CommonDialogScript script;
    CString defExtSeen, presetSeen;
    script.Answer(IDCANCEL, [&](CCommonDialog* pDlg) {
        CFileDialog* pFileDlg = dynamic_cast<CFileDialog*>(pDlg);
        defExtSeen = pFileDlg->m_ofn.lpstrDefExt;
        presetSeen = pFileDlg->m_ofn.lpstrFile;
    });
    // A preset name longer than the buffer is cut, not written past it.
    CString longName('x', 5000);
    CFileDialog dlg(FALSE, ".bmp", longName, OFN_HIDEREADONLY, "Bilder (*.bmp)|*.bmp");
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CString("bmp"), defExtSeen);
    EXPECT_EQ((int)CFileDialog::nFileNameMax - 1, presetSeen.GetLength());
    ASSERT_EQ(1u, script.Asked().size());
    EXPECT_EQ(CString("CFileDialog"), script.Asked()[0]);
}

TEST(ColorDialog, StartsOnTheColourAndKeepsTheCustomColours)
{
    CommonDialogScript script;
    COLORREF startSeen = 0;
    DWORD dwFlagsSeen = 0;
    script.Answer(IDOK, [&](CCommonDialog* pDlg) {
        CColorDialog* pColorDlg = dynamic_cast<CColorDialog*>(pDlg);
        startSeen = pColorDlg->m_cc.rgbResult;
        dwFlagsSeen = pColorDlg->m_cc.Flags;
        pColorDlg->m_cc.lpCustColors[3] = RGB(1, 2, 3);
        pColorDlg->m_cc.rgbResult = RGB(200, 100, 50);
    });
    CColorDialog dlg(RGB(10, 20, 30), CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(RGB(10, 20, 30), startSeen);
    EXPECT_EQ(0x103u, dwFlagsSeen & 0x103u);
    EXPECT_EQ(RGB(200, 100, 50), dlg.GetColor());

    COLORREF customSeen = 0;
    script.Answer(IDCANCEL, [&](CCommonDialog* pDlg) {
        customSeen = dynamic_cast<CColorDialog*>(pDlg)->m_cc.lpCustColors[3];
    });
    CColorDialog next(RGB(0, 0, 0), 0x103);
    EXPECT_EQ(IDCANCEL, next.DoModal());
    EXPECT_EQ(RGB(1, 2, 3), customSeen);
}

TEST(FontDialog, TakesAndGivesTheFontAndItsColour)
{
    CommonDialogScript script;
    CString faceSeen;
    COLORREF colorSeen = 0;
    DWORD dwFlagsSeen = 0;
    script.Answer(IDOK, [&](CCommonDialog* pDlg) {
        CFontDialog* pFontDlg = dynamic_cast<CFontDialog*>(pDlg);
        faceSeen = pFontDlg->m_cf.lpLogFont->lfFaceName;
        colorSeen = pFontDlg->m_cf.rgbColors;
        dwFlagsSeen = pFontDlg->m_cf.Flags;
        pFontDlg->m_lf.lfWeight = FW_BOLD;
        pFontDlg->m_lf.lfItalic = TRUE;
        pFontDlg->m_cf.rgbColors = RGB(0, 0, 128);
    });
    LOGFONTA lf = {};
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    lf.lfHeight = -16;
    CFontDialog dlg(&lf, CF_EFFECTS | CF_SCREENFONTS);
    dlg.m_cf.rgbColors = RGB(255, 0, 0);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(CString("Arial"), faceSeen);
    EXPECT_EQ(RGB(255, 0, 0), colorSeen);
    EXPECT_EQ(0x101u, dwFlagsSeen & 0x101u);
    EXPECT_TRUE(dwFlagsSeen & CF_INITTOLOGFONTSTRUCT);
    LOGFONTA chosen;
    dlg.GetCurrentFont(&chosen);
    EXPECT_EQ(-16, chosen.lfHeight);
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_TRUE(dlg.IsItalic());
    EXPECT_EQ(RGB(0, 0, 128), dlg.GetColor());
}

class RegKeyTest : public ::testing::Test
{
protected:
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\TarnixRegKeyTest"); }
};

TEST_F(RegKeyTest, OpensWithTheAccessAskedForAndReadsStringsBounded)
{
    CRegKey key;
    EXPECT_EQ(ERROR_SUCCESS, key.Close());   // nothing held
    EXPECT_NE(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, "Software\\TarnixRegKeyTest\\Fehlt", KEY_READ));
    EXPECT_EQ(nullptr, key.m_hKey);

    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_CURRENT_USER, "Software\\TarnixRegKeyTest"));
    EXPECT_EQ(ERROR_SUCCESS, key.SetValue("Windows Sieben", "ProductName"));
    // A value written without its ending zero.
    ::RegSetValueExA(key, "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("6.1"), 3);
    EXPECT_EQ(ERROR_SUCCESS, key.SetValue(7, "Number"));
    EXPECT_EQ(ERROR_SUCCESS, key.Close());

    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, "Software\\TarnixRegKeyTest", KEY_READ));
    // Read-only access refuses writing.
    EXPECT_NE(ERROR_SUCCESS, key.SetValue("x", "Neu"));

    struct Case
    {
        const char* name;
        DWORD nBuffer;
        LONG lExpected;
        const char* text;
    };
    const Case cases[] = {
        { "ProductName", 90, ERROR_SUCCESS, "Windows Sieben" },
        { "Bare", 90, ERROR_SUCCESS, "6.1" },
        { "Bare", 3, ERROR_MORE_DATA, "6." },
        { "ProductName", 8, ERROR_MORE_DATA, "" },
        { "Missing", 90, ERROR_FILE_NOT_FOUND, "" },
        { "Number", 90, ERROR_INVALID_DATA, nullptr },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + " in " + std::to_string(c.nBuffer));
        char buffer[100];
        memset(buffer, 'Q', sizeof(buffer));
        buffer[0] = '\0';
        DWORD n = c.nBuffer;
        EXPECT_EQ(c.lExpected, key.QueryValue(buffer, c.name, &n));
        EXPECT_EQ('Q', buffer[c.nBuffer]);   // nothing written past the buffer
        if (c.text != nullptr && c.lExpected == ERROR_SUCCESS)
        {
            EXPECT_EQ(CString(c.text), CString(buffer));
        }
        if (c.lExpected == ERROR_MORE_DATA)
        {
            EXPECT_LT(strlen(buffer), (size_t)c.nBuffer);
        }
    }
    DWORD dw = 0;
    EXPECT_EQ(ERROR_SUCCESS, key.QueryValue(dw, "Number"));
    EXPECT_EQ(7u, dw);
}

} // namespace common_dialog_test
