#include "toolkit/frame/XTColorValue.h"

const CXTColorValue xtClrBlack(RGB(0, 0, 0));
const CXTColorValue xtClrWhite(RGB(255, 255, 255));
const CXTColorValue xtClrDarkGray(RGB(64, 64, 64));
const CXTColorValue xtClrGray(RGB(128, 128, 128));
const CXTColorValue xtClrLightGray(RGB(192, 192, 192));

namespace {

int ClampChannel(int n)
{
    return n < 0 ? 0 : (n > 255 ? 255 : n);
}

int BlendChannel(int a, int b, int nPercent)
{
    return ClampChannel((a * (100 - nPercent) + b * nPercent) / 100);
}

} // namespace

CXTColorValue CXTColorValue::MakeColor(int nRed, int nGreen, int nBlue)
{
    return CXTColorValue(RGB(ClampChannel(nRed), ClampChannel(nGreen), ClampChannel(nBlue)));
}

CXTColorValue CXTColorValue::Blend(COLORREF clrOther, int nPercent) const
{
    return MakeColor(BlendChannel(GetRValue(m_clr), GetRValue(clrOther), nPercent),
                     BlendChannel(GetGValue(m_clr), GetGValue(clrOther), nPercent),
                     BlendChannel(GetBValue(m_clr), GetBValue(clrOther), nPercent));
}

CXTColorValue CXTColorValue::Add(COLORREF clrAmount) const
{
    return MakeColor(GetRValue(m_clr) + GetRValue(clrAmount), GetGValue(m_clr) + GetGValue(clrAmount),
                     GetBValue(m_clr) + GetBValue(clrAmount));
}

CXTColorValue CXTColorValue::AddGray(int n) const
{
    int nGray = ClampChannel(n);
    return Add(RGB(nGray, nGray, nGray));
}

void CXTColorValue::RGBtoHSL(double& dHue, double& dSaturation, double& dLuminance) const
{
    const double dScale = 0.00392156862745098;
    double r = GetRValue(m_clr) * dScale;
    double g = GetGValue(m_clr) * dScale;
    double b = GetBValue(m_clr) * dScale;
    double dMax = r > g ? (r > b ? r : b) : (g > b ? g : b);
    double dMin = r < g ? (r < b ? r : b) : (g < b ? g : b);
    dLuminance = (dMax + dMin) / 2;
    if (dMax == dMin)
    {
        dHue = 0;
        dSaturation = 0;
        return;
    }
    double d = dMax - dMin;
    dSaturation = dLuminance >= 0.5 ? d / (2 - dMax - dMin) : d / (dMax + dMin);
    double dSixths;
    if (r == dMax)
        dSixths = (g - b) / d;
    else if (g != dMax)
        dSixths = (r - g) / d + 4;
    else
        dSixths = (b - r) / d + 2;
    dHue = dSixths * 0.16666666666666666;
    if (dHue < 0)
        dHue += 1;
}

double CXTColorValue::HueToRGB(double m1, double m2, double dHue)
{
    if (dHue < 0)
        dHue += 1;
    else if (dHue > 1)
        dHue -= 1;
    if (6 * dHue < 1)
        return m1 + (m2 - m1) * dHue * 6;
    if (2 * dHue < 1)
        return m2;
    if (3 * dHue < 2)
        return m1 + (m2 - m1) * (0.6666666666666666 - dHue) * 6;
    return m1;
}

CXTColorValue CXTColorValue::HSLtoRGB(double dHue, double dSaturation, double dLuminance)
{
    if (dSaturation == 0)
    {
        int nGray = (int)(dLuminance * 255) & 0xFF;
        return CXTColorValue(RGB(nGray, nGray, nGray));
    }
    double m2 = dLuminance >= 0.5 ? dLuminance + dSaturation - dLuminance * dSaturation
                                  : dLuminance * (1 + dSaturation);
    double m1 = 2 * dLuminance - m2;
    const double dThird = 0.3333333333333333;
    int nRed = (int)(HueToRGB(m1, m2, dHue + dThird) * 255) & 0xFF;
    int nGreen = (int)(HueToRGB(m1, m2, dHue) * 255) & 0xFF;
    int nBlue = (int)(HueToRGB(m1, m2, dHue - dThird) * 255) & 0xFF;
    return CXTColorValue(RGB(nRed, nGreen, nBlue));
}
