// The colour dialog's "Standard" page: the honeycomb of fixed colours.
#pragma once

#include "framework/PropertyPage.h"
#include "toolkit/controls/XTHoneycombCtrl.h"

class CXTColorDialog;

class CXTColorPageStandard : public CPropertyPage
{
    DECLARE_DYNAMIC(CXTColorPageStandard)
public:
    explicit CXTColorPageStandard(CXTColorDialog* pDialog);

    CXTColorDialog* GetColorDialog() const { return m_pDialog; }
    CXTHoneycombCtrl& GetHoneycomb() { return m_wndHoneycomb; }

    BOOL OnInitDialog() override;

protected:
    CXTColorDialog* m_pDialog;
    CXTHoneycombCtrl m_wndHoneycomb;

    void DoDataExchange(CDataExchange* pDX) override;
    // LRESULT OnUpdateColor(WPARAM wParam, LPARAM lParam)
    LRESULT OnUpdateColor(WPARAM wParam, LPARAM lParam);
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
