#include "shared/menuobj/ToolTip.h"

#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CToolTip, CObject)

namespace {

// The screen of the pages: an area beyond it never shows a text.
const int kMaxRight = 1024;
const int kMaxBottom = 768;

} // namespace

CToolTip::CToolTip() = default;

CToolTip::~CToolTip() = default;

void CToolTip::Setup(const RECT& rcArea, BOOL bTransparent, COLORREF crBack, const CFontDesc& font,
                     const CString& strDefaultText, CWnd* pParent, const CString& strProjectFolder, BOOL bCentre)
{
    m_rcArea = rcArea;
    m_bTransparent = bTransparent;
    m_crBack = crBack;
    m_strDefaultText = strDefaultText;
    m_pParent = pParent;
    m_strProjectFolder = strProjectFolder;
    m_bCentre = bCentre;
    m_bEnabled = TRUE;
    m_font.Assign(font);
    m_font.CreateFont();
}

BOOL CToolTip::IsAreaShown() const
{
    return m_rcArea.left < kMaxRight && m_rcArea.top < kMaxBottom && !m_rcArea.IsRectEmpty()
        && m_rcArea.Width() <= kMaxRight && m_rcArea.Height() <= kMaxBottom;
}

void CToolTip::InvalidateArea()
{
    HWND hParent = AfxHwnd(m_pParent);
    if (hParent != nullptr)
        ::InvalidateRect(hParent, m_rcArea, FALSE);
}

void CToolTip::NewTip(const CString& strText)
{
    if (!m_bEnabled || !IsAreaShown())
        return;
    if (strText.IsEmpty())
    {
        m_layout.Set(CString(), m_rcArea);
        InvalidateArea();
        return;
    }
    m_strText = strText;
    m_rcText = m_rcArea;
    m_layout.Set(m_strText, m_rcText);
    InvalidateArea();
}

void CToolTip::DefaultTip()
{
    NewTip(m_strDefaultText);
}

void CToolTip::Draw(CDC* pDC)
{
    if (!m_bEnabled || AfxHdc(pDC) == nullptr)
        return;
    if (m_bTransparent)
        pDC->SetBkMode(TRANSPARENT);
    else
        pDC->FillSolidRect(m_rcArea, m_crBack);

    COLORREF crOld = pDC->GetTextColor();
    m_font.SelectInto(pDC);
    pDC->SetTextColor(m_font.m_crColor);
    m_layout.Draw(pDC, m_bCentre);
    pDC->SetTextColor(crOld);
    m_font.RestoreFont(pDC);
}
