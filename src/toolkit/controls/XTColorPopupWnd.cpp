#include "toolkit/controls/XTColorPopupWnd.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMenuShadow.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/controls/XTPopupEdge.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/ClientDC.h"
#include "framework/PaintDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTColorPopupWnd, CWnd)

CXTColorPopupWnd* CXTColorPopupWnd::s_pKeyPopup = nullptr;

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE.
BEGIN_MESSAGE_MAP(CXTColorPopupWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_ACTIVATE()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_MESSAGE(WM_ACTIVATEAPP, OnActivateApp)
    ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
END_MESSAGE_MAP()

namespace {

struct NamedColor
{
    COLORREF clr;
    UINT nName;
    const char* pszName;
};

const NamedColor kColors16[] = {
    { RGB(0, 0, 0), XT_IDS_CLR_BLACK, "Black" },          { RGB(128, 128, 128), XT_IDS_CLR_GRAY, "Gray" },
    { RGB(128, 0, 0), XT_IDS_CLR_MAROON, "Maroon" },      { RGB(128, 128, 0), XT_IDS_CLR_OLIVE, "Olive" },
    { RGB(0, 128, 0), XT_IDS_CLR_GREEN, "Green" },        { RGB(0, 128, 128), XT_IDS_CLR_TEAL, "Teal" },
    { RGB(0, 0, 128), XT_IDS_CLR_NAVY, "Navy" },          { RGB(128, 0, 128), XT_IDS_CLR_PURPLE, "Purple" },
    { RGB(255, 255, 255), XT_IDS_CLR_WHITE, "White" },    { RGB(192, 192, 192), XT_IDS_CLR_SILVER, "Silver" },
    { RGB(255, 0, 0), XT_IDS_CLR_RED, "Red" },            { RGB(255, 255, 0), XT_IDS_CLR_YELLOW, "Yellow" },
    { RGB(0, 255, 0), XT_IDS_CLR_LIME, "Lime" },          { RGB(0, 255, 255), XT_IDS_CLR_AQUA, "Aqua" },
    { RGB(0, 0, 255), XT_IDS_CLR_BLUE, "Blue" },          { RGB(255, 0, 255), XT_IDS_CLR_FUCHSIA, "Fuchsia" },
};

const NamedColor kColors40[] = {
    { RGB(0, 0, 0), XT_IDS_CLR_BLACK, "Black" },
    { RGB(153, 51, 0), XT_IDS_CLR_BROWN, "Brown" },
    { RGB(51, 51, 0), XT_IDS_CLR_OLIVE_GREEN, "Olive Green" },
    { RGB(0, 51, 0), XT_IDS_CLR_DARK_GREEN, "Dark Green" },
    { RGB(0, 51, 102), XT_IDS_CLR_DARK_TEAL, "Dark Teal" },
    { RGB(0, 0, 128), XT_IDS_CLR_DARK_BLUE, "Dark Blue" },
    { RGB(51, 51, 153), XT_IDS_CLR_INDIGO, "Indigo" },
    { RGB(51, 51, 51), XT_IDS_CLR_GRAY80, "Gray-80%" },
    { RGB(128, 0, 0), XT_IDS_CLR_DARK_RED, "Dark Red" },
    { RGB(255, 102, 0), XT_IDS_CLR_ORANGE, "Orange" },
    { RGB(128, 128, 0), XT_IDS_CLR_DARK_YELLOW, "Dark Yellow" },
    { RGB(0, 128, 0), XT_IDS_CLR_GREEN, "Green" },
    { RGB(0, 128, 128), XT_IDS_CLR_TEAL, "Teal" },
    { RGB(0, 0, 255), XT_IDS_CLR_BLUE, "Blue" },
    { RGB(102, 102, 153), XT_IDS_CLR_BLUE_GRAY, "Blue Gray" },
    { RGB(128, 128, 128), XT_IDS_CLR_GRAY50, "Gray-50%" },
    { RGB(255, 0, 0), XT_IDS_CLR_RED, "Red" },
    { RGB(255, 153, 0), XT_IDS_CLR_LIGHT_ORANGE, "Light Orange" },
    { RGB(153, 204, 0), XT_IDS_CLR_LIME, "Lime" },
    { RGB(51, 153, 102), XT_IDS_CLR_SEA_GREEN, "Sea Green" },
    { RGB(51, 204, 204), XT_IDS_CLR_AQUA, "Aqua" },
    { RGB(51, 102, 255), XT_IDS_CLR_LIGHT_BLUE, "Light Blue" },
    { RGB(128, 0, 128), XT_IDS_CLR_VIOLET, "Violet" },
    { RGB(153, 153, 153), XT_IDS_CLR_GRAY40, "Gray-40%" },
    { RGB(255, 0, 255), XT_IDS_CLR_PINK, "Pink" },
    { RGB(255, 204, 0), XT_IDS_CLR_GOLD, "Gold" },
    { RGB(255, 255, 0), XT_IDS_CLR_YELLOW, "Yellow" },
    { RGB(0, 255, 0), XT_IDS_CLR_BRIGHT_GREEN, "Bright Green" },
    { RGB(0, 255, 255), XT_IDS_CLR_TURQUOISE, "Turquoise" },
    { RGB(0, 204, 255), XT_IDS_CLR_SKY_BLUE, "Sky Blue" },
    { RGB(153, 51, 102), XT_IDS_CLR_PLUM, "Plum" },
    { RGB(192, 192, 192), XT_IDS_CLR_GRAY25, "Gray-25%" },
    { RGB(255, 153, 204), XT_IDS_CLR_ROSE, "Rose" },
    { RGB(255, 204, 153), XT_IDS_CLR_TAN, "Tan" },
    { RGB(255, 255, 153), XT_IDS_CLR_LIGHT_YELLOW, "Light Yellow" },
    { RGB(204, 255, 204), XT_IDS_CLR_LIGHT_GREEN, "Light Green" },
    { RGB(204, 255, 255), XT_IDS_CLR_LIGHT_TURQUOISE, "Light Turquoise" },
    { RGB(153, 204, 255), XT_IDS_CLR_PALE_BLUE, "Pale Blue" },
    { RGB(204, 153, 255), XT_IDS_CLR_LAVENDER, "Lavender" },
    { RGB(255, 255, 255), XT_IDS_CLR_WHITE, "White" },
};

const int kColumns = 8;
const int kMaxCustomColors = kColumns;
const COLORREF kNoColor = (COLORREF)-1;

COLORREF FaceColor()
{
    return xtAfxData.m_bFlatLook ? xtAfxData.m_clrFlatWindowFace : xtAfxData.m_clr3DFace;
}

void DrawSwatch(CDC* pDC, CRect rc, COLORREF clr)
{
    pDC->Draw3dRect(&rc, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DHilight);
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(&rc, clr);
}

} // namespace

CXTColorPopupWnd::CXTColorPopupWnd(BOOL bAutoDelete, LPARAM lNotifyValue)
    : m_hOldBitmap(nullptr), m_ptLast(0, 0), m_rcCaption(0, 0, 0, 0), m_cxCell(18), m_cyCell(18),
      m_dwStyle(0), m_pOwner(nullptr), m_lNotifyValue(lNotifyValue), m_nRows(2), m_nColumns(kColumns),
      m_nLastIndex(17), m_nHotIndex(-1), m_clrCurrent(0), m_clrDefault(0), m_bAutoDelete(bAutoDelete),
      m_bShadow(TRUE), m_bCaption(FALSE), m_bInDialog(FALSE), m_bClosing(FALSE), m_hKeyHook(nullptr),
      m_pPrevKeyPopup(nullptr)
{
}

CXTColorPopupWnd::~CXTColorPopupWnd()
{
    if (m_hWnd != nullptr)
    {
        m_bAutoDelete = FALSE;
        DestroyWindow();
    }
}

std::vector<COLORREF>& CXTColorPopupWnd::GetCustomColors()
{
    static std::vector<COLORREF> s_colors;
    return s_colors;
}

void CXTColorPopupWnd::AddCustomColor(COLORREF clr)
{
    std::vector<COLORREF>& colors = GetCustomColors();
    if ((int)colors.size() >= kMaxCustomColors)
        colors.erase(colors.begin());
    colors.push_back(clr);
}

const XT_COLOR_CELL* CXTColorPopupWnd::GetCell(int nIndex) const
{
    for (const XT_COLOR_CELL& cell : m_cells)
        if (cell.nIndex == nIndex)
            return &cell;
    return nullptr;
}

XT_COLOR_CELL* CXTColorPopupWnd::FindCell(int nIndex)
{
    return const_cast<XT_COLOR_CELL*>(GetCell(nIndex));
}

BOOL CXTColorPopupWnd::Create(const CRect& rcAnchor, CWnd* pOwner, DWORD dwStyle, COLORREF clrCurrent,
                              COLORREF clrDefault)
{
    m_arrNotify.push_back(AfxHwnd(pOwner));
    m_dwStyle = dwStyle;
    m_clrCurrent = clrCurrent;
    m_clrDefault = clrDefault;
    m_pOwner = pOwner;
    m_rcAnchor = rcAnchor;
    const int nColors = ColorCount();
    int cy = m_bCaption ? 130 : 120;
    if (dwStyle & CPS_XT_EXTENDED)
        cy += 34;
    m_nRows = nColors / kColumns;
    m_nLastIndex = nColors + 1;
    if (!(dwStyle & CPS_XT_MORECOLORS))
        cy -= 28;
    else if (!GetCustomColors().empty())
    {
        cy += m_cyCell + 8;
        m_nLastIndex += (int)GetCustomColors().size();
    }
    m_rcWindow = CRect(rcAnchor.left, rcAnchor.bottom, rcAnchor.left + 158, rcAnchor.bottom + cy);
    // Within the work area: above the anchor when there is no room below.
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    if (m_rcWindow.bottom > rcWork.bottom && rcAnchor.top - cy >= rcWork.top)
        m_rcWindow.OffsetRect(0, rcAnchor.top - cy - m_rcWindow.top);
    m_rcWindow.OffsetRect(std::max<int>(0, (int)(rcWork.left - m_rcWindow.left)), 0);
    m_rcWindow.OffsetRect(std::min<int>(0, (int)(rcWork.right - m_rcWindow.right)), 0);
    m_rcWindow.OffsetRect(0, std::max<int>(0, (int)(rcWork.top - m_rcWindow.top)));

    LPCSTR lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_CLASSDC | CS_SAVEBITS,
                                           ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateEx(0, lpszClass, "", WS_POPUP | WS_DLGFRAME, m_rcWindow, pOwner, 0))
        return FALSE;
    ShowWindow(SW_SHOWNA);
    SetFont(&xtAfxData.m_fontNormal, FALSE);
    return TRUE;
}

void CXTColorPopupWnd::BuildCells()
{
    m_cells.clear();
    CRect rcClient;
    GetClientRect(&rcClient);
    const BOOL bFlat = xtAfxData.m_bFlatLook;
    const int cxEdge = bFlat ? ::GetSystemMetrics(SM_CXEDGE) : 0;
    const int cyEdge = bFlat ? ::GetSystemMetrics(SM_CYEDGE) : 0;
    if (m_bCaption)
        m_rcCaption = CRect(2, 1, rcClient.right - 2, 8);

    XT_COLOR_CELL top;
    const BOOL bNoFill = (m_dwStyle & CPS_XT_NOFILL) != 0;
    top.nKind = XT_COLOR_CELL::kindTop | (bNoFill ? CPS_XT_NOFILL : 0);
    top.strText = bNoFill ? LoadToolkitString(XT_IDS_NOFILL, "No Fill") : LoadToolkitString(XT_IDS_AUTOMATIC, "Automatic");
    top.nTipID = bNoFill ? XT_IDS_NOCOLOR : XT_IDS_AUTOMATICCLR;
    const int yTop = (m_bCaption ? 11 : 1) + cyEdge;
    top.rect = CRect(4 + cxEdge, yTop, m_rcWindow.Width() - 10 + cxEdge, yTop + 23);
    top.nIndex = 0;
    top.clr = m_clrDefault;
    top.bSelected = !bNoFill && m_clrCurrent == m_clrDefault;
    BOOL bSelected = top.bSelected;
    if (top.bSelected)
        m_nHotIndex = 0;
    m_cells.push_back(top);

    const BOOL bExtended = (m_dwStyle & CPS_XT_EXTENDED) != 0;
    const NamedColor* pColors = bExtended ? kColors40 : kColors16;
    const CPoint ptGrid(top.rect.left, top.rect.top + (bExtended ? 27 : 46));
    const int nColors = ColorCount();
    for (int i = 0; i < nColors; ++i)
    {
        XT_COLOR_CELL cell;
        cell.nKind = XT_COLOR_CELL::kindColor;
        cell.nIndex = i + 1;
        cell.clr = pColors[i].clr;
        cell.nTipID = pColors[i].nName;
        cell.strText = LoadToolkitString(pColors[i].nName, pColors[i].pszName);
        const int x = ptGrid.x + (i % kColumns) * m_cxCell, y = ptGrid.y + (i / kColumns) * m_cyCell;
        cell.rect = CRect(x, y, x + m_cxCell, y + m_cyCell);
        if (!bSelected && cell.clr == m_clrCurrent)
        {
            cell.bSelected = bSelected = TRUE;
            m_nHotIndex = cell.nIndex;
        }
        m_cells.push_back(cell);
    }
    int yMore = ptGrid.y;
    if (m_dwStyle & CPS_XT_MORECOLORS)
    {
        const std::vector<COLORREF>& custom = GetCustomColors();
        if (!custom.empty())
        {
            const int y = ptGrid.y + m_nRows * m_cyCell + 4;
            for (int i = 0; i < (int)custom.size(); ++i)
            {
                XT_COLOR_CELL cell;
                cell.nKind = XT_COLOR_CELL::kindColor;
                cell.nIndex = nColors + 1 + i;
                cell.clr = custom[(size_t)i];
                cell.nTipID = XT_IDS_MORECOLORS_TIP;
                cell.strText = LoadToolkitString(XT_IDS_MORECOLORS_TIP, "More Colors");
                const int x = ptGrid.x + i * m_cxCell;
                cell.rect = CRect(x, y, x + m_cxCell, y + m_cyCell);
                if (!bSelected && cell.clr == m_clrCurrent)
                {
                    cell.bSelected = bSelected = TRUE;
                    m_nHotIndex = cell.nIndex;
                }
                m_cells.push_back(cell);
            }
            yMore += m_cyCell + 4;
        }
        XT_COLOR_CELL more;
        more.nKind = XT_COLOR_CELL::kindMore;
        more.nIndex = m_nLastIndex;
        more.clr = m_clrCurrent;
        more.nTipID = XT_IDS_MORECOLORS_TIP;
        more.strText = LoadToolkitString(XT_IDS_MORECOLORS, "More Colors...");
        more.rect = CRect(top.rect.left - 2, yMore + (bExtended ? 94 : 44), top.rect.right + 2,
                          yMore + (bExtended ? 117 : 66));
        if (m_clrCurrent != kNoColor && !bSelected)
        {
            more.bSelected = TRUE;
            m_nHotIndex = more.nIndex;
        }
        m_cells.push_back(more);
    }
}

int CXTColorPopupWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (xtAfxData.m_bFlatLook)
    {
        ModifyStyle(WS_CAPTION | WS_THICKFRAME, 0);
        ModifyStyleEx(WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME, 0, SWP_FRAMECHANGED);
        if (xtAfxData.m_bMenuDropShadows && m_bShadow)
            new CXTMenuShadow(m_hWnd, FALSE, TRUE);
    }
    SetCapture();
    HookKeys();
    BuildCells();
    if (m_tip.Create(this))
    {
        for (const XT_COLOR_CELL& cell : m_cells)
            m_tip.AddTool(this, LoadToolkitString(cell.nTipID, cell.strText), &cell.rect, (UINT_PTR)(cell.nIndex + 1));
        m_tip.Activate(TRUE);
    }
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr)
        m_pOwner->SendMessage(WM_CPN_DROPDOWN, (WPARAM)m_clrCurrent, m_lNotifyValue);
    return 0;
}

void CXTColorPopupWnd::OnDestroy()
{
    m_bClosing = TRUE;
    UnhookKeys();
    if (m_dcMem.m_hDC != nullptr && m_hOldBitmap != nullptr)
        m_dcMem.SelectObject(m_hOldBitmap);
    m_hOldBitmap = nullptr;
    m_dcMem.DeleteDC();
    m_bitmap.DeleteObject();
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr && ::IsWindow(m_pOwner->m_hWnd))
        m_pOwner->SendMessage(WM_CPN_CLOSEUP, (WPARAM)m_clrCurrent, m_lNotifyValue);
    m_cells.clear();
    GetXTMenuState().rcMenuBarItem.SetRectEmpty();
    CWnd::OnDestroy();
}

void CXTColorPopupWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

LRESULT CXTColorPopupWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && m_tip.m_hWnd != nullptr)
    {
        MSG msg = { m_hWnd, message, wParam, lParam, 0, { 0, 0 } };
        m_tip.RelayEvent(&msg);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Painting

void CXTColorPopupWnd::DrawAll(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, FaceColor());
    int yText = 0;
    if (m_bCaption)
    {
        pDC->FillSolidRect(&m_rcCaption, xtAfxData.m_clrInactiveCaption);
        yText = m_rcCaption.bottom;
    }
    HGDIOBJ hOldFont = pDC->SelectObject(xtAfxData.m_fontNormal.m_hObject);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(xtAfxData.m_clrBtnText);
    if (!(m_dwStyle & CPS_XT_EXTENDED))
    {
        CString strTitle = LoadToolkitString(XT_IDS_STDCOLORS, "Standard Colors");
        pDC->TextOut(6, yText + 31, strTitle);
    }
    if (m_dwStyle & CPS_XT_MORECOLORS)
    {
        // A groove between the colours and "More Colors...".
        const XT_COLOR_CELL* pMore = GetCell(m_nLastIndex);
        if (pMore != nullptr)
        {
            const int y = pMore->rect.top - 5;
            pDC->FillSolidRect(rcClient.left + 2, y, rcClient.Width() - 4, 1, xtAfxData.m_clr3DShadow);
            pDC->FillSolidRect(rcClient.left + 2, y + 1, rcClient.Width() - 4, 1, xtAfxData.m_clr3DHilight);
        }
    }
    for (const XT_COLOR_CELL& cell : m_cells)
        DrawCell(cell, pDC);
    pDC->SelectObject(hOldFont);
}

void CXTColorPopupWnd::DrawCell(const XT_COLOR_CELL& cell, CDC* pDC)
{
    CRect rc = cell.rect;
    if (cell.bSelected)
    {
        if (xtAfxData.m_bFlatLook)
        {
            pDC->FillSolidRect(&rc, xtAfxData.m_clrFlatHighlightLight);
            pDC->Draw3dRect(&rc, xtAfxData.m_clrHighlight, xtAfxData.m_clrHighlight);
        }
        else
        {
            FillDitheredRect(pDC, rc);
            pDC->Draw3dRect(&rc, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DHilight);
        }
    }
    else
        pDC->FillSolidRect(&rc, FaceColor());

    if (cell.nKind & XT_COLOR_CELL::kindColor)
    {
        CRect rcSwatch = rc;
        rcSwatch.DeflateRect(3, 3);
        DrawSwatch(pDC, rcSwatch, cell.clr);
        return;
    }
    HGDIOBJ hOldFont = pDC->SelectObject(xtAfxData.m_fontNormal.m_hObject);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(xtAfxData.m_clrBtnText);
    CRect rcText = rc;
    pDC->DrawText(cell.strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(hOldFont);
    if ((cell.nKind & XT_COLOR_CELL::kindMore) && cell.bSelected && cell.clr != kNoColor)
    {
        CRect rcSwatch = rc;
        rcSwatch.DeflateRect(5, 6);
        rcSwatch.left = rcSwatch.right - 12;
        DrawSwatch(pDC, rcSwatch, cell.clr);
    }
    else if (cell.nKind == XT_COLOR_CELL::kindTop)
    {
        // "Automatic" shows its colour at the left; "No Fill" has none.
        CRect rcSwatch = rc;
        rcSwatch.DeflateRect(6, 6);
        rcSwatch.OffsetRect(1, 0);
        rcSwatch.right = rcSwatch.left + 12;
        rcSwatch.bottom = rcSwatch.top + 11;
        DrawSwatch(pDC, rcSwatch, cell.clr);
    }
}

void CXTColorPopupWnd::DrawCellState(const XT_COLOR_CELL& cell, BOOL bPressed, BOOL bPlain)
{
    if (m_hWnd == nullptr || m_dcMem.m_hDC == nullptr)
        return;
    CClientDC dc(this);
    const CRect& rc = cell.rect;
    dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &m_dcMem, rc.left, rc.top, SRCCOPY);
    if (!bPlain)
    {
        if (xtAfxData.m_bFlatLook)
        {
            if (!cell.bSelected)
            {
                XT_COLOR_CELL hot = cell;
                hot.bSelected = TRUE;
                DrawCell(hot, &dc);
            }
            dc.Draw3dRect(&rc, xtAfxData.m_clrHighlight, xtAfxData.m_clrHighlight);
        }
        else if (bPressed)
            dc.Draw3dRect(&rc, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DHilight);
        else
            dc.Draw3dRect(&rc, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);
    }
    m_nHotIndex = cell.nIndex;
}

void CXTColorPopupWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_dcMem.m_hDC == nullptr)
    {
        m_dcMem.CreateCompatibleDC(&dc);
        m_bitmap.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
        m_hOldBitmap = m_dcMem.SelectObject(m_bitmap.m_hObject);
        DrawAll(&m_dcMem);
    }
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &m_dcMem, 0, 0, SRCCOPY);
}

void CXTColorPopupWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!xtAfxData.m_bFlatLook)
    {
        CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CXTColorPopupWnd::OnNcPaint()
{
    if (!xtAfxData.m_bFlatLook)
    {
        Default();
        return;
    }
    // Joined to the button it opened from.
    DrawJoinedPopupFrame(this, m_rcAnchor, xtAfxData.m_clr3DShadow, FaceColor());
}

// ---------------------------------------------------------------------------
// Mouse and keys

XT_COLOR_CELL* CXTColorPopupWnd::CellAt(CPoint point)
{
    for (XT_COLOR_CELL& cell : m_cells)
        if (cell.rect.PtInRect(point))
            return &cell;
    return nullptr;
}

void CXTColorPopupWnd::SelectCell(int nIndex)
{
    const XT_COLOR_CELL* pOld = GetCell(m_nHotIndex);
    if (pOld != nullptr && m_nHotIndex != nIndex)
        DrawCellState(*pOld, FALSE, TRUE);
    m_nHotIndex = nIndex;
    if (const XT_COLOR_CELL* pCell = GetCell(nIndex))
        DrawCellState(*pCell, FALSE, FALSE);
}

void CXTColorPopupWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bInDialog || point == m_ptLast)
        return;
    m_ptLast = point;
    CRect rcClient;
    GetClientRect(&rcClient);
    XT_COLOR_CELL* pCell = rcClient.PtInRect(point) ? CellAt(point) : nullptr;
    const XT_COLOR_CELL* pHot = GetCell(m_nHotIndex);
    if (pHot != nullptr && pHot != pCell)
        DrawCellState(*pHot, FALSE, TRUE);
    // Outside the cells the hot cell is only drawn plain: the keys walk on from it.
    if (pCell != nullptr)
        DrawCellState(*pCell, (nFlags & MK_LBUTTON) != 0, FALSE);
}

void CXTColorPopupWnd::OnLButtonDown(UINT, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(point))
    {
        EndSelection(-1);
        return;
    }
    if (m_rcCaption.PtInRect(point) || m_bInDialog)
        return;
    if (XT_COLOR_CELL* pCell = CellAt(point))
        DrawCellState(*pCell, TRUE, FALSE);
}

void CXTColorPopupWnd::OnLButtonUp(UINT, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!rcClient.PtInRect(point) || m_rcCaption.PtInRect(point) || m_bInDialog)
        return;
    XT_COLOR_CELL* pCell = CellAt(point);
    if (pCell != nullptr)
        EndSelection(pCell->nIndex);
}

int CXTColorPopupWnd::LastWalkIndex() const
{
    return (m_dwStyle & CPS_XT_MORECOLORS) ? m_nLastIndex : ColorCount();
}

int CXTColorPopupWnd::MoveIndex(int nIndex, UINT nKey) const
{
    const int nLast = LastWalkIndex();
    switch (nKey)
    {
    case VK_LEFT:
        return nIndex <= 0 ? nLast : nIndex - 1;
    case VK_RIGHT:
        return nIndex >= nLast ? 0 : nIndex + 1;
    case VK_UP:
        if (nIndex >= 1 && nIndex <= kColumns)
            return 0;
        if (nIndex > kColumns && nIndex <= nLast)
            return nIndex - kColumns;
        return nLast;
    case VK_DOWN:
        if (nIndex < 0)
            return 0;
        if (nIndex <= (m_nRows - 1) * kColumns)
            return nIndex + kColumns;
        if (nIndex < nLast)
            return nLast;
        return 0;
    default:
        return nIndex;
    }
}

void CXTColorPopupWnd::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (m_bInDialog)
        return;
    switch (nChar)
    {
    case VK_RETURN:
    case VK_SPACE:
        EndSelection(m_nHotIndex);
        return;
    case VK_ESCAPE:
        EndSelection(-1);
        return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        SelectCell(MoveIndex(m_nHotIndex, nChar));
        return;
    default:
        return;
    }
}

BOOL CXTColorPopupWnd::IsPopupKey(UINT nKey)
{
    switch (nKey)
    {
    case VK_RETURN:
    case VK_SPACE:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return TRUE;
    default:
        return FALSE;
    }
}

void CXTColorPopupWnd::HookKeys()
{
    m_hKeyHook = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, ::GetCurrentThreadId());
    m_pPrevKeyPopup = s_pKeyPopup;
    s_pKeyPopup = this;
}

void CXTColorPopupWnd::UnhookKeys()
{
    if (m_hKeyHook != nullptr)
        ::UnhookWindowsHookEx(m_hKeyHook);
    m_hKeyHook = nullptr;
    // Out of the chain of open popups, wherever in it this one is.
    for (CXTColorPopupWnd** ppLink = &s_pKeyPopup; *ppLink != nullptr; ppLink = &(*ppLink)->m_pPrevKeyPopup)
        if (*ppLink == this)
        {
            *ppLink = m_pPrevKeyPopup;
            break;
        }
    m_pPrevKeyPopup = nullptr;
}

LRESULT CALLBACK CXTColorPopupWnd::KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTColorPopupWnd* pPopup = s_pKeyPopup;
    const BOOL bAlt = (lParam & 0x20000000) != 0;
    if (nCode == HC_ACTION && pPopup != nullptr && pPopup->m_hWnd != nullptr && !pPopup->m_bInDialog &&
        !pPopup->m_bClosing && !bAlt && IsPopupKey((UINT)wParam))
    {
        // Handled after the hook returns, as the popup's own key: a choice
        // may open the colour dialog, and the owner may do anything with it.
        if ((lParam & 0x80000000) == 0)
            ::PostMessageA(pPopup->m_hWnd, WM_KEYDOWN, wParam, lParam);
        return 1;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

BOOL CXTColorPopupWnd::PreTranslateMessage(MSG* pMsg)
{
    // The popup's keys are its own: no accelerator of the main window sees them.
    if (pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN)
    {
        ::DispatchMessageA(pMsg);
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CXTColorPopupWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE && !m_bInDialog && !m_bClosing)
        PostMessage(WM_CLOSE);
}

LRESULT CXTColorPopupWnd::OnActivateApp(WPARAM wParam, LPARAM)
{
    if (!wParam && !m_bInDialog && !m_bClosing)
        EndSelection(-1);
    return Default();
}

LRESULT CXTColorPopupWnd::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    // The popup keeps the mouse until it closes.
    if (!m_bInDialog && !m_bClosing && (HWND)lParam != m_hWnd && m_hWnd != nullptr)
        SetCapture();
    return 0;
}

void CXTColorPopupWnd::Notify(UINT nMessage, COLORREF clr)
{
    std::vector<HWND> notify = m_arrNotify;
    LPARAM lValue = m_lNotifyValue;
    PostMessage(WM_CLOSE);
    for (HWND hWnd : notify)
        if (hWnd != nullptr && ::IsWindow(hWnd))
            ::SendMessageA(hWnd, nMessage, (WPARAM)clr, lValue);
}

void CXTColorPopupWnd::EndSelection(int nIndex)
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    const XT_COLOR_CELL* pCell = GetCell(nIndex);
    if (nIndex == m_nLastIndex && pCell != nullptr && (pCell->nKind & XT_COLOR_CELL::kindMore))
    {
        m_bInDialog = TRUE;
        CXTColorDialog dlg(m_clrCurrent, m_clrCurrent, m_dwStyle & (CPS_XT_SHOWHEXVALUE | CPS_XT_SHOW3DSELECTION),
                           AfxGetMainWnd());
        INT_PTR nResult = dlg.DoModal();
        m_bInDialog = FALSE;
        if (nResult == IDOK)
        {
            COLORREF clr = dlg.GetNewColor();
            AddCustomColor(clr);
            Notify(clr == m_clrCurrent ? WM_CPN_SELNOCHANGE : WM_CPN_SELCHANGE, clr);
        }
        else
            Notify(WM_CPN_CANCEL, m_clrCurrent);
        return;
    }
    if (nIndex < 0 || pCell == nullptr)
    {
        Notify(WM_CPN_CANCEL, m_clrCurrent);
        return;
    }
    if (nIndex == 0 && (m_dwStyle & CPS_XT_NOFILL))
    {
        Notify(WM_CPN_NOFILL, kNoColor);
        return;
    }
    COLORREF clr = nIndex == 0 ? m_clrDefault : pCell->clr;
    Notify(clr == m_clrCurrent ? WM_CPN_SELNOCHANGE : WM_CPN_SELCHANGE, clr);
}
