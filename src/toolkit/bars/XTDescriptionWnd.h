// The small popup that describes a command on the Commands page: a bold
// title and the description's lines on the tip colours. A click anywhere,
// losing the focus or its timer closes it.
#pragma once

#include "framework/String.h"
#include "framework/Wnd.h"

#include <vector>

class CXTDescriptionWnd : public CWnd
{
public:
    CXTDescriptionWnd();
    ~CXTDescriptionWnd() override;

    // Shows the popup at the point (screen); flags 0x01 adds an inner border.
    // With an elapse in milliseconds a timer closes it, else a click does.
    BOOL Show(CPoint point, CWnd* pParent, LPCSTR lpszTitle, LPCSTR lpszText, UINT nFlags = 0x03,
              UINT nElapse = 0, BOOL bCentre = FALSE);
    void Close();

protected:
    std::vector<CString> m_lines;
    CString m_strTitle;
    UINT m_nFlags;
    COLORREF m_clrBack;
    COLORREF m_clrText;

    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
