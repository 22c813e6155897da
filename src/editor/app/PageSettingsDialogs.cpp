#include "editor/app/PageSettingsDialogs.h"
#include "editor/dialogs/FlagsDlg.h"
#include "editor/dialogs/SoundDlg.h"
#include "editor/dialogs/SplashDlg.h"
#include "editor/dialogs/StartEventsDlg.h"
#include "editor/dialogs/TooltipDlg.h"
#include "shared/menuobj/ProjectPage.h"

#include <algorithm>

namespace {

// A file counts in its list only while its setting is on.
void SwapUsedFile(CProjectPage& page, int nList, BOOL bOldOn, const CString& strOld, BOOL bNewOn,
                  const CString& strNew)
{
    if (bOldOn && !strOld.IsEmpty())
        page.ReleaseFile(nList, strOld);
    if (bNewOn && !strNew.IsEmpty())
        page.UseFile(nList, strNew);
}

void TakeSound(CProjectPage& page, PageSound sound, int bSound, int bRepeat, const CString& strFile)
{
    SwapUsedFile(page, FILES_SOUNDS, sound.bOn, sound.strFile, bSound, strFile);
    sound.bOn = bSound;
    sound.bRepeat = bRepeat;
    sound.strFile = strFile;
    page.SetSound(sound);
}

} // namespace

BOOL EditPageSound(CWnd* pParent, CProjectPage& page)
{
    PageSound sound = page.GetSound();
    CSoundDlg dlg(pParent);
    dlg.m_strSoundFile = sound.strFile;
    dlg.m_bSoundEnabled = sound.bOn;
    dlg.m_bEndless = sound.bRepeat;
    dlg.m_bKeyClick = sound.bKeyClick;
    dlg.m_bKeyOver = sound.bKeyOver;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    sound.bKeyClick = dlg.m_bKeyClick;
    sound.bKeyOver = dlg.m_bKeyOver;
    TakeSound(page, sound, dlg.m_bSoundEnabled, dlg.m_bEndless, dlg.m_strSoundFile);
    return TRUE;
}

BOOL EditPageStartEvents(CWnd* pParent, CProjectPage& page)
{
    const PageSound& sound = page.GetSound();
    CStartEventsDlg dlg(pParent);
    dlg.m_strSoundFile = sound.strFile;
    dlg.m_bStartSound = sound.bOn;
    dlg.m_bEndless = sound.bRepeat;
    dlg.m_bShowSplash = page.GetWelcome().bOn;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    TakeSound(page, page.GetSound(), dlg.m_bStartSound, dlg.m_bEndless, dlg.m_strSoundFile);
    PageWelcome welcome = page.GetWelcome();
    welcome.bOn = dlg.m_bShowSplash;
    page.SetWelcome(welcome);
    return TRUE;
}

BOOL EditPageWelcome(CWnd* pParent, CProjectPage& page)
{
    PageWelcome welcome = page.GetWelcome();
    CSplashDlg dlg(pParent);
    CString* lines[] = { &dlg.m_strLine1, &dlg.m_strLine2, &dlg.m_strLine3, &dlg.m_strLine4 };
    for (int i = 0; i < 4; ++i)
        *lines[i] = welcome.strText[i];
    dlg.m_strIcon = welcome.strIcon;
    dlg.m_nTime = welcome.nTime;
    dlg.m_bEnable = welcome.bOn;
    dlg.m_bPictureMode = welcome.bImage;
    dlg.m_strPictureFile = welcome.strImage;
    dlg.m_crBackground = welcome.crBg;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    for (int i = 0; i < 4; ++i)
        welcome.strText[i] = *lines[i];
    SwapUsedFile(page, FILES_IMAGES, welcome.bImage, welcome.strImage, dlg.m_bPictureMode, dlg.m_strPictureFile);
    welcome.strIcon = dlg.m_strIcon;
    welcome.nTime = dlg.m_nTime;
    welcome.bOn = dlg.m_bEnable;
    welcome.bImage = dlg.m_bPictureMode;
    welcome.strImage = dlg.m_strPictureFile;
    welcome.crBg = dlg.m_crBackground;
    page.SetWelcome(welcome);
    return TRUE;
}

BOOL EditPageFlags(CWnd* pParent, CProjectPage& page)
{
    PageWindow window = page.GetWindow();
    CFlagsDlg dlg(pParent);
    dlg.m_bShowErrors = window.bShowErrors;
    dlg.m_bEscapeExits = window.bEscExit;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    window.bShowErrors = dlg.m_bShowErrors;
    window.bEscExit = dlg.m_bEscapeExits;
    page.SetWindow(window);
    return TRUE;
}

// An empty area opens as a strip along the bottom of the window.
BOOL EditPageTooltips(CWnd* pParent, CProjectPage& page)
{
    PageTooltipArea tooltip = page.GetTooltipArea();
    const PageWindow& window = page.GetWindow();
    CTooltipDlg dlg(pParent);
    RECT rc = tooltip.rc;
    if (::IsRectEmpty(&rc))
        ::SetRect(&rc, 10, std::max(0, window.nH - 40), std::max(20, window.nW - 10), std::max(30, window.nH - 10));
    dlg.m_bEnable = tooltip.bOn;
    dlg.m_bTransparent = tooltip.bTransparent;
    dlg.m_strDefaultText = tooltip.strText;
    dlg.m_nX = rc.left;
    dlg.m_nY = rc.top;
    dlg.m_nWidth = rc.right - rc.left;
    dlg.m_nHeight = rc.bottom - rc.top;
    dlg.m_bCenter = tooltip.bCenter;
    dlg.m_font.Assign(tooltip.font);
    dlg.m_crBackground = tooltip.crBg;
    RECT rcPage = {};
    if (pParent != nullptr && ::GetClientRect(pParent->m_hWnd, &rcPage))
        dlg.m_sizePage = CSize(rcPage.right, rcPage.bottom);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    tooltip.bOn = dlg.m_bEnable;
    tooltip.bTransparent = dlg.m_bTransparent;
    tooltip.strText = dlg.m_strDefaultText;
    ::SetRect(&tooltip.rc, dlg.m_nX, dlg.m_nY, dlg.m_nX + dlg.m_nWidth, dlg.m_nY + dlg.m_nHeight);
    tooltip.bCenter = dlg.m_bCenter;
    tooltip.font.Assign(dlg.m_font);
    tooltip.crBg = dlg.m_crBackground;
    page.SetTooltipArea(tooltip);
    return TRUE;
}
