#include "player/VideoDlg.h"

#include "player/resource.h"
#include "shared/support/BmpFile.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CVideoDlg, CDialog)

// void OnShowWindow(BOOL bShow, UINT nStatus)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
// void OnPlay(), void OnIgnored(), void OnEnd()
// LRESULT OnMciNotify(WPARAM wParam, LPARAM lParam)
BEGIN_MESSAGE_MAP(CVideoDlg, CDialog)
    ON_WM_SHOWWINDOW()
    ON_WM_CTLCOLOR()
    ON_COMMAND(ID_VIDEO_PLAY, OnPlay)
    ON_COMMAND(ID_VIDEO_IGNORED, OnIgnored)
    ON_COMMAND(ID_VIDEO_END, OnEnd)
    ON_MESSAGE(MM_MCINOTIFY, OnMciNotify)
END_MESSAGE_MAP()

namespace {

CString UnquotedPath(const CString& strPath)
{
    CString strResult(strPath);
    strResult.TrimLeft('"');
    strResult.TrimRight('"');
    return strResult;
}

} // namespace

CVideoDlg::CVideoDlg(CWnd* pParent)
    : CDialog(IDD_VIDEO, pParent), m_bAutoClose(FALSE), m_bShowErrors(TRUE), m_crBackground(0xEFFFFF),
      m_bClosing(FALSE), m_pReferenceWnd(nullptr), m_nFileChecked(0), m_nDeviceReady(0)
{
}

int CVideoDlg::CheckFile()
{
    if (m_nFileChecked)
        return m_nFileChecked;
    // The stored name may be quoted for MCI; the file system wants it bare.
    CString strPath = UnquotedPath(m_strVideoFile);
    if (strPath.IsEmpty())
        return 0;
    m_nFileChecked = _access(strPath, 0) == 0;
    if (!m_nFileChecked && m_bShowErrors)
        ShowFileNotFound(strPath);
    return m_nFileChecked;
}

int CVideoDlg::EnsureDevice()
{
    if (!m_nDeviceReady)
        m_nDeviceReady = m_movie.OpenDevice();
    return m_nDeviceReady;
}

CRect CVideoDlg::DialogRectFor(const CRect& reference, const CSize& video, const CRect* pMainWindow)
{
    if (reference.Width() + kMarginX >= video.cx && reference.Height() + kMarginY >= video.cy)
        return reference;
    const CSize size(video.cx + kMarginX, video.cy + kMarginY);
    CPoint pos(0, 0);
    if (pMainWindow != nullptr && pMainWindow->Width() >= size.cx && pMainWindow->Height() >= size.cy)
        pos = CPoint((pMainWindow->Width() - size.cx) / 2, (pMainWindow->Height() - size.cy) / 2);
    return CRect(pos, size);
}

CPoint CVideoDlg::VideoPosFor(const CSize& client, const CSize& video)
{
    return CPoint((client.cx - video.cx) / 2, (client.cy - video.cy - kButtonBand) / 2);
}

CRect CVideoDlg::ButtonRectFor(const CSize& client)
{
    return CRect(CPoint(client.cx / 2 - kButtonWidth / 2, client.cy - kButtonBand), CSize(kButtonWidth, kButtonHeight));
}

BOOL CVideoDlg::OnInitDialog()
{
    m_brBackground.CreateSolidBrush(m_crBackground);
    m_movie.m_bShowErrors = m_bShowErrors;
    m_nFileChecked = 0;
    m_nDeviceReady = 0;
    return CDialog::OnInitDialog();
}

void CVideoDlg::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    BOOL bShown = FALSE;
    if (bShow && CheckFile())
    {
        try
        {
            bShown = ShowVideo();
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    PostMessage(WM_COMMAND, bShown ? ID_VIDEO_PLAY : ID_VIDEO_END);
}

CRect CVideoDlg::ReferenceRect()
{
    HWND hReference = m_pReferenceWnd != nullptr ? AfxHwnd(m_pReferenceWnd) : ::GetParent(m_hWnd);
    // A dialog without owner takes the screen.
    if (hReference == nullptr)
        hReference = ::GetDesktopWindow();
    CRect reference;
    ::GetWindowRect(hReference, &reference);
    return reference;
}

BOOL CVideoDlg::ShowVideo()
{
    if (!EnsureDevice())
        return FALSE;
    m_movie.OpenMovie(this, m_strVideoFile);

    CRect source;
    m_movie.GetSourceRect(source);
    const CSize video = source.Size();
    CRect mainWindow;
    CWnd* pMain = AfxGetMainWnd();
    const BOOL bMain = AfxHwnd(pMain) != nullptr;
    if (bMain)
        pMain->GetWindowRect(&mainWindow);
    MoveWindow(DialogRectFor(ReferenceRect(), video, bMain ? &mainWindow : nullptr), FALSE);

    CRect client;
    GetClientRect(&client);
    const CPoint videoPos = VideoPosFor(client.Size(), video);
    m_movie.MoveMovie(videoPos.x, videoPos.y);
    if (CWnd* pButton = GetDlgItem(IDOK))
        pButton->MoveWindow(ButtonRectFor(client.Size()));

    m_movie.PlayPause(this, 0);
    Invalidate();
    UpdateWindow();
    return TRUE;
}

void CVideoDlg::OnPlay()
{
    Invalidate();
    UpdateWindow();
    try
    {
        m_movie.PlayPause(this, 1);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    Invalidate();
    UpdateWindow();
}

// Keeps the command from travelling on to the application.
void CVideoDlg::OnIgnored()
{
}

void CVideoDlg::OnEnd()
{
    EndDialog(IDCANCEL);
}

LRESULT CVideoDlg::OnMciNotify(WPARAM wParam, LPARAM)
{
    if (wParam != MCI_NOTIFY_SUCCESSFUL)
        return 0;
    SetDlgItemText(IDOK, "Close");
    if (m_bAutoClose && !m_bClosing)
        PostMessage(WM_COMMAND, IDOK);
    return 0;
}

void CVideoDlg::OnOK()
{
    m_bClosing = TRUE;
    try
    {
        m_movie.CloseMovie(this);
        m_movie.CloseDevice();
    }
    catch (CException* e)
    {
        e->Delete();
    }
    CDialog::OnOK();
}

HBRUSH CVideoDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    return m_brBackground;
}
