// The canvas itself: the command table, the objects built from the document,
// the frame sized to the page, and the drawing. The commands and the input
// engine are in the TarnixEdView*.cpp files beside this one.
#include "editor/app/TarnixEdView.h"

#include "editor/app/ChildFrame.h"
#include "editor/app/EditorDropTarget.h"
#include "editor/app/ProjectReport.h"
#include "editor/app/TarnixEdApp.h"
#include "editor/app/TarnixEdDoc.h"
#include "framework/CmdUI.h"
#include "framework/DC.h"
#include "shared/menuobj/MemDC.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/support/ProjectFormat.h"

#include "editor/resource.h"

namespace {

const RECT kFirstDefaultRect = { 10, 10, 130, 36 };

} // namespace

IMPLEMENT_DYNCREATE(CTarnixEdView, CView)

BEGIN_MESSAGE_MAP(CTarnixEdView, CView)
    // void OnDestroy()
    ON_WM_DESTROY()
    // BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    ON_WM_SETCURSOR()
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYUP()
    // void OnDropFiles(HDROP hDropInfo)
    ON_WM_DROPFILES()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // void OnCaptureChanged(CWnd* pWnd)
    ON_WM_CAPTURECHANGED()
    // void OnContextMenu(CWnd* pWnd, CPoint pos)
    ON_WM_CONTEXTMENU()
    // LRESULT OnObjectNotify(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_TARNIX_OBJNOTIFY, OnObjectNotify)
    // LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    // void OnXxx()
    ON_COMMAND(ID_VIEW_TOOLBAR_DROP, OnToolbarDrop)
    ON_COMMAND(ID_VIEW_EXPLORER_DROP, OnExplorerDrop)
    ON_COMMAND(ID_VIEW_SELECT, OnSelectMode)
    ON_COMMAND(ID_VIEW_TABORDER, OnTabOrder)
    ON_COMMAND(ID_OBJ_BUTTON, OnInsertButton)
    ON_COMMAND(ID_OBJ_BUTTON_AT_MARK, OnInsertButtonAtMark)
    ON_COMMAND(ID_PAGE_NEW, OnSubmenu)
    ON_COMMAND(ID_OBJ_SUBMENU, OnSubmenu)
    ON_COMMAND(ID_OBJ_SUBMENU_AT_MARK, OnSubmenu)
    ON_COMMAND(ID_OBJ_CHANGE, OnChange)
    ON_COMMAND(ID_OBJ_DELETE, OnDelete)
    ON_COMMAND(ID_EDIT_COPY, OnCopy)
    ON_COMMAND(ID_EDIT_CUT, OnCut)
    ON_COMMAND(ID_EDIT_PASTE, OnPaste)
    ON_COMMAND(ID_ALIGN_VERTICAL, OnAlignVertical)
    ON_COMMAND(ID_ALIGN_HORIZONTAL, OnAlignHorizontal)
    ON_COMMAND(ID_PROJECT_TEST, OnTestRun)
    ON_COMMAND(ID_RUN_PLAYER, OnRunPlayer)
    ON_COMMAND(ID_PROJECT_REFRESH, OnRefresh)
    ON_COMMAND(ID_PROJECT_EXPLORE, OnExploreFolder)
    ON_COMMAND(ID_PAGE_BACKCOLOR, OnBackgroundColor)
    ON_COMMAND(ID_PAGE_TITLE, OnWindowTitle)
    ON_COMMAND(ID_PAGE_WINDOWPOS, OnWindowPosition)
    ON_COMMAND(ID_PAGE_DESKTOP, OnDesktop)
    ON_COMMAND(ID_PAGE_VIRTUAL_DRIVE, OnVirtualDrive)
    ON_COMMAND(ID_STYLE_BUTTONS, OnButtonStyle)
    ON_COMMAND(ID_BUTTON_IMAGE_READY, OnForwardToSheet)
    ON_COMMAND(ID_VIEW_GRID_CHANGED, OnGridChanged)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnPagePreview)
    // void OnProjectReport()
    ON_COMMAND(ID_PROJECT_REPORT, OnProjectReport)
    // void OnXxx(CCmdUI* pCmdUI)
    ON_UPDATE_COMMAND_UI(ID_VIEW_SELECT, OnUpdateSelectMode)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TABORDER, OnUpdateTabOrder)
    ON_UPDATE_COMMAND_UI(ID_OBJ_BUTTON, OnUpdateInsertButton)
    ON_UPDATE_COMMAND_UI(ID_OBJ_BUTTON_AT_MARK, OnUpdateInsertButton)
    ON_UPDATE_COMMAND_UI(ID_PAGE_NEW, OnUpdateSubmenu)
    ON_UPDATE_COMMAND_UI(ID_OBJ_SUBMENU, OnUpdateSubmenu)
    ON_UPDATE_COMMAND_UI(ID_OBJ_SUBMENU_AT_MARK, OnUpdateSubmenu)
    ON_UPDATE_COMMAND_UI(ID_OBJ_CHANGE, OnUpdateHasSelection)
    ON_UPDATE_COMMAND_UI(ID_OBJ_DELETE, OnUpdateHasSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateHasSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateHasSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_VERTICAL, OnUpdateAlign)
    ON_UPDATE_COMMAND_UI(ID_ALIGN_HORIZONTAL, OnUpdateAlign)
    ON_COMMAND(ID_OBJ_TEXT, OnInsertText)
    ON_COMMAND(ID_OBJ_TEXT_AT_MARK, OnInsertTextAtMark)
    ON_COMMAND(ID_OBJ_TEXTFIELD, OnInsertTextField)
    ON_COMMAND(ID_OBJ_TEXTFIELD_AT_MARK, OnInsertTextFieldAtMark)
    ON_COMMAND(ID_OBJ_AVICLIP, OnInsertAviClip)
    ON_COMMAND(ID_OBJ_SLIDER, OnInsertSlider)
    ON_COMMAND(ID_OBJ_IMAGE, OnInsertImage)
    ON_UPDATE_COMMAND_UI(ID_OBJ_TEXT, OnUpdateInsertObject)
    ON_UPDATE_COMMAND_UI(ID_OBJ_TEXT_AT_MARK, OnUpdateInsertObject)
    ON_UPDATE_COMMAND_UI(ID_OBJ_TEXTFIELD, OnUpdateInsertObject)
    ON_UPDATE_COMMAND_UI(ID_OBJ_TEXTFIELD_AT_MARK, OnUpdateInsertObject)
    ON_UPDATE_COMMAND_UI(ID_OBJ_AVICLIP, OnUpdateInsertObject)
    ON_UPDATE_COMMAND_UI(ID_OBJ_SLIDER, OnUpdateInsertObject)
    ON_UPDATE_COMMAND_UI(ID_OBJ_IMAGE, OnUpdateInsertObject)
    ON_COMMAND(ID_OBJ_TEXTVIEWER, OnInsertTextViewer)
    ON_UPDATE_COMMAND_UI(ID_OBJ_TEXTVIEWER, OnUpdateSiblingInsert)
    ON_COMMAND(ID_OBJ_PICTURESHOW, OnInsertPictureShow)
    ON_UPDATE_COMMAND_UI(ID_OBJ_PICTURESHOW, OnUpdateInsertButton)
    ON_COMMAND(ID_OBJ_PDFSTARTER, OnInsertPdfStarter)
    ON_UPDATE_COMMAND_UI(ID_OBJ_PDFSTARTER, OnUpdateSiblingInsert)
    ON_COMMAND(ID_OBJ_SLIDESHOW, OnInsertSlideShow)
    ON_UPDATE_COMMAND_UI(ID_OBJ_SLIDESHOW, OnUpdateSiblingInsert)
    ON_COMMAND(ID_OBJ_LISTBOX, OnInsertListBox)
    ON_UPDATE_COMMAND_UI(ID_OBJ_LISTBOX, OnUpdateInsertListBox)
    ON_CONTROL(LBN_SELCHANGE, MENUOBJ_LISTBOX_ID, OnListBoxHint)
    ON_CONTROL(LBN_SETFOCUS, MENUOBJ_LISTBOX_ID, OnListBoxHint)
    ON_COMMAND(ID_OBJ_POPUPMENU, OnInsertPopupMenu)
    ON_UPDATE_COMMAND_UI(ID_OBJ_POPUPMENU, OnUpdatePopupMenu)
    ON_COMMAND(ID_PAGE_SOUND, OnSound)
    ON_COMMAND(ID_PAGE_TOOLTIPS, OnTooltips)
    ON_COMMAND(ID_PAGE_START_EVENTS, OnStartEvents)
    ON_COMMAND(ID_PAGE_WELCOME, OnWelcome)
    ON_COMMAND(ID_PAGE_FLAGS, OnFlags)
    ON_COMMAND(ID_PAGE_BACKIMAGE, OnBackgroundImage)
    ON_COMMAND(ID_PAGE_GRAPHICS, OnGraphicsProgram)
    ON_COMMAND(ID_HELP_OBJECTS, OnObjectsHelp)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Construction

CTarnixEdView::CTarnixEdView()
    : m_bObjectsShown(1), m_rcMarked{ 0, 0, 0, 0 }, m_pSheet(nullptr), m_rcDefault(kFirstDefaultRect),
      m_bCtrl(0), m_ptPaste{ 10, 10 }, m_bDefaultTipShown(0), m_bSelectCursor(0), m_bSelectionMode(0),
      m_bRubberBand(0), m_ptAnchor{ 0, 0 }, m_bTabOrder(0), m_ptLast{ -1, 0 }, m_bButtonDown(0), m_bDragging(0),
      m_bCaptured(0), m_bCursorClipped(0), m_penBlack(PS_DOT, 1, RGB(0, 0, 0)),
      m_penWhite(PS_DOT, 1, RGB(255, 255, 255)), m_nWorkWidth(0), m_nWorkHeight(0), m_nExtraWidth(-1),
      m_nExtraHeight(-1), m_bGrid(0), m_nGridStep(1), m_pDropTarget(new CEditorDropTarget)
{
    m_defaultButton.m_strText = "Button";
    m_defaultButton.m_rect = m_rcDefault;
    m_defaultButton.m_bPreset = 0;
}

CTarnixEdView::~CTarnixEdView()
{
    if (m_pDropTarget != nullptr)
        m_pDropTarget->Release();
    delete m_pReport;
}

CTarnixEdDoc* CTarnixEdView::GetDocument() const
{
    return static_cast<CTarnixEdDoc*>(CView::GetDocument());
}

// ---------------------------------------------------------------------------
// Building the canvas

void CTarnixEdView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    ::DragAcceptFiles(m_hWnd, TRUE);
    m_pDropTarget->Register(this);
    BuildObjects();
}

// Also the second half of every reload: the objects are made again from the
// document on the same view.
void CTarnixEdView::BuildObjects()
{
    CTarnixEdDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return;
    CProjectPage& page = pDoc->GetPage();
    ResizeFrameToMenu(page.GetWindow().nW, page.GetWindow().nH);
    m_defaultButton.m_font.Assign(page.GetButtonStyle().font);
    m_objects.DeleteAll();
    CToolTip* pTip = nullptr;
    const PageTooltipArea& area = page.GetTooltipArea();
    if (area.bOn)
    {
        m_tooltip.Setup(area.rc, area.bTransparent, area.crBg, area.font, area.strText, this, page.GetProjectFolder(),
                        area.bCenter);
        pTip = &m_tooltip;
    }
    for (int i = 0; i < page.GetButtons().GetSize(); ++i)
        if (CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(page.GetButtons().GetAt(i)))
            pButton->pToolTip = pTip;
    m_objects.Init(this, MENUOBJ_FIRST_ID, MENUOBJ_MAX_COUNT, TRUE);
    TakeGridSettings();
    AddDocumentObjects();
    BindPopupMenus();
    m_objects.DeselectAll();
    RECT rc;
    GetClientRect(&rc);
    m_nWorkWidth = rc.right;
    m_nWorkHeight = rc.bottom;
}

void CTarnixEdView::AddDocumentObjects()
{
    CProjectPage& page = GetDocument()->GetPage();
    m_objects.AddPageObjects(page.GetObjectLists(), page.GetButtonStyle().font);
}

void CTarnixEdView::BindPopupMenus()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    for (int i = 0; i < page.GetButtons().GetSize(); ++i)
    {
        CMButCreateStruct* pStruct = dynamic_cast<CMButCreateStruct*>(page.GetButtons().GetAt(i));
        if (pStruct == nullptr || !ProjectFormat::IsPopupDocument(pStruct->m_strDocument))
            continue;
        m_objects.RemovePopupMenu(pStruct);
        const int nNumber = m_objects.BindPopupMenu(pStruct, this);
        if (nNumber < 0)
            continue;
        // The page read the popup's text and counted its files when it was opened.
        CString strItem = page.GetPopupMenuText(nNumber);
        if (!strItem.IsEmpty())
            m_objects.SetPopupMenuText(nNumber, strItem);
    }
}

void CTarnixEdView::TakeGridSettings()
{
    if (CTarnixEdApp* pApp = GetEditorApp())
    {
        m_bGrid = pApp->m_nGridFlag;
        m_nGridStep = pApp->m_nGridStep;
    }
    m_objects.SetGridSize(m_bGrid ? m_nGridStep : 1);
}

void CTarnixEdView::OnGridChanged()
{
    TakeGridSettings();
}

void CTarnixEdView::ResizeFrameToMenu(int cx, int cy)
{
    CWnd* pFrame = GetParent();
    if (pFrame == nullptr)
        return;
    if (m_nExtraWidth < 0 || m_nExtraHeight < 0)
    {
        pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        RECT rc;
        GetClientRect(&rc);
        m_nExtraWidth = cx - rc.right;
        m_nExtraHeight = cy - rc.bottom;
    }
    const int cxFrame = cx + m_nExtraWidth;
    const int cyFrame = cy + m_nExtraHeight;
    if (CChildFrame* pChild = dynamic_cast<CChildFrame*>(pFrame))
        pChild->SetTrackSize(cxFrame, cyFrame);
    pFrame->SetWindowPos(nullptr, 0, 0, cxFrame, cyFrame, SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    if (CWnd* pClient = pFrame->GetParent())
        pClient->Invalidate();
    RECT rc;
    GetClientRect(&rc);
    m_nWorkWidth = rc.right;
    m_nWorkHeight = rc.bottom;
    TakeGridSettings();
}

void CTarnixEdView::RefreshCanvas()
{
    m_objects.UpdateRectsFromWindows();
}

void CTarnixEdView::OnDestroy()
{
    DropCapture();
    LiftCursorClip();
    m_pDropTarget->Revoke();
    CView::OnDestroy();
}

// ---------------------------------------------------------------------------
// Drawing

void CTarnixEdView::OnDraw(CDC* pDC)
{
    CTarnixEdDoc* pDoc = GetDocument();
    if (pDoc == nullptr)
        return;
    CProjectPage& page = pDoc->GetPage();
    CMemDC memDC(pDC, this, RGB(255, 255, 255));
    const HDC hdc = AfxHdc(&memDC);
    ::SetBkMode(hdc, TRANSPARENT);
    RECT rcClient;
    GetClientRect(&rcClient);
    ::FillRect(hdc, &rcClient, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    RECT rcPage = { 0, 0, page.GetWindow().nW, page.GetWindow().nH };
    HBRUSH hBrush = ::CreateSolidBrush(page.GetWindow().crBg);
    ::FillRect(hdc, &rcPage, hBrush);
    ::DeleteObject(hBrush);
    if (page.ShowsBackground())
        m_background.Draw(&memDC, page);
    if (m_bSelectionMode && !::IsRectEmpty(&m_rcMarked))
    {
        const RECT& rc = m_rcMarked;
        const HGDIOBJ hOld = ::SelectObject(hdc, m_penBlack.GetSafeHandle());
        const POINT outer[] = { { rc.left, rc.top }, { rc.right - 1, rc.top }, { rc.right - 1, rc.bottom - 1 },
                                { rc.left, rc.bottom - 1 }, { rc.left, rc.top } };
        ::Polyline(hdc, outer, 5);
        ::SelectObject(hdc, m_penWhite.GetSafeHandle());
        const POINT inner[] = { { rc.left + 1, rc.top + 1 }, { rc.right - 2, rc.top + 1 },
                                { rc.right - 2, rc.bottom - 2 }, { rc.left + 1, rc.bottom - 2 },
                                { rc.left + 1, rc.top + 1 } };
        ::Polyline(hdc, inner, 5);
        ::SelectObject(hdc, hOld);
    }
    if (page.GetTooltipArea().bOn)
    {
        if (!m_bDefaultTipShown)
        {
            m_tooltip.DefaultTip();
            m_bDefaultTipShown = 1;
        }
        m_tooltip.Draw(&memDC);
    }
    if (m_bObjectsShown)
        m_objects.Draw(&memDC);
    memDC.CopyTo(pDC);
}

BOOL CTarnixEdView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTarnixEdView::OnSize(UINT, int, int)
{
}
