// The toolkit's process-wide colours, fonts, cursors, metrics and user options,
// and the version facts every toolkit class draws and decides with.
#pragma once

#include "framework/Font.h"
#include "framework/String.h"

#include <windows.h>

// The system colours the flat-look colours are derived from.
struct XT_BASE_COLORS
{
    COLORREF clrFace;
    COLORREF clrShadow;
    COLORREF clrWindow;
    COLORREF clrHighlight;
    COLORREF clrHighlightText;
    COLORREF clrMenuText;
};

// The colours derived from them.
struct XT_DERIVED_COLORS
{
    COLORREF clr3DFaceLight;
    COLORREF clrFlatBarFace;
    COLORREF clrFlatFaceShadow;
    COLORREF clrFlatShadowDark;
    COLORREF clrFlatWindowFace;
    COLORREF clrFlatFaceDark;
    COLORREF clrFlatGripper;
    COLORREF clrFlatFaceLight;
    COLORREF clrFlatHighlightLight;
    COLORREF clrFlatHighlight;
    COLORREF clrFlatHighlightFace;
    COLORREF clrFlatHighlightText;
};

// The oldest common controls library the toolkit runs on: 4.72.
#define XT_MIN_COMCTL_VERSION 0x40048

class CXTGlobalData
{
public:
    // Construction: only GetXTGlobalData makes the one object.
    CXTGlobalData();
    CXTGlobalData(const CXTGlobalData&) = delete;
    CXTGlobalData& operator=(const CXTGlobalData&) = delete;
    virtual ~CXTGlobalData();

    // Colours
    COLORREF m_clr3DFace;
    COLORREF m_clr3DShadow;
    COLORREF m_clr3DDkShadow;
    COLORREF m_clr3DHilight;
    COLORREF m_clr3DFaceLight;
    COLORREF m_clrBtnText;
    COLORREF m_clrGrayText;
    COLORREF m_clrHighlight;
    COLORREF m_clrHighlightText;
    COLORREF m_clrMenu;
    COLORREF m_clrMenuText;
    COLORREF m_clrWindow;
    COLORREF m_clrWindowFrame;
    COLORREF m_clrWindowText;
    COLORREF m_clrActiveCaption;
    COLORREF m_clrInactiveCaption;
    COLORREF m_clrGradActiveCapt;
    COLORREF m_clrGradInactiveCapt;
    COLORREF m_clrActiveCaptText;
    COLORREF m_clrInactiveCaptText;
    COLORREF m_clrFlatBarFace;          // bar background in the flat look
    COLORREF m_clrFlatFaceShadow;
    COLORREF m_clrFlatShadowDark;
    COLORREF m_clrFlatWindowFace;
    COLORREF m_clrFlatFaceDark;
    COLORREF m_clrFlatGripper;          // gripper lines in the flat look
    COLORREF m_clrFlatFaceLight;
    COLORREF m_clrFlatHighlightLight;   // hot fill
    COLORREF m_clrFlatHighlight;        // pressed fill
    COLORREF m_clrFlatHighlightFace;    // checked fill
    COLORREF m_clrFlatHighlightText;    // text on the pressed fill

    // Cursors (all owned but the size-all cursor, which is the system's)
    HCURSOR m_hCursorCopy;
    HCURSOR m_hCursorMove;
    HCURSOR m_hCursorNoDrop;
    HCURSOR m_hCursorSpare1;
    HCURSOR m_hCursorSpare2;
    HCURSOR m_hCursorSizeCol;
    HCURSOR m_hCursorSizeRow;
    HCURSOR m_hCursorSizeAll;

    // Metrics
    int m_cxSmIcon;
    int m_cySmIcon;
    int m_cxBmpButton;
    int m_cyBmpButton;
    int m_cxHThumb;
    int m_cyVThumb;
    int m_cyMenuItem;

    // Fonts
    CFont m_fontNormal;         // every toolkit control bar's font
    CFont m_fontBold;
    CFont m_fontUnderline;
    CFont m_fontNormal2;        // the status bar's font
    CFont m_fontVert;           // text running upwards
    CFont m_fontVertBold;
    CFont m_fontVertDown;       // text running downwards
    CFont m_fontVertDownBold;
    CString m_strHorzFaceName;
    CString m_strVertFaceName;

    // Windows version
    BOOL m_bWin95;
    BOOL m_bWin98;
    BOOL m_bWinNT4;
    BOOL m_bWin2000;
    BOOL m_bWinXP;

    // Options
    BOOL m_bCoolMenuAttached;
    BOOL m_bFlatLook;
    BOOL m_bMenuDropShadows;
    BOOL m_bShowBarWhileDragging;
    BOOL m_bBarListMenus;
    BOOL m_bDockBarListMenus;
    BOOL m_bRecentFirstMenus;
    BOOL m_bFullMenusAfterDelay;
    BOOL m_bBarTips;
    BOOL m_bBarTipKeys;

    int m_nComCtlVersion;       // (major << 16) | minor; -1 until read
    CString m_strIniOverride;   // INI file for toolkit settings; "" = the registry
    HINSTANCE m_hInstance;      // module of the toolkit's resources

    // Operations
    // Colours, metrics, fonts and cursors from the module (null: the program's),
    // and the common controls check.
    void InitResources(HINSTANCE hInst);
    void UpdateSysColors();
    void UpdateSysMetrics();
    void CreateFonts();
    // The fonts made from a menu font; CreateFonts passes the system's.
    void CreateFontsFrom(const LOGFONTA& lfMenu);
    void DeleteFonts();
    void LoadCursors();
    void FreeCursors();
    int QueryComCtlVersion();
    COLORREF GetContrastTextColor(COLORREF clr) const;

    static BOOL FontFaceExists(LPCSTR lpszFaceName);
    static XT_DERIVED_COLORS DeriveColors(const XT_BASE_COLORS& base);
    // The menu text colour on a light colour (luminance above 148), else the
    // highlight text colour.
    static COLORREF ContrastTextColor(COLORREF clr, COLORREF clrHighlightText, COLORREF clrMenuText);
    // FALSE, after an error box and a posted quit message, for a common
    // controls version below 4.72.
    static BOOL CheckComCtlVersion(int nVersion);
};

// The one object, made on first use and destroyed at process exit.
CXTGlobalData& GetXTGlobalData();
#define xtAfxData (GetXTGlobalData())
