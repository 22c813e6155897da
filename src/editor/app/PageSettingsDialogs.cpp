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

void TakeSound(CProjectPage& page, int bSound, int bRepeat, const CString& strFile)
{
    SwapUsedFile(page, FILES_SOUNDS, page.m_bSound, page.m_strSoundFile, bSound, strFile);
    page.m_bSound = bSound;
    page.m_bSoundRepeat = bRepeat;
    page.m_strSoundFile = strFile;
}

} // namespace

BOOL EditPageSound(CWnd* pParent, CProjectPage& page)
{
    CSoundDlg dlg(pParent);
    dlg.m_strSoundFile = page.m_strSoundFile;
    dlg.m_bSoundEnabled = page.m_bSound;
    dlg.m_bEndless = page.m_bSoundRepeat;
    dlg.m_bKeyClick = page.m_bKeyClick;
    dlg.m_bKeyOver = page.m_bKeyOver;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    TakeSound(page, dlg.m_bSoundEnabled, dlg.m_bEndless, dlg.m_strSoundFile);
    page.m_bKeyClick = dlg.m_bKeyClick;
    page.m_bKeyOver = dlg.m_bKeyOver;
    return TRUE;
}

BOOL EditPageStartEvents(CWnd* pParent, CProjectPage& page)
{
    CStartEventsDlg dlg(pParent);
    dlg.m_strSoundFile = page.m_strSoundFile;
    dlg.m_bStartSound = page.m_bSound;
    dlg.m_bEndless = page.m_bSoundRepeat;
    dlg.m_bShowSplash = page.m_bWelcome;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    TakeSound(page, dlg.m_bStartSound, dlg.m_bEndless, dlg.m_strSoundFile);
    page.m_bWelcome = dlg.m_bShowSplash;
    return TRUE;
}

BOOL EditPageWelcome(CWnd* pParent, CProjectPage& page)
{
    CSplashDlg dlg(pParent);
    CString* lines[] = { &dlg.m_strLine1, &dlg.m_strLine2, &dlg.m_strLine3, &dlg.m_strLine4 };
    for (int i = 0; i < 4; ++i)
        *lines[i] = page.m_strWelcomeText[i];
    dlg.m_strIcon = page.m_strWelcomeIcon;
    dlg.m_nTime = page.m_nWelcomeTime;
    dlg.m_bEnable = page.m_bWelcome;
    dlg.m_bPictureMode = page.m_bWelcomeImage;
    dlg.m_strPictureFile = page.m_strWelcomeImage;
    dlg.m_crBackground = page.m_crWelcome;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    for (int i = 0; i < 4; ++i)
        page.m_strWelcomeText[i] = *lines[i];
    SwapUsedFile(page, FILES_IMAGES, page.m_bWelcomeImage, page.m_strWelcomeImage, dlg.m_bPictureMode,
                 dlg.m_strPictureFile);
    page.m_strWelcomeIcon = dlg.m_strIcon;
    page.m_nWelcomeTime = dlg.m_nTime;
    page.m_bWelcome = dlg.m_bEnable;
    page.m_bWelcomeImage = dlg.m_bPictureMode;
    page.m_strWelcomeImage = dlg.m_strPictureFile;
    page.m_crWelcome = dlg.m_crBackground;
    return TRUE;
}

BOOL EditPageFlags(CWnd* pParent, CProjectPage& page)
{
    CFlagsDlg dlg(pParent);
    dlg.m_bShowErrors = page.m_bShowErrors;
    dlg.m_bEscapeExits = page.m_bEscExit;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    page.m_bShowErrors = dlg.m_bShowErrors;
    page.m_bEscExit = dlg.m_bEscapeExits;
    return TRUE;
}

// An empty area opens as a strip along the bottom of the window.
BOOL EditPageTooltips(CWnd* pParent, CProjectPage& page)
{
    CTooltipDlg dlg(pParent);
    RECT rc = page.m_rcTooltip;
    if (::IsRectEmpty(&rc))
        ::SetRect(&rc, 10, std::max(0, page.m_nWinH - 40), std::max(20, page.m_nWinW - 10), std::max(30, page.m_nWinH - 10));
    dlg.m_bEnable = page.m_bTooltip;
    dlg.m_bTransparent = page.m_bTooltipTransparent;
    dlg.m_strDefaultText = page.m_strTooltipText;
    dlg.m_nX = rc.left;
    dlg.m_nY = rc.top;
    dlg.m_nWidth = rc.right - rc.left;
    dlg.m_nHeight = rc.bottom - rc.top;
    dlg.m_bCenter = page.m_bTooltipCenter;
    dlg.m_font.Assign(page.m_tooltipFont);
    dlg.m_crBackground = page.m_crTooltip;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    page.m_bTooltip = dlg.m_bEnable;
    page.m_bTooltipTransparent = dlg.m_bTransparent;
    page.m_strTooltipText = dlg.m_strDefaultText;
    ::SetRect(&page.m_rcTooltip, dlg.m_nX, dlg.m_nY, dlg.m_nX + dlg.m_nWidth, dlg.m_nY + dlg.m_nHeight);
    page.m_bTooltipCenter = dlg.m_bCenter;
    page.m_tooltipFont.Assign(dlg.m_font);
    page.m_crTooltip = dlg.m_crBackground;
    return TRUE;
}
