#include "player/MainFrame.h"

#include "framework/View.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

// int OnCreate(LPCREATESTRUCT); void OnContextCommand(UINT nID);
// LRESULT OnStarterRequest(WPARAM, LPARAM); void OnPaletteChanged(CWnd*); BOOL OnQueryNewPalette()
BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_CONTEXT_FIRST, ID_CONTEXT_EXIT, OnContextCommand)
    ON_MESSAGE(WM_TARNIX_PLAYVIDEO, OnStarterRequest)
    ON_MESSAGE(WM_TARNIX_ACTIONSOUND, OnStarterRequest)
    ON_MESSAGE(WM_TARNIX_SHOWPAGE, OnStarterRequest)
    ON_WM_PALETTECHANGED()
    ON_WM_QUERYNEWPALETTE()
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_nFrameX(0), m_nFrameY(0), m_nFrameW(kWidth), m_nFrameH(kHeight)
{
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.hMenu = nullptr;
    cs.style &= ~(FWS_ADDTOTITLE | WS_MAXIMIZEBOX);
    return CFrameWnd::PreCreateWindow(cs);
}

void CMainFrame::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == SW_HIDE)
        ShowWindow(SW_HIDE);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CRect screen;
    GetDesktopWindow()->GetClientRect(&screen);
    m_nFrameX = (screen.Width() - kWidth) / 2;
    m_nFrameY = (screen.Height() - kHeight) / 2;
    m_nFrameW = kWidth;
    m_nFrameH = kHeight;
    MoveWindow(m_nFrameX, m_nFrameY, m_nFrameW, m_nFrameH);
    return 0;
}

void CMainFrame::OnContextCommand(UINT nID)
{
    // The caption entries arrive as their index, Exit as its own command.
    CView* pView = GetActiveView();
    if (AfxHwnd(pView) == nullptr)
        return;
    WPARAM wChoice = nID == ID_CONTEXT_EXIT ? ID_CONTEXT_EXIT : nID - ID_CONTEXT_FIRST;
    pView->SendMessage(WM_TARNIX_MENUCHOICE, wChoice);
}

LRESULT CMainFrame::OnStarterRequest(WPARAM, LPARAM)
{
    return 1;
}

void CMainFrame::OnPaletteChanged(CWnd* pFocusWnd)
{
    CFrameWnd::OnPaletteChanged(pFocusWnd);
    CView* pView = GetActiveView();
    HWND hFocus = AfxHwnd(pFocusWnd);
    if (hFocus != m_hWnd && hFocus != AfxHwnd(pView))
        NotifyViewOfPalette();
}

BOOL CMainFrame::OnQueryNewPalette()
{
    NotifyViewOfPalette();
    return CFrameWnd::OnQueryNewPalette();
}

void CMainFrame::NotifyViewOfPalette()
{
    CView* pView = GetActiveView();
    if (AfxHwnd(pView) != nullptr)
        pView->SendMessage(WM_USER, (WPARAM)pView->m_hWnd);
}
