#include "player/MenuDlg.h"

#include "framework/Button.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/ProgramStart.h"
#include "player/PlayerApp.h"
#include "player/PlayerMessages.h"
#include "player/StartWnd.h"
#include "player/TarnixDoc.h"
#include "player/VideoDlg.h"
#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/BasisListBox.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MObjButton.h"
#include "shared/menuobj/MObjScriptListBox.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/PageMessages.h"
#include "shared/menuobj/TipText.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/Language.h"
#include "shared/support/ScreenDepth.h"
#include "shared/support/Starter.h"

#include <algorithm>
#include <direct.h>
#include <mmsystem.h>

IMPLEMENT_DYNAMIC(CMenuDlg, CDialog)

namespace {

CString WithoutQuotes(CString strPath)
{
    if (strPath.Left(1) == "\"")
        strPath = strPath.Mid(1);
    if (strPath.Right(1) == "\"")
        strPath = strPath.Left(strPath.GetLength() - 1);
    return strPath;
}

// The text of a request's buffer, at most kMaxPath characters, without
// enclosing double quotes.
CString RequestPath(LPARAM lParam)
{
    if (lParam == 0)
        return CString();
    LPCSTR lpsz = (LPCSTR)lParam;
    return WithoutQuotes(CString(lpsz, (int)strnlen(lpsz, CMenuDlg::kMaxPath)));
}

BOOL CanRead(LPCSTR lpszPath)
{
    FILE* pFile = fopen(lpszPath, "rb");
    if (pFile == nullptr)
        return FALSE;
    fclose(pFile);
    return TRUE;
}

// The file of a page a button names. A name without drive or root lies in the
// folder of the page shown (the profile functions would look for it in the
// Windows folder and find nothing).
CString PageFileFrom(const CString& strPath, const CString& strCurrentFile)
{
    BOOL bRooted = (strPath.GetLength() >= 2 && strPath[1] == ':') || strPath.Left(1) == "\\";
    int nSlash = strCurrentFile.ReverseFind('\\');
    if (bRooted || nSlash < 0)
        return strPath;
    CString strName = strPath.Left(2) == ".\\" ? strPath.Mid(2) : strPath;
    return strCurrentFile.Left(nSlash + 1) + strName;
}

// The caption the context menu shows for a button; empty when it shows none.
CString ContextCaption(const CMButCreateStruct* pStruct)
{
    if (pStruct == nullptr || pStruct->m_bEnable == 0)
        return CString();
    CString strCaption = pStruct->m_strText;
    StripEnclosingMarkers(strCaption);
    // A caption of several lines is one line of the menu.
    CStringArray lines;
    SplitAtBreakTags(strCaption, lines);
    strCaption.Empty();
    for (int i = 0; i < lines.GetSize(); ++i)
        strCaption += (i > 0 ? " " : "") + lines[i];
    strCaption.Trim();
    return strCaption;
}

} // namespace

// int OnCreate(LPCREATESTRUCT); void OnShowWindow(BOOL, UINT); void OnPaint(); BOOL OnEraseBkgnd(CDC*);
// void OnClose(); void OnActivate(UINT, CWnd*, BOOL); void OnMove(int, int); void OnContextMenu(CWnd*, CPoint);
// void OnCaptureChanged(CWnd*);
// LRESULT OnXxx(WPARAM, LPARAM); void OnXxx()
BEGIN_MESSAGE_MAP(CMenuDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CLOSE()
    ON_WM_ACTIVATE()
    ON_WM_MOVE()
    ON_WM_CONTEXTMENU()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_TARNIX_PLAYVIDEO, OnPlayVideoMsg)
    ON_MESSAGE(WM_TARNIX_ACTIONSOUND, OnActionSoundMsg)
    ON_MESSAGE(WM_TARNIX_SHOWPAGE, OnShowPageMsg)
    ON_MESSAGE(WM_TARNIX_MENUCHOICE, OnMenuChoice)
    ON_MESSAGE(WM_STARTER_CLOSESOUND, OnCloseSoundMsg)
    ON_MESSAGE(WM_TARNIX_OBJNOTIFY, OnObjNotify)
    ON_MESSAGE(WM_TARNIX_RUNLISTBOX, OnRunListBoxMsg)
    ON_MESSAGE(WM_TARNIX_SHOWPOPUP, OnShowPopupMsg)
    ON_MESSAGE(MM_MCINOTIFY, OnMciNotify)
    ON_COMMAND(ID_BG_SOUND, OnBgSound)
    ON_COMMAND(ID_CLOSE_MENU, OnCloseMenu)
    ON_COMMAND(ID_BUILD_PAGE, OnBuildPage)
    ON_COMMAND(ID_START_CLIPS, OnStartClips)
    ON_COMMAND(ID_START_EVENTS, OnStartEvents)
    ON_COMMAND(ID_BUTTON_CLICKED, OnButtonClicked)
    ON_COMMAND(ID_DEFAULT_BUTTON, OnDefaultButton)
    ON_CONTROL(LBN_SELCHANGE, ID_LISTBOX, OnListBoxHint)
    ON_CONTROL(LBN_SETFOCUS, ID_LISTBOX, OnListBoxHint)
END_MESSAGE_MAP()

CMenuDlg::CMenuDlg(UINT nTemplate, CStartWnd* pStartWnd)
    : CDialog(nTemplate, pStartWnd), m_pDoc(nullptr), m_pStartWnd(pStartWnd), m_nTemplate(nTemplate), m_bCreating(0),
      m_bPainted(0), m_bInfoShown(0), m_nBgSoundId(-1), m_bBgSoundPaused(0), m_bBgSoundStarted(0), m_bBgSoundRetry(0),
      m_nActionSoundId(-1), m_pDefaultButton(nullptr), m_pPopupMenu(nullptr), m_bPopupActive(0), m_bVideoRunning(0), m_bStartEventsDone(0),
      m_bDragging(0), m_bBackgroundStale(TRUE), m_pPreviousProgram(nullptr)
{
}

CMenuDlg::~CMenuDlg()
{
    delete m_pDefaultButton;
}

BOOL CMenuDlg::Create()
{
    if (m_pStartWnd == nullptr)
        return FALSE;
    m_bCreating = 1;
    BOOL bCreated = CDialog::Create(m_nTemplate, m_pStartWnd);
    m_bCreating = 0;
    return bCreated;
}

int CMenuDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    int nResult = CDialog::OnCreate(lpCreateStruct);
    if (m_pDoc != nullptr)
        ShowPageIcons();
    return nResult;
}

// The small icon when the page has one, else the big one. A page load destroys
// the icons of the page before, so the window lets go of both first. Setting
// an icon costs the platform milliseconds even when there is none to set, so
// a window without an icon that is to stay without one is left alone.
void CMenuDlg::ShowPageIcons()
{
    HICON hSmall = m_pDoc->m_hIconSmall;
    HICON hBig = hSmall == nullptr ? m_pDoc->m_hIconBig : nullptr;
    if (hSmall != nullptr || GetIcon(FALSE) != nullptr)
        SetIcon(hSmall, ICON_SMALL);
    if (hBig != nullptr || GetIcon(TRUE) != nullptr)
        SetIcon(hBig, ICON_BIG);
}

BOOL CMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pDoc == nullptr)
    {
        PostMessage(WM_COMMAND, ID_CLOSE_MENU);
        return TRUE;
    }
    m_pPreviousProgram = CObjWndProgram::Set(&m_program);
    PlaceWindow();
    BuildPage();
    return TRUE;
}

// The client area becomes the page's size: the size stored in the page, or
// that of the background image (as the document sized the page by it), which
// a borderless page also takes as its rounded outline. The document learns
// the size, which the window keeps for later pages.
void CMenuDlg::PlaceWindow()
{
    PlaceWindowBySize();
    CRect client;
    GetClientRect(&client);
    m_pDoc->m_shownPageSize = client.Size();
}

void CMenuDlg::PlaceWindowBySize()
{
    CRect desktop;
    GetDesktopWindow()->GetClientRect(&desktop);
    int x = m_pDoc->m_nWinX, y = m_pDoc->m_nWinY, w = m_pDoc->m_nWinW, h = m_pDoc->m_nWinH;
    if (x == -1 && y == -1 && w == -1 && h == -1)
    {
        w = 600;
        h = 400;
        x = (desktop.Width() - w) / 2;
        y = (desktop.Height() - h) / 2;
    }
    x = std::max(x, 0);
    y = std::max(y, 0);
    w = std::min(w, desktop.Width());
    h = std::min(h, desktop.Height());

    CRect client;
    if (m_pDoc->m_nSizeType != 0 || !m_pDoc->m_bHasBgImage || m_pDoc->m_nBgWidth <= 0 || m_pDoc->m_nBgHeight <= 0)
    {
        MoveWindow(x, y, w, h, FALSE);
        GetClientRect(&client);
        int dx = w - client.Width(), dy = h - client.Height();
        MoveWindow(x - dx / 2, y - dy / 2, w + dx, h + dy, TRUE);
        return;
    }
    int cx = w, cy = h;
    MoveWindow(0, 0, cx, cy, FALSE);
    GetClientRect(&client);
    int nWndW = cx + (cx - client.Width()), nWndH = cy + (cy - client.Height());
    if (!m_pDoc->m_bBorder && m_rgnWindow.CreateRoundRectRgn(0, 0, cx, cy, m_pDoc->m_nCornerW, m_pDoc->m_nCornerH))
        SetWindowRgn((HRGN)m_rgnWindow.Detach(), TRUE);   // the window owns the region from now on
    MoveWindow((desktop.Width() - nWndW) / 2, (desktop.Height() - nWndH) / 2, nWndW, nWndH, TRUE);
}

void CMenuDlg::BuildPage()
{
    if (m_pDoc == nullptr)
        return;
    // 1. The page's objects go; the background is rendered anew.
    m_bBackgroundStale = TRUE;
    m_bBgSoundPaused = 0;
    HideObjectWindows();
    m_objects.Init(this, kFirstObjectID, kMaxObjects, FALSE);

    // 2. An invisible default button takes Enter on the dialog; one serves
    // every page.
    if (AfxHwnd(m_pDefaultButton) == nullptr)
    {
        delete m_pDefaultButton;
        m_pDefaultButton = new CButton;
        m_pDefaultButton->Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(-2, -2, -1, -1),
                                 this, ID_DEFAULT_BUTTON);
    }

    // 3. The info box, which the buttons receive with their create structs.
    SetUpInfoBox();
    for (int i = 0; i < m_pDoc->m_buttons.GetSize(); ++i)
        if (CMButCreateStruct* pStruct = dynamic_cast<CMButCreateStruct*>(m_pDoc->m_buttons.GetAt(i)))
        {
            pStruct->pToolTip = m_pDoc->m_bTooltip ? &m_infoBox : nullptr;
            pStruct->m_pSounds = &m_buttonSounds;
        }

    // 4. and 5. The objects and the popup menus.
    AddObjects();
    RegisterPopupMenus();

    // 6. Background brush, repaint, arrow.
    m_brBackground.DeleteObject();
    m_brBackground.CreateSolidBrush(m_pDoc->m_crWindowBg);
    Invalidate(TRUE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));

    // 7. Title.
    if (!m_pDoc->m_strTitle.IsEmpty())
        SetWindowText(m_pDoc->m_strTitle);

    // 8. Button sounds.
    m_buttonSounds.Init(m_pDoc->m_bKeyClick, m_pDoc->m_bKeyOver, &m_bgSound, this);

    // 9. Focus; the background sound once.
    m_pDefaultButton->SetFocus();
    if (!m_bBgSoundStarted)
        PostMessage(WM_COMMAND, ID_BG_SOUND);
}

// The page's windows are hidden without a redraw before they go: the platform
// erases the parent at once for every visible window destroyed. The next
// page's paint covers what they showed. The window holding the focus goes
// the usual way, which hands the focus to the menu.
void CMenuDlg::HideObjectWindows()
{
    const UINT nFlags = SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_DEFERERASE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                        SWP_NOACTIVATE;
    const HWND hFocus = ::GetFocus();
    for (int i = 0; i < m_objects.GetObjectCount(); ++i)
    {
        HWND hWnd = AfxHwnd(m_objects.GetObjectAt(i)->GetObjectWnd());
        if (hWnd != nullptr && ::IsWindowVisible(hWnd) && hWnd != hFocus && !::IsChild(hWnd, hFocus))
            ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, nFlags);
    }
}

void CMenuDlg::SetUpInfoBox()
{
    if (!m_pDoc->m_bTooltip)
        return;
    CRect area(m_pDoc->m_nTooltipX, m_pDoc->m_nTooltipY, m_pDoc->m_nTooltipX + m_pDoc->m_nTooltipW,
               m_pDoc->m_nTooltipY + m_pDoc->m_nTooltipH);
    m_infoBox.Setup(area, m_pDoc->m_bTooltipTransparent, m_pDoc->m_crTooltip, m_pDoc->m_tooltipFont,
                    m_pDoc->m_strTooltipText, this, m_pDoc->m_strProjectFolder, m_pDoc->m_bTooltipCenter);
}

// The kinds in the order of the editor's canvas, so that every object has the
// id and the tab place it had there.
void CMenuDlg::AddObjects()
{
    m_objects.AddPageObjects({ m_pDoc->m_images, m_pDoc->m_texts, m_pDoc->m_buttons, m_pDoc->m_speakers,
                               m_pDoc->m_textFields, m_pDoc->m_fileLists, m_pDoc->m_videos },
                             m_pDoc->m_buttonFont);
}

// Each popup button is bound to the container's slot, which takes the item
// of the page's section of that number.
void CMenuDlg::RegisterPopupMenus()
{
    for (int i = 0; i < m_pDoc->m_buttons.GetSize(); ++i)
    {
        CMButCreateStruct* pStruct = dynamic_cast<CMButCreateStruct*>(m_pDoc->m_buttons.GetAt(i));
        if (pStruct == nullptr || !ProjectFormat::IsPopupDocument(pStruct->m_strDocument))
            continue;
        // A second build of the same page binds the button once.
        m_objects.RemovePopupMenu(pStruct);
        int nNumber = m_objects.BindPopupMenu(pStruct, this);
        if (nNumber < 0)
            continue;
        CString strItem;
        if (m_pDoc->ReadPopupItems(ProjectFormat::PopupSection(nNumber), strItem))
            m_objects.SetPopupMenuText(nNumber, strItem);
    }
}

// Before the document lets go of its button structs, the slot and the shown
// popup let go of them.
void CMenuDlg::ReleasePopupMenus()
{
    m_bPopupActive = 0;
    m_pPopupMenu = nullptr;
    m_popupDef.Clear();
    if (m_pDoc == nullptr)
        return;
    for (int i = 0; i < m_pDoc->m_buttons.GetSize(); ++i)
        if (CMButCreateStruct* pStruct = dynamic_cast<CMButCreateStruct*>(m_pDoc->m_buttons.GetAt(i)))
            m_objects.RemovePopupMenu(pStruct);
}

void CMenuDlg::OnBuildPage()
{
    BuildPage();
}

void CMenuDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (bShow && !m_bCreating && !m_bPainted)
        PostMessage(WM_COMMAND, ID_START_CLIPS);
    // Posted, so that the start window has shown and enabled the menu first.
    if (bShow && m_bBgSoundRetry)
    {
        m_bBgSoundRetry = 0;
        PostMessage(WM_COMMAND, ID_BG_SOUND);
    }
}

BOOL CMenuDlg::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CMenuDlg::RenderBackground(CDC* pDC, const CRect& client)
{
    m_bmBackground.DeleteObject();
    m_bmBackground.CreateCompatibleBitmap(pDC, client.Width(), client.Height());
    CDC dc;
    dc.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, m_bmBackground.m_hObject);
    dc.FillSolidRect(&client, m_pDoc->m_crWindowBg);
    BOOL bHalftone = (m_pDoc->m_bBgFromPicture || (m_pDoc->m_bBgFromDib && m_pDoc->m_bgDib.GetColorCount() == 0)) &&
                     GetScreenBitsPerPixel() <= 8;
    if (bHalftone)
    {
        dc.SetStretchBltMode(HALFTONE);
        ::SetBrushOrgEx(dc.m_hDC, 0, 0, nullptr);
    }
    if (m_pDoc->m_bBgFromDib)
        m_pDoc->m_bgDib.Draw(&dc, m_pDoc->m_nBgImageX, m_pDoc->m_nBgImageY);
    else if (m_pDoc->m_bBgFromPicture)
        m_pDoc->m_bgPicture.Draw(&dc, m_pDoc->m_nBgImageX, m_pDoc->m_nBgImageY);
    ::SelectObject(dc.m_hDC, hOld);
    m_bBackgroundStale = FALSE;
}

void CMenuDlg::OnPaint()
{
    CPaintDC dc(this);
    if (m_pDoc == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    // Only the invalid part reaches the screen, so only that part is drawn
    // for it: a button pressed or hovered repaints its own rectangle, not the
    // page. The off-screen surface is kept from paint to paint.
    CRect update;
    if (!update.IntersectRect(&dc.m_ps.rcPaint, &client))
        update.SetRectEmpty();
    if (m_bmPaint.m_hObject == nullptr || m_sizePaint != client.Size())
    {
        m_bmPaint.DeleteObject();
        m_bmPaint.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
        m_sizePaint = client.Size();
    }
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    HGDIOBJ hOldSurface = ::SelectObject(memDC.m_hDC, m_bmPaint.m_hObject);
    memDC.IntersectClipRect(update.left, update.top, update.right, update.bottom);

    // 1. The background: the window's colour, or with a picture the picture
    // rendered once per page.
    const BOOL bBgImage = m_pDoc->m_bBgFromDib || m_pDoc->m_bBgFromPicture;
    if (bBgImage && (m_bBackgroundStale || m_bmBackground.m_hObject == nullptr))
        RenderBackground(&dc, client);

    // 2. The picture's palette.
    HPALETTE hPalette = m_pDoc->m_bBgFromDib ? m_pDoc->m_bgDib.GetPalette()
                                             : (m_pDoc->m_bBgFromPicture ? m_pDoc->m_bgPicture.GetPalette() : nullptr);
    HPALETTE hOldPalette = nullptr;
    if (hPalette != nullptr)
    {
        hOldPalette = ::SelectPalette(memDC.m_hDC, hPalette, FALSE);
        ::RealizePalette(memDC.m_hDC);
    }

    // 3. Background, windowless objects and the info box.
    memDC.SetBkMode(TRANSPARENT);
    if (bBgImage)
    {
        CDC bgDC;
        bgDC.CreateCompatibleDC(&dc);
        HGDIOBJ hOld = ::SelectObject(bgDC.m_hDC, m_bmBackground.m_hObject);
        memDC.BitBlt(update.left, update.top, update.Width(), update.Height(), &bgDC, update.left, update.top,
                     SRCCOPY);
        ::SelectObject(bgDC.m_hDC, hOld);
    }
    else
    {
        memDC.FillSolidRect(&update, m_pDoc->m_crWindowBg);
    }
    m_objects.Draw(&memDC);
    if (m_pDoc->m_bTooltip)
    {
        if (!m_bInfoShown)
        {
            m_bInfoShown = 1;
            m_infoBox.DefaultTip();
        }
        m_infoBox.Draw(&memDC);
    }
    if (hOldPalette != nullptr)
        ::SelectPalette(memDC.m_hDC, hOldPalette, FALSE);
    dc.BitBlt(update.left, update.top, update.Width(), update.Height(), &memDC, update.left, update.top, SRCCOPY);
    ::SelectObject(memDC.m_hDC, hOldSurface);

    // 4. The start events after the first paint.
    if (!m_bPainted)
    {
        m_bPainted = 1;
        m_bStartEventsDone = 1;
        PostMessage(WM_COMMAND, ID_START_EVENTS);
    }
}

void CMenuDlg::OnStartEvents()
{
    RunStartEvents();
}

void CMenuDlg::RunStartEvents()
{
    CString strProgram;
    if (CanRead("STARTUP\\ONSTART.BAT"))
        strProgram = "ONSTART.BAT";
    else if (CanRead("STARTUP\\ONSTART.EXE"))
        strProgram = "ONSTART.EXE";
    if (!strProgram.IsEmpty())
    {
        char szFolder[512] = "";
        if (_getcwd(szFolder, sizeof(szFolder)) == nullptr)
            return;
        if (_chdir("STARTUP") != 0)
            return;
        CStarter starter;
        starter.WinExecProgram(strProgram, "", FALSE);
        _chdir(szFolder);
        return;
    }
    // A shell failure is ignored.
    if (CanRead("STARTUP\\ONSTART.HTM"))
        AfxShellExecute(m_hWnd, "open", "STARTUP\\ONSTART.HTM", nullptr, nullptr, SW_SHOWNORMAL);
    else if (CanRead("STARTUP\\ONSTART.TXT"))
        AfxShellExecute(m_hWnd, "open", "STARTUP\\ONSTART.TXT", nullptr, nullptr, SW_SHOWNORMAL);
}

// Background sound

void CMenuDlg::OnBgSound()
{
    StartBgSound();
}

// The sound starts as the menu is made, while the welcome window may still
// stand for it and the menu is hidden and disabled: a box telling that it
// cannot be played would then belong to a hidden window, and the menu, shown
// later, would come over it. So a hidden menu tries the sound without its
// error box, and tries once more as it is shown, now with the box over it.
void CMenuDlg::StartBgSound()
{
    m_bBgSoundRetry = 0;
    if (m_pDoc == nullptr || !m_pDoc->m_bSoundEnabled)
        return;
    const BOOL bShown = IsWindowVisible();
    if (m_nBgSoundId == -1)
        m_nBgSoundId = m_bgSound.Open(m_pDoc->m_strSoundFile, "BGSOUND", m_pDoc->m_bShowErrors && bShown, this);
    m_bgSound.Play(m_nBgSoundId, m_pDoc->m_bSoundRepeat);
    m_bBgSoundPaused = 0;
    m_bBgSoundStarted = 1;
    m_bBgSoundRetry = m_nBgSoundId == -1 && !bShown && m_pDoc->m_bShowErrors;
}

void CMenuDlg::PauseBgSound()
{
    if (m_nBgSoundId == -1)
        return;
    m_bgSound.Stop(m_nBgSoundId);
    m_bBgSoundPaused = 1;
}

void CMenuDlg::ResumeBgSound()
{
    if (m_nBgSoundId == -1 || !m_bBgSoundPaused)
        return;
    m_bgSound.Resume(m_nBgSoundId, m_pDoc != nullptr && m_pDoc->m_bSoundRepeat);
    m_bBgSoundPaused = 0;
}

void CMenuDlg::CloseBgSound()
{
    if (m_nBgSoundId == -1)
        return;
    m_bgSound.Stop(m_nBgSoundId);
    m_bgSound.Close(m_nBgSoundId);
    m_nBgSoundId = -1;
}

LRESULT CMenuDlg::OnCloseSoundMsg(WPARAM, LPARAM)
{
    CloseBgSound();
    return 0;
}

void CMenuDlg::CloseActionSound()
{
    if (m_nActionSoundId == -1)
        return;
    m_bgSound.Stop(m_nActionSoundId);
    m_bgSound.Close(m_nActionSoundId);
    m_nActionSoundId = -1;
}

void CMenuDlg::PlayActionSound(LPCSTR lpszFile)
{
    CloseActionSound();
    if (lpszFile == nullptr || *lpszFile == '\0')
    {
        PauseBgSound();
        return;
    }
    m_nActionSoundId = m_bgSound.Open(lpszFile, "BUT_SOUND", m_pDoc != nullptr && m_pDoc->m_bShowErrors, this);
    m_bgSound.Play(m_nActionSoundId, FALSE);
}

LRESULT CMenuDlg::OnActionSoundMsg(WPARAM wParam, LPARAM lParam)
{
    PlayActionSound(wParam == 0 ? (LPCSTR)RequestPath(lParam) : "");
    return 0;
}

LRESULT CMenuDlg::OnMciNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != MCI_NOTIFY_SUCCESSFUL)
        return 0;
    int nDeviceID = (int)lParam;
    m_bgSound.OnNotify(nDeviceID);
    // Only the end of the sound that paused it brings the background back; a
    // click or mouse-over sound ending meanwhile must not play over it.
    int nActionDevice = m_bgSound.GetDeviceID(m_nActionSoundId);
    if (nActionDevice >= 0 && nActionDevice == nDeviceID)
        ResumeBgSound();
    return 0;
}

// Videos and pages

LRESULT CMenuDlg::OnPlayVideoMsg(WPARAM, LPARAM lParam)
{
    PlayVideo(RequestPath(lParam), 1);
    return 0;
}

void CMenuDlg::PlayVideo(LPCSTR lpszPath, int nMode)
{
    if (m_bVideoRunning || m_pDoc == nullptr)
        return;
    m_bVideoRunning = 1;
    CString strPath = WithoutQuotes(lpszPath);
    CVideoDlg video(this);
    video.m_crBackground = m_pDoc->m_crWindowBg;
    video.m_bAutoClose = nMode;
    video.m_bShowErrors = m_pDoc->m_bShowErrors;
    video.m_strVideoFile = strPath;
    if (video.CheckFile() && video.EnsureDevice())
    {
        video.DoModal();
        Invalidate(TRUE);
        UpdateWindow();
    }
    m_bVideoRunning = 0;
}

LRESULT CMenuDlg::OnShowPageMsg(WPARAM, LPARAM lParam)
{
    ChangePage(RequestPath(lParam));
    return 0;
}

void CMenuDlg::ChangePage(LPCSTR lpszPath)
{
    CString strPath = WithoutQuotes(lpszPath);
    ::LockWindowUpdate(m_hWnd);
    CPlayerApp* pApp = GetPlayerApp();
    if (!strPath.IsEmpty() && pApp != nullptr && m_pDoc != nullptr)
    {
        ReleasePopupMenus();
        HideObjectWindows();
        m_objects.DeleteAll();
        CString strCurrentFile;
        pApp->m_settings.GetProjectFile(strCurrentFile);
        pApp->m_settings.SetProjectFile(PageFileFrom(strPath, strCurrentFile));
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        m_pDoc->LoadPage(&pApp->m_settings, this);
        ShowPageIcons();
    }
    m_bInfoShown = 0;
    if (m_pDoc != nullptr)
        SetUpInfoBox();
    ::LockWindowUpdate(nullptr);
    PostMessage(WM_COMMAND, ID_BUILD_PAGE);
    PostMessage(WM_COMMAND, ID_START_CLIPS);
    // The page is painted once, when its objects are built: a paint now
    // would show the new background without them and take as long again.
    Invalidate(TRUE);
}

// Menus

CStringArray& CMenuDlg::ContextCaptions(CStringArray& captions) const
{
    captions.RemoveAll();
    if (m_pDoc == nullptr)
        return captions;
    for (int i = 0; i < m_pDoc->m_buttons.GetSize(); ++i)
    {
        CString strCaption = ContextCaption(dynamic_cast<CMButCreateStruct*>(m_pDoc->m_buttons.GetAt(i)));
        if (!strCaption.IsEmpty())
            captions.Add(strCaption);
    }
    return captions;
}

// Entry k is the k-th button the context menu listed, so the choice is
// counted over the same buttons as the listing.
BOOL CMenuDlg::RunContextButton(int k)
{
    if (m_pDoc == nullptr || k < 0)
        return FALSE;
    CMButCreateStruct* pChosen = nullptr;
    for (int i = 0, nListed = 0; i < m_pDoc->m_buttons.GetSize() && pChosen == nullptr; ++i)
    {
        CMButCreateStruct* pStruct = dynamic_cast<CMButCreateStruct*>(m_pDoc->m_buttons.GetAt(i));
        if (!ContextCaption(pStruct).IsEmpty() && nListed++ == k)
            pChosen = pStruct;
    }
    if (pChosen == nullptr)
        return FALSE;
    for (int i = 0; i < m_objects.GetObjectCount(); ++i)
    {
        CMObjButton* pButton = dynamic_cast<CMObjButton*>(m_objects.GetObjectAt(i));
        if (pButton != nullptr && pButton->GetCreateStruct() == pChosen && pButton->GetButtonWnd() != nullptr)
        {
            pButton->GetButtonWnd()->Execute();
            return TRUE;
        }
    }
    return FALSE;
}

void CMenuDlg::OnContextMenu(CWnd*, CPoint pos)
{
    // The hidden main frame owns the menu; the menu window comes to the front.
    SetForegroundWindow();
    UpdateWindow();

    CStringArray captions;
    ContextCaptions(captions);
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    int nCount = std::min((int)captions.GetSize(), int(ID_CONTEXT_LAST - ID_CONTEXT_FIRST + 1));
    for (int k = 0; k < nCount; ++k)
        menu.AppendMenu(MF_STRING, ID_CONTEXT_FIRST + k, captions[k]);
    if (nCount > 0)
        menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_CONTEXT_EXIT, IsEnglish() ? "Exit" : "Beenden");
    m_bPopupActive = 0;
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, pos.x, pos.y, AfxGetMainWnd());
}

LRESULT CMenuDlg::OnMenuChoice(WPARAM wParam, LPARAM)
{
    if (m_bPopupActive)
    {
        m_bPopupActive = 0;
        if (m_pPopupMenu != nullptr && m_pDoc != nullptr)
            m_pPopupMenu->Run((int)wParam, m_pDoc->m_strProjectFolder, m_pDoc);
        return 0;
    }
    if (wParam == ID_CONTEXT_EXIT)
        PostMessage(WM_COMMAND, ID_CLOSE_MENU);
    else
        RunContextButton((int)wParam);
    return 0;
}

// A popup button's menu, from the container's slot that the button is bound
// to; the choice comes back as a menu choice while the popup is active.
LRESULT CMenuDlg::OnShowPopupMsg(WPARAM, LPARAM lParam)
{
    CMButCreateStruct* pStruct = (CMButCreateStruct*)lParam;
    if (pStruct == nullptr || !ProjectFormat::IsPopupDocument(pStruct->m_strDocument))
        return 0;
    CPopupMenuDesc* pSlot = pStruct->m_pPopupMenu;
    if (pSlot == nullptr || pSlot != m_objects.FindPopupMenu(pStruct))
        return 0;
    m_popupDef.Init(pSlot->GetPopupNumber(), pStruct, this);
    CStringArray items;
    if (pSlot->GetItemCount() > 0)
        items.Add(pSlot->GetItem(0));
    m_popupDef.SetItems(items);
    m_pPopupMenu = &m_popupDef;
    m_bPopupActive = 1;
    m_popupDef.Show(pStruct, FALSE);
    return 0;
}

LRESULT CMenuDlg::OnRunListBoxMsg(WPARAM, LPARAM)
{
    RunListBoxes();
    return 0;
}

void CMenuDlg::RunListBoxes()
{
    if (m_pDoc == nullptr)
        return;
    for (int i = 0; i < m_objects.GetObjectCount(); ++i)
        if (CMObjScriptListBox* pList = dynamic_cast<CMObjScriptListBox*>(m_objects.GetObjectAt(i)))
            pList->RunSelectedItem(m_pDoc->m_strProjectFolder);
}

void CMenuDlg::OnListBoxHint()
{
    if (m_pDoc == nullptr || !m_pDoc->m_bTooltip)
        return;
    CString strTip;
    m_objects.GetListBoxSelection(&strTip);
    m_infoBox.NewTip(strTip);
}

// Notifications and commands

LRESULT CMenuDlg::OnObjNotify(WPARAM, LPARAM lParam)
{
    const MOBJ_NOTIFY* pNotify = (const MOBJ_NOTIFY*)lParam;
    if (pNotify == nullptr || pNotify->nID < UINT(kFirstObjectID))
        return 0;
    switch (pNotify->nCode)
    {
    case NM_MBOJ_EXECUTE:
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        if (m_pDefaultButton != nullptr)
            m_pDefaultButton->SetFocus();
        break;
    case NM_MBOJ_CLICKSOUND:
        m_buttonSounds.PlayClick();
        break;
    case NM_MBOJ_OVERSOUND:
        m_buttonSounds.PlayOver();
        break;
    default:
        break;
    }
    return 0;
}

void CMenuDlg::OnButtonClicked()
{
    if (m_pDefaultButton != nullptr)
        m_pDefaultButton->SetFocus();
}

void CMenuDlg::OnDefaultButton()
{
    m_infoBox.DefaultTip();
}

void CMenuDlg::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CDialog::OnActivate(nState, pWndOther, bMinimized);
    if (nState != WA_INACTIVE)
        m_infoBox.DefaultTip();
}

// The hidden main frame follows the menu window, so that whatever the
// platform centres on it appears over the menu.
void CMenuDlg::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (AfxHwnd(pFrame) == nullptr)
        return;
    CRect window;
    GetWindowRect(&window);
    const int cx = 140, cy = 70;
    int nLeft = window.left + (window.Width() - cx) / 2, nTop = window.top + (window.Height() - cy) / 2;
    pFrame->MoveWindow(nLeft, nTop, cx, cy, FALSE);
    CView* pView = pFrame->GetActiveView();
    if (AfxHwnd(pView) != nullptr)
        pView->MoveWindow(nLeft, nTop, cx, cy, FALSE);
}

BOOL CMenuDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 && LOWORD(wParam) == IDOK)
        return TRUE;
    if (lParam == 0 && LOWORD(wParam) == IDCANCEL && (m_pDoc == nullptr || !m_pDoc->m_bEscExit))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CMenuDlg::OnOK()
{
}

void CMenuDlg::OnCancel()
{
    if (m_pDoc != nullptr && m_pDoc->m_bEscExit)
        DestroyWindow();
}

BOOL CMenuDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        {
            CWnd* pFocus = CWnd::FromHandle(::GetFocus());
            int nID = AfxHwnd(pFocus) != nullptr ? pFocus->GetDlgCtrlID() : 0;
            if (nID >= kFirstObjectID && nID < kFirstObjectID + 100)
            {
                if (CButBasis* pButton = dynamic_cast<CButBasis*>(CWnd::FromHandlePermanent(pFocus->m_hWnd)))
                {
                    pButton->OnBnClicked();
                    return TRUE;
                }
                if (dynamic_cast<CBasisListBox*>(CWnd::FromHandlePermanent(pFocus->m_hWnd)) != nullptr)
                    RunListBoxes();
            }
        }
    }
    else if (HandleMouse(pMsg))
    {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// A borderless window is dragged by its background, where the container
// finds no object. A drag once begun follows the mouse and ends wherever the
// button is released.
BOOL CMenuDlg::HandleMouse(MSG* pMsg)
{
    if (pMsg->message != WM_LBUTTONDOWN && pMsg->message != WM_MOUSEMOVE && pMsg->message != WM_LBUTTONUP)
        return FALSE;
    if (m_pDoc == nullptr || m_pDoc->m_bBorder)
        return FALSE;
    CPoint pt(pMsg->pt);
    ScreenToClient(&pt);
    if (pMsg->message == WM_LBUTTONDOWN)
    {
        if (m_objects.FindObjectAt(pt.x, pt.y) != nullptr)
            return FALSE;
        SetCapture();
        m_bDragging = 1;
        m_ptDragStart = pt;
        SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
    }
    else if (pMsg->message == WM_MOUSEMOVE && m_bDragging && (pMsg->wParam & MK_LBUTTON) == 0)
    {
        EndDrag();
    }
    else if (pMsg->message == WM_MOUSEMOVE && m_bDragging)
    {
        CRect window;
        GetWindowRect(&window);
        window.OffsetRect(pt.x - m_ptDragStart.x, pt.y - m_ptDragStart.y);
        SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else if (pMsg->message == WM_LBUTTONUP && m_bDragging)
    {
        EndDrag();
    }
    return FALSE;
}

void CMenuDlg::EndDrag()
{
    m_bDragging = 0;
    if (::GetCapture() == m_hWnd)
        ReleaseCapture();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

// Whoever takes the mouse from a drag (a message box, another program) ends it.
void CMenuDlg::OnCaptureChanged(CWnd* /*pWnd*/)
{
    if (m_bDragging)
        EndDrag();
}

// Closing

void CMenuDlg::OnCloseMenu()
{
    PauseBgSound();
    m_bgSound.CloseAll();
    DestroyWindow();
}

void CMenuDlg::OnClose()
{
    DestroyWindow();
}

BOOL CMenuDlg::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    ShowWindow(SW_HIDE);
    EnableWindow(FALSE);
    delete m_pDefaultButton;
    m_pDefaultButton = nullptr;
    PauseBgSound();
    m_buttonSounds.Init(FALSE, FALSE, &m_bgSound, this);
    m_bgSound.CloseAll();
    m_nBgSoundId = -1;
    m_nActionSoundId = -1;
    ReleasePopupMenus();
    m_objects.DeleteAll();
    if (m_pDoc != nullptr)
        m_pDoc->m_shownPageSize = CSize();
    return CDialog::DestroyWindow();
}

void CMenuDlg::PostNcDestroy()
{
    if (&CObjWndProgram::Get() == &m_program)
        CObjWndProgram::Set(m_pPreviousProgram);
    if (m_pStartWnd != nullptr)
        m_pStartWnd->MenuClosed();
    delete this;
}
