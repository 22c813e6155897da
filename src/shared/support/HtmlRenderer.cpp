#include "shared/support/HtmlRenderer.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CHtmlRenderer, CObject)

namespace {

const int kMaxLines = 32767;
const int kMaxHeight = 32767;
const int kMaxPiecesPerLine = 256;
const int kEmptyLineHeight = 16;
const int kLeftMargin = 5;

struct FontSpec
{
    int nHeight;
    int nWeight;
};

// Normal, bold, H1 to H5, in the order of CHtmlRenderer's font slots.
const FontSpec kFontSpecs[] = {
    { -12, FW_NORMAL }, { -12, FW_BOLD }, { -32, FW_BOLD }, { -24, FW_BOLD },
    { -18, FW_BOLD }, { -16, FW_BOLD }, { -13, FW_BOLD },
};

struct Entity
{
    LPCSTR pszName;
    LPCSTR pszChar;
};

const Entity kEntities[] = {
    { "&Auml;", "Ä" }, { "&auml;", "ä" }, { "&Ouml;", "Ö" }, { "&ouml;", "ö" }, { "&Uuml;", "Ü" },
    { "&uuml;", "ü" }, { "&szlig;", "ß" }, { "&lt;", "<" }, { "&gt;", ">" },
};

BOOL IsAsciiLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 0;
}

CString Upper(CString str)
{
    str.MakeUpper();
    return str;
}

} // namespace

CHtmlRenderer::CHtmlRenderer()
{
    m_brush.CreateSolidBrush(RGB(255, 255, 255));
}

CHtmlRenderer::~CHtmlRenderer() = default;

CSize CHtmlRenderer::Prepare(LineSource* pSource, LPCSTR lpszFace, COLORREF crText, COLORREF crBack)
{
    m_bHtml = FALSE;
    m_pSource = pSource;
    m_strFace = lpszFace;
    m_crText = crText;
    m_crBack = crBack;

    BOOL bFormatted = FALSE;
    CString strLine;
    if (m_pSource != nullptr)
    {
        for (int nMore = m_pSource->GetFirst(strLine); nMore; nMore = m_pSource->GetNext(strLine))
        {
            if (!strLine.IsEmpty())
                ScanLine(Upper(strLine), bFormatted);
        }
    }

    if (m_strFace.IsEmpty())
        m_strFace = bFormatted ? "Arial" : "Courier";
    MakeFonts();
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(m_crBack);
    m_layout.clear();
    return CSize(100, 100);
}

// One upper-cased line of the first scan.
void CHtmlRenderer::ScanLine(const CString& strLine, BOOL& bFormatted)
{
    if (strLine.Find("<HTML>") >= 0)
        m_bHtml = TRUE;
    if (!m_bHtml)
        return;

    int nBody = strLine.Find("<BODY ");
    if (nBody >= 0)
    {
        CString strAttributes = strLine.Mid(nBody + 6);
        int nText = strAttributes.Find("TEXT=");
        if (nText >= 0)
            m_crText = ParseColour(strAttributes.Mid(nText + 5), 0, 0, 0);
        int nBack = strAttributes.Find("BGCOLOR=");
        if (nBack >= 0)
            m_crBack = ParseColour(strAttributes.Mid(nBack + 8), 255, 255, 226);
    }

    int nFace = strLine.Find("<FONT FACE=");
    if (nFace >= 0)
    {
        // The value starts after the opening quote and ends before the next one.
        CString strFace = strLine.Mid(nFace + 12);
        int nQuote = strFace.Find('"');
        if (nQuote >= 0)
            strFace = strFace.Left(nQuote);
        if (strFace.Find("COURIER") >= 0)
            m_strFace = "Courier";
        else if (strFace.Find("VERDANA") >= 0)
            m_strFace = "Verdana";
        else
            m_strFace = "Arial";
    }

    static const LPCSTR kFormatTags[] = { "<H1>", "<H2>", "<H3>", "<H4>", "<H5>", "<B>" };
    for (LPCSTR pszTag : kFormatTags)
    {
        if (strLine.Find(pszTag) >= 0)
            bFormatted = TRUE;
    }
}

void CHtmlRenderer::MakeFonts()
{
    for (int i = 0; i < fontCount; ++i)
    {
        LOGFONTA lf = {};
        lf.lfHeight = kFontSpecs[i].nHeight;
        lf.lfWeight = kFontSpecs[i].nWeight;
        lf.lfCharSet = ANSI_CHARSET;
        lstrcpynA(lf.lfFaceName, m_strFace, LF_FACESIZE);
        m_fonts[i].DeleteObject();
        m_fonts[i].CreateFontIndirect(&lf);
    }
}

void CHtmlRenderer::SelectFont(Font font)
{
    m_font = font;
    if (m_pDC != nullptr && m_fonts[font].GetSafeHandle() != nullptr)
        m_pDC->SelectObject(m_fonts[font].GetSafeHandle());
}

void CHtmlRenderer::SetTextColour(COLORREF crText)
{
    m_crCurrent = crText;
    if (m_pDC != nullptr)
        m_pDC->SetTextColor(crText);
}

void CHtmlRenderer::BeginDrawing(CDC* pDC, const RECT& rect)
{
    m_rect = rect;
    m_pDC = pDC;
    m_crCurrent = m_crText;
    if (m_pDC == nullptr)
        return;
    m_pDC->FillRect(m_rect, &m_brush);
    m_pDC->SetBkMode(TRANSPARENT);
    m_pDC->SetTextColor(m_crText);
}

// Our fonts must not stay selected: they are deleted with the renderer.
void CHtmlRenderer::EndDrawing(HGDIOBJ hOldFont)
{
    if (hOldFont != nullptr)
        m_pDC->SelectObject(hOldFont);
    m_pDC = nullptr;
}

CSize CHtmlRenderer::Render(CDC* pDC, const RECT& rect)
{
    BeginDrawing(pDC, rect);
    const HGDIOBJ hOldFont = pDC != nullptr ? ::GetCurrentObject(*pDC, OBJ_FONT) : nullptr;
    m_nRight = 0;
    m_bBody = FALSE;
    if (pDC != nullptr)
        m_layout.clear();

    int y = 0;
    CString strLine;
    if (m_pSource != nullptr && m_pSource->GetFirst(strLine))
    {
        SelectFont(fontNormal);
        int nLines = 0;
        do
        {
            const LineStart start = { y, 0, m_font, m_crCurrent, m_bBody };
            m_nLineHeight = 0;
            y += DrawLine(kLeftMargin, y, strLine);
            if (pDC != nullptr)
                m_layout.push_back(LineStart{ start.y, y - start.y, start.font, start.crText, start.bBody });
        } while (y <= kMaxHeight && ++nLines < kMaxLines && m_pSource->GetNext(strLine));
    }
    EndDrawing(hOldFont);
    return CSize(m_nRight + 10, y + 10);
}

void CHtmlRenderer::RenderVisible(CDC* pDC, const RECT& rect, const POINT& ptScroll)
{
    BeginDrawing(pDC, rect);
    const HGDIOBJ hOldFont = ::GetCurrentObject(*pDC, OBJ_FONT);
    const int yTop = ptScroll.y;
    const int yBottom = ptScroll.y + (rect.bottom - rect.top);

    // The first line that reaches into the rectangle, found by its bottom.
    const auto first = std::upper_bound(m_layout.begin(), m_layout.end(), yTop,
                                        [](int y, const LineStart& line) { return y < line.y + line.nHeight; });
    CString strLine;
    int nMore = m_pSource != nullptr ? m_pSource->GetFirst(strLine) : 0;
    for (auto it = m_layout.begin(); nMore && it != first; ++it)
        nMore = m_pSource->GetNext(strLine);
    if (nMore && first != m_layout.end())
    {
        SelectFont(first->font);
        SetTextColour(first->crText);
        m_bBody = first->bBody;
    }
    const int xLeft = rect.left + kLeftMargin - ptScroll.x;
    for (auto it = first; nMore && it != m_layout.end() && it->y < yBottom; ++it)
    {
        m_nLineHeight = 0;
        DrawLine(xLeft, rect.top + it->y - yTop, strLine);
        nMore = m_pSource->GetNext(strLine);
    }
    EndDrawing(hOldFont);
}

int CHtmlRenderer::DrawLine(int x, int y, CString strText)
{
    if (strText.IsEmpty())
        return kEmptyLineHeight;
    for (int nPiece = 0; nPiece < kMaxPiecesPerLine && !strText.IsEmpty(); ++nPiece)
    {
        CString strBefore, strRest;
        BOOL bTag = NextTag(strText, strBefore, strRest);
        if (!strBefore.IsEmpty() && (!m_bHtml || m_bBody))
            x += DrawRun(x, y, strBefore);
        strText = strRest;
        if (bTag)
        {
            CString strTag;
            HandleTag(strRest, strTag, strText);
            if (m_bHtml && !m_bBody)
            {
                strTag.MakeLower();
                if (strTag.Find("<body") >= 0)
                    m_bBody = TRUE;
            }
        }
    }
    return m_nLineHeight;
}

int CHtmlRenderer::DrawRun(int x, int y, CString strText)
{
    if (m_pDC == nullptr || strText.IsEmpty())
        return 0;
    DecodeEntities(strText);
    m_pDC->TextOut(x, y, strText);
    CSize extent = m_pDC->GetTextExtent(strText);
    m_nRight = std::max<int>(m_nRight, x + extent.cx);
    m_nLineHeight = std::max<int>(m_nLineHeight, extent.cy);
    return extent.cx;
}

// A replacement is never part of an entity name, so replacing every
// occurrence of each entity in turn ends as the search for the first one would.
void CHtmlRenderer::DecodeEntities(CString& strText) const
{
    if (!m_bHtml)
        return;
    for (const Entity& entity : kEntities)
        strText.Replace(entity.pszName, entity.pszChar);
}

BOOL CHtmlRenderer::NextTag(const CString& strText, CString& strBefore, CString& strRest) const
{
    strBefore = strText;
    strRest.Empty();
    if (!m_bHtml)
        return FALSE;
    int nOpen = strText.Find('<');
    if (nOpen < 0 || nOpen + 1 >= strText.GetLength())
        return FALSE;
    char chNext = strText[nOpen + 1];
    if (chNext != '/' && !IsAsciiLetter(chNext))
        return FALSE;
    strBefore = strText.Left(nOpen);
    strRest = strText.Mid(nOpen);
    return TRUE;
}

void CHtmlRenderer::HandleTag(const CString& strText, CString& strTag, CString& strRest)
{
    int nClose = strText.Find('>');
    strTag = nClose < 0 ? strText : strText.Left(nClose + 1);
    strRest = nClose < 0 ? CString() : strText.Mid(nClose + 1);
    if (!m_bHtml)
        return;

    static const struct { LPCSTR pszTag; Font font; } kFontTags[] = {
        { "<H1>", fontH1 }, { "<H2>", fontH2 }, { "<H3>", fontH3 }, { "<H4>", fontH4 }, { "<H5>", fontH5 },
        { "<B>", fontBold }, { "</H1>", fontNormal }, { "</H2>", fontNormal }, { "</H3>", fontNormal },
        { "</H4>", fontNormal }, { "</H5>", fontNormal }, { "</B>", fontNormal },
    };
    CString strUpper = Upper(strTag);
    for (const auto& entry : kFontTags)
    {
        if (strUpper.Find(entry.pszTag) == 0)
        {
            SelectFont(entry.font);
            return;
        }
    }
    if (strUpper.Find("<FONT COLOR=") == 0)
        SetTextColour(ParseColour(strUpper, 0, 0, 0));
    else if (strUpper.Find("</FONT>") == 0)
        SetTextColour(m_crText);
}

COLORREF CHtmlRenderer::ParseColour(const CString& strText, int nRed, int nGreen, int nBlue)
{
    int nHash = strText.Find('#');
    if (nHash >= 0)
    {
        CString strValue = strText.Mid(nHash + 1);
        if (strValue.GetLength() > 5)
        {
            nRed = ParseHexPair(strValue.Mid(0, 2));
            nGreen = ParseHexPair(strValue.Mid(2, 2));
            nBlue = ParseHexPair(strValue.Mid(4, 2));
        }
    }
    return RGB(nRed, nGreen, nBlue);
}

int CHtmlRenderer::ParseHexPair(const CString& strText)
{
    if (strText.GetLength() < 2)
        return 0;
    CString strPair = Upper(strText.Left(2));
    return HexDigit(strPair[0]) * 16 + HexDigit(strPair[1]);
}
