#include "shared/menuobj/SpeakerSlider.h"

#include "shared/menuobj/MObjCreateStruct.h"

IMPLEMENT_DYNAMIC(CSpeakerSlider, CSliderCtrl)

BEGIN_MESSAGE_MAP(CSpeakerSlider, CSliderCtrl)
    ON_WM_CTLCOLOR_REFLECT()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
    ON_WM_MOVE()
END_MESSAGE_MAP()

namespace {

const int kMinWidth = 50;
const int kMinHeight = 16;
const int kMaxHeight = 25;
const int kLowest = 0;
const int kHighest = 100;

} // namespace

CSpeakerSlider::CSpeakerSlider()
    : m_rcWindow{ 0, 0, 0, 0 }, m_bInitialised(FALSE), m_nLastX(0), m_nLastY(0), m_bDragging(FALSE),
      m_bMixerOpen(FALSE), m_bEditMode(FALSE), m_pLinkedStruct(nullptr)
{
}

// The window goes first, so that no message of its destruction reaches a
// half-destroyed slider.
CSpeakerSlider::~CSpeakerSlider()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_bMixerOpen)
        m_mixer.Close();
}

BOOL CSpeakerSlider::CreateSlider(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, COLORREF crBackground)
{
    RECT rc = rect;
    if (rc.right - rc.left < kMinWidth)
        rc.right = rc.left + kMinWidth;
    if (rc.bottom - rc.top < kMinHeight)
        rc.bottom = rc.top + kMinHeight;
    else if (rc.bottom - rc.top > kMaxHeight)
        rc.bottom = rc.top + kMaxHeight;
    m_rcWindow = rc;
    if (!Create(dwStyle | WS_CHILD | WS_VISIBLE, rc, pParent, nID))
        return FALSE;
    m_brBackground.DeleteObject();
    m_brBackground.CreateSolidBrush(crBackground);
    return TRUE;
}

void CSpeakerSlider::SetEditMode(BOOL bEditMode)
{
    m_bEditMode = bEditMode;
    if (bEditMode)
        m_mixer.SetInactive(TRUE);
}

HBRUSH CSpeakerSlider::CtlColor(CDC* /*pDC*/, UINT /*nCtlColor*/)
{
    return (HBRUSH)m_brBackground;
}

// The page window has no use for the trackbar's drawing stages.
void CSpeakerSlider::OnCustomDraw(NMHDR* /*pNotifyStruct*/, LRESULT* pResult)
{
    *pResult = CDRF_DODEFAULT;
}

// The thumb shows the mixer's volume from the first paint on; an inactive
// mixer gives no value and the thumb stays at the lowest place.
void CSpeakerSlider::OnPaint()
{
    if (!m_bInitialised)
    {
        m_bInitialised = TRUE;
        m_bMixerOpen = m_mixer.Open(this);
        int nValue = kLowest;
        if (m_bMixerOpen)
            m_mixer.GetValue(nValue);
        SetPos(nValue);
    }
    Default();
}

void CSpeakerSlider::OnMouseMove(UINT nFlags, CPoint point)
{
    if (nFlags & MK_LBUTTON)
    {
        m_bDragging = TRUE;
        if (point.x != m_nLastX || point.y != m_nLastY)
            m_mixer.SetValue(GetPos());
    }
    m_nLastX = point.x;
    m_nLastY = point.y;
    Default();
}

// A release near either end sets that end's value, so the extremes are easy
// to reach.
void CSpeakerSlider::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    m_bDragging = FALSE;
    Default();
    int nValue = GetPos();
    CRect rcClient;
    GetClientRect(rcClient);
    if (point.x < kEndMargin)
        nValue = kLowest;
    if (point.x > rcClient.Width() - kEndMargin - 1)
        nValue = kHighest;
    m_mixer.SetValue(nValue);
    ClearSel(TRUE);
    Invalidate(TRUE);
}

void CSpeakerSlider::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    Default();
    Invalidate(TRUE);
}

BOOL CSpeakerSlider::OnEraseBkgnd(CDC* /*pDC*/)
{
    return (BOOL)Default();
}

void CSpeakerSlider::OnMove(int x, int y)
{
    Default();
    if (m_pLinkedStruct == nullptr)
        return;
    RECT& rc = m_pLinkedStruct->m_rect;
    ::OffsetRect(&rc, x - rc.left, y - rc.top);
}
