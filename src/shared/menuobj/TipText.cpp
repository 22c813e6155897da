#include "shared/menuobj/TipText.h"

IMPLEMENT_DYNAMIC(CTipText, CObject)

namespace {

const int kMaxLines = 101;         // lines of one paragraph
const char kBreakTag[] = "<BR>";
const int kBreakTagLength = 4;

int TextWidth(CDC* pDC, const CString& strText)
{
    return pDC->GetTextExtent(strText).cx;
}

// The longest beginning of the text that is narrower than the width, at least
// one character.
CString FittingStart(CDC* pDC, const CString& strText, int nWidth)
{
    int nLength = 1;
    while (nLength < strText.GetLength() && TextWidth(pDC, strText.Left(nLength + 1)) < nWidth)
        ++nLength;
    return strText.Left(nLength);
}

} // namespace

void SplitAtBreakTags(const CString& strText, CStringArray& pieces, int nMaxPieces)
{
    pieces.RemoveAll();
    CString strUpper = strText;
    strUpper.MakeUpper();
    int nStart = 0;
    for (int nFound; pieces.GetSize() + 1 < nMaxPieces && (nFound = strUpper.Find(kBreakTag, nStart)) >= 0;
         nStart = nFound + kBreakTagLength)
        pieces.Add(strText.Mid(nStart, nFound - nStart));
    pieces.Add(strText.Mid(nStart));
}

CTipText::CTipText() : m_bCentre(TRUE)
{
}

void CTipText::Set(const CString& strText, const RECT& rect)
{
    m_strText = strText;
    m_rect = rect;
}

void CTipText::Draw(CDC* pDC, BOOL bCentre)
{
    m_bCentre = bCentre;
    if (AfxHdc(pDC) == nullptr)
        return;
    Layout layout = { pDC, m_rect.left + 2, m_rect.top, m_rect.Width() - 4, pDC->GetTextExtent(m_strText).cy };

    CStringArray pieces;
    SplitAtBreakTags(m_strText, pieces);
    // A tag at the very end starts no further line.
    for (int nPiece = 0; nPiece < pieces.GetSize(); ++nPiece)
    {
        if (!pieces[nPiece].IsEmpty())
            DrawParagraph(layout, pieces[nPiece]);
        else if (nPiece + 1 < pieces.GetSize())
            layout.y += layout.nLineHeight;      // an empty line
    }
}

// Draws the lines of one paragraph that fit completely below the last one.
void CTipText::DrawParagraph(Layout& layout, CString strParagraph) const
{
    if (layout.y + layout.nLineHeight > m_rect.bottom)
        return;
    for (int nLine = 0; nLine < kMaxLines && !strParagraph.IsEmpty(); ++nLine)
    {
        CString strLine = TakeLine(layout, strParagraph);
        int x = layout.x;
        if (m_bCentre)
            x += (m_rect.Width() - TextWidth(layout.pDC, strLine)) / 2;
        layout.pDC->TextOut(x, layout.y, strLine);
        int yLine = layout.y;
        layout.y += layout.nLineHeight;
        if (yLine + 2 * layout.nLineHeight > m_rect.bottom)
            break;
    }
}

// Cuts the next line off the front of the paragraph: as many words as are
// narrower than the width, or, for a word wider than that, the characters
// of it that fit.
CString CTipText::TakeLine(const Layout& layout, CString& strParagraph) const
{
    strParagraph.TrimLeft(' ');
    CString strLine;
    CString strRest = strParagraph;
    while (!strRest.IsEmpty() && TextWidth(layout.pDC, strLine) < layout.nWidth)
    {
        int nBlank = strRest.Find(' ', 1);
        if (nBlank < 0)
        {
            strLine += strRest;
            strRest.Empty();
        }
        else
        {
            strLine += strRest.Left(nBlank + 1);
            strRest.Delete(0, nBlank + 1);
        }
    }
    while (TextWidth(layout.pDC, strLine) > layout.nWidth)
    {
        int nBlank = strLine.ReverseFind(' ');
        if (nBlank <= 0)
        {
            strLine = FittingStart(layout.pDC, strParagraph, layout.nWidth);
            break;
        }
        strLine = strLine.Left(nBlank);
    }
    strParagraph.Delete(0, strLine.GetLength());
    return strLine;
}
