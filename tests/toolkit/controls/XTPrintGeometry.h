// Rectangles, points and sizes compared as text, so that a failure shows the
// numbers; a child window's rectangle as its parent sees it.
#pragma once

#include "framework/Rect.h"
#include "framework/Wnd.h"

#include <string>

inline std::string GeometryText(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}
inline std::string GeometryText(const POINT& pt)
{
    return "(" + std::to_string(pt.x) + "," + std::to_string(pt.y) + ")";
}
inline std::string GeometryText(const SIZE& size)
{
    return std::to_string(size.cx) + "x" + std::to_string(size.cy);
}

inline CRect RectInParent(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pWnd->GetParent()->ScreenToClient(&rc);
    return rc;
}

#define EXPECT_GEOMETRY_EQ(expected, actual) EXPECT_EQ(GeometryText(expected), GeometryText(actual))
