#include "editor/app/TarnixEdView.h"

#include "editor/app/ChildFrame.h"
#include "editor/app/EditorDropTarget.h"
#include "editor/app/Launcher.h"
#include "editor/app/MainFrame.h"
#include "editor/app/TarnixEdApp.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/AlignButtonsDlg.h"
#include "editor/dialogs/AlignHorzDlg.h"
#include "editor/dialogs/AlignVertDlg.h"
#include "editor/app/PageSettingsDialogs.h"
#include "editor/dialogs/AviPropDlg.h"
#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/BackgroundImageDlg.h"
#include "editor/dialogs/ProgramDlg.h"
#include "editor/dialogs/InsertObjectsDlg.h"
#include "editor/dialogs/ViewerOptionsDlg.h"
#include "editor/dialogs/InsertPictureDlg.h"
#include "editor/dialogs/InsertTextDlg.h"
#include "editor/dialogs/ListboxWizard.h"
#include "editor/dialogs/PdfInsert.h"
#include "editor/dialogs/ShowInsert.h"
#include "editor/dialogs/SlideShowInsert.h"
#include "editor/dialogs/PopupMenuDlg.h"
#include "editor/dialogs/SliderPropDlg.h"
#include "editor/dialogs/TextFieldDlg.h"
#include "editor/dialogs/ButtonPropSheet.h"
#include "editor/dialogs/ButtonStyleDlg.h"
#include "editor/dialogs/DesktopDlg.h"
#include "editor/dialogs/TitleBarDlg.h"
#include "editor/dialogs/VirtualDriveDlg.h"
#include "editor/dialogs/WindowPosDlg.h"
#include "editor/dialogs/UiLanguage.h"
#include "framework/CmdUI.h"
#include "framework/ColorDialog.h"
#include "framework/DC.h"
#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/FileWarning.h"
#include "shared/menuobj/GraphicsProgram.h"
#include "shared/support/FileUtils.h"
#include "shared/menuobj/AviCtrl.h"
#include "shared/menuobj/MObjButton.h"
#include "shared/menuobj/MemDC.h"
#include "shared/menuobj/PopupMenuDesc.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/support/ProjectFormat.h"

#include "editor/resource.h"

#include <algorithm>
#include <io.h>
#include <shellapi.h>
#include <windowsx.h>

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
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
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

namespace {

const int kDragThreshold = 3;
const int kMaxButtons = 10;
const int kMaxTexts = 10;
const COLORREF kListBoxColor = RGB(210, 200, 190);
const DWORD kListBoxStyle = 2; // the wizard's plain-look option
const RECT kFirstDefaultRect = { 10, 10, 130, 36 };
const RECT kPlacedDefaultRect = { 10, 10, 110, 36 };

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

RECT MakeRect(int x, int y, int cx, int cy)
{
    return RECT{ x, y, x + cx, y + cy };
}

BOOL StartsWith(const CString& str, LPCSTR lpszPrefix)
{
    return str.Left((int)strlen(lpszPrefix)) == lpszPrefix;
}

CString LoadedString(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

void ShowLimitBox(LPCSTR lpszKind)
{
    CString format, text;
    format.LoadString(IDS_MAX_OBJECTS);
    text.Format(format, lpszKind);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

const char kTextViewerProgram[] = "Scrollet.exe";

void CentreBackgroundImage(CProjectPage& page)
{
    PageBackground background = page.GetBackground();
    const SIZE size = page.GetBackgroundSize();
    background.nX = std::max(0, (page.GetWindow().nW - (int)size.cx - 6) / 2);
    background.nY = std::max(0, (page.GetWindow().nH - (int)size.cy - 26) / 2);
    page.SetBackground(background);
}

CString PlayerPathFor(const CString& strProject)
{
    const int nSlash = strProject.ReverseFind('\\');
    return (nSlash >= 0 ? strProject.Left(nSlash) : CString(".")) + "\\Tarnix.exe";
}


// A new object goes to the container first and then to the document; when
// either refuses it, neither keeps it and the struct is deleted.
template <class T>
BOOL AddToBoth(T* pStruct, CMenuObjects& objects, BOOL (CMenuObjects::*addObject)(T*), CProjectPage& page,
               BOOL (CProjectPage::*addStruct)(T*))
{
    if (!(objects.*addObject)(pStruct))
    {
        delete pStruct;
        return FALSE;
    }
    if (!(page.*addStruct)(pStruct))
    {
        objects.DeleteSelected();
        delete pStruct;
        return FALSE;
    }
    return TRUE;
}

template <class T>
T* CopyAt(const CMObjCreateStruct& clip, const RECT& rc)
{
    T* pCopy = new T;
    pCopy->Copy(static_cast<const T&>(clip));
    pCopy->m_rect = rc;
    pCopy->m_nNumber = -1;
    return pCopy;
}

} // namespace

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
        DrawBackgroundImage(&memDC);
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

// The page keeps only the picture's name and size; the canvas loads it when
// the name changes.
void CTarnixEdView::DrawBackgroundImage(CDC* pDC)
{
    CProjectPage& page = GetDocument()->GetPage();
    CString path;
    page.ResolvePath(page.GetBackground().strFile, path);
    if (path != m_strBackgroundPath)
    {
        m_strBackgroundPath = path;
        m_background.LoadFile(path);
    }
    if (m_background.IsValid())
        m_background.Draw(pDC, page.GetBackground().nX, page.GetBackground().nY);
}

BOOL CTarnixEdView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTarnixEdView::OnSize(UINT, int, int)
{
}

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

void CTarnixEdView::RefreshCanvas()
{
    m_objects.UpdateRectsFromWindows();
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

void CTarnixEdView::OnDestroy()
{
    DropCapture();
    LiftCursorClip();
    m_pDropTarget->Revoke();
    CView::OnDestroy();
}

// ---------------------------------------------------------------------------
// Placement

POINT CTarnixEdView::SnapPoint(int x, int y) const
{
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (m_bGrid && m_nGridStep >= 2)
    {
        x -= x % m_nGridStep;
        y -= y % m_nGridStep;
    }
    return POINT{ x, y };
}

RECT CTarnixEdView::SnapRect(int x, int y, int cx, int cy) const
{
    const POINT pt = SnapPoint(x, y);
    return MakeRect(pt.x, pt.y, cx, cy);
}

POINT CTarnixEdView::NextSlot(int x, int y, int dx, int dy, int nGridStep, SIZE client)
{
    if (nGridStep >= 2)
    {
        dx = std::max(dx, 0) / nGridStep * nGridStep;
        dy = std::max(dy, 0) / nGridStep * nGridStep;
    }
    if (y + dy < client.cy - 30)
        return POINT{ x, y + dy };
    if (x + dx < client.cx - 50)
        return POINT{ x + dx, 10 };
    return POINT{ 10, 10 };
}

void CTarnixEdView::PlaceNext()
{
    if (::IsRectEmpty(&m_rcDefault) || Width(m_rcDefault) < 10 || Height(m_rcDefault) < 10)
    {
        m_rcDefault = FreePlace(kPlacedDefaultRect);
        return;
    }
    const POINT pt = NextSlot(m_rcDefault.left, m_rcDefault.top, Width(m_rcDefault) + 10, Height(m_rcDefault) + 10,
                              m_bGrid ? m_nGridStep : 1, MenuSize());
    m_rcDefault = FreePlace(MakeRect(pt.x, pt.y, Width(m_rcDefault), Height(m_rcDefault)));
}

namespace {

bool OverlapsAny(const RECT& rc, const std::vector<RECT>& taken)
{
    RECT common;
    return std::any_of(taken.begin(), taken.end(),
                       [&](const RECT& other) { return ::IntersectRect(&common, &rc, &other) != FALSE; });
}

bool FitsInPage(const RECT& rc, SIZE page)
{
    return rc.left >= 0 && rc.top >= 0 && rc.right <= page.cx && rc.bottom <= page.cy;
}

} // namespace

RECT CTarnixEdView::FindFreePlace(RECT rc, const std::vector<RECT>& taken, SIZE page, int nGridStep)
{
    rc = PushInsideMenu(rc, page);
    if (!OverlapsAny(rc, taken))
        return rc;
    const int cx = Width(rc), cy = Height(rc);
    // The next-button walk ends where it began or at its restart in the top
    // left corner, whichever comes second.
    POINT pt = { rc.left, rc.top };
    for (int nRestarts = 0; nRestarts < 2;)
    {
        const POINT next = NextSlot(pt.x, pt.y, cx + 10, cy + 10, nGridStep, page);
        if (next.x == pt.x && next.y == pt.y)
            break;
        pt = next;
        if (pt.x == 10 && pt.y == 10)
            ++nRestarts;
        const RECT candidate = MakeRect(pt.x, pt.y, cx, cy);
        if (FitsInPage(candidate, page) && !OverlapsAny(candidate, taken))
            return candidate;
    }
    // The raster keeps to the grid, so that snapping moves nothing.
    const int nStep = nGridStep >= 2 ? (10 + nGridStep - 1) / nGridStep * nGridStep : 10;
    for (int y = nStep; y + cy <= page.cy; y += nStep)
    {
        for (int x = nStep; x + cx <= page.cx; x += nStep)
        {
            const RECT candidate = MakeRect(x, y, cx, cy);
            if (!OverlapsAny(candidate, taken))
                return candidate;
        }
    }
    return rc;
}

RECT CTarnixEdView::FreePlace(const RECT& rc, const CMObjBasis* pLeftOut)
{
    m_objects.UpdateRectsFromWindows();
    std::vector<RECT> taken;
    for (int i = 0; i < m_objects.GetObjectCount(); ++i)
    {
        if (m_objects.GetObjectAt(i) != pLeftOut)
            taken.push_back(m_objects.GetObjectAt(i)->GetObjectRect());
    }
    return FindFreePlace(rc, taken, MenuSize(), m_bGrid ? m_nGridStep : 1);
}

void CTarnixEdView::SettleNewObject(POINT ptOffered)
{
    const int nCount = m_objects.GetObjectCount();
    CMObjBasis* pNew = nCount > 0 ? m_objects.GetObjectAt(nCount - 1) : nullptr;
    if (pNew == nullptr)
        return;
    m_objects.UpdateRectsFromWindows();
    const RECT rc = pNew->GetObjectRect();
    if (rc.left != ptOffered.x || rc.top != ptOffered.y)
        return;
    const RECT rcFree = FreePlace(rc, pNew);
    if (rcFree.left != rc.left || rcFree.top != rc.top)
        pNew->MoveTo(rcFree.left, rcFree.top, Width(rcFree), Height(rcFree));
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
// Inserting buttons

int CTarnixEdView::ButtonCount() const
{
    return (int)GetDocument()->GetPage().GetButtons().GetSize();
}

// The page limits of the insert commands, checked again by every road that
// inserts (drops and paste do not pass the menu's update).
BOOL CTarnixEdView::HasRoom(int nType) const
{
    CProjectPage& page = GetDocument()->GetPage();
    if (m_objects.GetObjectCount() >= MENUOBJ_MAX_COUNT)
        return FALSE;
    switch (nType)
    {
    case MOBJ_BUTTON:
        return ButtonCount() < kMaxButtons;
    case MOBJ_TEXT:
        return page.GetTexts().GetSize() < kMaxTexts;
    case MOBJ_VIEWER:
        return page.GetTextFields().GetSize() == 0;
    case MOBJ_AVICLIP:
        return page.GetAviClips().GetSize() == 0;
    case MOBJ_PICTURE:
        return page.GetImages().GetSize() == 0;
    case MOBJ_SLIDER:
        return page.GetSliders().GetSize() == 0;
    case MOBJ_LISTBOX:
        return page.GetListBoxes().GetSize() == 0;
    default:
        return TRUE;
    }
}

BOOL CTarnixEdView::CheckRoom(int nType)
{
    if (HasRoom(nType))
        return TRUE;
    switch (nType)
    {
    case MOBJ_BUTTON:
        ShowLimitBox("Button");
        break;
    case MOBJ_TEXT:
        ShowLimitBox("Text");
        break;
    case MOBJ_VIEWER:
        ShowLimitBox("Textfeld");
        break;
    case MOBJ_AVICLIP:
        ShowLimitBox("AVI");
        break;
    case MOBJ_PICTURE:
        ShowLimitBox(LoadedString(IDS_KIND_IMAGE));
        break;
    case MOBJ_SLIDER:
        ShowLimitBox(LoadedString(IDS_KIND_SLIDER));
        break;
    case MOBJ_LISTBOX:
        ShowLimitBox("Listbox");
        break;
    default:
        break;
    }
    return FALSE;
}

void CTarnixEdView::OnUpdateInsertButton(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetDocument() != nullptr && ButtonCount() < kMaxButtons);
}

void CTarnixEdView::OnInsertButton()
{
    PlaceNext();
    m_rcMarked = m_rcDefault;
    InsertButton();
}

void CTarnixEdView::OnInsertButtonAtMark()
{
    if (::IsRectEmpty(&m_rcMarked))
        m_rcMarked = RECT{ 5, 5, 85, 30 };
    else
        ::OffsetRect(&m_rcMarked, 0, Height(m_rcMarked) + 5);
    m_defaultButton.m_rect = m_rcMarked;
    InsertButton();
}

void CTarnixEdView::FillSheetFromButton(CButtonPropSheet& sheet, const CMButCreateStruct& button)
{
    sheet.m_nStyle = CButtonPropSheet::StyleNumberOf(button.m_strStyle);
    sheet.m_strImageFile = button.m_strBitmap;
    sheet.m_strCaption = button.m_strText;
    sheet.m_strTooltip = button.m_strToolTip;
    sheet.m_strDocument = button.m_strDocument;
    sheet.m_strApplication = button.m_strApplication;
    sheet.m_strParameter = button.m_strParameter;
    sheet.m_nFunction = button.m_nAction;
    sheet.m_bStopSound = button.m_bStopSound;
    sheet.m_bStartSound = button.m_bStartSound;
    sheet.m_strSoundFile = button.m_strSoundFile;
    sheet.m_idleFont.Assign(button.m_fontIdle);
    sheet.m_overFont.Assign(button.m_fontOver);
    sheet.m_downFont.Assign(button.m_fontDown);
    sheet.m_nX = button.m_rect.left;
    sheet.m_nY = button.m_rect.top;
    sheet.m_nWidth = Width(button.m_rect);
    sheet.m_nHeight = Height(button.m_rect);
}

// The sheet has no sound page: the sound settings stay the button's own.
void CTarnixEdView::TakeSheetIntoButton(const CButtonPropSheet& sheet, CMButCreateStruct& button)
{
    button.m_strStyle = CButtonPropSheet::StyleKeywordOf(sheet.m_nStyle);
    button.m_nAction = sheet.m_nFunction;
    button.m_rect = SnapRect(sheet.m_nX, sheet.m_nY, sheet.m_nWidth, sheet.m_nHeight);
    button.m_strText = sheet.m_strCaption;
    button.m_strToolTip = sheet.m_strTooltip;
    button.m_strDocument = sheet.m_strDocument;
    button.m_strApplication = sheet.m_strApplication;
    button.m_strParameter = sheet.m_strParameter;
    button.m_strBitmap = sheet.m_strImageFile;
    button.m_font.Assign(sheet.m_captionFont);
    button.m_fontIdle.Assign(sheet.m_idleFont);
    button.m_fontOver.Assign(sheet.m_overFont);
    button.m_fontDown.Assign(sheet.m_downFont);
}

BOOL CTarnixEdView::InsertButton()
{
    CTarnixEdDoc* pDoc = GetDocument();
    if (!CheckRoom(MOBJ_BUTTON))
        return FALSE;
    CProjectPage& page = pDoc->GetPage();
    CButtonPropSheet sheet(IsGermanUi() ? "Funktionsschalter (Button) Eigenschaften" : "Button Properties", this,
                           (UINT)pDoc->m_nButtonSheetPage);
    sheet.m_captionFont.Assign(page.GetButtonStyle().font);
    if (m_defaultButton.m_bPreset)
    {
        FillSheetFromButton(sheet, m_defaultButton);
        sheet.m_bStopSound = sheet.m_bStartSound = 0;
        sheet.m_strSoundFile.Empty();
        sheet.m_strTooltip.Empty();
    }
    else
    {
        CFontDesc over(page.GetButtonStyle().font), down(page.GetButtonStyle().font);
        over.m_crColor = RGB(0, 0, 255);
        over.m_logFont.lfUnderline = TRUE;
        down.m_crColor = RGB(0, 0, 0xC0);
        down.m_logFont.lfUnderline = TRUE;
        sheet.m_idleFont.Assign(page.GetButtonStyle().font);
        sheet.m_overFont.Assign(over);
        sheet.m_downFont.Assign(down);
        sheet.m_strCaption = m_defaultButton.m_strText;
    }
    // The sheet opens where the button will stand: the default button's place
    // when it has one, preset or not, moved on past the page's objects.
    const RECT rcStart =
        FreePlace(::IsRectEmpty(&m_defaultButton.m_rect) ? RECT{ 1, 1, 101, 27 } : m_defaultButton.m_rect);
    sheet.m_nX = rcStart.left;
    sheet.m_nY = rcStart.top;
    sheet.m_nWidth = Width(rcStart);
    sheet.m_nHeight = Height(rcStart);

    m_pSheet = &sheet;
    const INT_PTR nResult = sheet.DoModal();
    m_pSheet = nullptr;
    if (nResult != IDOK)
        return FALSE;
    pDoc->m_nButtonSheetPage = sheet.m_nStartPage;
    CMButCreateStruct* pButton = new CMButCreateStruct;
    TakeSheetIntoButton(sheet, *pButton);
    // A place the author typed holds; the offered one still has to be free
    // for the size the button was given.
    if (pButton->m_rect.left == rcStart.left && pButton->m_rect.top == rcStart.top)
        pButton->m_rect = FreePlace(pButton->m_rect);
    pButton->m_bStopSound = m_defaultButton.m_bStopSound;
    pButton->m_bStartSound = m_defaultButton.m_bStartSound;
    pButton->m_strSoundFile = m_defaultButton.m_strSoundFile;
    pButton->m_nPageNumber = page.GetMenuLevel();
    pButton->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
    m_rcDefault = pButton->m_rect;
    if (!RegisterButton(pButton))
        return FALSE;
    TakeAsDefaultButton(*pButton);
    CheckAviAction(*pButton);
    Invalidate();
    PostMessage(WM_COMMAND, ID_VIEW_BUTTON_INSERTED);
    return TRUE;
}

// The container first, then the document; whichever refuses, neither keeps the
// button. The default rectangle moves on past it.
BOOL CTarnixEdView::RegisterButton(CMButCreateStruct* pButton)
{
    LeaveSelectionMode();
    if (!AddToBoth(pButton, m_objects, &CMenuObjects::AddButton, GetDocument()->GetPage(), &CProjectPage::AddButton))
        return FALSE;
    PlaceAfter(pButton->m_rect);
    return TRUE;
}

// The default rectangle moves to the next slot past a new object and keeps
// its size.
void CTarnixEdView::PlaceAfter(const RECT& rcNew)
{
    const RECT rcSize = m_rcDefault;
    m_rcDefault = rcNew;
    PlaceNext();
    m_rcDefault = MakeRect(m_rcDefault.left, m_rcDefault.top, Width(rcSize), Height(rcSize));
    m_defaultButton.m_rect = m_rcDefault;
    Invalidate();
}

// The next button starts from this one, without its action and targets.
void CTarnixEdView::TakeAsDefaultButton(const CMButCreateStruct& button)
{
    m_defaultButton.Copy(button);
    m_defaultButton.m_bPreset = 1;
    m_defaultButton.m_nAction = ACTION_NONE;
    m_defaultButton.m_strDocument.Empty();
    m_defaultButton.m_strApplication.Empty();
    m_defaultButton.m_strParameter.Empty();
    m_defaultButton.m_rect = m_rcDefault;
}

void CTarnixEdView::CheckAviAction(const CMButCreateStruct& button)
{
    if (button.m_nAction != ACTION_PLAYAVI)
        return;
    CString path;
    GetDocument()->ResolvePath(button.m_strDocument, path);
    CAviCtrl::CheckAviFile(path);
}

void CTarnixEdView::OnUpdateSubmenu(CCmdUI* pCmdUI)
{
    CTarnixEdDoc* pDoc = GetDocument();
    if (pCmdUI->m_pMenu != nullptr)
        pDoc->RefreshPageMenu();
    pCmdUI->Enable(pDoc->CanAddSubmenu() && ButtonCount() < kMaxButtons);
}

void CTarnixEdView::OnSubmenu()
{
    CTarnixEdDoc* pDoc = GetDocument();
    if (!pDoc->CanAddSubmenu() || !CheckRoom(MOBJ_BUTTON))
        return;
    CString strFile;
    int nNumber = 0;
    if (!pDoc->CreateSubmenuPage(strFile, nNumber))
        return;
    CMButCreateStruct* pButton = new CMButCreateStruct;
    if (m_defaultButton.m_bPreset)
    {
        pButton->m_strBitmap = m_defaultButton.m_strBitmap;
        pButton->m_fontIdle.Assign(m_defaultButton.m_fontIdle);
        pButton->m_fontOver.Assign(m_defaultButton.m_fontOver);
        pButton->m_fontDown.Assign(m_defaultButton.m_fontDown);
        pButton->m_strStyle = m_defaultButton.m_strStyle;
        pButton->m_rect = m_defaultButton.m_rect;
    }
    else
    {
        pButton->m_strStyle = "WINDOWS";
        pButton->m_rect = RECT{ 10, 10, 130, 40 };
    }
    pButton->m_rect = FreePlace(pButton->m_rect);
    pButton->m_font.Assign(pDoc->GetPage().GetButtonStyle().font);
    CString format;
    format.LoadString(IDS_SUBMENU_TITLE);
    pButton->m_strText.Format(format, nNumber);
    pButton->m_strDocument = strFile;
    pDoc->MakeDocRelativePath(pButton->m_strDocument);
    pButton->m_nAction = ACTION_NEWPAGE;
    if (!RegisterButton(pButton))
        return;
    TakeAsDefaultButton(*pButton);
    pDoc->GetPage().BuildSubmenuList();
    pDoc->RefreshPageMenu();
}

// ---------------------------------------------------------------------------
// Changing and deleting

void CTarnixEdView::OnUpdateHasSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_objects.HasSelection());
}

void CTarnixEdView::OnChange()
{
    CMObjBasis* pObject = m_objects.GetSelectedObject();
    CMObjCreateStruct* pStruct = pObject != nullptr ? pObject->GetCreateStruct() : nullptr;
    if (pStruct == nullptr)
        return;
    if (dynamic_cast<CMObjButton*>(pObject) != nullptr)
    {
        if (CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pStruct))
        {
            ChangeButton(pButton);
            if (ProjectFormat::IsPopupDocument(pButton->m_strDocument))
                EditPopupMenu(pButton);
        }
        return;
    }
    switch (pStruct->m_nType)
    {
    case MOBJ_TEXT:
        ChangeText(static_cast<CMTextCreateStruct*>(pStruct));
        break;
    case MOBJ_VIEWER:
        ChangeTextField(static_cast<CViewerCreateStruct*>(pStruct));
        break;
    case MOBJ_AVICLIP:
        ChangeAviClip(pStruct);
        break;
    case MOBJ_PICTURE:
        ChangeImage(pStruct);
        break;
    case MOBJ_SLIDER:
        ChangeSlider(pStruct);
        break;
    case MOBJ_LISTBOX:
        if (CMButCreateStruct* pList = dynamic_cast<CMButCreateStruct*>(pStruct))
            ChangeListBox(pList);
        break;
    default:
        break;
    }
}

void CTarnixEdView::ChangeButton(CMButCreateStruct* pButton)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CButtonPropSheet sheet(IsGermanUi() ? "Funktionsschalter (Button) Eigenschaften" : "Button Properties", this,
                           (UINT)pDoc->m_nButtonSheetPage);
    FillSheetFromButton(sheet, *pButton);
    sheet.m_captionFont.Assign(pButton->m_font);
    m_pSheet = &sheet;
    const INT_PTR nResult = sheet.DoModal();
    m_pSheet = nullptr;
    if (nResult != IDOK)
        return;
    pDoc->m_nButtonSheetPage = sheet.m_nStartPage;
    CMButCreateStruct* pNew = new CMButCreateStruct;
    pNew->Copy(*pButton);
    TakeSheetIntoButton(sheet, *pNew);
    CMButCreateStruct old;
    old.Copy(*pButton);
    pButton->Copy(*pNew);
    delete pNew;
    pDoc->GetPage().ReleaseUsedFiles(old);
    pDoc->GetPage().CollectUsedFiles(*pButton);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceButton(pButton);
    m_objects.SetButtonFont(pDoc->GetPage().GetButtonStyle().font);
    CheckAviAction(*pButton);
    Invalidate();
}

void CTarnixEdView::OnDelete()
{
    DeleteSelected();
}

// Everything the removal needs is read before anything goes, and the container
// lets go of an object before the document deletes its create struct.
void CTarnixEdView::DeleteSelected()
{
    CMObjBasis* pObject = m_objects.GetSelectedObject();
    if (pObject == nullptr)
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CMObjCreateStruct* pStruct = pObject->GetCreateStruct();
    const int nType = pStruct != nullptr ? pStruct->m_nType : 0;
    CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pStruct);
    const BOOL bSubmenu = nType == MOBJ_BUTTON && pButton != nullptr && pButton->m_nAction == ACTION_NEWPAGE;
    if (nType == MOBJ_BUTTON && pButton != nullptr && ProjectFormat::IsPopupDocument(pButton->m_strDocument))
        m_objects.RemovePopupMenu(pButton);
    m_objects.DeleteSelected();
    switch (nType)
    {
    case MOBJ_BUTTON:
        if (pButton != nullptr)
            pDoc->RemoveButton(pButton);
        break;
    case MOBJ_TEXT:
        page.RemoveText(static_cast<CMTextCreateStruct*>(pStruct));
        break;
    case MOBJ_VIEWER:
        page.RemoveTextField(static_cast<CViewerCreateStruct*>(pStruct));
        break;
    case MOBJ_AVICLIP:
        page.RemoveAviClip(pStruct);
        break;
    case MOBJ_PICTURE:
        page.RemoveImage(pStruct);
        break;
    case MOBJ_SLIDER:
        page.RemoveSlider(pStruct);
        break;
    case MOBJ_LISTBOX:
    {
        page.RemoveListBox(pStruct);
        if (CMObjButton* pStart = m_objects.FindButtonByDocument(ProjectFormat::kListBoxDocument))
        {
            CMButCreateStruct* pStartStruct = dynamic_cast<CMButCreateStruct*>(pStart->GetCreateStruct());
            m_objects.DeleteObject(pStart);
            if (pStartStruct != nullptr)
                pDoc->RemoveButton(pStartStruct);
        }
        break;
    }
    default:
        break;
    }
    pDoc->SetModifiedFlag(TRUE);
    if (bSubmenu)
        Refresh();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Texts, text fields, clips, sliders and images

void CTarnixEdView::OnUpdateInsertObject(CCmdUI* pCmdUI)
{
    switch (pCmdUI->m_nID)
    {
    case ID_OBJ_TEXT:
    case ID_OBJ_TEXT_AT_MARK:
        pCmdUI->Enable(HasRoom(MOBJ_TEXT));
        break;
    case ID_OBJ_TEXTFIELD:
    case ID_OBJ_TEXTFIELD_AT_MARK:
        pCmdUI->Enable(HasRoom(MOBJ_VIEWER));
        break;
    case ID_OBJ_AVICLIP:
        pCmdUI->Enable(HasRoom(MOBJ_AVICLIP));
        break;
    case ID_OBJ_SLIDER:
        pCmdUI->Enable(HasRoom(MOBJ_SLIDER));
        break;
    case ID_OBJ_IMAGE:
        pCmdUI->Enable(HasRoom(MOBJ_PICTURE));
        break;
    default:
        pCmdUI->Enable(FALSE);
        break;
    }
}

// Where a dialog opens a new object: the default button's corner, or 10, 10.
POINT CTarnixEdView::DefaultCorner() const
{
    if (::IsRectEmpty(&m_defaultButton.m_rect))
        return POINT{ 10, 10 };
    return POINT{ m_defaultButton.m_rect.left, m_defaultButton.m_rect.top };
}

void CTarnixEdView::OnInsertText()
{
    InsertText(DefaultCorner());
}

void CTarnixEdView::OnInsertTextAtMark()
{
    if (::IsRectEmpty(&m_rcMarked))
        m_rcMarked = RECT{ 5, 5, 85, 30 };
    else
        ::OffsetRect(&m_rcMarked, 0, Height(m_rcMarked) + 5);
    InsertText(POINT{ m_rcMarked.left, m_rcMarked.top });
}

// The text object sizes itself to its text; 40 x 10 only holds its place.
void CTarnixEdView::InsertText(POINT pt)
{
    if (!CheckRoom(MOBJ_TEXT))
        return;
    CProjectPage& page = GetDocument()->GetPage();
    CInsertTextDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_font.Assign(page.GetDefaultTextFont());
    const RECT rcOffer = FreePlace(MakeRect(pt.x, pt.y, 100, 20));
    dlg.m_nX = (UINT)rcOffer.left;
    dlg.m_nY = (UINT)rcOffer.top;
    if (dlg.DoModal() != IDOK || dlg.m_strText.IsEmpty())
        return;
    CMTextCreateStruct* pText = new CMTextCreateStruct;
    pText->m_rect = SnapRect((int)dlg.m_nX, (int)dlg.m_nY, 40, 10);
    pText->m_strText = dlg.m_strText;
    pText->m_font.Assign(dlg.m_font);
    pText->m_bPreset = 1;
    pText->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!AddToBoth(pText, m_objects, &CMenuObjects::AddStaticText, page, &CProjectPage::AddText))
        return;
    m_defaultText.Copy(*pText);
    SettleNewObject(SnapPoint(rcOffer.left, rcOffer.top));
    PlaceAfter(pText->m_rect);
}

void CTarnixEdView::OnInsertTextField()
{
    m_rcMarked = MakeRect(m_rcDefault.left, m_rcDefault.top, 200, 200);
    InsertTextField();
}

void CTarnixEdView::OnInsertTextFieldAtMark()
{
    if (::IsRectEmpty(&m_rcMarked))
        m_rcMarked = RECT{ 10, 10, 260, 210 };
    else
        ::OffsetRect(&m_rcMarked, 0, Height(m_rcMarked) + 5);
    InsertTextField();
}

void CTarnixEdView::InsertTextField()
{
    if (!CheckRoom(MOBJ_VIEWER))
        return;
    CProjectPage& page = GetDocument()->GetPage();
    m_rcMarked = FreePlace(m_rcMarked);
    CTextFieldDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = m_rcMarked.left;
    dlg.m_nY = m_rcMarked.top;
    dlg.m_nWidth = Width(m_rcMarked);
    dlg.m_nHeight = Height(m_rcMarked);
    dlg.m_bHorzScroll = dlg.m_bVertScroll = 1;
    if (dlg.DoModal() != IDOK)
        return;
    CViewerCreateStruct* pField = new CViewerCreateStruct;
    pField->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pField->m_strDocument = dlg.m_strDocument;
    pField->m_bScrollHorz = dlg.m_bHorzScroll;
    pField->m_bScrollVert = dlg.m_bVertScroll;
    pField->m_bBorder = 1;
    pField->m_bPreset = 1;
    pField->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!AddToBoth(pField, m_objects, &CMenuObjects::AddScrollet, page, &CProjectPage::AddTextField))
        return;
    m_defaultTextField.Copy(*pField);
    PlaceAfter(pField->m_rect);
}

namespace {

// The clip dialog's border option is the clip window's border style bit.
const DWORD kAviBorderStyle = 0x800000;

void FillAviDialog(CAviPropDlg& dlg, const CMObjCreateStruct& clip)
{
    dlg.m_strFile = clip.m_strText;
    dlg.m_bBorder = (clip.m_dwStyle & kAviBorderStyle) != 0;
    dlg.m_nRepeat = clip.m_nRepeat;
    dlg.m_crBackground = clip.m_crColor;
}

// The clip keeps the size the dialog found in the file, else its own.
void TakeAviDialog(const CAviPropDlg& dlg, CMObjCreateStruct& clip, POINT ptCorner)
{
    int cx = Width(dlg.m_rcClip), cy = Height(dlg.m_rcClip);
    if (cx <= 0 || cy <= 0)
    {
        cx = std::max(Width(clip.m_rect), 20);
        cy = std::max(Height(clip.m_rect), 20);
    }
    clip.m_rect = MakeRect(ptCorner.x, ptCorner.y, cx, cy);
    clip.m_strText = dlg.m_strFile;
    clip.m_dwStyle = dlg.m_bBorder ? kAviBorderStyle : 0;
    clip.m_nRepeat = (int)dlg.m_nRepeat;
    clip.m_crColor = dlg.m_crBackground;
}

} // namespace

void CTarnixEdView::OnInsertAviClip()
{
    InsertAviClip(DefaultCorner());
}

void CTarnixEdView::InsertAviClip(POINT pt)
{
    if (!CheckRoom(MOBJ_AVICLIP))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CAviPropDlg dlg(this);
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    if (m_defaultAviClip.m_bPreset)
        FillAviDialog(dlg, m_defaultAviClip);
    const RECT& rcPreset = m_defaultAviClip.m_rect;
    const RECT rcOffer = FreePlace(MakeRect(pt.x, pt.y, ::IsRectEmpty(&rcPreset) ? 100 : Width(rcPreset),
                                            ::IsRectEmpty(&rcPreset) ? 100 : Height(rcPreset)));
    dlg.m_nX = rcOffer.left;
    dlg.m_nY = rcOffer.top;
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct* pClip = new CMObjCreateStruct;
    TakeAviDialog(dlg, *pClip, SnapPoint(dlg.m_nX, dlg.m_nY));
    pClip->m_bPreset = 1;
    pClip->m_nPageNumber = page.GetMenuLevel();
    m_defaultAviClip.Copy(*pClip);
    LeaveSelectionMode();
    if (!AddToBoth(pClip, m_objects, &CMenuObjects::AddAviCtrl, page, &CProjectPage::AddAviClip))
        return;
    SettleNewObject(SnapPoint(rcOffer.left, rcOffer.top));
    PlaceAfter(pClip->m_rect);
}

// The container adds a slider without an answer: the document keeps it only
// when the container's count grew.
void CTarnixEdView::OnInsertSlider()
{
    m_rcMarked = MakeRect(m_rcDefault.left, m_rcDefault.top, 60, 20);
    if (!CheckRoom(MOBJ_SLIDER))
        return;
    m_rcMarked = FreePlace(m_rcMarked);
    CProjectPage& page = GetDocument()->GetPage();
    CSliderPropDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = m_rcMarked.left;
    dlg.m_nY = m_rcMarked.top;
    dlg.m_nWidth = Width(m_rcMarked);
    dlg.m_nHeight = Height(m_rcMarked);
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct* pSlider = new CMObjCreateStruct;
    pSlider->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pSlider->m_crColor = dlg.m_crColor;
    pSlider->m_bPreset = 1;
    pSlider->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!page.AddSlider(pSlider))
    {
        delete pSlider;
        return;
    }
    const int nBefore = m_objects.GetObjectCount();
    m_objects.AddSlider(pSlider);
    if (m_objects.GetObjectCount() == nBefore)
    {
        page.RemoveSlider(pSlider);
        return;
    }
    PlaceAfter(pSlider->m_rect);
}

// The image sizes itself to its picture; 20 x 20 only holds its place.
void CTarnixEdView::OnInsertImage()
{
    if (!CheckRoom(MOBJ_PICTURE))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CInsertPictureDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    if (m_defaultImage.m_bPreset)
        dlg.m_strFile = m_defaultImage.m_strText;
    const POINT pt = DefaultCorner();
    const RECT rcOffer = FreePlace(MakeRect(pt.x, pt.y, 20, 20));
    dlg.m_nX = rcOffer.left;
    dlg.m_nY = rcOffer.top;
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct* pImage = new CMObjCreateStruct;
    const POINT corner = SnapPoint(dlg.m_nX, dlg.m_nY);
    pImage->m_rect = MakeRect(corner.x, corner.y, 20, 20);
    pImage->m_strText = dlg.m_strFile;
    pImage->m_bPreset = 1;
    pImage->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!AddToBoth(pImage, m_objects, &CMenuObjects::AddStaticImage, page, &CProjectPage::AddImage))
        return;
    m_defaultImage.Copy(*pImage);
    SettleNewObject(SnapPoint(rcOffer.left, rcOffer.top));
    PlaceAfter(pImage->m_rect);
}

void CTarnixEdView::ChangeText(CMTextCreateStruct* pText)
{
    CInsertTextDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_strText = pText->m_strText;
    dlg.m_font.Assign(pText->m_font);
    dlg.m_nX = (UINT)std::max(0L, pText->m_rect.left);
    dlg.m_nY = (UINT)std::max(0L, pText->m_rect.top);
    if (dlg.DoModal() != IDOK || dlg.m_strText.IsEmpty())
        return;
    pText->m_rect = SnapRect((int)dlg.m_nX, (int)dlg.m_nY, Width(pText->m_rect), Height(pText->m_rect));
    pText->m_strText = dlg.m_strText;
    pText->m_font.Assign(dlg.m_font);
    GetDocument()->SetModifiedFlag(TRUE);
    m_objects.ReplaceStaticText(pText);
    Invalidate();
}

void CTarnixEdView::ChangeTextField(CViewerCreateStruct* pField)
{
    CTextFieldDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = pField->m_rect.left;
    dlg.m_nY = pField->m_rect.top;
    dlg.m_nWidth = Width(pField->m_rect);
    dlg.m_nHeight = Height(pField->m_rect);
    dlg.m_strDocument = pField->m_strDocument;
    dlg.m_bHorzScroll = pField->m_bScrollHorz;
    dlg.m_bVertScroll = pField->m_bScrollVert;
    if (dlg.DoModal() != IDOK)
        return;
    CViewerCreateStruct old;
    old.Copy(*pField);
    pField->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pField->m_strDocument = dlg.m_strDocument;
    pField->m_bScrollHorz = dlg.m_bHorzScroll;
    pField->m_bScrollVert = dlg.m_bVertScroll;
    GetDocument()->GetPage().ReplaceTextField(old, *pField);
    GetDocument()->SetModifiedFlag(TRUE);
    m_objects.ReplaceScrollet(pField);
    Invalidate();
}

void CTarnixEdView::ChangeAviClip(CMObjCreateStruct* pClip)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CAviPropDlg dlg(this);
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    FillAviDialog(dlg, *pClip);
    dlg.m_nX = pClip->m_rect.left;
    dlg.m_nY = pClip->m_rect.top;
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct old;
    old.Copy(*pClip);
    TakeAviDialog(dlg, *pClip, SnapPoint(dlg.m_nX, dlg.m_nY));
    pDoc->GetPage().ReplaceAviClip(old, *pClip);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceAviCtrl(pClip);
    Invalidate();
}

void CTarnixEdView::ChangeImage(CMObjCreateStruct* pImage)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CInsertPictureDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    dlg.m_strFile = pImage->m_strText;
    dlg.m_nX = pImage->m_rect.left;
    dlg.m_nY = pImage->m_rect.top;
    if (dlg.DoModal() != IDOK)
        return;
    CMObjCreateStruct old;
    old.Copy(*pImage);
    const POINT corner = SnapPoint(dlg.m_nX, dlg.m_nY);
    pImage->m_rect = MakeRect(corner.x, corner.y, 20, 20);
    pImage->m_strText = dlg.m_strFile;
    pImage->m_strSpare1.Empty();
    pImage->m_strSpare2.Empty();
    pDoc->GetPage().ReplaceImage(old, *pImage);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceStaticImage(pImage);
    Invalidate();
}

void CTarnixEdView::ChangeSlider(CMObjCreateStruct* pSlider)
{
    CSliderPropDlg dlg(this);
    dlg.m_sizePage = MenuSize();
    dlg.m_nX = pSlider->m_rect.left;
    dlg.m_nY = pSlider->m_rect.top;
    dlg.m_nWidth = Width(pSlider->m_rect);
    dlg.m_nHeight = Height(pSlider->m_rect);
    dlg.m_crColor = pSlider->m_crColor;
    if (dlg.DoModal() != IDOK)
        return;
    pSlider->m_rect = SnapRect(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight);
    pSlider->m_crColor = dlg.m_crColor;
    GetDocument()->SetModifiedFlag(TRUE);
    m_objects.ReplaceSlider(pSlider);
    Invalidate();
}

// ---------------------------------------------------------------------------
// Clipboard

void CTarnixEdView::OnCopy()
{
    if (CMObjBasis* pObject = m_objects.GetSelectedObject())
        GetDocument()->CopyToClipboard(pObject->GetCreateStruct());
}

// A cut sub-menu button keeps its page file: only Delete backs it up, so that
// a paste still finds the page.
void CTarnixEdView::OnCut()
{
    CMObjBasis* pObject = m_objects.GetSelectedObject();
    if (pObject == nullptr)
        return;
    GetDocument()->CopyToClipboard(pObject->GetCreateStruct());
    CMButCreateStruct* pButton = dynamic_cast<CMButCreateStruct*>(pObject->GetCreateStruct());
    if (pButton != nullptr && pButton->m_nType == MOBJ_BUTTON && pButton->m_nAction == ACTION_NEWPAGE)
    {
        m_objects.DeleteSelected();
        GetDocument()->GetPage().RemoveButton(pButton, FALSE);
        GetDocument()->RefreshPageMenu();
        Invalidate();
        return;
    }
    DeleteSelected();
}

void CTarnixEdView::OnUpdatePaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetDocument()->GetClipboard() != nullptr);
}


void CTarnixEdView::OnPaste()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CMObjCreateStruct* pClip = pDoc->GetClipboard();
    if (pClip == nullptr || !CheckRoom(pClip->m_nType))
        return;
    CProjectPage& page = pDoc->GetPage();
    const RECT rc = FreePlace(MakeRect(m_ptPaste.x, m_ptPaste.y, Width(pClip->m_rect), Height(pClip->m_rect)));
    switch (pClip->m_nType)
    {
    case MOBJ_BUTTON:
    {
        CMButCreateStruct* pButton = CopyAt<CMButCreateStruct>(*pClip, rc);
        pButton->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
        pButton->m_pPopupMenu = nullptr;
        if (!AddToBoth(pButton, m_objects, &CMenuObjects::AddButton, page, &CProjectPage::AddButton))
            return;
        m_defaultButton.Copy(*pButton);
        m_defaultButton.m_bPreset = 1;
        page.BuildSubmenuList();
        break;
    }
    case MOBJ_TEXT:
    {
        CMTextCreateStruct* pText = CopyAt<CMTextCreateStruct>(*pClip, rc);
        if (!AddToBoth(pText, m_objects, &CMenuObjects::AddStaticText, page, &CProjectPage::AddText))
            return;
        m_defaultText.Copy(*pText);
        m_defaultText.m_bPreset = 1;
        break;
    }
    case MOBJ_VIEWER:
    {
        CViewerCreateStruct* pField = CopyAt<CViewerCreateStruct>(*pClip, rc);
        if (!AddToBoth(pField, m_objects, &CMenuObjects::AddScrollet, page, &CProjectPage::AddTextField))
            return;
        m_defaultTextField.Copy(*pField);
        m_defaultTextField.m_bPreset = 1;
        break;
    }
    case MOBJ_AVICLIP:
        if (!AddToBoth(CopyAt<CMObjCreateStruct>(*pClip, rc), m_objects, &CMenuObjects::AddAviCtrl, page,
                       &CProjectPage::AddAviClip))
            return;
        break;
    case MOBJ_PICTURE:
        if (!AddToBoth(CopyAt<CMObjCreateStruct>(*pClip, rc), m_objects, &CMenuObjects::AddStaticImage, page,
                       &CProjectPage::AddImage))
            return;
        break;
    default:
        // Sliders and list boxes are never pasted.
        return;
    }
    pDoc->SetModifiedFlag(TRUE);
    Invalidate();
}

// ---------------------------------------------------------------------------
// Alignment

void CTarnixEdView::OnUpdateAlign(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bSelectionMode);
}

void CTarnixEdView::OnAlignVertical()
{
    Align(FALSE);
}

void CTarnixEdView::OnAlignHorizontal()
{
    Align(TRUE);
}

void CTarnixEdView::Align(BOOL bHorizontal)
{
    CTarnixEdDoc* pDoc = GetDocument();
    const int cxMax = pDoc->GetPageWidth() - 50;
    const int cyMax = pDoc->GetPageHeight() - 50;
    CAlignHorzDlg horz;
    CAlignVertDlg vert;
    CAlignButtonsDlg& dlg = bHorizontal ? static_cast<CAlignButtonsDlg&>(horz) : static_cast<CAlignButtonsDlg&>(vert);
    dlg.m_nX = m_rcMarked.left;
    dlg.m_nY = m_rcMarked.top;
    dlg.m_nGap = 10;
    dlg.m_nGridStep = m_bGrid ? m_nGridStep : 1;
    dlg.m_nMaxX = cxMax;
    dlg.m_nMaxY = cyMax;
    dlg.m_nHalfWidth = cxMax / 2;
    if (dlg.DoModal() != IDOK)
        return;
    RECT rc;
    GetClientRect(&rc);
    if (bHorizontal)
        m_objects.AlignHorizontal(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight, dlg.m_nGap, rc.right, rc.bottom);
    else
        m_objects.AlignVertical(dlg.m_nX, dlg.m_nY, dlg.m_nWidth, dlg.m_nHeight, dlg.m_nGap, rc.right, rc.bottom);
    pDoc->SetModifiedFlag(TRUE);
    LeaveSelectionMode();
    Invalidate();
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

// ---------------------------------------------------------------------------
// Test run, refresh and project commands

BOOL CTarnixEdView::SaveProject()
{
    CTarnixEdDoc* pDoc = GetDocument();
    pDoc->SetModifiedFlag(TRUE);
    return pDoc->OnSaveDocument(pDoc->GetPathName());
}

void CTarnixEdView::OnTestRun()
{
    CTarnixEdDoc* pDoc = GetDocument();
    pDoc->m_bTestRun = TRUE;
    const BOOL bSaved = SaveProject();
    if (!bSaved)
    {
        pDoc->m_bTestRun = FALSE;
        return;
    }
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(WM_COMMAND, ID_RUN_PLAYER);
}

void CTarnixEdView::OnRunPlayer()
{
    CTarnixEdDoc* pDoc = GetDocument();
    const CString project = pDoc->GetPathName();
    const CString player = PlayerPathFor(project);
    pDoc->m_bTestRun = FALSE;
    if (_access(player, 0) != 0)
    {
        AfxMessageBox(IDS_PLAYER_NOT_IN_PROJECT, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CLauncher launcher;
    launcher.RunProgram("\"" + player + "\"", "\"" + project + "\"", TRUE);
}

void CTarnixEdView::OnRefresh()
{
    Refresh();
}

// Saves and reads the page again; nothing is read over work that could not be
// saved.
void CTarnixEdView::Refresh()
{
    CTarnixEdDoc* pDoc = GetDocument();
    m_bObjectsShown = 0;
    if (!SaveProject())
    {
        m_bObjectsShown = 1;
        Invalidate();
        return;
    }
    m_objects.DeleteAll();
    pDoc->GetPage().LoadProject(pDoc->GetPathName());
    pDoc->SetModifiedFlag(FALSE);
    m_bObjectsShown = 1;
    BuildObjects();
    Invalidate();
}

void CTarnixEdView::OnExploreFolder()
{
    AfxShellExecute(m_hWnd, "explore", GetDocument()->GetProjectFolder(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CTarnixEdView::OnBackgroundColor()
{
    CTarnixEdDoc* pDoc = GetDocument();
    PageWindow window = pDoc->GetPage().GetWindow();
    CColorDialog dlg(window.crBg, CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, this);
    if (dlg.DoModal() != IDOK)
        return;
    window.crBg = dlg.GetColor();
    pDoc->GetPage().SetWindow(window);
    pDoc->SetModifiedFlag(TRUE);
    Invalidate();
}

void CTarnixEdView::OnWindowTitle()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CTitleBarDlg dlg(this);
    PageWindow window = pDoc->GetPage().GetWindow();
    dlg.m_strTitle = window.strTitle;
    if (dlg.DoModal() != IDOK)
        return;
    window.strTitle = dlg.m_strTitle;
    pDoc->GetPage().SetWindow(window);
    if (CWnd* pFrame = GetParent())
        pFrame->SetWindowText(dlg.m_strTitle);
    pDoc->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnWindowPosition()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    PageWindow window = page.GetWindow();
    CWindowPosDlg dlg(this);
    dlg.m_nWidth = window.nW;
    dlg.m_nHeight = window.nH;
    dlg.m_nX = window.nX;
    dlg.m_nY = window.nY;
    dlg.m_nPositionMode = window.bPosGiven;
    dlg.m_nSizeMode = window.nSizeType;
    dlg.m_nBorder = window.bBorder;
    dlg.m_nCornerWidth = window.nCornerW;
    dlg.m_nCornerHeight = window.nCornerH;
    if (dlg.DoModal() != IDOK)
        return;
    window.nW = dlg.m_nWidth;
    window.nH = dlg.m_nHeight;
    window.nX = dlg.m_nX;
    window.nY = dlg.m_nY;
    window.bPosGiven = dlg.m_nPositionMode;
    window.nSizeType = dlg.m_nSizeMode;
    window.bBorder = dlg.m_nBorder;
    window.nCornerW = dlg.m_nCornerWidth;
    window.nCornerH = dlg.m_nCornerHeight;
    page.SetWindow(window);
    // A centred background picture stays centred in the new size.
    if (page.ShowsBackground() && page.GetBackground().nPos == 1)
        CentreBackgroundImage(page);
    pDoc->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::OnDesktop()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CDesktopDlg dlg(this);
    PageWindow window = pDoc->GetPage().GetWindow();
    dlg.m_bCover = window.bPaintDesktop;
    dlg.m_crColor = window.crDesktop;
    if (dlg.DoModal() != IDOK)
        return;
    window.bPaintDesktop = dlg.m_bCover;
    window.crDesktop = dlg.m_crColor;
    pDoc->GetPage().SetWindow(window);
    pDoc->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnVirtualDrive()
{
    CVirtualDriveDlg dlg(this);
    dlg.m_strFolder = GetDocument()->GetProjectFolder();
    dlg.DoModal();
}

void CTarnixEdView::OnButtonStyle()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    PageButtonStyle style = page.GetButtonStyle();
    CButtonStyleDlg dlg(this);
    dlg.m_font.Assign(style.font);
    dlg.m_nBrightness = style.nBrightness;
    dlg.m_nHover = style.bHover;
    if (dlg.DoModal() != IDOK)
        return;
    style.font.Assign(dlg.m_font);
    style.nBrightness = dlg.m_nBrightness;
    style.bHover = dlg.m_nHover;
    page.SetButtonStyle(style);
    pDoc->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::OnForwardToSheet()
{
    if (m_pSheet != nullptr && m_pSheet->GetSafeHwnd() != nullptr)
        m_pSheet->SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);
}

void CTarnixEdView::OnGridChanged()
{
    TakeGridSettings();
}

void CTarnixEdView::OnUpdateLaterCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

// ---------------------------------------------------------------------------
// Page settings dialogs

void CTarnixEdView::OnSound()
{
    if (EditPageSound(this, GetDocument()->GetPage()))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnStartEvents()
{
    if (EditPageStartEvents(this, GetDocument()->GetPage()))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnWelcome()
{
    if (EditPageWelcome(this, GetDocument()->GetPage()))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnFlags()
{
    if (EditPageFlags(this, GetDocument()->GetPage()))
        GetDocument()->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnTooltips()
{
    if (!EditPageTooltips(this, GetDocument()->GetPage()))
        return;
    GetDocument()->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::OnObjectsHelp()
{
    CInsertObjectsDlg dlg(this);
    dlg.DoModal();
}

// The shown and loaded background picture, else an empty file.
void CTarnixEdView::OnGraphicsProgram()
{
    CProjectPage& page = GetDocument()->GetPage();
    const CString file = page.ShowsBackground() ? page.GetBackground().strFile : CString();
    // A program asked for here serves this once; the settings' graphics
    // program is chosen in its own dialog.
    OpenInGraphicsProgram(this, file, [this]() {
        CProgramDlg dlg(this);
        return dlg.DoModal() == IDOK ? dlg.m_strPath : CString();
    });
}

void CTarnixEdView::OnBackgroundImage()
{
    EditBackgroundImage(CString());
}

void CTarnixEdView::EditBackgroundImage(const CString& strFile)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    PageBackground background = page.GetBackground();
    CBackgroundImageDlg dlg(this);
    dlg.m_strFile = strFile.IsEmpty() ? background.strFile : strFile;
    dlg.m_bEnabled = 1;
    dlg.m_nX = background.nX;
    dlg.m_nY = background.nY;
    dlg.m_nPosMode = background.nPos;
    if (dlg.DoModal() != IDOK)
        return;
    const BOOL bShown = dlg.m_bEnabled;
    page.ReplaceImageFile(bShown ? dlg.m_strFile : CString());
    background.bShown = bShown;
    background.nPos = dlg.m_nPosMode;
    background.nX = dlg.m_nX;
    background.nY = dlg.m_nY;
    // The reader knows only a window fitted to the picture (0) or not (1).
    const BOOL bFit = bShown && dlg.m_nPosMode == CBackgroundImageDlg::POS_FIT_WINDOW;
    PageWindow window = page.GetWindow();
    window.nSizeType = bFit ? 0 : 1;
    page.SetWindow(window);
    if (bFit)
        background.nX = background.nY = 0;
    background.strFile = dlg.m_strFile;
    // A new file counts as not loaded until PlaceBackgroundImage loads it.
    page.SetBackground(background);
    if (bShown && !dlg.m_strFile.IsEmpty())
        PlaceBackgroundImage(dlg.m_strFile);
    pDoc->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::PlaceBackgroundImage(const CString& strFile)
{
    CProjectPage& page = GetDocument()->GetPage();
    page.SetBackgroundImage(strFile);
    if (!page.IsBackgroundLoaded())
    {
        if (_access(strFile, 0) != 0)
            WarnCannotOpenFile(strFile);
        else
            AfxMessageBox(LoadedString(IDS_IMAGE_FORMAT_ERROR), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    switch (page.GetBackground().nPos)
    {
    case CBackgroundImageDlg::POS_FIT_WINDOW:
    {
        PageWindow window = page.GetWindow();
        window.nW = page.GetBackgroundSize().cx;
        window.nH = page.GetBackgroundSize().cy;
        page.SetWindow(window);
        ResizeFrameToMenu(window.nW, window.nH);
        break;
    }
    case CBackgroundImageDlg::POS_CENTER:
        CentreBackgroundImage(page);
        break;
    default:
    {
        RECT rc;
        GetClientRect(&rc);
        PageBackground background = page.GetBackground();
        if (background.nX >= rc.right)
            background.nX = rc.right - 30;
        if (background.nY >= rc.bottom)
            background.nY = rc.bottom - 50;
        page.SetBackground(background);
        break;
    }
    }
}

// ---------------------------------------------------------------------------
// Starter buttons

void CTarnixEdView::OnInsertTextViewer()
{
    if (!CheckSibling(ID_OBJ_TEXTVIEWER) || !CheckRoom(MOBJ_BUTTON))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CViewerOptionsDlg dlg(this);
    if (dlg.DoModal() != IDOK || dlg.m_strCommandLine.IsEmpty())
        return;
    const CString folder = pDoc->GetProjectFolder();
    const CString viewer = folder + "\\" + kTextViewerProgram;
    CTarnixEdApp* pApp = GetEditorApp();
    if (_access(viewer, 0) != 0 && pApp != nullptr)
        CopyFileToFolder(kTextViewerProgram, pApp->m_strEditorFolder, folder);
    m_defaultButton.m_strApplication = viewer;
    m_defaultButton.m_strDocument.Empty();
    m_defaultButton.m_strParameter = dlg.m_strCommandLine;
    m_defaultButton.m_strText = "Text";
    InsertStarterButton();
}

void CTarnixEdView::OnInsertPdfStarter()
{
    if (!CheckSibling(ID_OBJ_PDFSTARTER))
        return;
    CPdfInsert insert;
    InsertDocumentStarter(insert);
}

void CTarnixEdView::OnInsertSlideShow()
{
    if (!CheckSibling(ID_OBJ_SLIDESHOW))
        return;
    CSlideShowInsert insert;
    InsertDocumentStarter(insert);
}

// The button starts the player copied beside the pictures on the show's
// settings file.
void CTarnixEdView::OnInsertPictureShow()
{
    if (!CheckRoom(MOBJ_BUTTON))
        return;
    CShowInsert insert;
    if (!insert.Run(GetDocument()->GetProjectFolder(), this))
        return;
    m_defaultButton.m_strApplication = insert.m_strPlayerCopy;
    m_defaultButton.m_strDocument.Empty();
    m_defaultButton.m_strParameter = insert.GetShowParameter();
    m_defaultButton.m_strText = insert.m_strButtonCaption;
    InsertStarterButton();
}

CString CTarnixEdView::MissingSiblingFor(UINT nID) const
{
    CTarnixEdApp* pApp = GetEditorApp();
    const CString folder = pApp != nullptr ? pApp->m_strEditorFolder : CString();
    if (nID == ID_OBJ_TEXTVIEWER)
        return CLauncher::MissingSibling(folder, "", { kTextViewerProgram });
    const DOCUMENT_INSERT_KIND& kind = nID == ID_OBJ_PDFSTARTER ? g_pdfInsertKind : g_slideShowInsertKind;
    return CLauncher::MissingSibling(folder, kind.pszStarterFolder, { kind.pszStarterProgram, kind.pszStarterSettings });
}

BOOL CTarnixEdView::CheckSibling(UINT nID)
{
    const CString reason = MissingSiblingFor(nID);
    if (!reason.IsEmpty())
        ShowStatusText(reason);
    return reason.IsEmpty();
}

void CTarnixEdView::ShowStatusText(const CString& strText)
{
    if (CWnd* pFrame = AfxGetMainWnd())
        pFrame->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCSTR)strText);
}

// A menu that shows the command disabled for a missing sibling tells why in
// the status line; the bars' idle updates leave the status line alone.
void CTarnixEdView::OnUpdateSiblingInsert(CCmdUI* pCmdUI)
{
    const CString reason = MissingSiblingFor(pCmdUI->m_nID);
    pCmdUI->Enable(reason.IsEmpty() && ButtonCount() < kMaxButtons);
    if (!reason.IsEmpty() && pCmdUI->m_pMenu != nullptr)
        ShowStatusText(reason);
}

// The reader's setup program chosen in the dialog is remembered even when the
// insert fails later on.
BOOL CTarnixEdView::InsertDocumentStarter(CDocumentInsert& insert)
{
    if (!CheckRoom(MOBJ_BUTTON))
        return FALSE;
    CTarnixEdDoc* pDoc = GetDocument();
    CTarnixEdApp* pApp = GetEditorApp();
    if (pApp != nullptr)
        insert.m_strViewerSetup = pApp->GetProfileString(g_szViewerSection, insert.Kind().pszViewerKey);
    const BOOL bDone = insert.Run(pDoc->GetProjectFolder(), &pDoc->GetPage().GetButtons(), this);
    if (insert.m_bViewerChosen && pApp != nullptr)
        pApp->WriteProfileString(g_szViewerSection, insert.Kind().pszViewerKey, insert.m_strViewerSetup);
    if (!bDone)
        return FALSE;
    m_defaultButton.m_strApplication = insert.m_strProgram;
    m_defaultButton.m_strParameter = insert.m_strParameter;
    m_defaultButton.m_strDocument = insert.m_strDocumentArgument;
    m_defaultButton.m_strText = insert.m_strButtonText;
    return InsertStarterButton();
}

BOOL CTarnixEdView::InsertStarterButton()
{
    CProjectPage& page = GetDocument()->GetPage();
    CMButCreateStruct* pButton = new CMButCreateStruct;
    pButton->Copy(m_defaultButton);
    pButton->m_rect = FreePlace(m_rcDefault);
    pButton->m_bPreset = 1;
    pButton->m_nAction = ACTION_NONE;
    if (pButton->m_strStyle.IsEmpty() || !m_defaultButton.m_bPreset)
        pButton->m_strStyle = "WINDOWS";
    pButton->m_font.Assign(page.GetButtonStyle().font);
    pButton->m_nPageNumber = page.GetMenuLevel();
    pButton->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
    if (!RegisterButton(pButton))
        return FALSE;
    TakeAsDefaultButton(*pButton);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Popup menus

void CTarnixEdView::OnUpdatePopupMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_objects.HasPopupMenu() && HasRoom(MOBJ_BUTTON));
}

// The popup button stands at the marked (else the default) rectangle, at most
// 200 by 30 pixels.
void CTarnixEdView::OnInsertPopupMenu()
{
    if (m_objects.HasPopupMenu() || !CheckRoom(MOBJ_BUTTON))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CPopupMenuDlg dlg(this);
    dlg.m_strProjectFolder = pDoc->GetProjectFolder();
    if (dlg.DoModal() != IDOK)
        return;
    RECT rc = ::IsRectEmpty(&m_rcMarked) ? m_rcDefault : m_rcMarked;
    rc.right = rc.left + std::min(Width(rc), 200);
    rc.bottom = rc.top + std::min(Height(rc), 30);
    CMButCreateStruct* pButton = new CMButCreateStruct;
    pButton->m_strStyle = "IMAGE";
    pButton->m_rect = FreePlace(rc);
    pButton->m_strText = dlg.m_strButtonText;
    pButton->m_strDocument = ProjectFormat::PopupDocument(m_objects.GetPopupMenuCount());
    pButton->m_nAction = ACTION_NONE;
    pButton->m_font.Assign(page.GetButtonStyle().font);
    pButton->m_nPageNumber = page.GetMenuLevel();
    pButton->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
    if (!RegisterButton(pButton))
        return;
    const int nNumber = m_objects.BindPopupMenu(pButton, this);
    if (nNumber >= 0)
        SetPopupItems(nNumber, dlg.m_strItems[0]);
}

// The slot shows the items and the page keeps them, with their files.
void CTarnixEdView::SetPopupItems(int nNumber, const CString& strItems)
{
    CProjectPage& page = GetDocument()->GetPage();
    m_objects.SetPopupMenuText(nNumber, strItems);
    if (nNumber < 0 || nNumber >= CProjectPage::kPopupCount)
        return;
    page.SetPopupMenuText(nNumber, strItems);
    GetDocument()->SetModifiedFlag(TRUE);
}

void CTarnixEdView::EditPopupMenu(CMButCreateStruct* pButton)
{
    CPopupMenuDesc* pPopup = m_objects.FindPopupMenu(pButton);
    CPopupMenuDlg dlg(this);
    dlg.m_strProjectFolder = GetDocument()->GetProjectFolder();
    dlg.m_strButtonText = pButton->m_strText;
    if (pPopup != nullptr && pPopup->GetItemCount() > 0)
        dlg.m_strItems[0] = pPopup->GetItem(0);
    if (dlg.DoModal() != IDOK)
        return;
    pButton->m_strText = dlg.m_strButtonText;
    SetPopupItems(pPopup != nullptr ? pPopup->GetPopupNumber() : ProjectFormat::GetPopupNumber(pButton->m_strDocument),
                  dlg.m_strItems[0]);
    Refresh();
}

// ---------------------------------------------------------------------------
// Drops

void CTarnixEdView::OnToolbarDrop()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (pFrame == nullptr)
        return;
    POINT pt = pFrame->m_ptToolbarDrop;
    ScreenToClient(&pt);
    RECT rc;
    GetClientRect(&rc);
    if (!::PtInRect(&rc, pt))
        return;
    switch (pFrame->m_nToolbarDropCommand)
    {
    case ID_OBJ_BUTTON:
    {
        int cx = Width(m_rcDefault), cy = Height(m_rcDefault);
        if (cx == 0 || cy == 0)
        {
            cx = 120;
            cy = 32;
        }
        m_rcMarked = MakeRect(pt.x, pt.y, std::max(cx, 10), std::max(cy, 10));
        m_defaultButton.m_rect = m_rcMarked;
        InsertButton();
        break;
    }
    case ID_OBJ_SUBMENU:
        m_rcMarked = MakeRect(pt.x, pt.y, std::max(Width(m_rcDefault), 10), std::max(Height(m_rcDefault), 10));
        m_defaultButton.m_rect = m_rcMarked;
        m_defaultButton.m_bPreset = 1;
        OnSubmenu();
        break;
    default:
        break;
    }
}

void CTarnixEdView::OnExplorerDrop()
{
    POINT pt = m_pDropTarget->GetDropPoint();
    ScreenToClient(&pt);
    InsertDroppedFile(pt, m_pDropTarget->GetDroppedPath());
}

void CTarnixEdView::OnDropFiles(HDROP hDropInfo)
{
    char path[300] = "";
    const UINT nCount = ::DragQueryFileA(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    if (nCount > 0)
        ::DragQueryFileA(hDropInfo, 0, path, sizeof(path));
    ::DragFinish(hDropInfo);
    if (path[0] != '\0')
        InsertDroppedFile(POINT{ 0, 0 }, path);
}

void CTarnixEdView::InsertDroppedFile(POINT pt, const CString& strPath)
{
    if (_access(strPath, 4) != 0)
        return;
    const int nDot = strPath.ReverseFind('.');
    const int nSlash = strPath.ReverseFind('\\');
    if (nDot < 0 || nDot < nSlash || nDot == strPath.GetLength() - 1)
        return;
    CString ext = strPath.Mid(nDot + 1);
    ext.MakeUpper();
    if (ext == "BTI")
    {
        if (::IsRectEmpty(&m_rcMarked))
            m_rcMarked = RECT{ 5, 5, 105, 25 };
        if (!CheckRoom(MOBJ_BUTTON))
            return;
        m_defaultButton.m_strStyle = "BITMAP";
        m_defaultButton.m_strBitmap = strPath;
        GetDocument()->MakeDocRelativePath(m_defaultButton.m_strBitmap);
        m_defaultButton.m_bPreset = 1;
        m_defaultButton.m_rect = m_rcMarked;
        InsertButton();
        return;
    }
    if (ext == "BMP")
    {
        EditBackgroundImage(strPath);
        return;
    }
    if (ext == "AVI")
    {
        CAviCtrl probe;
        if (!probe.IsPlayableFile(strPath))
        {
            CString format, codec(probe.GetCodec()), text;
            while (codec.GetLength() < 4)
                codec += ' ';
            format.LoadString(IDS_AVI_NOT_PLAYABLE);
            text.Format(format, (LPCSTR)codec);
            AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        // The clip's dialog opens on it at the drop point.
        m_defaultAviClip.m_strText = strPath;
        m_defaultAviClip.m_bPreset = 1;
        InsertAviClip(SnapPoint(pt.x, pt.y));
        return;
    }
    static const char* const kDocumentTypes[] = { "PPS", "PPT", "PDF", "TXT", "DOC", "XLS",
                                                  "MPG", "HTM", "CHM", "HLP" };
    const BOOL bProgram = ext == "EXE";
    BOOL bDocument = FALSE;
    for (const char* type : kDocumentTypes)
        bDocument = bDocument || ext == type;
    if (!bProgram && !bDocument)
        return;
    if (!CheckRoom(MOBJ_BUTTON))
        return;
    if (::IsRectEmpty(&m_rcMarked))
        m_rcMarked = RECT{ 5, 5, 105, 35 };
    ::OffsetRect(&m_rcMarked, pt.x - m_rcMarked.left, pt.y - m_rcMarked.top);
    CString path = strPath;
    GetDocument()->MakeDocRelativePath(path);
    m_defaultButton.m_strApplication = bProgram ? path : CString();
    m_defaultButton.m_strDocument = bProgram ? CString() : path;
    m_defaultButton.m_strParameter.Empty();
    m_defaultButton.m_bPreset = 1;
    m_defaultButton.m_rect = m_rcMarked;
    InsertButton();
}

// ---------------------------------------------------------------------------
// Script list boxes

// The hint of the chosen entry shows in the tooltip area, as the player shows it.
void CTarnixEdView::OnListBoxHint()
{
    if (!GetDocument()->GetPage().GetTooltipArea().bOn)
        return;
    CString tip;
    m_objects.GetListBoxSelection(&tip);
    m_tooltip.NewTip(tip);
}

void CTarnixEdView::OnUpdateInsertListBox(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasRoom(MOBJ_LISTBOX));
}

// A list box comes with its start button: without room for the button the
// list would have nothing to start its entries, so neither is inserted.
void CTarnixEdView::OnInsertListBox()
{
    if (!CheckRoom(MOBJ_LISTBOX) || !CheckRoom(MOBJ_BUTTON))
        return;
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CListboxWizard wizard("Listbox Wizard", this);
    wizard.m_strProjectFolder = pDoc->GetProjectFolder();
    const RECT rcOffer = FreePlace(MakeRect(m_rcDefault.left, m_rcDefault.top,
                                            Width(m_rcDefault) < 100 ? 200 : Width(m_rcDefault),
                                            Height(m_rcDefault) < 100 ? 200 : Height(m_rcDefault)));
    wizard.m_nX = rcOffer.left;
    wizard.m_nY = rcOffer.top;
    wizard.m_nWidth = Width(rcOffer);
    wizard.m_nHeight = Height(rcOffer);
    if (wizard.DoModal() != ID_WIZFINISH)
        return;
    const CSize menu = MenuSize();
    const RECT rcList = PushInsideMenu(MakeRect(wizard.m_nX, wizard.m_nY, wizard.m_nWidth, wizard.m_nHeight), menu);
    CMButCreateStruct* pList = new CMButCreateStruct;
    pList->Copy(m_defaultButton);
    pList->m_rect = rcList;
    pList->m_strText = wizard.m_strListFile;
    pList->m_crColor = kListBoxColor;
    pList->m_dwStyle = wizard.m_bStyle ? kListBoxStyle : 0;
    pList->m_nPageNumber = page.GetMenuLevel();
    LeaveSelectionMode();
    if (!page.AddListBox(pList))
    {
        delete pList;
        return;
    }
    m_objects.AddListBox(pList);
    pDoc->SetModifiedFlag(TRUE);

    CMButCreateStruct* pStart = new CMButCreateStruct;
    pStart->m_strStyle = "WINDOWS";
    pStart->m_rect = ListStartButtonRect(rcList, menu);
    // Wide and high enough for its whole caption, growing to the left.
    const CSize need = ButtonSizeForCaption(wizard.m_strButtonText, page.GetButtonStyle().font, CSize(120, 26));
    pStart->m_rect.left = std::max(0L, std::min(pStart->m_rect.left, pStart->m_rect.right - need.cx));
    pStart->m_rect.bottom = std::max(pStart->m_rect.bottom, pStart->m_rect.top + need.cy);
    pStart->m_rect = FreePlace(pStart->m_rect);
    pStart->m_strText = wizard.m_strButtonText;
    pStart->m_strDocument = ProjectFormat::kListBoxDocument;
    pStart->m_strToolTip = "selektiertes Objekt der Listbox starten";
    pStart->m_nAction = ACTION_NONE;
    pStart->m_font.Assign(page.GetButtonStyle().font);
    pStart->m_nPageNumber = page.GetMenuLevel();
    pStart->pToolTip = page.GetTooltipArea().bOn ? &m_tooltip : nullptr;
    RegisterButton(pStart);
    m_rcDefault = MakeRect(wizard.m_nX, wizard.m_nY, 120, 30);
    m_defaultButton.m_rect = m_rcDefault;
    Invalidate();
}

void CTarnixEdView::ChangeListBox(CMButCreateStruct* pList)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CListboxWizard wizard("Listbox Wizard", this);
    wizard.m_bEditMode = TRUE;
    wizard.m_strProjectFolder = pDoc->GetProjectFolder();
    pDoc->ResolvePath(pList->m_strText, wizard.m_strListFile);
    wizard.m_nX = pList->m_rect.left;
    wizard.m_nY = pList->m_rect.top;
    wizard.m_nWidth = Width(pList->m_rect);
    wizard.m_nHeight = Height(pList->m_rect);
    wizard.m_bStyle = (pList->m_dwStyle & kListBoxStyle) != 0;
    if (wizard.DoModal() != ID_WIZFINISH)
        return;
    CMButCreateStruct old;
    old.Copy(*pList);
    pList->m_rect = MakeRect(wizard.m_nX, wizard.m_nY, wizard.m_nWidth, wizard.m_nHeight);
    pList->m_strText = wizard.m_strListFile;
    pList->m_dwStyle = wizard.m_bStyle ? kListBoxStyle : 0;
    pDoc->GetPage().ReplaceListBox(old, *pList);
    pDoc->SetModifiedFlag(TRUE);
    m_objects.ReplaceListBox(pList);
    m_rcDefault = MakeRect(wizard.m_nX, wizard.m_nY, 120, 30);
    m_defaultButton.m_rect = m_rcDefault;
    Invalidate();
}

CSize CTarnixEdView::MenuSize() const
{
    RECT rc;
    GetClientRect(&rc);
    return CSize(rc.right, rc.bottom);
}

// Moved up or left so that it ends at the window's far edge; an edge pushed
// past the window's origin stays at 0 with the far edge at the window edge.
RECT CTarnixEdView::PushInsideMenu(RECT rc, SIZE menu)
{
    if (rc.right > menu.cx)
    {
        rc.left = std::max(0L, rc.left - (rc.right - menu.cx));
        rc.right = menu.cx;
    }
    if (rc.bottom > menu.cy)
    {
        rc.top = std::max(0L, rc.top - (rc.bottom - menu.cy));
        rc.bottom = menu.cy;
    }
    return rc;
}

// Below the list when there is room; else in the bottom row right of the
// list, left of it, or above it; else in the top left corner.
RECT CTarnixEdView::ListStartButtonRect(const RECT& rcList, SIZE menu)
{
    RECT rc;
    if (rcList.bottom + 40 < menu.cy)
        SetRect(&rc, rcList.right - 140, rcList.bottom + 10, rcList.right, rcList.bottom + 38);
    else if (rcList.right + 150 < menu.cx)
        SetRect(&rc, rcList.right + 10, menu.cy - 30, rcList.right + 150, menu.cy - 2);
    else if (rcList.left >= 150)
        SetRect(&rc, rcList.left - 150, menu.cy - 30, rcList.left - 10, menu.cy - 2);
    else if (rcList.top >= 30)
        SetRect(&rc, rcList.right - 150, rcList.top - 30, rcList.right, rcList.top - 4);
    else
        SetRect(&rc, 0, 0, 140, 28);
    return rc;
}
