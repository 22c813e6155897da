// Keeps the palette a picture is painted with and selects it into a device
// context for one paint, on screens that show 256 colours or fewer.
#pragma once

#include "framework/Object.h"
#include "framework/Palette.h"

class CDC;

class CPaletteHolder : public CObject
{
    DECLARE_DYNAMIC(CPaletteHolder)
public:
    // The palette given (if any) becomes the holder's own.
    explicit CPaletteHolder(HPALETTE hPalette = nullptr);
    CPaletteHolder(const CPaletteHolder&) = delete;
    CPaletteHolder& operator=(const CPaletteHolder&) = delete;
    ~CPaletteHolder() override;

    // Attributes
    HPALETTE GetPalette() const { return m_hSource; }

    // Operations
    // Takes the palette as its own; a previous own palette is deleted.
    void Attach(HPALETTE hPalette);
    // Uses a palette that stays its owner's, such as a DIB image's or a
    // picture's; a previous own palette is deleted.
    void Borrow(HPALETTE hPalette);
    // Selects the palette as the foreground palette and realises it; the
    // previous one is remembered. Without a palette nothing happens.
    void SelectIn(CDC* pDC);
    // Selects the remembered palette back and realises it.
    void Restore(CDC* pDC);

private:
    void Release();

    CPalette m_palette;            // the own palette
    HPALETTE m_hOldPalette;        // selected before SelectIn
    HPALETTE m_hSource;            // the palette handed in, own or borrowed
};
