#include "shared/menuobj/MObjListbox.h"

#include "shared/menuobj/BasisListBox.h"

IMPLEMENT_DYNAMIC(CMObjListbox, CMObjBasis)

namespace {

const DWORD kListBoxStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const COLORREF kWhite = RGB(255, 255, 255);

// The entry's width as the list box draws it, in its own font.
int ItemTextWidth(CWnd* pListWnd, LPCSTR lpszItem)
{
    CClientDC dc(pListWnd);
    HGDIOBJ hOldFont = nullptr;
    HFONT hFont = (HFONT)pListWnd->SendMessage(WM_GETFONT);
    if (hFont != nullptr)
        hOldFont = dc.SelectObject(hFont);
    int cx = dc.GetTextExtent(lpszItem, lstrlenA(lpszItem)).cx;
    if (hOldFont != nullptr)
        dc.SelectObject(hOldFont);
    return cx;
}

} // namespace

CMObjListbox::CMObjListbox() : m_pListWnd(nullptr), m_nMaxExtent(0)
{
}

CMObjListbox::~CMObjListbox()
{
    delete m_pListWnd;
}

BOOL CMObjListbox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParent, int nID)
{
    if (m_pListWnd != nullptr)
        return FALSE;
    CBasisListBox* pWnd = new CBasisListBox;
    if (!pWnd->CreateListBox(dwStyle | kListBoxStyle, rect, pParent, UINT(nID), kWhite))
    {
        delete pWnd;
        return FALSE;
    }
    m_pListWnd = pWnd;
    m_pObjWnd = pWnd;
    SetRects(rect);
    m_pParent = pParent;
    m_nMaxExtent = 0;
    return TRUE;
}

CString CMObjListbox::GetSelectedText() const
{
    CString strText;
    if (m_pListWnd == nullptr)
        return strText;
    int nSel = (int)m_pListWnd->SendMessage(LB_GETCURSEL);
    if (nSel == LB_ERR)
        return strText;
    int nLength = (int)m_pListWnd->SendMessage(LB_GETTEXTLEN, (WPARAM)nSel);
    if (nLength <= 0)
        return strText;
    m_pListWnd->SendMessage(LB_GETTEXT, (WPARAM)nSel, (LPARAM)strText.GetBufferSetLength(nLength + 1));
    strText.ReleaseBuffer();
    return strText;
}

void CMObjListbox::AddString(LPCSTR lpszItem)
{
    if (m_pListWnd == nullptr)
        return;
    m_pListWnd->SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem);
    int cx = ItemTextWidth(m_pListWnd, lpszItem);
    if (cx <= m_nMaxExtent)
        return;
    m_nMaxExtent = cx;
    m_pListWnd->SendMessage(LB_SETHORIZONTALEXTENT, (WPARAM)(cx + kExtentMargin));
}
