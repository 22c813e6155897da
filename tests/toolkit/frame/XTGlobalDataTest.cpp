#include "toolkit/frame/XTGlobalData.h"

#include "toolkit/frame/XTIconHandle.h"
#include "toolkit/frame/XTMenuItemInfo.h"
#include "toolkit/frame/XTTextHelpers.h"

#include "helpers/TestSupport.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(XTGlobalData, DerivesFlatColoursFromSystemColours)
{
    XT_BASE_COLORS base = { RGB(212, 208, 200), RGB(128, 128, 128), RGB(255, 255, 255),
                            RGB(10, 36, 106), RGB(255, 255, 254), RGB(1, 2, 3) };
    XT_DERIVED_COLORS d = CXTGlobalData::DeriveColors(base);
    EXPECT_EQ(RGB(230, 226, 218), d.clr3DFaceLight);
    EXPECT_EQ(RGB(219, 215, 209), d.clrFlatBarFace);           // face 17 % toward window
    EXPECT_EQ(RGB(203, 200, 192), d.clrFlatFaceShadow);
    EXPECT_EQ(RGB(102, 102, 102), d.clrFlatShadowDark);
    EXPECT_EQ(RGB(248, 248, 247), d.clrFlatWindowFace);
    EXPECT_EQ(RGB(175, 173, 170), d.clrFlatFaceDark);          // darkened first, then lightened
    EXPECT_EQ(RGB(159, 159, 159), d.clrFlatGripper);
    EXPECT_EQ(RGB(242, 238, 230), d.clrFlatFaceLight);
    EXPECT_EQ(RGB(181, 189, 210), d.clrFlatHighlightLight);
    EXPECT_EQ(RGB(132, 145, 180), d.clrFlatHighlight);
    EXPECT_EQ(RGB(212, 214, 218), d.clrFlatHighlightFace);
    EXPECT_EQ(RGB(255, 255, 254), d.clrFlatHighlightText);     // luminance 146: highlight text
}

TEST(XTGlobalData, ContrastTextSwitchesAbove148)
{
    const COLORREF clrHighlightText = RGB(1, 1, 1), clrMenuText = RGB(2, 2, 2);
    struct Row { COLORREF clr; COLORREF want; };
    const Row rows[] = {
        { RGB(148, 148, 148), clrHighlightText },
        { RGB(149, 149, 149), clrMenuText },
        { RGB(255, 255, 255), clrMenuText },
        { RGB(0, 0, 0), clrHighlightText },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(GetRValue(row.clr));
        EXPECT_EQ(row.want, CXTGlobalData::ContrastTextColor(row.clr, clrHighlightText, clrMenuText));
    }
}

TEST(XTGlobalData, OldCommonControlsAskToQuit)
{
    struct Row { int nVersion; size_t nBoxes; BOOL bOk; };
    const Row rows[] = { { 0x40047, 1, FALSE }, { 0x40048, 0, TRUE }, { 0x50051, 0, TRUE }, { -1, 1, FALSE } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nVersion);
        testing_support::MessageBoxRecorder boxes;
        EXPECT_EQ(row.bOk, CXTGlobalData::CheckComCtlVersion(row.nVersion));
        ASSERT_EQ(row.nBoxes, boxes.Count());
        MSG msg;
        BOOL bQuit = ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        EXPECT_EQ(!row.bOk, bQuit);
        if (row.nBoxes != 0)
        {
            EXPECT_EQ((UINT)MB_ICONERROR, boxes.Last().nType);
            EXPECT_EQ(nullptr, boxes.Last().hWndOwner);
            EXPECT_NE(-1, boxes.Last().strText.Find("requires Comctl32.dll version 4.72 or higher"));
            EXPECT_NE(-1, boxes.Last().strCaption.Find("Wrong Version Comctl32.dll"));
        }
    }
    // The library the tests run on is new enough.
    EXPECT_GE(xtAfxData.QueryComCtlVersion(), XT_MIN_COMCTL_VERSION);
}

CString FaceOf(const CFont& font)
{
    LOGFONTA lf = {};
    font.GetLogFont(&lf);
    return lf.lfFaceName;
}

int CALLBACK CollectFace(const LOGFONTA* plf, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(plf->lfFaceName);
    return 1;
}

// An installed face other than the given one.
CString OtherInstalledFace(LPCSTR pszNot)
{
    std::vector<std::string> faces;
    HDC hDC = ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(hDC, &lf, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    ::ReleaseDC(nullptr, hDC);
    for (const std::string& face : faces)
        if (face[0] != '@' && lstrcmpiA(face.c_str(), pszNot) != 0)
            return face.c_str();
    return CString();
}

TEST(XTGlobalData, FontsFollowTheMenuFontAndInstalledFaces)
{
    CXTGlobalData& data = xtAfxData;
    EXPECT_EQ(CXTGlobalData::FontFaceExists("Tahoma"), FaceOf(data.m_fontNormal) == "Tahoma");
    EXPECT_EQ(CXTGlobalData::FontFaceExists("Arial"), FaceOf(data.m_fontVert) == "Arial");

    LOGFONTA lfMenu = {};
    lfMenu.lfHeight = -11;
    lstrcpyA(lfMenu.lfFaceName, "Menu Face Of The Test");
    CString strWanted = OtherInstalledFace(lfMenu.lfFaceName);
    ASSERT_FALSE(strWanted.IsEmpty());
    ASSERT_TRUE(CXTGlobalData::FontFaceExists(strWanted));
    EXPECT_FALSE(CXTGlobalData::FontFaceExists(lfMenu.lfFaceName));
    CString strSavedHorz = data.m_strHorzFaceName, strSavedVert = data.m_strVertFaceName;
    data.m_strHorzFaceName = strWanted;
    data.m_strVertFaceName = "No Such Face Installed";

    struct Row { BYTE nCharSet; CString strHorz; CString strVert; };
    const Row rows[] = {
        { ANSI_CHARSET, strWanted, lfMenu.lfFaceName },
        { SYMBOL_CHARSET, lfMenu.lfFaceName, lfMenu.lfFaceName },   // a symbol menu font keeps its face
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE((int)row.nCharSet);
        lfMenu.lfCharSet = row.nCharSet;
        data.CreateFontsFrom(lfMenu);
        EXPECT_EQ(row.strHorz, FaceOf(data.m_fontNormal));
        EXPECT_EQ(row.strHorz, FaceOf(data.m_fontNormal2));
        EXPECT_EQ(row.strVert, FaceOf(data.m_fontVertDownBold));
    }

    struct FontRow { const char* name; const CFont* pFont; LONG nWeight; BYTE bUnderline; LONG nEscapement; };
    const FontRow fonts[] = {
        { "normal", &data.m_fontNormal, 400, 0, 0 },      { "bold", &data.m_fontBold, 700, 0, 0 },
        { "underline", &data.m_fontUnderline, 400, 1, 0 }, { "normal2", &data.m_fontNormal2, 400, 0, 0 },
        { "vert", &data.m_fontVert, 400, 0, 900 },        { "vert bold", &data.m_fontVertBold, 700, 0, 900 },
        { "down", &data.m_fontVertDown, 400, 0, 2700 },   { "down bold", &data.m_fontVertDownBold, 700, 0, 2700 },
    };
    for (const FontRow& row : fonts)
    {
        SCOPED_TRACE(row.name);
        LOGFONTA lf = {};
        ASSERT_EQ((int)sizeof(lf), row.pFont->GetLogFont(&lf));
        EXPECT_EQ(row.nWeight, lf.lfWeight);
        EXPECT_EQ(row.bUnderline, lf.lfUnderline);
        EXPECT_EQ(row.nEscapement, lf.lfEscapement);
        EXPECT_EQ(row.nEscapement, lf.lfOrientation);
        EXPECT_EQ(-11, lf.lfHeight);
    }

    data.m_strHorzFaceName = strSavedHorz;
    data.m_strVertFaceName = strSavedVert;
    data.CreateFonts();
}

TEST(XTGlobalData, LoadsTheToolkitCursors)
{
    CXTGlobalData& data = xtAfxData;
    const HCURSOR cursors[] = { data.m_hCursorCopy, data.m_hCursorMove, data.m_hCursorNoDrop, data.m_hCursorSpare1,
                                data.m_hCursorSpare2, data.m_hCursorSizeCol, data.m_hCursorSizeRow };
    for (HCURSOR hCursor : cursors)
        EXPECT_NE(nullptr, hCursor);
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_SIZEALL), data.m_hCursorSizeAll);
}

TEST(XTTextHelpers, StripMnemonicAmpersands)
{
    struct Row { const char* text; const char* want; };
    const Row rows[] = {
        { "&File", "File" },           { "Save &As && Close", "Save As && Close" },
        { "a&&&b", "a&&b" },           { "^^ &x", "^^ x" },   // a caret pair is plain text
        { "", "" },                    { "&", "" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.text);
        CString str = row.text;
        StripMnemonicAmpersands(str);
        EXPECT_EQ(CString(row.want), str);
    }
}

TEST(XTTextHelpers, TextAfterBackslash)
{
    EXPECT_EQ(CString(), GetTextAfterBackslash(nullptr));
    EXPECT_EQ(CString(), GetTextAfterBackslash(""));
    EXPECT_EQ(CString(), GetTextAfterBackslash("no slash"));
    EXPECT_EQ(CString("b\\c"), GetTextAfterBackslash("a\\b\\c"));
    EXPECT_EQ(CString(), GetTextAfterBackslash("end\\"));
}

using toolkit_test::MakeIcon;

TEST(XTIconHandle, ExtentScalingAndReplacing)
{
    CXTIconHandle wide(MakeIcon(32, 16, TRUE));
    EXPECT_EQ(CSize(32, 16), wide.GetExtent());
    CXTIconHandle mono(MakeIcon(16, 16, FALSE));
    EXPECT_EQ(CSize(16, 16), mono.GetExtent());   // the mask holds both halves
    EXPECT_EQ(CSize(0, 0), CXTIconHandle().GetExtent());

    struct Row { int cx, cy; CSize want; };
    const Row rows[] = { { 16, 16, CSize(16, 8) }, { 64, 8, CSize(16, 8) }, { 8, 4, CSize(8, 4) } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.cx);
        CXTIconHandle scaled(wide.ScaleToFit(row.cx, row.cy));
        EXPECT_EQ(row.want, scaled.GetExtent());
    }
    EXPECT_EQ(nullptr, wide.ScaleToFit(0, 16));
    EXPECT_EQ(nullptr, CXTIconHandle().ScaleToFit(16, 16));

    // Replacing destroys the old icon.
    HICON hFirst = MakeIcon(16, 16, TRUE);
    CXTIconHandle holder(hFirst);
    holder.SetHandle(MakeIcon(8, 8, TRUE));
    ICONINFO info = {};
    EXPECT_FALSE(::GetIconInfo(hFirst, &info));
    EXPECT_EQ(CSize(8, 8), holder.GetExtent());
}

TEST(XTRecords, MenuItemInfoIsAcceptedBySystem)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, 7, "Item");
    CXTMenuItemInfo info;
    info.fMask = MIIM_ID;
    EXPECT_TRUE(::GetMenuItemInfoA(hMenu, 0, TRUE, &info));
    EXPECT_EQ(7u, info.wID);
    ::DestroyMenu(hMenu);
}

} // namespace
