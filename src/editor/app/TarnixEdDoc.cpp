#include "editor/app/TarnixEdDoc.h"

#include "editor/app/MainFrame.h"
#include "editor/app/TarnixEdApp.h"
#include "editor/dialogs/EditorMessages.h"
#include "editor/dialogs/TextFontDlg.h"
#include "editor/dialogs/UiLanguage.h"
#include "framework/Archive.h"
#include "framework/CmdUI.h"
#include "framework/Exceptions.h"
#include "framework/File.h"
#include "framework/MessageBox.h"
#include "framework/MultiDocTemplate.h"
#include "framework/Wnd.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ProjectPaths.h"
#include "shared/menuobj/ProjectWriter.h"
#include "shared/support/FileUtils.h"
#include "shared/support/TextEffect.h"
#include "shared/support/Umlaut.h"

#include "editor/resource.h"

#include <stdlib.h>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CTarnixEdDoc, CDocument)

BEGIN_MESSAGE_MAP(CTarnixEdDoc, CDocument)
    // void OnFileSave()
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    // void OnOpenPage(UINT nID)
    ON_COMMAND_RANGE(ID_PAGEMENU_BASE + 1, ID_PAGEMENU_BASE + CPageList::kMaxPages, OnOpenPage)
    // void OnDefaultTextFont()
    ON_COMMAND(ID_STYLE_TEXT_FONT, OnDefaultTextFont)
END_MESSAGE_MAP()

namespace {

const char kPlayerProgram[] = "Tarnix.exe";
const char kOldProjectName[] = "tarnix.ini";

BOOL SamePath(const CString& strA, const CString& strB)
{
    CString a = strA, b = strB;
    MakeLowerUmlaut(a);
    MakeLowerUmlaut(b);
    return a == b;
}

} // namespace

CTarnixEdDoc::CTarnixEdDoc() : m_bExplorerRefresh(FALSE), m_bDefaultTextFontSet(FALSE), m_bTestRun(FALSE), m_nButtonSheetPage(0),
      m_bStampVersion(FALSE)
{
    m_page.SetOwner(this);
}

CTarnixEdDoc::~CTarnixEdDoc()
{
    m_page.SetOwner(nullptr);
}

// ---------------------------------------------------------------------------
// Opening, saving, closing

BOOL CTarnixEdDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_bExplorerRefresh = FALSE;
    SetPathName("PROJECT_FILENAME", FALSE);
    m_page.InitWindowDefaults();
    return TRUE;
}

BOOL CTarnixEdDoc::OnOpenDocument(LPCSTR lpszPathName)
{
    m_bExplorerRefresh = FALSE;
    if (!CDocument::OnOpenDocument(lpszPathName))
        return FALSE;
    // A page that shows its errors hears of its missing files once, each by name.
    const std::vector<CString> missing = m_page.GetWindow().bShowErrors ? MissingFiles() : std::vector<CString>();
    if (!missing.empty())
    {
        CString text = IsGermanUi() ? "Diese Dateien der Seite fehlen:\n" : "These files of the page are missing:\n";
        for (const CString& file : missing)
            text += "\n" + file;
        AfxMessageBox(text, MB_ICONEXCLAMATION);
    }
    if (m_page.IsDamaged())
    {
        CString text = IsGermanUi() ? "Die Projektdatei ist beschädigt." : "The project file is damaged.";
        text += CutShortText();
        if (!m_page.GetCorrections().empty())
            text += IsGermanUi() ? "\n\nDer Editor zeigt korrigiert:\n" : "\n\nThe editor shows corrected:\n";
        for (const CString& line : m_page.GetCorrections())
            text += "\n" + line;
        AfxMessageBox(text, MB_ICONEXCLAMATION);
    }
    if (m_page.HasHiddenObjects())
        AfxMessageBox(IsGermanUi() ? "Die Seite enthält mehr Objekte, als der Editor zeigen kann (10 Buttons, "
                                     "10 Texte, 1 Textfeld).\nDie übrigen bleiben beim Speichern unverändert erhalten."
                                   : "The page holds more objects than the editor can show (10 buttons, 10 texts, "
                                     "1 text field).\nThe others are saved unchanged.",
                      MB_ICONINFORMATION);
    RefreshPageMenu();
    // From now on every change of the used files refreshes the side bar.
    m_bExplorerRefresh = TRUE;
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
    {
        pFrame->UpdateExplorer(this);
        pFrame->ShowProjectFolder(this);
    }
    CheckProjectVersion();
    return TRUE;
}

CString CTarnixEdDoc::CutShortText() const
{
    const BOOL bGerman = IsGermanUi();
    const CString& section = m_page.GetCutSection();
    CString text;
    switch (m_page.GetCutShort())
    {
    case CProjectPage::cutInLine:
        text = bGerman ? " Sie endet mitten in einer Zeile" : " It ends in the middle of a line";
        if (!section.IsEmpty())
            text += (bGerman ? " im Abschnitt [" : " in the section [") + section + "]";
        break;
    case CProjectPage::cutInSection:
        text = (bGerman ? " Sie bricht im Abschnitt [" : " It breaks off in the section [") + section +
               (bGerman ? "] ab" : "]");
        break;
    case CProjectPage::cutAfterSection:
        text = section.IsEmpty() ? CString(bGerman ? " Sie bricht ab" : " It breaks off")
                                 : (bGerman ? " Sie bricht nach dem Abschnitt [" : " It breaks off after the section [") +
                                       section + (bGerman ? "] ab" : "]");
        break;
    default:
        return CString();
    }
    return text + (bGerman ? "; was danach stand, fehlt." : "; what followed is missing.");
}

std::vector<CString> CTarnixEdDoc::MissingFiles() const
{
    std::vector<CString> missing = m_page.GetMissingFiles();
    auto add = [&missing](const CString& strPath) {
        for (const CString& known : missing)
            if (known.CompareNoCase(strPath) == 0)
                return;
        missing.push_back(strPath);
    };
    // Programs are found along the search path and documents may be
    // addresses: only what names a file of its own is looked for.
    for (int nList : { FILES_IMAGES, FILES_BUTTON_IMAGES, FILES_PAGES, FILES_AVI, FILES_DOCUMENTS, FILES_SOUNDS,
                       FILES_WINDOW_IMAGE })
    {
        const CBuildFileList& list = m_page.GetFileList(nList);
        for (int i = 0; i < list.GetSize(); ++i)
        {
            const CString name = list.GetName(i);
            if (name.IsEmpty() || name.Find("://") >= 0 || name.Left(7).CompareNoCase("mailto:") == 0)
                continue;
            CString path;
            m_page.ResolvePath(name, path);
            if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
                add(path);
        }
    }
    return missing;
}

void CTarnixEdDoc::Serialize(CArchive& ar)
{
    CString path = ar.GetFile() != nullptr ? ar.GetFile()->GetFilePath() : CString();
    // A page is stored only through OnSaveDocument, which keeps the file as
    // read where nothing changed and replaces it only by a complete copy.
    if (ar.IsStoring())
        AfxThrowArchiveException(CArchiveException::genericException, path);
    m_page.LoadProject(path);
    CFontDesc textFont(m_page.GetDefaultTextFont());
    LoadFontStyleFromProfile(textFont, "TEXT");
    m_page.SetDefaultTextFont(textFont);
    SetModifiedFlag(FALSE);
}

void CTarnixEdDoc::PrepareWriter()
{
    CTarnixEdApp* pApp = GetEditorApp();
    if (pApp != nullptr)
        m_page.SetWriterVersion(pApp->m_strBuildText, pApp->m_strFileVersion);
    m_page.SetWriterLanguage(GetUiLanguage());
}

BOOL CTarnixEdDoc::OnSaveDocument(LPCSTR lpszPathName)
{
    CString path = lpszPathName;
    // Windows refuses to replace a read-only file, but not every system does:
    // the flag is checked here so the author's protection always holds.
    DWORD dwAttributes = GetFileAttributesA(path);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0)
    {
        ReportReadOnlyFile(path);
        return FALSE;
    }
    PrepareWriter();
    CProjectFileText::LineList file, written;
    // An edited page is stamped with this editor; an unedited one keeps its bytes.
    m_page.ComposeFile(path, IsModified() || m_bStampVersion, file, written);
    const std::string text = CProjectFileText::Text(file);

    // A file that holds these very bytes already is left as it is: writing
    // it again (through a copy, flushed to the disk) would change nothing but
    // its time.
    std::string onDisk;
    if (ReadFileBytes(path, onDisk, text.size()) && onDisk == text)
    {
        m_page.FileSaved(file, written);
        SetModifiedFlag(FALSE);
        return TRUE;
    }

    // The file is replaced only by a complete copy, so a failed write never
    // leaves the project half written.
    CString folder = ".";
    GetFolderPart(path, folder);
    char temp[MAX_PATH] = "";
    BOOL bSaved = GetTempFileNameA(folder, "tnx", 0, temp) != 0 && WriteFileBytes(temp, text) &&
                  MoveFileExA(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bSaved)
    {
        DWORD dwError = GetLastError();
        if (temp[0] != '\0')
            DeleteFileA(temp);
        CFileException fe(CFileException::OsErrorToException((LONG)dwError), (LONG)dwError, path);
        ReportSaveLoadException(path, &fe, TRUE);
        return FALSE;
    }
    m_page.FileSaved(file, written);
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CTarnixEdDoc::ReportReadOnlyFile(const CString& strPath)
{
    CString text;
    LoadResString(IDS_READ_ONLY_PROJECT, text);
    AfxMessageBox(text + "\n\n" + strPath, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CTarnixEdDoc::SaveTo(const CString& strPath)
{
    SetPathName(strPath, TRUE);
    return OnSaveDocument(strPath);
}

BOOL CTarnixEdDoc::SaveInFull(const CString& strPath)
{
    m_page.ForgetFileText();
    return OnSaveDocument(strPath);
}

void CTarnixEdDoc::DeleteContents()
{
    m_page.DeleteAllObjects();
}

void CTarnixEdDoc::OnFileSave()
{
    CString path = GetPathName();
    CTarnixEdApp* pApp = GetEditorApp();
    if (path.IsEmpty() && pApp != nullptr)
        path = pApp->m_strProjectFile;
    if (!path.IsEmpty())
        OnSaveDocument(path);
}

void CTarnixEdDoc::OnDefaultTextFont()
{
    CTextFontDlg dlg(AfxGetMainWnd());
    dlg.m_font = m_page.GetDefaultTextFont();
    if (dlg.DoModal() != IDOK)
        return;
    m_page.SetDefaultTextFont(dlg.m_font);
    m_bDefaultTextFontSet = TRUE;
    SaveFontStyleToProfile(m_page.GetDefaultTextFont(), "TEXT");
}

void CTarnixEdDoc::OnUsedFilesChanged()
{
    CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (m_bExplorerRefresh && pFrame != nullptr)
        pFrame->UpdateExplorer(this);
}

void CTarnixEdDoc::OnCloseDocument()
{
    // The frame and view go first (the base class closes them), then the
    // objects they showed.
    if (CMainFrame* pFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
        pFrame->ClearProject();
    CDocument::OnCloseDocument();
}

// ---------------------------------------------------------------------------
// Version update

void CTarnixEdDoc::CheckProjectVersion()
{
    CTarnixEdApp* pApp = GetEditorApp();
    if (pApp == nullptr)
        return;
    const CString& version = m_page.GetFileVersion();
    if (!(pApp->m_strFileVersion.Compare(version) > 0 && version.GetLength() > 2))
        return;
    CString question;
    question.LoadString(IDS_ASK_VERSION_UPDATE);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;

    const CString& folder = m_page.GetProjectFolder();
    CopyFileToFolder("Velicon.ico", pApp->m_strEditorFolder, folder);
    CopyFileToFolder("Autorun.inf", pApp->m_strEditorFolder, folder);
    if (!CopyFileToFolder(kPlayerProgram, pApp->m_strEditorFolder, folder))
        return;
    CString target = m_page.GetProjectPath();
    CString name = m_page.GetProjectFileName();
    name.MakeLower();
    // The old name moves to the player's name, but never over a page of that name.
    CString newName = folder + "\\" + ProjectFormat::kDefaultFileName;
    if (name.Left(sizeof(kOldProjectName) - 1) == kOldProjectName && GetFileAttributesA(newName) == INVALID_FILE_ATTRIBUTES)
        target = newName;
    m_bStampVersion = TRUE;
    BOOL bSaved = OnSaveDocument(target);
    m_bStampVersion = FALSE;
    if (!bSaved)
        return;
    pApp->m_strReopenPath = target;
    if (CWnd* pMainWnd = AfxGetMainWnd())
        pMainWnd->PostMessage(WM_COMMAND, MAKEWPARAM(ID_PROJECT_REOPEN, 0), 0);
}

// ---------------------------------------------------------------------------
// Paths

void CTarnixEdDoc::MakeDocRelativePath(CString& strPath) const
{
    if (strPath.IsEmpty() || GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES)
        return;
    ContractProjectPath(strPath, m_page.GetProjectFolder(), FALSE);
}

// ---------------------------------------------------------------------------
// Sub-pages

BOOL CTarnixEdDoc::CreateSubmenuPage(CString& strPath, int& nNumber)
{
    if (!CanAddSubmenu())
        return FALSE;
    for (int k = 1; k <= CPageList::kMaxPages; ++k)
    {
        if (m_page.GetSubPage(k) != nullptr)
            continue;
        CString name = CSubmenuFiles::DefaultPageFile(k);
        CString path = m_page.GetProjectFolder() + "\\" + name;
        // A file of that name may be another page or the author's own: it is never overwritten.
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES)
            continue;
        int nAdded = m_page.AddSubPage(name);
        const CSubmenuFiles* pEntry = m_page.GetSubPage(nAdded);
        if (pEntry == nullptr)
            return FALSE;
        PrepareWriter();
        CLineStore lines;
        CProjectWriter(m_page, lines, path).WriteSubmenuProject(pEntry->m_strTitle, pEntry->m_strBackText, TRUE,
                                                                "Exit");
        if (!lines.SaveFile(path))
        {
            m_page.RemoveSubPage(path);
            return FALSE;
        }
        strPath = path;
        nNumber = nAdded;
        RefreshPageMenu();
        return TRUE;
    }
    return FALSE;
}

void CTarnixEdDoc::OpenSubmenuPage(int nNumber)
{
    const CSubmenuFiles* pEntry = m_page.GetSubPage(nNumber);
    CTarnixEdApp* pApp = GetEditorApp();
    if (pEntry == nullptr || pApp == nullptr)
        return;
    CString path = pEntry->m_strPageFile;
    if (path.Left(12) == ProjectFormat::kCurrentDir)
        path = path.Mid(13);
    if (path.GetLength() < 2 || path[1] != ':')
        path = m_page.GetProjectFolder() + "\\" + path;
    pApp->RequestOpenProject(path);
}

void CTarnixEdDoc::OnOpenPage(UINT nID)
{
    OpenSubmenuPage((int)(nID - ID_PAGEMENU_BASE));
}

void CTarnixEdDoc::RemoveButton(CMButCreateStruct* pButton)
{
    CString page;
    ResolvePath(pButton->m_strDocument, page);
    // The main page and the open page are no sub-pages of their own: their files stay.
    BOOL bBackup = !SamePath(page, m_page.GetProjectPath()) && !SamePath(page, GetPathName());
    if (!m_page.GetMainFile().IsEmpty() && SamePath(page, m_page.GetProjectFolder() + "\\" + m_page.GetMainFile()))
        bBackup = FALSE;
    m_page.RemoveButton(pButton, bBackup);
    RefreshPageMenu();
}

void CTarnixEdDoc::RefreshPageMenu()
{
    // Each load adds its pages' commands to the menu shown: the page menu of the
    // project's own menu bar is rebuilt from the list, so none is listed twice.
    CMultiDocTemplate* pTemplate = dynamic_cast<CMultiDocTemplate*>(GetDocTemplate());
    if (pTemplate == nullptr)
        return;
    m_page.BuildPageMenu(CPageList::FindAnchorMenu(pTemplate->m_hMenuShared, ID_PAGE_NEW));
    // A menu bar of the window's own shows the change when drawn again; the
    // editor's bar builds its popups when they open, and the frame would
    // only be laid out and drawn anew for nothing.
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr && ::GetMenu(pMainWnd->GetSafeHwnd()) != nullptr)
        ::DrawMenuBar(pMainWnd->GetSafeHwnd());
}

namespace {

CObjectClipboard* EditorClipboard()
{
    CTarnixEdApp* pApp = GetEditorApp();
    return pApp != nullptr ? &pApp->GetObjectClipboard() : nullptr;
}

} // namespace

void CTarnixEdDoc::CopyToClipboard(const CObject* pObject, const CString& strPopupItems)
{
    if (CObjectClipboard* pClipboard = EditorClipboard())
        pClipboard->Copy(pObject, strPopupItems);
}

CMObjCreateStruct* CTarnixEdDoc::GetClipboard() const
{
    const CObjectClipboard* pClipboard = EditorClipboard();
    return pClipboard != nullptr ? pClipboard->GetCopy() : nullptr;
}

CString CTarnixEdDoc::GetClipboardPopupItems() const
{
    const CObjectClipboard* pClipboard = EditorClipboard();
    return pClipboard != nullptr ? pClipboard->GetPopupItems() : CString();
}

// ---------------------------------------------------------------------------
// Default text font in the registry

void CTarnixEdDoc::SaveFontStyleToProfile(const CFontDesc& font, LPCSTR lpszPrefix)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    CString prefix(lpszPrefix);
    const LOGFONTA& lf = font.m_logFont;
    pApp->WriteProfileString("SETTINGS", prefix + "_FONT_NAME", lf.lfFaceName);
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_SIZE", lf.lfHeight);
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_STYLE", lf.lfWeight);
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_ITALIC", lf.lfItalic);
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_UNDERLINE", lf.lfUnderline);
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_RED", GetRValue(font.m_crColor));
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_GREEN", GetGValue(font.m_crColor));
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_BLUE", GetBValue(font.m_crColor));
    pApp->WriteProfileString("SETTINGS", prefix + "_FONT_EFFECT", TextEffectName(font.m_nEffect));
    pApp->WriteProfileInt("SETTINGS", prefix + "_FONT_INIT", m_bDefaultTextFontSet ? 1 : 0);
}

void CTarnixEdDoc::LoadFontStyleFromProfile(CFontDesc& font, LPCSTR lpszPrefix)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    CString prefix(lpszPrefix);
    CFontDesc read(font);
    LOGFONTA& lf = read.m_logFont;
    CString name = pApp->GetProfileString("SETTINGS", prefix + "_FONT_NAME", lf.lfFaceName);
    lstrcpynA(lf.lfFaceName, name, LF_FACESIZE);
    lf.lfHeight = (int)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_SIZE", lf.lfHeight);
    lf.lfWeight = (int)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_STYLE", lf.lfWeight);
    lf.lfItalic = (BYTE)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_ITALIC", lf.lfItalic);
    lf.lfUnderline = (BYTE)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_UNDERLINE", lf.lfUnderline);
    int nRed = (int)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_RED", GetRValue(read.m_crColor));
    int nGreen = (int)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_GREEN", GetGValue(read.m_crColor));
    int nBlue = (int)pApp->GetProfileInt("SETTINGS", prefix + "_FONT_BLUE", GetBValue(read.m_crColor));
    read.m_crColor = RGB((BYTE)nRed, (BYTE)nGreen, (BYTE)nBlue);
    read.m_nEffect = ParseTextEffect(pApp->GetProfileString("SETTINGS", prefix + "_FONT_EFFECT", "NONE"));
    m_bDefaultTextFontSet = pApp->GetProfileInt("SETTINGS", prefix + "_FONT_INIT", 0) != 0;
    font.Assign(read);
}
