#include "toolkit/frame/XTGlobalData.h"

#include "toolkit/XTResource.h"
#include "toolkit/frame/XTColorValue.h"
#include "toolkit/frame/XTOSVersion.h"

#include "framework/MessageBox.h"

#include <shlwapi.h>
#include <stddef.h>

namespace {

int CALLBACK StopAtFace(const LOGFONTA* plf, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    return lstrcmpiA(plf->lfFaceName, reinterpret_cast<LPCSTR>(lParam)) == 0 ? 0 : 1;
}

void CopyFaceName(LOGFONTA& lf, LPCSTR pszFace)
{
    lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
}

void CreateFontFrom(CFont& font, LOGFONTA lf, LONG nWeight, BYTE bUnderline, LONG nEscapement)
{
    lf.lfWeight = nWeight;
    lf.lfUnderline = bUnderline;
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nEscapement;
    font.CreateFontIndirect(&lf);
}

void FreeCursor(HCURSOR& hCursor)
{
    if (hCursor != nullptr)
        ::DestroyCursor(hCursor);
    hCursor = nullptr;
}

} // namespace

CXTGlobalData& GetXTGlobalData()
{
    static CXTGlobalData data;
    return data;
}

CXTGlobalData::CXTGlobalData()
    : m_hCursorCopy(nullptr), m_hCursorMove(nullptr), m_hCursorNoDrop(nullptr), m_hCursorSpare1(nullptr),
      m_hCursorSpare2(nullptr), m_hCursorSizeCol(nullptr), m_hCursorSizeRow(nullptr), m_hCursorSizeAll(nullptr),
      m_strHorzFaceName("Tahoma"), m_strVertFaceName("Arial"), m_bCoolMenuAttached(FALSE), m_bFlatLook(FALSE),
      m_bMenuDropShadows(TRUE), m_bShowBarWhileDragging(TRUE), m_bBarListMenus(TRUE), m_bDockBarListMenus(TRUE),
      m_bRecentFirstMenus(TRUE), m_bFullMenusAfterDelay(TRUE), m_bBarTips(TRUE), m_bBarTipKeys(FALSE),
      m_nComCtlVersion(-1), m_hInstance(nullptr)
{
    const OSVERSIONINFOA& os = GetOSVersionInfo();
    BOOL bWindows = os.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    BOOL bNT = os.dwPlatformId == VER_PLATFORM_WIN32_NT;
    m_bWin95 = bWindows && os.dwMajorVersion == 4 && os.dwMinorVersion < 10;
    m_bWin98 = bWindows && os.dwMajorVersion == 4 && os.dwMinorVersion == 10;
    m_bWinNT4 = bNT && os.dwMajorVersion == 4 && os.dwMinorVersion == 0;
    m_bWin2000 = bNT && os.dwMajorVersion == 5 && os.dwMinorVersion == 0;
    m_bWinXP = bNT && os.dwMajorVersion == 5 && os.dwMinorVersion == 1;
    InitResources(nullptr);
}

CXTGlobalData::~CXTGlobalData()
{
    DeleteFonts();
    FreeCursors();
}

void CXTGlobalData::InitResources(HINSTANCE hInst)
{
    m_hInstance = hInst != nullptr ? hInst : ::GetModuleHandleA(nullptr);
    UpdateSysColors();
    UpdateSysMetrics();
    CreateFonts();
    LoadCursors();
    QueryComCtlVersion();
    CheckComCtlVersion(m_nComCtlVersion);
}

BOOL CXTGlobalData::CheckComCtlVersion(int nVersion)
{
    if (nVersion >= XT_MIN_COMCTL_VERSION)
        return TRUE;
    AfxShowMessageBox(nullptr,
                      "This application requires Comctl32.dll version 4.72 or higher. "
                      "The application will now abort!\n\n"
                      "Please install a newer version of the common controls of your system "
                      "and start the application again.",
                      "Error - Wrong Version Comctl32.dll", MB_ICONERROR);
    ::PostQuitMessage(0);
    return FALSE;
}

int CXTGlobalData::QueryComCtlVersion()
{
    if (m_nComCtlVersion != -1)
        return m_nComCtlVersion;
    // The library stays loaded: the toolkit's bars use it for the program's
    // life, and one freed here would be loaded and set up again by the first bar.
    HMODULE hComCtl = ::GetModuleHandleA("COMCTL32.DLL");
    if (hComCtl == nullptr)
        hComCtl = ::LoadLibraryA("COMCTL32.DLL");
    typedef HRESULT(CALLBACK * GETVERSION)(DLLVERSIONINFO*);
    GETVERSION pfnGetVersion =
        hComCtl != nullptr ? reinterpret_cast<GETVERSION>(reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion"))) : nullptr;
    if (pfnGetVersion != nullptr)
    {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(pfnGetVersion(&info)))
            m_nComCtlVersion = (int)((info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF));
    }
    return m_nComCtlVersion == -1 ? 0 : m_nComCtlVersion;
}

XT_DERIVED_COLORS CXTGlobalData::DeriveColors(const XT_BASE_COLORS& base)
{
    CXTColorValue face(base.clrFace), shadow(base.clrShadow), window(base.clrWindow);
    XT_DERIVED_COLORS d;
    d.clr3DFaceLight = face.AddGray(18);
    d.clrFlatWindowFace = window.Blend(face, 14);
    d.clrFlatBarFace = face.Blend(window, 17);
    d.clrFlatFaceShadow = face.Blend(shadow, 10);
    d.clrFlatFaceDark = face.Blend(xtClrBlack, 33).Blend(window, 30);
    d.clrFlatShadowDark = shadow.Blend(xtClrBlack, 20);
    d.clrFlatGripper = shadow.Blend(window, 25);
    d.clrFlatHighlightLight = window.Blend(base.clrHighlight, 30);
    d.clrFlatHighlightFace = CXTColorValue(d.clr3DFaceLight).Blend(base.clrHighlight, 20).Blend(window, 39);
    d.clrFlatHighlight = window.Blend(base.clrHighlight, 50);
    d.clrFlatFaceLight = face.AddGray(30);
    d.clrFlatHighlightText = ContrastTextColor(d.clrFlatHighlight, base.clrHighlightText, base.clrMenuText);
    return d;
}

COLORREF CXTGlobalData::ContrastTextColor(COLORREF clr, COLORREF clrHighlightText, COLORREF clrMenuText)
{
    double dLuminance = (GetRValue(clr) * 299.0 + GetGValue(clr) * 587.0 + GetBValue(clr) * 114.0) / 1000.0;
    return dLuminance > 148 ? clrMenuText : clrHighlightText;
}

COLORREF CXTGlobalData::GetContrastTextColor(COLORREF clr) const
{
    return ContrastTextColor(clr, m_clrHighlightText, m_clrMenuText);
}

void CXTGlobalData::UpdateSysColors()
{
    m_clr3DFace = ::GetSysColor(COLOR_BTNFACE);
    m_clr3DShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clr3DDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clr3DHilight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_clrMenu = ::GetSysColor(COLOR_MENU);
    m_clrMenuText = ::GetSysColor(COLOR_MENUTEXT);
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrWindowFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrActiveCaption = ::GetSysColor(COLOR_ACTIVECAPTION);
    m_clrInactiveCaption = ::GetSysColor(COLOR_INACTIVECAPTION);
    m_clrGradActiveCapt = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    m_clrGradInactiveCapt = ::GetSysColor(COLOR_GRADIENTINACTIVECAPTION);
    m_clrActiveCaptText = ::GetSysColor(COLOR_CAPTIONTEXT);
    m_clrInactiveCaptText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);

    XT_BASE_COLORS base = { m_clr3DFace, m_clr3DShadow, m_clrWindow, m_clrHighlight, m_clrHighlightText, m_clrMenuText };
    XT_DERIVED_COLORS d = DeriveColors(base);
    m_clr3DFaceLight = d.clr3DFaceLight;
    m_clrFlatBarFace = d.clrFlatBarFace;
    m_clrFlatFaceShadow = d.clrFlatFaceShadow;
    m_clrFlatShadowDark = d.clrFlatShadowDark;
    m_clrFlatWindowFace = d.clrFlatWindowFace;
    m_clrFlatFaceDark = d.clrFlatFaceDark;
    m_clrFlatGripper = d.clrFlatGripper;
    m_clrFlatFaceLight = d.clrFlatFaceLight;
    m_clrFlatHighlightLight = d.clrFlatHighlightLight;
    m_clrFlatHighlight = d.clrFlatHighlight;
    m_clrFlatHighlightFace = d.clrFlatHighlightFace;
    m_clrFlatHighlightText = d.clrFlatHighlightText;
}

void CXTGlobalData::UpdateSysMetrics()
{
    m_cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    m_cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    m_cxBmpButton = 18;
    m_cyBmpButton = 18;
    m_cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    m_cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    m_cyMenuItem = ::GetSystemMetrics(SM_CYMENU);
}

BOOL CXTGlobalData::FontFaceExists(LPCSTR lpszFaceName)
{
    if (lpszFaceName == nullptr || *lpszFaceName == '\0')
        return FALSE;
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetWindowDC(hWndDesktop);
    if (hDC == nullptr)
        return FALSE;
    // Only the face's own fonts are listed: all of them would cost the start
    // a walk through every face installed.
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    int nResult = ::EnumFontFamiliesExA(hDC, &lf, StopAtFace, reinterpret_cast<LPARAM>(lpszFaceName), 0);
    ::ReleaseDC(hWndDesktop, hDC);
    return nResult == 0;
}

void CXTGlobalData::CreateFonts()
{
    // The record as the oldest systems know it: newer fields would make older ones refuse it.
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(ncm.lfMenuFont), &ncm.lfMenuFont);
    CreateFontsFrom(ncm.lfMenuFont);
}

void CXTGlobalData::CreateFontsFrom(const LOGFONTA& lfMenu)
{
    DeleteFonts();
    LOGFONTA lfHorz = lfMenu;
    LOGFONTA lfVert = lfMenu;
    // A symbol character set keeps the menu's own face.
    if ((lfMenu.lfCharSet & 2) == 0)
    {
        if (FontFaceExists(m_strHorzFaceName))
            CopyFaceName(lfHorz, m_strHorzFaceName);
        if (FontFaceExists(m_strVertFaceName))
            CopyFaceName(lfVert, m_strVertFaceName);
    }
    CreateFontFrom(m_fontNormal, lfHorz, FW_NORMAL, FALSE, 0);
    CreateFontFrom(m_fontBold, lfHorz, FW_BOLD, FALSE, 0);
    CreateFontFrom(m_fontUnderline, lfHorz, FW_NORMAL, TRUE, 0);
    CreateFontFrom(m_fontNormal2, lfHorz, FW_NORMAL, FALSE, 0);
    CreateFontFrom(m_fontVert, lfVert, FW_NORMAL, FALSE, 900);
    CreateFontFrom(m_fontVertBold, lfVert, FW_BOLD, FALSE, 900);
    CreateFontFrom(m_fontVertDown, lfVert, FW_NORMAL, FALSE, 2700);
    CreateFontFrom(m_fontVertDownBold, lfVert, FW_BOLD, FALSE, 2700);
}

void CXTGlobalData::DeleteFonts()
{
    CFont* fonts[] = { &m_fontNormal, &m_fontBold, &m_fontUnderline, &m_fontNormal2,
                       &m_fontVert, &m_fontVertBold, &m_fontVertDown, &m_fontVertDownBold };
    for (CFont* pFont : fonts)
        pFont->DeleteObject();
}

void CXTGlobalData::LoadCursors()
{
    FreeCursors();
    m_hCursorCopy = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_DRAGCOPY));
    m_hCursorMove = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_DRAGMOVE));
    m_hCursorNoDrop = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_DRAGNONE));
    m_hCursorSpare1 = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_SPARE1));
    m_hCursorSpare2 = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_SPARE2));
    m_hCursorSizeCol = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_SIZECOL));
    m_hCursorSizeRow = ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(XT_IDC_SIZEROW));
    m_hCursorSizeAll = ::LoadCursorA(nullptr, IDC_SIZEALL);
}

void CXTGlobalData::FreeCursors()
{
    HCURSOR* cursors[] = { &m_hCursorCopy, &m_hCursorMove, &m_hCursorNoDrop, &m_hCursorSpare1,
                           &m_hCursorSpare2, &m_hCursorSizeCol, &m_hCursorSizeRow };
    for (HCURSOR* phCursor : cursors)
        FreeCursor(*phCursor);
}
