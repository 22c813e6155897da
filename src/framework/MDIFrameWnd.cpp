#include "framework/MDIFrameWnd.h"

#include "framework/CmdUI.h"
#include "framework/Document.h"
#include "framework/MDIChildWnd.h"
#include "framework/Menu.h"
#include "framework/MultiDocTemplate.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr) {}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWnd = m_hWndMDIClient
                    ? reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized))
                    : nullptr;
    if (pbMaximized != nullptr)
        *pbMaximized = hWnd != nullptr && bMaximized;
    return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(hWnd));
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? pChild->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

HMENU PASCAL CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr)
        return nullptr;
    int nCount = ::GetMenuItemCount(hMenuBar);
    for (int i = nCount - 1; i >= 0; --i)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, i);
        if (hPopup == nullptr)
            continue;
        for (int k = ::GetMenuItemCount(hPopup) - 1; k >= 0; --k)
        {
            UINT nID = ::GetMenuItemID(hPopup, k);
            if (nID >= ID_WINDOW_NEW && nID <= ID_WINDOW_SPLIT)
                return hPopup;
        }
    }
    return nCount >= 2 ? ::GetSubMenu(hMenuBar, nCount - 2) : nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    CMenu* pWindowMenu = CMenu::FromHandle(GetWindowMenuPopup(::GetMenu(m_hWnd)));
    return CreateClient(lpcs, pWindowMenu);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = AfxHmenu(pWindowMenu);
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    CRect rc;
    GetClientRect(&rc);
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL |
                                            WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                                        0, 0, rc.Width(), rc.Height(), m_hWnd,
                                        reinterpret_cast<HMENU>((UINT_PTR)AFX_IDW_PANE_FIRST),
                                        AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == nullptr)
        return FALSE;
    // Empty, the client hides its scroll bars with its first posted
    // calculation, after the frame was first drawn with them: they go at once.
    ::ShowScrollBar(m_hWndMDIClient, SB_BOTH, FALSE);
    return TRUE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // The client is placed by the layout, not by the default frame procedure.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child (its view, document and template, then the child
    // frame) first; then this frame and the application.
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != nullptr && pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        // The active document's keys, the MDI keys (Ctrl+F4, Ctrl+F6), then the frame's.
        CMDIChildWnd* pChild = MDIGetActive();
        HACCEL hAccel = pChild != nullptr ? pChild->GetDefaultAccelerator() : nullptr;
        if (hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg))
            return TRUE;
        if (m_hWndMDIClient != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)AfxHwnd(pWndActivate), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)AfxHwnd(pWnd), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)AfxHwnd(pWnd), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, (WPARAM)nType, 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = reinterpret_cast<HMENU>(
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)AfxHmenu(pFrameMenu), (LPARAM)AfxHmenu(pWindowMenu)));
    DrawMenuBar();
    return CMenu::FromHandle(hOld);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == nullptr)
    {
        CMDIChildWnd* pChild = MDIGetActive();
        hMenuAlt = pChild != nullptr ? pChild->GetSharedMenu() : nullptr;
    }
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuDefault;
    if (hMenuAlt == nullptr || ::GetMenu(m_hWnd) == hMenuAlt)
        return;
    MDISetMenu(CMenu::FromHandle(hMenuAlt), CMenu::FromHandle(GetWindowMenuPopup(hMenuAlt)));
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE: MDIIconArrange(); break;
    case ID_WINDOW_CASCADE: MDICascade(); break;
    case ID_WINDOW_TILE_HORZ: MDITile(MDITILE_HORIZONTAL); break;
    case ID_WINDOW_TILE_VERT: MDITile(MDITILE_VERTICAL); break;
    default: return FALSE;
    }
    return TRUE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}
