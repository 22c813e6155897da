#include "player/StartWnd.h"

#include "framework/Ids.h"
#include "framework/PaintDC.h"
#include "player/MenuDlg.h"
#include "player/PictureDlg.h"
#include "player/PlayerMessages.h"
#include "player/TarnixDoc.h"
#include "player/resource.h"

IMPLEMENT_DYNAMIC(CStartWnd, CDialog)

// void OnPaint(); void OnTimer(UINT_PTR); void OnDestroy(); void OnSetFocus(CWnd*);
// LRESULT OnMenuChoice(WPARAM, LPARAM); void OnCreateMenu(); void OnShowMenu(); void OnNothing()
BEGIN_MESSAGE_MAP(CStartWnd, CDialog)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_TARNIX_MENUCHOICE, OnMenuChoice)
    ON_COMMAND(ID_CREATE_MENU, OnCreateMenu)
    ON_COMMAND(ID_SHOW_MENU, OnShowMenu)
    ON_COMMAND(ID_NOTHING, OnNothing)
END_MESSAGE_MAP()

CStartWnd::CStartWnd(CWnd* pParent)
    : CDialog(IDD_STARTWND, pParent), m_bFirstPaintDone(0), m_pDesktopBrush(nullptr), m_pDoc(nullptr), m_nFrameX(0),
      m_nFrameY(0), m_nFrameW(0), m_nFrameH(0), m_pMenuDlg(nullptr), m_pWelcome(nullptr), m_nWelcomeTimer(0),
      m_bMenuCreated(0), m_bMenuGone(0)
{
}

CStartWnd::~CStartWnd()
{
    DeleteWelcome();
    DeleteMenu();
}

BOOL CStartWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pDoc == nullptr)
    {
        SendMessage(WM_COMMAND, IDCANCEL);
        return TRUE;
    }
    CRect rect;
    if (m_pDoc->m_bPaintDesktop)
        GetDesktopWindow()->GetClientRect(&rect);
    else
        rect.SetRect(m_nFrameX - 1, m_nFrameY - 1, m_nFrameX + m_nFrameW + 2, m_nFrameY + m_nFrameH + 2);
    MoveWindow(&rect, TRUE);
    return TRUE;
}

void CStartWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_pDoc != nullptr && m_pDoc->m_bPaintDesktop && m_pDesktopBrush != nullptr)
    {
        CRect client;
        GetClientRect(&client);
        dc.FillRect(&client, m_pDesktopBrush);
    }
    else
    {
        ShowWindow(SW_HIDE);
    }
    if (!m_bFirstPaintDone)
    {
        m_bFirstPaintDone = 1;
        PostMessage(WM_COMMAND, ID_CREATE_MENU);
    }
}

void CStartWnd::OnCreateMenu()
{
    if (m_pDoc == nullptr || m_pMenuDlg != nullptr)
        return;
    if (m_pDoc->m_bWelcome)
        ShowWelcome();
    m_pMenuDlg = new CMenuDlg(m_pDoc->m_bBorder ? IDD_MENU_BORDER : IDD_MENU_NOBORDER, this);
    m_pMenuDlg->m_pDoc = m_pDoc;
    m_bMenuCreated = m_pMenuDlg->Create();
    if (!m_bMenuCreated)
    {
        // Without a menu there is nothing to run: the program ends.
        DeleteMenu();
        MenuClosed();
        return;
    }
    m_pMenuDlg->ShowWindow(SW_HIDE);
    m_pMenuDlg->EnableWindow(FALSE);
    if (!m_pDoc->m_bWelcome)
        OnShowMenu();
}

void CStartWnd::ShowWelcome()
{
    m_pWelcome = new CPictureDlg(this);
    m_pWelcome->m_bShowErrors = m_pDoc->m_bShowErrors;
    m_pWelcome->m_crBackground = m_pDoc->m_crWelcome;
    m_pWelcome->m_hIcon = m_pDoc->m_hIconBig;
    m_pWelcome->m_bImage = m_pDoc->m_bWelcomeImage;
    m_pWelcome->m_strImageFile = m_pDoc->m_strWelcomeImageFile;
    for (int i = 0; i < 4; ++i)
        m_pWelcome->m_strText[i] = m_pDoc->m_strWelcomeText[i];
    if (m_pWelcome->Create())
    {
        m_pWelcome->ShowWindow(SW_SHOW);
        m_pWelcome->UpdateWindow();
    }
    m_nWelcomeTimer = SetTimer(kWelcomeTimer, UINT(m_pDoc->m_nWelcomeTime) * 1000, nullptr);
}

void CStartWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kWelcomeTimer)
        return;
    KillTimer(kWelcomeTimer);
    m_nWelcomeTimer = 0;
    if (m_pWelcome != nullptr)
    {
        DeleteWelcome();
        PostMessage(WM_COMMAND, ID_SHOW_MENU);
    }
}

void CStartWnd::OnShowMenu()
{
    if (!m_bMenuCreated || AfxHwnd(m_pMenuDlg) == nullptr)
        return;
    m_pMenuDlg->ShowWindow(SW_SHOW);
    m_pMenuDlg->EnableWindow(TRUE);
    m_pMenuDlg->UpdateWindow();
}

void CStartWnd::MenuClosed()
{
    DeleteWelcome();
    m_bMenuGone = 1;
    if (m_hWnd != nullptr)
        PostMessage(WM_COMMAND, IDCANCEL);
    m_pMenuDlg = nullptr;
}

BOOL CStartWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Esc and Enter never end the start window while the menu lives.
    if (LOWORD(wParam) == IDOK)
        return TRUE;
    if (LOWORD(wParam) == IDCANCEL)
    {
        if (m_bMenuGone || m_pDoc == nullptr)
            EndDialog(IDCANCEL);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CStartWnd::DestroyWindow()
{
    if (CWnd* pMain = AfxGetMainWnd())
        if (AfxHwnd(pMain) != nullptr)
            pMain->PostMessage(WM_COMMAND, ID_APP_EXIT);
    return CDialog::DestroyWindow();
}

void CStartWnd::OnDestroy()
{
    DeleteWelcome();
    DeleteMenu();
    CDialog::OnDestroy();
}

void CStartWnd::OnSetFocus(CWnd* pOldWnd)
{
    CDialog::OnSetFocus(pOldWnd);
    if (AfxHwnd(m_pMenuDlg) != nullptr)
        m_pMenuDlg->SetFocus();
    else if (AfxHwnd(m_pWelcome) != nullptr)
        m_pWelcome->SetFocus();
}

LRESULT CStartWnd::OnMenuChoice(WPARAM wParam, LPARAM)
{
    if (AfxHwnd(m_pMenuDlg) != nullptr)
        m_pMenuDlg->SendMessage(WM_TARNIX_MENUCHOICE, wParam);
    return 0;
}

void CStartWnd::DeleteWelcome()
{
    if (m_pWelcome == nullptr)
        return;
    if (m_pWelcome->m_hWnd != nullptr)
        m_pWelcome->DestroyWindow();
    delete m_pWelcome;
    m_pWelcome = nullptr;
}

// The menu window deletes itself once its window is gone (and then forgets
// itself here through MenuClosed); one whose window never came is deleted here.
void CStartWnd::DeleteMenu()
{
    CMenuDlg* pMenu = m_pMenuDlg;
    if (pMenu == nullptr)
        return;
    if (pMenu->m_hWnd != nullptr)
        pMenu->DestroyWindow();
    else
        delete pMenu;
    m_pMenuDlg = nullptr;
}
