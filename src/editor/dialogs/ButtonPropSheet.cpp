#include "editor/dialogs/ButtonPropSheet.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "editor/dialogs/EditorMessages.h"
#include "framework/Bitmap.h"
#include "framework/MessageBox.h"
#include "shared/menuobj/ObjectBitmaps.h"
#include "shared/menuobj/StateStrip.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CButtonPropSheet, CPropertySheet)

// void OnImageReady()
BEGIN_MESSAGE_MAP(CButtonPropSheet, CPropertySheet)
    ON_COMMAND(ID_BUTTON_IMAGE_READY, OnImageReady)
END_MESSAGE_MAP()

namespace {

const char* const kStyleKeywords[] = { "WINDOW", "IMAGE", "DRAW", "HYPERTEXT", "BITMAP", "OFFICE", "MONOCHROME" };
const int kStyleCount = 7;
const int kStyleWindow = 0;
const int kStyleHypertext = 3;
const int kStyleBitmap = 4;

// Styles that draw a picture: a button without a readable one stays a window.
BOOL NeedsPicture(int nStyle)
{
    const char chLetter = kStyleKeywords[nStyle][0];
    return chLetter == 'B' || chLetter == 'O' || chLetter == 'M';
}

} // namespace

CButtonPropSheet::CButtonPropSheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_nFunction(0), m_bStopSound(0), m_bStartSound(0),
      m_bSoundLoop(0), m_nX(10), m_nY(10), m_nWidth(150), m_nHeight(30), m_nStyle(0), m_nStartPage((int)iSelectPage),
      m_sizePage(0, 0)
{
    for (CButDlgPage* pPage : std::initializer_list<CButDlgPage*>{ &m_page1, &m_page4, &m_page2, &m_page3 })
        pPage->m_pnShownPage = &m_nStartPage;
    // The first page is always made, and the sheet's OK reaches it first.
    m_page1.m_canApply = [this]() { return CheckStatePicture(); };
    m_page2.m_showQuickInfoFile = [this](LPCSTR lpszFile) {
        m_strQuickInfoFile = lpszFile;
        ShowQuickInfoFile();
    };
}

CString CButtonPropSheet::StyleKeywordOf(int nStyle)
{
    return kStyleKeywords[nStyle >= 0 && nStyle < kStyleCount ? nStyle : kStyleWindow];
}

int CButtonPropSheet::StyleNumberOf(const CString& strKeyword)
{
    const char chLetter = (char)toupper((unsigned char)(strKeyword.IsEmpty() ? ' ' : strKeyword[0]));
    for (int nStyle = 0; nStyle < kStyleCount; ++nStyle)
    {
        if (kStyleKeywords[nStyle][0] == chLetter)
            return nStyle;
    }
    return kStyleWindow;
}

void CButtonPropSheet::CopyIntoPages()
{
    m_page1.m_strCaption = m_strCaption;
    m_page1.m_strTooltip = m_strTooltip;
    m_page2.m_strApplication = m_strApplication;
    m_page2.m_strDocument = m_strDocument;
    m_page2.m_strParameter = m_strParameter;
    m_page2.m_nFunction = m_nFunction;
    m_page4.m_nHeight = m_nHeight;
    m_page4.m_nWidth = m_nWidth;
    m_page4.m_nX = m_nX;
    m_page4.m_nY = m_nY;
    m_page4.m_nStyle = m_nStyle;
    m_page4.m_sizePage = m_sizePage;
    m_page4.m_strImageFile = m_strImageFile;
    m_page4.m_baseFont.Assign(m_captionFont);
    m_page4.m_idleFont.Assign(m_idleFont);
    m_page4.m_overFont.Assign(m_overFont);
    m_page4.m_downFont.Assign(m_downFont);
    m_page3.m_bStopSound = m_bStopSound;
    m_page3.m_bStartSound = m_bStartSound;
    m_page3.m_strSoundFile = m_strSoundFile;
    m_page3.m_bLoop = m_bSoundLoop;
}

void CButtonPropSheet::CopyFromPages()
{
    m_strCaption = m_page1.m_strCaption;
    m_strCaption.Trim();
    m_strTooltip = m_page1.m_strTooltip;
    m_strApplication = m_page2.m_strApplication;
    m_strDocument = m_page2.m_strDocument;
    m_strParameter = m_page2.m_strParameter;
    m_nFunction = m_page2.m_nFunction;
    m_nHeight = m_page4.m_nHeight;
    m_nWidth = m_page4.m_nWidth;
    m_nX = m_page4.m_nX;
    m_nY = m_page4.m_nY;
    m_nStyle = m_page4.m_nStyle;
    m_strImageFile = m_page4.m_strImageFile;
    m_captionFont.Assign(m_page4.m_baseFont);
    m_idleFont.Assign(m_page4.m_idleFont);
    m_overFont.Assign(m_page4.m_overFont);
    m_downFont.Assign(m_page4.m_downFont);
}

INT_PTR CButtonPropSheet::DoModal()
{
    if (GetPageCount() == 0)
    {
        AddPage(&m_page1);
        AddPage(&m_page4);
        AddPage(&m_page2);
    }
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
    CopyIntoPages();
    SetActivePage(m_nStartPage >= 0 && m_nStartPage < GetPageCount() ? m_nStartPage : 0);

    const INT_PTR nResult = CPropertySheet::DoModal();
    if (nResult == IDOK)
    {
        CopyFromPages();
        if (m_nStyle == kStyleHypertext && m_strCaption.IsEmpty())
            m_strCaption = "Text";
        if (m_nStyle >= 0 && m_nStyle < kStyleCount && NeedsPicture(m_nStyle) && !IsReadableFile(m_strImageFile))
            m_nStyle = kStyleWindow;
    }
    m_strQuickInfoFile.Empty();
    return nResult;
}

// A picture that cannot be read is left to the rule of DoModal (the button
// becomes a window button); one that reads but is no state strip would lose
// the button with everything typed, so the sheet stays open.
BOOL CButtonPropSheet::CheckStatePicture()
{
    if (m_page4.m_nStyle != kStyleBitmap || !IsReadableFile(m_page4.m_strImageFile))
        return TRUE;
    const CString file = m_page4.m_strImageFile;
    CBitmap bitmap;
    int cx = 0, cy = 0;
    const CString extension = GetUpperExtension(file);
    const BOOL bLoaded = extension == ".BMP" || extension == ".BTI" ? LoadDibBitmap(file, bitmap, cx, cy)
                                                                   : LoadPictureBitmap(file, bitmap, cx, cy);
    if (!bLoaded || IsStateStripHeight(cy))
        return TRUE;
    CString format, text;
    LoadResString(IDS_NOT_A_STATE_STRIP, format);
    text.Format(format, (LPCSTR)file, cy);
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    SetActivePage(&m_page4);
    return FALSE;
}

void CButtonPropSheet::ShowQuickInfoFile()
{
    if (m_strQuickInfoFile.IsEmpty())
        return;
    CString page(m_strQuickInfoFile);
    CString lower(page);
    lower.MakeLower();
    const int nText = lower.Find(".txt", 1);
    if (nText > 0)
        page = page.Left(nText) + ".htm";
    const int nSlash = page.Find('\\', 1);
    if (nSlash > 0)
        page = page.Mid(nSlash + 1);
    EditorServices().ShowQuickInfo(page);
}

void CButtonPropSheet::OnImageReady()
{
    if (m_page4.m_hWnd != nullptr)
        m_page4.SendMessage(WM_COMMAND, ID_BUTTON_IMAGE_READY);
}
