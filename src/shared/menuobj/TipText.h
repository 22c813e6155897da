// The line layout of a tooltip area: the text is broken into paragraphs at
// "<BR>" tags, each paragraph is wrapped at blanks to the rectangle's width,
// and only whole lines that fit into the rectangle are drawn.
#pragma once

#include "framework/Collections.h"
#include "framework/DC.h"

// Lines of one text at most, empty ones included.
inline constexpr int kMaxTextPieces = 101;

// The pieces of the text between "<BR>" tags (letters of the tag in any
// case): a text without a tag is one piece, a tag at either end leaves an
// empty piece there. The last of nMaxPieces pieces keeps the rest, tags and all.
void SplitAtBreakTags(const CString& strText, CStringArray& pieces, int nMaxPieces = kMaxTextPieces);

class CTipText : public CObject
{
    DECLARE_DYNAMIC(CTipText)
public:
    // Construction
    CTipText();

    // Attributes
    const CString& GetText() const { return m_strText; }
    const CRect& GetRect() const { return m_rect; }
    BOOL IsCentred() const { return m_bCentre; }

    // Operations
    void Set(const CString& strText, const RECT& rect);
    // Lays the text out in the font selected in the DC and draws it; with the
    // centre flag each line is centred in the rectangle.
    void Draw(CDC* pDC, BOOL bCentre);

private:
    struct Layout
    {
        CDC* pDC;
        int x;
        int y;
        int nWidth;          // available for a line
        int nLineHeight;
    };

    void DrawParagraph(Layout& layout, CString strParagraph) const;
    CString TakeLine(const Layout& layout, CString& strParagraph) const;

    CRect m_rect;
    BOOL m_bCentre;
    CString m_strText;
};
