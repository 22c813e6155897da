// The player's document: everything one menu page holds, read through the
// application's project settings when the view or the menu window asks for it.
// The menu window turns its create structs into menu objects; the document
// itself never writes the project.
#pragma once

#include "framework/Document.h"
#include "framework/Rect.h"
#include "shared/menuobj/MObjList.h"
#include "shared/support/DibImage.h"
#include "shared/support/FontDesc.h"
#include "shared/support/Picture.h"

#include <functional>

class CProjectSettings;
struct IconFile;
class CWnd;

class CTarnixDoc : public CDocument
{
    DECLARE_DYNCREATE(CTarnixDoc)
protected:
    CTarnixDoc();

public:
    ~CTarnixDoc() override;

    // Operations
    // Reads the whole page. With a window the buttons, texts, text fields,
    // window icon and tooltip settings are read as well; without one only the
    // window, background, welcome and sound settings.
    void LoadPage(CProjectSettings* pSettings, CWnd* pWnd);
    // Destroys the icons and deletes the create structs of every list.
    void Clear();
    // ITEM00 of a popup-menu section of the page into strItem when it is there.
    BOOL ReadPopupItems(LPCSTR lpszSection, CString& strItem);

    // The style a button is drawn in: a bitmap, office or monochrome button
    // whose picture cannot be opened, or is a GIF or JPG picture the platform
    // cannot decode, is drawn as a window button.
    static CString ButtonStyleFor(const CString& strStyle, const CString& strImageFile,
                                  const std::function<BOOL()>& gifSupport);
    // Whether the platform's picture object decodes GIF pictures; asked of it once.
    BOOL GifSupport();
    // Which of the icon's images (only the first four count) a window icon of
    // the width is made from: the one of that width whose colour depth is
    // closest to the screen's, the earlier on a tie; the first image when none
    // has the width; -1 for an icon without images.
    static int ChooseIconImage(const IconFile& icon, UINT nWidth, int nScreenBits);

    // Attributes, as the last load left them
    void* m_pLoadOwner;            // context of the settings' open
    CString m_strProjectFolder;    // lower case, no trailing backslash
    CProjectSettings* m_pSettings; // the accessor of the last load; not owned

    HICON m_hIconBig;              // window icons, owned
    HICON m_hIconSmall;
    int m_bHasIcon;

    // Create structs of the page, owned; the menu window walks all of them.
    CMObjList m_buttons;           // CMButCreateStruct
    CMObjList m_texts;             // CMTextCreateStruct
    CMObjList m_textFields;        // CViewerCreateStruct
    CMObjList m_videos;
    CMObjList m_speakers;
    CMObjList m_images;
    CMObjList m_fileLists;

    // Desktop behind the menu window
    int m_bPaintDesktop;
    COLORREF m_crDesktop;

    // Window
    int m_nWinX;
    int m_nWinY;
    int m_nWinW;
    int m_nWinH;
    COLORREF m_crWindowBg;
    CString m_strTitle;
    int m_bBorder;
    int m_nCornerW;                // 0 ... 512
    int m_nCornerH;
    int m_nSizeType;
    int m_bEscExit;
    int m_bShowErrors;

    // Background image
    CString m_strBgImage;          // empty when none is loaded
    int m_nBgImageX;
    int m_nBgImageY;
    int m_nBgImagePos;
    int m_nBgImageRepeat;
    int m_nBgWidth;                // 1 by 1 without an image
    int m_nBgHeight;
    CPicture m_bgPicture;
    CDibImage m_bgDib;
    int m_bBgFromPicture;
    int m_bBgFromDib;
    int m_bHasBgImage;

    // Background sound
    CString m_strSoundFile;
    int m_bSoundEnabled;
    int m_bSoundRepeat;
    int m_bKeyClick;
    int m_bKeyOver;

    // Welcome screen, shown at most once per program run
    int m_bWelcome;
    COLORREF m_crWelcome;
    CString m_strWelcomeText[4];
    int m_nWelcomeTime;            // seconds, 1 ... 20
    CString m_strWelcomeIcon;      // also the window icon
    int m_bWelcomeImage;
    CString m_strWelcomeImageFile;

    // Buttons
    int m_nBrightness;
    int m_nHoover;
    CFontDesc m_buttonFont;

    // Tooltips
    BOOL m_bTooltip;
    int m_nTooltipX;
    int m_nTooltipY;
    int m_nTooltipW;
    int m_nTooltipH;
    BOOL m_bTooltipCenter;
    BOOL m_bTooltipTransparent;
    COLORREF m_crTooltip;
    CString m_strTooltipText;
    CFontDesc m_tooltipFont;
    CRect m_rcTooltip;

    int m_bGifSupport;             // the platform decodes GIF pictures; -1 until asked
    // The menu window's client size once it is placed (0 by 0 before): the
    // window keeps the first page's size, and later pages' objects are
    // brought onto it.
    CSize m_shownPageSize;

    static constexpr int kMaxButtons = 10;
    static constexpr int kMaxTexts = 10;
    static constexpr int kMaxTextFields = 1;
    static constexpr int kMinWindowW = 120;
    static constexpr int kMinWindowH = 50;

private:
    void ReadBackgroundImage();
    BOOL LoadBackgroundImage();
    void ReadWindow();
    void ReadWelcome();
    void ReadSound();
    void ReadButtons();
    void ReadTexts();
    void ReadTextFields();
    void ReadObjects();
    void FitObjects();
    void ReadWindowIcon();
    void ReadTooltip();
    CString ReadText(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nMaxChars);
    void DestroyIcons();
};
