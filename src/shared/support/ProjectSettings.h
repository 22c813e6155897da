// Typed reading of one page file of a menu project: every getter names its
// section, keys, defaults and limits, and ends in the two raw lookups of the
// settings source, so it behaves alike whichever way the source reads the file.
// Stored paths may hold the placeholder "_CURRENTDIR_" for the project folder.
#pragma once

#include "framework/String.h"
#include "shared/support/FontDesc.h"
#include "shared/support/ProjectFiles.h"
#include "shared/support/ProjectFormat.h"

class CProjectSettings : public CObject
{
    DECLARE_DYNAMIC(CProjectSettings)
public:
    // The player starts on "Velconf.ini"; the editor passes an empty name and
    // sets the real one before it reads.
    explicit CProjectSettings(LPCSTR lpszProjectFile = ProjectFormat::kDefaultFileName);
    CProjectSettings(const CProjectSettings&) = delete;
    CProjectSettings& operator=(const CProjectSettings&) = delete;
    ~CProjectSettings() override;

    // Lifecycle and raw access
    // Stores the name and puts the source in INI file mode on it.
    void SetProjectFile(LPCSTR lpszFileName);
    void GetProjectFile(CString& strFileName) const { strFileName = m_strProjectFile; }
    BOOL OpenSource(void* pContext);
    BOOL OpenProjectFile(LPCSTR lpszFileName, void* pContext);
    // Whole-file mode when the file carries the head section, else INI file
    // mode with its sections read once; both answer alike.
    BOOL OpenProjectText(LPCSTR lpszFileName);
    void CloseSource();
    int GetString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, LPSTR lpBuffer, int nSize);
    int GetInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault);
    const CProjectFiles& GetSource() const { return m_source; }

    // Getters of whole sections. Those returning "absent" leave their outputs
    // as the caller set them.
    void GetMenuType(CString& strType, int& nLevel, CString& strMain);
    // The first character of [TarnixPro] LANGUAGE (default "G"); returns the
    // length of the value.
    int GetLanguage(char& chLetter);
    // Returns blue.
    int GetColor(LPCSTR lpszSection, int& nRed, int& nGreen, int& nBlue);
    void GetColorRef(LPCSTR lpszSection, COLORREF& crColor);
    void GetDesktop(int& nPaint, COLORREF& crColor);
    void GetFont(LPCSTR lpszSection, LPCSTR lpszPrefix, CFontDesc& font);
    // Returns the TIME value.
    int GetWelcomeIcon(COLORREF& crColor, CString& strIcon, int& nSeconds);
    BOOL IsEnabled(LPCSTR lpszSection);
    // FALSE when [BUTTON<n>] has no ENABLE key.
    BOOL GetButton(int nNumber, CString& strStyle, BOOL& bEnabled, RECT& rect, CString& strCaption,
                   CString& strDocument, CString& strApplication, CString& strParameter, CString& strFunction,
                   CFontDesc& idleFont, CFontDesc& overFont, CFontDesc& downFont, CString& strBitmap,
                   CString& strTooltip, int& nStopSound, int& nStartSound, CString& strSoundFile);
    BOOL GetShowErrors();
    BOOL HasWindowImage();
    BOOL GetWindowImage(CString& strFile, int& nX, int& nY, int& nPosition, int& nRepeat);
    // TRUE when the IMAGEFILE text read (default "tarnix.bmp") is not empty.
    BOOL GetWindowImageFile(CString& strFile);
    BOOL GetText(int nNumber, int& nX, int& nY, CString& strText, CFontDesc& font);
    void GetTooltip(BOOL& bEnable, int& nX, int& nY, int& nWidth, int& nHeight, BOOL& bTransparent,
                    COLORREF& crColor, CFontDesc& font, CString& strDefaultText, BOOL& bCenter);
    // Returns the ENABLE flag.
    BOOL GetSound(CString& strFile, int& nRepeat, int& nKeyClick, int& nKeyOver);
    // Only image 1 exists; returns its ENABLE value.
    int GetImage(CString& strFile, int nNumber, int& nX, int& nY, int& nWidth, int& nHeight);
    BOOL GetTextField(int nNumber, int& nX, int& nY, int& nWidth, int& nHeight, int& nHorzScroll,
                      int& nVertScroll, CString& strDocument, int& nBorder);
    BOOL GetItem(LPCSTR lpszSection, int nNumber, CString& strValue);

    // Path operations
    // The folder of the project file, lower-cased; the program's folder when the
    // project file has no drive letter.
    void GetProjectFolder(CString& strFolder) const;
    // Replaces the first "_CURRENTDIR_" by the project folder.
    void ExpandCurrentDir(CString& strPath) const;
    // The reverse, for an existing file inside the project folder; with bWarn a
    // file outside it is reported in a warning box.
    void ContractCurrentDir(CString& strPath, BOOL bWarn) const;

private:
    // The value of a key, cut to nMaxChars characters.
    CString ReadString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nMaxChars);
    CString ReadPath(LPCSTR lpszSection, LPCSTR lpszKey, int nMaxChars);
    BOOL ReadButtonSection(LPCSTR lpszSection, CString& strStyle, BOOL& bEnabled, RECT& rect,
                           CString& strCaption, CString& strDocument, CString& strApplication,
                           CString& strParameter, CString& strFunction, CFontDesc& idleFont,
                           CFontDesc& overFont, CFontDesc& downFont, CString& strBitmap, CString& strTooltip,
                           int& nStopSound, int& nStartSound, CString& strSoundFile);
    CString GetButtonStyle(LPCSTR lpszSection, BOOL bEnabled);
    void GetButtonRect(LPCSTR lpszSection, RECT& rect);
    void GetLink(LPCSTR lpszSection, CString& strDocument, CString& strApplication, CString& strParameter,
                 CString& strFunction);
    int MaxFontHeight();

    CProjectFiles m_source;
    CString m_strProjectFile;
    int m_nMaxFontHeight = 0;      // the screen's height once asked during a reading; 0 before
};
