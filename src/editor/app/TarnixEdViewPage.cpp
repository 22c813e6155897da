// The canvas's page and project commands: test run, refresh, the window's
// settings and the page settings dialogs, and the background picture.
#include "editor/app/TarnixEdView.h"

#include "editor/app/CanvasHelpers.h"
#include "editor/app/Launcher.h"
#include "editor/app/PageSettingsDialogs.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/BackgroundImageDlg.h"
#include "editor/dialogs/ButtonStyleDlg.h"
#include "editor/dialogs/DesktopDlg.h"
#include "editor/dialogs/InsertObjectsDlg.h"
#include "editor/dialogs/ProgramDlg.h"
#include "editor/dialogs/TitleBarDlg.h"
#include "editor/dialogs/VirtualDriveDlg.h"
#include "editor/dialogs/WindowPosDlg.h"
#include "framework/CmdUI.h"
#include "framework/ColorDialog.h"
#include "framework/MessageBox.h"
#include "framework/ProgramStart.h"
#include "shared/menuobj/FileWarning.h"
#include "shared/menuobj/GraphicsProgram.h"

#include "editor/resource.h"

#include <algorithm>
#include <io.h>

using namespace CanvasHelpers;

namespace {

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

} // namespace

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
    // The system is asked about the program with one of the document's temporary files.
    CTempFileSet& tempFiles = GetDocument()->GetTempFiles();
    OpenInGraphicsProgram(
        this, file,
        [this]() {
            CProgramDlg dlg(this);
            return dlg.DoModal() == IDOK ? dlg.m_strPath : CString();
        },
        [&tempFiles]() { return tempFiles.WriteFile(0, ".bmp"); });
}

// ---------------------------------------------------------------------------
// Background picture

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
    // A dropped picture is meant to show; otherwise the page's own setting.
    dlg.m_bEnabled = strFile.IsEmpty() ? background.bShown : 1;
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
