#include "shared/menuobj/MObjBasis.h"

#include "shared/menuobj/BasisObj.h"
#include "shared/menuobj/TabLabel.h"

#include "framework/Afx.h"

IMPLEMENT_DYNAMIC(CMObjBasis, CObject)

namespace {

const int kFrameMargin = 3;

} // namespace

CMObjBasis::CMObjBasis()
    : m_pCrStruct(nullptr), m_rcObject{ 0, 0, 0, 0 }, m_rcFrame{ 0, 0, 0, 0 }, m_nTabNumber(0),
      m_pObjWnd(nullptr), m_pAviWnd(nullptr), m_pSliderWnd(nullptr), m_pParent(nullptr),
      m_pMoveWnd(nullptr), m_bSelected(FALSE), m_bEditMode(FALSE), m_bTabLabel(FALSE), m_nGridStep(1),
      m_pTabLabel(nullptr)
{
}

// The window pointers are aliases of what each kind owns; the kinds delete
// their windows themselves.
CMObjBasis::~CMObjBasis()
{
    delete m_pTabLabel;
}

void CMObjBasis::SetRects(const RECT& rc)
{
    m_rcObject = rc;
    m_rcFrame = rc;
    ::InflateRect(&m_rcFrame, kFrameMargin, kFrameMargin);
}

void CMObjBasis::Init(const RECT& rc, CWnd* pParent, CWnd* pMoveWnd, BOOL bEditMode)
{
    SetRects(rc);
    m_pParent = pParent;
    m_pMoveWnd = pMoveWnd;
    m_bEditMode = bEditMode;
}

int CMObjBasis::Snap(int v) const
{
    if (m_nGridStep < 2)
        return v;
    return m_nGridStep * (v / m_nGridStep);
}

BOOL CMObjBasis::HitTest(int x, int y) const
{
    POINT pt = { x, y };
    return ::PtInRect(&m_rcObject, pt);
}

BOOL CMObjBasis::IsInsideRect(const RECT& rc) const
{
    return m_rcObject.left >= rc.left && m_rcObject.top >= rc.top && m_rcObject.right <= rc.right
           && m_rcObject.bottom <= rc.bottom;
}

// The object's window paints itself into the page's DC.
void CMObjBasis::Draw(CDC* pDC)
{
    if (m_pObjWnd)
        m_pObjWnd->Draw(pDC);
    if (m_bEditMode)
        DrawSelectionFrame(pDC);
}

// Three nested white frames, each drawn over with a focus rectangle.
void CMObjBasis::DrawSelectionFrame(CDC* pDC)
{
    if (!m_bSelected)
        return;
    CBrush brush(RGB(255, 255, 255));
    CRect rc(m_rcFrame);
    for (int i = 0; i < 3; ++i)
    {
        pDC->FrameRect(rc, &brush);
        pDC->DrawFocusRect(rc);
        rc.DeflateRect(1, 1);
    }
}

void CMObjBasis::Invalidate()
{
    if (m_pParent == nullptr)
        return;
    if (m_bEditMode)
        m_pParent->InvalidateRect(&m_rcFrame, TRUE);
    m_pParent->InvalidateRect(&m_rcObject, TRUE);
}

void CMObjBasis::SetSelected(BOOL bSelected)
{
    m_bSelected = bSelected;
    Invalidate();
}

BOOL CMObjBasis::OffsetDragFrame(int dx, int dy)
{
    if (!m_bEditMode || !m_bSelected)
        return FALSE;
    Invalidate();
    ::OffsetRect(&m_rcFrame, dx, dy);
    Invalidate();
    if (m_pParent)
        m_pParent->UpdateWindow();
    return TRUE;
}

BOOL CMObjBasis::CanMoveBy(int dx, int dy, int cx, int cy) const
{
    if (!m_bEditMode || !m_bSelected)
        return TRUE;
    BOOL bHorzOk = dx <= 0 ? m_rcFrame.left + dx >= 0 : m_rcFrame.right + dx <= cx;
    BOOL bVertOk = dy <= 0 ? m_rcFrame.top + dy >= 0 : m_rcFrame.bottom + dy <= cy;
    return bHorzOk && bVertOk;
}

void CMObjBasis::ApplyDragFrame()
{
    if (!m_bEditMode || !m_bSelected)
        return;
    Invalidate();
    CRect rc(m_rcFrame);
    rc.DeflateRect(kFrameMargin, kFrameMargin);
    rc.MoveToXY(Snap(rc.left), Snap(rc.top));
    SetRects(rc);
    StoreRectInStruct();
    MoveWindowTo(rc);
    Invalidate();
}

void CMObjBasis::MoveTo(int x, int y, int cx, int cy)
{
    Invalidate();
    x = Snap(x);
    y = Snap(y);
    RECT rc = { x, y, x + cx, y + cy };
    SetRects(rc);
    StoreRectInStruct();
    MoveWindowTo(rc);
    Invalidate();
}

void CMObjBasis::ShowTabLabel(BOOL bShow, int nNumber)
{
    m_nTabNumber = nNumber;
    delete m_pTabLabel;
    m_pTabLabel = nullptr;
    m_bTabLabel = FALSE;
    if (!bShow)
        return;
    m_pTabLabel = new CTabLabel;
    if (!m_pTabLabel->CreateLabel(m_pParent, m_rcObject.left, m_rcObject.top, nNumber))
    {
        delete m_pTabLabel;
        m_pTabLabel = nullptr;
        return;
    }
    m_bTabLabel = TRUE;
}

int CMObjBasis::SetTabNumber(int nNumber)
{
    int nPrevious = m_nTabNumber;
    m_nTabNumber = nNumber;
    if (m_pTabLabel)
        m_pTabLabel->SetNumber(nNumber);
    return nPrevious;
}

void CMObjBasis::MoveWindowTo(const RECT& rc)
{
    if (m_pObjWnd)
        m_pObjWnd->SetObjectRect(rc);
    else if (m_pMoveWnd)
        m_pMoveWnd->MoveWindow(&rc, TRUE);
}

void CMObjBasis::StoreRectInStruct()
{
    if (m_pCrStruct)
        m_pCrStruct->m_rect = m_rcObject;
}
