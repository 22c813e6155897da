#include "toolkit/controls/XTEdit.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/controls/XTPaintFlickerFree.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"

IMPLEMENT_DYNAMIC(CXTEdit, CEdit)

namespace {

const int kEditPopup = 1;   // the edit's popup in the toolkit's context menus

// Updates every item of the popup through the target's command route; an
// item that opens a sub-menu stands for the sub-menu's first command.
void UpdatePopupItems(CMenu* pPopupMenu, CCmdTarget* pTarget)
{
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = (UINT)pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopupMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == (UINT)-1)
        {
            HMENU hSubMenu = ::GetSubMenu(pPopupMenu->m_hMenu, (int)state.m_nIndex);
            state.m_nID = hSubMenu != nullptr ? ::GetMenuItemID(hSubMenu, 0) : 0;
        }
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue;
        state.DoUpdate(pTarget, state.m_nID < 0xF000);
        state.m_nIndexMax = (UINT)pPopupMenu->GetMenuItemCount();
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CXTEdit, CEdit)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // void OnContextMenu(CWnd* pWnd, CPoint pos)
    ON_WM_CONTEXTMENU()
    // void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    ON_WM_INITMENUPOPUP()
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void OnEditUndo() and the other editing commands
    ON_COMMAND(XT_ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(XT_ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(XT_ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(XT_ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(XT_ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(XT_ID_EDIT_SELECT_ALL, OnEditSelectAll)
    // void OnUpdateEditUndo(CCmdUI* pCmdUI) and the others
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_CUT, OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_COPY, OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_CLEAR, OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CXTEdit::CXTEdit() : m_bCreated(FALSE)
{
}

BOOL CXTEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_bCreated = TRUE;
    return CEdit::Create(dwStyle, rect, pParentWnd, nID);
}

int CXTEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_bCreated)
        Initialize();
    return 0;
}

void CXTEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    if (!m_bCreated)
        Initialize();
}

void CXTEdit::Initialize()
{
    m_coolMenu.HookWindow(this);
    m_coolMenu.LoadToolbar(XT_IDR_EDITMENU);
    SetFont(&xtAfxData.m_fontNormal);
}

BOOL CXTEdit::CanPaste()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CXTEdit::SelectionMade()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart != nEnd;
}

CPoint CXTEdit::GetContextMenuPoint(CPoint point)
{
    if (point.x != -1 || point.y != -1)
        return point;
    CPoint pt(5, 5);
    ClientToScreen(&pt);
    return pt;
}

void CXTEdit::OnContextMenu(CWnd*, CPoint point)
{
    CPoint pt = GetContextMenuPoint(point);
    HMENU hMenu = ::LoadMenuA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDM_POPUP));
    if (hMenu == nullptr)
        return;
    // The popup leaves its menu so that each is destroyed once.
    HMENU hPopup = ::GetSubMenu(hMenu, kEditPopup);
    ::RemoveMenu(hMenu, kEditPopup, MF_BYPOSITION);
    ::DestroyMenu(hMenu);
    if (hPopup == nullptr)
        return;
    CXTMenu popup;
    popup.Attach(hPopup);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
}

void CXTEdit::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CEdit::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu)
        UpdatePopupItems(pPopupMenu, this);
}

void CXTEdit::OnPaint()
{
    XTPaintFlickerFree(this, xtAfxData.m_clrWindow);
}

BOOL CXTEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CXTEdit::OnEditUndo()
{
    SendMessage(EM_UNDO);
}

void CXTEdit::OnEditCut()
{
    SendMessage(WM_CUT);
}

void CXTEdit::OnEditCopy()
{
    SendMessage(WM_COPY);
}

void CXTEdit::OnEditPaste()
{
    SendMessage(WM_PASTE);
}

void CXTEdit::OnEditClear()
{
    SendMessage(WM_CLEAR);
}

void CXTEdit::OnEditSelectAll()
{
    SetSel(0, -1);
}

void CXTEdit::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable((BOOL)SendMessage(EM_CANUNDO));
}

void CXTEdit::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(SelectionMade());
}

void CXTEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPaste());
}

void CXTEdit::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWindowTextLength() > 0);
}
