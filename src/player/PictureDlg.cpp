#include "player/PictureDlg.h"

#include "framework/DataExchange.h"
#include "framework/PaintDC.h"
#include "player/resource.h"
#include "shared/support/ScreenDepth.h"

IMPLEMENT_DYNAMIC(CPictureDlg, CDialog)

// void OnPaint()
BEGIN_MESSAGE_MAP(CPictureDlg, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

const int kTextIds[4] = { IDC_WELCOME_TEXT1, IDC_WELCOME_TEXT2, IDC_WELCOME_TEXT3, IDC_WELCOME_TEXT4 };
// Below this average of red, green and blue a background counts as dark.
const int kDarkBelow = 160;

} // namespace

CPictureDlg::CPictureDlg(CWnd* pParent)
    : CDialog(IDD_WELCOME, pParent), m_crBackground(RGB(192, 192, 192)), m_hIcon(nullptr), m_bImage(FALSE),
      m_bShowErrors(FALSE), m_pParent(pParent), m_nX(0), m_nY(0), m_nIconX(0), m_nIconY(0), m_bPictureLoaded(FALSE),
      m_bDibLoaded(FALSE)
{
}

BOOL CPictureDlg::Create()
{
    return CDialog::Create(IDD_WELCOME, m_pParent);
}

COLORREF CPictureDlg::TextColorFor(COLORREF crBackground)
{
    int nAverage = (GetRValue(crBackground) + GetGValue(crBackground) + GetBValue(crBackground)) / 3;
    return nAverage < kDarkBelow ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

void CPictureDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 4; ++i)
        DDX_Text(pDX, kTextIds[i], m_strText[i]);
}

BOOL CPictureDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect window;
    GetWindowRect(&window);
    CenterOnScreen(window.Width(), window.Height());

    CWnd* pIcon = GetDlgItem(IDC_WELCOME_ICON);
    if (m_bImage && !m_strImageFile.IsEmpty() && LoadImage())
    {
        CenterOnScreen(m_bDibLoaded ? m_dib.GetWidth() : m_picture.GetWidth(),
                       m_bDibLoaded ? m_dib.GetHeight() : m_picture.GetHeight());
        if (pIcon != nullptr)
            pIcon->ShowWindow(SW_HIDE);
    }

    // The texts are painted on the background colour, not shown by the controls.
    for (int nID : kTextIds)
    {
        if (CWnd* pText = GetDlgItem(nID))
        {
            pText->EnableWindow(FALSE);
            pText->ShowWindow(SW_HIDE);
        }
    }

    if (!m_bPictureLoaded && !m_bDibLoaded && pIcon != nullptr)
    {
        if (m_hIcon == nullptr)
            m_hIcon = (HICON)pIcon->SendMessage(STM_GETICON);
        if (m_hIcon != nullptr)
        {
            pIcon->ShowWindow(SW_HIDE);
            CRect icon;
            pIcon->GetWindowRect(&icon);
            ScreenToClient(&icon);
            m_nIconX = icon.left;
            m_nIconY = icon.top;
        }
    }
    return TRUE;
}

BOOL CPictureDlg::LoadImage()
{
    int nDot = m_strImageFile.ReverseFind('.');
    CString extension = nDot >= 0 ? m_strImageFile.Mid(nDot) : CString();
    extension.MakeUpper();
    if (extension.Find(".BMP") == 0 || extension.Find(".DIB") == 0)
    {
        m_bDibLoaded = LoadDibImage(m_dib, m_strImageFile);
        if (m_bDibLoaded)
            m_palette.Borrow(m_dib.GetPalette());
    }
    else
    {
        m_picture.m_bShowErrors = m_bShowErrors;
        m_bPictureLoaded = m_picture.Load(m_strImageFile);
        if (m_bPictureLoaded)
            m_palette.Borrow(m_picture.GetPalette());
    }
    return m_bDibLoaded || m_bPictureLoaded;
}

void CPictureDlg::CenterOnScreen(int nWidth, int nHeight)
{
    CSize screen(640, 480);
    if (CWnd* pDesktop = GetDesktopWindow())
    {
        CRect desktop;
        pDesktop->GetWindowRect(&desktop);
        screen = desktop.Size();
    }
    m_nX = (screen.cx - nWidth) / 2;
    m_nY = (screen.cy - nHeight) / 2;
    SetWindowPos(nullptr, m_nX, m_nY, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPictureDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDOK)
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CPictureDlg::OnCancel()
{
    // A welcome window shown for its time ignores Esc.
    if (m_bInModal)
        CDialog::OnCancel();
}

void CPictureDlg::OnPaint()
{
    CPaintDC dc(this);
    const bool bImage = m_bPictureLoaded || m_bDibLoaded;
    int nOldStretchMode = 0;
    if (bImage)
    {
        m_palette.SelectIn(&dc);
        // Palette screens blend pictures and true-colour DIBs instead of
        // dropping pixels.
        if (GetScreenBitsPerPixel() <= 8 && (m_bPictureLoaded || m_dib.GetColorCount() == 0))
        {
            nOldStretchMode = dc.SetStretchBltMode(HALFTONE);
            dc.SetBrushOrg(0, 0);
        }
    }

    dc.SetTextColor(TextColorFor(m_crBackground));
    dc.SetBkMode(TRANSPARENT);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_crBackground);

    if (m_bPictureLoaded)
        m_picture.Render(&dc, CRect(0, 0, m_picture.GetWidth(), m_picture.GetHeight()));
    else if (m_bDibLoaded)
        m_dib.Draw(&dc, 0, 0);
    else
        PaintTexts(dc, client);

    if (nOldStretchMode != 0)
        dc.SetStretchBltMode(nOldStretchMode);
    if (bImage)
        m_palette.Restore(&dc);
}

void CPictureDlg::PaintTexts(CDC& dc, const CRect& client)
{
    CFont* pOldFont = dc.SelectObject(GetFont());
    for (int i = 0; i < 4; ++i)
    {
        int nLeft = (client.Width() - dc.GetTextExtent(m_strText[i]).cx) / 2;
        dc.TextOut(nLeft < 0 ? 0 : nLeft, kTextTops[i], m_strText[i]);
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    if (m_hIcon != nullptr)
        ::DrawIconEx(dc.GetSafeHdc(), m_nIconX, m_nIconY, m_hIcon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
}
