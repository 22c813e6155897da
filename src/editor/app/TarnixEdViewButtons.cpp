// The canvas's buttons: the page limits, the button sheet, sub-menu pages,
// starter buttons and popup menus.
#include "editor/app/TarnixEdView.h"

#include "editor/app/CanvasHelpers.h"
#include "editor/app/Launcher.h"
#include "editor/app/TarnixEdApp.h"
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/ButtonPropSheet.h"
#include "editor/dialogs/PdfInsert.h"
#include "editor/dialogs/PopupMenuDlg.h"
#include "editor/dialogs/ShowInsert.h"
#include "editor/dialogs/SlideShowInsert.h"
#include "editor/dialogs/UiLanguage.h"
#include "editor/dialogs/ViewerOptionsDlg.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/AviCtrl.h"
#include "shared/menuobj/PopupMenuDesc.h"
#include "shared/support/FileUtils.h"
#include "shared/support/ProjectFormat.h"

#include "editor/resource.h"

#include <algorithm>
#include <io.h>

using namespace CanvasHelpers;

namespace {

const int kMaxButtons = 10;
const int kMaxTexts = 10;
const char kTextViewerProgram[] = "Scrollet.exe";

void ShowLimitBox(LPCSTR lpszKind)
{
    CString format, text;
    format.LoadString(IDS_MAX_OBJECTS);
    text.Format(format, lpszKind);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

} // namespace

// ---------------------------------------------------------------------------
// Page limits

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

// ---------------------------------------------------------------------------
// Inserting and changing buttons

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
    MoveMarkDown(RECT{ 5, 5, 85, 30 });
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

    sheet.m_sizePage = MenuSize();
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

void CTarnixEdView::ChangeButton(CMButCreateStruct* pButton)
{
    CTarnixEdDoc* pDoc = GetDocument();
    CButtonPropSheet sheet(IsGermanUi() ? "Funktionsschalter (Button) Eigenschaften" : "Button Properties", this,
                           (UINT)pDoc->m_nButtonSheetPage);
    FillSheetFromButton(sheet, *pButton);
    sheet.m_captionFont.Assign(pButton->m_font);
    sheet.m_sizePage = MenuSize();
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

void CTarnixEdView::OnForwardToSheet()
{
    if (m_pSheet != nullptr && m_pSheet->GetSafeHwnd() != nullptr)
        m_pSheet->SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);
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

CString CTarnixEdView::MissingSiblingFor(UINT nID)
{
    if (nID != ID_OBJ_TEXTVIEWER && nID != ID_OBJ_PDFSTARTER && nID != ID_OBJ_SLIDESHOW)
        return CString();
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

// A page has one popup slot: a second popup button is refused.
BOOL CTarnixEdView::CheckPopupRoom()
{
    if (!m_objects.HasPopupMenu())
        return TRUE;
    ShowLimitBox("Popup");
    return FALSE;
}

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

int CTarnixEdView::PopupNumberOf(CMButCreateStruct* pButton)
{
    const CPopupMenuDesc* pPopup = m_objects.FindPopupMenu(pButton);
    return pPopup != nullptr ? pPopup->GetPopupNumber() : ProjectFormat::GetPopupNumber(pButton->m_strDocument);
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
    SetPopupItems(PopupNumberOf(pButton), dlg.m_strItems[0]);
    Refresh();
}
