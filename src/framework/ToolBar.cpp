#include "framework/ToolBar.h"

#include "framework/BarLayout.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

// BOOL OnHotItemChange(NMHDR*, LRESULT*): FALSE lets the parent see it too
BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_NOTIFY_REFLECT_EX(TBN_HOTITEMCHANGE, OnHotItemChange)
END_MESSAGE_MAP()

namespace {

// The update of one button: enable, check (2: indeterminate); texts stay.
class CToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        SetState(TBSTATE_ENABLED, bOn);
    }
    void SetCheck(int nCheck) override
    {
        SetState(TBSTATE_CHECKED, nCheck == 1);
        SetState(TBSTATE_INDETERMINATE, nCheck == 2);
    }
    void SetText(LPCSTR) override {}

private:
    void SetState(BYTE fsBit, BOOL bOn)
    {
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        UINT nStyle = pBar->GetButtonStyle((int)m_nIndex);
        // The enabled bit is kept inverted (TBBS_DISABLED) in the style.
        UINT nBit = MAKELONG(0, fsBit);
        BOOL bSet = fsBit == TBSTATE_ENABLED ? !bOn : bOn;
        UINT nNew = bSet ? (nStyle | nBit) : (nStyle & ~nBit);
        if (nNew != nStyle)
            pBar->SetButtonStyle((int)m_nIndex, nNew);
    }
};

const int kSeparatorWidth = 6;

} // namespace

CToolBar::CToolBar()
    : m_sizeButton(23, 22), m_sizeImage(16, 15), m_hbmImageWell(nullptr), m_hRsrcImageWell(nullptr),
      m_hInstImageWell(nullptr)
{
    m_cxLeftBorder = m_cxRightBorder = 1;
    m_cyTopBorder = m_cyBottomBorder = 1;
    m_bOverControl = TRUE;
}

CToolBar::~CToolBar()
{
    m_wndCtrl.m_hWnd = nullptr;
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    m_wndCtrl.m_hWnd = m_hWnd;
    return m_wndCtrl;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder),
                    nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(&rcBorders);
    // The layout places the bar: the control must not place or size itself.
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                          CCS_NORESIZE;
    if (dwStyle & CBRS_TOOLTIPS)
        dwWindowStyle |= TBSTYLE_TOOLTIPS;
    if (!CreateBar(TOOLBARCLASSNAMEA, dwWindowStyle, dwStyle, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = CSize(std::max<int>(sizeButton.cx, sizeImage.cx + 7), std::max<int>(sizeButton.cy, sizeImage.cy + 6));
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(m_sizeImage.cx, m_sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(m_sizeButton.cx, m_sizeButton.cy));
    Invalidate();
}

void CToolBar::SetHeight(int cyHeight)
{
    m_cyBottomBorder = std::max<int>(0, cyHeight - m_sizeButton.cy - m_cyTopBorder);
    Invalidate();
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = hInst ? ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR) : nullptr;
    HGLOBAL hGlobal = hRsrc ? ::LoadResource(hInst, hRsrc) : nullptr;
    const WORD* pData = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    DWORD cbData = hRsrc ? ::SizeofResource(hInst, hRsrc) : 0;
    // version, width, height, count, then the ids: only as many as the data holds.
    if (pData == nullptr || cbData < 4 * sizeof(WORD) || pData[0] != 1)
        return FALSE;
    int nCount = std::min<int>(pData[3], (int)(cbData / sizeof(WORD)) - 4);
    std::vector<UINT> ids;
    for (int i = 0; i < nCount; ++i)
        ids.push_back(pData[4 + i]);
    CSize sizeImage(pData[1], pData[2]);
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    if (!SetButtons(ids.data(), (int)ids.size()))
        return FALSE;
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    // Greys and white of the image take the system's button colours.
    HBITMAP hbm = hInst ? static_cast<HBITMAP>(::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0,
                                                            LR_LOADMAP3DCOLORS))
                        : nullptr;
    if (hbm == nullptr)
        return FALSE;
    return SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    BITMAP bm = {};
    if (hbmImageWell == nullptr || !::GetObjectA(hbmImageWell, sizeof(bm), &bm) || m_sizeImage.cx <= 0)
        return FALSE;
    int nImages = bm.bmWidth / m_sizeImage.cx;
    BOOL bResult;
    if (m_hbmImageWell == nullptr)
    {
        TBADDBITMAP add = { nullptr, (UINT_PTR)hbmImageWell };
        bResult = SendMessage(TB_ADDBITMAP, (WPARAM)nImages, (LPARAM)&add) != -1;
    }
    else
    {
        TBREPLACEBITMAP replace = { nullptr, (UINT_PTR)m_hbmImageWell, nullptr, (UINT_PTR)hbmImageWell, nImages };
        bResult = (BOOL)SendMessage(TB_REPLACEBITMAP, 0, (LPARAM)&replace);
    }
    if (!bResult)
    {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (ButtonCount() > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons;
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i)
    {
        TBBUTTON button = {};
        UINT nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
        button.idCommand = (int)nID;
        if (nID == ID_SEPARATOR)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        }
        else
        {
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = iImage++;
        }
        buttons.push_back(button);
    }
    m_nCount = nIDCount;
    if (buttons.empty())
        return TRUE;
    return (BOOL)SendMessage(TB_ADDBUTTONSA, (WPARAM)buttons.size(), (LPARAM)buttons.data());
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    *pButton = TBBUTTON();
    return (BOOL)SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)pButton);
}

void CToolBar::SetButton(int nIndex, const TBBUTTON& button)
{
    TBBUTTON old;
    if (!GetButton(nIndex, &old))
        return;
    if (old.idCommand == button.idCommand && old.fsStyle == button.fsStyle && old.iBitmap == button.iBitmap &&
        !((old.fsState ^ button.fsState) & TBSTATE_WRAP))
    {
        // Only the state differs: the control changes it in place (a new
        // wrap needs the button inserted again: the control lays its rows
        // out anew only then).
        if (old.fsState != button.fsState)
            SendMessage(TB_SETSTATE, (WPARAM)old.idCommand, MAKELPARAM(button.fsState, 0));
        return;
    }
    SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex);
    SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)&button);
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)SendMessage(TB_COMMANDTOINDEX, nIDFind);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    return GetButton(nIndex, &button) ? (UINT)button.idCommand : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    SetButton(nIndex, button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    button.idCommand = (int)nID;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    button.iBitmap = iImage;
    SetButton(nIndex, button);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = const_cast<LPSTR>(lpszText);
    return (BOOL)SendMessage(TB_SETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
}

CString CToolBar::GetButtonText(int nIndex) const
{
    char buffer[256] = "";
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = buffer;
    info.cchText = (int)sizeof(buffer);
    SendMessage(TB_GETBUTTONINFOA, (WPARAM)nIndex, (LPARAM)&info);
    buffer[sizeof(buffer) - 1] = '\0';
    return CString(buffer);
}

void CToolBar::WrapButtons(int nLength)
{
    int nButtons = ButtonCount();
    std::vector<AFX_WRAPITEM> items;
    for (int i = 0; i < nButtons; ++i)
    {
        TBBUTTON button;
        GetButton(i, &button);
        BOOL bSeparator = (button.fsStyle & TBSTYLE_SEP) != 0;
        int cx = (button.fsState & TBSTATE_HIDDEN) ? 0 : bSeparator ? button.iBitmap : m_sizeButton.cx;
        items.push_back({ cx, bSeparator });
    }
    std::vector<int> rows = AfxWrapRows(items, nLength);
    std::vector<bool> wrapAfter((size_t)nButtons, false);
    for (size_t r = 1; r < rows.size(); ++r)
        wrapAfter[(size_t)rows[r] - 1] = true;
    for (int i = 0; i < nButtons; ++i)
    {
        TBBUTTON button;
        GetButton(i, &button);
        BYTE fsState = wrapAfter[(size_t)i] ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP);
        if (fsState != button.fsState)
        {
            button.fsState = fsState;
            SetButton(i, button);
        }
    }
}

CSize CToolBar::SizeOfButtons() const
{
    CSize size(0, 0);
    int nButtons = ButtonCount();
    for (int i = 0; i < nButtons; ++i)
    {
        CRect rect;
        if (SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect))
        {
            size.cx = std::max<int>(size.cx, rect.right);
            size.cy = std::max<int>(size.cy, rect.bottom);
        }
    }
    return size;
}

CSize CToolBar::CalcLayout(int nLength, BOOL bHorz)
{
    WrapButtons(nLength);
    CSize size = SizeOfButtons();
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);
    size.cx += rectInside.left - rectInside.right;
    size.cy += rectInside.top - rectInside.bottom;
    return size;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // Docked along the top or bottom all buttons share one row; at a side each
    // button has its own.
    CSize size = CalcLayout(bHorz ? 32767 : m_sizeButton.cx, bHorz);
    if (bStretch && bHorz)
        size.cx = 32767;
    if (bStretch && !bHorz)
        size.cy = 32767;
    return size;
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    int nWidth = (dwMode & LM_MRUWIDTH) ? (int)m_nMRUWidth : nLength;
    if (nWidth < 0)
        nWidth = 32767;
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, TRUE);
    CSize size = CalcLayout(std::max<int>(1, nWidth - (rectInside.left - rectInside.right)), TRUE);
    if (dwMode & LM_COMMIT)
        m_nMRUWidth = (UINT)size.cx;
    return size;
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if ((dwOldStyle ^ dwNewStyle) & CBRS_TOOLTIPS)
        ModifyStyle(dwNewStyle & CBRS_TOOLTIPS ? 0 : TBSTYLE_TOOLTIPS, dwNewStyle & CBRS_TOOLTIPS ? TBSTYLE_TOOLTIPS : 0);
    // The borders changed: the client area follows.
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    POINT pt = point;
    int nHit = (int)SendMessage(TB_HITTEST, 0, (LPARAM)&pt);
    if (nHit < 0 || nHit >= ButtonCount())
        return -1;
    TBBUTTON button;
    GetButton(nHit, &button);
    if (button.fsStyle & TBSTYLE_SEP)
        return -1;
    if (pTI != nullptr)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)button.idCommand;
        GetItemRect(nHit, &pTI->rect);
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return button.idCommand;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)ButtonCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        TBBUTTON button;
        GetButton((int)state.m_nIndex, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        // Built-in commands of the window menu are never disabled for want of a handler.
        state.DoUpdate(pTarget, bDisableIfNoHndler && state.m_nID < 0xF000);
    }
}

BOOL CToolBar::OnHotItemChange(NMHDR* pNMHDR, LRESULT*)
{
    const NMTBHOTITEM* pHot = reinterpret_cast<NMTBHOTITEM*>(pNMHDR);
    SetStatusText((pHot->dwFlags & HICF_LEAVING) ? -1 : (INT_PTR)pHot->idNew);
    return FALSE;
}

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // The borders and the gripper lie outside the control's client area.
    CalcInsideNcRect(lpncsp);
}

LRESULT CToolBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void CToolBar::OnNcPaint()
{
    HDC hDC = ::GetWindowDC(m_hWnd);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    ::ExcludeClipRect(hDC, rectClient.left, rectClient.top, rectClient.right, rectClient.bottom);
    ::FillRect(hDC, &rectWindow, ::GetSysColorBrush(COLOR_BTNFACE));
    CDC dc;
    dc.Attach(hDC);
    DrawBorders(&dc, rectWindow);
    DrawGripper(&dc, rectWindow);
    dc.Detach();
    ::ReleaseDC(m_hWnd, hDC);
}
