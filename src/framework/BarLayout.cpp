#include "framework/BarLayout.h"

#include "framework/Ids.h"

#include <algorithm>

CRect AfxTakeBarRoom(CRect& rectLayout, CSize size, DWORD dwAlign)
{
    CRect rect = rectLayout;
    int cx = std::max(0, std::min<int>(size.cx, rectLayout.Width()));
    int cy = std::max(0, std::min<int>(size.cy, rectLayout.Height()));
    if (dwAlign & CBRS_ALIGN_TOP)
    {
        rect.right = rect.left + cx;
        rect.bottom = rect.top + cy;
        rectLayout.top = rect.bottom;
    }
    else if (dwAlign & CBRS_ALIGN_BOTTOM)
    {
        rect.right = rect.left + cx;
        rect.top = rect.bottom - cy;
        rectLayout.bottom = rect.top;
    }
    else if (dwAlign & CBRS_ALIGN_LEFT)
    {
        rect.bottom = rect.top + cy;
        rect.right = rect.left + cx;
        rectLayout.left = rect.right;
    }
    else if (dwAlign & CBRS_ALIGN_RIGHT)
    {
        rect.bottom = rect.top + cy;
        rect.left = rect.right - cx;
        rectLayout.right = rect.left;
    }
    else
        return CRect(0, 0, 0, 0);
    return rect;
}

std::vector<int> AfxWrapRows(const std::vector<AFX_WRAPITEM>& items, int nLength)
{
    std::vector<int> rows;
    int x = 0;
    for (int i = 0; i < (int)items.size(); ++i)
    {
        const AFX_WRAPITEM& item = items[(size_t)i];
        if (rows.empty())
        {
            rows.push_back(i);
            x = item.cx;
            continue;
        }
        // A separator that does not fit closes the row it follows.
        if (x + item.cx > nLength && !item.bSeparator)
        {
            rows.push_back(i);
            x = item.cx;
        }
        else if (x + item.cx > nLength)
            x = nLength + 1;   // the next item starts a row
        else
            x += item.cx;
    }
    return rows;
}

std::vector<AFX_DOCKPLACE> AfxLayoutDockRows(const std::vector<AFX_DOCKITEM>& items, int nLength, CSize* pSize)
{
    std::vector<AFX_DOCKPLACE> places;
    int x = 0, y = 0, nDepth = 0, nRight = 0;
    BOOL bFirst = TRUE;
    for (const AFX_DOCKITEM& item : items)
    {
        if (item.bRowStart && !places.empty())
        {
            y += nDepth;
            x = nDepth = 0;
            bFirst = TRUE;
        }
        int pos = std::max<int>(x, item.nPos);
        if (pos + item.size.cx > nLength)
            pos = std::max<int>(x, nLength - item.size.cx);
        BOOL bWrapped = FALSE;
        if (pos >= nLength && !bFirst)
        {
            y += nDepth;
            x = nDepth = pos = 0;
            bWrapped = TRUE;
        }
        places.push_back({ CRect(pos, y, pos + item.size.cx, y + item.size.cy), bWrapped });
        x = pos + item.size.cx;
        nRight = std::max<int>(nRight, x);
        nDepth = std::max<int>(nDepth, item.size.cy);
        bFirst = FALSE;
    }
    if (pSize != nullptr)
        *pSize = CSize(nRight, y + nDepth);
    return places;
}
