#include "player/TarnixDoc.h"

#include "shared/menuobj/PageObjectReader.h"

#include "framework/ClientDC.h"
#include "framework/File.h"
#include "framework/Wnd.h"
#include "player/PlayerApp.h"
#include "player/resource.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/IconFile.h"
#include "shared/support/ProjectSettings.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CTarnixDoc, CDocument)

using namespace ProjectFormat;

namespace {

const int kBgFrameWidth = 12;    // window frame around a background image
const int kBgFrameHeight = 31;   // frame and caption
const int kTextWidth = 100;
const int kTextHeight = 24;
const int kIconImagesConsidered = 4;

int Clamp(int nValue, int nLow, int nHigh)
{
    return nValue < nLow ? nLow : (nValue > nHigh ? nHigh : nValue);
}

bool CanOpenForReading(const CString& strPath)
{
    if (strPath.IsEmpty())
        return false;
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone))
        return false;
    file.Abort();
    return true;
}

// A name with a blank is quoted, so that the starter takes it as one name.
CString QuotedIfBlank(const CString& strName)
{
    if (strName.IsEmpty() || strName[0] == '"' || strName.Find(' ') < 0)
        return strName;
    return "\"" + strName + "\"";
}

// The extension of a file name from its last ".", upper-cased; empty without one.
CString UpperExtension(const CString& strPath)
{
    int nDot = strPath.ReverseFind('.');
    CString extension = nDot >= 0 ? strPath.Mid(nDot) : CString();
    extension.MakeUpper();
    return extension;
}

CSize ScreenSize()
{
    RECT screen;
    ::GetWindowRect(::GetDesktopWindow(), &screen);
    return CSize(screen.right - screen.left, screen.bottom - screen.top);
}

// Bits per pixel of the main window's screen; 4 without a main window.
int MainWindowBitsPerPixel()
{
    CWnd* pMain = AfxGetMainWnd();
    if (AfxHwnd(pMain) == nullptr)
        return 4;
    CClientDC dc(pMain);
    return dc.GetDeviceCaps(BITSPIXEL) * dc.GetDeviceCaps(PLANES);
}

} // namespace

CTarnixDoc::CTarnixDoc()
    : m_pLoadOwner(nullptr), m_pSettings(nullptr), m_hIconBig(nullptr), m_hIconSmall(nullptr), m_bHasIcon(0),
      m_bPaintDesktop(0), m_crDesktop(RGB(0, 0x80, 0x80)), m_nWinX(-1), m_nWinY(-1), m_nWinW(-1), m_nWinH(-1),
      m_crWindowBg(RGB(196, 196, 196)), m_bBorder(1), m_nCornerW(1), m_nCornerH(1), m_nSizeType(1), m_bEscExit(0),
      m_bShowErrors(0), m_nBgImageX(0), m_nBgImageY(0), m_nBgImagePos(0), m_nBgImageRepeat(0), m_nBgWidth(1),
      m_nBgHeight(1), m_bBgFromPicture(0), m_bBgFromDib(0), m_bHasBgImage(0), m_bSoundEnabled(0), m_bSoundRepeat(0),
      m_bKeyClick(0), m_bKeyOver(0), m_bWelcome(0), m_crWelcome(RGB(255, 255, 255)), m_nWelcomeTime(5),
      m_bWelcomeImage(0), m_nBrightness(100), m_nHoover(0), m_bTooltip(FALSE), m_nTooltipX(0), m_nTooltipY(0),
      m_nTooltipW(0), m_nTooltipH(0), m_bTooltipCenter(FALSE), m_bTooltipTransparent(FALSE),
      m_crTooltip(RGB(255, 255, 255)), m_bGifSupport(-1)
{
    if (CPlayerApp* pApp = GetPlayerApp())
        m_pLoadOwner = pApp->m_pLoadOwner;
    m_buttons.SetMaxCount(kMaxButtons);
    m_texts.SetMaxCount(kMaxTexts);
    m_textFields.SetMaxCount(kMaxTextFields);
    m_videos.SetMaxCount(1);
    m_speakers.SetMaxCount(100);
    m_images.SetMaxCount(100);
    m_fileLists.SetMaxCount(1);
}

CTarnixDoc::~CTarnixDoc()
{
    Clear();
}

// ---------------------------------------------------------------------------
// Operations

void CTarnixDoc::LoadPage(CProjectSettings* pSettings, CWnd* pWnd)
{
    m_pSettings = pSettings;
    Clear();
    if (m_pSettings == nullptr)
        return;

    m_pSettings->OpenSource(m_pLoadOwner);
    m_bShowErrors = m_pSettings->GetShowErrors();
    m_pSettings->GetProjectFolder(m_strProjectFolder);
    ReadBackgroundImage();
    ReadWindow();
    ReadWelcome();
    ReadSound();
    m_bEscExit = m_pSettings->GetInt(kSecWindow, kKeyEscExit, 0);
    if (pWnd != nullptr)
    {
        ReadButtons();
        ReadTexts();
        ReadTextFields();
        ReadObjects();
        FitObjects();
        ReadWindowIcon();
        ReadTooltip();
    }
    m_pSettings->CloseSource();

    if (CPlayerApp* pApp = GetPlayerApp())
        ++pApp->m_nLoadCount;
}

void CTarnixDoc::Clear()
{
    DestroyIcons();
    CMObjList* lists[] = { &m_buttons, &m_texts, &m_textFields, &m_videos, &m_speakers, &m_images, &m_fileLists };
    for (CMObjList* pList : lists)
        pList->DeleteAll();
}

BOOL CTarnixDoc::ReadPopupItems(LPCSTR lpszSection, CString& strItem)
{
    CString item;
    if (m_pSettings == nullptr || !m_pSettings->GetItem(lpszSection, 0, item))
        return FALSE;
    strItem = item;
    return TRUE;
}

// Whether GIF and JPG button pictures can be shown at all; a failed probe is
// an answer, not an error to show. The platform's answer does not change
// while the program runs, and starting the picture object's decoders costs
// time, so only a page that has such a picture asks, and only once.
BOOL CTarnixDoc::GifSupport()
{
    if (m_bGifSupport < 0)
    {
        CPicture probe;
        probe.m_bShowErrors = FALSE;
        m_bGifSupport = probe.LoadFromResource(IDR_GIF_PROBE, "GIF") ? 1 : 0;
    }
    return m_bGifSupport;
}

CString CTarnixDoc::ButtonStyleFor(const CString& strStyle, const CString& strImageFile,
                                   const std::function<BOOL()>& gifSupport)
{
    // Bitmap, office and monochrome buttons draw their picture.
    if (strStyle.IsEmpty() || (strStyle[0] != 'B' && strStyle[0] != 'O' && strStyle[0] != 'M'))
        return strStyle;
    if (!CanOpenForReading(strImageFile))
        return kStyleWindows;
    CString ending = strImageFile.Right(4);
    ending.MakeLower();
    if ((ending == ".gif" || ending == ".jpg") && !gifSupport())
        return kStyleWindows;
    return strStyle;
}

int CTarnixDoc::ChooseIconImage(const IconFile& icon, UINT nWidth, int nScreenBits)
{
    int nCount = (int)icon.images.size();
    if (nCount > kIconImagesConsidered)
        nCount = kIconImagesConsidered;
    if (nCount == 0)
        return -1;
    int nChosen = -1;
    int nBestDistance = 0;
    for (int i = 0; i < nCount; ++i)
    {
        const IconImage& image = icon.images[i];
        if (image.nWidth != nWidth)
            continue;
        int nDistance = std::abs((int)image.nBitsPerPixel - nScreenBits);
        if (nChosen < 0 || nDistance < nBestDistance)
        {
            nChosen = i;
            nBestDistance = nDistance;
        }
    }
    return nChosen < 0 ? 0 : nChosen;
}

// ---------------------------------------------------------------------------
// Reading the page

CString CTarnixDoc::ReadText(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, int nMaxChars)
{
    return ReadPageText(*m_pSettings, lpszSection, lpszKey, lpszDefault, nMaxChars);
}

void CTarnixDoc::ReadBackgroundImage()
{
    m_strBgImage.Empty();
    m_bBgFromPicture = m_bBgFromDib = m_bHasBgImage = 0;
    m_nBgWidth = m_nBgHeight = 1;
    CString file;
    if (!m_pSettings->HasWindowImage() ||
        !m_pSettings->GetWindowImage(file, m_nBgImageX, m_nBgImageY, m_nBgImagePos, m_nBgImageRepeat))
        return;
    m_strBgImage = file;
    if (!LoadBackgroundImage())
        m_strBgImage.Empty();
}

BOOL CTarnixDoc::LoadBackgroundImage()
{
    CString extension = UpperExtension(m_strBgImage);
    if ((extension.Left(4) == ".BMP" || extension.Left(4) == ".DIB") && LoadDibImage(m_bgDib, m_strBgImage))
    {
        m_bBgFromDib = 1;
        m_nBgWidth = m_bgDib.GetWidth();
        m_nBgHeight = m_bgDib.GetHeight();
    }
    else
    {
        m_bgPicture.m_bShowErrors = m_bShowErrors;
        if (!m_bgPicture.Load(m_strBgImage))
            return FALSE;
        m_bBgFromPicture = 1;
        m_nBgWidth = m_bgPicture.GetWidth();
        m_nBgHeight = m_bgPicture.GetHeight();
    }
    m_bHasBgImage = 1;
    return TRUE;
}

void CTarnixDoc::ReadWindow()
{
    int nX = m_pSettings->GetInt(kSecWindowPos, kKeyX, -1);
    int nY = m_pSettings->GetInt(kSecWindowPos, kKeyY, -1);
    int nW = m_pSettings->GetInt(kSecWindowSize, kKeyW, -1);
    int nH = m_pSettings->GetInt(kSecWindowSize, kKeyH, -1);
    m_nSizeType = m_pSettings->GetInt(kSecWindowSize, kKeySizeType, 1);

    // A page sized by its background picture is as large as the picture, as
    // the editor shows it; without a size the window fits the background image
    // in its frame. It never outgrows the screen nor shrinks below the
    // smallest window.
    CSize screen = ScreenSize();
    const RECT rect = PageRect(nX, nY, nW, nH, m_nSizeType, { m_nBgWidth, m_nBgHeight },
                               { m_nBgWidth + kBgFrameWidth, m_nBgHeight + kBgFrameHeight }, { kMinWindowW, kMinWindowH },
                               screen);
    m_nWinX = rect.left;
    m_nWinY = rect.top;
    m_nWinW = rect.right - rect.left;
    m_nWinH = rect.bottom - rect.top;

    m_crWindowBg = ReadWindowBgColor(*m_pSettings);
    m_strTitle = ReadText(kSecWindow, kKeyTitle, "Tarnix", 199);
    m_bBorder = m_pSettings->GetInt(kSecWindow, kKeyBorder, 1) != 0 ? 1 : 0;
    m_nCornerW = Clamp(m_pSettings->GetInt(kSecWindow, kKeyCornerWidth, 1), 0, kMaxCorner);
    m_nCornerH = Clamp(m_pSettings->GetInt(kSecWindow, kKeyCornerHeight, 1), 0, kMaxCorner);
    m_pSettings->GetDesktop(m_bPaintDesktop, m_crDesktop);
}

void CTarnixDoc::ReadWelcome()
{
    int nSeconds = 5;
    m_pSettings->GetWelcomeIcon(m_crWelcome, m_strWelcomeIcon, nSeconds);
    m_nWelcomeTime = Clamp(nSeconds, kMinWelcomeTime, kMaxWelcomeTime);
    m_bWelcome = m_pSettings->IsEnabled(kSecWelcome);
    for (int i = 0; i < 4; ++i)
        m_strWelcomeText[i] = ReadText(kSecWelcome, kWelcomeTextKeys[i], "", 80);
    m_strWelcomeImageFile = ReadText(kSecWelcome, kKeyImageFile, "", 299);
    m_pSettings->ExpandCurrentDir(m_strWelcomeImageFile);
    m_bWelcomeImage = m_pSettings->GetInt(kSecWelcome, kKeyImage, 0);

    // The welcome screen greets once per program run, not on every page.
    CPlayerApp* pApp = GetPlayerApp();
    if (pApp != nullptr && pApp->m_nLoadCount != 0)
        m_bWelcome = 0;
}

void CTarnixDoc::ReadSound()
{
    m_bSoundEnabled = m_pSettings->GetSound(m_strSoundFile, m_bSoundRepeat, m_bKeyClick, m_bKeyOver) ? 1 : 0;
}

void CTarnixDoc::ReadButtons()
{
    m_nBrightness = m_pSettings->GetInt(kSecButtons, kKeyBrightness, 100);
    m_nHoover = m_pSettings->GetInt(kSecButtons, kKeyHover, 0);
    m_pSettings->GetFont(kSecButtons, kFontButton, m_buttonFont);

    // Sections are tried beyond the maximum, so that gaps in the numbering
    // are skipped; buttons beyond the maximum are dropped.
    m_buttons.DeleteAll();
    const PageButtonLook look = { &m_buttonFont, m_nBrightness, m_nHoover, m_crWindowBg };
    for (int n = 1; n <= m_buttons.GetMaxCount() + 10; ++n)
    {
        CMButCreateStruct* pButton = ReadButtonCreateStruct(*m_pSettings, n, look);
        if (!pButton)
            continue;
        pButton->m_nNumber = (int)m_buttons.GetSize();
        pButton->m_strStyle = ButtonStyleFor(pButton->m_strStyle, pButton->m_strBitmap, [this]() { return GifSupport(); });
        // Only names the starter is given are quoted; a message shows its
        // text and title as they stand.
        if (pButton->m_nAction != ACTION_MESSAGE)
        {
            pButton->m_strDocument = QuotedIfBlank(pButton->m_strDocument);
            pButton->m_strApplication = QuotedIfBlank(pButton->m_strApplication);
        }
        if (!m_buttons.Add(pButton))
        {
            delete pButton;
            break;
        }
    }
}

void CTarnixDoc::ReadTexts()
{
    m_texts.DeleteAll();
    for (int n = 1; n <= m_texts.GetMaxCount() + 1; ++n)
    {
        CMTextCreateStruct* pText = ReadTextCreateStruct(*m_pSettings, n, { kTextWidth, kTextHeight }, m_crWindowBg);
        if (pText && !m_texts.Add(pText))
        {
            delete pText;
            break;
        }
    }
}

void CTarnixDoc::ReadTextFields()
{
    m_textFields.DeleteAll();
    for (int n = 1; n <= m_textFields.GetMaxCount() + 1; ++n)
    {
        CViewerCreateStruct* pField = ReadTextFieldCreateStruct(*m_pSettings, n, m_crWindowBg);
        if (pField && !m_textFields.Add(pField))
        {
            delete pField;
            break;
        }
    }
}

// The picture, the AVI clip, the volume slider and the script list box, read
// as the editor reads them.
void CTarnixDoc::ReadObjects()
{
    const struct
    {
        CMObjList* pList;
        LPCSTR lpszSection;   // null: the picture
        int nType;
    } kinds[] = {
        { &m_images, nullptr, MOBJ_PICTURE },
        { &m_videos, kSecEditorAviClip, MOBJ_AVICLIP },
        { &m_speakers, kSecEditorSlider, MOBJ_SLIDER },
        { &m_fileLists, kSecEditorListBox, MOBJ_LISTBOX },
    };
    for (const auto& kind : kinds)
    {
        kind.pList->DeleteAll();
        CMObjCreateStruct* pObject = kind.lpszSection == nullptr
                                         ? ReadImageCreateStruct(*m_pSettings)
                                         : ReadObjectSectionCreateStruct(*m_pSettings, kind.lpszSection, kind.nType);
        if (pObject != nullptr && !kind.pList->Add(pObject))
            delete pObject;
    }
}

// Every object is brought onto the page as the editor brings it, so that a
// page (a damaged one too) plays what its author saw: onto the page's size,
// or, once the menu window is placed, onto the window, which keeps the size
// of the first page.
void CTarnixDoc::FitObjects()
{
    const CSize page = m_shownPageSize.cx > 0 && m_shownPageSize.cy > 0 ? m_shownPageSize : CSize(m_nWinW, m_nWinH);
    FitPageObjects({ m_images, m_texts, m_buttons, m_speakers, m_textFields, m_fileLists, m_videos }, page, nullptr);
}

void CTarnixDoc::ReadWindowIcon()
{
    DestroyIcons();
    if (m_strWelcomeIcon.IsEmpty())
        return;
    std::unique_ptr<IconFile> icon = ReadIconFile(m_strWelcomeIcon, m_bShowErrors);
    if (!icon)
        return;
    int nBits = MainWindowBitsPerPixel();
    int nBig = ChooseIconImage(*icon, 32, nBits);
    int nSmall = ChooseIconImage(*icon, 16, nBits);
    if (nBig < 0 || nSmall < 0)
        return;
    m_hIconBig = CreateIconFromImage(&icon->images[nBig]);
    m_hIconSmall = CreateIconFromImage(&icon->images[nSmall]);
    m_bHasIcon = m_hIconBig != nullptr || m_hIconSmall != nullptr;
}

void CTarnixDoc::ReadTooltip()
{
    m_pSettings->GetTooltip(m_bTooltip, m_nTooltipX, m_nTooltipY, m_nTooltipW, m_nTooltipH, m_bTooltipTransparent,
                            m_crTooltip, m_tooltipFont, m_strTooltipText, m_bTooltipCenter);
    m_strTooltipText = DecodeLineBreaks(m_strTooltipText, "<BR>");
    m_rcTooltip.SetRect(m_nTooltipX, m_nTooltipY, m_nTooltipX + m_nTooltipW, m_nTooltipY + m_nTooltipH);
}

void CTarnixDoc::DestroyIcons()
{
    if (m_hIconBig != nullptr)
        ::DestroyIcon(m_hIconBig);
    if (m_hIconSmall != nullptr)
        ::DestroyIcon(m_hIconSmall);
    m_hIconBig = m_hIconSmall = nullptr;
    m_bHasIcon = 0;
}
