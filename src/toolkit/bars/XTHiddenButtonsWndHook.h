// Watches the window that receives the chevron popup's commands while the
// popup is open: that window keeps its active caption, and a command chosen
// in the popup closes the popup and reaches the window afterwards.
#pragma once

#include "toolkit/frame/XTWndHook.h"

class CXTExpMenuWnd;

class CXTHiddenButtonsWndHook : public CXTWndHook
{
    DECLARE_DYNAMIC(CXTHiddenButtonsWndHook)
public:
    explicit CXTHiddenButtonsWndHook(CXTExpMenuWnd* pPopup) : m_pPopup(pPopup) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    CXTExpMenuWnd* m_pPopup;
};
