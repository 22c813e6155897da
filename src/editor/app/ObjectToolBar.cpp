#include "editor/app/ObjectToolBar.h"

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CObjectToolBar, CXTToolBar)

BEGIN_MESSAGE_MAP(CObjectToolBar, CXTToolBar)
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
    // void OnLButtonUp(UINT nFlags, CPoint point)
    ON_WM_LBUTTONUP()
    // void OnCaptureChanged(CWnd* pWnd)
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

const OBJECT_DRAG_ENTRY* CObjectToolBar::FindDragEntry(const OBJECT_DRAG_ENTRY* pTable, UINT nCommand)
{
    for (; pTable != nullptr && pTable->nCommand != 0; ++pTable)
        if (pTable->nCommand == nCommand)
            return pTable;
    return nullptr;
}

void CObjectToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bDragging = FALSE;
    m_bReleased = FALSE;
    m_nDragCommand = 0;
    CXTToolBar::OnLButtonDown(nFlags, point);
    // The button the control pressed, when it carries a table command.
    const int nIndex = (int)SendMessage(TB_HITTEST, 0, (LPARAM)&point);
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    const OBJECT_DRAG_ENTRY* pEntry = FindDragEntry(m_pDragTable, GetItemID(nIndex));
    if (pEntry == nullptr || !SendMessage(TB_ISBUTTONENABLED, pEntry->nCommand))
        return;
    m_bDragging = TRUE;
    m_nDragCommand = pEntry->nCommand;
    m_ptLast = point;
    // The language library may lack the cursors: the program has them.
    LPCSTR lpszCursor = MAKEINTRESOURCEA(pEntry->nCursor);
    HINSTANCE hInst = AfxFindResourceHandle(lpszCursor, RT_GROUP_CURSOR);
    m_hDragCursor = hInst != nullptr ? ::LoadCursorA(hInst, lpszCursor) : nullptr;
    if (m_hDragCursor != nullptr)
        ::SetCursor(m_hDragCursor);
}

void CObjectToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging)
    {
        m_ptLast = point;
        if (m_hDragCursor != nullptr)
            ::SetCursor(m_hDragCursor);
    }
    CXTToolBar::OnMouseMove(nFlags, point);
}

void CObjectToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging)
    {
        m_ptLast = point;
        m_bReleased = TRUE;
    }
    CXTToolBar::OnLButtonUp(nFlags, point);
    m_bDragging = FALSE;
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
}

void CObjectToolBar::OnCaptureChanged(CWnd* pWnd)
{
    // A drag the control gave up (Escape, another window took the mouse) drops nothing.
    if (m_bDragging && !m_bReleased)
    {
        m_bDragging = FALSE;
        m_nDragCommand = 0;
    }
    CXTToolBar::OnCaptureChanged(pWnd);
}

UINT CObjectToolBar::TakeDrop(POINT& ptScreen)
{
    const UINT nCommand = m_bReleased ? m_nDragCommand : 0;
    m_nDragCommand = 0;
    m_bReleased = FALSE;
    if (nCommand == 0)
        return 0;
    // A release over the bar is the button's click, not a drop.
    CRect rectClient;
    GetClientRect(&rectClient);
    if (rectClient.PtInRect(m_ptLast))
        return 0;
    ptScreen = m_ptLast;
    ClientToScreen(&ptScreen);
    return nCommand;
}
