// Shows a text line by line in a device context: plain text in one face, or,
// once a line holds "<HTML>", a small HTML subset (body colours, a font face,
// headings H1 to H5, bold, font colours and the entities of the umlauts, ß,
// "<" and ">"). The lines are scanned once by Prepare; Render then measures or
// draws them as often as a window needs.
#pragma once

#include "framework/DC.h"

#include <vector>

class CHtmlRenderer : public CObject
{
    DECLARE_DYNAMIC(CHtmlRenderer)
public:
    // The lines that are shown, handed out in order from the first. The
    // renderer borrows the source: it must live as long as it is rendered.
    class LineSource
    {
    public:
        virtual ~LineSource() = default;
        // 1 and the first (or next) line; 0 and an empty text after the last.
        virtual int GetFirst(CString& strLine) = 0;
        virtual int GetNext(CString& strLine) = 0;
    };

    // Construction
    CHtmlRenderer();
    CHtmlRenderer(const CHtmlRenderer&) = delete;
    CHtmlRenderer& operator=(const CHtmlRenderer&) = delete;
    ~CHtmlRenderer() override;

    // Attributes
    BOOL IsHtml() const { return m_bHtml; }
    const CString& GetFace() const { return m_strFace; }
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF GetBkColor() const { return m_crBack; }

    // Operations
    // Scans the lines for the mode, the colours and the face and makes the
    // fonts and the background brush. An empty face becomes Arial for HTML
    // with headings or bold, else Courier. Returns 100 by 100.
    CSize Prepare(LineSource* pSource, LPCSTR lpszFace, COLORREF crText, COLORREF crBack);
    // Fills the rectangle with the background and draws every line, or only
    // walks them without a DC; returns the size the text needs (widest right
    // edge + 10 by total height + 10). With a DC it also lays the lines out
    // for RenderVisible.
    CSize Render(CDC* pDC, const RECT& rect);
    // Fills the rectangle with the background and draws only the lines of the
    // last Render with a DC that show in it when the text is scrolled to the
    // position; the rectangle's top left shows the text at that position.
    void RenderVisible(CDC* pDC, const RECT& rect, const POINT& ptScroll);

    // "#RRGGBB" after the first "#" of the text, else the defaults.
    static COLORREF ParseColour(const CString& strText, int nRed, int nGreen, int nBlue);
    // The first two characters as a hexadecimal byte; a character that is no
    // hexadecimal digit counts as 0, a text shorter than two as "00".
    static int ParseHexPair(const CString& strText);

private:
    enum Font { fontNormal, fontBold, fontH1, fontH2, fontH3, fontH4, fontH5, fontCount };

    // Where a line was drawn and the drawing state it started with.
    struct LineStart
    {
        int y;
        int nHeight;
        Font font;
        COLORREF crText;
        BOOL bBody;
    };

    void BeginDrawing(CDC* pDC, const RECT& rect);
    void EndDrawing(HGDIOBJ hOldFont);
    void SetTextColour(COLORREF crText);
    void ScanLine(const CString& strLine, BOOL& bFormatted);
    void MakeFonts();
    void SelectFont(Font font);
    int DrawLine(int x, int y, CString strText);
    int DrawRun(int x, int y, CString strText);
    void DecodeEntities(CString& strText) const;
    BOOL NextTag(const CString& strText, CString& strBefore, CString& strRest) const;
    void HandleTag(const CString& strText, CString& strTag, CString& strRest);

    BOOL m_bHtml = FALSE;
    BOOL m_bBody = FALSE;          // the "<body" tag was passed while drawing
    LineSource* m_pSource = nullptr;
    CString m_strFace;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBack = RGB(255, 255, 255);
    CBrush m_brush;
    CFont m_fonts[fontCount];

    // Drawing state of one Render
    CDC* m_pDC = nullptr;
    CRect m_rect;
    int m_nRight = 0;              // widest right edge reached
    int m_nLineHeight = 0;         // tallest run of the current line
    Font m_font = fontNormal;      // selected font
    COLORREF m_crCurrent = RGB(0, 0, 0);   // colour of the text being drawn
    std::vector<LineStart> m_layout;       // the lines of the last Render with a DC
};
