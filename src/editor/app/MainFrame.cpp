#include "editor/app/MainFrame.h"

#include "editor/app/TarnixEdApp.h"
#include "editor/app/TarnixEdView.h"
#include "editor/dialogs/StartCenterDlg.h"
#include "editor/dialogs/UiLanguage.h"
#include "editor/resource.h"

#include "shared/menuobj/PageList.h"
#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/MDIChildWnd.h"
#include "framework/View.h"

namespace {

const UINT g_nButtonReadyMessage = ::RegisterWindowMessageA("TARNIX_BUTTON_READY");

const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

// The clipboard's text, empty when it holds none.
CString ClipboardText(HWND hOwner)
{
    CString text;
    if (!::OpenClipboard(hOwner))
        return text;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        if (const char* pText = static_cast<const char*>(::GlobalLock(hData)))
        {
            const SIZE_T nSize = ::GlobalSize(hData);
            SIZE_T nLength = 0;
            while (nLength < nSize && pText[nLength] != '\0')
                ++nLength;
            text = CString(pText, (int)nLength);
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return text;
}

// The menu the editor's menu bar shows: the page list adds its entries there.
HMENU EditorMainMenu()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    CMenu* pMenu = pFrame != nullptr && pFrame->GetSafeHwnd() != nullptr ? pFrame->GetMenu() : nullptr;
    return pMenu != nullptr ? pMenu->m_hMenu : nullptr;
}

// Keeps a frame from laying itself out while it lives: the frame takes the
// flag for a layout that runs already.
class LayoutHold
{
public:
    explicit LayoutHold(BOOL& bInLayout) : m_bInLayout(bInLayout) { m_bInLayout = TRUE; }
    ~LayoutHold() { m_bInLayout = FALSE; }
    LayoutHold(const LayoutHold&) = delete;
    LayoutHold& operator=(const LayoutHold&) = delete;

private:
    BOOL& m_bInLayout;
};

} // namespace

const char CMainFrame::kBarStateProfile[] = "Editor Bars";

const OBJECT_DRAG_ENTRY CMainFrame::kDragTable[] = {
    { ID_OBJ_BUTTON, IDC_DRAG_BUTTON },         { ID_OBJ_TEXT, IDC_DRAG_TEXT },
    { ID_OBJ_TEXTFIELD, IDC_DRAG_TEXTFIELD },   { ID_OBJ_TEXTVIEWER, IDC_DRAG_TEXTVIEWER },
    { ID_OBJ_PICTURESHOW, IDC_DRAG_SHOW },      { ID_OBJ_AVICLIP, IDC_DRAG_AVI },
    { ID_OBJ_SLIDER, IDC_DRAG_SLIDER },         { ID_OBJ_IMAGE, IDC_DRAG_IMAGE },
    { ID_OBJ_SUBMENU, IDC_DRAG_SUBMENU },       { ID_OBJ_PDFSTARTER, IDC_DRAG_PDF },
    { ID_OBJ_SLIDESHOW, IDC_DRAG_SLIDES },      { ID_OBJ_LISTBOX, IDC_DRAG_LISTBOX },
    { ID_OBJ_POPUPMENU, IDC_DRAG_POPUP },       { 0, 0 },
};

IMPLEMENT_DYNCREATE(CMainFrame, CXTMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CXTMDIFrameWnd)
    // int OnCreate(LPCREATESTRUCT lpcs)
    ON_WM_CREATE()
    // void OnClose()
    ON_WM_CLOSE()
    // void OnDestroy()
    ON_WM_DESTROY()
    // void OnEnterIdle(UINT nWhy, CWnd* pWho)
    ON_WM_ENTERIDLE()
    // void OnPopupItem()
    ON_COMMAND(ID_POPUP_ITEM, OnPopupItem)
    // The frame's help commands (F1 among them) open the help as the Help menu does.
    // void OnHelp()
    ON_COMMAND(ID_HELP, OnHelp)
    // void OnHelpFinder()
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
    // void OnHelpFinder()
    ON_COMMAND(ID_DEFAULT_HELP, OnHelpFinder)
    // void OnContextHelp()
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
    // LRESULT OnButtonImageReady(WPARAM wParam, LPARAM lParam)
    ON_REGISTERED_MESSAGE(g_nButtonReadyMessage, OnButtonImageReady)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
    // The editor draws its bars and menus in the classic look.
    xtAfxData.m_bFlatLook = FALSE;
    xtAfxData.m_bMenuDropShadows = FALSE;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    return CXTMDIFrameWnd::PreCreateWindow(cs, IDR_MAINFRAME);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CXTMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    return CreateBars() ? 0 : -1;
}

BOOL CMainFrame::CreateBars()
{
    // Each bar made, docked or restored would lay the frame out at once:
    // the layouts are held back and the frame is laid out once the bars
    // are docked (the object bar's place follows the side bar's), and when
    // all stand as the user left them. A bar docked takes its borders from
    // the layout that places it and its size from them in the next: that
    // last layout is made twice, so that the first show moves no bar (a
    // move of the shown side bar costs more than a layout of the hidden one).
    {
        LayoutHold hold(m_bInRecalcLayout);
        if (!CreateDockedBars())
            return FALSE;
    }
    RecalcLayout();
    {
        LayoutHold hold(m_bInRecalcLayout);
        if (!CreateObjectBar())
            return FALSE;
    }
    RecalcLayout();
    RecalcLayout();
    return TRUE;
}

BOOL CMainFrame::CreateDockedBars()
{
    CXTMenuBar* pMenuBar = dynamic_cast<CXTMenuBar*>(GetFrameHelper().GetMenuBar());
    if (pMenuBar == nullptr || !pMenuBar->Create(this, kBarStyle, XT_IDW_MENUBAR) ||
        !pMenuBar->LoadMenuBar(IDR_MAINFRAME))
        return FALSE;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_TOOLBAR_MAIN))
        return FALSE;
    static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_CAPS };
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, 2))
        return FALSE;
    if (!m_wndExplorer.Create(this, ID_VIEW_EXPLORER, IsGermanUi() ? "CD Projekt" : "CD Project", 300, 150,
                              WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC))
        return FALSE;

    pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndExplorer.EnableDocking(CBRS_ALIGN_LEFT);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(pMenuBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_wndExplorer, AFX_IDW_DOCKBAR_LEFT);
    m_wndExplorer.SetBarStyle(m_wndExplorer.GetBarStyle() & ~CBRS_FLYBY);
    return TRUE;
}

BOOL CMainFrame::CreateObjectBar()
{
    // The object bar stands on the left, outside the side bar; its id is its own.
    if (!m_wndObjectBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_GRIPPER |
                                                         CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                                 CRect(0, 0, 0, 0), ID_VIEW_OBJECTBAR) ||
        !m_wndObjectBar.LoadToolBar(IDR_TOOLBAR_OBJECTS))
        return FALSE;
    m_wndObjectBar.SetDragTable(kDragTable);
    m_wndObjectBar.EnableDocking(CBRS_ALIGN_ANY);
    CRect rectExplorer;
    m_wndExplorer.GetWindowRect(&rectExplorer);
    DockControlBar(&m_wndObjectBar, AFX_IDW_DOCKBAR_LEFT, &rectExplorer);

    static const UINT coolMenuBars[] = { IDR_TOOLBAR_MAIN, IDR_TOOLBAR_OBJECTS, IDR_TOOLBAR_INSERT,
                                         IDR_TOOLBAR_PAGE };
    InstallCoolMenus(coolMenuBars, 4);
    m_wndStatusBar.SetPaneWidth(1, 100);

    CPageList::SetMainMenuFinder(EditorMainMenu);

    // The layout the user left at the last close.
    LoadBarState(kBarStateProfile);
    return TRUE;
}

void CMainFrame::ShowFirstTime(int nCmdShow)
{
    if (!m_placement.LoadWindowPos(this))
        ShowWindow(nCmdShow);
}

// An insert command greyed for a missing sibling program tells why, where
// its prompt would stand.
void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage = CTarnixEdView::MissingSiblingFor(nID);
    if (rMessage.IsEmpty())
        CXTMDIFrameWnd::GetMessageString(nID, rMessage);
}

void CMainFrame::SetToolbarDrop(UINT nCommand, POINT pt)
{
    m_nToolbarDropCommand = nCommand;
    m_ptToolbarDrop = pt;
}

BOOL CMainFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader != nullptr && pHeader->code == (UINT)TBN_ENDDRAG && pHeader->hwndFrom == m_wndObjectBar.m_hWnd)
    {
        POINT pt = { 0, 0 };
        if (const UINT nCommand = m_wndObjectBar.TakeDrop(pt))
        {
            SetToolbarDrop(nCommand, pt);
            PostMessage(WM_COMMAND, ID_VIEW_TOOLBAR_DROP);
        }
    }
    return CXTMDIFrameWnd::OnNotify(wParam, lParam, pResult);
}

void CMainFrame::OnClose()
{
    m_placement.SaveWindowPos(this);
    SaveBarState(kBarStateProfile);
    CXTMDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy()
{
    // Only a close that went through (no save question cancelled) gets here.
    m_wndExplorer.ClearProject();
    CXTMDIFrameWnd::OnDestroy();
}

void CMainFrame::UpdateExplorer(CTarnixEdDoc* pDoc)
{
    m_wndExplorer.SetProject(pDoc);
}

void CMainFrame::ShowProjectFolder(CTarnixEdDoc* pDoc)
{
    m_wndExplorer.ShowProjectFolder(pDoc);
}

void CMainFrame::FinishOpen()
{
    m_wndExplorer.FinishShowing();
    // What the first idle turn would do: the frame's pending layout and the
    // bars' button states.
    SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMainFrame::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CXTMDIFrameWnd::OnEnterIdle(nWhy, pWho);
    // Only the Start Center: other dialogs may draw the shell's icons themselves.
    if (nWhy == MSGF_DIALOGBOX && dynamic_cast<CStartCenterDlg*>(pWho) != nullptr)
        m_wndExplorer.PreloadIcons();
}

void CMainFrame::ClearProject()
{
    m_wndExplorer.ClearProject();
}

void CMainFrame::OnPopupItem()
{
}

LRESULT CMainFrame::OnButtonImageReady(WPARAM, LPARAM)
{
    if (CTarnixEdApp* pApp = GetEditorApp())
        pApp->SetReturnedImageFile(ClipboardText(m_hWnd));
    CMDIChildWnd* pChild = MDIGetActive();
    if (CView* pView = pChild != nullptr ? pChild->GetActiveView() : nullptr)
        pView->SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);
    return 0;
}
