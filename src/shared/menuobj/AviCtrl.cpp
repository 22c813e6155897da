#include "shared/menuobj/AviCtrl.h"

#include "shared/menuobj/AviInfo.h"
#include "shared/menuobj/FileWarning.h"
#include "shared/menuobj/MObjCreateStruct.h"
#include "shared/menuobj/PageMessages.h"

IMPLEMENT_DYNAMIC(CAviCtrl, CAnimateCtrl)

BEGIN_MESSAGE_MAP(CAviCtrl, CAnimateCtrl)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOVE()
END_MESSAGE_MAP()

CAviCtrl::~CAviCtrl()
{
    DestroyWindow();
}

BOOL CAviCtrl::CreateFromStruct(CMObjCreateStruct* pStruct, CWnd* pParent)
{
    if (pStruct == nullptr)
        return FALSE;
    m_nRepeat = pStruct->m_nRepeat;
    return CreateAt(pStruct->m_dwStyle, pStruct->m_rect.left, pStruct->m_rect.top, pParent, pStruct->m_nID,
                    pStruct->m_strText, pStruct->m_crColor);
}

BOOL CAviCtrl::CreateAt(DWORD dwStyle, int x, int y, CWnd* pParent, UINT nID, LPCSTR lpszFile, COLORREF crBackground)
{
    if (!ProbeFile(lpszFile))
        return FALSE;
    RECT rect = { x, y, x + m_nFrameWidth, y + m_nFrameHeight };
    return CreateClip(dwStyle, rect, pParent, nID, lpszFile, crBackground);
}

BOOL CAviCtrl::CreateClip(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, LPCSTR lpszFile,
                          COLORREF crBackground)
{
    m_crBackground = crBackground;
    if (m_nFrameWidth == 0 && m_nFrameHeight == 0 && !ProbeFile(lpszFile))
        return FALSE;
    m_strFile = lpszFile;
    m_rcCreate = rect;
    if (!Create(dwStyle | WS_CHILD | WS_VISIBLE | ACS_CENTER, rect, pParent, nID))
        return FALSE;
    // Opening shows the first frame; a clip the control cannot decode keeps
    // its (empty) window.
    m_bClipOpen = Open(m_strFile);
    return TRUE;
}

BOOL CAviCtrl::ProbeFile(LPCSTR lpszFile)
{
    CAviInfo info;
    if (!info.ReadFile(lpszFile))
        return FALSE;
    m_nFrameWidth = info.GetFrameWidth();
    m_nFrameHeight = info.GetFrameHeight();
    m_strCodec = info.GetCodec();
    m_bProbed = TRUE;
    return TRUE;
}

BOOL CAviCtrl::IsPlayableFile(LPCSTR lpszFile)
{
    if (!ProbeFile(lpszFile))
        return FALSE;
    CString strStart = m_strCodec.Left(4);
    strStart.MakeUpper();
    return strStart.Find("RLE") == 0 || strStart.Find("MRLE") == 0 || strStart.Find("UNCO") == 0;
}

BOOL CAviCtrl::CheckAviFile(CString strFile)
{
    CAviCtrl probe;
    if (probe.ProbeFile(strFile))
        return TRUE;
    WarnCannotOpenFile(strFile);
    return FALSE;
}

HBRUSH CAviCtrl::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetBkColor(m_crBackground);
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(HOLLOW_BRUSH);
}

RECT CAviCtrl::ObjectRect() const
{
    return m_pCrStruct != nullptr ? m_pCrStruct->m_rect : m_rcCreate;
}

void CAviCtrl::Repaint()
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr)
    {
        RECT rc = ObjectRect();
        ::InvalidateRect(hParent, &rc, TRUE);
    }
    Invalidate();
}

void CAviCtrl::SendInput(AVI_INPUT_RECORD& record)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr)
        ::SendMessageA(hParent, WM_TARNIX_OBJNOTIFY, 0, (LPARAM)&record);
}

void CAviCtrl::MouseButton(int nEvent, UINT nFlags, CPoint point)
{
    if (m_bEditMode)
    {
        RECT rc = ObjectRect();
        AVI_INPUT_RECORD record = { m_hWnd, (UINT)GetDlgCtrlID(), nEvent, point.x + rc.left, point.y + rc.top,
                                    nFlags, 0, nullptr };
        SendInput(record);
    }
    else
        Default();
    Repaint();
}

void CAviCtrl::Key(int nEvent, UINT nChar, UINT nFlags)
{
    if (!m_bEditMode)
    {
        Default();
        return;
    }
    AVI_INPUT_RECORD record = { m_hWnd, (UINT)GetDlgCtrlID(), nEvent, 0, 0, nFlags, nChar, m_pCrStruct };
    SendInput(record);
}

void CAviCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    MouseButton(AVIINPUT_RBUTTONDOWN, nFlags, point);
}

void CAviCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    MouseButton(AVIINPUT_RBUTTONUP, nFlags, point);
}

void CAviCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bLButtonHeld = TRUE;
    MouseButton(AVIINPUT_LBUTTONDOWN, nFlags, point);
}

void CAviCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bLButtonHeld = FALSE;
    MouseButton(AVIINPUT_LBUTTONUP, nFlags, point);
}

void CAviCtrl::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT nFlags)
{
    Key(AVIINPUT_KEYDOWN, nChar, nFlags);
}

void CAviCtrl::OnKeyUp(UINT nChar, UINT /*nRepCnt*/, UINT nFlags)
{
    Key(AVIINPUT_KEYUP, nChar, nFlags);
}

// The mouse over the clip: entering marks it and takes the capture, leaving
// the client area (edges belong to it) releases it. In run mode a held left
// button leaves the clip alone.
void CAviCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    Default();
    if (!m_bEditMode && m_bLButtonHeld)
        return;
    RECT rc;
    GetClientRect(&rc);
    BOOL bInside = point.x >= rc.left && point.x <= rc.right && point.y >= rc.top && point.y <= rc.bottom;
    if (bInside)
    {
        SetCapture();
        if (!m_bMouseOver)
        {
            m_bMouseOver = TRUE;
            Repaint();
        }
        return;
    }
    if (!m_bMouseOver)
        return;
    if (m_bEditMode)
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    ::ReleaseCapture();
    m_bMouseOver = FALSE;
    Repaint();
}

// The message gives the client area's corner, which a border puts one pixel
// in; the struct keeps the window's corner, where the clip is created again.
void CAviCtrl::OnMove(int, int)
{
    Default();
    if (m_pCrStruct == nullptr)
        return;
    RECT rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&rcWindow), 2);
    RECT& rc = m_pCrStruct->m_rect;
    ::OffsetRect(&rc, rcWindow.left - rc.left, rcWindow.top - rc.top);
}
