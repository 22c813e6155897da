// One page of the editor's project as it lies in memory: the page-wide
// settings, the create structs of its objects, the files it uses and its
// sub-pages. It is read from a project file through the settings accessor and
// written back by CProjectWriter. The editor's document owns one and is told
// of changes through CProjectPageOwner.
#pragma once

#include "framework/Afx.h"
#include "shared/menuobj/BuildFileList.h"
#include "shared/menuobj/MObjList.h"
#include "shared/menuobj/PageList.h"
#include "shared/menuobj/PageObjectReader.h"
#include "shared/menuobj/ProjectFileText.h"
#include "shared/support/FontDesc.h"
#include "shared/support/ProjectSettings.h"

#include <set>
#include <string>
#include <vector>

class CMButCreateStruct;
class CMenuObjects;
struct PageObjectLists;
class CMObjCreateStruct;
class CMTextCreateStruct;
class CViewerCreateStruct;


// The used-file lists of a page.
enum UsedFiles
{
    FILES_PROJECT = 0,         // the page's own file
    FILES_IMAGES,              // picture objects and the welcome image
    FILES_BUTTON_IMAGES,
    FILES_PAGES,               // documents of NEWPAGE buttons
    FILES_AVI,
    FILES_DOCUMENTS,           // documents of other buttons, text fields and list boxes
    FILES_APPLICATIONS,        // programs of buttons without an action
    FILES_SOUNDS,
    FILES_WINDOW_IMAGE,
    FILES_LIST_COUNT
};

// Told of changes to a page: its objects or settings (the document's modified
// flag) and its used-file lists (the explorer).
class CProjectPageOwner
{
public:
    virtual void OnPageModified() = 0;
    virtual void OnUsedFilesChanged() = 0;

protected:
    ~CProjectPageOwner() = default;
};

// The page-wide settings in groups, each taken and given whole: a page's
// setter compares and tells its owner only of a real change.

// The page window: place, size, frame, colour and title, and what the player
// does around it.
struct PageWindow
{
    int nX, nY;
    int bPosGiven;                     // 0: centred
    int nW, nH;
    int nSizeType;                     // 0: the background picture's size
    COLORREF crBg;
    int bBorder;
    int nCornerW, nCornerH;
    CString strTitle;
    int bEscExit;
    int bShowErrors;
    int bPaintDesktop;
    COLORREF crDesktop;

    bool operator==(const PageWindow& other) const;
};

// The background picture as the author set it; whether it loaded, and its
// size, the page finds out itself.
struct PageBackground
{
    int bShown;
    CString strFile;
    int nX, nY;
    int nPos;                          // placement, numbered as the background picture dialog does
    int nRepeat;

    bool operator==(const PageBackground& other) const;
};

// The page's background sound and the buttons' key sounds.
struct PageSound
{
    int bOn;
    CString strFile;
    int bRepeat;
    int bKeyClick, bKeyOver;

    bool operator==(const PageSound& other) const;
};

// What every button of the page shares.
struct PageButtonStyle
{
    int nBrightness;
    int bHover;
    CFontDesc font;

    bool operator==(const PageButtonStyle& other) const;
};

// The welcome screen shown before the page.
struct PageWelcome
{
    int bOn;
    CString strText[4];
    CString strIcon;                   // also the page window's icon
    int nTime;                         // seconds
    COLORREF crBg;
    int bImage;
    CString strImage;

    bool operator==(const PageWelcome& other) const;
};

// The area that shows the tooltip of the object under the mouse.
struct PageTooltipArea
{
    int bOn;
    RECT rc;
    int bCenter;
    int bTransparent;
    COLORREF crBg;
    CString strText;                   // shown while no object has a tooltip
    CFontDesc font;

    bool operator==(const PageTooltipArea& other) const;
};

class CProjectPage : public CObject
{
    DECLARE_DYNAMIC(CProjectPage)
public:
    static constexpr int kMaxButtons = 10;
    static constexpr int kMaxTexts = 10;
    static constexpr int kPopupCount = 100;    // "<POPUPMENU00>" to "<POPUPMENU99>"

    CProjectPage();
    CProjectPage(const CProjectPage&) = delete;
    CProjectPage& operator=(const CProjectPage&) = delete;
    ~CProjectPage() override;

    void SetOwner(CProjectPageOwner* pOwner) { m_pOwner = pOwner; }

    // Reading
    // Reads a project file into the page: everything is cleared first; the
    // path gives folder and file name. Reading never fails: missing values take
    // their defaults.
    void LoadProject(const CString& strPath);
    // Whether the last read found more buttons, texts or text fields than a
    // page shows; those keep their sections at the next save.
    BOOL HasHiddenObjects() const { return m_bHiddenObjects; }
    // The files the last read named for the page itself (window icon,
    // background picture) that do not exist.
    const std::vector<CString>& GetMissingFiles() const { return m_missingFiles; }
    // What the last read put right so that every object can be seen and
    // selected inside the page, one line each ("BUTTON2 W=99999"); the places
    // are corrected in memory only, the file keeps its lines until a save
    // that changes it, which writes the corrected objects in full.
    const std::vector<CString>& GetCorrections() const { return m_corrections; }
    // Whether the file was damaged: cut inside a line, or a place or size that
    // is no number, below 0 or larger than the page. (An object wholly beyond
    // the page's edge, as on a page sized to a smaller picture, is only moved in.)
    BOOL IsDamaged() const { return m_bDamaged; }
    // How the file was cut short, which makes it damaged: inside a line;
    // inside a section, as a page the editor wrote whose last line is no
    // section's closing line, or whose last object lacks what it needs; or
    // after a section, as a page the editor wrote without the tooltip section
    // that the editor writes last on every page.
    enum CutShort
    {
        cutNone = 0,
        cutInLine,
        cutInSection,
        cutAfterSection,
    };
    CutShort GetCutShort() const { return m_nCutShort; }
    // The section (upper case) the file was cut in or after; empty when it
    // has none or was not cut.
    const CString& GetCutSection() const { return m_strCutSection; }
    // The lines to save to strPath: the writer's lines for the page now
    // (written) merged into the file as read, so that whatever the editor did
    // not change keeps its line. bFreshHead writes the head section anew.
    void ComposeFile(const CString& strPath, BOOL bFreshHead, CProjectFileText::LineList& file,
                     CProjectFileText::LineList& written);
    // The next save writes the writer's lines alone.
    void ForgetFileText() { m_fileText.Reset(); }
    // After the file was saved: what it now holds is what the next save
    // starts from, each object in the section it was written to.
    void FileSaved(const CProjectFileText::LineList& file, const CProjectFileText::LineList& written);
    // The item text of popup nNumber as read or last set; empty when none.
    CString GetPopupMenuText(int nNumber) const
    {
        return nNumber >= 0 && nNumber < kPopupCount ? m_strPopupTexts[nNumber] : CString();
    }
    // Stores the background picture's name, a new one marking the page
    // modified, and loads the picture for its size.
    void SetBackgroundImage(const CString& strFile);

    // Clearing
    void DeleteAllObjects();
    void InitWindowDefaults();

    // Objects. Add appends (FALSE, nothing added, when the list is full) and
    // Remove deletes; both count the object's files and mark the page modified.
    BOOL AddButton(CMButCreateStruct* pButton);
    // A NEWPAGE button's page leaves the page list; with bBackup its page file
    // is renamed to a backup.
    void RemoveButton(CMButCreateStruct* pButton, BOOL bBackup);
    void ReplaceButton(CMButCreateStruct* pOld, CMButCreateStruct* pNew);
    BOOL AddText(CMTextCreateStruct* pText);
    void RemoveText(CMTextCreateStruct* pText);
    BOOL AddTextField(CViewerCreateStruct* pField);
    void RemoveTextField(CViewerCreateStruct* pField);
    BOOL AddImage(CMObjCreateStruct* pImage);
    void RemoveImage(CMObjCreateStruct* pImage);
    BOOL AddAviClip(CMObjCreateStruct* pClip);
    void RemoveAviClip(CMObjCreateStruct* pClip);
    BOOL AddSlider(CMObjCreateStruct* pSlider);
    void RemoveSlider(CMObjCreateStruct* pSlider);
    BOOL AddListBox(CMObjCreateStruct* pListBox);
    void RemoveListBox(CMObjCreateStruct* pListBox);

    // A new version of an object or setting takes the old one's place in the
    // used files; the explorer hears of it once.
    void ReplaceTextField(const CViewerCreateStruct& oldField, const CViewerCreateStruct& newField);
    void ReplaceAviClip(const CMObjCreateStruct& oldClip, const CMObjCreateStruct& newClip);
    void ReplaceImage(const CMObjCreateStruct& oldImage, const CMObjCreateStruct& newImage);
    void ReplaceListBox(const CMObjCreateStruct& oldListBox, const CMObjCreateStruct& newListBox);
    // The background picture, the clip of the start events and the page's sound.
    void ReplaceImageFile(const CString& strNew) { ReplaceFile(FILES_WINDOW_IMAGE, m_background.strFile, strNew); }
    void ReplaceAviFile(const CString& strOld, const CString& strNew) { ReplaceFile(FILES_AVI, strOld, strNew); }
    void ReplaceSoundFile(const CString& strOld, const CString& strNew) { ReplaceFile(FILES_SOUNDS, strOld, strNew); }

    // Used files
    void UseFile(int nList, const CString& strName);
    void ReleaseFile(int nList, const CString& strName);
    void ReplaceFile(int nList, const CString& strOld, const CString& strNew);
    void CollectUsedFiles(const CMButCreateStruct& button);
    void ReleaseUsedFiles(const CMButCreateStruct& button);
    // The files of popup item texts, each counted like a button's.
    void CollectPopupMenuFiles(const CString& strItems);
    void ReleasePopupMenuFiles(const CString& strItems);
    const CBuildFileList& GetFileList(int nList) const { return m_fileLists[nList]; }

    // Sub-pages
    // Resets the page list and adds one page per NEWPAGE button.
    void BuildSubmenuList();
    BOOL IsMainMenu() const;
    BOOL CanAddSubmenu() const { return IsMainMenu() && !m_pages.IsFull(); }

    // Paths
    void ResolvePath(const CString& strIn, CString& strOut) const;

    // Where the page was read from
    const CString& GetProjectPath() const { return m_strProjectPath; }
    const CString& GetProjectFolder() const { return m_strProjectFolder; }   // no trailing backslash
    const CString& GetProjectFileName() const { return m_strProjectFileName; }
    // FILEVERSION as read from the page
    const CString& GetFileVersion() const { return m_strFileVersion; }
    // What the writer puts into the head section. It tells who writes the
    // page, not what the page holds: no change of the page.
    void SetWriterVersion(const CString& strEditorVersion, const CString& strEditorFileVersion)
    {
        m_strEditorVersion = strEditorVersion;
        m_strEditorFileVersion = strEditorFileVersion;
    }
    void SetWriterLanguage(char chLanguage) { m_chEditorLanguage = chLanguage; }

    // Menu type
    int GetMenuLevel() const { return m_nMenuLevel; }
    const CString& GetMainFile() const { return m_strMainFile; }   // a sub-page's main file name

    // Settings. Each setter takes a whole group and marks the page modified
    // when anything in it changed.
    const PageWindow& GetWindow() const { return m_window; }
    void SetWindow(const PageWindow& window);
    const PageBackground& GetBackground() const { return m_background; }
    // A new file counts as not loaded until SetBackgroundImage loads it.
    void SetBackground(const PageBackground& background);
    // Whether the background picture is on and loaded, and its size (1 x 1 when not loaded).
    BOOL ShowsBackground() const { return m_background.bShown && m_bImageLoaded; }
    BOOL IsBackgroundLoaded() const { return m_bImageLoaded; }
    SIZE GetBackgroundSize() const { return { m_nImageW, m_nImageH }; }
    const PageSound& GetSound() const { return m_sound; }
    void SetSound(const PageSound& sound);
    const PageButtonStyle& GetButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(const PageButtonStyle& style);
    const PageWelcome& GetWelcome() const { return m_welcome; }
    void SetWelcome(const PageWelcome& welcome);
    const PageTooltipArea& GetTooltipArea() const { return m_tooltip; }
    void SetTooltipArea(const PageTooltipArea& tooltip);
    // The editor's default for new texts, kept in its settings: no change of the page.
    const CFontDesc& GetDefaultTextFont() const { return m_defaultTextFont; }
    void SetDefaultTextFont(const CFontDesc& font) { m_defaultTextFont.Assign(font); }
    // Popup nNumber's item text, its files counted instead of the old text's.
    void SetPopupMenuText(int nNumber, const CString& strItems);

    // The create structs, kind by kind. The lists change only through the
    // page (Add..., Remove..., TakeTabOrder); the objects in them are the
    // canvas's to edit.
    const CMObjList& GetButtons() const { return m_buttons; }
    const CMObjList& GetTexts() const { return m_texts; }
    const CMObjList& GetTextFields() const { return m_textFields; }
    const CMObjList& GetAviClips() const { return m_aviClips; }
    const CMObjList& GetSliders() const { return m_sliders; }
    const CMObjList& GetImages() const { return m_images; }
    const CMObjList& GetListBoxes() const { return m_listBoxes; }
    PageObjectLists GetObjectLists() const;
    // Orders the buttons, texts and text fields as the canvas's tab order has them.
    void TakeTabOrder(CMenuObjects& objects);

    // The sub-pages. An entry follows the NEWPAGE button that opens it, which
    // is the page's change.
    const CPageList& GetPages() const { return m_pages; }
    const CSubmenuFiles* GetSubPage(int nNumber) { return m_pages.GetPage(nNumber); }
    // A new entry for a sub-page file of the folder; its number, -1 when the list is full.
    int AddSubPage(const CString& strFileName, const CString& strTitle = CString())
    {
        return m_pages.AddPage(strTitle, m_strProjectFileName, CString(), strFileName);
    }
    void RemoveSubPage(const CString& strPath) { m_pages.RemovePage(strPath, FALSE); }
    void BuildPageMenu(HMENU hMenu) { m_pages.BuildPageMenu(hMenu); }

private:
    // The writer is the page's own file form: it reads every member and takes
    // back what it trims.
    friend class CProjectWriter;

    // Where the page was read from
    CString m_strProjectPath;
    CString m_strProjectFolder;
    CString m_strProjectFileName;
    CProjectSettings m_settings;       // the accessor of the last read

    // What the writer puts into the head section
    CString m_strEditorVersion;        // e.g. "Tarnix Editor 2.40"
    CString m_strEditorFileVersion;    // e.g. "024000"
    char m_chEditorLanguage;           // 'G', 'E' or 'F'
    CString m_strFileVersion;

    // Menu type
    CString m_strMenuType;
    int m_nMenuLevel;
    CString m_strMainFile;

    PageWindow m_window;
    PageBackground m_background;
    int m_bImageLoaded;                // the background picture loaded, and its size
    int m_nImageW, m_nImageH;
    HICON m_hIcon;                     // from the welcome icon file, owned
    PageSound m_sound;
    PageButtonStyle m_buttonStyle;
    PageWelcome m_welcome;
    PageTooltipArea m_tooltip;
    CFontDesc m_defaultTextFont;

    // Create structs, owned
    CMObjList m_buttons;               // CMButCreateStruct
    CMObjList m_texts;                 // CMTextCreateStruct
    CMObjList m_textFields;            // CViewerCreateStruct
    CMObjList m_aviClips;              // CMObjCreateStruct of each kind below
    CMObjList m_sliders;
    CMObjList m_images;
    CMObjList m_listBoxes;
    // Item texts of the popup menus named by buttons, by popup number, as read.
    CString m_strPopupTexts[kPopupCount];

    CPageList m_pages;

    void ReadProjectSettings();
    // ITEM00 of a popup section into strText when it is not empty; its files
    // count as used.
    void ReadPopupMenu(LPCSTR lpszSection, CString& strText);
    void ReadWindowImage();
    void ReadWindowSections();
    void ReadWelcomeSection();
    void ReadSoundSection();
    void ReadButtonsSection();
    void ReadButtons();
    void ReadTexts();
    void ReadTextFields();
    void ReadImageObject();
    void ReadEditorObjects();
    void LoadWindowIcon();
    void ReadTooltipSection();
    void ReadPopupMenus();
    // Whether the last read corrected an object of the section.
    BOOL CorrectsSection(const std::string& strSection) const;
    // Finds where the file read was cut short.
    void FindCutShort();
    void TakeMainPageSize();
    CString ReadText(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nMaxChars);
    void ReadObjectSection(LPCSTR lpszSection, int nType);
    // Notes place and size values of an object's section that are no numbers.
    void CheckObjectNumbers(LPCSTR lpszSection);
    // Gives every object a size and a place inside the page.
    void CorrectObjectRects();

    BOOL AddToList(CMObjList& list, CMObjCreateStruct* pObject);
    void RemoveFromList(CMObjList& list, CMObjCreateStruct* pObject);
    BOOL AddUsingFile(CMObjList& list, CMObjCreateStruct* pObject, int nFileList, const CString& strFile);
    void RemoveUsingFile(CMObjList& list, CMObjCreateStruct* pObject, int nFileList, const CString& strFile);
    void FilesChanged();
    void Modified();
    // Takes a settings group and tells the owner when it changed.
    template <class Group>
    void SetGroup(Group& member, const Group& value)
    {
        if (value == member)
            return;
        member = value;
        Modified();
    }

    CProjectFileText m_fileText;        // the file as read, for the next save
    BOOL m_bHiddenObjects;
    std::vector<CString> m_missingFiles;
    std::vector<CString> m_corrections;
    std::set<std::string> m_correctedSections;   // of the objects named in m_corrections
    CProjectFileText::SectionOrigins m_composedOrigins;   // of the last ComposeFile
    BOOL m_bDamaged;
    BOOL m_bWrittenByEditor;           // the head's VERSION names the editor
    CutShort m_nCutShort;
    CString m_strCutSection;
    CProjectPageOwner* m_pOwner;
    CBuildFileList m_fileLists[FILES_LIST_COUNT];
    int m_nHoldRefresh;                // explorer refresh held off while above 0
};
