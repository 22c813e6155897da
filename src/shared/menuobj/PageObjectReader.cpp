#include "shared/menuobj/PageObjectReader.h"

#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/support/ProjectFormat.h"
#include "shared/support/ProjectSettings.h"

#include <algorithm>

CMButCreateStruct* ReadButtonCreateStruct(CProjectSettings& settings, int nSection, const PageButtonLook& look)
{
    CString style, caption, document, application, parameter, function, bitmap, tooltip, soundFile;
    BOOL bEnabled = TRUE;
    RECT rect = { 0, 0, 0, 0 };
    CFontDesc idleFont, overFont, downFont;
    int nStopSound = 0, nStartSound = 0;
    if (!settings.GetButton(nSection, style, bEnabled, rect, caption, document, application, parameter, function,
                            idleFont, overFont, downFont, bitmap, tooltip, nStopSound, nStartSound, soundFile))
        return nullptr;

    CMButCreateStruct* pButton = new CMButCreateStruct;
    pButton->m_strStyle = style;
    pButton->m_bEnable = bEnabled;
    pButton->m_rect = rect;
    pButton->m_strText = caption;
    pButton->m_nAction = ParseActionKeyword(function);
    pButton->m_strDocument = document;
    pButton->m_strApplication = application;
    pButton->m_strParameter = parameter;
    pButton->m_strBitmap = bitmap;
    pButton->m_strToolTip = tooltip;
    pButton->m_bStopSound = nStopSound;
    pButton->m_bStartSound = nStartSound;
    pButton->m_strSoundFile = soundFile;
    pButton->m_font.Assign(*look.pFont);
    pButton->m_fontIdle.Assign(idleFont);
    pButton->m_fontOver.Assign(overFont);
    pButton->m_fontDown.Assign(downFont);
    pButton->m_nBrightness = look.nBrightness;
    pButton->m_bHoverEffect = look.bHoverEffect;
    pButton->m_crColor = look.crBackground;
    return pButton;
}

CMTextCreateStruct* ReadTextCreateStruct(CProjectSettings& settings, int nSection, SIZE firstSize,
                                         COLORREF crBackground)
{
    int nX = 0, nY = 0;
    CString text;
    CFontDesc font;
    if (!settings.GetText(nSection, nX, nY, text, font))
        return nullptr;
    CMTextCreateStruct* pText = new CMTextCreateStruct;
    pText->m_nNumber = nSection;
    pText->m_bEnable = 1;
    SetRect(&pText->m_rect, nX, nY, nX + firstSize.cx, nY + firstSize.cy);
    pText->m_strText = text;
    pText->m_font.Assign(font);
    pText->m_crColor = crBackground;
    return pText;
}

CViewerCreateStruct* ReadTextFieldCreateStruct(CProjectSettings& settings, int nSection, COLORREF crBackground)
{
    int nX, nY, nW, nH, nHorzScroll = 1, nVertScroll = 1, nBorder = 1;
    CString document;
    if (!settings.GetTextField(nSection, nX, nY, nW, nH, nHorzScroll, nVertScroll, document, nBorder))
        return nullptr;
    CViewerCreateStruct* pField = new CViewerCreateStruct;
    pField->m_nNumber = nSection;
    pField->m_bEnable = 1;
    SetRect(&pField->m_rect, nX, nY, nX + nW, nY + nH);
    pField->m_strDocument = document;
    pField->m_bScrollHorz = nHorzScroll;
    pField->m_bScrollVert = nVertScroll;
    pField->m_bBorder = nBorder;
    pField->m_crColor = crBackground;
    return pField;
}

CMObjCreateStruct* ReadImageCreateStruct(CProjectSettings& settings)
{
    CString file;
    int nX = 0, nY = 0, nW = 0, nH = 0;
    if (!settings.GetImage(file, 1, nX, nY, nW, nH))
        return nullptr;
    CMObjCreateStruct* pImage = new CMObjCreateStruct;
    pImage->m_nType = MOBJ_PICTURE;
    pImage->m_nNumber = 1;
    pImage->m_bEnable = 1;
    SetRect(&pImage->m_rect, nX, nY, nX + nW, nY + nH);
    pImage->m_strText = file;
    return pImage;
}

CMObjCreateStruct* ReadObjectSectionCreateStruct(CProjectSettings& settings, LPCSTR lpszSection, int nType)
{
    using namespace ProjectFormat;
    if (settings.GetInt(lpszSection, kKeyEnable, 0) == 0)
        return nullptr;
    // A list box is built from a button's struct in both programs.
    CMObjCreateStruct* pObject = nType == MOBJ_LISTBOX ? new CMButCreateStruct : new CMObjCreateStruct;
    pObject->m_nType = nType;
    pObject->m_nNumber = 1;
    pObject->m_bEnable = 1;
    pObject->m_strText = ReadPageText(settings, lpszSection, kKeyFile, "", 298);
    settings.ExpandCurrentDir(pObject->m_strText);
    int nX = settings.GetInt(lpszSection, kKeyX, 0);
    int nY = settings.GetInt(lpszSection, kKeyY, 0);
    SetRect(&pObject->m_rect, nX, nY, nX + settings.GetInt(lpszSection, kKeyW, 0),
            nY + settings.GetInt(lpszSection, kKeyH, 0));
    const DWORD dwStoredStyle = nType == MOBJ_AVICLIP ? kAviClipBorderStyle
                                : nType == MOBJ_LISTBOX ? kListBoxPlainStyle : 0;
    pObject->m_dwStyle = (DWORD)settings.GetInt(lpszSection, kKeyObjectStyle, 0) & dwStoredStyle;
    pObject->m_nRepeat = settings.GetInt(lpszSection, kKeyRepeatCount, -1);
    settings.GetColorRef(lpszSection, pObject->m_crColor);
    return pObject;
}

BOOL FitObjectToPage(RECT& rc, SIZE page, SIZE defaultSize, BOOL& bTooLarge)
{
    const int nPageW = std::max<int>(page.cx, 1), nPageH = std::max<int>(page.cy, 1);
    int nW = rc.right - rc.left, nH = rc.bottom - rc.top;
    // Sizes of a missing key are defaults, those of a present one damage.
    const BOOL bSizeLess = nW <= 0 || nH <= 0;
    if (bSizeLess)
    {
        nW = nW > 0 ? nW : defaultSize.cx;
        nH = nH > 0 ? nH : defaultSize.cy;
    }
    // Too large or wholly outside: moved and cut into the page. Partly
    // outside, an object can still be seen and selected.
    bTooLarge = nW > nPageW || nH > nPageH;
    nW = std::min(nW, nPageW);
    nH = std::min(nH, nPageH);
    int nX = rc.left, nY = rc.top;
    const BOOL bOutside = nX >= nPageW || nY >= nPageH || nX + nW <= 0 || nY + nH <= 0;
    if (bTooLarge || bOutside)
    {
        nX = std::min(std::max(nX, 0), nPageW - nW);
        nY = std::min(std::max(nY, 0), nPageH - nH);
    }
    if (!bSizeLess && !bTooLarge && !bOutside)
        return FALSE;
    SetRect(&rc, nX, nY, nX + nW, nY + nH);
    return TRUE;
}

void FitPageObjects(const PageObjectLists& lists, SIZE page,
                    const std::function<void(CMObjCreateStruct& object, LPCSTR lpszSection, BOOL bNumbered,
                                             const RECT& stored, BOOL bTooLarge)>& corrected)
{
    const struct
    {
        const CMObjList* pList;
        LPCSTR pszName;   // of its section, without the number of a numbered one
        BOOL bNumbered;
        SIZE size;        // for an object without a size
    } kinds[] = {
        { &lists.buttons, "BUTTON", TRUE, { 120, 26 } },
        { &lists.texts, "TEXT", TRUE, { 50, 16 } },   // a text window measures itself once shown
        { &lists.textFields, "TEXTFELD", TRUE, { 40, 40 } },
        { &lists.images, "IMAGE1", FALSE, { 32, 32 } },
        { &lists.aviClips, kSecEditorAviClip, FALSE, { 32, 32 } },
        { &lists.sliders, kSecEditorSlider, FALSE, { 32, 32 } },
        { &lists.listBoxes, kSecEditorListBox, FALSE, { 120, 26 } },
    };
    for (const auto& kind : kinds)
        for (int i = 0; i < kind.pList->GetSize(); ++i)
        {
            CMObjCreateStruct& object = *static_cast<CMObjCreateStruct*>((*kind.pList)[i]);
            const RECT stored = object.m_rect;
            BOOL bTooLarge = FALSE;
            if (FitObjectToPage(object.m_rect, page, kind.size, bTooLarge) && corrected)
                corrected(object, kind.pszName, kind.bNumbered, stored, bTooLarge);
        }
}

CString ReadPageText(CProjectSettings& settings, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault,
                     int nMaxChars)
{
    CString value;
    int nGot = settings.GetString(lpszSection, lpszKey, lpszDefault, value.GetBuffer(nMaxChars + 1), nMaxChars + 1);
    value.ReleaseBuffer(nGot < 0 ? 0 : nGot > nMaxChars ? nMaxChars : nGot);
    return value;
}

RECT PageWindowRect(int nX, int nY, int nW, int nH, SIZE fitSize, SIZE minSize, SIZE screen)
{
    if (nW < 0)
        nW = fitSize.cx;
    if (nW > screen.cx)
        nW = screen.cx;
    if (nW < minSize.cx)
        nW = minSize.cx;
    if (nH < 0)
        nH = fitSize.cy;
    if (nH > screen.cy)
        nH = screen.cy;
    if (nH < minSize.cy)
        nH = minSize.cy;
    const int nLeft = nX < 0 ? (screen.cx - nW) / 2 : nX;
    const int nTop = nY < 0 ? (screen.cy - nH) / 2 : nY;
    return { nLeft, nTop, nLeft + nW, nTop + nH };
}

RECT PageRect(int nX, int nY, int nW, int nH, int nSizeType, SIZE picture, SIZE fitSize, SIZE minSize, SIZE screen)
{
    if (nSizeType == 0 && picture.cx > 0 && picture.cy > 0)
    {
        nW = nH = -1;
        fitSize = picture;
    }
    return PageWindowRect(nX, nY, nW, nH, fitSize, minSize, screen);
}

COLORREF ReadWindowBgColor(CProjectSettings& settings)
{
    using namespace ProjectFormat;
    return RGB((BYTE)settings.GetInt(kSecWindowBgColor, kKeyRed, 196),
               (BYTE)settings.GetInt(kSecWindowBgColor, kKeyGreen, 196),
               (BYTE)settings.GetInt(kSecWindowBgColor, kKeyBlue, 196));
}
