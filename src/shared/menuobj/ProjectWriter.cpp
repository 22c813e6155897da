#include "shared/menuobj/ProjectWriter.h"

#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/PopupMenuDesc.h"
#include "shared/support/ProjectFormat.h"
#include "shared/menuobj/ProjectPage.h"
#include "shared/menuobj/ProjectPaths.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/TextEffect.h"

using namespace ProjectFormat;

namespace {

const char kMakerInternet[] = "http://www.tarnix.example";
const char kMakerEmail[] = "info@tarnix.example";
const char kVersionLabel[] = "CD-Menu";
const int kSubTitleX = 200;
const int kSubTitleY = 10;

} // namespace

CProjectWriter::CProjectWriter(CProjectPage& page, CLineStore& lines, const CString& strTargetPath)
    : m_page(page), m_lines(lines)
{
    int nSlash = strTargetPath.ReverseFind('\\');
    m_strFolder = nSlash > 0 ? strTargetPath.Left(nSlash) : page.m_strProjectFolder;
}

CString CProjectWriter::OneLine(const CString& strText, BOOL bEncodeLineBreaks)
{
    CString text = strText;
    if (bEncodeLineBreaks)
        text.Replace("\r\n", "\\n");
    text.Replace("\r\n", "<BR>");
    text.Replace("\r", "<BR>");
    text.Replace("\n", "<BR>");
    return text;
}

// ---------------------------------------------------------------------------
// Lines

void CProjectWriter::Section(LPCSTR lpszName)
{
    m_lines.AddLine(CString("[") + lpszName + "]");
}

void CProjectWriter::ObjectSection(const CString& strName, const CString& strOrigin)
{
    Section(strName);
    CString name = strName, origin = strOrigin;
    name.MakeUpper();
    origin.MakeUpper();
    m_origins[(LPCSTR)name] = (LPCSTR)origin;
}

void CProjectWriter::ObjectSection(CString (*sectionName)(int), int nNumber, int nFileSection)
{
    ObjectSection(sectionName(nNumber), nFileSection > 0 ? sectionName(nFileSection) : CString());
}

void CProjectWriter::EndSection()
{
    m_lines.AddLine(kSectionEnd);
}

namespace {

// Readers drop blanks around a value and one pair of quotes around it: such a
// value is written inside quotes of its own, so that it reads back as it is.
CString Quoted(const CString& strValue)
{
    int nLength = strValue.GetLength();
    if (nLength == 0)
        return strValue;
    char chFirst = strValue[0], chLast = strValue[nLength - 1];
    bool bBlanks = chFirst == ' ' || chFirst == '\t' || chLast == ' ' || chLast == '\t';
    bool bQuotes = nLength >= 2 && (chFirst == '"' || chFirst == '\'') && chLast == chFirst;
    return bBlanks || bQuotes ? "\"" + strValue + "\"" : strValue;
}

} // namespace

void CProjectWriter::Key(LPCSTR lpszKey, const CString& strValue)
{
    m_lines.AddLine(CString(lpszKey) + "=" + Quoted(OneLine(strValue, FALSE)));
}

void CProjectWriter::Key(LPCSTR lpszKey, int nValue)
{
    CString line;
    line.Format("%s=%d", lpszKey, nValue);
    m_lines.AddLine(line);
}

CString CProjectWriter::Contracted(const CString& strPath, BOOL bWarn) const
{
    CString path = strPath;
    ContractProjectPath(path, m_strFolder, bWarn && m_bWarn);
    return path;
}

void CProjectWriter::PathKey(LPCSTR lpszKey, const CString& strPath, BOOL bWarn)
{
    Key(lpszKey, Contracted(strPath, bWarn));
}

void CProjectWriter::WriteColorKeys(LPCSTR lpszPrefix, COLORREF crColor)
{
    CString prefix(lpszPrefix);
    Key(prefix + kKeyRed, GetRValue(crColor));
    Key(prefix + kKeyGreen, GetGValue(crColor));
    Key(prefix + kKeyBlue, GetBValue(crColor));
}

void CProjectWriter::WriteFontKeys(LPCSTR lpszPrefix, const CFontDesc& font)
{
    CString prefix(lpszPrefix);
    Key(prefix + "NAME", CString(font.m_logFont.lfFaceName));
    Key(prefix + "SIZE", (int)font.m_logFont.lfHeight);
    Key(prefix + "STYLE", (int)font.m_logFont.lfWeight);
    Key(prefix + "ITALIC", font.m_logFont.lfItalic ? 1 : 0);
    Key(prefix + "UNDERLINE", font.m_logFont.lfUnderline ? 1 : 0);
    Key(prefix + "EFFECT", CString(TextEffectName(font.m_nEffect)));
    WriteColorKeys(lpszPrefix, font.m_crColor);
}

// ---------------------------------------------------------------------------
// Whole files

void CProjectWriter::WriteProject()
{
    m_lines.RemoveAll();
    m_origins.clear();
    WriteHeaderSection();
    WriteMenuTypeSection(m_page.m_nMenuLevel, m_page.m_strMainFile);
    WriteWindowSections(m_page.m_window.strTitle);
    WriteSoundSection();
    WriteButtonsSection();
    WriteButtons();
    WriteTextObjects();
    WriteTextFields();
    WriteObjectSections();
    WriteWelcomeSection();
    WriteTooltipSection();
}

void CProjectWriter::WriteSubmenuProject(const CString& strTitle, const CString& strBackText, BOOL bExit,
                                         const CString& strExitText)
{
    m_lines.RemoveAll();
    m_origins.clear();
    WriteHeaderSection();
    WriteMenuTypeSection(1, m_page.m_strProjectFileName);
    WriteWindowSections(strTitle);
    WriteButtonsSection();

    // The back button opens the main page by its own name, whatever the author called it.
    CMButCreateStruct back;
    SetRect(&back.m_rect, 10, 10, 150, 40);
    back.m_strStyle = "W";
    back.m_strText = strBackText;
    back.m_strDocument = CString(kCurrentDir) + "\\" + m_page.m_strProjectFileName;
    back.m_nAction = ACTION_NEWPAGE;
    back.m_font.Assign(m_page.m_buttonStyle.font);
    WriteButtonSection(1, back);
    if (bExit)
    {
        CMButCreateStruct exit;
        SetRect(&exit.m_rect, 10, 50, 150, 80);
        exit.m_strStyle = "W";
        exit.m_strText = strExitText;
        exit.m_nAction = ACTION_EXIT;
        WriteButtonSection(2, exit);
    }
    if (!strTitle.IsEmpty())
        WriteTextSection(1, 0, kSubTitleX, kSubTitleY, strTitle, m_page.m_defaultTextFont);
    WriteTooltipSection();
}

// ---------------------------------------------------------------------------
// Sections

void CProjectWriter::WriteHeaderSection()
{
    Section(kSecHead);
    Key(kKeyInternet, CString(kMakerInternet));
    Key(kKeyEmail, CString(kMakerEmail));
    Key(kKeyVersion, m_page.m_strEditorVersion + " " + kVersionLabel);
    Key(kKeyFileVersion, m_page.m_strEditorFileVersion);
    Key(kKeyLanguage, CString(m_page.m_chEditorLanguage, 1));
    EndSection();
}

void CProjectWriter::WriteMenuTypeSection(int nLevel, const CString& strMainFile)
{
    Section(kSecMenuType);
    Key(kKeyType, CString(MenuTypeKeyword(nLevel)));
    if (nLevel != 0 && !strMainFile.IsEmpty())
        Key(kKeyMain, strMainFile);
    Key(kKeyLevel, nLevel);
    EndSection();
}

void CProjectWriter::WriteWindowSections(const CString& strTitle)
{
    Section(kSecWindowPos);
    if (m_page.m_window.bPosGiven < 1)
    {
        Key(kKeyX, CString());
        Key(kKeyY, CString());
    }
    else
    {
        Key(kKeyX, m_page.m_window.nX);
        Key(kKeyY, m_page.m_window.nY);
    }
    EndSection();

    Section(kSecWindowSize);
    Key(kKeySizeType, m_page.m_window.nSizeType);
    Key(kKeyW, m_page.m_window.nW);
    Key(kKeyH, m_page.m_window.nH);
    EndSection();

    Section(kSecWindowBgColor);
    WriteColorKeys("", m_page.m_window.crBg);
    EndSection();

    Section(kSecWindow);
    Key(kKeyBorder, m_page.m_window.bBorder);
    Key(kKeyCornerWidth, m_page.m_window.nCornerW);
    Key(kKeyCornerHeight, m_page.m_window.nCornerH);
    Key(kKeyTitle, strTitle);
    Key(kKeyEscExit, m_page.m_window.bEscExit);
    Key(kKeyError, m_page.m_window.bShowErrors);
    Key(kKeyImage, m_page.m_background.bShown);
    if (m_page.m_background.bShown)
    {
        PathKey(kKeyImageFile, m_page.m_background.strFile, TRUE);
        Key(kKeyImageX, m_page.m_background.nX);
        Key(kKeyImageY, m_page.m_background.nY);
        Key(kKeyImagePos, m_page.m_background.nPos);
    }
    EndSection();

    Section(kSecDesktop);
    Key(kKeyPaint, m_page.m_window.bPaintDesktop);
    WriteColorKeys("", m_page.m_window.crDesktop);
    EndSection();
}

void CProjectWriter::WriteSoundSection()
{
    if (m_page.m_sound.strFile.IsEmpty())
        m_page.m_sound.bOn = 0;
    Section(kSecSound);
    Key(kKeyEnable, m_page.m_sound.bOn);
    PathKey(kKeyFile, m_page.m_sound.strFile, TRUE);
    Key(kKeyRepeat, m_page.m_sound.bRepeat);
    Key(kKeyKeyClick, m_page.m_sound.bKeyClick);
    Key(kKeyKeyOver, m_page.m_sound.bKeyOver);
    EndSection();
}

void CProjectWriter::WriteButtonsSection()
{
    Section(kSecButtons);
    Key(kKeyBrightness, m_page.m_buttonStyle.nBrightness);
    Key(kKeyHover, m_page.m_buttonStyle.bHover);
    WriteFontKeys(kFontButton, m_page.m_buttonStyle.font);
    EndSection();
}

void CProjectWriter::WriteButtons()
{
    for (int i = 0; i < m_page.m_buttons.GetSize(); ++i)
        WriteButtonSection(i + 1, *static_cast<CMButCreateStruct*>(m_page.m_buttons[i]));
}

void CProjectWriter::WriteButtonSection(int nNumber, CMButCreateStruct& button)
{
    CString keyword;
    GetActionKeyword(button.m_nAction, keyword);
    BOOL bWarn = keyword.Left(7) != "MESSAGE";
    button.m_strText.Trim();

    ObjectSection(ButtonSection, nNumber, button.m_nFileSection);
    Key(kKeyEnable, button.m_bEnable ? 1 : 0);
    Key(kKeyX, (int)button.m_rect.left);
    Key(kKeyY, (int)button.m_rect.top);
    Key(kKeyW, (int)(button.m_rect.right - button.m_rect.left));
    Key(kKeyH, (int)(button.m_rect.bottom - button.m_rect.top));
    Key(kKeyText, button.m_strText);
    CString style = StyleKeyword(button.m_strStyle);
    Key(kKeyStyle, style);
    PathKey(kKeyDocument, button.m_strDocument, bWarn);
    PathKey(kKeyApplication, button.m_strApplication, bWarn);
    Key(kKeyParameter, button.m_strParameter);
    Key(kKeyFunction, keyword);
    if (style[0] == 'H')
    {
        WriteFontKeys(kFontIdle, button.m_fontIdle);
        WriteFontKeys(kFontOver, button.m_fontOver);
        WriteFontKeys(kFontDown, button.m_fontDown);
    }
    if (!button.m_strBitmap.IsEmpty())
        PathKey(kKeyBitmap, button.m_strBitmap, TRUE);
    Key(kKeyToolTip, button.m_strToolTip);
    Key(kKeyStopSound, button.m_bStopSound);
    Key(kKeyStartSound, button.m_bStartSound);
    if (!button.m_strSoundFile.IsEmpty())
        PathKey(kKeySoundFile, button.m_strSoundFile, TRUE);
    EndSection();
    WritePopupMenuSection(button);
}

void CProjectWriter::WritePopupMenuSection(const CMButCreateStruct& button)
{
    if (!IsPopupDocument(button.m_strDocument))
        return;
    // A popup bound by the canvas holds the current text; otherwise the text read stays.
    int nNumber = GetPopupNumber(button.m_strDocument);
    CString text;
    const CPopupMenuDesc* pPopup = button.m_pPopupMenu;
    if (pPopup != nullptr && pPopup->GetPopupNumber() >= 0)
    {
        nNumber = pPopup->GetPopupNumber();
        text = pPopup->GetItemCount() > 0 ? pPopup->GetItem(0) : CString();
    }
    else if (nNumber >= 0 && nNumber < CProjectPage::kPopupCount && !m_page.m_strPopupTexts[nNumber].IsEmpty())
        text = m_page.m_strPopupTexts[nNumber];
    else
        return;
    Section(PopupSection(nNumber));
    if (!text.IsEmpty())
        Key(PopupItemKey(0), text);
    EndSection();
}

void CProjectWriter::WriteTextObjects()
{
    for (int i = 0; i < m_page.m_texts.GetSize(); ++i)
    {
        const CMTextCreateStruct* pText = static_cast<CMTextCreateStruct*>(m_page.m_texts[i]);
        WriteTextSection(i + 1, pText->m_nFileSection, pText->m_rect.left, pText->m_rect.top, pText->m_strText,
                         pText->m_font);
    }
}

void CProjectWriter::WriteTextSection(int nNumber, int nFileSection, int nX, int nY, const CString& strText,
                                      const CFontDesc& font)
{
    ObjectSection(TextSection, nNumber, nFileSection);
    Key(kKeyX, nX);
    Key(kKeyY, nY);
    Key(kKeyText, strText);
    WriteFontKeys(kFontText, font);
    EndSection();
}

void CProjectWriter::WriteTextFields()
{
    for (int i = 0; i < m_page.m_textFields.GetSize(); ++i)
    {
        const CViewerCreateStruct* pField = static_cast<CViewerCreateStruct*>(m_page.m_textFields[i]);
        ObjectSection(TextFieldSection, i + 1, pField->m_nFileSection);
        Key(kKeyX, (int)pField->m_rect.left);
        Key(kKeyY, (int)pField->m_rect.top);
        Key(kKeyW, (int)(pField->m_rect.right - pField->m_rect.left));
        Key(kKeyH, (int)(pField->m_rect.bottom - pField->m_rect.top));
        Key(kKeyScrollHorz, pField->m_bScrollHorz);
        Key(kKeyScrollVert, pField->m_bScrollVert);
        PathKey(kKeyDocument, pField->m_strDocument, TRUE);
        EndSection();
    }
}

void CProjectWriter::WriteObjectSection(LPCSTR lpszSection, const CMObjCreateStruct& object, BOOL bEditorKeys)
{
    ObjectSection(lpszSection, object.m_nFileSection > 0 ? CString(lpszSection) : CString());
    Key(kKeyEnable, 1);
    PathKey(kKeyFile, object.m_strText, TRUE);
    Key(kKeyX, (int)object.m_rect.left);
    Key(kKeyY, (int)object.m_rect.top);
    Key(kKeyW, (int)(object.m_rect.right - object.m_rect.left));
    Key(kKeyH, (int)(object.m_rect.bottom - object.m_rect.top));
    if (bEditorKeys)
    {
        Key(kKeyObjectStyle, (int)object.m_dwStyle);
        Key(kKeyRepeatCount, object.m_nRepeat);
        WriteColorKeys("", object.m_crColor);
    }
    EndSection();
}

void CProjectWriter::WriteObjectSections()
{
    if (m_page.m_images.GetSize() > 0)
        WriteObjectSection(ImageSection(1), *static_cast<CMObjCreateStruct*>(m_page.m_images[0]), FALSE);
    if (m_page.m_aviClips.GetSize() > 0)
        WriteObjectSection(kSecEditorAviClip, *static_cast<CMObjCreateStruct*>(m_page.m_aviClips[0]), TRUE);
    if (m_page.m_sliders.GetSize() > 0)
        WriteObjectSection(kSecEditorSlider, *static_cast<CMObjCreateStruct*>(m_page.m_sliders[0]), TRUE);
    if (m_page.m_listBoxes.GetSize() > 0)
        WriteObjectSection(kSecEditorListBox, *static_cast<CMObjCreateStruct*>(m_page.m_listBoxes[0]), TRUE);
}

void CProjectWriter::WriteWelcomeSection()
{
    Section(kSecWelcome);
    Key(kKeyEnable, m_page.m_welcome.bOn);
    LPCSTR keys[] = { kKeyText1, kKeyText2, kKeyText3, kKeyText4 };
    for (int i = 0; i < 4; ++i)
        Key(keys[i], m_page.m_welcome.strText[i]);
    PathKey(kKeyIcon, m_page.m_welcome.strIcon, TRUE);
    Key(kKeyTime, m_page.m_welcome.nTime);
    WriteColorKeys("", m_page.m_welcome.crBg);
    Key(kKeyImage, m_page.m_welcome.bImage);
    PathKey(kKeyImageFile, m_page.m_welcome.strImage, TRUE);
    EndSection();
}

void CProjectWriter::WriteTooltipSection()
{
    const RECT& rc = m_page.m_tooltip.rc;
    Section(kSecToolTip);
    Key(kKeyEnable, m_page.m_tooltip.bOn);
    Key(kKeyX, (int)rc.left);
    Key(kKeyY, (int)rc.top);
    Key(kKeyW, (int)(rc.right - rc.left));
    Key(kKeyH, (int)(rc.bottom - rc.top));
    Key(kKeyCenter, m_page.m_tooltip.bCenter);
    Key(kKeyBgTransparent, m_page.m_tooltip.bTransparent);
    WriteColorKeys("", m_page.m_tooltip.crBg);
    m_lines.AddLine(CString(kKeyDefaultText) + "=" + Quoted(OneLine(m_page.m_tooltip.strText, TRUE)));
    WriteFontKeys(kFontToolTip, m_page.m_tooltip.font);
    EndSection();
}
