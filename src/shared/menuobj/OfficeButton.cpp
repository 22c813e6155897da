#include "shared/menuobj/OfficeButton.h"

#include "shared/menuobj/ObjectBitmaps.h"

IMPLEMENT_DYNAMIC(COfficeButton, CImgBasisButton)

COfficeButton::COfficeButton() : m_crHighlight(RGB(0, 0, 0)), m_bImagesMade(FALSE)
{
}

BOOL COfficeButton::CreateImageButton(LPCSTR lpszCaption, DWORD dwStyle, int nFrameMode, int x, int y,
                                      CBitmap* pImage, CWnd* pParent, UINT nID)
{
    m_crHighlight = RGB(182, 189, 210);
    return CImgBasisButton::CreateImageButton(lpszCaption, dwStyle, nFrameMode, x, y, pImage, pParent, nID);
}

void COfficeButton::MakeStateImages()
{
    m_bImagesMade = TRUE;
    if (m_pImage != nullptr)
    {
        const COLORREF crBackground = GetBitmapPixel(*m_pImage, 0, 0);
        const COLORREF crHighlight = m_crHighlight;
        MakeRecolouredCopy(*m_pImage, m_highlight,
                           [=](COLORREF cr) { return cr == crBackground ? crHighlight : cr; });
    }
    if (m_hWnd == nullptr)
        return;
    CRect rcWindow;
    GetWindowRect(rcWindow);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), (LPPOINT)(LPRECT)rcWindow, 2);
    if (rcWindow != CRect(m_rcObject))
        MoveWindow(&m_rcObject, TRUE);
}

void COfficeButton::Draw(CDC* pDC)
{
    if (!m_bImagesMade)
        MakeStateImages();
    if (!m_bEnabled)
        return;
    if (m_bPressed)
        DrawImage(pDC, 0, 0, BluePen(), BluePen(), &m_highlight);
    else if (m_bHover)
        DrawImage(pDC, -1, -1, BluePen(), BluePen(), &m_highlight);
    else
        DrawImage(pDC, 0, 0, nullptr, nullptr, m_pImage);
    if (m_bFocus)
        DrawFocusFrame(pDC);
    // The caption moves up and left with the picture while the mouse is over
    // the button without a press.
    DrawCaptionInset(pDC, 3, 2, m_bPressed || !m_bHover);
}
