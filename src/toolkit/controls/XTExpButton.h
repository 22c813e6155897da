// The chevron at the end of a tool bar: a flat owner-drawn button that shows
// an overflow arrow while the bar hides buttons and a customise arrow while
// the bar takes part in customisation.
#pragma once

#include "toolkit/controls/XTButton.h"

class CXTToolBar;

class CXTExpButton : public CXTButton
{
    DECLARE_DYNAMIC(CXTExpButton)
public:
    // Construction
    CXTExpButton();
    ~CXTExpButton() override;
    // A child of the bar with an empty caption and rectangle.
    BOOL Create(CXTToolBar* pBar, UINT nID);

    // Attributes
    CXTToolBar* GetToolBar() const { return m_pToolBar; }
    // Enabled while the bar hides buttons or takes part in customisation.
    BOOL IsUseful() const;

    // Overridables
    COLORREF GetFaceColor() override;
    DWORD GetStyleFlags() override;
    void DrawBitmap(CDC* pDC, UINT nState, const CRect& rcItem) override;

    // Implementation
protected:
    CXTToolBar* m_pToolBar;
};
