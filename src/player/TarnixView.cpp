#include "player/TarnixView.h"

#include "framework/FrameWnd.h"
#include "framework/Ids.h"
#include "player/MainFrame.h"
#include "player/PlayerApp.h"
#include "player/PlayerMessages.h"
#include "player/StartWnd.h"
#include "player/TarnixDoc.h"

IMPLEMENT_DYNCREATE(CTarnixView, CView)

// void OnRunStartWindow(); LRESULT OnMenuChoice(WPARAM, LPARAM)
BEGIN_MESSAGE_MAP(CTarnixView, CView)
    ON_COMMAND(ID_RUN_STARTWND, OnRunStartWindow)
    ON_MESSAGE(WM_TARNIX_MENUCHOICE, OnMenuChoice)
END_MESSAGE_MAP()

CTarnixView::CTarnixView() : m_bStarted(0), m_pStartWnd(nullptr)
{
}

CTarnixDoc* CTarnixView::GetDocument() const
{
    return dynamic_cast<CTarnixDoc*>(m_pDocument);
}

void CTarnixView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    CTarnixDoc* pDoc = GetDocument();
    CPlayerApp* pApp = GetPlayerApp();
    if (pDoc == nullptr)
        return;
    if (pApp != nullptr)
        pDoc->LoadPage(&pApp->m_settings, this);
    m_brDesktop.DeleteObject();
    m_brDesktop.CreateSolidBrush(pDoc->m_crDesktop);
    // The frame is never shown, so the view is never painted: the run starts
    // once the message loop runs.
    if (!m_bStarted)
    {
        m_bStarted = 1;
        PostMessage(WM_COMMAND, ID_RUN_STARTWND);
    }
}

void CTarnixView::OnDraw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillRect(&client, &m_brDesktop);
}

// The start window runs for the whole program; when it ends, the frame
// hides and the application is told to exit.
void CTarnixView::OnRunStartWindow()
{
    m_pStartWnd = nullptr;
    CStartWnd startWnd;
    startWnd.m_pDesktopBrush = &m_brDesktop;
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
    {
        startWnd.m_nFrameX = pFrame->m_nFrameX;
        startWnd.m_nFrameY = pFrame->m_nFrameY;
        startWnd.m_nFrameW = pFrame->m_nFrameW;
        startWnd.m_nFrameH = pFrame->m_nFrameH;
    }
    startWnd.m_pDoc = GetDocument();
    m_pStartWnd = &startWnd;
    startWnd.DoModal();
    m_pStartWnd = nullptr;

    CWnd* pMain = AfxGetMainWnd();
    if (AfxHwnd(pMain) == nullptr)
        return;
    pMain->ShowWindow(SW_HIDE);
    pMain->PostMessage(WM_COMMAND, ID_APP_EXIT);
}

LRESULT CTarnixView::OnMenuChoice(WPARAM wParam, LPARAM)
{
    if (AfxHwnd(m_pStartWnd) != nullptr)
        m_pStartWnd->SendMessage(WM_TARNIX_MENUCHOICE, wParam);
    return 0;
}
