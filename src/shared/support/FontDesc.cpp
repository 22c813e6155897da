#include "shared/support/FontDesc.h"

#include "framework/Afx.h"
#include "shared/support/TextEffect.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CFontDesc, CObject)

CFontDesc::CFontDesc()
{
    SetDefaults();
}

CFontDesc::CFontDesc(const CFontDesc& other) : CObject()
{
    SetDefaults();
    Assign(other);
}

CFontDesc& CFontDesc::operator=(const CFontDesc& other)
{
    Assign(other);
    return *this;
}

CFontDesc::~CFontDesc()
{
    DeleteFont();
}

void CFontDesc::SetDefaults()
{
    DeleteFont();
    ZeroMemory(&m_logFont, sizeof(m_logFont));
    m_logFont.lfHeight = 16;
    m_logFont.lfWeight = FW_NORMAL;
    m_logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(m_logFont.lfFaceName, "Arial", LF_FACESIZE);
    m_crColor = RGB(0, 0, 0);
    m_nEffect = TEXT_EFFECT_NONE;
}

void CFontDesc::Assign(const CFontDesc& other)
{
    if (&other == this)
        return;
    DeleteFont();
    m_logFont = other.m_logFont;
    m_crColor = other.m_crColor;
    m_nEffect = other.m_nEffect;
}

void CFontDesc::DeleteFont()
{
    delete m_pFont;
    m_pFont = nullptr;
    m_pOldFont = nullptr;
    m_bCreated = FALSE;
}

BOOL CFontDesc::CreateFont()
{
    DeleteFont();
    m_pFont = new CFont;
    m_bCreated = m_pFont->CreateFontIndirect(&m_logFont);
    if (!m_bCreated)
    {
        delete m_pFont;
        m_pFont = nullptr;
    }
    return m_bCreated;
}

void CFontDesc::SelectInto(CDC* pDC)
{
    m_pOldFont = nullptr;
    if (m_pFont == nullptr)
        CreateFont();
    if (m_pFont != nullptr)
        m_pOldFont = pDC->SelectObject(m_pFont);
}

void CFontDesc::RestoreFont(CDC* pDC)
{
    if (m_pOldFont != nullptr)
        pDC->SelectObject(m_pOldFont);
    m_pOldFont = nullptr;
}

BOOL CFontDesc::MeasureText(const CString& strText, int& cx, int& cy)
{
    cx = 0;
    cy = 0;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->GetMainWndHandle() == nullptr)
        return FALSE;
    CClientDC dc(pApp->m_pMainWnd);
    SelectInto(&dc);
    CSize extent = dc.GetTextExtent(strText);
    RestoreFont(&dc);
    m_cx = extent.cx;
    m_cy = extent.cy;
    // Room for italic overhang and the effect's offsets.
    cx = extent.cx + std::abs(m_logFont.lfHeight / 6) + 6;
    cy = extent.cy + 6;
    return TRUE;
}

void CFontDesc::TextOutEffect(CDC* pDC, int x, int y, const CString& strText)
{
    COLORREF crOld = pDC->GetTextColor();
    CSize extent = pDC->GetTextExtent(strText);
    m_cx = extent.cx;
    m_cy = extent.cy;

    const COLORREF crWhite = RGB(255, 255, 255);
    const COLORREF crBlack = RGB(0, 0, 0);
    if (m_nEffect == TEXT_EFFECT_RAISED || m_nEffect == TEXT_EFFECT_EMBOSSED)
    {
        BOOL bRaised = m_nEffect == TEXT_EFFECT_RAISED;
        pDC->SetTextColor(bRaised ? crWhite : crBlack);
        pDC->TextOut(x - 1, y - 1, strText);
        pDC->SetTextColor(bRaised ? crBlack : crWhite);
        pDC->TextOut(x + 1, y + 1, strText);
    }
    pDC->SetTextColor(m_crColor);
    pDC->TextOut(x, y, strText);

    ::SetRect(&m_rcText, x - 1, y - 1, x + m_cx + 1, y + m_cy + 1);
    pDC->SetTextColor(crOld);
}

void CFontDesc::DrawTextFitted(CDC* pDC, const RECT& rc, CString strText)
{
    CStringArray lines;
    lines.Add(strText);
    DrawLinesFitted(pDC, rc, lines);
}

// The lines are one block, centred in the rectangle as a whole; each line is
// centred across and cut at its end until it fits.
void CFontDesc::DrawLinesFitted(CDC* pDC, const RECT& rc, const CStringArray& lines)
{
    SelectInto(pDC);
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    const int nLineHeight = pDC->GetTextExtent(CString("Ag")).cy;
    const int nBlockHeight = nLineHeight * int(lines.GetSize());
    int y = nBlockHeight < h ? rc.top + (h - nBlockHeight) / 2 : rc.top;
    for (int i = 0; i < lines.GetSize(); ++i, y += nLineHeight)
    {
        CString strLine = lines[i];
        CSize extent = pDC->GetTextExtent(strLine);
        while (extent.cx > w - 2 && !strLine.IsEmpty())
        {
            strLine.Delete(strLine.GetLength() - 1);
            extent = pDC->GetTextExtent(strLine);
        }
        const int x = extent.cx < w ? rc.left + (w - extent.cx) / 2 : rc.left;
        TextOutEffect(pDC, x, y, strLine);
    }
    RestoreFont(pDC);
}
