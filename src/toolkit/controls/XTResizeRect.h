// Anchors of the resize layout: how far each edge of a control follows the
// change of its parent's size (0 stays, 1 moves by the whole change), and the
// arithmetic that moves a control's rectangle by them.
#pragma once

#include "framework/Rect.h"

struct CXTResizePoint
{
    CXTResizePoint(float cx = 0, float cy = 0) : x(cx), y(cy) {}
    float x;
    float y;
};

struct CXTResizeRect
{
    CXTResizeRect(float l = 0, float t = 0, float r = 0, float b = 0) : left(l), top(t), right(r), bottom(b) {}
    CXTResizeRect(const CXTResizePoint& tl, const CXTResizePoint& br)
        : left(tl.x), top(tl.y), right(br.x), bottom(br.y)
    {
    }
    explicit CXTResizeRect(const RECT& rc)
        : left((float)rc.left), top((float)rc.top), right((float)rc.right), bottom((float)rc.bottom)
    {
    }
    bool operator==(const CXTResizeRect& rc) const
    {
        return left == rc.left && top == rc.top && right == rc.right && bottom == rc.bottom;
    }
    bool operator!=(const CXTResizeRect& rc) const { return !(*this == rc); }
    // Truncated to whole pixels.
    CRect ToRect() const { return CRect((int)left, (int)top, (int)right, (int)bottom); }

    float left;
    float top;
    float right;
    float bottom;
};

// Common anchors.
#define XT_RESIZE_STRETCH  CXTResizeRect(0, 0, 1, 1)   // grows with the parent
#define XT_RESIZE_CORNER   CXTResizeRect(1, 1, 1, 1)   // keeps its distance to the bottom-right corner
#define XT_RESIZE_RIGHT    CXTResizeRect(1, 0, 1, 0)   // keeps its distance to the right edge
#define XT_RESIZE_BOTTOM   CXTResizeRect(0, 1, 1, 1)   // keeps its distance to the bottom, grows in width

// The rectangle of a control after its parent grew by dx, dy since the
// rectangle was taken. Floats, so that many small steps never add up rounding.
CXTResizeRect XTMoveResizeRect(const CXTResizeRect& rc, const CXTResizeRect& anchors, int dx, int dy);
// The SetWindowPos flags that move a control from one pixel rectangle to another.
UINT XTResizePosFlags(const CRect& rcOld, const CRect& rcNew);
