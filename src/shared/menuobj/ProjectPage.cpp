#include "shared/menuobj/ProjectPage.h"

#include "shared/menuobj/PageObjectReader.h"

#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ProjectPaths.h"
#include "shared/menuobj/ProjectWriter.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/DibImage.h"
#include "shared/support/IconFile.h"
#include "shared/support/Picture.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>

IMPLEMENT_DYNAMIC(CProjectPage, CObject)

namespace {

const int kMinWindowW = 120;
const int kMinWindowH = 50;
const int kTextWidth = 50;           // a text window measures itself once shown
const int kTextHeight = 16;
const int kMaxTextSections = 12;
const int kMaxSizeOfScreen = 0x7FFF;

int Clamp(int nValue, int nLow, int nHigh)
{
    return std::min(std::max(nValue, nLow), nHigh);
}

SIZE ScreenSize()
{
    RECT rc = { 0, 0, 0, 0 };
    ::GetWindowRect(::GetDesktopWindow(), &rc);
    SIZE size = { rc.right - rc.left, rc.bottom - rc.top };
    if (size.cx <= 0 || size.cy <= 0)
        size.cx = size.cy = kMaxSizeOfScreen;
    return size;
}

BOOL CanOpenForReading(const CString& strPath)
{
    HANDLE hFile = CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    CloseHandle(hFile);
    return TRUE;
}

BOOL IsPopupOrListBox(const CString& strDocument)
{
    return strDocument.Left(9) == ProjectFormat::kListBoxDocument ||
           ProjectFormat::IsPopupDocument(strDocument);
}

} // namespace

CProjectPage::CProjectPage()
    : m_chEditorLanguage('G'), m_hIcon(nullptr), m_bHiddenObjects(FALSE), m_bDamaged(FALSE), m_bWrittenByEditor(FALSE), m_nCutShort(cutNone), m_pOwner(nullptr), m_nHoldRefresh(0)
{
    m_buttons.SetMaxCount(kMaxButtons);
    m_texts.SetMaxCount(kMaxTexts);
    m_textFields.SetMaxCount(1);
    m_aviClips.SetMaxCount(1);
    m_sliders.SetMaxCount(1);
    m_images.SetMaxCount(1);
    m_listBoxes.SetMaxCount(1);
    InitWindowDefaults();
    m_strMenuType = ProjectFormat::kMainMenu;
    m_nMenuLevel = 0;
}

CProjectPage::~CProjectPage()
{
    m_pOwner = nullptr;
    DeleteAllObjects();
}

// ---------------------------------------------------------------------------
// Clearing

void CProjectPage::InitWindowDefaults()
{
    m_window.nX = m_window.nY = -1;
    m_window.bPosGiven = 0;
    m_window.nW = 500;
    m_window.nH = 350;
    m_window.nSizeType = 1;
    m_window.crBg = RGB(196, 196, 196);
    m_window.bBorder = 1;
    m_window.nCornerW = m_window.nCornerH = 1;
    m_window.strTitle.Empty();
    m_window.bEscExit = m_window.bShowErrors = 0;
    m_background.bShown = 0;
    m_background.strFile.Empty();
    m_background.nX = m_background.nY = m_background.nPos = m_background.nRepeat = 0;
    m_bImageLoaded = 0;
    m_nImageW = m_nImageH = 1;
    m_window.bPaintDesktop = 0;
    m_window.crDesktop = RGB(0, 0, 0);
    m_sound.bOn = m_sound.bRepeat = m_sound.bKeyClick = m_sound.bKeyOver = 0;
    m_sound.strFile.Empty();
    m_buttonStyle.nBrightness = 100;
    m_buttonStyle.bHover = 0;
    m_welcome.bOn = 0;
    for (CString& text : m_welcome.strText)
        text.Empty();
    m_welcome.strIcon.Empty();
    m_welcome.nTime = 5;
    m_welcome.crBg = RGB(255, 255, 255);
    m_welcome.bImage = 0;
    m_welcome.strImage.Empty();
    m_tooltip.bOn = 0;
    SetRect(&m_tooltip.rc, 0, 0, 50, 20);
    m_tooltip.bCenter = m_tooltip.bTransparent = 0;
    m_tooltip.crBg = RGB(255, 255, 255);
    m_tooltip.strText.Empty();
    m_strMainFile.Empty();
    m_strFileVersion.Empty();
}

void CProjectPage::DeleteAllObjects()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
    m_pages.Reset();
    for (CBuildFileList& list : m_fileLists)
        list.RemoveAll();
    for (CMObjList* pList : { &m_buttons, &m_texts, &m_textFields, &m_aviClips, &m_sliders, &m_images, &m_listBoxes })
        pList->DeleteAll();
    for (CString& text : m_strPopupTexts)
        text.Empty();
    m_strProjectFolder.Empty();
    m_strProjectFileName.Empty();
    m_fileText.Reset();
}

void CProjectPage::ComposeFile(const CString& strPath, BOOL bFreshHead, CProjectFileText::LineList& file,
                               CProjectFileText::LineList& written)
{
    CLineStore store;
    CProjectWriter writer(*this, store, strPath);
    writer.WriteProject();
    written = CProjectFileText::StoreLines(store);
    m_composedOrigins = writer.GetSectionOrigins();
    file = m_fileText.Merge(written, m_composedOrigins, ProjectFormat::kSecHead, bFreshHead);
}

void CProjectPage::FileSaved(const CProjectFileText::LineList& file, const CProjectFileText::LineList& written)
{
    if (!m_fileText.Saved(file, written, m_composedOrigins, ProjectFormat::kSecHead))
        return;
    // The writer numbers each kind from 1 in list order; the sections of
    // fixed name count as 1.
    for (CMObjList* pList : { &m_buttons, &m_texts, &m_textFields, &m_aviClips, &m_sliders, &m_images, &m_listBoxes })
        for (int i = 0; i < pList->GetSize(); ++i)
            static_cast<CMObjCreateStruct*>((*pList)[i])->m_nFileSection = i + 1;
}

// ---------------------------------------------------------------------------
// Reading

void CProjectPage::LoadProject(const CString& strPath)
{
    m_settings.OpenProjectText(strPath);
    DeleteAllObjects();
    InitWindowDefaults();
    m_strProjectPath = strPath;
    int nSlash = strPath.ReverseFind('\\');
    if (nSlash > 0)
    {
        m_strProjectFolder = strPath.Left(nSlash);
        m_strProjectFileName = strPath.Mid(nSlash + 1);
    }
    else
        m_strProjectFileName = strPath;
    for (CBuildFileList& list : m_fileLists)
        list.SetPaths(m_strProjectFolder, ProjectFormat::kCurrentDir);

    ++m_nHoldRefresh;
    ReadProjectSettings();
    UseFile(FILES_PROJECT, m_strProjectFileName);
    --m_nHoldRefresh;
    if (m_fileText.Load(strPath))
    {
        FindCutShort();
        m_bDamaged = m_bDamaged || m_nCutShort != cutNone;
        CLineStore store;
        CProjectWriter writer(*this, store, strPath);
        writer.SetWarnings(FALSE);
        writer.WriteProject();
        m_fileText.SetBaseline(CProjectFileText::StoreLines(store), writer.GetSectionOrigins(), m_correctedSections);
    }
    Modified();
    FilesChanged();
}

void CProjectPage::FindCutShort()
{
    // The editor ends every section with its closing line and writes the
    // tooltip section last on every page: a page it wrote that lacks either
    // lost its end, even when its last line is whole.
    const std::string inside = m_fileText.SectionCutShort();
    if (m_fileText.EndsInsideALine())
        m_nCutShort = cutInLine;
    else if (!inside.empty() && (m_bWrittenByEditor || CorrectsSection(inside)))
        m_nCutShort = cutInSection;
    else if (m_bWrittenByEditor && !m_fileText.HasSection(ProjectFormat::kSecToolTip))
        m_nCutShort = cutAfterSection;
    if (m_nCutShort != cutNone)
        m_strCutSection = m_fileText.LastSection().c_str();
}

BOOL CProjectPage::CorrectsSection(const std::string& strSection) const
{
    if (strSection.empty())
        return FALSE;
    const CString prefix = CString(strSection.c_str()) + " ";
    for (const CString& line : m_corrections)
        if (line.Left(prefix.GetLength()).CompareNoCase(prefix) == 0)
            return TRUE;
    return FALSE;
}

void CProjectPage::ReadProjectSettings()
{
    m_bHiddenObjects = FALSE;
    m_bDamaged = FALSE;
    m_nCutShort = cutNone;
    m_strCutSection.Empty();
    m_missingFiles.clear();
    m_corrections.clear();
    m_correctedSections.clear();
    InitWindowDefaults();
    m_pages.Reset();
    int nLevel = 0;
    m_settings.GetMenuType(m_strMenuType, nLevel, m_strMainFile);
    m_nMenuLevel = nLevel;
    ReadWindowImage();
    ReadWindowSections();
    ReadWelcomeSection();
    ReadSoundSection();
    m_window.bShowErrors = m_settings.GetInt(ProjectFormat::kSecWindow, ProjectFormat::kKeyError, 0);
    m_window.bEscExit = m_settings.GetInt(ProjectFormat::kSecWindow, ProjectFormat::kKeyEscExit, 0);
    m_strFileVersion = ReadText(ProjectFormat::kSecHead, ProjectFormat::kKeyFileVersion, "0", 77);
    m_bWrittenByEditor =
        ProjectFormat::IsEditorVersion(ReadText(ProjectFormat::kSecHead, ProjectFormat::kKeyVersion, "", 80));
    ReadButtons();
    ReadPopupMenus();
    ReadTexts();
    ReadTextFields();
    ReadImageObject();
    ReadEditorObjects();
    LoadWindowIcon();
    ReadTooltipSection();
    BuildSubmenuList();
    TakeMainPageSize();
    CorrectObjectRects();
}

CString CProjectPage::ReadText(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nMaxChars)
{
    return ReadPageText(m_settings, lpszSection, lpszKey, lpszDefault, nMaxChars);
}

void CProjectPage::ReadWindowImage()
{
    m_bImageLoaded = 0;
    m_nImageW = m_nImageH = 1;
    m_background.bShown = m_settings.HasWindowImage();
    CString file;
    if (m_background.bShown &&
        m_settings.GetWindowImage(file, m_background.nX, m_background.nY, m_background.nPos, m_background.nRepeat))
        SetBackgroundImage(file);
}

void CProjectPage::SetBackgroundImage(const CString& strFile)
{
    if (strFile != m_background.strFile)
    {
        m_background.strFile = strFile;
        Modified();
    }
    m_bImageLoaded = 0;
    m_nImageW = m_nImageH = 1;
    if (strFile.IsEmpty())
        return;
    if (GetFileAttributesA(strFile) == INVALID_FILE_ATTRIBUTES)
    {
        m_missingFiles.push_back(strFile);
        return;
    }
    CString extension = strFile.Right(4);
    extension.MakeUpper();
    CDibImage dib;
    if ((extension == ".BMP" || extension == ".DIB") && LoadDibImage(dib, strFile))
    {
        m_nImageW = dib.GetWidth();
        m_nImageH = dib.GetHeight();
        m_bImageLoaded = 1;
    }
    else
    {
        CPicture picture;
        picture.m_bShowErrors = FALSE;
        if (picture.Load(strFile))
        {
            m_nImageW = picture.GetWidth();
            m_nImageH = picture.GetHeight();
            m_bImageLoaded = 1;
        }
    }
    if (m_bImageLoaded)
        UseFile(FILES_WINDOW_IMAGE, strFile);
}

void CProjectPage::ReadWindowSections()
{
    using namespace ProjectFormat;
    m_window.bBorder = m_settings.GetInt(kSecWindow, kKeyBorder, 1) != 0 ? 1 : 0;
    m_window.nCornerW = Clamp(m_settings.GetInt(kSecWindow, kKeyCornerWidth, 1), 0, kMaxCorner);
    m_window.nCornerH = Clamp(m_settings.GetInt(kSecWindow, kKeyCornerHeight, 1), 0, kMaxCorner);

    SIZE screen = ScreenSize();
    int nX = m_settings.GetInt(kSecWindowPos, kKeyX, -1);
    int nY = m_settings.GetInt(kSecWindowPos, kKeyY, -1);
    int nW = m_settings.GetInt(kSecWindowSize, kKeyW, -1);
    int nH = m_settings.GetInt(kSecWindowSize, kKeyH, -1);
    m_window.nSizeType = m_settings.GetInt(kSecWindowSize, kKeySizeType, 1) != 0 ? 1 : 0;
    m_window.bPosGiven = nX == -1 && nY == -1 ? 0 : 1;
    const RECT rect = PageRect(nX, nY, nW, nH, m_window.nSizeType, { m_nImageW, m_nImageH }, { m_nImageW, m_nImageH },
                               { kMinWindowW, kMinWindowH }, screen);
    m_window.nX = rect.left;
    m_window.nY = rect.top;
    m_window.nW = rect.right - rect.left;
    m_window.nH = rect.bottom - rect.top;

    m_window.crBg = ReadWindowBgColor(m_settings);
    m_window.strTitle = ReadText(kSecWindow, kKeyTitle, "Tarnix", 198);
    m_settings.GetDesktop(m_window.bPaintDesktop, m_window.crDesktop);
}

void CProjectPage::ReadWelcomeSection()
{
    using namespace ProjectFormat;
    int nSeconds = 5;
    m_settings.GetWelcomeIcon(m_welcome.crBg, m_welcome.strIcon, nSeconds);
    m_welcome.nTime = Clamp(nSeconds, kMinWelcomeTime, kMaxWelcomeTime);
    m_welcome.bOn = m_settings.GetInt(kSecWelcome, kKeyEnable, 0);
    LPCSTR keys[] = { kKeyText1, kKeyText2, kKeyText3, kKeyText4 };
    for (int i = 0; i < 4; ++i)
        m_welcome.strText[i] = ReadText(kSecWelcome, keys[i], "", 79);
    m_welcome.strImage = ReadText(kSecWelcome, kKeyImageFile, "", 298);
    m_settings.ExpandCurrentDir(m_welcome.strImage);
    m_welcome.bImage = m_settings.GetInt(kSecWelcome, kKeyImage, 0);
    if (m_welcome.bImage)
        UseFile(FILES_IMAGES, m_welcome.strImage);
}

void CProjectPage::ReadSoundSection()
{
    m_sound.bOn = m_settings.GetSound(m_sound.strFile, m_sound.bRepeat, m_sound.bKeyClick, m_sound.bKeyOver) ? 1 : 0;
    if (m_sound.bOn)
        UseFile(FILES_SOUNDS, m_sound.strFile);
    else
        ReleaseFile(FILES_SOUNDS, m_sound.strFile);
}

void CProjectPage::ReadButtonsSection()
{
    using namespace ProjectFormat;
    m_buttonStyle.nBrightness = m_settings.GetInt(kSecButtons, kKeyBrightness, 100);
    m_buttonStyle.bHover = m_settings.GetInt(kSecButtons, kKeyHover, 0);
    m_settings.GetFont(kSecButtons, kFontButton, m_buttonStyle.font);
}

void CProjectPage::ReadButtons()
{
    ReadButtonsSection();
    m_buttons.DeleteAll();
    const PageButtonLook look = { &m_buttonStyle.font, m_buttonStyle.nBrightness, m_buttonStyle.bHover, m_window.crBg };
    // Sections are tried beyond the maximum, so that gaps in the numbering are skipped.
    for (int n = 1; n <= m_buttons.GetMaxCount() + 10; ++n)
    {
        CMButCreateStruct* pButton = ReadButtonCreateStruct(m_settings, n, look);
        if (!pButton)
            continue;
        CheckObjectNumbers(ProjectFormat::ButtonSection(n));
        pButton->m_nNumber = (int)m_buttons.GetSize();
        pButton->m_nFileSection = n;
        if (pButton->m_strStyle != "H")
            pButton->m_fontIdle.Assign(m_buttonStyle.font);
        const CString& style = pButton->m_strStyle;
        if ((style == "B" || style == "M" || style == "O") && !CanOpenForReading(pButton->m_strBitmap))
            pButton->m_strStyle = "W";
        if (!AddButton(pButton))
        {
            // Shown no more, written back as it stands.
            delete pButton;
            m_bHiddenObjects = TRUE;
            break;
        }
    }
}

void CProjectPage::ReadPopupMenus()
{
    for (int i = 0; i < m_buttons.GetSize(); ++i)
    {
        const CMButCreateStruct* pButton = static_cast<CMButCreateStruct*>(m_buttons[i]);
        int nNumber = ProjectFormat::GetPopupNumber(pButton->m_strDocument);
        if (nNumber >= 0 && nNumber < kPopupCount && m_strPopupTexts[nNumber].IsEmpty())
            ReadPopupMenu(ProjectFormat::PopupSection(nNumber), m_strPopupTexts[nNumber]);
    }
}

void CProjectPage::ReadPopupMenu(LPCSTR lpszSection, CString& strText)
{
    CString item = ReadText(lpszSection, ProjectFormat::PopupItemKey(0), "", 1023);
    if (!item.IsEmpty())
        strText = item;
    CollectPopupMenuFiles(strText);
}

void CProjectPage::ReadTexts()
{
    m_texts.DeleteAll();
    for (int n = 1; n <= kMaxTextSections; ++n)
    {
        CMTextCreateStruct* pText = ReadTextCreateStruct(m_settings, n, { kTextWidth, kTextHeight }, m_window.crBg);
        if (pText)
        {
            CheckObjectNumbers(ProjectFormat::TextSection(n));
            pText->m_nFileSection = n;
        }
        if (pText && !AddText(pText))
        {
            delete pText;
            m_bHiddenObjects = TRUE;
            break;
        }
    }
}

void CProjectPage::ReadTextFields()
{
    m_textFields.DeleteAll();
    for (int n = 1; n <= m_textFields.GetMaxCount() + 1; ++n)
    {
        CViewerCreateStruct* pField = ReadTextFieldCreateStruct(m_settings, n, m_window.crBg);
        if (pField)
        {
            CheckObjectNumbers(ProjectFormat::TextFieldSection(n));
            pField->m_nFileSection = n;
        }
        if (pField && !AddTextField(pField))
        {
            delete pField;
            m_bHiddenObjects = TRUE;
            break;
        }
    }
}

void CProjectPage::ReadImageObject()
{
    CMObjCreateStruct* pImage = ReadImageCreateStruct(m_settings);
    if (pImage != nullptr)
    {
        CheckObjectNumbers(ProjectFormat::ImageSection(1));
        pImage->m_nFileSection = 1;
    }
    if (pImage != nullptr && !AddImage(pImage))
        delete pImage;
}

void CProjectPage::ReadObjectSection(LPCSTR lpszSection, int nType)
{
    CMObjCreateStruct* pObject = ReadObjectSectionCreateStruct(m_settings, lpszSection, nType);
    if (pObject == nullptr)
        return;
    CheckObjectNumbers(lpszSection);
    pObject->m_nFileSection = 1;
    BOOL bAdded = nType == MOBJ_AVICLIP ? AddAviClip(pObject)
                  : nType == MOBJ_SLIDER ? AddSlider(pObject)
                                         : AddListBox(pObject);
    if (!bAdded)
        delete pObject;
}

void CProjectPage::CheckObjectNumbers(LPCSTR lpszSection)
{
    using namespace ProjectFormat;
    for (LPCSTR key : { kKeyX, kKeyY, kKeyW, kKeyH })
    {
        CString value = ReadText(lpszSection, key, "", 30);
        CString digits = value;
        digits.TrimLeft(" \t+-");
        // A number below 0 (a size of 0 or less) hides its object as surely as no number.
        BOOL bSize = key == kKeyW || key == kKeyH;
        int nValue = atoi(value);
        if (value.IsEmpty() || ((digits[0] >= '0' && digits[0] <= '9') && (bSize ? nValue > 0 : nValue >= 0)))
            continue;
        m_corrections.push_back(CString(lpszSection) + " " + key + "=" + value);
        m_correctedSections.insert((LPCSTR)CString(lpszSection));
        m_bDamaged = TRUE;
    }
}

void CProjectPage::CorrectObjectRects()
{
    FitPageObjects(GetObjectLists(), { m_window.nW, m_window.nH },
                   [this](CMObjCreateStruct& object, LPCSTR lpszSection, BOOL bNumbered, const RECT& stored,
                          BOOL bTooLarge) {
                       std::string section = lpszSection;
                       if (bNumbered)
                           section += std::to_string(object.m_nFileSection);
                       const RECT& rc = object.m_rect;
                       CString line;
                       line.Format("%s X=%ld Y=%ld W=%ld H=%ld -> X=%ld Y=%ld W=%ld H=%ld", section.c_str(),
                                   stored.left, stored.top, stored.right - stored.left, stored.bottom - stored.top,
                                   rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
                       m_corrections.push_back(line);
                       m_correctedSections.insert(section);
                       m_bDamaged = m_bDamaged || bTooLarge;
                   });
}

void CProjectPage::ReadEditorObjects()
{
    ReadObjectSection(kSecEditorAviClip, MOBJ_AVICLIP);
    ReadObjectSection(kSecEditorSlider, MOBJ_SLIDER);
    ReadObjectSection(kSecEditorListBox, MOBJ_LISTBOX);
}

void CProjectPage::LoadWindowIcon()
{
    if (m_hIcon != nullptr)
        ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
    if (m_welcome.strIcon.IsEmpty())
        return;
    if (GetFileAttributesA(m_welcome.strIcon) == INVALID_FILE_ATTRIBUTES)
    {
        m_missingFiles.push_back(m_welcome.strIcon);
        return;
    }
    std::unique_ptr<IconFile> icon = ReadIconFile(m_welcome.strIcon, m_window.bShowErrors);
    if (icon && !icon->images.empty())
        m_hIcon = CreateIconFromImage(&icon->images[0]);
}

void CProjectPage::ReadTooltipSection()
{
    int nX = 0, nY = 0, nW = 0, nH = 0;
    m_settings.GetTooltip(m_tooltip.bOn, nX, nY, nW, nH, m_tooltip.bTransparent, m_tooltip.crBg, m_tooltip.font,
                          m_tooltip.strText, m_tooltip.bCenter);
    SetRect(&m_tooltip.rc, nX, nY, nX + nW, nY + nH);
}

void CProjectPage::TakeMainPageSize()
{
    using namespace ProjectFormat;
    if (m_nMenuLevel <= 0 || m_strMainFile.IsEmpty())
        return;
    CString mainPath = m_strProjectFolder + "\\" + m_strMainFile;
    if (!CanOpenForReading(mainPath))
        return;
    CProjectFiles main;
    main.OpenWholeFileFirst(mainPath);
    int nW = main.GetInt(kSecWindowSize, kKeyW, -1);
    int nH = main.GetInt(kSecWindowSize, kKeyH, -1);
    int nSizeType = main.GetInt(kSecWindowSize, kKeySizeType, 0);
    if (nW > 0 && nH > 0)
    {
        m_window.nW = nW;
        m_window.nH = nH;
        m_window.nSizeType = nSizeType;
    }
}

// ---------------------------------------------------------------------------
// Objects

void CProjectPage::Modified()
{
    if (m_pOwner != nullptr)
        m_pOwner->OnPageModified();
}

void CProjectPage::FilesChanged()
{
    if (m_nHoldRefresh == 0 && m_pOwner != nullptr)
        m_pOwner->OnUsedFilesChanged();
}

BOOL CProjectPage::AddToList(CMObjList& list, CMObjCreateStruct* pObject)
{
    if (pObject == nullptr || !list.Add(pObject))
        return FALSE;
    Modified();
    return TRUE;
}

void CProjectPage::RemoveFromList(CMObjList& list, CMObjCreateStruct* pObject)
{
    list.Remove(pObject);
    Modified();
}

BOOL CProjectPage::AddButton(CMButCreateStruct* pButton)
{
    if (!AddToList(m_buttons, pButton))
        return FALSE;
    CollectUsedFiles(*pButton);
    return TRUE;
}

void CProjectPage::RemoveButton(CMButCreateStruct* pButton, BOOL bBackup)
{
    ReleaseUsedFiles(*pButton);
    if (pButton->m_nAction == ACTION_NEWPAGE && !pButton->m_strDocument.IsEmpty())
    {
        CString path;
        ResolvePath(pButton->m_strDocument, path);
        // A page another button still opens keeps its entry and its file.
        BOOL bShared = FALSE;
        for (int i = 0; i < m_buttons.GetSize() && !bShared; ++i)
        {
            const CMButCreateStruct* pOther = static_cast<CMButCreateStruct*>(m_buttons[i]);
            CString other;
            if (pOther != pButton && pOther->m_nAction == ACTION_NEWPAGE && !pOther->m_strDocument.IsEmpty())
                ResolvePath(pOther->m_strDocument, other);
            bShared = !other.IsEmpty() && other.CompareNoCase(path) == 0;
        }
        if (!bShared)
            m_pages.RemovePage(path, bBackup);
    }
    RemoveFromList(m_buttons, pButton);
}

void CProjectPage::ReplaceButton(CMButCreateStruct* pOld, CMButCreateStruct* pNew)
{
    ++m_nHoldRefresh;
    ReleaseUsedFiles(*pOld);
    CollectUsedFiles(*pNew);
    --m_nHoldRefresh;
    FilesChanged();
    Modified();
}

BOOL CProjectPage::AddText(CMTextCreateStruct* pText)
{
    return AddToList(m_texts, pText);
}

void CProjectPage::RemoveText(CMTextCreateStruct* pText)
{
    RemoveFromList(m_texts, pText);
}

BOOL CProjectPage::AddUsingFile(CMObjList& list, CMObjCreateStruct* pObject, int nFileList, const CString& strFile)
{
    if (!AddToList(list, pObject))
        return FALSE;
    UseFile(nFileList, strFile);
    return TRUE;
}

void CProjectPage::RemoveUsingFile(CMObjList& list, CMObjCreateStruct* pObject, int nFileList,
                                   const CString& strFile)
{
    ReleaseFile(nFileList, strFile);
    RemoveFromList(list, pObject);
}

BOOL CProjectPage::AddTextField(CViewerCreateStruct* pField)
{
    return pField != nullptr && AddUsingFile(m_textFields, pField, FILES_DOCUMENTS, pField->m_strDocument);
}

void CProjectPage::RemoveTextField(CViewerCreateStruct* pField)
{
    RemoveUsingFile(m_textFields, pField, FILES_DOCUMENTS, pField->m_strDocument);
}

BOOL CProjectPage::AddImage(CMObjCreateStruct* pImage)
{
    return pImage != nullptr && AddUsingFile(m_images, pImage, FILES_IMAGES, pImage->m_strText);
}

void CProjectPage::RemoveImage(CMObjCreateStruct* pImage)
{
    RemoveUsingFile(m_images, pImage, FILES_IMAGES, pImage->m_strText);
}

BOOL CProjectPage::AddAviClip(CMObjCreateStruct* pClip)
{
    return pClip != nullptr && AddUsingFile(m_aviClips, pClip, FILES_AVI, pClip->m_strText);
}

void CProjectPage::RemoveAviClip(CMObjCreateStruct* pClip)
{
    RemoveUsingFile(m_aviClips, pClip, FILES_AVI, pClip->m_strText);
}

BOOL CProjectPage::AddSlider(CMObjCreateStruct* pSlider)
{
    return AddToList(m_sliders, pSlider);
}

void CProjectPage::RemoveSlider(CMObjCreateStruct* pSlider)
{
    RemoveFromList(m_sliders, pSlider);
}

BOOL CProjectPage::AddListBox(CMObjCreateStruct* pListBox)
{
    return pListBox != nullptr && AddUsingFile(m_listBoxes, pListBox, FILES_DOCUMENTS, pListBox->m_strText);
}

void CProjectPage::RemoveListBox(CMObjCreateStruct* pListBox)
{
    RemoveUsingFile(m_listBoxes, pListBox, FILES_DOCUMENTS, pListBox->m_strText);
}

// ---------------------------------------------------------------------------
// Used files

void CProjectPage::UseFile(int nList, const CString& strName)
{
    if (strName.IsEmpty() || nList < 0 || nList >= FILES_LIST_COUNT)
        return;
    m_fileLists[nList].AddRef(strName);
    FilesChanged();
}

void CProjectPage::ReleaseFile(int nList, const CString& strName)
{
    if (strName.IsEmpty() || nList < 0 || nList >= FILES_LIST_COUNT)
        return;
    m_fileLists[nList].Release(strName);
    FilesChanged();
}

void CProjectPage::ReplaceFile(int nList, const CString& strOld, const CString& strNew)
{
    ++m_nHoldRefresh;
    ReleaseFile(nList, strOld);
    UseFile(nList, strNew);
    --m_nHoldRefresh;
    FilesChanged();
    Modified();
}

void CProjectPage::ReplaceTextField(const CViewerCreateStruct& oldField, const CViewerCreateStruct& newField)
{
    ReplaceFile(FILES_DOCUMENTS, oldField.m_strDocument, newField.m_strDocument);
}

void CProjectPage::ReplaceAviClip(const CMObjCreateStruct& oldClip, const CMObjCreateStruct& newClip)
{
    ReplaceFile(FILES_AVI, oldClip.m_strText, newClip.m_strText);
}

void CProjectPage::ReplaceImage(const CMObjCreateStruct& oldImage, const CMObjCreateStruct& newImage)
{
    ReplaceFile(FILES_IMAGES, oldImage.m_strText, newImage.m_strText);
}

void CProjectPage::ReplaceListBox(const CMObjCreateStruct& oldListBox, const CMObjCreateStruct& newListBox)
{
    ReplaceFile(FILES_DOCUMENTS, oldListBox.m_strText, newListBox.m_strText);
}

void CProjectPage::CollectUsedFiles(const CMButCreateStruct& button)
{
    if (IsPopupOrListBox(button.m_strDocument))
        return;
    ++m_nHoldRefresh;
    UseFile(FILES_BUTTON_IMAGES, button.m_strBitmap);
    // A message button's document is the message's text, no file.
    if (button.m_nAction != ACTION_MESSAGE)
        UseFile(button.m_nAction == ACTION_NEWPAGE ? FILES_PAGES : FILES_DOCUMENTS, button.m_strDocument);
    if (button.m_nAction == ACTION_NONE)
        UseFile(FILES_APPLICATIONS, button.m_strApplication);
    UseFile(FILES_SOUNDS, button.m_strSoundFile);
    --m_nHoldRefresh;
}

void CProjectPage::ReleaseUsedFiles(const CMButCreateStruct& button)
{
    if (IsPopupOrListBox(button.m_strDocument))
        return;
    ++m_nHoldRefresh;
    ReleaseFile(FILES_BUTTON_IMAGES, button.m_strBitmap);
    // A message button's document is the message's text, no file.
    if (button.m_nAction != ACTION_MESSAGE)
        ReleaseFile(button.m_nAction == ACTION_NEWPAGE ? FILES_PAGES : FILES_DOCUMENTS, button.m_strDocument);
    if (button.m_nAction == ACTION_NONE)
        ReleaseFile(FILES_APPLICATIONS, button.m_strApplication);
    ReleaseFile(FILES_SOUNDS, button.m_strSoundFile);
    --m_nHoldRefresh;
}

namespace {

void PopupItemAsButton(const CString& strItem, const CString& strFolder, CMButCreateStruct& button)
{
    CString text, keyword;
    ParsePopupItem(strItem, text, button.m_strDocument, button.m_strApplication, button.m_strParameter, keyword,
                   button.m_nAction);
    // Items keep their "_CURRENTDIR_" names; the lists count files by their place.
    CString resolved;
    if (button.m_strDocument.Left(12) == ProjectFormat::kCurrentDir)
    {
        ResolveProjectPath(button.m_strDocument, resolved, strFolder);
        button.m_strDocument = resolved;
    }
}

} // namespace

void CProjectPage::CollectPopupMenuFiles(const CString& strItems)
{
    if (strItems.IsEmpty())
        return;
    CMButCreateStruct button;
    PopupItemAsButton(strItems, m_strProjectFolder, button);
    CollectUsedFiles(button);
    Modified();
}

void CProjectPage::ReleasePopupMenuFiles(const CString& strItems)
{
    if (strItems.IsEmpty())
        return;
    CMButCreateStruct button;
    PopupItemAsButton(strItems, m_strProjectFolder, button);
    ReleaseUsedFiles(button);
    FilesChanged();
    Modified();
}

// ---------------------------------------------------------------------------
// Sub-pages and paths

void CProjectPage::BuildSubmenuList()
{
    m_pages.Reset();
    for (int i = 0; i < m_buttons.GetSize(); ++i)
    {
        const CMButCreateStruct* pButton = static_cast<CMButCreateStruct*>(m_buttons[i]);
        if (pButton->m_nAction != ACTION_NEWPAGE)
            continue;
        CString path;
        ResolvePath(pButton->m_strDocument, path);
        m_pages.AddPage(pButton->m_strText, CString(), CString(), path);
    }
}

BOOL CProjectPage::IsMainMenu() const
{
    return m_strMenuType.Left(8) == ProjectFormat::kMainMenu && m_nMenuLevel <= 0;
}

void CProjectPage::ResolvePath(const CString& strIn, CString& strOut) const
{
    ResolveProjectPath(strIn, strOut, m_strProjectFolder);
}

// ---------------------------------------------------------------------------
// Settings

namespace {

// The made font and the last measures are no part of a look.
bool SameFont(const CFontDesc& a, const CFontDesc& b)
{
    const LOGFONTA& x = a.m_logFont;
    const LOGFONTA& y = b.m_logFont;
    return memcmp(&x, &y, offsetof(LOGFONTA, lfFaceName)) == 0 &&
           strncmp(x.lfFaceName, y.lfFaceName, LF_FACESIZE) == 0 && a.m_crColor == b.m_crColor &&
           a.m_nEffect == b.m_nEffect;
}

} // namespace

bool PageWindow::operator==(const PageWindow& o) const
{
    return nX == o.nX && nY == o.nY && bPosGiven == o.bPosGiven && nW == o.nW && nH == o.nH &&
           nSizeType == o.nSizeType && crBg == o.crBg && bBorder == o.bBorder && nCornerW == o.nCornerW &&
           nCornerH == o.nCornerH && strTitle == o.strTitle && bEscExit == o.bEscExit &&
           bShowErrors == o.bShowErrors && bPaintDesktop == o.bPaintDesktop && crDesktop == o.crDesktop;
}

bool PageBackground::operator==(const PageBackground& o) const
{
    return bShown == o.bShown && strFile == o.strFile && nX == o.nX && nY == o.nY && nPos == o.nPos &&
           nRepeat == o.nRepeat;
}

bool PageSound::operator==(const PageSound& o) const
{
    return bOn == o.bOn && strFile == o.strFile && bRepeat == o.bRepeat && bKeyClick == o.bKeyClick &&
           bKeyOver == o.bKeyOver;
}

bool PageButtonStyle::operator==(const PageButtonStyle& o) const
{
    return nBrightness == o.nBrightness && bHover == o.bHover && SameFont(font, o.font);
}

bool PageWelcome::operator==(const PageWelcome& o) const
{
    return bOn == o.bOn && std::equal(std::begin(strText), std::end(strText), std::begin(o.strText)) &&
           strIcon == o.strIcon && nTime == o.nTime && crBg == o.crBg && bImage == o.bImage &&
           strImage == o.strImage;
}

bool PageTooltipArea::operator==(const PageTooltipArea& o) const
{
    return bOn == o.bOn && ::EqualRect(&rc, &o.rc) && bCenter == o.bCenter && bTransparent == o.bTransparent &&
           crBg == o.crBg && strText == o.strText && SameFont(font, o.font);
}

void CProjectPage::SetWindow(const PageWindow& window)
{
    SetGroup(m_window, window);
}

void CProjectPage::SetBackground(const PageBackground& background)
{
    if (background.strFile != m_background.strFile)
    {
        m_bImageLoaded = 0;
        m_nImageW = m_nImageH = 1;
    }
    SetGroup(m_background, background);
}

void CProjectPage::SetSound(const PageSound& sound)
{
    SetGroup(m_sound, sound);
}

void CProjectPage::SetButtonStyle(const PageButtonStyle& style)
{
    SetGroup(m_buttonStyle, style);
}

void CProjectPage::SetWelcome(const PageWelcome& welcome)
{
    SetGroup(m_welcome, welcome);
}

void CProjectPage::SetTooltipArea(const PageTooltipArea& tooltip)
{
    SetGroup(m_tooltip, tooltip);
}

void CProjectPage::SetPopupMenuText(int nNumber, const CString& strItems)
{
    if (nNumber < 0 || nNumber >= kPopupCount || strItems == m_strPopupTexts[nNumber])
        return;
    // One notice each for the files and the page.
    ++m_nHoldRefresh;
    if (!m_strPopupTexts[nNumber].IsEmpty())
    {
        CMButCreateStruct oldItems;
        PopupItemAsButton(m_strPopupTexts[nNumber], m_strProjectFolder, oldItems);
        ReleaseUsedFiles(oldItems);
    }
    m_strPopupTexts[nNumber] = strItems;
    if (!strItems.IsEmpty())
    {
        CMButCreateStruct newItems;
        PopupItemAsButton(strItems, m_strProjectFolder, newItems);
        CollectUsedFiles(newItems);
    }
    --m_nHoldRefresh;
    FilesChanged();
    Modified();
}

PageObjectLists CProjectPage::GetObjectLists() const
{
    return { m_images, m_texts, m_buttons, m_sliders, m_textFields, m_listBoxes, m_aviClips };
}

void CProjectPage::TakeTabOrder(CMenuObjects& objects)
{
    objects.ApplyTabOrder(&m_buttons, &m_texts, &m_textFields);
    Modified();
}
