#include "toolkit/frame/XTFlatToolBarPainter.h"

#include "toolkit/bars/XTShadowRamp.h"
#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTButtonInfo.h"
#include "toolkit/frame/XTDCValueSaver.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"

namespace {

const int kArrowWidth = 14;
const COLORREF kNoOutline = (COLORREF)-1;

struct ButtonColors
{
    COLORREF clrBack;
    COLORREF clrText;
    COLORREF clrOutline;
    int nOffset;   // the image's shift while hot
};

CRect ItemRect(IXTToolBar* pBar, int nIndex)
{
    CRect rc;
    ::SendMessageA(pBar->GetToolBarHwnd(), TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)&rc);
    return rc;
}

HIMAGELIST ImageList(IXTToolBar* pBar, UINT message)
{
    return (HIMAGELIST)::SendMessageA(pBar->GetToolBarHwnd(), message, 0, 0);
}

CSize ImageSize(IXTToolBar* pBar)
{
    int cx = 0, cy = 0;
    HIMAGELIST hList = ImageList(pBar, TB_GETIMAGELIST);
    if (hList != nullptr)
        ImageList_GetIconSize(hList, &cx, &cy);
    return CSize(cx, cy);
}

ButtonColors ChooseColors(const TBBUTTON& button, CXTFlatToolBarPainter::State state, COLORREF clrBar)
{
    const CXTGlobalData& data = xtAfxData;
    ButtonColors c = { clrBar, data.m_clrMenuText, kNoOutline, 0 };
    BOOL bDisabled = (button.fsState & XT_TBSTATE_DISABLED) != 0;
    BOOL bPressed = state == CXTFlatToolBarPainter::statePressed;
    BOOL bHot = state == CXTFlatToolBarPainter::stateHot;
    if (button.fsState & TBSTATE_CHECKED)
    {
        if (bDisabled)
            c = { data.m_clr3DFace, c.clrText, data.m_clrFlatShadowDark, 0 };
        else if (bPressed || bHot)
            c = { data.m_clrFlatHighlight, data.m_clrFlatHighlightText, data.m_clrHighlight, 0 };
        else
            c = { data.m_clrFlatHighlightFace, c.clrText, data.m_clrHighlight, 0 };
    }
    else if (button.fsState & TBSTATE_INDETERMINATE)
    {
        if (bDisabled)
            c.clrBack = data.m_clr3DFaceLight;
        else if (bPressed)
            c = { data.m_clrFlatHighlight, data.m_clrFlatHighlightText, kNoOutline, 0 };
        else if (bHot)
            c.clrBack = data.m_clrFlatHighlightLight;
    }
    else if (!bDisabled && bPressed)
        c = { data.m_clrFlatHighlight, data.m_clrFlatHighlightText, data.m_clrHighlight, 0 };
    else if (!bDisabled && bHot)
        c = { data.m_clrFlatHighlightLight, c.clrText, data.m_clrHighlight, -1 };
    return c;
}

// The image as a one-colour shape.
void DrawImageShape(CDC* pDC, HIMAGELIST hList, int nImage, int x, int y, COLORREF clr)
{
    HICON hIcon = ImageList_GetIcon(hList, nImage, ILD_NORMAL);
    if (hIcon == nullptr)
        return;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hList, &cx, &cy);
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    ::DrawStateA(pDC->m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, x, y, cx, cy, DST_ICON | DSS_MONO);
    ::DeleteObject(hBrush);
    ::DestroyIcon(hIcon);
}

struct TextDrawing
{
    IXTToolBar* pBar;
    CString strText;
    UINT nFormat;
};

BOOL CALLBACK DrawTextState(HDC hDC, LPARAM lData, WPARAM, int cx, int cy)
{
    const TextDrawing* p = reinterpret_cast<const TextDrawing*>(lData);
    CRect rc(0, 0, cx, cy);
    ::DrawTextA(hDC, p->strText, p->strText.GetLength(), &rc, p->pBar->ApplyDrawTextFlags(p->nFormat));
    return TRUE;
}

void DrawButtonText(CDC* pDC, IXTToolBar* pBar, const CString& strText, const CRect& rc, UINT nFormat,
                    BOOL bDisabled)
{
    TextDrawing drawing = { pBar, strText, nFormat };
    HBRUSH hBrush = bDisabled ? ::CreateSolidBrush(xtAfxData.m_clr3DShadow) : nullptr;
    ::DrawStateA(pDC->m_hDC, hBrush, DrawTextState, reinterpret_cast<LPARAM>(&drawing), 0, rc.left, rc.top,
                 rc.Width(), rc.Height(), DST_COMPLEX | (bDisabled ? DSS_MONO : DSS_NORMAL));
    if (hBrush != nullptr)
        ::DeleteObject(hBrush);
}

} // namespace

CXTFlatToolBarPainter::State CXTFlatToolBarPainter::GetButtonState(IXTToolBar* pBar, int nIndex,
                                                                   const TBBUTTON& button) const
{
    HWND hWnd = pBar->GetToolBarHwnd();
    if (pBar->GetDroppedIndex() == nIndex)
        return stateDropped;
    if (m_pStyle != nullptr && m_pStyle->IsDesignMode())
        return stateNormal;
    State state = stateNormal;
    if (button.fsState & TBSTATE_PRESSED)
        state = statePressed;
    else if ((int)::SendMessageA(hWnd, TB_GETHOTITEM, 0, 0) == nIndex)
        state = stateHot;
    CPoint pt;
    ::GetCursorPos(&pt);
    ::ScreenToClient(hWnd, &pt);
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    if (rcClient.PtInRect(pt) && ::GetCapture() == nullptr)
    {
        int nHit = (int)::SendMessageA(hWnd, TB_HITTEST, 0, (LPARAM)&pt);
        if (nHit == nIndex && ::GetKeyState(VK_LBUTTON) < 0)
            state = statePressed;
        else if (nHit >= 0 && nHit != nIndex && state == stateHot)
            state = stateNormal;
    }
    return state;
}

void CXTFlatToolBarPainter::DrawButton(CDC* pDC, IXTToolBar* pBar, int nIndex)
{
    TBBUTTON button = {};
    if (!pBar->GetButton(nIndex, &button))
        return;
    HWND hWnd = pBar->GetToolBarHwnd();
    int nSaved = pDC->SaveDC();
    CXTObjectSaver font(pDC->m_hDC, (HGDIOBJ)::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    CXTBkModeSaver bkMode(pDC->m_hDC, TRANSPARENT);

    // Step 1-3: the button's place, state and colours.
    CRect rc = ItemRect(pBar, nIndex);
    State state = GetButtonState(pBar, nIndex, button);
    ButtonColors colors = ChooseColors(button, state, pBar->GetBackgroundColor());
    BOOL bDisabled = (button.fsState & XT_TBSTATE_DISABLED) != 0;
    BOOL bList = (::GetWindowLongPtrA(hWnd, GWL_STYLE) & TBSTYLE_LIST) != 0;
    int cxButton = LOWORD(::SendMessageA(hWnd, TB_GETBUTTONSIZE, 0, 0));
    CSize sizeImage = ImageSize(pBar);

    // Step 4: the background.
    pDC->FillSolidRect(&rc, colors.clrBack);

    // Step 5: the drop-down arrow's part.
    DWORD dwExStyle = (DWORD)::SendMessageA(hWnd, TB_GETEXTENDEDSTYLE, 0, 0);
    BOOL bArrow = (dwExStyle & TBSTYLE_EX_DRAWDDARROWS) && (button.fsStyle & TBSTYLE_DROPDOWN);
    BOOL bSeparateArrow = bArrow && !(button.fsStyle & BTNS_WHOLEDROPDOWN);
    CRect rcArrow(rc.right - kArrowWidth, rc.top, rc.right, rc.bottom);

    // Step 6: the outline; a dropped button stays open at the bottom where its menu attaches.
    if (state == stateDropped)
    {
        COLORREF clr = xtAfxData.m_clrFlatShadowDark;
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, clr);
        pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), clr);
        pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), clr);
    }
    else if (colors.clrOutline != kNoOutline)
    {
        FrameSolid(pDC, rc, colors.clrOutline);
        if (bSeparateArrow)
            FrameSolid(pDC, rcArrow, colors.clrOutline);
    }

    // Step 7: the colour strip of a colour command, kept out of what follows.
    CXTButtonInfo* pInfo = pBar->FindDropDownInfo((UINT)button.idCommand);
    if (pInfo != nullptr && pInfo->HasColor())
    {
        CRect rcStrip(rc.left + 4, rc.bottom - 7, rc.left + cxButton - 4, rc.bottom - 4);
        pDC->FillSolidRect(&rcStrip, bDisabled ? xtAfxData.m_clr3DShadow : pInfo->clrSelected);
        pDC->ExcludeClipRect(&rcStrip);
    }

    // Step 8: the arrow.
    if (bArrow)
    {
        if (!bSeparateArrow && !bList)
        {
            rcArrow.left -= 10;
            rcArrow.bottom = rc.top + sizeImage.cy + 3;
        }
        DrawDownArrow(pDC, (rcArrow.left + rcArrow.right - 3) / 2, (rcArrow.top + rcArrow.bottom - 1) / 2,
                      colors.clrText);
    }

    // Step 9: where text and image go.
    CString strText = pBar->GetButtonText(nIndex);
    CPoint ptImage;
    BOOL bImage = button.iBitmap != I_IMAGENONE;
    pDC->SetTextColor(colors.clrText);
    if (strText.IsEmpty())
    {
        ptImage.x = rc.left + (rc.Width() - sizeImage.cx - (bArrow ? 16 : 0)) / 2;
        ptImage.y = bList ? rc.top + (rc.Height() - sizeImage.cy) / 2 : rc.top + 3;
    }
    else if (bList && !bImage)
    {
        CRect rcText(rc.left + 2, rc.top + 1, rc.right, rc.bottom);
        DrawButtonText(pDC, pBar, strText, rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE, bDisabled);
    }
    else if (bList)
    {
        ptImage.x = rc.left + (cxButton - sizeImage.cx) / 2 + 2;
        ptImage.y = rc.top + (rc.Height() - sizeImage.cy) / 2;
        int nRight = rc.right - (bSeparateArrow ? 17 : (bArrow ? 7 : 0));
        CRect rcText(ptImage.x + sizeImage.cx + 3, rc.top + 1, nRight, rc.top + 1 + rc.Height() - 2);
        DrawButtonText(pDC, pBar, strText, rcText, DT_VCENTER | DT_SINGLELINE, bDisabled);
    }
    else
    {
        ptImage.x = rc.left + (rc.Width() - sizeImage.cx - (bArrow ? 14 : 0)) / 2 - 1;
        ptImage.y = rc.top + 3;
        CRect rcText(rc.left + 3, rc.top + sizeImage.cy + 5, rc.left + 3 + rc.Width() - (bSeparateArrow ? 20 : 6),
                     rc.top + 2 * sizeImage.cy + 5);
        DrawButtonText(pDC, pBar, strText, rcText, DT_CENTER | DT_SINGLELINE, bDisabled);
    }

    // Step 10: the image; a hot button lifts it over its shadow.
    HIMAGELIST hNormal = ImageList(pBar, TB_GETIMAGELIST);
    HIMAGELIST hHot = ImageList(pBar, TB_GETHOTIMAGELIST);
    HIMAGELIST hDisabled = ImageList(pBar, TB_GETDISABLEDIMAGELIST);
    if (bImage && hNormal != nullptr)
    {
        int nImage = button.iBitmap;
        if (bDisabled)
        {
            if (hDisabled != nullptr)
                ImageList_Draw(hDisabled, nImage, pDC->m_hDC, ptImage.x, ptImage.y, ILD_TRANSPARENT);
            else
                DrawImageShape(pDC, hNormal, nImage, ptImage.x, ptImage.y, xtAfxData.m_clr3DShadow);
        }
        else if (state == stateHot && !(button.fsState & TBSTATE_CHECKED))
        {
            if (hDisabled != nullptr)
                ImageList_Draw(hDisabled, nImage, pDC->m_hDC, ptImage.x + 1, ptImage.y + 1, ILD_TRANSPARENT);
            else
                DrawImageShape(pDC, hNormal, nImage, ptImage.x + 1, ptImage.y + 1, xtAfxData.m_clr3DShadow);
            ImageList_Draw(hHot != nullptr ? hHot : hNormal, nImage, pDC->m_hDC, ptImage.x + colors.nOffset,
                           ptImage.y + colors.nOffset, ILD_TRANSPARENT);
        }
        else
            ImageList_Draw(hNormal, nImage, pDC->m_hDC, ptImage.x, ptImage.y, ILD_TRANSPARENT);
    }
    bkMode.Restore();
    font.Restore();
    pDC->RestoreDC(nSaved);
}

void CXTFlatToolBarPainter::EraseButton(CDC* pDC, IXTToolBar* pBar, int nIndex)
{
    CRect rc = ItemRect(pBar, nIndex);
    pDC->FillSolidRect(&rc, pBar->GetBackgroundColor());
}

void CXTFlatToolBarPainter::DrawSeparator(CDC* pDC, IXTToolBar* pBar, int nIndex)
{
    TBBUTTON button = {};
    if (!pBar->GetButton(nIndex, &button))
        return;
    HWND hWnd = pBar->GetToolBarHwnd();
    CRect rc = ItemRect(pBar, nIndex);
    pDC->FillSolidRect(&rc, pBar->GetBackgroundColor());
    COLORREF clrLine = xtAfxData.m_clrFlatFaceDark;
    BOOL bVertical = (::GetWindowLongPtrA(hWnd, GWL_STYLE) & CCS_VERT) != 0;
    if ((button.fsState & TBSTATE_WRAP) && !bVertical)
    {
        CRect rcClient;
        ::GetClientRect(hWnd, &rcClient);
        pDC->FillSolidRect(rcClient.left, (rc.top + rc.bottom) / 2 - 1, rcClient.Width(), 1, clrLine);
    }
    else
        pDC->FillSolidRect(rc.left + 3, rc.top + 2, 1, rc.Height() - 4, clrLine);
}

void CXTFlatToolBarPainter::DrawDropShadow(CDC* pDC, IXTToolBar* pBar, int nIndex)
{
    if (!xtAfxData.m_bMenuDropShadows)
        return;
    CRect rc = ItemRect(pBar, nIndex);
    DrawShadowRamp(pDC->m_hDC, rc.left, rc.top, rc.right + 4, rc.bottom + 4, 100);
}

void CXTFlatToolBarPainter::InvalidateButton(IXTToolBar* pBar, int nIndex)
{
    CRect rc = ItemRect(pBar, nIndex);
    rc.right += 4;
    rc.bottom += 4;
    ::InvalidateRect(pBar->GetToolBarHwnd(), &rc, TRUE);
}
