#include "shared/support/ProjectSettings.h"

#include "framework/MessageBox.h"
#include "shared/support/CurrentDirPaths.h"
#include "shared/support/FileUtils.h"
#include "shared/support/ProjectFormat.h"
#include "shared/support/TextEffect.h"
#include "shared/support/Umlaut.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CProjectSettings, CObject)

using namespace ProjectFormat;

namespace {

const int kPlaceholderLength = sizeof(kCurrentDir) - 1;

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
    m_nMaxFontHeight = 0;
    m_source.SetIniFile(m_strProjectFile);
}

BOOL CProjectSettings::OpenSource(void* pContext)
{
    m_nMaxFontHeight = 0;
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
    m_nMaxFontHeight = 0;
    return m_source.OpenWholeFileFirst(m_strProjectFile);
}

void CProjectSettings::CloseSource()
{
    m_nMaxFontHeight = 0;
    m_source.Close();
}

// The platform takes long to tell the screen's size (a tenth of a millisecond
// and more), and a page asks for dozens of fonts: the height is asked once
// per reading.
int CProjectSettings::MaxFontHeight()
{
    if (m_nMaxFontHeight <= 0)
        m_nMaxFontHeight = std::max(GetSystemMetrics(SM_CYSCREEN), 1);
    return m_nMaxFontHeight;
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
    strType = ReadString(kSecMenuType, kKeyType, kMainMenu, 78);
    nLevel = GetInt(kSecMenuType, kKeyLevel, 0);
    strMain = ReadString(kSecMenuType, kKeyMain, "", 78);
}

int CProjectSettings::GetLanguage(char& chLetter)
{
    CString value = ReadString(kSecPlayerLanguage, kKeyLanguage, "G", 18);
    chLetter = value.IsEmpty() ? '\0' : value[0];
    return value.GetLength();
}

int CProjectSettings::GetColor(LPCSTR lpszSection, int& nRed, int& nGreen, int& nBlue)
{
    nRed = GetInt(lpszSection, kKeyRed, 255);
    nGreen = GetInt(lpszSection, kKeyGreen, 255);
    nBlue = GetInt(lpszSection, kKeyBlue, 255);
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
    nPaint = GetInt(kSecDesktop, kKeyPaint, 0);
    GetColorRef(kSecDesktop, crColor);
}

void CProjectSettings::GetFont(LPCSTR lpszSection, LPCSTR lpszPrefix, CFontDesc& font)
{
    // The values are gathered in a copy and taken over through Assign, so that
    // a GDI font the description made from earlier values is not kept.
    CFontDesc read(font);
    CString prefix(lpszPrefix);
    CString name = ReadString(lpszSection, prefix + kFontKeyName, "Arial", 199);
    lstrcpynA(read.m_logFont.lfFaceName, name, LF_FACESIZE);
    // No page is taller than the screen, and the platform's font code spends
    // seconds and gigabytes on a damaged page's font of tens of thousands of
    // pixels: a height is bounded by the screen's.
    const int nMaxHeight = MaxFontHeight();
    const int nHeight = GetInt(lpszSection, prefix + kFontKeySize, 16);
    read.m_logFont.lfHeight = std::min(std::max(nHeight, -nMaxHeight), nMaxHeight);
    read.m_logFont.lfWeight = GetInt(lpszSection, prefix + kKeyStyle, 400);
    read.m_logFont.lfItalic = (BYTE)GetInt(lpszSection, prefix + kFontKeyItalic, 0);
    read.m_logFont.lfUnderline = (BYTE)GetInt(lpszSection, prefix + kFontKeyUnderline, 0);
    int nRed = GetInt(lpszSection, prefix + kKeyRed, 0);
    int nGreen = GetInt(lpszSection, prefix + kKeyGreen, 0);
    int nBlue = GetInt(lpszSection, prefix + kKeyBlue, 0);
    read.m_crColor = RGB((BYTE)nRed, (BYTE)nGreen, (BYTE)nBlue);
    read.m_nEffect = ParseTextEffect(ReadString(lpszSection, prefix + kFontKeyEffect, "NONE", 49));
    font.Assign(read);
}

int CProjectSettings::GetWelcomeIcon(COLORREF& crColor, CString& strIcon, int& nSeconds)
{
    GetColorRef(kSecWelcome, crColor);
    strIcon = ReadPath(kSecWelcome, kKeyIcon, 298);
    nSeconds = GetInt(kSecWelcome, kKeyTime, 5);
    return nSeconds;
}

BOOL CProjectSettings::IsEnabled(LPCSTR lpszSection)
{
    return GetInt(lpszSection, kKeyEnable, 0) != 0;
}

BOOL CProjectSettings::GetButton(int nNumber, CString& strStyle, BOOL& bEnabled, RECT& rect, CString& strCaption,
                                 CString& strDocument, CString& strApplication, CString& strParameter,
                                 CString& strFunction, CFontDesc& idleFont, CFontDesc& overFont,
                                 CFontDesc& downFont, CString& strBitmap, CString& strTooltip, int& nStopSound,
                                 int& nStartSound, CString& strSoundFile)
{
    return ReadButtonSection(ButtonSection(nNumber), strStyle, bEnabled, rect, strCaption, strDocument, strApplication,
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
    if (GetInt(lpszSection, kKeyEnable, -1) == -1)
        return FALSE;
    bEnabled = IsEnabled(lpszSection);
    strStyle = GetButtonStyle(lpszSection, bEnabled);
    GetButtonRect(lpszSection, rect);
    strCaption = ReadString(lpszSection, kKeyText, "", 99);
    GetLink(lpszSection, strDocument, strApplication, strParameter, strFunction);
    GetFont(lpszSection, kFontIdle, idleFont);
    GetFont(lpszSection, kFontOver, overFont);
    GetFont(lpszSection, kFontDown, downFont);
    strBitmap = ReadPath(lpszSection, kKeyBitmap, 239);
    strTooltip = ReadString(lpszSection, kKeyToolTip, "", 499);
    strSoundFile = ReadPath(lpszSection, kKeySoundFile, kMaxLinkChars);
    nStopSound = GetInt(lpszSection, kKeyStopSound, 0);
    nStartSound = GetInt(lpszSection, kKeyStartSound, 0);

    // A play-sound button runs as a button without a function whose click
    // plays the document as its sound.
    if (strFunction.Left(lstrlenA(kPlaySound)) == kPlaySound)
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
    return ReadString(lpszSection, kKeyStyle, kStyleWindows, 19).Left(1);
}

void CProjectSettings::GetButtonRect(LPCSTR lpszSection, RECT& rect)
{
    int nX = GetInt(lpszSection, kKeyX, -1);
    int nY = GetInt(lpszSection, kKeyY, -1);
    int nWidth = GetInt(lpszSection, kKeyW, -1);
    int nHeight = GetInt(lpszSection, kKeyH, 23);
    if (nX >= 0 && nY >= 0 && nWidth > 0 && nHeight > 0)
        SetRect(&rect, nX, nY, nX + nWidth, nY + nHeight);
}

void CProjectSettings::GetLink(LPCSTR lpszSection, CString& strDocument, CString& strApplication,
                               CString& strParameter, CString& strFunction)
{
    strDocument = ReadPath(lpszSection, kKeyDocument, kMaxLinkChars);
    strApplication = ReadPath(lpszSection, kKeyApplication, kMaxLinkChars);
    strParameter = ReadPath(lpszSection, kKeyParameter, kMaxLinkChars);
    strFunction = ReadString(lpszSection, kKeyFunction, "0", 98);
}

BOOL CProjectSettings::GetShowErrors()
{
    return GetInt(kSecWindow, kKeyError, 0) != 0;
}

BOOL CProjectSettings::HasWindowImage()
{
    return GetInt(kSecWindow, kKeyImage, 0) != 0;
}

BOOL CProjectSettings::GetWindowImage(CString& strFile, int& nX, int& nY, int& nPosition, int& nRepeat)
{
    BOOL bImage = HasWindowImage();
    BOOL bFile = GetWindowImageFile(strFile);
    nX = GetInt(kSecWindow, kKeyImageX, 0);
    nY = GetInt(kSecWindow, kKeyImageY, 0);
    nPosition = GetInt(kSecWindow, kKeyImagePos, 0);
    nRepeat = GetInt(kSecWindow, kKeyImageRepeat, 0);
    return bImage && bFile;
}

BOOL CProjectSettings::GetWindowImageFile(CString& strFile)
{
    strFile = ReadString(kSecWindow, kKeyImageFile, "tarnix.bmp", 298);
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
    CString section = TextSection(nNumber);
    if (GetInt(section, kKeyX, -1) < 0 || GetInt(section, kKeyY, -1) < 0)
        return FALSE;
    nX = GetInt(section, kKeyX, 0);
    nY = GetInt(section, kKeyY, 0);
    strText = ReadString(section, kKeyText, "", 299);
    GetFont(section, kFontText, font);
    return TRUE;
}

void CProjectSettings::GetTooltip(BOOL& bEnable, int& nX, int& nY, int& nWidth, int& nHeight, BOOL& bTransparent,
                                  COLORREF& crColor, CFontDesc& font, CString& strDefaultText, BOOL& bCenter)
{
    bEnable = GetInt(kSecToolTip, kKeyEnable, 0);
    nX = GetInt(kSecToolTip, kKeyX, 0);
    nY = GetInt(kSecToolTip, kKeyY, 0);
    nWidth = GetInt(kSecToolTip, kKeyW, 50);
    nHeight = GetInt(kSecToolTip, kKeyH, 20);
    bCenter = GetInt(kSecToolTip, kKeyCenter, 0) > 0;
    bTransparent = GetInt(kSecToolTip, kKeyBgTransparent, 0);
    strDefaultText = ReadString(kSecToolTip, kKeyDefaultText, "", 500);
    GetFont(kSecToolTip, kFontToolTip, font);
    GetColorRef(kSecToolTip, crColor);
}

BOOL CProjectSettings::GetSound(CString& strFile, int& nRepeat, int& nKeyClick, int& nKeyOver)
{
    strFile = ReadPath(kSecSound, kKeyFile, 299);
    nRepeat = GetInt(kSecSound, kKeyRepeat, 0);
    nKeyClick = GetInt(kSecSound, kKeyKeyClick, 0);
    nKeyOver = GetInt(kSecSound, kKeyKeyOver, 0);
    return IsEnabled(kSecSound);
}

int CProjectSettings::GetImage(CString& strFile, int nNumber, int& nX, int& nY, int& nWidth, int& nHeight)
{
    if (nNumber != 1)
        return 0;
    CString section = ImageSection(nNumber);
    strFile = ReadPath(section, kKeyFile, 299);
    int nEnable = GetInt(section, kKeyEnable, 0);
    nX = GetInt(section, kKeyX, -1);
    nY = GetInt(section, kKeyY, -1);
    nWidth = GetInt(section, kKeyW, -1);
    nHeight = GetInt(section, kKeyH, -1);
    return nEnable;
}

BOOL CProjectSettings::GetTextField(int nNumber, int& nX, int& nY, int& nWidth, int& nHeight, int& nHorzScroll,
                                    int& nVertScroll, CString& strDocument, int& nBorder)
{
    CString section = TextFieldSection(nNumber);
    nX = GetInt(section, kKeyX, -1);
    nY = GetInt(section, kKeyY, -1);
    nWidth = GetInt(section, kKeyW, -1);
    nHeight = GetInt(section, kKeyH, -1);
    if (nX < 0 || nY < 0)
        return FALSE;
    nHorzScroll = GetInt(section, kKeyScrollHorz, 1);
    nVertScroll = GetInt(section, kKeyScrollVert, 1);
    nBorder = GetInt(section, kKeyBorder, 1);
    strDocument = ReadPath(section, kKeyDocument, 299);
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
    strValue = ReadString(lpszSection, PopupItemKey(nNumber), "", 1023);
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
    int nPos = strPath.Find(kCurrentDir);
    if (nPos < 0)
        return;
    CString folder;
    GetProjectFolder(folder);
    strPath = strPath.Left(nPos) + FolderForStoredPaths(folder) + strPath.Mid(nPos + kPlaceholderLength);
}

void CProjectSettings::ContractCurrentDir(CString& strPath, BOOL bWarn) const
{
    if (strPath.IsEmpty() || !FileExists(strPath) || strPath.Find(kCurrentDir) >= 0)
        return;
    CString folder;
    GetProjectFolder(folder);
    if (!ContractToCurrentDir(strPath, folder) && bWarn)
        WarnFileOutsideProject(strPath);
}
