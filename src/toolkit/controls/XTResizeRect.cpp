#include "toolkit/controls/XTResizeRect.h"

CXTResizeRect XTMoveResizeRect(const CXTResizeRect& rc, const CXTResizeRect& anchors, int dx, int dy)
{
    return CXTResizeRect(rc.left + dx * anchors.left, rc.top + dy * anchors.top, rc.right + dx * anchors.right,
                         rc.bottom + dy * anchors.bottom);
}

UINT XTResizePosFlags(const CRect& rcOld, const CRect& rcNew)
{
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (rcOld.TopLeft() == rcNew.TopLeft())
        nFlags |= SWP_NOMOVE;
    if (rcOld.Size() == rcNew.Size())
        nFlags |= SWP_NOSIZE;
    else
        nFlags |= SWP_NOCOPYBITS;
    return nFlags;
}
