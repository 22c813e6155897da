#include "toolkit/controls/XTColorPageCustom.h"

#include "framework/DataExchange.h"
#include "framework/PaintDC.h"
#include "toolkit/XTResource.h"
#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/frame/XTColorValue.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

#include <stdlib.h>

namespace {

struct NumberField
{
    int nEdit;
    int nSpin;
};

// Hue, saturation, luminance, red, green, blue.
const NumberField kNumberFields[] = {
    { XT_IDC_EDIT_HUE, XT_IDC_SPIN_HUE },     { XT_IDC_EDIT_SAT, XT_IDC_SPIN_SAT },
    { XT_IDC_EDIT_LUM, XT_IDC_SPIN_LUM },     { XT_IDC_EDIT_RED, XT_IDC_SPIN_RED },
    { XT_IDC_EDIT_GREEN, XT_IDC_SPIN_GREEN }, { XT_IDC_EDIT_BLUE, XT_IDC_SPIN_BLUE },
};

} // namespace

IMPLEMENT_DYNAMIC(CXTColorPageCustom, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTColorPageCustom, CPropertyPage)
    // void OnChangeRGB()
    ON_EN_CHANGE(XT_IDC_EDIT_RED, OnChangeRGB)
    ON_EN_CHANGE(XT_IDC_EDIT_GREEN, OnChangeRGB)
    ON_EN_CHANGE(XT_IDC_EDIT_BLUE, OnChangeRGB)
    ON_EN_CHANGE(XT_IDC_EDIT_LUM, OnChangeLuminance)
    ON_EN_CHANGE(XT_IDC_EDIT_HUE, OnChangeHue)
    ON_EN_CHANGE(XT_IDC_EDIT_SAT, OnChangeSaturation)
    // void OnLeaveNumber()
    ON_EN_KILLFOCUS(XT_IDC_EDIT_HUE, OnLeaveNumber)
    ON_EN_KILLFOCUS(XT_IDC_EDIT_SAT, OnLeaveNumber)
    ON_EN_KILLFOCUS(XT_IDC_EDIT_LUM, OnLeaveNumber)
    ON_EN_KILLFOCUS(XT_IDC_EDIT_RED, OnLeaveNumber)
    ON_EN_KILLFOCUS(XT_IDC_EDIT_GREEN, OnLeaveNumber)
    ON_EN_KILLFOCUS(XT_IDC_EDIT_BLUE, OnLeaveNumber)
    // LRESULT OnUpdateColor(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_XT_UPDATECOLOR, OnUpdateColor)
    // void OnPaint()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CXTColorPageCustom::CXTColorPageCustom(CXTColorDialog* pDialog)
    : CPropertyPage(XT_IDD_COLORCUSTOM), m_nRed(0), m_nBlue(0), m_nGreen(0), m_nHue(0), m_nLuminance(0),
      m_nSaturation(0), m_pDialog(pDialog), m_bRefreshing(FALSE)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

void CXTColorPageCustom::ColorToHSL(COLORREF clr, int& nHue, int& nSaturation, int& nLuminance)
{
    double dHue, dSaturation, dLuminance;
    CXTColorValue(clr).RGBtoHSL(dHue, dSaturation, dLuminance);
    nHue = (int)(dHue * 255);
    nSaturation = (int)(dSaturation * 255);
    nLuminance = (int)(dLuminance * 255);
}

void CXTColorPageCustom::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, XT_IDC_CLR_HSL, m_wndHueSat);
    DDX_Control(pDX, XT_IDC_CLR_LUM, m_wndLum);
    for (int i = 0; i < SPIN_COUNT; ++i)
        DDX_Control(pDX, kNumberFields[i].nSpin, m_spin[i]);
    int* values[SPIN_COUNT] = { &m_nHue, &m_nSaturation, &m_nLuminance, &m_nRed, &m_nGreen, &m_nBlue };
    for (int i = 0; i < SPIN_COUNT; ++i)
    {
        DDX_Text(pDX, kNumberFields[i].nEdit, *values[i]);
        DDV_MinMaxInt(pDX, *values[i], 0, 255);
    }
}

BOOL CXTColorPageCustom::OnInitDialog()
{
    m_bRefreshing = TRUE;
    CPropertyPage::OnInitDialog();
    for (int i = 0; i < SPIN_COUNT; ++i)
    {
        m_spin[i].SetBuddy(GetDlgItem(kNumberFields[i].nEdit));
        m_spin[i].SetRange(0, 255);
    }
    m_bRefreshing = FALSE;
    return TRUE;
}

BOOL CXTColorPageCustom::OnSetActive()
{
    COLORREF clr = m_pDialog->GetNewColor();
    m_wndHueSat.SetFieldColor(clr, TRUE);
    m_wndLum.SetFieldColor(clr, TRUE);
    SetNumbersFrom(clr, TRUE);
    RefreshControls();
    return CPropertyPage::OnSetActive();
}

void CXTColorPageCustom::RefreshControls()
{
    m_bRefreshing = TRUE;
    UpdateData(FALSE);
    m_bRefreshing = FALSE;
}

BOOL CXTColorPageCustom::ReadNumbers()
{
    if (m_bRefreshing)
        return FALSE;
    // While the user types, a field may be empty or past 255 for a moment:
    // such a state changes nothing and shows no box (the field is checked
    // when it is left, and on OK).
    int* values[SPIN_COUNT] = { &m_nHue, &m_nSaturation, &m_nLuminance, &m_nRed, &m_nGreen, &m_nBlue };
    int read[SPIN_COUNT];
    for (int i = 0; i < SPIN_COUNT; ++i)
    {
        char szText[16] = "";
        ::GetDlgItemTextA(m_hWnd, kNumberFields[i].nEdit, szText, sizeof(szText));
        char* pEnd = nullptr;
        long nValue = strtol(szText, &pEnd, 10);
        while (*pEnd == ' ')
            ++pEnd;
        if (pEnd == szText || *pEnd != '\0' || nValue < 0 || nValue > 255)
            return FALSE;
        read[i] = (int)nValue;
    }
    for (int i = 0; i < SPIN_COUNT; ++i)
        *values[i] = read[i];
    return TRUE;
}

BOOL CXTColorPageCustom::Validate()
{
    if (m_bRefreshing)
        return TRUE;
    // The range box moves the focus: its own kill-focus must not ask again.
    m_bRefreshing = TRUE;
    BOOL bValid = UpdateData(TRUE);
    m_bRefreshing = FALSE;
    return bValid;
}

void CXTColorPageCustom::OnLeaveNumber()
{
    Validate();
}

BOOL CXTColorPageCustom::OnKillActive()
{
    return Validate();
}

void CXTColorPageCustom::SetNumbersFrom(COLORREF clr, BOOL bWithHSL)
{
    m_nRed = GetRValue(clr);
    m_nGreen = GetGValue(clr);
    m_nBlue = GetBValue(clr);
    if (bWithHSL)
        ColorToHSL(clr, m_nHue, m_nSaturation, m_nLuminance);
}

void CXTColorPageCustom::SpreadColor(COLORREF clr, CXTColorFieldBase& other)
{
    if (other.GetFieldColor() != clr)
        other.SetFieldColor(clr, FALSE);
    if (m_pDialog->GetNewColor() != clr)
        m_pDialog->UpdateNewColor(clr, FALSE);
    SetNumbersFrom(clr, FALSE);
    RefreshControls();
}

void CXTColorPageCustom::OnChangeRGB()
{
    if (!ReadNumbers())
        return;
    COLORREF clr = RGB(m_nRed, m_nGreen, m_nBlue);
    if (m_wndHueSat.GetFieldColor() != clr)
        m_wndHueSat.SetFieldColor(clr, TRUE);
    if (m_wndLum.GetFieldColor() != clr)
        m_wndLum.SetFieldColor(clr, TRUE);
    if (m_pDialog->GetNewColor() != clr)
        m_pDialog->UpdateNewColor(clr, FALSE);
    // Hue, saturation and luminance follow; the colour's own fields keep what is being typed.
    ColorToHSL(clr, m_nHue, m_nSaturation, m_nLuminance);
    const int values[3] = { m_nHue, m_nSaturation, m_nLuminance };
    m_bRefreshing = TRUE;
    for (int i = 0; i < 3; ++i)
        SetDlgItemInt(kNumberFields[i].nEdit, (UINT)values[i], FALSE);
    m_bRefreshing = FALSE;
}

void CXTColorPageCustom::OnChangeLuminance()
{
    if (!ReadNumbers())
        return;
    m_wndLum.MoveToLuminance(m_nLuminance / 255.0);
    SpreadColor(m_wndLum.GetFieldColor(), m_wndHueSat);
}

void CXTColorPageCustom::OnChangeHue()
{
    if (!ReadNumbers())
        return;
    m_wndHueSat.MoveToHue(m_nHue / 255.0);
    SpreadColor(m_wndHueSat.GetFieldColor(), m_wndLum);
}

void CXTColorPageCustom::OnChangeSaturation()
{
    if (!ReadNumbers())
        return;
    m_wndHueSat.MoveToSaturation(m_nSaturation / 255.0);
    SpreadColor(m_wndHueSat.GetFieldColor(), m_wndLum);
}

LRESULT CXTColorPageCustom::OnUpdateColor(WPARAM wParam, LPARAM)
{
    COLORREF clr = (COLORREF)wParam;
    if (m_wndHueSat.GetFieldColor() != clr)
        m_wndHueSat.SetFieldColor(clr, FALSE);
    if (m_wndLum.GetFieldColor() != clr)
        m_wndLum.SetFieldColor(clr, FALSE);
    m_pDialog->UpdateNewColor(clr, FALSE);
    SetNumbersFrom(clr, TRUE);
    RefreshControls();
    return 0;
}

void CXTColorPageCustom::OnPaint()
{
    CPaintDC dc(this);
    CXTMemDC memDC(&dc, CRect(0, 0, 0, 0), xtAfxData.m_clr3DFace);
}
