// A property page whose controls follow their anchors when its resizable
// sheet grows. Pages have no size grip of their own: the sheet has one.
#pragma once

#include "toolkit/controls/XTResizeLayout.h"

#include "framework/PropertyPage.h"

class CXTResizePropertyPage : public CPropertyPage, public CXTResizeLayout
{
    DECLARE_DYNAMIC(CXTResizePropertyPage)
public:
    // Construction
    explicit CXTResizePropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, UINT nFlags = 0);

    // Overridables
    BOOL OnInitDialog() override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnDestroy();

    UINT m_nIDTemplate;

    DECLARE_MESSAGE_MAP()
};
