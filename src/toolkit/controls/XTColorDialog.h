// The toolkit's colour chooser: a property sheet with a honeycomb page and a
// custom page, showing the new colour above the current one beside the tabs.
// The caller reads GetNewColor after IDOK.
#pragma once

#include "framework/Edit.h"
#include "framework/PropertySheet.h"

class CXTColorPageStandard;
class CXTColorPageCustom;

#define CPS_XT_SHOWHEXVALUE     0x0020   // the new colour as hexadecimal text
#define CPS_XT_SHOW3DSELECTION  0x0040   // sunken 3D frame around the swatches

// A picker or page chose a colour; wParam is the colour.
#define WM_XT_UPDATECOLOR (WM_USER + 1024)

class CXTColorDialog : public CPropertySheet
{
    DECLARE_DYNAMIC(CXTColorDialog)
public:
    // Construction
    CXTColorDialog(COLORREF clrNew, COLORREF clrCurrent, DWORD dwStyle = 0, CWnd* pParentWnd = nullptr);
    ~CXTColorDialog() override;
    CXTColorDialog(const CXTColorDialog&) = delete;
    CXTColorDialog& operator=(const CXTColorDialog&) = delete;

    // Attributes
    COLORREF GetNewColor() const { return m_clrNew; }
    COLORREF GetCurrentColor() const { return m_clrCurrent; }
    CXTColorPageStandard* GetStandardPage() const { return m_pPageStandard; }
    CXTColorPageCustom* GetCustomPage() const { return m_pPageCustom; }

    // Operations
    // Stores the new colour and shows it; bNotifyPages sends it on to every page.
    void UpdateNewColor(COLORREF clr, BOOL bNotifyPages);
    // "Hex: RRGGBB", two upper-case digits per component.
    static CString FormatHexText(COLORREF clr);
    // Ends the sheet that holds pWnd as if OK was pressed.
    static void EndWithOK(CWnd* pWnd);
    // The rectangle the two swatches share, from the sheet's client rectangle.
    static CRect SwatchArea(const CRect& rcClient);
    // The swatches with their frame and labels, as the sheet paints them.
    void PaintSwatches(CDC* pDC);

    // Overridables
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CEdit m_editHex;
    int m_nStyle;
    CRect m_rcNew;
    CRect m_rcCurrent;
    COLORREF m_clrNew;
    COLORREF m_clrCurrent;
    CXTColorPageStandard* m_pPageStandard;
    CXTColorPageCustom* m_pPageCustom;

    void CreateHexEdit();
    // void OnPaint()
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
