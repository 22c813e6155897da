// The chevron at the end of a tool bar: a flat owner-drawn button that shows
// an overflow arrow while the bar hides buttons and a customise arrow while
// the bar takes part in customisation.
#pragma once

#include "toolkit/controls/XTButton.h"

class CXTExpMenuWnd;
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

    // The overflow popup while it is open.
    CXTExpMenuWnd* GetPopup() const { return m_pPopup; }

    // Operations
    // Opens the overflow popup under the button; FALSE when none could be made.
    BOOL ShowPopup();
    void ClosePopup();

    // Overridables
    void DrawButton(LPDRAWITEMSTRUCT lpDIS) override;
    COLORREF GetFaceColor() override;
    DWORD GetStyleFlags() override;
    void DrawBitmap(CDC* pDC, UINT nState, const CRect& rcItem) override;

    // Implementation
protected:
    CXTToolBar* m_pToolBar;
    CXTExpMenuWnd* m_pPopup;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnClicked();
    void OnPaint();
    LRESULT OnPopupClosed(WPARAM wParam, LPARAM lParam);
    LRESULT OnCancelMode(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
