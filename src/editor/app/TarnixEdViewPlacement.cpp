// Where the canvas puts objects: grid snap, the next free slot, the page's
// edges, and the alignment of the marked objects.
#include "editor/app/TarnixEdView.h"

#include "editor/app/CanvasHelpers.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/AlignButtonsDlg.h"
#include "editor/dialogs/AlignHorzDlg.h"
#include "editor/dialogs/AlignVertDlg.h"
#include "framework/CmdUI.h"
#include "shared/menuobj/MObjBasis.h"

#include <algorithm>

using namespace CanvasHelpers;

namespace {

const RECT kPlacedDefaultRect = { 10, 10, 110, 36 };

} // namespace

// ---------------------------------------------------------------------------
// Placement

POINT CTarnixEdView::SnapPoint(int x, int y) const
{
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (m_bGrid && m_nGridStep >= 2)
    {
        x -= x % m_nGridStep;
        y -= y % m_nGridStep;
    }
    return POINT{ x, y };
}

RECT CTarnixEdView::SnapRect(int x, int y, int cx, int cy) const
{
    const POINT pt = SnapPoint(x, y);
    return MakeRect(pt.x, pt.y, cx, cy);
}

POINT CTarnixEdView::NextSlot(int x, int y, int dx, int dy, int nGridStep, SIZE client)
{
    if (nGridStep >= 2)
    {
        dx = std::max(dx, 0) / nGridStep * nGridStep;
        dy = std::max(dy, 0) / nGridStep * nGridStep;
    }
    if (y + dy < client.cy - 30)
        return POINT{ x, y + dy };
    if (x + dx < client.cx - 50)
        return POINT{ x + dx, 10 };
    return POINT{ 10, 10 };
}

void CTarnixEdView::PlaceNext()
{
    if (::IsRectEmpty(&m_rcDefault) || Width(m_rcDefault) < 10 || Height(m_rcDefault) < 10)
    {
        m_rcDefault = FreePlace(kPlacedDefaultRect);
        return;
    }
    const POINT pt = NextSlot(m_rcDefault.left, m_rcDefault.top, Width(m_rcDefault) + 10, Height(m_rcDefault) + 10,
                              m_bGrid ? m_nGridStep : 1, MenuSize());
    m_rcDefault = FreePlace(MakeRect(pt.x, pt.y, Width(m_rcDefault), Height(m_rcDefault)));
}

namespace {

bool OverlapsAny(const RECT& rc, const std::vector<RECT>& taken)
{
    RECT common;
    return std::any_of(taken.begin(), taken.end(),
                       [&](const RECT& other) { return ::IntersectRect(&common, &rc, &other) != FALSE; });
}

bool FitsInPage(const RECT& rc, SIZE page)
{
    return rc.left >= 0 && rc.top >= 0 && rc.right <= page.cx && rc.bottom <= page.cy;
}

} // namespace

RECT CTarnixEdView::FindFreePlace(RECT rc, const std::vector<RECT>& taken, SIZE page, int nGridStep)
{
    rc = PushInsideMenu(rc, page);
    if (!OverlapsAny(rc, taken))
        return rc;
    const int cx = Width(rc), cy = Height(rc);
    // The next-button walk ends where it began or at its restart in the top
    // left corner, whichever comes second.
    POINT pt = { rc.left, rc.top };
    for (int nRestarts = 0; nRestarts < 2;)
    {
        const POINT next = NextSlot(pt.x, pt.y, cx + 10, cy + 10, nGridStep, page);
        if (next.x == pt.x && next.y == pt.y)
            break;
        pt = next;
        if (pt.x == 10 && pt.y == 10)
            ++nRestarts;
        const RECT candidate = MakeRect(pt.x, pt.y, cx, cy);
        if (FitsInPage(candidate, page) && !OverlapsAny(candidate, taken))
            return candidate;
    }
    // The raster keeps to the grid, so that snapping moves nothing.
    const int nStep = nGridStep >= 2 ? (10 + nGridStep - 1) / nGridStep * nGridStep : 10;
    for (int y = nStep; y + cy <= page.cy; y += nStep)
    {
        for (int x = nStep; x + cx <= page.cx; x += nStep)
        {
            const RECT candidate = MakeRect(x, y, cx, cy);
            if (!OverlapsAny(candidate, taken))
                return candidate;
        }
    }
    return rc;
}

RECT CTarnixEdView::FreePlace(const RECT& rc, const CMObjBasis* pLeftOut)
{
    m_objects.UpdateRectsFromWindows();
    std::vector<RECT> taken;
    for (int i = 0; i < m_objects.GetObjectCount(); ++i)
    {
        if (m_objects.GetObjectAt(i) != pLeftOut)
            taken.push_back(m_objects.GetObjectAt(i)->GetObjectRect());
    }
    return FindFreePlace(rc, taken, MenuSize(), m_bGrid ? m_nGridStep : 1);
}

void CTarnixEdView::SettleNewObject(POINT ptOffered)
{
    const int nCount = m_objects.GetObjectCount();
    CMObjBasis* pNew = nCount > 0 ? m_objects.GetObjectAt(nCount - 1) : nullptr;
    if (pNew == nullptr)
        return;
    m_objects.UpdateRectsFromWindows();
    const RECT rc = pNew->GetObjectRect();
    if (rc.left != ptOffered.x || rc.top != ptOffered.y)
        return;
    const RECT rcFree = FreePlace(rc, pNew);
    if (rcFree.left != rc.left || rcFree.top != rc.top)
        pNew->MoveTo(rcFree.left, rcFree.top, Width(rcFree), Height(rcFree));
}

// The default rectangle moves to the next slot past a new object and keeps
// its size.
void CTarnixEdView::PlaceAfter(const RECT& rcNew)
{
    const RECT rcSize = m_rcDefault;
    m_rcDefault = rcNew;
    PlaceNext();
    m_rcDefault = MakeRect(m_rcDefault.left, m_rcDefault.top, Width(rcSize), Height(rcSize));
    m_defaultButton.m_rect = m_rcDefault;
    Invalidate();
}

// The inserts at the mark take the marked rectangle, else the first one; each
// further insert moves it down below the last.
void CTarnixEdView::MoveMarkDown(const RECT& rcFirst)
{
    if (::IsRectEmpty(&m_rcMarked))
        m_rcMarked = rcFirst;
    else
        ::OffsetRect(&m_rcMarked, 0, Height(m_rcMarked) + 5);
}

// Where a dialog opens a new object: the default button's corner, or 10, 10.
POINT CTarnixEdView::DefaultCorner() const
{
    if (::IsRectEmpty(&m_defaultButton.m_rect))
        return POINT{ 10, 10 };
    return POINT{ m_defaultButton.m_rect.left, m_defaultButton.m_rect.top };
}

CSize CTarnixEdView::MenuSize() const
{
    RECT rc;
    GetClientRect(&rc);
    return CSize(rc.right, rc.bottom);
}

// Moved up or left so that it ends at the window's far edge; an edge pushed
// past the window's origin stays at 0 with the far edge at the window edge.
RECT CTarnixEdView::PushInsideMenu(RECT rc, SIZE menu)
{
    if (rc.right > menu.cx)
    {
        rc.left = std::max(0L, rc.left - (rc.right - menu.cx));
        rc.right = menu.cx;
    }
    if (rc.bottom > menu.cy)
    {
        rc.top = std::max(0L, rc.top - (rc.bottom - menu.cy));
        rc.bottom = menu.cy;
    }
    return rc;
}

// Below the list when there is room; else in the bottom row right of the
// list, left of it, or above it; else in the top left corner.
RECT CTarnixEdView::ListStartButtonRect(const RECT& rcList, SIZE menu)
{
    RECT rc;
    if (rcList.bottom + 40 < menu.cy)
        SetRect(&rc, rcList.right - 140, rcList.bottom + 10, rcList.right, rcList.bottom + 38);
    else if (rcList.right + 150 < menu.cx)
        SetRect(&rc, rcList.right + 10, menu.cy - 30, rcList.right + 150, menu.cy - 2);
    else if (rcList.left >= 150)
        SetRect(&rc, rcList.left - 150, menu.cy - 30, rcList.left - 10, menu.cy - 2);
    else if (rcList.top >= 30)
        SetRect(&rc, rcList.right - 150, rcList.top - 30, rcList.right, rcList.top - 4);
    else
        SetRect(&rc, 0, 0, 140, 28);
    return rc;
}

// ---------------------------------------------------------------------------
// Alignment

void CTarnixEdView::OnUpdateAlign(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bSelectionMode);
}

void CTarnixEdView::OnAlignVertical()
{
    Align(FALSE);
}

void CTarnixEdView::OnAlignHorizontal()
{
    Align(TRUE);
}

void CTarnixEdView::Align(BOOL bHorizontal)
{
    CTarnixEdDoc* pDoc = GetDocument();
    const int cxMax = pDoc->GetPageWidth() - 50;
    const int cyMax = pDoc->GetPageHeight() - 50;
    CAlignHorzDlg horz;
    CAlignVertDlg vert;
    CAlignButtonsDlg& dlg = bHorizontal ? static_cast<CAlignButtonsDlg&>(horz) : static_cast<CAlignButtonsDlg&>(vert);
    dlg.m_nX = m_rcMarked.left;
    dlg.m_nY = m_rcMarked.top;
    dlg.m_nGap = 10;
    dlg.m_nGridStep = m_bGrid ? m_nGridStep : 1;
    dlg.m_nMaxX = cxMax;
    dlg.m_nMaxY = cyMax;
    dlg.m_nHalfWidth = cxMax / 2;
    if (dlg.DoModal() != IDOK)
        return;
    RECT rc;
    GetClientRect(&rc);
    if (bHorizontal)
        m_objects.AlignHorizontal(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight, dlg.m_nGap, rc.right, rc.bottom);
    else
        m_objects.AlignVertical(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight, dlg.m_nGap, rc.right, rc.bottom);
    pDoc->SetModifiedFlag(TRUE);
    LeaveSelectionMode();
    Invalidate();
}
