// The small popup that describes a command on the Commands page: a bold
// title and the description's lines on the tip colours, with a drop shadow
// when asked. A click anywhere closes it and goes on to the window under it;
// losing the focus or its timer closes it too.
#pragma once

#include "framework/Bitmap.h"
#include "framework/String.h"
#include "framework/Wnd.h"

#include <vector>

class CXTDescriptionWnd : public CWnd
{
public:
    CXTDescriptionWnd();
    ~CXTDescriptionWnd() override;

    // Style flags: an inner border, a shadow, and the soft (shaded) shadow
    // instead of the dithered one.
    enum { styleInnerBorder = 0x01, styleShadow = 0x02, styleSoftShadow = 0x04 };
    // The face leaves this many pixels at the right and bottom to the shadow.
    enum { shadowDepth = 5 };

    // Shows the popup at the point (screen) with the style flags. With an
    // elapse in milliseconds a timer closes it, else a click does.
    BOOL Show(CPoint point, CWnd* pParent, LPCSTR lpszTitle, LPCSTR lpszText, UINT nFlags = 0x03,
              UINT nElapse = 0, BOOL bCentre = FALSE);
    void Close();
    // Paints the popup over what the DC holds (the background its shadow darkens).
    void Draw(CDC* pDC);

protected:
    std::vector<CString> m_lines;
    HWND m_hWndParent;
    CRect m_rcFace;
    CRect m_rcShadow;
    CBitmap m_behind;   // the screen under the popup, taken before it showed
    CString m_strTitle;
    UINT m_nFlags;
    COLORREF m_clrBack;
    COLORREF m_clrText;

    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
