#include "editor/app/ExplorerView.h"

#include "editor/app/ExplorerList.h"
#include "editor/app/ExplorerTree.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/UiLanguage.h"
#include "editor/resource.h"

#include "toolkit/frame/XTSplitterWnd.h"

#include "framework/ImageList.h"
#include "framework/RecentFileList.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CExplorerView, CXTTabCtrlBar)

namespace {

// Posted when the views are made: their drawing is released by then at the latest.
const UINT WM_EXPLORER_RELEASE_DRAWING = WM_APP + 1;

} // namespace

BEGIN_MESSAGE_MAP(CExplorerView, CXTTabCtrlBar)
    // int OnCreate(LPCREATESTRUCT lpcs)
    ON_WM_CREATE()
    // LRESULT OnReleaseDrawing(WPARAM, LPARAM)
    ON_MESSAGE(WM_EXPLORER_RELEASE_DRAWING, OnReleaseDrawing)
END_MESSAGE_MAP()

CExplorerView::~CExplorerView()
{
    DestroyViews();
}

int CExplorerView::OnCreate(LPCREATESTRUCT lpcs)
{
    return CXTTabCtrlBar::OnCreate(lpcs) == -1 ? -1 : 0;
}

void CExplorerView::PreloadIcons()
{
    // Shown views have their icons.
    if (HasViews())
        return;
    // The project opened last is the one most likely opened next.
    CRecentFileList* pRecent = AfxGetApp() != nullptr ? AfxGetApp()->m_pRecentFileList : nullptr;
    CString strRecent = pRecent != nullptr && pRecent->GetCount() > 0 ? (*pRecent)[0] : CString();
    const int nSlash = strRecent.ReverseFind('\\');
    m_iconLoader.Start(nSlash > 0 ? strRecent.Left(nSlash) : CString());
}

void CExplorerView::SetProject(CTarnixEdDoc* pDoc)
{
    if (HasViews())
    {
        // The document's files changed: the list shows the folder as it is now.
        if (pDoc != nullptr && !IsFolderShown(pDoc->GetProjectFolder()))
            ShowFolder(pDoc->GetProjectFolder());
        else
            m_pList->Refresh();
        return;
    }
    // Made, laid out and filled unseen, the views are drawn once: each step
    // would draw them (and their themed frames and scroll bars) again.
    HoldDrawing();
    // Views that cannot draw yet leave the icon loader at work (on the
    // project's folder only) until they draw; views that could draw at once
    // stop it first.
    if (!m_bDrawingHeld)
        m_iconLoader.Stop();
    else
        m_iconLoader.KeepToFolder();
    if (!CreateViews())
    {
        ReleaseDrawing();
        return;
    }
    if (!m_bDrawingHeld)
        m_pList->TakeSystemImageLists();
    PostMessage(WM_EXPLORER_RELEASE_DRAWING);
    if (pDoc != nullptr && !pDoc->GetProjectFolder().IsEmpty())
        ShowFolder(pDoc->GetProjectFolder());
}

void CExplorerView::ShowProjectFolder(CTarnixEdDoc* pDoc)
{
    // A folder shown (or about to be) is not walked to again.
    if (m_pTree != nullptr && pDoc != nullptr && !IsFolderShown(pDoc->GetProjectFolder()))
        ShowFolder(pDoc->GetProjectFolder());
}

void CExplorerView::ClearProject()
{
    // The tab goes without its window: the views are this bar's to destroy.
    while (GetTabCtrl().GetItemCount() > 0)
        DeleteView(0, FALSE);
    DestroyViews();
}

void CExplorerView::FinishShowing()
{
    if (m_pTree != nullptr && ::IsWindow(m_pTree->GetSafeHwnd()))
        m_pTree->OnDeferredInitialize();
    ReleaseDrawing();
}

void CExplorerView::HoldDrawing()
{
    // The tab control, not the bar, is made invisible: the frame lays out
    // the bars by their visibility.
    HWND hTab = GetTabCtrl().GetSafeHwnd();
    if (m_bDrawingHeld || hTab == nullptr || !(GetTabCtrl().GetStyle() & WS_VISIBLE))
        return;
    m_bDrawingHeld = TRUE;
    // The control's own handler would only stop its own drawing; the default
    // one stops its children's too.
    ::DefWindowProcA(hTab, WM_SETREDRAW, FALSE, 0);
}

void CExplorerView::ReleaseDrawing()
{
    if (!m_bDrawingHeld)
        return;
    m_bDrawingHeld = FALSE;
    // The views draw the shell's icons from here on.
    m_iconLoader.Stop();
    if (m_pList != nullptr)
        m_pList->TakeSystemImageLists();
    HWND hTab = GetTabCtrl().GetSafeHwnd();
    if (hTab == nullptr)
        return;
    ::DefWindowProcA(hTab, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(hTab, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CExplorerView::OnReleaseDrawing(WPARAM, LPARAM)
{
    ReleaseDrawing();
    return 0;
}

BOOL CExplorerView::IsFolderShown(const CString& strFolder) const
{
    if (m_strFolder.IsEmpty() || m_strFolder.CompareNoCase(strFolder) != 0)
        return FALSE;
    CString strSelected;
    return m_pTree->IsSelectPending() ||
           (m_pTree->GetSelectedFolderPath(strSelected) && strSelected.CompareNoCase(strFolder) == 0);
}

void CExplorerView::ShowFolder(const CString& strFolder)
{
    if (strFolder.IsEmpty())
        return;
    m_strFolder = strFolder;
    // The caption shows the text: it is drawn again with it.
    SetWindowText(strFolder);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    m_pTree->SelectPath(strFolder);
}

BOOL CExplorerView::CreateViews()
{
    const char* pszLabel = IsGermanUi() ? "Projekt" : "Project";
    m_pSplitter = new CXTSplitterWnd;
    m_pTree = new CExplorerTree;
    m_pList = new CExplorerList;
    CWnd* pTabCtrl = &GetTabCtrl();
    BOOL bMade = m_pSplitter->CreateStatic(pTabCtrl, 2, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST) &&
                 m_pTree->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 0, 0), m_pSplitter,
                                 m_pSplitter->IdFromRowCol(0, 0)) &&
                 m_pList->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT, CRect(0, 0, 0, 0), m_pSplitter,
                                 m_pSplitter->IdFromRowCol(1, 0));
    if (!bMade)
    {
        DestroyViews();
        return FALSE;
    }
    m_pTree->SetListView(m_pList);
    m_pList->SetTreeCtrl(m_pTree);
    m_pSplitter->SetRowInfo(0, 175, 0);

    m_pImages = new CImageList;
    if (m_pImages->Create(IDB_EXPLORER_TAB, 16, 1, RGB(0, 255, 0)))
        SetTabImageList(m_pImages);
    if (!AddControl(pszLabel, m_pSplitter, -1, -1))
    {
        DestroyViews();
        return FALSE;
    }
    SetActiveView(0);
    return TRUE;
}

void CExplorerView::DestroyViews()
{
    ReleaseDrawing();
    // The splitter's window takes the tree and the list with it.
    if (m_pSplitter != nullptr && ::IsWindow(m_pSplitter->GetSafeHwnd()))
        m_pSplitter->DestroyWindow();
    delete m_pTree;
    m_pTree = nullptr;
    delete m_pList;
    m_pList = nullptr;
    delete m_pSplitter;
    m_pSplitter = nullptr;
    m_strFolder.Empty();
    if (m_pImages != nullptr)
    {
        if (::IsWindow(GetTabCtrl().GetSafeHwnd()))
            SetTabImageList(nullptr);
        m_pImages->DeleteImageList();
        delete m_pImages;
        m_pImages = nullptr;
    }
}
