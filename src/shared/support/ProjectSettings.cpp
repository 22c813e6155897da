#include "shared/support/ProjectSettings.h"

#include "framework/MessageBox.h"
#include "shared/support/FileUtils.h"
#include "shared/support/TextEffect.h"
#include "shared/support/Umlaut.h"

IMPLEMENT_DYNAMIC(CProjectSettings, CObject)

namespace {

const char kPlaceholder[] = "_CURRENTDIR_";
const int kPlaceholderLength = sizeof(kPlaceholder) - 1;

const char kOutsideFolderWarning[] =
    "WARNUNG !\n\nDie Datei:\n\n%s\n\nverweist auf einen Ordner außerhalb des Projektes.\n";

CString CurrentFolder()
{
    CString folder;
    DWORD nSize = GetCurrentDirectoryA(0, nullptr);
    if (nSize > 0)
    {
        GetCurrentDirectoryA(nSize, folder.GetBuffer((int)nSize));
        folder.ReleaseBuffer();
    }
    return folder;
}

CString ProgramFolder()
{
    CString path;
    DWORD nSize = GetModuleFileNameA(nullptr, path.GetBuffer(32768), 32768);
    path.ReleaseBuffer((int)nSize);
    int nSlash = path.ReverseFind('\\');
    return nSlash >= 0 ? path.Left(nSlash) : CString();
}

CString FullPath(const CString& strPath)
{
    CString full;
    DWORD nSize = GetFullPathNameA(strPath, 0, nullptr, nullptr);
    if (nSize == 0)
        return strPath;
    DWORD nGot = GetFullPathNameA(strPath, nSize, full.GetBuffer((int)nSize), nullptr);
    full.ReleaseBuffer(nGot < nSize ? (int)nGot : 0);
    return full.IsEmpty() ? strPath : full;
}

// The folder as it stands in stored paths: a drive root loses its backslash,
// since the rest of a stored path begins with one.
CString PlaceholderFolder(CString strFolder)
{
    if (strFolder.GetLength() == 3 && strFolder[2] == '\\')
        strFolder = strFolder.Left(2);
    return strFolder;
}

// Whether the (folded) path lies in the (folded) folder: it begins with the
// folder and a backslash or the end follows, so "c:\proj" is no part of
// "c:\project2\a.wav".
bool IsInFolder(const CString& strLowerPath, const CString& strLowerFolder)
{
    int nLength = strLowerFolder.GetLength();
    if (nLength == 0 || strLowerPath.Left(nLength) != strLowerFolder)
        return false;
    return strLowerPath.GetLength() == nLength || strLowerPath[nLength] == '\\';
}

} // namespace

CProjectSettings::CProjectSettings(LPCSTR lpszProjectFile) : m_strProjectFile(lpszProjectFile)
{
}

CProjectSettings::~CProjectSettings()
{
    CloseSource();
}

// ---------------------------------------------------------------------------
// Lifecycle and raw access

void CProjectSettings::SetProjectFile(LPCSTR lpszFileName)
{
    m_strProjectFile = lpszFileName;
    m_source.SetIniFile(m_strProjectFile);
}

BOOL CProjectSettings::OpenSource(void* pContext)
{
    return m_source.Open(m_strProjectFile, pContext);
}

BOOL CProjectSettings::OpenProjectFile(LPCSTR lpszFileName, void* pContext)
{
    m_strProjectFile = lpszFileName;
    return OpenSource(pContext);
}

BOOL CProjectSettings::OpenProjectText(LPCSTR lpszFileName)
{
    m_strProjectFile = lpszFileName;
    return m_source.OpenWholeFileFirst(m_strProjectFile);
}

void CProjectSettings::CloseSource()
{
    m_source.Close();
}

int CProjectSettings::GetString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, LPSTR lpBuffer, int nSize)
{
    return m_source.GetString(lpszSection, lpszKey, lpszDefault, lpBuffer, nSize);
}

int CProjectSettings::GetInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault)
{
    return m_source.GetInt(lpszSection, lpszKey, nDefault);
}

CString CProjectSettings::ReadString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nMaxChars)
{
    CString value;
    int nGot = GetString(lpszSection, lpszKey, lpszDefault, value.GetBuffer(nMaxChars + 1), nMaxChars + 1);
    value.ReleaseBuffer(nGot < 0 ? 0 : (nGot > nMaxChars ? nMaxChars : nGot));
    return value;
}

CString CProjectSettings::ReadPath(LPCSTR lpszSection, LPCSTR lpszKey, int nMaxChars)
{
    CString path = ReadString(lpszSection, lpszKey, "", nMaxChars);
    ExpandCurrentDir(path);
    return path;
}

// ---------------------------------------------------------------------------
// Getters of whole sections

void CProjectSettings::GetMenuType(CString& strType, int& nLevel, CString& strMain)
{
    strType = ReadString("MENUTYPE", "TYPE", "MAINMENU", 78);
    nLevel = GetInt("MENUTYPE", "LEVEL", 0);
    strMain = ReadString("MENUTYPE", "MAIN", "", 78);
}

int CProjectSettings::GetLanguage(char& chLetter)
{
    CString value = ReadString("TarnixPro", "LANGUAGE", "G", 18);
    chLetter = value.IsEmpty() ? '\0' : value[0];
    return value.GetLength();
}

int CProjectSettings::GetColor(LPCSTR lpszSection, int& nRed, int& nGreen, int& nBlue)
{
    nRed = GetInt(lpszSection, "RED", 255);
    nGreen = GetInt(lpszSection, "GREEN", 255);
    nBlue = GetInt(lpszSection, "BLUE", 255);
    return nBlue;
}

void CProjectSettings::GetColorRef(LPCSTR lpszSection, COLORREF& crColor)
{
    int nRed, nGreen, nBlue;
    GetColor(lpszSection, nRed, nGreen, nBlue);
    crColor = RGB((BYTE)nRed, (BYTE)nGreen, (BYTE)nBlue);
}

void CProjectSettings::GetDesktop(int& nPaint, COLORREF& crColor)
{
    nPaint = GetInt("DESKTOP", "PAINT", 0);
    GetColorRef("DESKTOP", crColor);
}

void CProjectSettings::GetFont(LPCSTR lpszSection, LPCSTR lpszPrefix, CFontDesc& font)
{
    // The values are gathered in a copy and taken over through Assign, so that
    // a GDI font the description made from earlier values is not kept.
    CFontDesc read(font);
    CString prefix(lpszPrefix);
    CString name = ReadString(lpszSection, prefix + "NAME", "Arial", 199);
    lstrcpynA(read.m_logFont.lfFaceName, name, LF_FACESIZE);
    read.m_logFont.lfHeight = GetInt(lpszSection, prefix + "SIZE", 16);
    read.m_logFont.lfWeight = GetInt(lpszSection, prefix + "STYLE", 400);
    read.m_logFont.lfItalic = (BYTE)GetInt(lpszSection, prefix + "ITALIC", 0);
    read.m_logFont.lfUnderline = (BYTE)GetInt(lpszSection, prefix + "UNDERLINE", 0);
    int nRed = GetInt(lpszSection, prefix + "RED", 0);
    int nGreen = GetInt(lpszSection, prefix + "GREEN", 0);
    int nBlue = GetInt(lpszSection, prefix + "BLUE", 0);
    read.m_crColor = RGB((BYTE)nRed, (BYTE)nGreen, (BYTE)nBlue);
    read.m_nEffect = ParseTextEffect(ReadString(lpszSection, prefix + "EFFECT", "NONE", 49));
    font.Assign(read);
}

int CProjectSettings::GetWelcomeIcon(COLORREF& crColor, CString& strIcon, int& nSeconds)
{
    GetColorRef("WELCOME", crColor);
    strIcon = ReadPath("WELCOME", "ICON", 298);
    nSeconds = GetInt("WELCOME", "TIME", 5);
    return nSeconds;
}

BOOL CProjectSettings::IsEnabled(LPCSTR lpszSection)
{
    return GetInt(lpszSection, "ENABLE", 0) != 0;
}

BOOL CProjectSettings::GetButton(int nNumber, CString& strStyle, BOOL& bEnabled, RECT& rect, CString& strCaption,
                                 CString& strDocument, CString& strApplication, CString& strParameter,
                                 CString& strFunction, CFontDesc& idleFont, CFontDesc& overFont,
                                 CFontDesc& downFont, CString& strBitmap, CString& strTooltip, int& nStopSound,
                                 int& nStartSound, CString& strSoundFile)
{
    CString section;
    section.Format("BUTTON%d", nNumber);
    return ReadButtonSection(section, strStyle, bEnabled, rect, strCaption, strDocument, strApplication,
                             strParameter, strFunction, idleFont, overFont, downFont, strBitmap, strTooltip,
                             nStopSound, nStartSound, strSoundFile);
}

BOOL CProjectSettings::ReadButtonSection(LPCSTR lpszSection, CString& strStyle, BOOL& bEnabled, RECT& rect,
                                         CString& strCaption, CString& strDocument, CString& strApplication,
                                         CString& strParameter, CString& strFunction, CFontDesc& idleFont,
                                         CFontDesc& overFont, CFontDesc& downFont, CString& strBitmap,
                                         CString& strTooltip, int& nStopSound, int& nStartSound,
                                         CString& strSoundFile)
{
    // A section without ENABLE is no button, whatever else it holds.
    if (GetInt(lpszSection, "ENABLE", -1) == -1)
        return FALSE;
    bEnabled = IsEnabled(lpszSection);
    strStyle = GetButtonStyle(lpszSection, bEnabled);
    GetButtonRect(lpszSection, rect);
    strCaption = ReadString(lpszSection, "TEXT", "", 99);
    GetLink(lpszSection, strDocument, strApplication, strParameter, strFunction);
    GetFont(lpszSection, "IDLE_FONT_", idleFont);
    GetFont(lpszSection, "OVER_FONT_", overFont);
    GetFont(lpszSection, "DOWN_FONT_", downFont);
    strBitmap = ReadPath(lpszSection, "BMP", 239);
    strTooltip = ReadString(lpszSection, "TOOLTIP", "", 499);
    strSoundFile = ReadPath(lpszSection, "SOUNDFILE", 239);
    nStopSound = GetInt(lpszSection, "STOPSOUND", 0);
    nStartSound = GetInt(lpszSection, "STARTSOUND", 0);

    // A play-sound button runs as a button without a function whose click
    // plays the document as its sound.
    if (strFunction.Left(9) == "PLAYSOUND")
    {
        strFunction = "NONE";
        nStopSound = 1;
        nStartSound = 1;
        strSoundFile = strDocument;
        strDocument.Empty();
    }
    return TRUE;
}

CString CProjectSettings::GetButtonStyle(LPCSTR lpszSection, BOOL bEnabled)
{
    if (!bEnabled)
        return " ";
    return ReadString(lpszSection, "STYLE", "WINDOWS", 19).Left(1);
}

void CProjectSettings::GetButtonRect(LPCSTR lpszSection, RECT& rect)
{
    int nX = GetInt(lpszSection, "X", -1);
    int nY = GetInt(lpszSection, "Y", -1);
    int nWidth = GetInt(lpszSection, "W", -1);
    int nHeight = GetInt(lpszSection, "H", 23);
    if (nX >= 0 && nY >= 0 && nWidth > 0 && nHeight > 0)
        SetRect(&rect, nX, nY, nX + nWidth, nY + nHeight);
}

void CProjectSettings::GetLink(LPCSTR lpszSection, CString& strDocument, CString& strApplication,
                               CString& strParameter, CString& strFunction)
{
    strDocument = ReadPath(lpszSection, "DOKUMENT", 298);
    strApplication = ReadPath(lpszSection, "APPLIKATION", 298);
    strParameter = ReadPath(lpszSection, "PARAMETER", 298);
    strFunction = ReadString(lpszSection, "FUNKTION", "0", 98);
}

BOOL CProjectSettings::GetShowErrors()
{
    return GetInt("WINDOW", "ERROR", 0) != 0;
}

BOOL CProjectSettings::HasWindowImage()
{
    return GetInt("WINDOW", "IMAGE", 0) != 0;
}

BOOL CProjectSettings::GetWindowImage(CString& strFile, int& nX, int& nY, int& nPosition, int& nRepeat)
{
    BOOL bImage = HasWindowImage();
    BOOL bFile = GetWindowImageFile(strFile);
    nX = GetInt("WINDOW", "IMAGE_X", 0);
    nY = GetInt("WINDOW", "IMAGE_Y", 0);
    nPosition = GetInt("WINDOW", "IMAGE_POS", 0);
    nRepeat = GetInt("WINDOW", "IMAGE_REPEAT", 0);
    return bImage && bFile;
}

BOOL CProjectSettings::GetWindowImageFile(CString& strFile)
{
    strFile = ReadString("WINDOW", "IMAGEFILE", "tarnix.bmp", 298);
    BOOL bRead = !strFile.IsEmpty();
    CString ending = strFile.Right(4);
    ending.MakeLower();
    if (ending == ".bmp" || ending == ".gif" || ending == ".jpg")
        ExpandCurrentDir(strFile);
    else
        strFile = "tarnix.bmp";
    return bRead;
}

BOOL CProjectSettings::GetText(int nNumber, int& nX, int& nY, CString& strText, CFontDesc& font)
{
    CString section;
    section.Format("TEXT%d", nNumber);
    if (GetInt(section, "X", -1) < 0 || GetInt(section, "Y", -1) < 0)
        return FALSE;
    nX = GetInt(section, "X", 0);
    nY = GetInt(section, "Y", 0);
    strText = ReadString(section, "TEXT", "", 299);
    GetFont(section, "TEXT_FONT_", font);
    return TRUE;
}

void CProjectSettings::GetTooltip(BOOL& bEnable, int& nX, int& nY, int& nWidth, int& nHeight, BOOL& bTransparent,
                                  COLORREF& crColor, CFontDesc& font, CString& strDefaultText, BOOL& bCenter)
{
    bEnable = GetInt("TOOLTIP", "ENABLE", 0);
    nX = GetInt("TOOLTIP", "X", 0);
    nY = GetInt("TOOLTIP", "Y", 0);
    nWidth = GetInt("TOOLTIP", "W", 50);
    nHeight = GetInt("TOOLTIP", "H", 20);
    bCenter = GetInt("TOOLTIP", "CENTER", 0) > 0;
    bTransparent = GetInt("TOOLTIP", "BGTRANSPARENT", 0);
    strDefaultText = ReadString("TOOLTIP", "DEFAULTTEXT", "", 500);
    GetFont("TOOLTIP", "TOOLTIP_FONT_", font);
    GetColorRef("TOOLTIP", crColor);
}

BOOL CProjectSettings::GetSound(CString& strFile, int& nRepeat, int& nKeyClick, int& nKeyOver)
{
    strFile = ReadPath("SOUND", "FILE", 299);
    nRepeat = GetInt("SOUND", "REPEAT", 0);
    nKeyClick = GetInt("SOUND", "KEYCLICK", 0);
    nKeyOver = GetInt("SOUND", "KEYOVER", 0);
    return IsEnabled("SOUND");
}

int CProjectSettings::GetImage(CString& strFile, int nNumber, int& nX, int& nY, int& nWidth, int& nHeight)
{
    if (nNumber != 1)
        return 0;
    CString section;
    section.Format("IMAGE%d", nNumber);
    strFile = ReadPath(section, "FILE", 299);
    int nEnable = GetInt(section, "ENABLE", 0);
    nX = GetInt(section, "X", -1);
    nY = GetInt(section, "Y", -1);
    nWidth = GetInt(section, "W", -1);
    nHeight = GetInt(section, "H", -1);
    return nEnable;
}

BOOL CProjectSettings::GetTextField(int nNumber, int& nX, int& nY, int& nWidth, int& nHeight, int& nHorzScroll,
                                    int& nVertScroll, CString& strDocument, int& nBorder)
{
    CString section;
    section.Format("TEXTFELD%d", nNumber);
    nX = GetInt(section, "X", -1);
    nY = GetInt(section, "Y", -1);
    nWidth = GetInt(section, "W", -1);
    nHeight = GetInt(section, "H", -1);
    if (nX < 0 || nY < 0)
        return FALSE;
    nHorzScroll = GetInt(section, "BILDLAUF_HOR", 1);
    nVertScroll = GetInt(section, "BILDLAUF_VER", 1);
    nBorder = GetInt(section, "BORDER", 1);
    strDocument = ReadPath(section, "DOKUMENT", 299);
    if (nWidth < 40)
        nWidth = 40;
    if (nHeight < 40)
        nHeight = 40;
    if (nHorzScroll != 0 && nHorzScroll != 1)
        nHorzScroll = 1;
    if (nVertScroll != 0 && nVertScroll != 1)
        nVertScroll = 1;
    return TRUE;
}

BOOL CProjectSettings::GetItem(LPCSTR lpszSection, int nNumber, CString& strValue)
{
    CString key;
    key.Format("ITEM%02d", nNumber);
    strValue = ReadString(lpszSection, key, "", 1023);
    return !strValue.IsEmpty();
}

// ---------------------------------------------------------------------------
// Path operations

void CProjectSettings::GetProjectFolder(CString& strFolder) const
{
    int nSlash = m_strProjectFile.ReverseFind('\\');
    strFolder = nSlash >= 0 ? m_strProjectFile.Left(nSlash) : CString();
    if (strFolder == ".")
        strFolder = CurrentFolder();
    // A relative name or a network path: the medium is where the program runs.
    if (strFolder.GetLength() < 2 || strFolder[1] != ':')
        strFolder = ProgramFolder();
    MakeLowerUmlaut(strFolder);
}

void CProjectSettings::ExpandCurrentDir(CString& strPath) const
{
    int nPos = strPath.Find(kPlaceholder);
    if (nPos < 0)
        return;
    CString folder;
    GetProjectFolder(folder);
    strPath = strPath.Left(nPos) + PlaceholderFolder(folder) + strPath.Mid(nPos + kPlaceholderLength);
}

void CProjectSettings::ContractCurrentDir(CString& strPath, BOOL bWarn) const
{
    if (strPath.IsEmpty() || !FileExists(strPath))
        return;
    CString folder;
    GetProjectFolder(folder);
    folder = PlaceholderFolder(folder);

    // A relative name counts as relative to the project folder; names that
    // begin with a backslash (network or rooted paths) stand as they are.
    bool bHasPlaceholder = strPath.Find(kPlaceholder) >= 0;
    CString path = strPath;
    if (!bHasPlaceholder && path.Mid(1, 2) != ":\\" && path[0] != '\\')
        path = path[0] == '.' ? FullPath(path) : folder + "\\" + path;

    CString lowerPath = path;
    MakeLowerUmlaut(lowerPath);
    if (IsInFolder(lowerPath, folder))
    {
        strPath = kPlaceholder + path.Mid(folder.GetLength());
        return;
    }
    if (bWarn && !bHasPlaceholder)
    {
        CString text;
        text.Format(kOutsideFolderWarning, (LPCSTR)strPath);
        AfxMessageBox(text, MB_ICONEXCLAMATION | MB_OK);
    }
}
