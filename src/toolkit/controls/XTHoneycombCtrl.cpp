#include "toolkit/controls/XTHoneycombCtrl.h"

#include "toolkit/controls/XTColorDialog.h"
#include "toolkit/controls/XTColorPageStandard.h"
#include "toolkit/frame/XTGlobalData.h"

#include <algorithm>

namespace {

// Top row offset of each column of a cell; a column runs down symmetrically
// to (height - 1 - top).
const int kSmallTops[] = { 0, 0, -1, -1, -2, -2, -3, -3, -3, -2, -2, -1, -1, 0 };
const int kSmallHeight = 9;
const int kBigTops[] = { 0, 0, -1, -1, -2, -2, -3, -4, -4, -5, -5, -6, -6, -7, -7,
                         -7, -6, -6, -5, -5, -4, -4, -3, -2, -2, -1, -1, 0, 0 };
const int kBigHeight = 17;

struct HoneycombRow
{
    int y;
    int xFirst;
    int nCount;
    const COLORREF* pColors;   // 0xRRGGBB as written, converted on use
};

const COLORREF kRow0[] = { 0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000 };
const COLORREF kRow1[] = { 0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333 };
const COLORREF kRow2[] = { 0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666 };
const COLORREF kRow3[] = { 0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33,
                           0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066 };
const COLORREF kRow4[] = { 0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66,
                           0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099 };
const COLORREF kRow5[] = { 0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC,
                           0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC, 0xCC0099 };
const COLORREF kRow6[] = { 0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF,
                           0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF, 0xCC00CC, 0x660066 };
const COLORREF kRow7[] = { 0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF,
                           0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC, 0x800080 };
const COLORREF kRow8[] = { 0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF,
                           0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099 };
const COLORREF kRow9[] = { 0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF,
                           0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399 };
const COLORREF kRow10[] = { 0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066 };
const COLORREF kRow11[] = { 0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099 };
const COLORREF kRow12[] = { 0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5 };
const COLORREF kGrey0[] = { 0xF8F8F8, 0xDDDDDD, 0xB2B2B2, 0x808080, 0x5F5F5F, 0x333333, 0x1C1C1C, 0x080808 };
const COLORREF kGrey1[] = { 0xEAEAEA, 0xC0C0C0, 0x969696, 0x777777, 0x4D4D4D, 0x292929, 0x111111 };

#define XT_ROW(y, x, colors) { y, x, (int)(sizeof(colors) / sizeof(colors[0])), colors }
const HoneycombRow kHexRows[] = {
    XT_ROW(7, 58, kRow0),    XT_ROW(19, 51, kRow1),   XT_ROW(31, 44, kRow2),  XT_ROW(43, 37, kRow3),
    XT_ROW(55, 30, kRow4),   XT_ROW(67, 23, kRow5),   XT_ROW(79, 16, kRow6),  XT_ROW(91, 23, kRow7),
    XT_ROW(103, 30, kRow8),  XT_ROW(115, 37, kRow9),  XT_ROW(127, 44, kRow10), XT_ROW(139, 51, kRow11),
    XT_ROW(151, 58, kRow12),
};
const HoneycombRow kGreyRows[] = { XT_ROW(176, 51, kGrey0), XT_ROW(188, 58, kGrey1) };
#undef XT_ROW
const int kHexRowCount = (int)(sizeof(kHexRows) / sizeof(kHexRows[0]));
const int kCellSpacing = 14;
const int kHoneycombWidth = 199;    // right of the big black cell
const int kHoneycombHeight = 200;   // below the lowest grey row

COLORREF FromRGBValue(COLORREF rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

XT_HONEYCOMB_CELL MakeCell(int x, int y, BOOL bBig, COLORREF rgb)
{
    XT_HONEYCOMB_CELL cell;
    cell.bBig = bBig;
    cell.clr = FromRGBValue(rgb);
    const int* pTops = bBig ? kBigTops : kSmallTops;
    int nColumns = bBig ? (int)(sizeof(kBigTops) / sizeof(int)) : (int)(sizeof(kSmallTops) / sizeof(int));
    int nHeight = bBig ? kBigHeight : kSmallHeight;
    for (int c = 0; c < nColumns; ++c)
        for (int dy = pTops[c]; dy <= nHeight - 1 - pTops[c]; ++dy)
            cell.pixels.push_back(POINT{ x + c, y + dy });
    return cell;
}

// Left/right run on through the rows; up goes up-left, down goes down-right.
void LinkHexCells(std::vector<XT_HONEYCOMB_CELL>& cells, const int* pRowStart)
{
    for (int r = 0; r < kHexRowCount; ++r)
    {
        const HoneycombRow& row = kHexRows[r];
        for (int k = 0; k < row.nCount; ++k)
        {
            int i = pRowStart[r] + k;
            XT_HONEYCOMB_CELL& cell = cells[i];
            cell.nLeft = i - 1;
            cell.nRight = i == pRowStart[r + 1] - 1 && r == kHexRowCount - 1 ? CXTHoneycombCtrl::CELL_BIG_WHITE : i + 1;
            int x = row.xFirst + k * kCellSpacing;
            if (r > 0)
            {
                int kUp = (x - 7 - kHexRows[r - 1].xFirst) / kCellSpacing;
                bool bInRow = x - 7 >= kHexRows[r - 1].xFirst && kUp < kHexRows[r - 1].nCount;
                cell.nUp = bInRow ? pRowStart[r - 1] + kUp : pRowStart[r - 1] - 1;
            }
            if (r == kHexRowCount - 1)
                cell.nDown = cell.nRight;
            else
            {
                int kDown = (x + 7 - kHexRows[r + 1].xFirst) / kCellSpacing;
                if (kDown < kHexRows[r + 1].nCount)
                    cell.nDown = pRowStart[r + 1] + kDown;
                else if (r + 2 < kHexRowCount)
                    cell.nDown = pRowStart[r + 2];
                else
                    cell.nDown = CXTHoneycombCtrl::CELL_BIG_WHITE;
            }
        }
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CXTHoneycombCtrl, CXTNotifyStatic)

BEGIN_MESSAGE_MAP(CXTHoneycombCtrl, CXTNotifyStatic)
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnLButtonDown(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDOWN()
    // void OnLButtonUp(UINT nFlags, CPoint point)
    ON_WM_LBUTTONUP()
    // void OnLButtonDblClk(UINT nFlags, CPoint point)
    ON_WM_LBUTTONDBLCLK()
    // void OnMouseMove(UINT nFlags, CPoint point)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CXTHoneycombCtrl::CXTHoneycombCtrl()
    : m_bTracking(FALSE), m_bSmallCell(TRUE), m_ptMarker(0, 0), m_clrSelected((COLORREF)-1),
      m_cells(BuildCells())
{
}

std::vector<XT_HONEYCOMB_CELL> CXTHoneycombCtrl::BuildCells()
{
    std::vector<XT_HONEYCOMB_CELL> cells;
    int rowStart[kHexRowCount + 1];
    for (int r = 0; r < kHexRowCount; ++r)
    {
        rowStart[r] = (int)cells.size();
        for (int k = 0; k < kHexRows[r].nCount; ++k)
            cells.push_back(MakeCell(kHexRows[r].xFirst + k * kCellSpacing, kHexRows[r].y, FALSE, kHexRows[r].pColors[k]));
    }
    rowStart[kHexRowCount] = (int)cells.size();
    LinkHexCells(cells, rowStart);

    std::vector<int> chain = { CELL_BIG_WHITE };
    int nGreyStart = (int)cells.size();
    for (const HoneycombRow& row : kGreyRows)
        for (int k = 0; k < row.nCount; ++k)
            cells.push_back(MakeCell(row.xFirst + k * kCellSpacing, row.y, FALSE, row.pColors[k]));
    cells.push_back(MakeCell(16, GREY_ROW_TOP, TRUE, 0xFFFFFF));
    cells.push_back(MakeCell(169, GREY_ROW_TOP, TRUE, 0x000000));

    // The greys zig-zag between their two rows from the big white to the big black cell.
    int nUpper = kGreyRows[0].nCount;
    for (int k = 0; k < nUpper; ++k)
    {
        chain.push_back(nGreyStart + k);
        if (k < kGreyRows[1].nCount)
            chain.push_back(nGreyStart + nUpper + k);
    }
    chain.push_back(CELL_BIG_BLACK);
    for (size_t j = 0; j < chain.size(); ++j)
    {
        XT_HONEYCOMB_CELL& cell = cells[chain[j]];
        cell.nLeft = cell.nUp = j == 0 ? rowStart[kHexRowCount] - 1 : chain[j - 1];
        cell.nRight = cell.nDown = j + 1 < chain.size() ? chain[j + 1] : -1;
    }
    return cells;
}

int CXTHoneycombCtrl::CellIndexAt(const std::vector<XT_HONEYCOMB_CELL>& cells, int x, int y)
{
    for (size_t i = 0; i < cells.size(); ++i)
        for (const POINT& pt : cells[i].pixels)
            if (pt.x == x && pt.y == y)
                return (int)i;
    return -1;
}

int CXTHoneycombCtrl::FindCell(const std::vector<XT_HONEYCOMB_CELL>& cells, COLORREF clr, int yMarker)
{
    if (clr == RGB(255, 255, 255))
        return yMarker < GREY_ROW_TOP ? CELL_CENTRE_WHITE : CELL_BIG_WHITE;
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i].clr == clr)
            return (int)i;
    return -1;
}

int CXTHoneycombCtrl::GetCurrentCell() const
{
    int nIndex = FindCell(m_cells, m_clrSelected, m_ptMarker.y);
    return nIndex >= 0 ? nIndex : CELL_BIG_BLACK;
}

COLORREF CXTHoneycombCtrl::CellColorAt(int x, int y)
{
    int nIndex = CellIndexAt(m_cells, x, y);
    if (nIndex < 0)
        return (COLORREF)-1;
    m_ptMarker = m_cells[nIndex].pixels.front();
    m_bSmallCell = !m_cells[nIndex].bBig;
    return m_cells[nIndex].clr;
}

void CXTHoneycombCtrl::SelectAt(int x, int y)
{
    COLORREF clr = CellColorAt(x, y);
    if (clr == (COLORREF)-1 || clr == m_clrSelected)
        return;
    m_clrSelected = clr;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_XT_UPDATECOLOR, (WPARAM)clr);
    Invalidate(FALSE);
}

void CXTHoneycombCtrl::MarkCell(int nIndex)
{
    if (nIndex < 0 || nIndex >= (int)m_cells.size())
        return;
    const POINT& pt = m_cells[nIndex].pixels.front();
    SelectAt(pt.x, pt.y);
}

void CXTHoneycombCtrl::MarkColor(COLORREF clr)
{
    m_clrSelected = clr;
    int nIndex = FindCell(m_cells, clr, m_ptMarker.y);
    if (nIndex >= 0)
    {
        const POINT& pt = m_cells[nIndex].pixels.front();
        CellColorAt(pt.x, pt.y);
    }
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

// Painting

BOOL CXTHoneycombCtrl::IsMarkerShown() const
{
    CXTColorPageStandard* pPage = dynamic_cast<CXTColorPageStandard*>(GetParent());
    CXTColorDialog* pDialog = pPage != nullptr ? pPage->GetColorDialog() : nullptr;
    return pDialog == nullptr || pDialog->GetNewColor() == m_clrSelected;
}

void CXTHoneycombCtrl::DrawMarker(CDC* pDC, int nIndex) const
{
    // Black just outside the cell's edge, white just inside it.
    const std::vector<POINT>& pixels = m_cells[nIndex].pixels;
    CRect rcBox(pixels.front().x, pixels.front().y, pixels.front().x, pixels.front().y);
    for (const POINT& pt : pixels)
    {
        rcBox.left = std::min(rcBox.left, pt.x);
        rcBox.top = std::min(rcBox.top, pt.y);
        rcBox.right = std::max(rcBox.right, pt.x);
        rcBox.bottom = std::max(rcBox.bottom, pt.y);
    }
    rcBox.InflateRect(1, 1);
    int cx = rcBox.Width() + 1, cy = rcBox.Height() + 1;
    std::vector<char> inCell((size_t)cx * cy, 0);
    for (const POINT& pt : pixels)
        inCell[(size_t)(pt.y - rcBox.top) * cx + (pt.x - rcBox.left)] = 1;
    auto isIn = [&](int x, int y) { return x >= 0 && y >= 0 && x < cx && y < cy && inCell[(size_t)y * cx + x]; };
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            bool bEdgeNear = !isIn(x - 1, y) || !isIn(x + 1, y) || !isIn(x, y - 1) || !isIn(x, y + 1);
            bool bCellNear = isIn(x - 1, y) || isIn(x + 1, y) || isIn(x, y - 1) || isIn(x, y + 1);
            if (isIn(x, y) && bEdgeNear)
                pDC->SetPixel(rcBox.left + x, rcBox.top + y, RGB(255, 255, 255));
            else if (!isIn(x, y) && bCellNear)
                pDC->SetPixel(rcBox.left + x, rcBox.top + y, RGB(0, 0, 0));
        }
}

void CXTHoneycombCtrl::Draw(CDC* pDC)
{
    if (m_cache.IsEmpty())
    {
        // The cells keep their places whatever the control's size.
        CRect rc;
        GetClientRect(&rc);
        m_cache.Resize(std::max(rc.Width(), kHoneycombWidth), std::max(rc.Height(), kHoneycombHeight),
                       xtAfxData.m_clr3DFace);
        for (const XT_HONEYCOMB_CELL& cell : m_cells)
            for (const POINT& pt : cell.pixels)
                m_cache.SetPixel(pt.x, pt.y, cell.clr);
    }
    m_cache.Draw(pDC, 0, 0);
    if (m_clrSelected == (COLORREF)-1 || !IsMarkerShown())
        return;
    if (m_clrSelected == RGB(255, 255, 255))
    {
        DrawMarker(pDC, CELL_CENTRE_WHITE);
        DrawMarker(pDC, CELL_BIG_WHITE);
        return;
    }
    int nIndex = FindCell(m_cells, m_clrSelected, m_ptMarker.y);
    if (nIndex >= 0)
        DrawMarker(pDC, nIndex);
}


// Input

void CXTHoneycombCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const XT_HONEYCOMB_CELL& cell = m_cells[GetCurrentCell()];
    switch (nChar)
    {
    case VK_RETURN:
    case VK_SPACE:
        CXTColorDialog::EndWithOK(this);
        return;
    case VK_LEFT:
        MarkCell(cell.nLeft);
        return;
    case VK_UP:
        MarkCell(cell.nUp);
        return;
    case VK_RIGHT:
        MarkCell(cell.nRight);
        return;
    case VK_DOWN:
        MarkCell(cell.nDown);
        return;
    }
    CXTNotifyStatic::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CXTHoneycombCtrl::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    SelectAt(point.x, point.y);
    m_bTracking = TRUE;
}

void CXTHoneycombCtrl::OnMouseMove(UINT, CPoint point)
{
    if (m_bTracking)
        SelectAt(point.x, point.y);
}

void CXTHoneycombCtrl::OnLButtonUp(UINT, CPoint)
{
    m_bTracking = FALSE;
}

void CXTHoneycombCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    SetFocus();
    if (CellIndexAt(m_cells, point.x, point.y) < 0)
        return;
    SelectAt(point.x, point.y);
    m_bTracking = TRUE;
    CXTColorDialog::EndWithOK(this);
}
