#include "editor/dialogs/FontStatic.h"

IMPLEMENT_DYNAMIC(CFontStatic, CStatic)

BEGIN_MESSAGE_MAP(CFontStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CFontStatic::CFontStatic() : m_crText(RGB(0, 0, 0)), m_nHeight(-11), m_nWeight(FW_NORMAL), m_bUnderline(FALSE)
{
}

void CFontStatic::SetFontStyle(int nHeight, int nWeight, BOOL bUnderline, COLORREF crText)
{
    m_nHeight = nHeight;
    m_nWeight = nWeight;
    m_bUnderline = bUnderline;
    m_crText = crText;
    if (m_hWnd != nullptr)
        ApplyFont(TRUE);
}

void CFontStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    ApplyFont(FALSE);
}

BOOL CFontStatic::IsTextLabel()
{
    const DWORD dwType = GetStyle() & SS_TYPEMASK;
    return dwType == SS_LEFT || dwType == SS_CENTER || dwType == SS_RIGHT;
}

void CFontStatic::ApplyFont(BOOL bRenew)
{
    if (!IsTextLabel() || (!bRenew && m_font.GetSafeHandle() != nullptr))
        return;
    LOGFONTA lf = {};
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    if (hFont == nullptr || ::GetObjectA(hFont, sizeof(lf), &lf) == 0)
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = m_nHeight;
    lf.lfWeight = m_nWeight;
    lf.lfUnderline = (BYTE)(m_bUnderline ? 1 : 0);
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    // The label is given the new font before the old one goes.
    SendMessage(WM_SETFONT, (WPARAM)font.GetSafeHandle(), IsWindowVisible());
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
}

// Only text labels take the font; icons and pictures keep the system colours.
HBRUSH CFontStatic::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (!IsTextLabel())
        return nullptr;
    ApplyFont(FALSE);
    if (m_font.GetSafeHandle() != nullptr)
        pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_crText);
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}
