#include "editor/app/ProjectReport.h"

#include "editor/dialogs/DialogTexts.h"
#include "editor/resource.h"

#include "framework/Bitmap.h"
#include "framework/ClientDC.h"
#include "framework/DC.h"
#include "framework/Wnd.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ProjectPage.h"

#include <algorithm>

namespace {

CString KindText(UINT nID, LPCSTR lpszFallback)
{
    CString text;
    if (!text.LoadString(nID))
        text = lpszFallback;
    return text;
}

} // namespace

std::vector<CProjectReport::Row> CProjectReport::RowsOf(CProjectPage& page)
{
    struct Kind
    {
        const CMObjList* pList;
        UINT nText;
        LPCSTR lpszFallback;
    };
    const Kind kinds[] = {
        { &page.GetButtons(), IDS_REPORT_BUTTON, "Button" },       { &page.GetTexts(), IDS_REPORT_TEXT, "Text" },
        { &page.GetTextFields(), IDS_REPORT_TEXTFIELD, "Scrollet" }, { &page.GetAviClips(), IDS_REPORT_AVICLIP, "AVI" },
        { &page.GetImages(), IDS_KIND_IMAGE, "Image" },            { &page.GetSliders(), IDS_KIND_SLIDER, "Slider" },
        { &page.GetListBoxes(), IDS_REPORT_LISTBOX, "Listbox" },
    };
    std::vector<Row> rows;
    for (const Kind& kind : kinds)
    {
        const CString strKind = KindText(kind.nText, kind.lpszFallback);
        for (INT_PTR i = 0; i < kind.pList->GetSize(); ++i)
        {
            const CMObjCreateStruct* pObject = dynamic_cast<const CMObjCreateStruct*>(kind.pList->GetAt(i));
            if (pObject == nullptr)
                continue;
            Row row;
            row.strKind = strKind;
            row.strCaption = pObject->m_strText;
            if (const CMButCreateStruct* pButton = dynamic_cast<const CMButCreateStruct*>(pObject))
            {
                GetEditorActionCaption(pButton->m_nAction, row.strAction);
                row.strFile = !pButton->m_strDocument.IsEmpty() ? pButton->m_strDocument : pButton->m_strApplication;
            }
            else if (kind.pList == &page.GetAviClips() || kind.pList == &page.GetImages())
            {
                // Their text is the file they show.
                row.strFile = pObject->m_strText;
                row.strCaption.Empty();
            }
            rows.push_back(row);
        }
    }
    return rows;
}

BOOL CProjectReport::Capture(CWnd* pPage, CProjectPage& page)
{
    m_rows = RowsOf(page);
    m_bits.clear();
    m_bmi = BITMAPINFO{};
    CRect rect;
    pPage->GetClientRect(&rect);
    const int cx = rect.Width(), cy = rect.Height();
    if (cx <= 0 || cy <= 0)
        return FALSE;
    // The page paints itself into the picture: nothing is read from the
    // screen, where other windows or the screen's edge may hide part of it.
    CClientDC pageDC(pPage);
    CDC memDC;
    CBitmap bitmap;
    if (!memDC.CreateCompatibleDC(&pageDC) || !bitmap.CreateCompatibleBitmap(&pageDC, cx, cy))
        return FALSE;
    const HGDIOBJ hOld = memDC.SelectObject((HGDIOBJ)bitmap.m_hObject);
    pPage->SendMessage(WM_PRINTCLIENT, (WPARAM)memDC.m_hDC, PRF_CLIENT | PRF_ERASEBKGND);
    PrintChildWindows(pPage->m_hWnd, memDC.m_hDC);
    memDC.SelectObject(hOld);

    m_bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    m_bmi.bmiHeader.biWidth = cx;
    m_bmi.bmiHeader.biHeight = cy;
    m_bmi.bmiHeader.biPlanes = 1;
    m_bmi.bmiHeader.biBitCount = 24;
    m_bmi.bmiHeader.biCompression = BI_RGB;
    m_bits.resize((size_t)((cx * 3 + 3) & ~3) * (size_t)cy);
    if (::GetDIBits(memDC.m_hDC, (HBITMAP)bitmap.m_hObject, 0, (UINT)cy, m_bits.data(), &m_bmi, DIB_RGB_COLORS) == cy)
        return TRUE;
    m_bits.clear();
    m_bmi = BITMAPINFO{};
    return FALSE;
}

// Windows that draw themselves (controls, the text field) add their picture
// over the page's, the lowest first; the page's own objects are in its painting.
void CProjectReport::PrintChildWindows(HWND hPage, HDC hDC)
{
    for (HWND hChild = ::GetWindow(::GetWindow(hPage, GW_CHILD), GW_HWNDLAST); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDPREV))
    {
        if (!::IsWindowVisible(hChild))
            continue;
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(nullptr, hPage, reinterpret_cast<POINT*>(&rc), 2);
        POINT ptOld;
        ::SetViewportOrgEx(hDC, rc.left, rc.top, &ptOld);
        ::SendMessageA(hChild, WM_PRINT, (WPARAM)hDC, PRF_NONCLIENT | PRF_CLIENT);
        ::SetViewportOrgEx(hDC, ptOld.x, ptOld.y, nullptr);
    }
}

void CProjectReport::Draw(CDC* pDC, const CRect& rect) const
{
    const int nMargin = std::max(1, rect.Width() / 20);
    CRect area(rect.left + nMargin, rect.top + nMargin, rect.right - nMargin, rect.bottom - nMargin);
    int y = area.top;
    if (!m_bits.empty() && area.Width() > 0 && area.Height() > 0)
    {
        // At most half the page's height, the shape kept.
        const SIZE size = GetPictureSize();
        int cx = area.Width();
        int cy = MulDiv(cx, size.cy, size.cx);
        if (cy > area.Height() / 2)
        {
            cy = area.Height() / 2;
            cx = MulDiv(cy, size.cx, size.cy);
        }
        ::StretchDIBits(pDC->m_hDC, area.left, y, cx, cy, 0, 0, size.cx, size.cy, m_bits.data(), &m_bmi,
                        DIB_RGB_COLORS, SRCCOPY);
        y += cy + nMargin / 2;
    }

    // The table: a line per object, in four columns.
    const int nLine = std::max(1, area.Height() / 40);
    LOGFONTA lf = {};
    lf.lfHeight = -nLine * 4 / 5;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HGDIOBJ hOld = ::SelectObject(pDC->m_hDC, hFont);
    ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    ::SetTextColor(pDC->m_hDC, RGB(0, 0, 0));
    const int columns[] = { 0, 20, 50, 70, 100 };   // percent of the width
    for (const Row& row : m_rows)
    {
        if (y + nLine > area.bottom)
            break;
        const CString* texts[] = { &row.strKind, &row.strCaption, &row.strAction, &row.strFile };
        for (int c = 0; c < 4; ++c)
        {
            RECT cell = { area.left + MulDiv(area.Width(), columns[c], 100), y,
                          area.left + MulDiv(area.Width(), columns[c + 1], 100) - nLine / 4, y + nLine };
            ::DrawTextA(pDC->m_hDC, *texts[c], texts[c]->GetLength(), &cell,
                        DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        y += nLine;
    }
    ::SelectObject(pDC->m_hDC, hOld);
    ::DeleteObject(hFont);
}
