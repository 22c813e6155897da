// The description of a text's look on a menu page: a LOGFONT, a text colour and
// a text effect (TextEffect.h), with the GDI font made from it on demand and
// the drawing of texts in it.
#pragma once

#include "framework/Collections.h"
#include "framework/Object.h"
#include "framework/String.h"

class CDC;
class CFont;

class CFontDesc : public CObject
{
    DECLARE_DYNAMIC(CFontDesc)
public:
    CFontDesc();
    // Copies go through Assign: a copy makes its own font when first used.
    CFontDesc(const CFontDesc& other);
    CFontDesc& operator=(const CFontDesc& other);
    ~CFontDesc() override;

    // Height 16, weight 400, face "Arial", default character set, black, no
    // effect; a font made before is deleted.
    void SetDefaults();
    // Takes the other's LOGFONT, colour and effect; the font made from the
    // previous values is deleted.
    void Assign(const CFontDesc& other);

    // The GDI font
    // Makes the font from m_logFont anew; FALSE when it cannot be made.
    BOOL CreateFont();
    CFont* GetFont() const { return m_pFont; }
    // Selects the font (made first when needed) into the DC; RestoreFont puts
    // the previous one back.
    void SelectInto(CDC* pDC);
    void RestoreFont(CDC* pDC);

    // Drawing
    // The size a text needs in this font on the main window's screen, with room
    // for italics and the effect; FALSE (and 0, 0) without a main window.
    BOOL MeasureText(const CString& strText, int& cx, int& cy);
    // One line with the effect, in the font selected in the DC.
    void TextOutEffect(CDC* pDC, int x, int y, const CString& strText);
    // The text centred in the rectangle, cut at its end until it fits.
    void DrawTextFitted(CDC* pDC, const RECT& rc, CString strText);
    // Lines drawn one below the other as one block centred in the rectangle,
    // each centred across and cut at its end until it fits.
    void DrawLinesFitted(CDC* pDC, const RECT& rc, const CStringArray& lines);

    LOGFONTA m_logFont;
    COLORREF m_crColor;
    int m_nEffect;
    int m_cx = 0;                  // extent of the last text measured or drawn
    int m_cy = 0;
    RECT m_rcText = { 0, 0, 0, 0 }; // the last text drawn with its effect, effect pixels included

private:
    void DeleteFont();

    BOOL m_bCreated = FALSE;
    CFont* m_pFont = nullptr;      // owned
    CFont* m_pOldFont = nullptr;   // the DC's font before SelectInto
};
