// The canvas's input engine: selecting, dragging with the grid, the rubber
// band, the tab order, the clip windows' forwarded input, and the context menu.
#include "editor/app/TarnixEdView.h"

#include "editor/app/TarnixEdDoc.h"
#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "shared/menuobj/AviCtrl.h"
#include "shared/menuobj/MObjBasis.h"

#include "editor/resource.h"

#include <algorithm>
#include <windowsx.h>

namespace {

const int kDragThreshold = 3;

} // namespace

// ---------------------------------------------------------------------------
// Input engine

BOOL CTarnixEdView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_DELETE)
        {
            PostMessage(WM_COMMAND, ID_OBJ_DELETE);
            return TRUE;
        }
        return CView::PreTranslateMessage(pMsg);
    }
    if (HandleMouse(pMsg))
        return TRUE;
    return CView::PreTranslateMessage(pMsg);
}

BOOL CTarnixEdView::HandleMouse(MSG* pMsg)
{
    const UINT message = pMsg->message;
    if (message != WM_LBUTTONDOWN && message != WM_LBUTTONUP && message != WM_MOUSEMOVE)
        return FALSE;
    // 1. A release ends the press and frees the cursor.
    if (message == WM_LBUTTONUP)
    {
        m_ptLast.x = -1;
        m_bButtonDown = 0;
        LiftCursorClip();
    }
    // 2. The point in the canvas, clamped to the work area.
    // The message's own point, from the window it was sent to: the queue's
    // cursor position may already have moved on.
    POINT pt = { GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam) };
    ::MapWindowPoints(pMsg->hwnd, m_hWnd, &pt, 1);
    pt.x = std::max(0L, std::min(pt.x, (LONG)m_nWorkWidth));
    pt.y = std::max(0L, std::min(pt.y, (LONG)m_nWorkHeight));
    const CTarnixEdDoc* pDoc = GetDocument();
    const int cxPage = pDoc != nullptr ? pDoc->GetPageWidth() : m_nWorkWidth;
    const int cyPage = pDoc != nullptr ? pDoc->GetPageHeight() : m_nWorkHeight;

    // 3./4. Over an object while the view does not hold the capture.
    CMObjBasis* pObject = m_objects.FindObjectAt(pt.x, pt.y);
    if (pObject != nullptr && !m_bCaptured)
    {
        ::SetCursor(::LoadCursorA(nullptr, pObject->IsSelected() ? IDC_SIZEALL : IDC_ARROW));
        if (message == WM_LBUTTONDOWN)
        {
            m_ptLast = pt;
            m_bButtonDown = 1;
            if (m_bTabOrder)
                m_objects.SetTabNumberAt(pt);
            else if (!m_objects.IsSelectedAt(pt.x, pt.y))
            {
                if ((pMsg->wParam & MK_CONTROL) == 0)
                    m_objects.DeselectAll();
                m_objects.SelectAt(pt.x, pt.y);
            }
        }
        else if (message == WM_MOUSEMOVE && !m_bTabOrder && m_bButtonDown)
        {
            // The first move past the threshold counts from the press point.
            const int dx = pt.x - m_ptLast.x;
            const int dy = pt.y - m_ptLast.y;
            if (dx > kDragThreshold || dy > kDragThreshold || dx < -kDragThreshold || dy < -kDragThreshold)
            {
                m_bDragging = 1;
                TakeCapture();
            }
            if (m_bDragging)
            {
                m_objects.Drag(dx, dy, cxPage, cyPage);
                m_ptLast = pt;
            }
        }
        else if (message == WM_LBUTTONUP)
        {
            if (!m_bTabOrder)
                FinishDrag();
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            RefreshCanvas();
        }
        return FALSE;
    }

    // 5. Empty canvas, or the view holds the capture.
    if (m_bRubberBand)
    {
        RECT rcOld = m_rcMarked;
        m_rcMarked = RECT{ std::min(m_ptAnchor.x, pt.x), std::min(m_ptAnchor.y, pt.y),
                           std::max(m_ptAnchor.x, pt.x), std::max(m_ptAnchor.y, pt.y) };
        ::InflateRect(&rcOld, 2, 2);
        InvalidateRect(&rcOld, TRUE);
        InvalidateRect(&m_rcMarked, TRUE);
        UpdateWindow();
    }
    if (message == WM_LBUTTONDOWN)
    {
        m_objects.DeselectAll();
        m_ptLast = pt;
        m_bButtonDown = 1;
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        StartRubberBand(pt);
        return TRUE;
    }
    if (message == WM_LBUTTONUP)
    {
        EndRubberBand();
        DropCapture();
        if (m_bDragging)
        {
            FinishDrag();
            RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            RefreshCanvas();
        }
        return FALSE;
    }
    if (message == WM_MOUSEMOVE && m_bDragging)
    {
        m_objects.Drag(pt.x - m_ptLast.x, pt.y - m_ptLast.y, cxPage, cyPage);
        m_ptLast = pt;
    }
    return FALSE;
}

void CTarnixEdView::FinishDrag()
{
    const BOOL bMoved = m_bDragging;
    m_objects.ApplyDrag();
    m_bButtonDown = 0;
    m_bDragging = 0;
    DropCapture();
    if (bMoved && GetDocument() != nullptr)
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTarnixEdView::TakeCapture()
{
    SetCapture();
    m_bCaptured = 1;
}

void CTarnixEdView::DropCapture()
{
    m_bCaptured = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CTarnixEdView::LiftCursorClip()
{
    if (!m_bCursorClipped)
        return;
    m_bCursorClipped = 0;
    ::ClipCursor(nullptr);
}

// Whoever takes the capture from the view ends its drag: the flag never
// outlives the capture.
void CTarnixEdView::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() != m_hWnd)
    {
        m_bCaptured = 0;
        LiftCursorClip();
    }
    Default();
}

void CTarnixEdView::StartRubberBand(POINT pt)
{
    if (m_bTabOrder)
        OnTabOrder();
    m_ptAnchor = pt;
    if (!m_bSelectionMode)
        OnSelectMode();
    if (!m_bSelectionMode)
        return;
    if (!::IsRectEmpty(&m_rcMarked))
    {
        LeaveSelectionMode();
        return;
    }
    m_bSelectCursor = 1;
    TakeCapture();
    InvalidateRect(&m_rcMarked, FALSE);
    m_rcMarked = RECT{ pt.x, pt.y, pt.x, pt.y };
    m_bRubberBand = 1;
}

void CTarnixEdView::EndRubberBand()
{
    m_bSelectCursor = 0;
    m_bRubberBand = 0;
    if (m_bSelectionMode)
    {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        m_objects.SelectInRect(m_rcMarked);
    }
    DropCapture();
}

void CTarnixEdView::LeaveSelectionMode()
{
    m_bSelectionMode = 0;
    m_bSelectCursor = 0;
    m_bRubberBand = 0;
    ::SetRectEmpty(&m_rcMarked);
    Invalidate();
}

BOOL CTarnixEdView::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_bSelectCursor)
        ::SetCursor(AfxGetApp()->LoadCursor(IDC_SELECT_CURSOR));
    else
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

void CTarnixEdView::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_CONTROL)
        m_bCtrl = 1;
    Default();
}

void CTarnixEdView::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_CONTROL)
        m_bCtrl = 0;
    Default();
}

LRESULT CTarnixEdView::OnObjectNotify(WPARAM, LPARAM lParam)
{
    const AVI_INPUT_RECORD* pRecord = reinterpret_cast<const AVI_INPUT_RECORD*>(lParam);
    if (pRecord == nullptr || (int)pRecord->nID < MENUOBJ_FIRST_ID)
        return 0;
    OnAviInput(*pRecord);
    return 1;
}

void CTarnixEdView::OnAviInput(const AVI_INPUT_RECORD& record)
{
    POINT pt = { record.x, record.y };
    switch (record.nEvent)
    {
    case AVIINPUT_LBUTTONDOWN:
    {
        const CTarnixEdDoc* pDoc = GetDocument();
        RECT rc = { 0, 0, pDoc->GetPageWidth(), pDoc->GetPageHeight() };
        ClientToScreen(&rc);
        ::ClipCursor(&rc);
        m_bCursorClipped = 1;
        TakeCapture();
        LeaveSelectionMode();
        if (m_bTabOrder)
            m_objects.SetTabNumberAt(pt);
        break;
    }
    case AVIINPUT_LBUTTONUP:
        DropCapture();
        if (!m_bSelectionMode)
        {
            if (record.nFlags & MK_CONTROL)
                m_objects.SelectAt(pt.x, pt.y);
            else
                m_objects.SelectOnlyAt(pt.x, pt.y);
        }
        LiftCursorClip();
        break;
    case AVIINPUT_RBUTTONDOWN:
        TakeCapture();
        m_objects.SelectOnlyAt(pt.x, pt.y);
        break;
    case AVIINPUT_RBUTTONUP:
        DropCapture();
        break;
    case AVIINPUT_KEYDOWN:
        if (record.nVirtKey == VK_CONTROL)
            m_bCtrl = 1;
        break;
    case AVIINPUT_KEYUP:
        if (record.nVirtKey == VK_CONTROL)
            m_bCtrl = 0;
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Modes

void CTarnixEdView::OnSelectMode()
{
    if (m_bSelectionMode)
        LeaveSelectionMode();
    else
    {
        m_bSelectionMode = 1;
        m_bSelectCursor = 1;
    }
    Invalidate();
}

void CTarnixEdView::OnUpdateSelectMode(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bSelectionMode);
}

void CTarnixEdView::OnTabOrder()
{
    if (!m_bTabOrder)
    {
        m_bTabOrder = 1;
        m_objects.ShowTabOrder(TRUE);
        m_objects.BeginTabOrder();
        return;
    }
    m_bTabOrder = 0;
    m_objects.ShowTabOrder(FALSE);
    CProjectPage& page = GetDocument()->GetPage();
    page.TakeTabOrder(m_objects);
    GetDocument()->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::OnUpdateTabOrder(CCmdUI*)
{
}

// ---------------------------------------------------------------------------
// Context menu

void CTarnixEdView::OnContextMenu(CWnd*, CPoint pos)
{
    if (m_bCtrl)
        return;
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    // From the keyboard the point is -1, -1: the paste point stays and the
    // menu opens at the canvas's corner.
    if (pos.x == -1 && pos.y == -1)
    {
        pos.x = rcWindow.left;
        pos.y = rcWindow.top;
    }
    else
        m_ptPaste = POINT{ pos.x - rcWindow.left - 2, pos.y - rcWindow.top - 2 };
    CMenu menu;
    menu.CreatePopupMenu();
    const struct
    {
        UINT nString;
        UINT nCommand;
    } items[] = { { IDS_MENU_PROPERTIES, ID_OBJ_CHANGE }, { 0, 0 },
                  { IDS_MENU_NEW_TEXT, ID_OBJ_TEXT }, { IDS_MENU_NEW_BUTTON, ID_OBJ_BUTTON },
                  { IDS_MENU_NEW_TEXTFIELD, ID_OBJ_TEXTFIELD }, { 0, 0 },
                  { IDS_MENU_COPY, ID_EDIT_COPY }, { IDS_MENU_PASTE, ID_EDIT_PASTE },
                  { IDS_MENU_CUT, ID_EDIT_CUT }, { 0, 0 },
                  { IDS_MENU_ALIGN_VERT, ID_ALIGN_VERTICAL }, { IDS_MENU_ALIGN_HORZ, ID_ALIGN_HORIZONTAL },
                  { IDS_MENU_TABORDER, ID_VIEW_TABORDER } };
    for (const auto& item : items)
    {
        if (item.nString == 0)
        {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        CString label;
        label.LoadString(item.nString);
        menu.AppendMenu(MF_STRING, item.nCommand, label);
    }
    CWnd* pOwner = AfxGetMainWnd() != nullptr ? AfxGetMainWnd() : this;
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, pos.x + 5, pos.y - 5, pOwner);
    Invalidate();
}
