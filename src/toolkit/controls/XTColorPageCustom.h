// The colour dialog's "Custom" page: a hue/saturation field, a luminance bar
// and number fields (0..255) for hue, saturation, luminance, red, green and
// blue. A change in any of them is carried to the others and to the dialog.
#pragma once

#include "framework/PropertyPage.h"
#include "framework/SpinButtonCtrl.h"
#include "toolkit/controls/XTHueSatField.h"
#include "toolkit/controls/XTLumBar.h"

class CXTColorDialog;

class CXTColorPageCustom : public CPropertyPage
{
    DECLARE_DYNAMIC(CXTColorPageCustom)
public:
    explicit CXTColorPageCustom(CXTColorDialog* pDialog);

    // Attributes
    CXTHueSatField& GetHueSatField() { return m_wndHueSat; }
    CXTLumBar& GetLumBar() { return m_wndLum; }

    // Hue, saturation and luminance of a colour as the number fields show them.
    static void ColorToHSL(COLORREF clr, int& nHue, int& nSaturation, int& nLuminance);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;

protected:
    enum { SPIN_COUNT = 6 };
    CXTHueSatField m_wndHueSat;
    CXTLumBar m_wndLum;
    CSpinButtonCtrl m_spin[SPIN_COUNT];
    int m_nRed;
    int m_nBlue;
    int m_nGreen;
    int m_nHue;
    int m_nLuminance;
    int m_nSaturation;
    CXTColorDialog* m_pDialog;
    // Set while the page writes its own fields, whose EN_CHANGE must not echo.
    BOOL m_bRefreshing;

    void DoDataExchange(CDataExchange* pDX) override;
    void RefreshControls();
    void SetNumbersFrom(COLORREF clr, BOOL bWithHSL);
    // Hands a picker's colour to the other picker (where different) and the dialog.
    void SpreadColor(COLORREF clr, CXTColorFieldBase& other);
    // The fields as typed, without a box; FALSE while one is not a number 0..255.
    BOOL ReadNumbers();
    // The fields with the range box for one that is not.
    BOOL Validate();

    // void OnChangeRGB()
    void OnChangeRGB();
    void OnChangeLuminance();
    void OnChangeHue();
    void OnChangeSaturation();
    void OnLeaveNumber();
    // LRESULT OnUpdateColor(WPARAM wParam, LPARAM lParam)
    LRESULT OnUpdateColor(WPARAM wParam, LPARAM lParam);
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
