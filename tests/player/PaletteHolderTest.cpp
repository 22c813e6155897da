#include "player/PaletteHolder.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

namespace {

HPALETTE MakePalette()
{
    struct
    {
        WORD version;
        WORD count;
        PALETTEENTRY entries[2];
    } palette = { 0x300, 2, { { 255, 0, 0, 0 }, { 0, 0, 255, 0 } } };
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
}

bool Exists(HPALETTE hPalette)
{
    return GetObjectType(hPalette) == OBJ_PAL;
}

TEST(PaletteHolder, DeletesOnlyThePalettesItOwns)
{
    HPALETTE hOwn = MakePalette();
    HPALETTE hBorrowed = MakePalette();
    HPALETTE hSecond = MakePalette();
    {
        CPaletteHolder holder(hOwn);
        EXPECT_EQ(hOwn, holder.GetPalette());
        // A picture's palette stays its picture's; the own one goes.
        holder.Borrow(hBorrowed);
        EXPECT_FALSE(Exists(hOwn));
        EXPECT_EQ(hBorrowed, holder.GetPalette());
        holder.Attach(hSecond);
        EXPECT_TRUE(Exists(hBorrowed));
        EXPECT_EQ(hSecond, holder.GetPalette());
    }
    EXPECT_FALSE(Exists(hSecond));
    EXPECT_TRUE(Exists(hBorrowed));
    {
        CPaletteHolder holder;
        holder.Borrow(hBorrowed);
    }
    EXPECT_TRUE(Exists(hBorrowed));
    DeleteObject(hBorrowed);
}

TEST(PaletteHolder, SelectsThePaletteForOnePaintAndPutsTheOldOneBack)
{
    HDC hdc = CreateCompatibleDC(nullptr);
    CDC* pDC = CDC::FromHandle(hdc);
    HGDIOBJ hBefore = GetCurrentObject(hdc, OBJ_PAL);

    CPaletteHolder empty;
    empty.SelectIn(pDC);
    EXPECT_EQ(hBefore, GetCurrentObject(hdc, OBJ_PAL));
    empty.Restore(pDC);
    EXPECT_EQ(hBefore, GetCurrentObject(hdc, OBJ_PAL));

    CPaletteHolder holder(MakePalette());
    holder.SelectIn(pDC);
    EXPECT_EQ((HGDIOBJ)holder.GetPalette(), GetCurrentObject(hdc, OBJ_PAL));
    holder.Restore(pDC);
    EXPECT_EQ(hBefore, GetCurrentObject(hdc, OBJ_PAL));
    DeleteDC(hdc);
}

} // namespace
