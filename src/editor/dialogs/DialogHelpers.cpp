#include "editor/dialogs/DialogHelpers.h"

#include "editor/dialogs/DialogTexts.h"
#include "framework/ColorDialog.h"
#include "framework/FileDialog.h"
#include "shared/menuobj/TextFontDesc.h"
#include "shared/support/FontDesc.h"

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
