// The editor's document: one open menu page of a project, held in a project
// page (settings, objects, used files, sub-pages). It opens and saves the
// page's file, checks a project made by an older editor, and creates and
// opens sub-pages.
#pragma once

#include "editor/app/TempFileSet.h"
#include "framework/Document.h"
#include "shared/menuobj/ProjectPage.h"

#include <vector>

class CCmdUI;
class CFontDesc;

class CTarnixEdDoc : public CDocument, public CProjectPageOwner
{
    DECLARE_DYNCREATE(CTarnixEdDoc)
public:
    CTarnixEdDoc();
    ~CTarnixEdDoc() override;

    // Attributes
    CProjectPage& GetPage() { return m_page; }
    const CString& GetProjectFolder() const { return m_page.GetProjectFolder(); }
    BOOL m_bExplorerRefresh;          // used-file changes refresh the explorer
    BOOL m_bDefaultTextFontSet;
    BOOL m_bTestRun;                  // set while the test run saves the page
    int m_nButtonSheetPage;           // the button sheet opens on the page last shown
    int GetPageWidth() const { return m_page.GetWindow().nW; }
    int GetPageHeight() const { return m_page.GetWindow().nH; }
    // The temporary files the editor makes while the page is open.
    CTempFileSet& GetTempFiles() { return m_tempFiles; }

    // Overridables
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // Writes the whole page to a temporary file in the same folder and replaces
    // the file with it only when every line was written; a failure keeps the
    // old file and the modified flag, and is reported once. What the editor did
    // not change keeps its line; a read-only file is refused.
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    void OnCloseDocument() override;
    void DeleteContents() override;
    void Serialize(CArchive& ar) override;

    // Operations
    BOOL SaveTo(const CString& strPath);
    // Says that the file is read-only and cannot be used, naming it.
    static void ReportReadOnlyFile(const CString& strPath);
    // Writes every section as the editor writes it, whatever the file held
    // (a new project's template).
    BOOL SaveInFull(const CString& strPath);
    // Asks to update a project made by an older editor and reopens it after
    // the update.
    void CheckProjectVersion();
    void ResolvePath(const CString& strIn, CString& strOut) const { m_page.ResolvePath(strIn, strOut); }
    void MakeDocRelativePath(CString& strPath) const;

    // Sub-pages
    // Writes a new sub-page file (never over an existing file) and returns its
    // path and its entry number; FALSE when the list is full or no free name is left.
    BOOL CreateSubmenuPage(CString& strPath, int& nNumber);
    void OpenSubmenuPage(int nNumber);
    BOOL IsMainMenu() const { return m_page.IsMainMenu(); }
    BOOL CanAddSubmenu() const { return m_page.CanAddSubmenu(); }
    // Removing a NEWPAGE button renames its page file to a backup, unless it is
    // the main project's file or the open file.
    void RemoveButton(CMButCreateStruct* pButton);
    // Lists the page list's pages in the page menu of the project's menu bar.
    void RefreshPageMenu();

    // A copy of the object (button, text, text field, clip or picture), with
    // a popup-menu button's items, kept for pasting in place of the previous
    // one. The application keeps it: it outlives this page.
    void CopyToClipboard(const CObject* pObject, const CString& strPopupItems = CString());
    CMObjCreateStruct* GetClipboard() const;
    CString GetClipboardPopupItems() const;

    // The default text font in the registry (section SETTINGS, keys prefix + "_FONT_...").
    void SaveFontStyleToProfile(const CFontDesc& font, LPCSTR lpszPrefix);
    void LoadFontStyleFromProfile(CFontDesc& font, LPCSTR lpszPrefix);

    // CProjectPageOwner
    void OnPageModified() override { SetModifiedFlag(TRUE); }
    void OnUsedFilesChanged() override;

protected:
    void OnFileSave();
    void OnOpenPage(UINT nID);
    void OnDefaultTextFont();

    DECLARE_MESSAGE_MAP()

private:
    void PrepareWriter();
    // Every file the page names that is not there: its own (icon, background
    // picture) and those of its objects, each once.
    std::vector<CString> MissingFiles() const;
    // Where the page read was cut short, in the interface language; empty
    // when it was not.
    CString CutShortText() const;

    CProjectPage m_page;
    CTempFileSet m_tempFiles;
    BOOL m_bStampVersion;             // the version update writes the head anew
};
