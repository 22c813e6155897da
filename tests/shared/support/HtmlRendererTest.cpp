#include "shared/support/HtmlRenderer.h"

#include "shared/support/BmpTestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using bmp_test::BorrowedDC;
using bmp_test::Surface;

namespace {

const COLORREF kPaper = RGB(1, 2, 3);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kCream = RGB(255, 255, 226);

// Lines held in a vector; counts how many lines were handed out.
class TestLines : public CHtmlRenderer::LineSource
{
public:
    TestLines(std::initializer_list<const char*> lines)
    {
        for (const char* psz : lines)
            m_lines.emplace_back(psz);
    }
    explicit TestLines(std::vector<CString> lines) : m_lines(std::move(lines)) {}

    int GetFirst(CString& strLine) override
    {
        m_nNext = 0;
        return GetNext(strLine);
    }
    int GetNext(CString& strLine) override
    {
        if (m_nNext >= m_lines.size())
        {
            strLine.Empty();
            return 0;
        }
        strLine = m_lines[m_nNext++];
        ++m_nHandedOut;
        return 1;
    }

    size_t m_nHandedOut = 0;

private:
    std::vector<CString> m_lines;
    size_t m_nNext = 0;
};

// The extent of a text in the renderer's font of that height, weight and face.
CSize Extent(const char* pszFace, int nHeight, int nWeight, const CString& strText)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = ANSI_CHARSET;
    lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
    HFONT hFont = CreateFontIndirectA(&lf);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    SIZE size = {};
    GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &size);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    DeleteObject(hFont);
    return CSize(size.cx, size.cy);
}

CSize Normal(const char* pszFace, const CString& strText)
{
    return Extent(pszFace, -12, FW_NORMAL, strText);
}

// The box of the pixels for which the test holds.
CRect BoxOf(const Surface& surface, int cx, int cy, const std::function<bool(COLORREF)>& test)
{
    CRect box(cx, cy, -1, -1);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            if (test(surface.At(x, y)))
            {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

// Renders the lines into a surface of the given size; returns the needed size.
CSize RenderInto(Surface& surface, CHtmlRenderer& renderer, int cx, int cy)
{
    BorrowedDC dc(surface.DC());
    return renderer.Render(&dc, CRect(0, 0, cx, cy));
}

} // namespace

TEST(HtmlRendererTest, PlainTextIsShownInTheCallersColoursWithTagsAsText)
{
    TestLines lines{ "<B>bold</B> &lt;", "second line" };
    CHtmlRenderer renderer;
    EXPECT_EQ(CSize(100, 100), renderer.Prepare(&lines, "", RGB(0, 0, 255), kWhite));
    EXPECT_FALSE(renderer.IsHtml());
    EXPECT_EQ("Courier", renderer.GetFace());

    Surface surface(400, 80, kPaper);
    CSize size = RenderInto(surface, renderer, 400, 80);
    CSize first = Normal("Courier", "<B>bold</B> &lt;");
    CSize second = Normal("Courier", "second line");
    EXPECT_EQ(CSize(5 + std::max(first.cx, second.cx) + 10, first.cy + second.cy + 10), size);

    EXPECT_EQ(kWhite, surface.At(0, 0));
    EXPECT_EQ(kWhite, surface.At(399, 79));
    CRect ink = BoxOf(surface, 400, 80, [](COLORREF cr) { return cr != kWhite; });
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 5 + std::max(first.cx, second.cx));
    EXPECT_LE(ink.bottom, first.cy + second.cy);
    CRect blue = BoxOf(surface, 400, 80, [](COLORREF cr) { return GetBValue(cr) > 200 && GetRValue(cr) < 100; });
    EXPECT_FALSE(blue.IsRectEmpty());
}

TEST(HtmlRendererTest, BodyColoursComeFromTheBodyTag)
{
    static const struct { const char* pszBody; COLORREF crText, crBack; } kCases[] = {
        { "<body text=\"#FF0000\" bgcolor=\"#000080\">", RGB(255, 0, 0), RGB(0, 0, 128) },
        { "<BODY bgcolor=\"#00ff00\">", RGB(9, 9, 9), RGB(0, 255, 0) },
        { "<body text=\"#0000FF\" bgcolor=white>", RGB(0, 0, 255), kCream },
        { "<body>", RGB(9, 9, 9), RGB(7, 7, 7) },
        { "<body text=black>", kBlack, RGB(7, 7, 7) },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszBody);
        TestLines lines{ "<html>", c.pszBody, "text", "</body></html>" };
        CHtmlRenderer renderer;
        renderer.Prepare(&lines, "", RGB(9, 9, 9), RGB(7, 7, 7));
        EXPECT_TRUE(renderer.IsHtml());
        EXPECT_EQ(c.crText, renderer.GetTextColor());
        EXPECT_EQ(c.crBack, renderer.GetBkColor());
    }
}

TEST(HtmlRendererTest, RedTextOnDarkBlue)
{
    TestLines lines{ "<html>", "<body text=\"#FF0000\" bgcolor=\"#000080\">", "<h1>RED</h1>", "</body></html>" };
    CHtmlRenderer renderer;
    renderer.Prepare(&lines, "", kBlack, kWhite);
    Surface surface(300, 80, kPaper);
    RenderInto(surface, renderer, 300, 80);
    EXPECT_EQ(RGB(0, 0, 128), surface.At(0, 0));
    CRect red = BoxOf(surface, 300, 80, [](COLORREF cr) { return cr == RGB(255, 0, 0); });
    CSize heading = Extent("Arial", -32, FW_BOLD, "RED");
    EXPECT_FALSE(red.IsRectEmpty());
    EXPECT_GE(red.left, 5);
    EXPECT_LE(red.right, 5 + heading.cx);
    EXPECT_LE(red.bottom, heading.cy);
}

TEST(HtmlRendererTest, FaceFollowsTheFileAndTheCaller)
{
    static const struct { const char* pszCallerFace; std::vector<CString> lines; const char* pszFace; } kCases[] = {
        { "", { "<HTML>", "<body>", "<h2>Title</h2>", "text" }, "Arial" },
        { "", { "<HTML>", "<body>", "<b>bold</b>" }, "Arial" },
        { "", { "<HTML>", "<body>", "only text" }, "Courier" },
        { "", { "<b>bold before the html tag</b>", "<HTML>", "<body>text" }, "Courier" },
        { "", { "<HTML>", "<font face=\"Verdana\">", "<h1>x</h1>" }, "Verdana" },
        { "", { "<HTML>", "<font face=\"Courier New\">" }, "Courier" },
        { "", { "<HTML>", "<font face=\"Times\">" }, "Arial" },
        { "VERDANA", { "<HTML>", "<h1>x</h1>" }, "VERDANA" },
        { "VERDANA", { "<HTML>", "<FONT FACE=\"courier\">" }, "Courier" },
        { "VERDANA", { "plain text" }, "VERDANA" },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszFace);
        TestLines lines(c.lines);
        CHtmlRenderer renderer;
        renderer.Prepare(&lines, c.pszCallerFace, kBlack, kWhite);
        EXPECT_EQ(c.pszFace, renderer.GetFace());
    }
}

// The needed size is that of the lines as drawn: headings and bold in their
// fonts until closed, entities decoded (and no tags), a "<" before no letter as
// text, and nothing before the body.
TEST(HtmlRendererTest, TheNeededSizeIsThatOfTheDrawnLines)
{
    struct Drawn
    {
        int nHeight, nWeight;
        const char* pszText;
    };
    static const struct { std::vector<CString> lines; std::vector<Drawn> drawn; } kCases[] = {
        { { "<html><body>", "<h1>Big</h1>", "after" }, { { -32, FW_BOLD, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "<H2>Big</H2>", "after" }, { { -24, FW_BOLD, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "<h3>Big</h3>", "after" }, { { -18, FW_BOLD, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "<h4>Big</h4>", "after" }, { { -16, FW_BOLD, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "<h5>Big</h5>", "after" }, { { -13, FW_BOLD, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "<b>Big</b>", "after" }, { { -12, FW_BOLD, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "<i>Big</i>", "after" }, { { -12, FW_NORMAL, "Big" }, { -12, FW_NORMAL, "after" } } },
        { { "<html><body>", "&lt;B&gt;x &Auml;&auml;&Ouml;&ouml;&Uuml;&uuml;&szlig; &amp;" },
          { { -12, FW_NORMAL, "<B>x ÄäÖöÜüß &amp;" } } },
        { { "<html><body>", "a < b </i>c <" }, { { -12, FW_NORMAL, "a < b </i>c <" } } },
        { { "<html><head><title>Hidden title</title></head>", "hidden line", "<body>shown", "next" },
          { { -12, FW_NORMAL, "shown" }, { -12, FW_NORMAL, "next" } } },
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE((LPCSTR)c.lines[1]);
        TestLines lines(c.lines);
        CHtmlRenderer renderer;
        renderer.Prepare(&lines, "Arial", kBlack, kWhite);
        Surface surface(400, 120, kPaper);
        CSize expected(0, 10);
        for (const Drawn& d : c.drawn)
        {
            CSize line = Extent("Arial", d.nHeight, d.nWeight, d.pszText);
            expected.cx = std::max(expected.cx, line.cx);
            expected.cy += line.cy;
        }
        EXPECT_EQ(CSize(5 + expected.cx + 10, expected.cy), RenderInto(surface, renderer, 400, 120));
        CRect ink = BoxOf(surface, 400, 120, [](COLORREF cr) { return cr != kWhite; });
        EXPECT_LE(ink.bottom, expected.cy - 10);
    }
}

// Rendering leaves the DC's font selected.
TEST(HtmlRendererTest, FontColourHoldsUntilTheFontIsClosed)
{
    TestLines lines{ "<html><body text=\"#0000FF\">", "<h1><font color=\"#00FF00\">GG</font>BB</h1>" };
    CHtmlRenderer renderer;
    renderer.Prepare(&lines, "Arial", kBlack, kWhite);
    Surface surface(300, 80, kPaper);
    HGDIOBJ hBefore = GetCurrentObject(surface.DC(), OBJ_FONT);
    RenderInto(surface, renderer, 300, 80);
    EXPECT_EQ(hBefore, GetCurrentObject(surface.DC(), OBJ_FONT));
    int nSplit = 5 + Extent("Arial", -32, FW_BOLD, "GG").cx;
    CRect green = BoxOf(surface, 300, 80, [](COLORREF cr) { return cr == RGB(0, 255, 0); });
    CRect blue = BoxOf(surface, 300, 80, [](COLORREF cr) { return cr == RGB(0, 0, 255); });
    ASSERT_FALSE(green.IsRectEmpty());
    ASSERT_FALSE(blue.IsRectEmpty());
    EXPECT_LE(green.right, nSplit + 1);
    EXPECT_GE(blue.left, nSplit - 1);
}

TEST(HtmlRendererTest, EmptyLinesTakeSixteenPixelsAndTagLinesNone)
{
    TestLines lines{ "<html>", "<body>", "", "<b></b>", "", "</body></html>" };
    CHtmlRenderer renderer;
    renderer.Prepare(&lines, "Arial", kBlack, kWhite);
    Surface surface(100, 60, kPaper);
    EXPECT_EQ(CSize(10, 2 * 16 + 10), RenderInto(surface, renderer, 100, 60));
    // Without a DC nothing is measured: only the empty lines count.
    EXPECT_EQ(CSize(10, 2 * 16 + 10), renderer.Render(nullptr, CRect(0, 0, 100, 60)));
}

TEST(HtmlRendererTest, LinesAndHeightAndPiecesAreLimited)
{
    CHtmlRenderer renderer;
    Surface surface(50, 50, kPaper);
    {
        SCOPED_TRACE("height");
        TestLines lines(std::vector<CString>(5000, CString()));
        renderer.Prepare(&lines, "Arial", kBlack, kWhite);
        EXPECT_EQ(CSize(10, 2048 * 16 + 10), RenderInto(surface, renderer, 50, 50));
        EXPECT_EQ(2048u, lines.m_nHandedOut - 5000u);   // Prepare handed out all of them
    }
    {
        SCOPED_TRACE("lines");
        std::vector<CString> tagLines(40000, CString("<i>"));
        tagLines[0] = "<html><body>";
        TestLines lines(tagLines);
        renderer.Prepare(&lines, "Arial", kBlack, kWhite);
        lines.m_nHandedOut = 0;
        RenderInto(surface, renderer, 50, 50);
        EXPECT_EQ(32767u, lines.m_nHandedOut);
    }
    {
        SCOPED_TRACE("pieces");
        CString strLine = "<html><body>";
        for (int i = 0; i < 300; ++i)
            strLine += "<i>";
        TestLines lines{ strLine + "late", "<html><body>" + CString("<i>x") };
        renderer.Prepare(&lines, "Arial", kBlack, kWhite);
        CSize x = Normal("Arial", "x");
        EXPECT_EQ(CSize(5 + x.cx + 10, x.cy + 10), RenderInto(surface, renderer, 50, 50));
    }
}

TEST(HtmlRendererTest, ColourValues)
{
    static const struct { const char* pszText; COLORREF cr; } kColours[] = {
        { "\"#FF8000\"", RGB(255, 128, 0) },
        { "#ff8000", RGB(255, 128, 0) },
        { "#GG0000", RGB(0, 0, 0) },
        { "#1A2B3C and more", RGB(0x1A, 0x2B, 0x3C) },
        { "#12345", RGB(4, 5, 6) },
        { "red", RGB(4, 5, 6) },
        { "x#0F0F0F#FFFFFF", RGB(15, 15, 15) },
    };
    for (const auto& c : kColours)
    {
        SCOPED_TRACE(c.pszText);
        EXPECT_EQ(c.cr, CHtmlRenderer::ParseColour(c.pszText, 4, 5, 6));
    }
    static const struct { const char* pszText; int nValue; } kPairs[] = {
        { "", 0 }, { "F", 0 }, { "FF", 255 }, { "a0", 160 }, { "0G", 0 }, { "G1", 1 }, { "10Z", 16 },
    };
    for (const auto& c : kPairs)
    {
        SCOPED_TRACE(c.pszText);
        EXPECT_EQ(c.nValue, CHtmlRenderer::ParseHexPair(c.pszText));
    }
}

namespace {

// A text whose fonts, colours and body state run across lines, so that a
// part drawn alone must start from the state its first line begins with.
std::vector<CString> StatefulText()
{
    std::vector<CString> lines = { "<html>", "before the body is not drawn",
                                   "<body bgcolor=\"#FFFFE0\" text=\"#000080\">" };
    for (int i = 0; i < 30; ++i)
    {
        CString strLine;
        switch (i % 6)
        {
        case 0: strLine.Format("<h1>Heading %d continues", i); break;
        case 1: strLine.Format("still large %d</h1> then normal", i); break;
        case 2: strLine.Format("<font color=\"#C00000\">red from here %d", i); break;
        case 3: strLine = ""; break;
        case 4: strLine.Format("and red until %d</font> here, <b>bold", i); break;
        default: strLine.Format("bold %d</b> plain &Auml;&szlig; and a longer tail of words", i); break;
        }
        lines.push_back(strLine);
    }
    return lines;
}

} // namespace

TEST(HtmlRendererTest, VisiblePartDrawsAsTheWholeTextDoesThere)
{
    TestLines lines(StatefulText());
    CHtmlRenderer renderer;
    renderer.Prepare(&lines, "", kBlack, kWhite);
    Surface whole(700, 1400, kPaper);
    BorrowedDC wholeDC(whole.DC());
    const CSize size = renderer.Render(&wholeDC, CRect(0, 0, 700, 1400));
    ASSERT_LT(size.cx, 700);
    ASSERT_LT(size.cy, 1400);
    ASSERT_GT(size.cy, 400);

    const CSize client(160, 90);
    const CPoint positions[] = { { 0, 0 }, { 0, 37 }, { 25, 120 }, { 3, 333 }, { 90, size.cy - 50 }, { 0, size.cy + 40 } };
    for (const CPoint& pt : positions)
    {
        SCOPED_TRACE(testing::Message() << "at " << pt.x << "," << pt.y);
        Surface part(client.cx + 20, client.cy + 20, kPaper);
        BorrowedDC partDC(part.DC());
        renderer.RenderVisible(&partDC, CRect(10, 10, 10 + client.cx, 10 + client.cy), pt);
        for (int y = 0; y < client.cy; ++y)
        {
            for (int x = 0; x < client.cx; ++x)
            {
                const bool bInText = pt.y + y < 1400 && pt.x + x < 700;
                const COLORREF expected = bInText ? whole.At(pt.x + x, pt.y + y) : RGB(255, 255, 224);
                ASSERT_EQ(expected, part.At(10 + x, 10 + y)) << x << "," << y;
            }
        }
        // Nothing is drawn outside the rectangle.
        EXPECT_EQ(kPaper, part.At(5, 5));
        EXPECT_EQ(kPaper, part.At(client.cx + 15, client.cy + 15));
    }
}
