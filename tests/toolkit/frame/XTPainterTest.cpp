#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTButtonInfo.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"
#include "toolkit/frame/XTPainters.h"
#include "toolkit/frame/XTSysColorBitmap.h"

#include "framework/Afx.h"
#include "toolkit/XTTestCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace {

using toolkit_test::CCanvas;
using toolkit_test::FlatLookScope;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBarFace = RGB(250, 240, 230);

TEST(XTMemDC, EmptyRectangleCoversTheClipBox)
{
    CCanvas target(40, 30, RGB(0, 0, 255));
    target.dc.IntersectClipRect(5, 6, 25, 20);
    {
        CXTMemDC memDC(&target.dc, CRect(), kRed);
        ASSERT_TRUE(memDC.IsValid());
        EXPECT_EQ(CRect(5, 6, 25, 20), memDC.GetRect());
        memDC.FillSolidRect(0, 0, 1, 1, RGB(0, 255, 0));   // the rectangle's top-left corner
    }
    ::SelectClipRgn(target.dc, nullptr);
    EXPECT_EQ(RGB(0, 255, 0), target.At(5, 6));
    EXPECT_EQ(kRed, target.At(24, 19));
    EXPECT_EQ(RGB(0, 0, 255), target.At(25, 20));
    EXPECT_EQ(RGB(0, 0, 255), target.At(4, 6));
}

TEST(XTMemDC, NoFillKeepsWhatTheCallerLeavesUnpainted)
{
    CCanvas target(40, 30, RGB(0, 0, 255));
    target.dc.FillSolidRect(10, 10, 5, 5, RGB(0, 255, 0));
    {
        CXTMemDC memDC(&target.dc, CRect(8, 8, 30, 30), (COLORREF)-1);
        memDC.FillSolidRect(10, 10, 3, 3, kRed);
    }
    EXPECT_EQ(RGB(0, 255, 0), target.At(12, 12));
    EXPECT_EQ(RGB(0, 0, 255), target.At(9, 9));
    EXPECT_EQ(kRed, target.At(18, 18));
}

// A tool bar control and the operations the painter draws through.
class CTestToolBar : public IXTToolBar
{
public:
    explicit CTestToolBar(DWORD dwExtraStyle = 0)
    {
        m_hFrame = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 60, nullptr, nullptr,
                                     nullptr, nullptr);
        m_hWnd = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER |
                                       CCS_NORESIZE | CCS_NOPARENTALIGN | dwExtraStyle,
                                   0, 0, 400, 40, m_hFrame, nullptr, nullptr, nullptr);
        ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        m_hImages = toolkit_test::SquareImageList();
        ::SendMessageA(m_hWnd, TB_SETIMAGELIST, 0, (LPARAM)m_hImages);
    }
    ~CTestToolBar() override
    {
        ::DestroyWindow(m_hFrame);
        ImageList_Destroy(m_hImages);
    }

    void AddButton(int idCommand, BYTE fsState, BYTE fsStyle, int iBitmap = 0)
    {
        TBBUTTON button = {};
        button.iBitmap = fsStyle & BTNS_SEP ? 6 : iBitmap;
        button.idCommand = idCommand;
        button.fsState = fsState;
        button.fsStyle = fsStyle;
        ::SendMessageA(m_hWnd, TB_ADDBUTTONS, 1, (LPARAM)&button);
    }
    CRect ItemRect(int nIndex) const
    {
        CRect rc;
        ::SendMessageA(m_hWnd, TB_GETITEMRECT, nIndex, (LPARAM)&rc);
        return rc;
    }

    HWND GetToolBarHwnd() const override { return m_hWnd; }
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const override
    {
        if (!::SendMessageA(m_hWnd, TB_GETBUTTON, nIndex, (LPARAM)pButton))
            return FALSE;
        pButton->fsState ^= TBSTATE_ENABLED;
        return TRUE;
    }
    DWORD GetButtonStyle(int nIndex) const override
    {
        TBBUTTON button = {};
        GetButton(nIndex, &button);
        return MAKELONG(button.fsStyle, button.fsState);
    }
    CString GetButtonText(int nIndex) const override { return nIndex == nTextButton ? CString("Mm") : CString(); }
    UINT ApplyDrawTextFlags(UINT nFlags) const override { return nFlags; }
    int GetDroppedIndex() const override { return nDropped; }
    CXTButtonInfo* FindDropDownInfo(UINT nCommandID) const override
    {
        auto it = infos.find(nCommandID);
        return it == infos.end() ? nullptr : const_cast<CXTButtonInfo*>(&it->second);
    }
    COLORREF GetBackgroundColor() const override { return kBarFace; }
    BOOL SupportsHiddenButtons() const override { return FALSE; }
    int HideButtonsToFit(int nWidth, int, BOOL) override { return nWidth; }
    int ShowButtonsToFit(int nWidth, int, BOOL) override { return nWidth; }

    int nDropped = -1;
    int nTextButton = -1;
    std::map<UINT, CXTButtonInfo> infos;

private:
    HWND m_hFrame;
    HWND m_hWnd;
    HIMAGELIST m_hImages;
};

TEST(XTPainters, OnlyTheFlatLookHasPainters)
{
    BOOL bSaved = xtAfxData.m_bFlatLook;
    xtAfxData.m_bFlatLook = FALSE;
    EXPECT_EQ(nullptr, GetPainter()->GetToolBarPainter());
    EXPECT_EQ(nullptr, GetPainter()->GetEditPainter());
    EXPECT_EQ(nullptr, GetPainter()->GetComboPainter());
    EXPECT_EQ(nullptr, GetPainter()->GetListBoxPainter());
    xtAfxData.m_bFlatLook = TRUE;
    EXPECT_NE(nullptr, GetPainter()->GetToolBarPainter());
    EXPECT_NE(nullptr, GetPainter()->GetEditPainter());
    xtAfxData.m_bFlatLook = bSaved;
}

TEST(XTFlatToolBarPainter, ButtonStatesInTheirColours)
{
    FlatLookScope flat;
    toolkit_test::MoveCursorTo(1200, 1000);   // far from the bar: the cursor plays no part
    const CXTGlobalData& data = xtAfxData;
    const COLORREF kNone = (COLORREF)-1;
    struct Row
    {
        const char* name;
        BYTE fsState;
        BYTE fsStyle;
        BOOL bHot;
        COLORREF clrBack, clrOutline;
    };
    const Row rows[] = {
        { "normal", TBSTATE_ENABLED, BTNS_BUTTON, FALSE, kBarFace, kNone },
        { "hot", TBSTATE_ENABLED, BTNS_BUTTON, TRUE, data.m_clrFlatHighlightLight, data.m_clrHighlight },
        { "pressed", TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, FALSE, data.m_clrFlatHighlight,
          data.m_clrHighlight },
        { "checked", TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, FALSE, data.m_clrFlatHighlightFace,
          data.m_clrHighlight },
        { "checked hot", TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, TRUE, data.m_clrFlatHighlight,
          data.m_clrHighlight },
        { "checked disabled", TBSTATE_CHECKED, BTNS_CHECK, FALSE, data.m_clr3DFace, data.m_clrFlatShadowDark },
        { "disabled", 0, BTNS_BUTTON, FALSE, kBarFace, kNone },
        { "indeterminate disabled", TBSTATE_INDETERMINATE, BTNS_BUTTON, FALSE, data.m_clr3DFaceLight, kNone },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTestToolBar bar;
        bar.AddButton(100, TBSTATE_ENABLED, BTNS_BUTTON);
        bar.AddButton(101, row.fsState, row.fsStyle);
        if (row.bHot)
            ::SendMessageA(bar.GetToolBarHwnd(), TB_SETHOTITEM, 1, 0);
        CCanvas canvas(400, 40, RGB(0, 255, 0));
        GetPainter()->GetToolBarPainter()->DrawButton(&canvas.dc, &bar, 1);
        CRect rc = bar.ItemRect(1);
        ASSERT_FALSE(rc.IsRectEmpty());
        EXPECT_EQ(row.clrBack, canvas.At(rc.left + 2, rc.bottom - 3));
        EXPECT_EQ(row.clrOutline == kNone ? row.clrBack : row.clrOutline, canvas.At(rc.left, rc.top));
        EXPECT_EQ(row.clrOutline == kNone ? row.clrBack : row.clrOutline, canvas.At(rc.right - 1, rc.bottom - 1));
        EXPECT_EQ(RGB(0, 255, 0), canvas.At(rc.right, rc.top));   // nothing outside the button
    }
}

TEST(XTFlatToolBarPainter, ImagesOfHotAndDisabledButtons)
{
    FlatLookScope flat;
    toolkit_test::MoveCursorTo(1200, 1000);
    const COLORREF clrShadow = xtAfxData.m_clr3DShadow;
    CTestToolBar bar;
    bar.AddButton(100, TBSTATE_ENABLED, BTNS_BUTTON);
    bar.AddButton(101, 0, BTNS_BUTTON);
    bar.AddButton(102, TBSTATE_ENABLED, BTNS_BUTTON);
    ::SendMessageA(bar.GetToolBarHwnd(), TB_SETHOTITEM, 0, 0);
    CCanvas canvas(400, 40, RGB(0, 255, 0));
    CXTToolBarPainter* pPainter = GetPainter()->GetToolBarPainter();
    for (int i = 0; i < 3; ++i)
        pPainter->DrawButton(&canvas.dc, &bar, i);

    struct Row { const char* name; int nIndex; int dx, dy; COLORREF clr; };
    const Row rows[] = {
        // The normal button's square, from the image's place (left + (width - 16) / 2, top + 3).
        { "normal square", 2, 4, 4, kRed },
        { "normal square end", 2, 11, 11, kRed },
        { "normal outside", 2, 12, 11, kBarFace },
        { "normal before", 2, 3, 4, kBarFace },
        // Hot: lifted one pixel up and left over a shadow one pixel right and down.
        { "hot square", 0, 3, 3, kRed },
        { "hot above square", 0, 3, 2, xtAfxData.m_clrFlatHighlightLight },
        { "hot square end", 0, 10, 10, kRed },
        { "hot shadow end", 0, 12, 12, clrShadow },
        { "hot shadow inside", 0, 11, 11, clrShadow },
        // Disabled without a disabled list: the shape in the shadow colour.
        { "disabled shape", 1, 4, 4, clrShadow },
        { "disabled shape end", 1, 11, 11, clrShadow },
        { "disabled outside", 1, 12, 12, kBarFace },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CRect rc = bar.ItemRect(row.nIndex);
        int x = rc.left + (rc.Width() - 16) / 2;
        int y = rc.top + 3;
        EXPECT_EQ(row.clr, canvas.At(x + row.dx, y + row.dy));
    }
}

TEST(XTFlatToolBarPainter, TextBesideOrBelowTheImage)
{
    FlatLookScope flat;
    toolkit_test::MoveCursorTo(1200, 1000);
    struct Row { const char* name; DWORD dwStyle; BYTE fsState; COLORREF clrText; };
    const Row rows[] = {
        { "below", 0, TBSTATE_ENABLED, xtAfxData.m_clrMenuText },
        { "below, disabled", 0, 0, xtAfxData.m_clr3DShadow },
        { "beside", TBSTYLE_LIST, TBSTATE_ENABLED, xtAfxData.m_clrMenuText },
        { "beside, disabled", TBSTYLE_LIST, 0, xtAfxData.m_clr3DShadow },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTestToolBar bar(row.dwStyle);
        bar.nTextButton = 0;
        ::SendMessageA(bar.GetToolBarHwnd(), TB_SETBUTTONSIZE, 0, MAKELPARAM(60, 36));
        bar.AddButton(100, row.fsState, BTNS_BUTTON);
        CCanvas canvas(400, 40, RGB(0, 255, 0));
        GetPainter()->GetToolBarPainter()->DrawButton(&canvas.dc, &bar, 0);
        CRect rc = bar.ItemRect(0);
        ASSERT_EQ(60, rc.Width());
        // The text lies below the image (from top + 16 + 5), or right of it.
        CRect rcText = row.dwStyle & TBSTYLE_LIST
                           ? CRect(rc.left + (60 - 16) / 2 + 2 + 16 + 3, rc.top, rc.right, rc.bottom)
                           : CRect(rc.left, rc.top + 21, rc.right, rc.bottom);
        CRect rcImage = row.dwStyle & TBSTYLE_LIST ? CRect(rc.left, rc.top, rcText.left, rc.bottom)
                                                   : CRect(rc.left, rc.top, rc.right, rcText.top);
        EXPECT_GT(canvas.Count(row.clrText, rcText), 3);
        if (row.fsState & TBSTATE_ENABLED)
        {
            EXPECT_EQ(0, canvas.Count(row.clrText, rcImage));
        }
    }
}

TEST(XTFlatToolBarPainter, SeparatorsAndColourStrips)
{
    FlatLookScope flat;
    toolkit_test::MoveCursorTo(1200, 1000);
    CTestToolBar bar;
    bar.AddButton(100, TBSTATE_ENABLED, BTNS_BUTTON);
    bar.AddButton(0, TBSTATE_ENABLED, BTNS_SEP);
    bar.AddButton(102, TBSTATE_ENABLED, BTNS_BUTTON);
    CXTButtonInfo info;
    info.nCommandID = 102;
    info.bColorBar = TRUE;
    info.clrSelected = RGB(0, 0, 200);
    bar.infos[102] = info;
    CCanvas canvas(400, 40, RGB(0, 255, 0));
    CXTToolBarPainter* pPainter = GetPainter()->GetToolBarPainter();
    pPainter->DrawSeparator(&canvas.dc, &bar, 1);
    pPainter->DrawButton(&canvas.dc, &bar, 2);

    CRect rcSep = bar.ItemRect(1);
    const COLORREF clrLine = xtAfxData.m_clrFlatFaceDark;
    EXPECT_EQ(clrLine, canvas.At(rcSep.left + 3, rcSep.top + 2));
    EXPECT_EQ(clrLine, canvas.At(rcSep.left + 3, rcSep.bottom - 3));
    EXPECT_EQ(kBarFace, canvas.At(rcSep.left + 3, rcSep.bottom - 2));
    EXPECT_EQ(kBarFace, canvas.At(rcSep.left + 2, rcSep.top + 5));

    CRect rc = bar.ItemRect(2);
    int cxButton = LOWORD(::SendMessageA(bar.GetToolBarHwnd(), TB_GETBUTTONSIZE, 0, 0));
    EXPECT_EQ(RGB(0, 0, 200), canvas.At(rc.left + 4, rc.bottom - 7));
    EXPECT_EQ(RGB(0, 0, 200), canvas.At(rc.left + cxButton - 5, rc.bottom - 5));
    EXPECT_EQ(kBarFace, canvas.At(rc.left + 4, rc.bottom - 4));
}

TEST(XTFlatToolBarPainter, DroppedButtonIsOpenAtTheBottom)
{
    FlatLookScope flat;
    toolkit_test::MoveCursorTo(1200, 1000);
    CTestToolBar bar;
    bar.AddButton(100, TBSTATE_ENABLED, BTNS_BUTTON);
    bar.nDropped = 0;
    CCanvas canvas(400, 40, RGB(0, 255, 0));
    GetPainter()->GetToolBarPainter()->DrawButton(&canvas.dc, &bar, 0);
    CRect rc = bar.ItemRect(0);
    const COLORREF clrEdge = xtAfxData.m_clrFlatShadowDark;
    EXPECT_EQ(clrEdge, canvas.At(rc.left + 3, rc.top));
    EXPECT_EQ(clrEdge, canvas.At(rc.left, rc.bottom - 1));
    EXPECT_EQ(clrEdge, canvas.At(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(kBarFace, canvas.At(rc.left + 3, rc.bottom - 1));
}

TEST(XTFlatToolBarPainter, DropShadowOnlyWithMenuShadows)
{
    FlatLookScope flat;
    CTestToolBar bar;
    bar.AddButton(100, TBSTATE_ENABLED, BTNS_BUTTON);
    CRect rc = bar.ItemRect(0);
    BOOL bSaved = xtAfxData.m_bMenuDropShadows;
    for (BOOL bShadows : { TRUE, FALSE })
    {
        SCOPED_TRACE(bShadows);
        xtAfxData.m_bMenuDropShadows = bShadows;
        CCanvas canvas(400, 40, RGB(255, 255, 255));
        GetPainter()->GetToolBarPainter()->DrawDropShadow(&canvas.dc, &bar, 0);
        EXPECT_EQ(bShadows ? RGB(195, 195, 195) : RGB(255, 255, 255), canvas.At(rc.right, rc.top + 10));
        EXPECT_EQ(RGB(255, 255, 255), canvas.At(rc.right - 1, rc.top + 10));
    }
    xtAfxData.m_bMenuDropShadows = bSaved;
}

TEST(XTFlatEditPainter, BordersHotAndDisabled)
{
    FlatLookScope flat;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Edits", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    HWND hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 24, parent,
                                   nullptr, nullptr, nullptr);
    CWnd* pEdit = CWnd::FromHandle(hEdit);
    CRect rcWindow, rcClient;
    ::GetWindowRect(hEdit, &rcWindow);
    ::GetClientRect(hEdit, &rcClient);
    ::ClientToScreen(hEdit, (LPPOINT)&rcClient);
    int x = rcClient.left - rcWindow.left, y = rcClient.top - rcWindow.top;
    ASSERT_GE(x, 2);

    const CXTGlobalData& data = xtAfxData;
    struct Row { const char* name; BOOL bEnabled, bHot; COLORREF inner, middle; };
    const Row rows[] = {
        { "enabled", TRUE, FALSE, data.m_clrWindow, data.m_clrWindow },
        { "hot", TRUE, TRUE, data.m_clrWindow, data.m_clrHighlight },
        { "disabled", FALSE, FALSE, data.m_clr3DFace, data.m_clrWindow },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        ::EnableWindow(hEdit, row.bEnabled);
        CCanvas canvas(rcWindow.Width(), rcWindow.Height(), RGB(0, 255, 0));
        GetPainter()->GetEditPainter()->DrawBorder(pEdit, &canvas.dc, row.bHot);
        EXPECT_EQ(row.inner, canvas.At(x - 1, y + 3));
        EXPECT_EQ(row.middle, canvas.At(x - 2, y + 3));
        if (x >= 3)
        {
            EXPECT_EQ(data.m_clr3DFace, canvas.At(x - 3, y + 3));
        }
        EXPECT_EQ(RGB(0, 255, 0), canvas.At(x + 1, y + 3));   // the client area stays
    }
    parent.DestroyWindow();
}

// The bytes of a bitmap resource one pixel high, a pixel per colour: with a
// colour table of one entry per pixel (4 or 8 bits), or the colours themselves (24 bits).
std::vector<BYTE> BitmapBytes(WORD nBits, const std::vector<COLORREF>& colours, DWORD nClrUsed = 0)
{
    int cx = (int)colours.size();
    int stride = ((cx * nBits + 31) / 32) * 4;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = cx;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = nBits;
    header.biClrUsed = nClrUsed;
    DWORD nTable = nBits == 24 ? 0 : nClrUsed ? nClrUsed : (1u << nBits);
    std::vector<BYTE> bytes(sizeof(header) + nTable * 4 + stride);
    memcpy(bytes.data(), &header, sizeof(header));
    RGBQUAD* pTable = reinterpret_cast<RGBQUAD*>(bytes.data() + sizeof(header));
    BYTE* pBits = bytes.data() + sizeof(header) + nTable * 4;
    for (int i = 0; i < cx; ++i)
    {
        const RGBQUAD quad = { GetBValue(colours[i]), GetGValue(colours[i]), GetRValue(colours[i]), 0 };
        if (nBits == 24)
            memcpy(pBits + i * 3, &quad, 3);
        else
            pTable[i] = quad;
        if (nBits == 8)
            pBits[i] = (BYTE)i;
        else if (nBits == 4)
            pBits[i / 2] |= (BYTE)(i % 2 == 0 ? i << 4 : i);
    }
    return bytes;
}

std::vector<COLORREF> PixelsOf(HBITMAP hBitmap, int cx)
{
    CCanvas canvas(1, 1, 0);
    HGDIOBJ hOld = ::SelectObject(canvas.dc, hBitmap);
    std::vector<COLORREF> pixels;
    for (int i = 0; i < cx; ++i)
        pixels.push_back(canvas.At(i, 0));
    ::SelectObject(canvas.dc, hOld);
    return pixels;
}

TEST(XTSysColorBitmap, GreysBecomeSystemColours)
{
    const std::vector<COLORREF> source = { RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192),
                                           RGB(255, 255, 255), kRed };
    const std::vector<COLORREF> mapped = { ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNSHADOW),
                                           ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNHIGHLIGHT), kRed };
    const std::vector<COLORREF> mono = { RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255),
                                         RGB(255, 255, 255), kRed };
    struct Row { const char* name; std::vector<BYTE> bytes; };
    const Row rows[] = {
        { "4 bits", BitmapBytes(4, source, 0) },
        { "8 bits", BitmapBytes(8, source, 0) },
        { "8 bits, 5 colours used", BitmapBytes(8, source, 5) },
        { "24 bits", BitmapBytes(24, source) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        for (BOOL bMono : { FALSE, TRUE })
        {
            SCOPED_TRACE(bMono ? "mono" : "system colours");
            HBITMAP hBitmap = CreateSysColorBitmap(row.bytes.data(), (DWORD)row.bytes.size(), bMono);
            ASSERT_NE(nullptr, hBitmap);
            EXPECT_EQ(bMono ? mono : mapped, PixelsOf(hBitmap, 5));
            ::DeleteObject(hBitmap);
        }
    }
}

TEST(XTSysColorBitmap, MalformedDataGivesNone)
{
    const std::vector<COLORREF> source = { RGB(0, 0, 0), kRed };
    std::vector<BYTE> good = BitmapBytes(4, source, 0);
    struct Row { const char* name; std::function<void(std::vector<BYTE>&)> spoil; };
    const Row rows[] = {
        { "cut in the bits", [](std::vector<BYTE>& b) { b.resize(b.size() - 1); } },
        { "cut in the colour table", [](std::vector<BYTE>& b) { b.resize(sizeof(BITMAPINFOHEADER) + 20); } },
        { "header only", [](std::vector<BYTE>& b) { b.resize(sizeof(BITMAPINFOHEADER) - 1); } },
        { "huge width", [](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biWidth = 1 << 30; } },
        { "odd bit count", [](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biBitCount = 3; } },
        { "header size beyond data", [](std::vector<BYTE>& b) { reinterpret_cast<BITMAPINFOHEADER*>(b.data())->biSize = 5000; } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        std::vector<BYTE> bytes = good;
        row.spoil(bytes);
        EXPECT_EQ(nullptr, CreateSysColorBitmap(bytes.data(), (DWORD)bytes.size(), FALSE));
    }
    // More colours claimed than the bits can index: the table is the bits' size.
    std::vector<BYTE> claimed = BitmapBytes(4, source, 0);
    reinterpret_cast<BITMAPINFOHEADER*>(claimed.data())->biClrUsed = 300;
    HBITMAP hBitmap = CreateSysColorBitmap(claimed.data(), (DWORD)claimed.size(), TRUE);
    ASSERT_NE(nullptr, hBitmap);
    EXPECT_EQ((std::vector<COLORREF>{ RGB(0, 0, 0), kRed }), PixelsOf(hBitmap, 2));
    ::DeleteObject(hBitmap);
}

TEST(XTSysColorBitmap, LoadsTheToolkitsBitmapResource)
{
    HBITMAP hBitmap = LoadSysColorBitmap(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4500), FALSE);
    ASSERT_NE(nullptr, hBitmap);
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    EXPECT_EQ(90, bm.bmWidth);
    EXPECT_EQ(10, bm.bmHeight);
    ::DeleteObject(hBitmap);
    EXPECT_EQ(nullptr, LoadSysColorBitmap(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4499), FALSE));
}

} // namespace
