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
    page.m_nImageX = std::max(0, (page.m_nWinW - page.m_nImageW - 6) / 2);
    page.m_nImageY = std::max(0, (page.m_nWinH - page.m_nImageH - 26) / 2);
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
    CColorDialog dlg(pDoc->GetPage().m_crWindowBg, CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, this);
    if (dlg.DoModal() != IDOK)
        return;
    pDoc->GetPage().m_crWindowBg = dlg.GetColor();
    pDoc->SetModifiedFlag(TRUE);
    Invalidate();
}

void CTarnixEdView::OnWindowTitle()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CTitleBarDlg dlg(this);
    dlg.m_strTitle = pDoc->GetPage().m_strTitle;
    if (dlg.DoModal() != IDOK)
        return;
    pDoc->GetPage().m_strTitle = dlg.m_strTitle;
    if (CWnd* pFrame = GetParent())
        pFrame->SetWindowText(dlg.m_strTitle);
    pDoc->SetModifiedFlag(TRUE);
}

void CTarnixEdView::OnWindowPosition()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CProjectPage& page = pDoc->GetPage();
    CWindowPosDlg dlg(this);
    dlg.m_nWidth = page.m_nWinW;
    dlg.m_nHeight = page.m_nWinH;
    dlg.m_nX = page.m_nWinX;
    dlg.m_nY = page.m_nWinY;
    dlg.m_nPositionMode = page.m_bPosGiven;
    dlg.m_nSizeMode = page.m_nSizeType;
    dlg.m_nBorder = page.m_bBorder;
    dlg.m_nCornerWidth = page.m_nCornerW;
    dlg.m_nCornerHeight = page.m_nCornerH;
    if (dlg.DoModal() != IDOK)
        return;
    page.m_nWinW = dlg.m_nWidth;
    page.m_nWinH = dlg.m_nHeight;
    page.m_nWinX = dlg.m_nX;
    page.m_nWinY = dlg.m_nY;
    page.m_bPosGiven = dlg.m_nPositionMode;
    page.m_nSizeType = dlg.m_nSizeMode;
    page.m_bBorder = dlg.m_nBorder;
    page.m_nCornerW = dlg.m_nCornerWidth;
    page.m_nCornerH = dlg.m_nCornerHeight;
    // A centred background picture stays centred in the new size.
    if (page.m_bImage && page.m_bImageLoaded && page.m_nImagePos == 1)
        CentreBackgroundImage(page);
    pDoc->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::OnDesktop()
{
    CTarnixEdDoc* pDoc = GetDocument();
    CDesktopDlg dlg(this);
    dlg.m_bCover = pDoc->GetPage().m_bPaintDesktop;
    dlg.m_crColor = pDoc->GetPage().m_crDesktop;
    if (dlg.DoModal() != IDOK)
        return;
    pDoc->GetPage().m_bPaintDesktop = dlg.m_bCover;
    pDoc->GetPage().m_crDesktop = dlg.m_crColor;
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
    CButtonStyleDlg dlg(this);
    dlg.m_font.Assign(page.m_buttonFont);
    dlg.m_nBrightness = page.m_nBrightness;
    dlg.m_nHover = page.m_bHover;
    if (dlg.DoModal() != IDOK)
        return;
    page.m_buttonFont.Assign(dlg.m_font);
    page.m_nBrightness = dlg.m_nBrightness;
    page.m_bHover = dlg.m_nHover;
    pDoc->SetModifiedFlag(TRUE);
    Refresh();
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
    const CString file = page.m_bImage && page.m_bImageLoaded ? page.m_strImageFile : CString();
    // A program asked for here serves this once; the settings' graphics
    // program is chosen in its own dialog.
    OpenInGraphicsProgram(this, file, [this]() {
        CProgramDlg dlg(this);
        return dlg.DoModal() == IDOK ? dlg.m_strPath : CString();
    });
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
    CBackgroundImageDlg dlg(this);
    dlg.m_strFile = strFile.IsEmpty() ? page.m_strImageFile : strFile;
    dlg.m_bEnabled = 1;
    dlg.m_nX = page.m_nImageX;
    dlg.m_nY = page.m_nImageY;
    dlg.m_nPosMode = page.m_nImagePos;
    if (dlg.DoModal() != IDOK)
        return;
    const BOOL bShown = dlg.m_bEnabled;
    page.ReplaceImageFile(bShown ? dlg.m_strFile : CString());
    page.m_bImage = bShown;
    page.m_nImagePos = dlg.m_nPosMode;
    page.m_nImageX = dlg.m_nX;
    page.m_nImageY = dlg.m_nY;
    // The reader knows only a window fitted to the picture (0) or not (1).
    const BOOL bFit = bShown && dlg.m_nPosMode == CBackgroundImageDlg::POS_FIT_WINDOW;
    page.m_nSizeType = bFit ? 0 : 1;
    if (bFit)
        page.m_nImageX = page.m_nImageY = 0;
    page.m_strImageFile = dlg.m_strFile;
    page.m_bImageLoaded = 0;
    if (bShown && !dlg.m_strFile.IsEmpty())
        PlaceBackgroundImage(dlg.m_strFile);
    pDoc->SetModifiedFlag(TRUE);
    Refresh();
}

void CTarnixEdView::PlaceBackgroundImage(const CString& strFile)
{
    CProjectPage& page = GetDocument()->GetPage();
    page.SetBackgroundImage(strFile);
    if (!page.m_bImageLoaded)
    {
        if (_access(strFile, 0) != 0)
            WarnCannotOpenFile(strFile);
        else
            AfxMessageBox(LoadedString(IDS_IMAGE_FORMAT_ERROR), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    switch (page.m_nImagePos)
    {
    case CBackgroundImageDlg::POS_FIT_WINDOW:
        page.m_nWinW = page.m_nImageW;
        page.m_nWinH = page.m_nImageH;
        ResizeFrameToMenu(page.m_nWinW, page.m_nWinH);
        break;
    case CBackgroundImageDlg::POS_CENTER:
        CentreBackgroundImage(page);
        break;
    default:
    {
        RECT rc;
        GetClientRect(&rc);
        if (page.m_nImageX >= rc.right)
            page.m_nImageX = rc.right - 30;
        if (page.m_nImageY >= rc.bottom)
            page.m_nImageY = rc.bottom - 50;
        break;
    }
    }
}
