#include "framework/DragFeedback.h"

#include <algorithm>

HBRUSH AfxGetHalftoneBrush()
{
    static HBRUSH hBrush = nullptr;
    if (hBrush == nullptr)
    {
        WORD grayPattern[8];
        for (int i = 0; i < 8; ++i)
            grayPattern[i] = (WORD)(0x5555u << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (hBitmap != nullptr)
        {
            hBrush = ::CreatePatternBrush(hBitmap);
            ::DeleteObject(hBitmap);
        }
    }
    return hBrush;
}

void AfxInvertFrame(HDC hDC, const CRect& rect, CSize size, HBRUSH hBrush)
{
    if (rect.IsRectEmpty() || size.cx < 0 || size.cy < 0 || (size.cx == 0 && size.cy == 0))
        return;
    HGDIOBJ hOld = ::SelectObject(hDC, hBrush != nullptr ? hBrush : AfxGetHalftoneBrush());
    int cx = std::min<int>(size.cx, rect.Width()), cy = std::min<int>(size.cy, rect.Height());
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), cy, PATINVERT);
    ::PatBlt(hDC, rect.left, rect.bottom - cy, rect.Width(), cy, PATINVERT);
    if (rect.Height() > 2 * cy)
    {
        ::PatBlt(hDC, rect.left, rect.top + cy, cx, rect.Height() - 2 * cy, PATINVERT);
        ::PatBlt(hDC, rect.right - cx, rect.top + cy, cx, rect.Height() - 2 * cy, PATINVERT);
    }
    ::SelectObject(hDC, hOld);
}

CPoint AfxMessageScreenPoint(const MSG& msg)
{
    if (msg.hwnd == nullptr)
        return CPoint(msg.pt);
    CPoint pt((int)(short)LOWORD(msg.lParam), (int)(short)HIWORD(msg.lParam));
    ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}
