#include "editor/dialogs/DialogHelpers.h"

#include "editor/dialogs/DialogTexts.h"
#include "editor/dialogs/EditorMessages.h"
#include "framework/ColorDialog.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/FileDialog.h"
#include "shared/menuobj/TextFontDesc.h"
#include "shared/support/FontDesc.h"

#include "editor/DialogIds.h"

#include <algorithm>

void EnableDlgItem(CWnd* pDlg, int nID, BOOL bEnable)
{
    HWND hWndItem = ::GetDlgItem(pDlg->m_hWnd, nID);
    if (hWndItem != nullptr)
        ::EnableWindow(hWndItem, bEnable);
}

BOOL ChooseColorFor(CWnd* pParent, COLORREF& crColor)
{
    CColorDialog dlg(crColor, CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR, pParent);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    crColor = dlg.GetColor();
    return TRUE;
}

BOOL ChooseFontFor(CFontDesc& font, BOOL bWithColor)
{
    CTextFontDesc chooser;
    if (bWithColor)
        chooser.m_crColor = font.m_crColor;
    if (chooser.ChooseFont(font.m_logFont) != IDOK)
        return FALSE;
    // Through Assign, so that the font made from the old LOGFONT goes.
    CFontDesc chosen(font);
    chosen.m_logFont = chooser.m_logFont;
    if (bWithColor)
        chosen.m_crColor = chooser.m_crColor;
    font.Assign(chosen);
    return TRUE;
}

BOOL BrowseForFile(CWnd* pParent, LPCSTR lpszFilter, LPCSTR lpszDefExt, LPCSTR lpszFileName, LPCSTR lpszInitialDir,
                   CString& strPath)
{
    CFileDialog dlg(TRUE, lpszDefExt, lpszFileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, lpszFilter, pParent);
    CString initialDir(lpszInitialDir);
    if (!initialDir.IsEmpty())
        dlg.m_ofn.lpstrInitialDir = initialDir;
    if (dlg.DoModal() != IDOK || dlg.GetPathName().IsEmpty())
        return FALSE;
    strPath = dlg.GetPathName();
    return TRUE;
}

void FillEffectCombo(CWnd* pDlg, int nID, int nEffect)
{
    CWnd* pCombo = pDlg->GetDlgItem(nID);
    if (pCombo == nullptr)
        return;
    pCombo->SendMessage(CB_RESETCONTENT);
    for (int nCode = 0; nCode < GetTextEffectCount(); ++nCode)
    {
        CString caption;
        GetTextEffectCaption(nCode, caption);
        pCombo->SendMessage(CB_ADDSTRING, 0, (LPARAM)(LPCSTR)caption);
    }
    pCombo->SendMessage(CB_SETCURSEL, (WPARAM)nEffect);
}

int GetEffectComboSelection(CWnd* pDlg, int nID)
{
    if (pDlg->GetDlgItem(nID) == nullptr)
        return 0;
    int nSelection = (int)pDlg->SendDlgItemMessage(nID, CB_GETCURSEL);
    return nSelection < 0 ? 0 : nSelection;
}

BOOL IsReadableFile(const CString& strPath)
{
    HANDLE hFile = ::CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    ::CloseHandle(hFile);
    return TRUE;
}

BOOL IsGifOrJpgName(const CString& strPath)
{
    CString ending = strPath.Right(4);
    ending.MakeLower();
    return ending == ".gif" || ending == ".jpg";
}

BOOL IsReadableProgram(const CString& strPath)
{
    CString name(strPath);
    name.MakeLower();
    return name.Find(".exe", 1) > 0 && IsReadableFile(strPath);
}

void DDX_IntIfApplies(CDataExchange* pDX, int nID, int& nValue, int nMin, int nMax, BOOL bApplies)
{
    if (!pDX->m_bSaveAndValidate || bApplies)
    {
        DDX_Text(pDX, nID, nValue);
        DDV_MinMaxInt(pDX, nValue, nMin, nMax);
        return;
    }
    char szText[32] = "";
    ::GetDlgItemTextA(pDX->m_pDlgWnd->m_hWnd, nID, szText, sizeof(szText));
    char* pEnd = nullptr;
    const long nRead = strtol(szText, &pEnd, 10);
    while (pEnd != nullptr && (*pEnd == ' ' || *pEnd == '\t'))
        ++pEnd;
    if (pEnd != szText && pEnd != nullptr && *pEnd == '\0' && nRead >= nMin && nRead <= nMax)
        nValue = (int)nRead;
}

BOOL ObjectLiesOnPage(int x, int y, int cx, int cy, SIZE page)
{
    const BOOL bOnPage = cx >= 1 && cy >= 1 && x >= 0 && y >= 0;
    if (page.cx <= 0 || page.cy <= 0)
        return bOnPage;
    return bOnPage && x + cx <= page.cx && y + cy <= page.cy;
}

void ShowObjectNotOnPage(SIZE page)
{
    CString text, message;
    LoadResString(page.cx > 0 && page.cy > 0 ? IDS_OBJECT_NOT_ON_PAGE : IDS_OBJECT_CORNER_NEGATIVE, text);
    message.Format(text, (int)page.cx, (int)page.cy);
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

void DDV_ObjectOnPage(CDataExchange* pDX, int nID, int x, int y, int cx, int cy, SIZE page)
{
    if (!pDX->m_bSaveAndValidate || ObjectLiesOnPage(x, y, cx, cy, page))
        return;
    pDX->PrepareEditCtrl(nID);
    ShowObjectNotOnPage(page);
    pDX->Fail();
}

CSize ButtonSizeForCaption(const CString& strCaption, const CFontDesc& font, SIZE minimum)
{
    // The styles draw the caption inset by up to 4 pixels a side and move it
    // by a pixel when pressed.
    const int kRoomX = 12, kRoomY = 6;
    CFontDesc measure(font);
    CString upper(strCaption);
    upper.MakeUpper();
    int cxText = 0, cyText = 0;
    for (int nStart = 0; nStart <= strCaption.GetLength();)
    {
        int nBreak = upper.Find("<BR>", nStart);
        const CString line = strCaption.Mid(nStart, (nBreak < 0 ? strCaption.GetLength() : nBreak) - nStart);
        int cx = 0, cy = 0;
        measure.MeasureText(line.IsEmpty() ? CString(" ") : line, cx, cy);
        cxText = std::max(cxText, cx);
        cyText += cy;
        if (nBreak < 0)
            break;
        nStart = nBreak + 4;
    }
    return CSize(std::max((int)minimum.cx, cxText + kRoomX), std::max((int)minimum.cy, cyText + kRoomY));
}
