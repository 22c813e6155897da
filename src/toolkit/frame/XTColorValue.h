// A colour value with the arithmetic the toolkit derives its flat-look and
// highlight colours with. Every channel result is clamped to 0..255; nothing
// carries from one channel into the next.
#pragma once

#include <windows.h>

class CXTColorValue
{
public:
    // Construction
    CXTColorValue(COLORREF clr = 0) : m_clr(clr) {}
    operator COLORREF() const { return m_clr; }

    // Operations
    // This colour moved nPercent per cent toward clrOther (integer division).
    CXTColorValue Blend(COLORREF clrOther, int nPercent) const;
    // Each channel plus the matching channel of clrAmount.
    CXTColorValue Add(COLORREF clrAmount) const;
    // n (itself clamped to 0..255) added to all three channels.
    CXTColorValue AddGray(int n) const;
    void RGBtoHSL(double& dHue, double& dSaturation, double& dLuminance) const;

    static CXTColorValue MakeColor(int nRed, int nGreen, int nBlue);
    static CXTColorValue HSLtoRGB(double dHue, double dSaturation, double dLuminance);
    // One channel, 0 to 1, of a hue between the two HSL helper values.
    static double HueToRGB(double m1, double m2, double dHue);

private:
    COLORREF m_clr;
};

// Named colours.
extern const CXTColorValue xtClrBlack;
extern const CXTColorValue xtClrWhite;
extern const CXTColorValue xtClrDarkGray;
extern const CXTColorValue xtClrGray;
extern const CXTColorValue xtClrLightGray;
