#include "toolkit/bars/XTToolBar.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTCommandIconMap.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTHiddenButtonsToolbar.h"
#include "toolkit/bars/XTToolBarCustomizer.h"
#include "toolkit/bars/XTToolBarResource.h"
#include "toolkit/bars/XTToolBarState.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/bars/XTWaitForDrag.h"
#include "toolkit/controls/XTColorPopupWnd.h"
#include "toolkit/controls/XTExpButton.h"
#include "toolkit/frame/XTDockContext.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"
#include "toolkit/frame/XTPainters.h"
#include "toolkit/frame/XTSysColorBitmap.h"

#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/PaintDC.h"
#include "framework/ToolBar.h"
#include "framework/WinApp.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTToolBar, CXTControlBar)

// Handler signatures: see CWnd; LRESULT OnX(WPARAM, LPARAM) for ON_MESSAGE;
// void OnX(NMHDR*, LRESULT*) for ON_NOTIFY_REFLECT, BOOL for the _EX form.
BEGIN_MESSAGE_MAP(CXTToolBar, CXTControlBar)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONUP()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
    ON_MESSAGE(WM_SETTINGCHANGE, OnWithoutFlatStyle)
    ON_MESSAGE(WM_SETFONT, OnWithoutFlatStyle)
    ON_MESSAGE(TB_SETDRAWTEXTFLAGS, OnSetDrawTextFlags)
    ON_MESSAGE(XTWM_TOOLBAR_RELAYOUT, OnRelayout)
    ON_MESSAGE(XTWM_TOOLBAR_COLORPICK, OnColorPick)
    ON_MESSAGE(XTWM_TOOLBAR_COLORCLOSE, OnColorClose)
    ON_MESSAGE(WM_CPN_SELNOCHANGE, OnColorNotify)
    ON_MESSAGE(WM_CPN_CANCEL, OnColorNotify)
    ON_MESSAGE(WM_CPN_NOFILL, OnColorNotify)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDownNotify)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
    ON_NOTIFY_REFLECT_EX(TBN_HOTITEMCHANGE, OnHotItemChange)
    ON_NOTIFY_REFLECT(TBN_BEGINADJUST, OnBeginAdjust)
    ON_NOTIFY_REFLECT(TBN_ENDADJUST, OnEndAdjust)
    ON_NOTIFY_REFLECT(TBN_QUERYINSERT, OnQueryInsert)
    ON_NOTIFY_REFLECT(TBN_QUERYDELETE, OnQueryDelete)
    ON_NOTIFY_REFLECT(TBN_TOOLBARCHANGE, OnToolBarChange)
    ON_NOTIFY_REFLECT(TBN_CUSTHELP, OnCustHelp)
    ON_NOTIFY_REFLECT(TBN_GETBUTTONINFOA, OnGetButtonInfo)
    ON_NOTIFY_REFLECT(TBN_RESET, OnReset)
END_MESSAGE_MAP()

namespace {

// Control styles the bar keeps off while the control measures itself.
const DWORD kFlatStyles = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT;
// The control must neither place nor size itself: no parent align, no
// move-y, no divider, no resize.
const DWORD kControlPlacement = CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
const int kComCtl472 = 0x40048;
const int kChevronThickness = 12;
const DWORD kPlaceOnly = SWP_NOZORDER | SWP_NOACTIVATE;

int ComCtlVersion()
{
    return xtAfxData.QueryComCtlVersion();
}

// The second line of a command's string: its tool tip.
CString LoadToolTipText(UINT nID)
{
    char buffer[256] = "";
    ::LoadStringA(AfxGetResourceHandle(), nID, buffer, (int)sizeof(buffer));
    const char* pLine = strchr(buffer, '\n');
    if (pLine == nullptr)
        return CString();
    CString strTip(pLine + 1);
    int nEnd = strTip.Find('\n');
    return nEnd < 0 ? strTip : strTip.Left(nEnd);
}

// The command's text for the control's own customise dialog: the part after
// "\n", or the part before it when that is empty; none without "\n".
CString LoadAdjustText(UINT nID)
{
    CString strFull;
    strFull.LoadString(nID);
    int nNewLine = strFull.Find('\n');
    if (nNewLine < 0)
        return CString();
    CString strText = strFull.Mid(nNewLine + 1);
    return strText.IsEmpty() ? strFull.Left(nNewLine) : strText;
}

// The state of one button as the frame's update handlers set it.
class CXTToolCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CXTToolBar* pBar = static_cast<CXTToolBar*>(m_pOther);
        BOOL bForce = FALSE;
        CXTButtonInfo* pInfo = pBar->FindDropDownInfo(m_nID);
        CXTCustomizeManager& manager = GetCustomizeManager();
        if (manager.IsCustomizeMode() && pBar->IsCustomizable())
            bOn = TRUE;
        else if (pInfo != nullptr && pInfo->bManagerPopup)
        {
            // Enabled while the menu bar supplies the popup.
            bOn = manager.GetMenuBarPopup(pInfo->nPopupID) != nullptr;
            bForce = TRUE;
        }
        UINT nOld = pBar->GetButtonStyle((int)m_nIndex);
        UINT nNew = nOld;
        if (bOn)
            nNew &= ~TBBS_DISABLED;
        else if (!(nOld & BTNS_WHOLEDROPDOWN) || bForce)
            nNew = (nNew & ~TBBS_PRESSED) | TBBS_DISABLED;
        pBar->SetButtonStyle((int)m_nIndex, nNew);
    }
    void SetCheck(int nCheck) override
    {
        CXTToolBar* pBar = static_cast<CXTToolBar*>(m_pOther);
        UINT nStyle = (pBar->GetButtonStyle((int)m_nIndex) | TBSTYLE_CHECK) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nStyle |= TBBS_INDETERMINATE;
        pBar->SetButtonStyle((int)m_nIndex, nStyle);
    }
    void SetText(LPCSTR) override {}
};

BOOL SameEntry(const TBBUTTON& a, const TBBUTTON& b)
{
    return a.iBitmap == b.iBitmap && a.idCommand == b.idCommand && a.fsState == b.fsState &&
           a.fsStyle == b.fsStyle && a.dwData == b.dwData && a.iString == b.iString;
}

} // namespace

// ---------------------------------------------------------------------------
// Construction

CXTToolBar::CXTToolBar()
    : m_bDelayedLayout(TRUE), m_hInstImageWell(nullptr), m_nImageWell(0), m_hbmImageWell(nullptr),
      m_bPainting(FALSE), m_bEmbossedDisabled(FALSE), m_hWndColorPopup(nullptr), m_nDropDownCommand(-1),
      m_nDroppedIndex(-1), m_dwDrawTextMask(0), m_dwDrawTextValue(0), m_nRelayoutSeq(0),
      m_bCapturedAfterDropDown(FALSE), m_bCustomizable(FALSE), m_bAdjustDialog(FALSE), m_nAdjustResult(0),
      m_bBackgroundPending(TRUE), m_bSizeNotifyPending(FALSE), m_bHasDefaultState(FALSE), m_bShowText(FALSE),
      m_bImageAndText(FALSE), m_sizeButton(23, 22), m_sizeImage(16, 15)
{
    m_cyTopBorder = m_cyBottomBorder = 3;
}

CXTToolBar::~CXTToolBar()
{
    // The window goes while this class's handlers still run.
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    if (m_hWndColorPopup != nullptr && ::IsWindow(m_hWndColorPopup))
        ::DestroyWindow(m_hWndColorPopup);
    m_pCustomizer.reset();
    GetCustomizeManager().Unregister(this);
}

BOOL CXTToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, GetBorders(), nID);
}

BOOL CXTToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(&rcBorders);
    DWORD dwBarStyle = dwStyle & CBRS_ALL;
    if (nID == 0xE800)
        dwBarStyle |= CBRS_HIDE_INPLACE;
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | kControlPlacement | dwCtrlStyle;
    if (!CreateBar(TOOLBARCLASSNAMEA, dwWindowStyle, dwBarStyle, pParentWnd, nID))
        return FALSE;
    SetSizes(m_sizeButton, m_sizeImage);
    SendMessage(WM_SETFONT, (WPARAM)m_fontHorz.m_hObject, TRUE);

    // Where the bar's state is kept; nothing without a registry key.
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pszRegistryKey != nullptr && pApp->m_pszProfileName != nullptr)
    {
        m_strSettingsPath.Format(LoadToolkitString(XT_IDS_REGSETTINGS, "Software\\%s\\%s\\Settings"),
                                 pApp->m_pszRegistryKey, pApp->m_pszProfileName);
        m_strValueName.Format("%s-Bar%d", pApp->m_pszProfileName, (int)nID);
    }
    return TRUE;
}

BOOL CXTToolBar::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CXTControlBar::PreCreateWindow(cs))
        return FALSE;
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return TRUE;
}

BOOL CXTToolBar::OnNcCreate(LPCREATESTRUCT)
{
    if (!Default())
        return FALSE;
    if (m_hWndOwner != nullptr)
        SendMessage(TB_SETPARENT, (WPARAM)m_hWndOwner);
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

int CXTToolBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CXTControlBar::OnCreate(lpcs) == -1)
        return -1;
    if (HasChevron())
    {
        m_pChevron = std::make_unique<CXTExpButton>();
        if (!m_pChevron->Create(this, XT_IDC_CUSTOMIZE))
            return -1;
    }
    // Every tool bar's commands are offered on the Commands page (the copies
    // in the chevron's popup are no bars of their own).
    if (!IsKindOf(RUNTIME_CLASS(CXTHiddenButtonsToolbar)))
    {
        CXTCustomizeManager& manager = GetCustomizeManager();
        manager.m_categories.Add(this, [this](XT_COMMAND_GROUPS& groups) { GetCustomizeInfo(groups); });
        manager.m_commandIcons.Add(this, [this](CXTCommandIconMap& map) { CollectIcons(map); });
    }
    return 0;
}

void CXTToolBar::OnDestroy()
{
    if (m_pCustomizer != nullptr)
    {
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->DelayRecalcLayout();
        GetCustomizeManager().m_barRemoved.Raise(this);
        m_pCustomizer.reset();
    }
    if (m_bCustomizable && !m_strSettingsPath.IsEmpty())
        SaveBarState(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), m_strValueName);
    RegisterCustomize(FALSE);
    GetCustomizeManager().Unregister(this);
    // The control's images, strings and buttons go with it.
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = nullptr;
    m_hInstImageWell = nullptr;
    m_mapTextIndex.clear();
    m_mapHidden.clear();
    m_arrButtons.clear();
    // A bar made again takes its default layout anew.
    m_defaultState.clear();
    m_bHasDefaultState = FALSE;
    m_bShowText = FALSE;
    CXTControlBar::OnDestroy();
}

void CXTToolBar::SetOwner(CWnd* pOwnerWnd)
{
    if (m_hWnd != nullptr)
        SendMessage(TB_SETPARENT, (WPARAM)AfxHwnd(pOwnerWnd));
    CXTControlBar::SetOwner(pOwnerWnd);
}

void CXTToolBar::RegisterCustomize(BOOL bEnable)
{
    if (m_bCustomizable == bEnable)
        return;
    m_bCustomizable = bEnable;
    CXTCustomizeManager& manager = GetCustomizeManager();
    if (bEnable)
    {
        manager.m_customizeMode.Add(this, [this](BOOL bOn) { OnCustomizeMode(bOn); });
        // Described also outside customise mode: saving the user's bars asks.
        manager.m_barEnumeration.Add(this, [this](const std::function<void(const CXTBarInfo&)>& receive) {
            CXTBarInfo info;
            DescribeForSheet(info);
            receive(info);
        });
        if (manager.IsCustomizeMode())
            OnCustomizeMode(TRUE);
    }
    else
    {
        OnCustomizeMode(FALSE);
        manager.m_customizeMode.Remove(this);
        manager.m_barEnumeration.Remove(this);
    }
    UpdateChevron();
}

void CXTToolBar::OnCustomizeMode(BOOL bOn)
{
    if (bOn && (!m_bCustomizable || m_pCustomizer != nullptr || m_hWnd == nullptr))
        return;
    CXTDockContext* pContext = dynamic_cast<CXTDockContext*>(m_pDockContext);
    if (!bOn)
    {
        RemoveNotify(this);
        if (pContext != nullptr)
            pContext->RemoveCallback(this);
        m_pCustomizer.reset();
        return;
    }
    m_pCustomizer = std::make_unique<CXTToolBarCustomizer>(this);
    // The sheet's bar list follows the bar's showing and hiding.
    AddNotify(this, [](void* pObject, BOOL bVisible) {
        CXTToolBar* pBar = static_cast<CXTToolBar*>(pObject);
        GetCustomizeManager().m_barShown.Raise(pBar, bVisible);
        pBar->PostRelayout();
    });
    // Dragging the bar itself leaves no button selected.
    if (pContext != nullptr)
        pContext->AddCallback(this, static_cast<XT_DOCKCALLBACK>(&CXTToolBar::OnBarDragged));
}

void CXTToolBar::OnBarDragged(CXTDockContext* /*pContext*/)
{
    if (m_pCustomizer != nullptr)
        m_pCustomizer->ClearSelection();
}

void CXTToolBar::EnableDocking(DWORD dwDockStyle)
{
    // The stored button set comes before the bar is placed.
    LoadDockState();
    CXTControlBar::EnableDocking(dwDockStyle);
}

LRESULT CXTToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pCustomizer != nullptr)
    {
        LRESULT lResult = 0;
        if (m_pCustomizer->Filter(message, wParam, lParam, &lResult))
            return lResult;
    }
    else if (message == WM_LBUTTONDOWN && ::GetKeyState(VK_MENU) < 0 && m_bCustomizable &&
             (GetStyle() & (TBSTYLE_ALTDRAG | CCS_ADJUSTABLE)) == (TBSTYLE_ALTDRAG | CCS_ADJUSTABLE))
    {
        if (AltDrag(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam))))
            return 0;
    }
    return CXTControlBar::WindowProc(message, wParam, lParam);
}

BOOL CXTToolBar::AltDrag(CPoint point)
{
    int nIndex = (int)SendMessage(TB_HITTEST, 0, (LPARAM)&point);
    TBBUTTON button;
    if (nIndex < 0 || !GetButton(nIndex, &button) || (button.fsStyle & TBSTYLE_SEP))
        return FALSE;
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.SetCustomizeMode(TRUE);
    HWND hWnd = m_hWnd;
    if (m_pCustomizer != nullptr)
    {
        manager.m_clearSelection.Raise();
        m_pCustomizer->Select(nIndex);
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        // The drag detection and the drag loop take the mouse themselves.
        CPoint ptDetected;
        if (XTWaitForDrag(m_hWnd, ptScreen, &ptDetected))
            m_pCustomizer->BeginDrag(ptDetected);
    }
    manager.SetCustomizeMode(FALSE);
    if (::IsWindow(hWnd) && m_bCustomizable && !m_strSettingsPath.IsEmpty())
        SaveBarState(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), m_strValueName);
    return TRUE;
}

void CXTToolBar::RemovePaintCallbacks(void* pContext)
{
    m_arrPaintCallbacks.erase(std::remove_if(m_arrPaintCallbacks.begin(), m_arrPaintCallbacks.end(),
                                             [pContext](const auto& entry) { return entry.first == pContext; }),
                              m_arrPaintCallbacks.end());
}

// ---------------------------------------------------------------------------
// Loading

BOOL CXTToolBar::LoadToolBar(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = hInst != nullptr ? ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR) : nullptr;
    HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
    const void* pData = hGlobal != nullptr ? ::LockResource(hGlobal) : nullptr;
    XT_TOOLBAR_RESOURCE toolBar;
    if (pData == nullptr || !ParseToolBarResource(pData, ::SizeofResource(hInst, hRsrc), toolBar))
        return FALSE;

    // The flat styles would let the control measure the buttons for its own look.
    const DWORD dwStyle = GetStyle();
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, dwStyle & ~kFlatStyles);
    BOOL bResult = SetButtons(toolBar.commands.data(), (int)toolBar.commands.size());
    if (bResult)
    {
        SetSizes(CSize(toolBar.cxImage + 7, toolBar.cyImage + 7), CSize(toolBar.cxImage, toolBar.cyImage));
        bResult = LoadBitmap(lpszResourceName);
    }
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (GetStyle() & ~kFlatStyles) | (dwStyle & kFlatStyles));
    RebuildButtonRecords();
    return bResult;
}

BOOL CXTToolBar::LoadBitmap(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HBITMAP hbm = hInst != nullptr ? LoadSysColorBitmap(hInst, lpszResourceName, FALSE) : nullptr;
    if (hbm == nullptr)
        return FALSE;
    if (!SetBitmap(hbm))
    {
        ::DeleteObject(hbm);
        return FALSE;
    }
    m_hInstImageWell = hInst;
    m_nImageWell = IS_INTRESOURCE(lpszResourceName) ? (UINT)(UINT_PTR)lpszResourceName : 0;
    m_strImageWell = IS_INTRESOURCE(lpszResourceName) ? "" : lpszResourceName;
    return TRUE;
}

BOOL CXTToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    BITMAP bm = {};
    if (hbmImageWell == nullptr || !::GetObjectA(hbmImageWell, sizeof(bm), &bm) || m_sizeImage.cx <= 0)
        return FALSE;
    const int nImages = bm.bmWidth / m_sizeImage.cx;
    BOOL bResult;
    if (m_hbmImageWell != nullptr)
    {
        TBREPLACEBITMAP replace = { nullptr, (UINT_PTR)m_hbmImageWell, nullptr, (UINT_PTR)hbmImageWell, nImages };
        bResult = (BOOL)SendMessage(TB_REPLACEBITMAP, 0, (LPARAM)&replace);
    }
    else
    {
        TBADDBITMAP add = { nullptr, (UINT_PTR)hbmImageWell };
        bResult = SendMessage(TB_ADDBITMAP, (WPARAM)nImages, (LPARAM)&add) == 0;
    }
    if (!bResult)
        return FALSE;
    if (m_hbmImageWell != nullptr)
        ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    return TRUE;
}

BOOL CXTToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    while (ButtonCount() > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    const int cxSeparator = ((GetStyle() & TBSTYLE_FLAT) || ComCtlVersion() == kComCtl472) ? 6 : 8;
    BOOL bResult = TRUE;
    int iImage = 0;
    for (int i = 0; i < nIDCount && bResult; ++i)
    {
        TBBUTTON button = {};
        button.fsState = TBSTATE_ENABLED;
        button.iString = -1;
        if (lpIDArray != nullptr && lpIDArray[i] == 0)
        {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = cxSeparator;
        }
        else if (lpIDArray != nullptr)
        {
            button.idCommand = (int)lpIDArray[i];
            button.iBitmap = iImage++;
        }
        bResult = (BOOL)SendMessage(TB_ADDBUTTONSA, 1, (LPARAM)&button);
    }
    m_bDelayedLayout = TRUE;
    ShowAllHidden();
    RebuildButtonRecords();
    return bResult;
}

void CXTToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    CSize sizeSent = sizeButton;
    if (xtAfxData.m_bFlatLook && (GetStyle() & TBSTYLE_LIST))
    {
        sizeSent.cx -= 4;
        SendMessage(TB_SETPADDING, 0, MAKELPARAM(3, 7));
    }
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeSent.cx, sizeSent.cy));
    Invalidate();
}

void CXTToolBar::RebuildButtonRecords()
{
    m_arrButtons.clear();
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button;
        if (!GetControlButton(i, &button))
            break;
        m_arrButtons.push_back(std::make_unique<CXTToolBarButton>(button));
        m_arrButtons.back()->m_bHiddenAtLoad = (button.fsState & TBSTATE_HIDDEN) != 0;
    }
    m_nCount = (int)m_arrButtons.size();
}

void CXTToolBar::ReloadImageWell()
{
    if (m_hInstImageWell == nullptr || m_hbmImageWell == nullptr)
        return;
    LPCSTR lpszName = m_nImageWell != 0 ? MAKEINTRESOURCEA(m_nImageWell) : (LPCSTR)m_strImageWell;
    HBITMAP hbm = LoadSysColorBitmap(m_hInstImageWell, lpszName, FALSE);
    if (hbm == nullptr)
        return;
    // A control may drop every image after the replaced well: the icons
    // appended since (inserted commands) go back to their indexes, which the
    // buttons and the hot images still use.
    HIMAGELIST hSaved = GetImageList() != nullptr ? ImageList_Duplicate(GetImageList()) : nullptr;
    if (!SetBitmap(hbm))
        ::DeleteObject(hbm);
    else if (hSaved != nullptr && GetImageList() != nullptr)
        for (int i = ImageList_GetImageCount(GetImageList()); i < ImageList_GetImageCount(hSaved); ++i)
        {
            HICON hIcon = ImageList_GetIcon(hSaved, i, ILD_NORMAL);
            ImageList_AddIcon(GetImageList(), hIcon);
            ::DestroyIcon(hIcon);
        }
    if (hSaved != nullptr)
        ImageList_Destroy(hSaved);
}

// ---------------------------------------------------------------------------
// Buttons

int CXTToolBar::GetCount() const
{
    return ButtonCount();
}

BOOL CXTToolBar::GetControlButton(int nIndex, TBBUTTON* pButton) const
{
    *pButton = TBBUTTON();
    return (BOOL)::SendMessageA(m_hWnd, TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)pButton);
}

BOOL CXTToolBar::GetButton(int nIndex, TBBUTTON* pButton) const
{
    if (!GetControlButton(nIndex, pButton))
        return FALSE;
    pButton->fsState ^= TBSTATE_ENABLED;
    return TRUE;
}

int CXTToolBar::SetButton(int nIndex, const TBBUTTON* pButton)
{
    TBBUTTON old;
    if (nIndex == -1 || !GetButton(nIndex, &old))
        return -1;
    if (SameEntry(old, *pButton))
        return nIndex;
    TBBUTTON entry = *pButton;
    entry.fsState ^= TBSTATE_ENABLED;

    // Deleting and inserting would flash the bar.
    const DWORD dwStyle = GetStyle();
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, dwStyle & ~WS_VISIBLE);
    SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex);
    SendMessage(TB_INSERTBUTTONA, (WPARAM)nIndex, (LPARAM)&entry);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetStyle() | (dwStyle & WS_VISIBLE));
    if (nIndex < (int)m_arrButtons.size())
        m_arrButtons[(size_t)nIndex]->m_button = entry;

    const BOOL bOldSep = (old.fsStyle & TBSTYLE_SEP) != 0;
    const BOOL bNewSep = (pButton->fsStyle & TBSTYLE_SEP) != 0;
    const BOOL bHiddenChanged = ((old.fsState ^ pButton->fsState) & TBSTATE_HIDDEN) != 0;
    if (bHiddenChanged && bOldSep && bNewSep && pButton->idCommand != 0)
    {
        CWnd* pControl = GetDlgItem(pButton->idCommand);
        if (pControl != nullptr)
        {
            if (pButton->fsState & TBSTATE_HIDDEN)
                pControl->ShowWindow(SW_HIDE);
            else
                PositionControl(pControl);
            m_bDelayedLayout = TRUE;
        }
    }
    if (bOldSep == bNewSep && (!bNewSep || old.iBitmap == pButton->iBitmap))
    {
        CRect rect;
        if (SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)(LPRECT)&rect))
            InvalidateRect(&rect);
    }
    else
        Invalidate();
    return nIndex;
}

int CXTToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)::SendMessageA(m_hWnd, TB_COMMANDTOINDEX, nIDFind, 0);
}

UINT CXTToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    return GetButton(nIndex, &button) ? (UINT)button.idCommand : 0;
}

void CXTToolBar::GetItemRect(int nIndex, LPRECT lpRect)
{
    if (m_bDelayedLayout)
        Layout();
    if (!SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect))
        ::SetRectEmpty(lpRect);
}

DWORD CXTToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState);
}

void CXTToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    if (button.fsStyle == (BYTE)LOWORD(nStyle) && button.fsState == (BYTE)HIWORD(nStyle))
        return;
    // Enabling, checking or pressing leaves every button's size as it was:
    // the control repaints the one button, the bar is not laid out again.
    const BYTE kSizeless = TBSTATE_ENABLED | TBSTATE_CHECKED | TBSTATE_PRESSED | TBSTATE_INDETERMINATE;
    const BYTE fsNewState = (BYTE)HIWORD(nStyle);
    if (button.fsStyle == (BYTE)LOWORD(nStyle) && ((button.fsState ^ fsNewState) & ~kSizeless) == 0 &&
        CommandToIndex((UINT)button.idCommand) == nIndex &&
        SendMessage(TB_SETSTATE, (WPARAM)button.idCommand, MAKELPARAM(fsNewState ^ TBSTATE_ENABLED, 0)))
    {
        if (nIndex < (int)m_arrButtons.size())
            m_arrButtons[(size_t)nIndex]->m_button.fsState = fsNewState ^ TBSTATE_ENABLED;
        return;
    }
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = fsNewState;
    SetButton(nIndex, &button);
    m_bDelayedLayout = TRUE;
}

void CXTToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    GetButton(nIndex, &button);
    nID = (UINT)button.idCommand;
    nStyle = MAKELONG(button.fsStyle, button.fsState);
    iImage = button.iBitmap;
}

void CXTToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return;
    button.idCommand = (int)nID;
    button.fsStyle = (BYTE)LOWORD(nStyle);
    button.fsState = (BYTE)HIWORD(nStyle);
    button.iBitmap = iImage;
    TBBUTTON old;
    GetButton(nIndex, &old);
    if (SetButton(nIndex, &button) >= 0 && !SameEntry(old, button))
        m_bDelayedLayout = TRUE;
}

BOOL CXTToolBar::SetButtonText(int nIndex, LPCSTR lpszText)
{
    TBBUTTON button;
    if (lpszText == nullptr || !GetButton(nIndex, &button))
        return FALSE;
    int nString;
    auto it = m_mapTextIndex.find(lpszText);
    if (it != m_mapTextIndex.end())
        nString = it->second;
    else
    {
        // The pool takes a list of strings ended by an empty one.
        std::string strList(lpszText);
        strList.push_back('\0');
        nString = (int)SendMessage(TB_ADDSTRINGA, 0, (LPARAM)strList.c_str());
        if (nString == -1)
            return FALSE;
        m_mapTextIndex[lpszText] = nString;
    }
    m_mapCommandText[(UINT)button.idCommand] = lpszText;
    if (button.iString != nString)
    {
        button.iString = nString;
        SetButton(nIndex, &button);
        m_bDelayedLayout = TRUE;
        PostRelayout();
    }
    return TRUE;
}

CString CXTToolBar::GetButtonText(int nIndex) const
{
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return CString();
    for (const auto& entry : m_mapTextIndex)
        if (entry.second == button.iString)
            return CString(entry.first.c_str());
    return CString();
}

CXTToolBarButton* CXTToolBar::FindButtonRecord(UINT nCommandID) const
{
    for (const auto& pRecord : m_arrButtons)
        if ((UINT)pRecord->m_button.idCommand == nCommandID && !(pRecord->m_button.fsStyle & TBSTYLE_SEP))
            return pRecord.get();
    return nullptr;
}

CXTButtonInfo* CXTToolBar::FindDropDownInfo(UINT nCommandID) const
{
    for (const auto& pRecord : m_arrButtons)
        if ((UINT)pRecord->m_button.idCommand == nCommandID && pRecord->GetDropDown() != nullptr)
            return pRecord->GetDropDown();
    return nullptr;
}

CXTButtonInfo* CXTToolBar::AddDropDown(UINT nCommandID, BOOL bArrow)
{
    CXTToolBarButton* pRecord = FindButtonRecord(nCommandID);
    if (pRecord == nullptr)
        return nullptr;
    CXTButtonInfo* pInfo = pRecord->GetDropDown();
    if (pInfo == nullptr)
    {
        pInfo = new CXTButtonInfo;
        pInfo->nCommandID = nCommandID;
        pRecord->SetDropDown(pInfo, TRUE);
    }
    pRecord->m_button.fsStyle |= TBSTYLE_DROPDOWN;
    const int nIndex = CommandToIndex(nCommandID);
    SetButtonStyle(nIndex, GetButtonStyle(nIndex) | TBSTYLE_DROPDOWN);
    if (bArrow)
    {
        pInfo->bArrow = TRUE;
        DWORD dwExStyle = (DWORD)SendMessage(TB_GETEXTENDEDSTYLE);
        SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle | TBSTYLE_EX_DRAWDDARROWS);
    }
    return pInfo;
}

BOOL CXTToolBar::SetButtonCtrl(CWnd* pControl, BOOL bAltFont)
{
    if (pControl == nullptr)
        return FALSE;
    CXTToolBarButton* pRecord = nullptr;
    for (const auto& p : m_arrButtons)
        if (p->m_button.idCommand == pControl->GetDlgCtrlID())
            pRecord = p.get();
    if (pRecord == nullptr)
        return FALSE;
    pRecord->m_pControl = pControl;
    pRecord->m_bAltFont = bAltFont;
    CFont& font = bAltFont ? m_fontBold : m_fontHorz;
    pControl->SendMessage(WM_SETFONT, (WPARAM)font.m_hObject, TRUE);
    PositionControl(pControl);
    return TRUE;
}

void CXTToolBar::PositionControl(CWnd* pControl)
{
    const UINT nID = (UINT)pControl->GetDlgCtrlID();
    const int nIndex = CommandToIndex(nID);
    if (nIndex < 0)
        return;
    if (SendMessage(TB_ISBUTTONHIDDEN, nID))
    {
        pControl->ShowWindow(SW_HIDE);
        return;
    }
    pControl->ShowWindow(SW_SHOWNOACTIVATE);
    CRect rcControl;
    pControl->GetWindowRect(&rcControl);
    TBBUTTON button;
    GetButton(nIndex, &button);
    button.fsStyle = TBSTYLE_SEP;
    button.iBitmap = rcControl.Width();
    SetButton(nIndex, &button);
    CRect rcItem;
    SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)(LPRECT)&rcItem);
    int y = rcItem.top;
    if (rcItem.Height() != rcControl.Height())
        y = std::max<int>(0, rcItem.top + (rcItem.Height() - rcControl.Height()) / 2);
    pControl->SetWindowPos(nullptr, rcItem.left, y, 0, 0, SWP_NOSIZE | kPlaceOnly);
}

void CXTToolBar::RepositionControls()
{
    for (const auto& pRecord : m_arrButtons)
        if (pRecord->m_pControl != nullptr && pRecord->m_pControl->m_hWnd != nullptr)
            PositionControl(pRecord->m_pControl);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->RecalcLayout();
    FixListStyleButtons();
}

void CXTToolBar::FixListStyleButtons()
{
    if (!(GetStyle() & TBSTYLE_LIST))
    {
        SendMessage(TB_AUTOSIZE);
        return;
    }
    for (int i = 0; i < (int)m_arrButtons.size(); ++i)
    {
        CWnd* pControl = m_arrButtons[(size_t)i]->m_pControl;
        if (pControl != nullptr && pControl->m_hWnd != nullptr)
            PositionControl(pControl);
        else
            SetButtonStyle(i, GetButtonStyle(i) | TBSTYLE_AUTOSIZE);
    }
}

// ---------------------------------------------------------------------------
// Layout

CRect CXTToolBar::GetInsideInsets(BOOL bHorz) const
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    return CRect(rect.left, rect.top, -rect.right, -rect.bottom);
}

BOOL CXTToolBar::IsHorizontal() const
{
    return m_bInRebar || IsHorzDocked();
}

COLORREF CXTToolBar::GetBackgroundColor() const
{
    return m_bInRebar ? xtAfxData.m_clr3DFace : CXTControlBar::GetBackgroundColor();
}

BOOL CXTToolBar::FillsBackground() const
{
    return xtAfxData.m_bFlatLook && !m_bInRebar;
}

XT_TOOLBAR_ITEMS CXTToolBar::CopyItems()
{
    XT_TOOLBAR_ITEMS items;
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        XT_TOOLBAR_ITEM item;
        GetButton(i, &item.button);
        CRect rect;
        if (!SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect))
            rect.SetRectEmpty();
        item.size = rect.Size();
        // The control may lay a wrapping separator across the bar: its own width counts.
        if (item.IsSeparator())
            item.size = CSize(item.button.iBitmap, rect.IsRectEmpty() ? m_sizeButton.cy : rect.Height());
        items.push_back(item);
    }
    return items;
}

XT_TOOLBAR_METRICS CXTToolBar::LayoutMetrics()
{
    XT_TOOLBAR_METRICS metrics;
    metrics.sizeButton = m_sizeButton;
    metrics.bHorz = IsHorizontal();
    if (HasChevron() && (m_bCustomizable || HasHiddenButtons()) && (m_bInRebar || !IsFloating()))
        metrics.nReserve = XT_CHEVRON_RESERVE;
    return metrics;
}

CSize CXTToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    const BOOL bHorz = (dwMode & LM_HORZ) != 0;
    XT_TOOLBAR_ITEMS items = CopyItems();
    const XT_TOOLBAR_METRICS metrics = LayoutMetrics();
    const CRect insets = GetInsideInsets(bHorz);

    // Step 2: the length the rows are wrapped for.
    if (!(m_dwStyle & CBRS_SIZE_FIXED))
    {
        int nWrap;
        BOOL bHeight = FALSE;
        if (!(m_dwStyle & CBRS_SIZE_DYNAMIC))
            nWrap = bHorz ? 32767 : 0;
        else if (dwMode & LM_MRUWIDTH)
            nWrap = (int)m_nMRUWidth;
        else if (dwMode & LM_HORZDOCK)
            nWrap = 32767;
        else if (dwMode & LM_VERTDOCK)
            nWrap = 0;
        else if (nLength == -1)
            nWrap = (m_dwStyle & CBRS_FLOATING) ? (int)m_nMRUWidth : (bHorz ? 32767 : 0);
        else if (dwMode & LM_LENGTHY)
        {
            nWrap = nLength - insets.top - insets.bottom;
            bHeight = TRUE;
        }
        else
            nWrap = nLength - insets.left - insets.right;
        SizeToolBarItems(items, nWrap, bHeight, metrics);
    }

    // Step 3: the size of the rows.
    CSize size = CalcToolBarItemsSize(items, metrics);

    // Step 4: the control takes the rows.
    if (dwMode & LM_COMMIT)
    {
        if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
            m_nMRUWidth = (UINT)size.cx;
        CommitLayout(items);
    }

    // Step 5: with the insets, and at least the control bar's own size.
    size.cx += insets.left + insets.right;
    size.cy += insets.top + insets.bottom;
    CSize sizeMin = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
    return CSize(std::max<int>(size.cx, sizeMin.cx), std::max<int>(size.cy, sizeMin.cy));
}

void CXTToolBar::CommitLayout(XT_TOOLBAR_ITEMS& items)
{
    // The controls on visible separators move with their separators.
    struct Moved
    {
        CWnd* pControl;
        int nIndex;
        CRect rcBefore;
    };
    std::vector<Moved> moved;
    for (int i = 0; i < (int)items.size() && i < (int)m_arrButtons.size(); ++i)
    {
        CWnd* pControl = m_arrButtons[(size_t)i]->m_pControl;
        if (!items[(size_t)i].IsSeparator() || !items[(size_t)i].IsVisible() || pControl == nullptr ||
            pControl->m_hWnd == nullptr)
            continue;
        CRect rect;
        SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect);
        moved.push_back({ pControl, i, rect });
    }
    for (int i = 0; i < (int)items.size(); ++i)
        SetButton(i, &items[(size_t)i].button);
    m_bDelayedLayout = FALSE;
    for (const Moved& m : moved)
    {
        CRect rcAfter;
        SendMessage(TB_GETITEMRECT, (WPARAM)m.nIndex, (LPARAM)(LPRECT)&rcAfter);
        CRect rcControl;
        m.pControl->GetWindowRect(&rcControl);
        ScreenToClient(&rcControl);
        rcControl.OffsetRect(rcAfter.left - m.rcBefore.left, rcAfter.top - m.rcBefore.top);
        m.pControl->SetWindowPos(nullptr, rcControl.left, rcControl.top, 0, 0, SWP_NOSIZE | kPlaceOnly);
    }
    UpdateChevron();
}

void CXTToolBar::UpdateChevron()
{
    if (m_pChevron == nullptr || m_pChevron->m_hWnd == nullptr)
        return;
    const BOOL bVisible = (m_pChevron->GetStyle() & WS_VISIBLE) != 0;
    BOOL bChanged = FALSE;
    if (IsFloating() || (!m_bCustomizable && !HasHiddenButtons()))
    {
        if (bVisible)
        {
            m_pChevron->ShowWindow(SW_HIDE);
            bChanged = TRUE;
        }
    }
    else
    {
        CRect rcClient, rcChevron;
        GetClientRect(&rcClient);
        m_pChevron->GetClientRect(&rcChevron);
        const CSize size = IsHorizontal() ? CSize(kChevronThickness, std::max<int>(0, rcClient.Height() - 2))
                                          : CSize(std::max<int>(0, rcClient.Width() - 2), kChevronThickness);
        if (size != rcChevron.Size() || !bVisible)
        {
            m_pChevron->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_SHOWWINDOW | kPlaceOnly);
            bChanged = TRUE;
        }
    }
    if (bChanged)
        PostMessage(WM_IDLEUPDATECMDUI, TRUE);
}

void CXTToolBar::PositionChevron(int nLength)
{
    if (m_pChevron == nullptr || m_pChevron->m_hWnd == nullptr)
        return;
    const BOOL bHorz = IsHorizontal();
    const CRect insets = GetInsideInsets(bHorz);
    int nPos = m_bInRebar ? nLength - kChevronThickness
                          : nLength - (bHorz ? insets.left + insets.right : insets.top + insets.bottom) -
                                kChevronThickness;
    // Never over the first visible button.
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        CRect rect;
        if (!SendMessage(TB_ISBUTTONHIDDEN, GetItemID(i)) &&
            SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect) && !rect.IsRectEmpty())
        {
            nPos = std::max<int>(nPos, bHorz ? rect.right : rect.bottom);
            break;
        }
    }
    const CPoint pt = bHorz ? CPoint(nPos, 1) : CPoint(1, nPos);
    const BOOL bShow = HasHiddenButtons() || m_bCustomizable;
    CRect rcChevron;
    m_pChevron->GetWindowRect(&rcChevron);
    ScreenToClient(&rcChevron);
    const BOOL bVisible = (m_pChevron->GetStyle() & WS_VISIBLE) != 0;
    if (rcChevron.TopLeft() != pt || bVisible != bShow)
    {
        m_pChevron->SetWindowPos(nullptr, pt.x, pt.y, 0, 0,
                                 SWP_NOSIZE | kPlaceOnly | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        m_pChevron->Invalidate();
    }
}

CSize CXTToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
}

CSize CXTToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    return CalcLayout(dwMode, nLength);
}

DWORD CXTToolBar::RelayoutMode() const
{
    if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC))
        return LM_HORZ | LM_MRUWIDTH | LM_COMMIT;
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        return LM_HORZ | LM_HORZDOCK | LM_COMMIT;
    return LM_VERTDOCK | LM_COMMIT;
}

void CXTToolBar::Layout()
{
    m_bDelayedLayout = FALSE;
    CalcDynamicLayout(0, RelayoutMode());
    RequestSizeNotify();
}

BOOL CXTToolBar::WrapsBeforeLastButton() const
{
    for (int i = 0; i + 1 < ButtonCount(); ++i)
    {
        TBBUTTON button;
        if (GetControlButton(i, &button) && (button.fsState & TBSTATE_WRAP))
            return TRUE;
    }
    return FALSE;
}

void CXTToolBar::FitMRUWidthToRow()
{
    // The laid-out row, not the stretched request (which is the whole
    // 32767), and without the insets, as a committed layout remembers it.
    const CRect insets = GetInsideInsets(TRUE);
    const UINT nWidth = (UINT)std::max<int>(0, CalcLayout(LM_HORZ, 32767).cx - insets.left - insets.right);
    if (nWidth != m_nMRUWidth)
    {
        m_nMRUWidth = nWidth;
        PostRelayout();
    }
}

int CXTToolBar::FixedLength(BOOL bHorz)
{
    CSize size = CalcFixedLayout(FALSE, bHorz);
    return bHorz ? size.cx : size.cy;
}

void CXTToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (((dwOldStyle ^ dwNewStyle) & CBRS_BORDER_ANY) && m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | kPlaceOnly);
    m_bDelayedLayout = TRUE;
    if (dwOldStyle == dwNewStyle || m_hWnd == nullptr)
        return;
    ShowAllHidden();
    CalcDynamicLayout(0, RelayoutMode());
}

// ---------------------------------------------------------------------------
// Hidden buttons

int CXTToolBar::HideButtonsToFit(int nNeeded, int nAvailable, BOOL bHorz)
{
    if (m_bAdjustDialog)
        return nNeeded;
    PositionChevron(nAvailable);
    const int nCount = ButtonCount();
    int nVisible = 0;
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button;
        GetButton(i, &button);
        nVisible += !(button.fsState & TBSTATE_HIDDEN);
    }
    if (nVisible == 0 || (m_mapHidden.empty() && nAvailable >= nNeeded))
        return nNeeded;

    // From the right end, one button always stays.
    BOOL bHidden = FALSE;
    int nLength = nNeeded;
    for (int i = nCount - 1; i >= 0 && nVisible > 1; --i)
    {
        TBBUTTON button;
        GetButton(i, &button);
        if (button.fsState & TBSTATE_HIDDEN)
            continue;
        CRect rect;
        SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect);
        button.fsState |= TBSTATE_HIDDEN;
        SetButton(i, &button);
        m_mapHidden[i] = rect.Width();
        --nVisible;
        bHidden = TRUE;
        // The length counts the chevron's room: the rest of the row and the chevron fit.
        nLength = FixedLength(bHorz);
        if (nLength <= nAvailable)
            break;
    }
    if (bHidden)
    {
        m_bDelayedLayout = TRUE;
        PostRelayout();
    }
    // The row places the bar at the length it has now.
    return nLength;
}

int CXTToolBar::ShowButtonsToFit(int nNeeded, int nAvailable, BOOL bHorz)
{
    if (m_mapHidden.empty())
    {
        PositionChevron(nNeeded);
        return nNeeded;
    }
    PositionChevron(nAvailable);
    int nLength = nNeeded;
    BOOL bShown = FALSE;
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button;
        if (m_mapHidden.find(i) == m_mapHidden.end() || !GetButton(i, &button) ||
            !(button.fsState & TBSTATE_HIDDEN))
            continue;
        button.fsState &= ~TBSTATE_HIDDEN;
        SetButton(i, &button);
        nLength = FixedLength(bHorz);
        if (nLength > nAvailable)
        {
            button.fsState |= TBSTATE_HIDDEN;
            SetButton(i, &button);
            break;
        }
        m_mapHidden.erase(i);
        bShown = TRUE;
    }
    const int nResult = m_mapHidden.empty() ? nLength : nAvailable;
    PositionChevron(nResult);
    if (bShown)
    {
        m_bDelayedLayout = TRUE;
        PostRelayout();
    }
    return nResult;
}

void CXTToolBar::ShowAllHidden()
{
    for (const auto& entry : m_mapHidden)
    {
        TBBUTTON button;
        if (!GetButton(entry.first, &button) || !(button.fsState & TBSTATE_HIDDEN))
            continue;
        button.fsState &= ~TBSTATE_HIDDEN;
        SetButton(entry.first, &button);
        m_bDelayedLayout = TRUE;
    }
    m_mapHidden.clear();
}

// ---------------------------------------------------------------------------
// Relayout and the rebar host

void CXTToolBar::CopyHiddenButtonsTo(CXTToolBar* pTarget, int nWrapWidth)
{
    int nLimit = nWrapWidth;
    for (const auto& entry : m_mapHidden)
        nLimit = std::max<int>(nLimit, entry.second);
    struct Copy
    {
        TBBUTTON button;
        CString strText;
        BOOL bText = FALSE;
        CWnd* pControl = nullptr;
        CXTButtonInfo* pDropDown = nullptr;
    };
    std::vector<Copy> copies;
    int cxRow = 0;
    for (const auto& entry : m_mapHidden)
    {
        Copy copy;
        if (!GetControlButton(entry.first, &copy.button))
            continue;
        CXTToolBarButton* pRecord =
            entry.first < (int)m_arrButtons.size() ? m_arrButtons[(size_t)entry.first].get() : nullptr;
        const BOOL bSeparator = (copy.button.fsStyle & TBSTYLE_SEP) != 0;
        if (bSeparator)
        {
            // Only a separator that holds a control is worth a place.
            if (copy.button.idCommand == 0 || pRecord == nullptr || pRecord->m_pControl == nullptr ||
                pRecord->m_pControl->m_hWnd == nullptr)
                continue;
            copy.pControl = pRecord->m_pControl;
        }
        copy.button.fsState &= ~(TBSTATE_HIDDEN | TBSTATE_WRAP);
        if (cxRow + entry.second > nLimit && cxRow > 0)
        {
            Copy rowBreak;
            rowBreak.button = TBBUTTON();
            rowBreak.button.fsStyle = TBSTYLE_SEP;
            rowBreak.button.fsState = TBSTATE_WRAP | TBSTATE_ENABLED;
            rowBreak.button.iString = -1;
            copies.push_back(rowBreak);
            cxRow = 0;
        }
        if (copy.button.iString != -1)
        {
            copy.strText = GetButtonText(entry.first);
            copy.bText = TRUE;
            copy.button.iString = -1;
        }
        if (!bSeparator && copy.button.idCommand > 0 && pRecord != nullptr)
            copy.pDropDown = pRecord->GetDropDown();
        cxRow += entry.second;
        copies.push_back(copy);
    }
    if (copies.empty())
        return;

    // The copies show the owner's images.
    if (m_hInstImageWell != nullptr && m_hbmImageWell != nullptr)
        pTarget->LoadBitmap(m_nImageWell != 0 ? MAKEINTRESOURCEA(m_nImageWell) : (LPCSTR)m_strImageWell);
    else
        pTarget->SendMessage(TB_SETIMAGELIST, 0, SendMessage(TB_GETIMAGELIST));
    std::vector<TBBUTTON> buttons;
    for (const Copy& copy : copies)
        buttons.push_back(copy.button);
    pTarget->SendMessage(TB_ADDBUTTONSA, (WPARAM)buttons.size(), (LPARAM)buttons.data());
    pTarget->RebuildButtonRecords();
    pTarget->SendMessage(TB_SETHOTIMAGELIST, 0, SendMessage(TB_GETHOTIMAGELIST));

    BOOL bFirstText = TRUE;
    for (int i = 0; i < (int)copies.size(); ++i)
    {
        const Copy& copy = copies[(size_t)i];
        if (copy.bText)
        {
            // The control's first string slot is taken by a placeholder.
            if (bFirstText)
                pTarget->SetButtonText(i, "---");
            bFirstText = FALSE;
            pTarget->SetButtonText(i, copy.strText);
        }
        if (copy.pControl != nullptr)
        {
            copy.pControl->SetParent(pTarget);
            pTarget->m_arrButtons[(size_t)i]->m_pControl = copy.pControl;
            pTarget->PositionControl(copy.pControl);
        }
        if (copy.pDropDown != nullptr)
            pTarget->m_arrButtons[(size_t)i]->SetDropDown(copy.pDropDown, FALSE);
    }
    if (m_dwDrawTextMask != 0)
        pTarget->SendMessage(TB_SETDRAWTEXTFLAGS, m_dwDrawTextMask, m_dwDrawTextValue);
}

void CXTToolBar::Customize()
{
    // The frame the bar docks in runs the sheet, also for a floating bar.
    CFrameWnd* pFrame = m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
    if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
        pFrame->SendMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
}

void CXTToolBar::PostRelayout()
{
    if (m_hWnd != nullptr)
        PostMessage(XTWM_TOOLBAR_RELAYOUT, 0, ++m_nRelayoutSeq);
}

void CXTToolBar::RequestSizeNotify()
{
    if (m_bSizeNotifyPending)
        return;
    m_bSizeNotifyPending = TRUE;
    PostRelayout();
}

LRESULT CXTToolBar::OnRelayout(WPARAM, LPARAM lParam)
{
    if (lParam != m_nRelayoutSeq)
        return 0;
    if (m_bSizeNotifyPending)
    {
        // A rebar host fits its band to the bar first.
        m_bSizeNotifyPending = FALSE;
        ::PostMessageA(::GetParent(m_hWnd), XTWM_BAND_RESIZE, (WPARAM)m_hWnd, CalcFixedLayout(FALSE, TRUE).cx);
        PostRelayout();
        return 0;
    }
    if (m_bDelayedLayout)
        Layout();
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
    CFrameWnd* pOwnerFrame = dynamic_cast<CFrameWnd*>(GetOwner());
    if (pOwnerFrame == nullptr && GetOwner() != nullptr)
        pOwnerFrame = GetOwner()->GetParentFrame();
    if (pOwnerFrame != nullptr && pOwnerFrame != pFrame)
        pOwnerFrame->RecalcLayout();
    RepositionControls();
    // Requests made while this relayout ran are answered by it...
    ++m_nRelayoutSeq;
    // ...but the host still learns the width the layout above gave the bar.
    // Its own request has just gone stale: left pending, the flag would keep
    // every later change from telling the host. No further relayout follows
    // (that one would lay out, ask and relayout again without end).
    if (m_bSizeNotifyPending)
    {
        m_bSizeNotifyPending = FALSE;
        ::PostMessageA(::GetParent(m_hWnd), XTWM_BAND_RESIZE, (WPARAM)m_hWnd, CalcFixedLayout(FALSE, TRUE).cx);
    }
    SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 0;
}

int CXTToolBar::GetMinimumSize()
{
    const BOOL bHorz = IsHorizontal();
    const CRect insets = GetInsideInsets(bHorz);
    int nFirst = 0;
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        CRect rect;
        if (SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect) && !rect.IsRectEmpty())
        {
            nFirst = bHorz ? rect.Width() : rect.Height();
            break;
        }
    }
    return nFirst + (bHorz ? insets.left + insets.right : insets.top + insets.bottom) + XT_CHEVRON_RESERVE;
}

void CXTToolBar::FillRebarBandSize(REBARBANDINFOA* pInfo, BOOL bHorz)
{
    // The band is measured for the stored button set.
    LoadDockState();
    CXTControlBar::FillRebarBandSize(pInfo, bHorz);
    pInfo->cxIdeal = pInfo->cxMinChild;
    pInfo->cx = pInfo->cxMinChild + 14;
    pInfo->fMask |= RBBIM_IDEALSIZE | RBBIM_SIZE;
    pInfo->cxMinChild = (UINT)GetMinimumSize();
}

void CXTToolBar::CalcOverflowLayout(NMREBARCHILDSIZE* pNotify, BOOL bHorz)
{
    const int nNeeded = FixedLength(bHorz);
    const CRect& rcChild = pNotify->rcChild;
    const int nChild = bHorz ? rcChild.right - rcChild.left : rcChild.bottom - rcChild.top;
    const int nLength =
        nChild < nNeeded ? HideButtonsToFit(nNeeded, nChild, bHorz) : ShowButtonsToFit(nNeeded, nChild, bHorz);
    CalcDynamicLayout(nLength, LM_COMMIT | (bHorz ? LM_HORZ : 0));
}

// ---------------------------------------------------------------------------
// Messages of the control

LRESULT CXTToolBar::DefaultWithoutFlatStyle()
{
    const DWORD dwStyle = GetStyle();
    const BOOL bStrip = ComCtlVersion() >= kComCtl472 && (dwStyle & kFlatStyles);
    if (bStrip)
        ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, dwStyle & ~kFlatStyles);
    LRESULT lResult = Default();
    if (bStrip)
        ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, GetStyle() | (dwStyle & kFlatStyles));
    return lResult;
}

LRESULT CXTToolBar::OnWithoutFlatStyle(WPARAM, LPARAM)
{
    return DefaultWithoutFlatStyle();
}

LRESULT CXTToolBar::OnSetButtonSize(WPARAM, LPARAM lParam)
{
    m_sizeButton = CSize((short)LOWORD(lParam), HIWORD(lParam));
    return DefaultWithoutFlatStyle();
}

LRESULT CXTToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam)
{
    m_sizeImage = CSize((short)LOWORD(lParam), HIWORD(lParam));
    return DefaultWithoutFlatStyle();
}

LRESULT CXTToolBar::OnSetDrawTextFlags(WPARAM wParam, LPARAM lParam)
{
    m_dwDrawTextMask = (UINT)wParam;
    m_dwDrawTextValue = (UINT)lParam;
    return Default();
}

void CXTToolBar::OnSysColorChange()
{
    Default();
    ReloadImageWell();
}

void CXTToolBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    // The borders need no repainting of their own here.
    const DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CXTControlBar::OnWindowPosChanging(lpwndpos);
    m_dwStyle = dwStyle;
    if ((dwStyle & CBRS_SIZE_DYNAMIC) && !(lpwndpos->flags & SWP_NOSIZE))
        Invalidate();
}

LRESULT CXTToolBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void CXTToolBar::OnLButtonUp(UINT, CPoint)
{
    if (m_bCapturedAfterDropDown)
    {
        m_bCapturedAfterDropDown = FALSE;
        ::ReleaseCapture();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    Default();
}

// ---------------------------------------------------------------------------
// Drop-down buttons

CWnd* CXTToolBar::GetDropDownOwner() const
{
    return GetOwner();
}

void CXTToolBar::ReleaseDropDown()
{
    if (m_nDroppedIndex < 0)
        return;
    CRect rect;
    if (SendMessage(TB_GETITEMRECT, (WPARAM)m_nDroppedIndex, (LPARAM)(LPRECT)&rect))
        InvalidateRect(CRect(rect.left, rect.top, rect.right + 4, rect.bottom + 4));
    m_nDroppedIndex = -1;
}

void CXTToolBar::PublishDropDownRect(const CRect& rcButton, BOOL bTopForSides)
{
    XT_MENU_STATE& state = GetXTMenuState();
    state.rcMenuBarItem = rcButton;
    if (IsLeftDocked())
        state.nMenuBarAlign = bTopForSides ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
    else if (IsRightDocked())
        state.nMenuBarAlign = bTopForSides ? CBRS_ALIGN_TOP : CBRS_ALIGN_RIGHT;
    else if (IsTopDocked())
        state.nMenuBarAlign = CBRS_ALIGN_TOP;
    else if (IsBottomDocked())
        state.nMenuBarAlign = CBRS_ALIGN_BOTTOM;
    else
        state.nMenuBarAlign = 0;
}

void CXTToolBar::TrackDropDownMenu(HMENU hPopup, const CRect& rcButton)
{
    if (hPopup == nullptr)
        return;
    PublishDropDownRect(rcButton, TRUE);
    CXTMenu menu;
    menu.Attach(hPopup);
    TPMPARAMS params = { sizeof(params), rcButton };
    menu.TrackPopupMenuEx(TPM_LEFTALIGN | TPM_VERTICAL, rcButton.left, rcButton.bottom, GetDropDownOwner(), &params);
    menu.Detach();
}

void CXTToolBar::OnDropDownNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTOOLBARA* pNotify = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    *pResult = TBDDRET_DEFAULT;
    CRect rcButton;
    SendMessage(TB_GETRECT, (WPARAM)pNotify->iItem, (LPARAM)(LPRECT)&rcButton);
    if (m_hWndColorPopup != nullptr && m_nDropDownCommand == pNotify->iItem)
        return;
    InvalidateRect(CRect(rcButton.left, rcButton.top, rcButton.right + 4, rcButton.bottom + 4));
    CRect rcScreen = rcButton;
    ClientToScreen(&rcScreen);
    OnDropDown(pNotify, (UINT)pNotify->iItem, rcScreen);
}

void CXTToolBar::OnDropDown(NMTOOLBARA* pNotify, UINT nCommandID, const CRect& rcButton)
{
    m_nDroppedIndex = CommandToIndex(nCommandID);
    CXTButtonInfo* pInfo = FindDropDownInfo(nCommandID);
    if (pInfo != nullptr && pInfo->nMenuID != 0)
    {
        HMENU hMenu = ::LoadMenuA(AfxFindResourceHandle(MAKEINTRESOURCEA(pInfo->nMenuID), RT_MENU),
                                  MAKEINTRESOURCEA(pInfo->nMenuID));
        if (hMenu != nullptr)
        {
            TrackDropDownMenu(::GetSubMenu(hMenu, 0), rcButton);
            ::DestroyMenu(hMenu);
        }
        ReleaseDropDown();
    }
    else if (pInfo != nullptr && pInfo->bManagerPopup)
    {
        // The menu bar supplies this menu through the manager; without one nothing opens.
        CXTCustomizeManager& manager = GetCustomizeManager();
        HMENU hMenu = manager.GetMenuBarPopup(pInfo->nPopupID);
        if (hMenu != nullptr)
            TrackDropDownMenu(hMenu, rcButton);
        ReleaseDropDown();
    }
    else if (pInfo != nullptr && pInfo->bColorPopup)
    {
        if (!OpenColorPopup(pInfo, rcButton))
            ReleaseDropDown();
    }
    else
    {
        CRect rect = rcButton;
        CWnd* pOwner = GetDropDownOwner();
        LRESULT lResult =
            pOwner != nullptr ? pOwner->SendMessage(XTWM_DROPDOWN_NOPOPUP, (WPARAM)pNotify, (LPARAM)(LPRECT)&rect) : 0;
        if (lResult == 0)
            ReleaseDropDown();
        // Keeps the button-up from reaching a window under the pointer.
        if (::GetKeyState(VK_LBUTTON) < 0)
        {
            SetCapture();
            m_bCapturedAfterDropDown = TRUE;
        }
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

BOOL CXTToolBar::CreateColorPopup(CXTButtonInfo* pInfo, const CRect& rcButton)
{
    // The popup deletes itself; its choice comes back with the command as value.
    CXTColorPopupWnd* pPopup = new CXTColorPopupWnd(TRUE, (LPARAM)pInfo->nCommandID);
    if (!pPopup->Create(rcButton, this, pInfo->dwPopupStyle, pInfo->clrSelected, pInfo->clrDefault))
    {
        delete pPopup;
        return FALSE;
    }
    m_hWndColorPopup = pPopup->m_hWnd;
    return TRUE;
}

BOOL CXTToolBar::OpenColorPopup(CXTButtonInfo* pInfo, const CRect& rcButton)
{
    if (m_hWndColorPopup != nullptr && ::IsWindow(m_hWndColorPopup))
        ::DestroyWindow(m_hWndColorPopup);
    m_hWndColorPopup = nullptr;
    PublishDropDownRect(rcButton, FALSE);
    m_nDropDownCommand = (int)pInfo->nCommandID;
    if (CreateColorPopup(pInfo, rcButton))
        return TRUE;
    m_nDropDownCommand = -1;
    return FALSE;
}

LRESULT CXTToolBar::OnColorPick(WPARAM wParam, LPARAM lParam)
{
    if (CXTButtonInfo* pInfo = FindDropDownInfo((UINT)lParam))
        pInfo->clrSelected = (COLORREF)wParam;
    Invalidate();
    if (CWnd* pOwner = GetDropDownOwner())
        pOwner->SendMessage(XTWM_TOOLBAR_COLORPICK, wParam, lParam);
    return 0;
}

LRESULT CXTToolBar::OnColorNotify(WPARAM wParam, LPARAM lParam)
{
    // No change, cancel and No Fill reach the owner as a choice does.
    if (CWnd* pOwner = GetDropDownOwner())
        pOwner->SendMessage((UINT)GetCurrentMessage()->message, wParam, lParam);
    return 0;
}

LRESULT CXTToolBar::OnColorClose(WPARAM wParam, LPARAM)
{
    ReleaseDropDown();
    m_hWndColorPopup = nullptr;
    m_nDropDownCommand = -1;
    if (CWnd* pOwner = GetDropDownOwner())
        pOwner->SendMessage(XTWM_TOOLBAR_COLORCLOSE, wParam, (LPARAM)-1);
    return 0;
}

BOOL CXTToolBar::OnHotItemChange(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTBHOTITEM* pHot = reinterpret_cast<NMTBHOTITEM*>(pNMHDR);
    // Dragging over the bar with the button down does not move the hot item.
    if (::GetKeyState(VK_LBUTTON) < 0 && !(pHot->dwFlags & (HICF_ENTERING | HICF_LEAVING)) &&
        pHot->idOld != pHot->idNew)
    {
        *pResult = 1;
        return TRUE;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Tool tips and command update

INT_PTR CXTToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    INT_PTR nHit = CXTControlBar::OnToolHitTest(point, pTI);
    if (nHit != -1)
        return nHit;
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button;
        GetButton(i, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        CRect rect;
        if (!::SendMessageA(m_hWnd, TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rect))
            continue;
        rect.right += 1;
        rect.bottom += 1;
        if (!rect.PtInRect(point))
            continue;
        const UINT nID = (UINT)button.idCommand;
        if (pTI != nullptr && pTI->cbSize >= TTTOOLINFOA_V1_SIZE)
        {
            if (!xtAfxData.m_bBarTips)
                return -1;
            pTI->hwnd = m_hWnd;
            pTI->uId = nID;
            pTI->rect = rect;
            CString strTip = LoadToolTipText(nID);
            if (strTip.IsEmpty())
                return -1;
            CString strKeys;
            if (xtAfxData.m_bBarTipKeys && GetAccelManager().GetShortcutText(nID, strKeys) && !strKeys.IsEmpty())
            {
                int nComma = strKeys.Find(',');
                strTip += " (" + (nComma < 0 ? strKeys : strKeys.Left(nComma)) + ")";
            }
            // The caller frees the text with free().
            pTI->lpszText = _strdup(strTip);
        }
        return nID == 0 ? -1 : (INT_PTR)nID;
    }
    return -1;
}

void CXTToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CXTToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)ButtonCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        TBBUTTON button;
        GetButton((int)state.m_nIndex, &button);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nID = (UINT)button.idCommand;
        // The bar's own handler first, then the frame's.
        if (OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
    if (m_pChevron != nullptr && m_pChevron->m_hWnd != nullptr)
        m_pChevron->EnableWindow(m_pChevron->IsUseful());
}

// ---------------------------------------------------------------------------
// The control's own customise dialog

void CXTToolBar::OnBeginAdjust(NMHDR*, LRESULT* pResult)
{
    if (m_nAdjustResult != 0)
    {
        *pResult = m_nAdjustResult;
        return;
    }
    ShowAllHidden();
    m_bAdjustDialog = TRUE;
    PostRelayout();
    *pResult = 0;
}

void CXTToolBar::OnEndAdjust(NMHDR*, LRESULT* pResult)
{
    m_bAdjustDialog = FALSE;
    if (m_nAdjustResult == 0 && !m_strSettingsPath.IsEmpty())
        SaveBarState(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), m_strValueName);
    *pResult = 0;
}

void CXTToolBar::OnQueryInsert(NMHDR*, LRESULT* pResult)
{
    *pResult = TRUE;
}

void CXTToolBar::OnQueryDelete(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTOOLBARA* pNotify = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    TBBUTTON button;
    BOOL bHidden = (pNotify->tbButton.fsState & TBSTATE_HIDDEN) != 0;
    if (GetControlButton(pNotify->iItem, &button))
        bHidden = bHidden || (button.fsState & TBSTATE_HIDDEN);
    *pResult = !(pNotify->tbButton.idCommand != 0 && bHidden);
}

void CXTToolBar::OnToolBarChange(NMHDR*, LRESULT* pResult)
{
    CalcDynamicLayout(0, RelayoutMode());
    RepositionControls();
    *pResult = 0;
}

void CXTToolBar::OnCustHelp(NMHDR*, LRESULT* pResult)
{
    AfxShowMessageBox(m_hWnd, "Help not implemented!", nullptr, MB_OK | MB_ICONINFORMATION);
    *pResult = 0;
}

void CXTToolBar::OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTOOLBARA* pNotify = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    if (pNotify->iItem < 0 || pNotify->iItem >= (int)m_arrButtons.size())
    {
        *pResult = FALSE;
        return;
    }
    CXTToolBarButton* pRecord = m_arrButtons[(size_t)pNotify->iItem].get();
    if (pRecord->m_button.idCommand > 0 && !(pRecord->m_button.fsStyle & TBSTYLE_SEP))
    {
        auto it = m_mapCommandText.find((UINT)pRecord->m_button.idCommand);
        CString strText = it != m_mapCommandText.end() ? it->second : LoadAdjustText((UINT)pRecord->m_button.idCommand);
        if (pNotify->pszText != nullptr && pNotify->cchText > 0)
        {
            lstrcpynA(pNotify->pszText, strText, pNotify->cchText);
            pNotify->cchText = (int)strlen(pNotify->pszText);
        }
        auto itIndex = m_mapTextIndex.find((LPCSTR)strText);
        if (itIndex != m_mapTextIndex.end())
            pRecord->m_button.iString = itIndex->second;
    }
    pNotify->tbButton = pRecord->m_button;
    if (pRecord->m_pControl != nullptr && pRecord->m_pControl->m_hWnd != nullptr)
        PositionControl(pRecord->m_pControl);
    *pResult = TRUE;
}

// ---------------------------------------------------------------------------
// Drawing

BOOL CXTToolBar::OnEraseBkgnd(CDC*)
{
    // The control erases under its buttons itself.
    return (BOOL)Default();
}

void CXTToolBar::OnPaint()
{
    OnPaintBar();
}

void CXTToolBar::OnPaintBar()
{
    if (m_bDelayedLayout)
        Layout();
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.IsRectEmpty())
        return;
    CXTMemDC memDC(&dc, rcClient, FillsBackground() ? GetBackgroundColor() : (COLORREF)-1);
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);
    for (const auto& callback : m_arrPaintCallbacks)
        callback.second(callback.first, &memDC);
}

void CXTToolBar::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTBCUSTOMDRAW* pDraw = reinterpret_cast<NMTBCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (!(GetStyle() & TBSTYLE_FLAT) || m_bPainting)
        return;
    CDC* pDC = CDC::FromHandle(pDraw->nmcd.hdc);
    switch (pDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        m_bBackgroundPending = TRUE;
        *pResult = CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
        break;
    case CDDS_ITEMPREPAINT:
        // Once a paint: buttons whose image the bar lacks take the command's icon from any bar.
        if (m_bBackgroundPending)
            FixMissingImages();
        if (DrawButton(pDC, pDraw))
            *pResult = CDRF_SKIPDEFAULT;
        break;
    case CDDS_POSTPAINT:
    {
        FillWrapGaps(pDC);
        DrawSeparators(pDC);
        CXTToolBarPainter* pPainter = GetPainter()->GetToolBarPainter();
        if (m_nDroppedIndex >= 0 && pPainter != nullptr)
            pPainter->DrawDropShadow(pDC, this, m_nDroppedIndex);
        break;
    }
    default:
        break;
    }
}

BOOL CXTToolBar::DrawButton(CDC* pDC, NMTBCUSTOMDRAW* pDraw)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_bBackgroundPending)
    {
        m_bBackgroundPending = FALSE;
        if (FillsBackground())
            pDC->FillSolidRect(&rcClient, GetBackgroundColor());
    }
    const int nIndex = CommandToIndex((UINT)pDraw->nmcd.dwItemSpec);
    TBBUTTON button;
    if (!GetButton(nIndex, &button))
        return FALSE;
    if (CXTToolBarPainter* pPainter = GetPainter()->GetToolBarPainter())
    {
        pPainter->DrawButton(pDC, this, nIndex);
        return TRUE;
    }
    if (button.iBitmap < 0)
        return FALSE;

    const CRect rcItem = pDraw->nmcd.rc;
    const BOOL bDisabled = (button.fsState & XT_TBSTATE_DISABLED) != 0;
    CXTButtonInfo* pInfo = FindDropDownInfo((UINT)button.idCommand);
    if (pInfo != nullptr && pInfo->bColorBar && pInfo->bColorPopup)
    {
        CRect rcBar(rcItem.left + 4, rcItem.bottom - 7, rcItem.left + m_sizeButton.cx - 4, rcItem.bottom - 4);
        if (button.fsState & (TBSTATE_CHECKED | TBSTATE_PRESSED))
            rcBar.OffsetRect(1, 1);
        pDC->FillSolidRect(&rcBar, bDisabled ? xtAfxData.m_clr3DShadow : pInfo->clrSelected);
        pDC->ExcludeClipRect(&rcBar);
    }
    if (!m_bInRebar)
        pDC->FillSolidRect(&rcItem, GetBackgroundColor());
    else
    {
        // The band's own background shows through.
        CRect rcClip, rcUpdate;
        pDC->GetClipBox(&rcClip);
        if (rcUpdate.IntersectRect(&rcItem, &rcClip))
        {
            m_bPainting = TRUE;
            InvalidateRect(&rcUpdate);
            UpdateWindow();
            m_bPainting = FALSE;
        }
    }
    if (button.fsState & TBSTATE_CHECKED)
        return FALSE;
    const BOOL bPopupOpen = m_hWndColorPopup != nullptr && m_nDropDownCommand == button.idCommand;
    if (!(bDisabled && m_bEmbossedDisabled) && !bPopupOpen)
        return FALSE;
    const BOOL bArrow = (button.fsStyle & TBSTYLE_DROPDOWN) &&
                        (SendMessage(TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
    if (bArrow || !GetButtonText(nIndex).IsEmpty())
        return FALSE;
    HIMAGELIST hList = (HIMAGELIST)SendMessage(TB_GETIMAGELIST);
    DrawEmbossedImage(pDC, hList, button.iBitmap, rcItem.left + (m_sizeButton.cx - m_sizeImage.cx) / 2 + 1,
                      rcItem.top + (m_sizeButton.cy - m_sizeImage.cy) / 2 + 1);
    return TRUE;
}

void CXTToolBar::DrawSeparators(CDC* pDC)
{
    CXTToolBarPainter* pPainter = GetPainter()->GetToolBarPainter();
    const COLORREF clrBack = GetBackgroundColor();
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nCount = ButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button;
        CRect rc;
        if (!GetButton(i, &button) || !(button.fsStyle & TBSTYLE_SEP) || (button.fsState & TBSTATE_HIDDEN) ||
            !SendMessage(TB_GETITEMRECT, (WPARAM)i, (LPARAM)(LPRECT)&rc))
            continue;
        if (pPainter != nullptr)
        {
            if (button.idCommand != 0)
                pPainter->EraseButton(pDC, this, i);
            else
                pPainter->DrawSeparator(pDC, this, i);
            continue;
        }
        if (button.idCommand != 0)
        {
            // A control's place: its picture is printed into the bar's drawing.
            if (!m_bInRebar)
                pDC->FillSolidRect(&rc, clrBack);
            CWnd* pControl = GetDlgItem(button.idCommand);
            if (pControl == nullptr || !(pControl->GetStyle() & WS_VISIBLE))
                continue;
            CRect rcControl;
            pControl->GetWindowRect(&rcControl);
            ScreenToClient(&rcControl);
            int nSaved = pDC->SaveDC();
            pDC->IntersectClipRect(&rcClient);
            ::OffsetViewportOrgEx(pDC->m_hDC, rcControl.left, rcControl.top, nullptr);
            pControl->SendMessage(WM_PRINT, (WPARAM)pDC->m_hDC,
                                  PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_NONCLIENT);
            pDC->RestoreDC(nSaved);
        }
        else if (button.fsState & TBSTATE_WRAP)
        {
            const int cxSeparator = button.iBitmap;
            CRect rcArea(rc.left, rc.bottom - cxSeparator, rc.left + rc.Height(), rc.bottom);
            pDC->FillSolidRect(&rcArea, clrBack);
            const int yLine = (rcArea.top + rcArea.bottom) / 2 - 1;
            CRect rcLine(rcArea.left, yLine, rcArea.right, yLine + 2);
            pDC->DrawEdge(&rcLine, EDGE_ETCHED, BF_TOP);
            pDC->SetPixel(rcArea.right - 1, yLine, xtAfxData.m_clr3DShadow);
        }
        else
        {
            pDC->FillSolidRect(&rc, clrBack);
            CRect rcLine(rc.left + 2, rc.top, rc.left + 4, rc.bottom);
            pDC->DrawEdge(&rcLine, EDGE_ETCHED, BF_LEFT);
            pDC->SetPixel(rc.left + 2, rc.bottom - 1, xtAfxData.m_clr3DShadow);
        }
    }
}

void CXTToolBar::FillWrapGaps(CDC* pDC)
{
    const COLORREF clrBack = GetBackgroundColor();
    const int nCount = ButtonCount();
    for (int i = 1; i < nCount; ++i)
    {
        TBBUTTON button, before;
        if (!GetButton(i, &button) || !GetButton(i - 1, &before))
            continue;
        const BOOL bWrapSeparator = (button.fsStyle & TBSTYLE_SEP) && (button.fsState & TBSTATE_WRAP) &&
                                    !(button.fsState & TBSTATE_HIDDEN);
        const BOOL bButtonBefore = !(before.fsStyle & TBSTYLE_SEP) && !(before.fsState & TBSTATE_HIDDEN);
        CRect rc;
        if (!bWrapSeparator || !bButtonBefore || !SendMessage(TB_GETITEMRECT, (WPARAM)(i - 1), (LPARAM)(LPRECT)&rc))
            continue;
        pDC->FillSolidRect(rc.right, rc.top, button.iBitmap, rc.Height(), clrBack);
    }
}

// ---------------------------------------------------------------------------
// Customisation

void CXTToolBar::DescribeForSheet(CXTBarInfo& info)
{
    info.pBar = this;
    info.bCanHide = TRUE;
    info.bUserCreated = FALSE;
    info.reset = [this]() {
        ResetToDefault(TRUE);
        return 0;
    };
}

void CXTToolBar::GetCustomizeInfo(XT_COMMAND_GROUPS& groups)
{
    auto pGroup = std::make_unique<CXTCommandGroup>();
    GetWindowText(pGroup->m_strName);
    if (pGroup->m_strName.IsEmpty())
        pGroup->m_strName = LoadToolkitString(XT_IDS_TOOLBAR, "Toolbar");
    pGroup->m_nSortKey = GetDlgCtrlID() + 2000;
    XT_TOOLBAR_STATE state;
    if (m_bHasDefaultState && state.Parse(m_defaultState))
    {
        for (const XT_TOOLBAR_STATE::Entry& entry : state.entries)
        {
            if ((entry.fsStyle & TBSTYLE_SEP) || entry.nID == 0)
                continue;
            auto pItem = std::make_unique<CXTCommandItem>();
            pItem->m_nID = entry.nID;
            pItem->m_strText = CXTCommandItem::DisplayName(entry.nID);
            auto text = state.texts.find(entry.nID);
            if (text != state.texts.end())
                pItem->m_strText2 = text->second;
            if (entry.bDropDown)
                pItem->m_pDropDown = std::make_unique<CXTButtonInfo>(entry.dropDown);
            pGroup->m_items.push_back(std::move(pItem));
        }
    }
    if (pGroup->m_items.empty())
        for (int i = 0; i < GetCount(); ++i)
            if (std::unique_ptr<CXTCommandItem> pItem = CreateCommandInfo(i))
                pGroup->m_items.push_back(std::move(pItem));
    groups.push_back(std::move(pGroup));
}

std::unique_ptr<CXTCommandItem> CXTToolBar::CreateCommandInfo(int nIndex)
{
    TBBUTTON button;
    if (!GetControlButton(nIndex, &button) || (button.fsStyle & TBSTYLE_SEP) || button.idCommand == 0)
        return nullptr;
    auto pItem = std::make_unique<CXTCommandItem>();
    pItem->m_nID = (UINT)button.idCommand;
    pItem->m_strText = CXTCommandItem::DisplayName(pItem->m_nID);
    if (button.iBitmap >= 0 && GetImageList() != nullptr)
    {
        pItem->m_icon.SetHandle(ImageList_GetIcon(GetImageList(), button.iBitmap, ILD_NORMAL));
        HIMAGELIST hHot = (HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST);
        if (hHot != nullptr && button.iBitmap < ImageList_GetImageCount(hHot))
            pItem->m_iconHot.SetHandle(ImageList_GetIcon(hHot, button.iBitmap, ILD_NORMAL));
    }
    if (nIndex < (int)m_arrButtons.size() && m_arrButtons[(size_t)nIndex]->GetDropDown() != nullptr)
        pItem->m_pDropDown = std::make_unique<CXTButtonInfo>(*m_arrButtons[(size_t)nIndex]->GetDropDown());
    if (button.iString != -1)
        pItem->m_strText2 = GetButtonText(nIndex);
    return pItem;
}

void CXTToolBar::DeleteButtonAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex);
    if (nIndex < (int)m_arrButtons.size())
        m_arrButtons.erase(m_arrButtons.begin() + nIndex);
    m_nCount = (int)m_arrButtons.size();
    m_bDelayedLayout = TRUE;
}

void CXTToolBar::MoveButton(int nFrom, int nTo)
{
    TBBUTTON button;
    if (nFrom == nTo || !GetControlButton(nFrom, &button) || nFrom >= (int)m_arrButtons.size())
        return;
    std::unique_ptr<CXTToolBarButton> pRecord = std::move(m_arrButtons[(size_t)nFrom]);
    m_arrButtons.erase(m_arrButtons.begin() + nFrom);
    SendMessage(TB_DELETEBUTTON, (WPARAM)nFrom);
    nTo = std::max<int>(0, std::min<int>(nTo, GetCount()));
    SendMessage(TB_INSERTBUTTONA, (WPARAM)nTo, (LPARAM)&button);
    m_arrButtons.insert(m_arrButtons.begin() + nTo, std::move(pRecord));
    m_bDelayedLayout = TRUE;
}

void CXTToolBar::InsertSeparator(int nIndex)
{
    TBBUTTON button = {};
    button.fsStyle = TBSTYLE_SEP;
    button.fsState = TBSTATE_ENABLED;
    button.iBitmap = ((GetStyle() & TBSTYLE_FLAT) || ComCtlVersion() == kComCtl472) ? 6 : 8;
    button.iString = -1;
    InsertEntry(nIndex, button, nullptr);
}

BOOL CXTToolBar::RemoveStraySeparators()
{
    auto isPlainSeparator = [this](int i) {
        TBBUTTON button;
        return GetControlButton(i, &button) && (button.fsStyle & TBSTYLE_SEP) && button.idCommand == 0;
    };
    BOOL bChanged = FALSE;
    while (GetCount() > 0 && isPlainSeparator(0))
    {
        DeleteButtonAt(0);
        bChanged = TRUE;
    }
    while (GetCount() > 0 && isPlainSeparator(GetCount() - 1))
    {
        DeleteButtonAt(GetCount() - 1);
        bChanged = TRUE;
    }
    for (int i = GetCount() - 1; i > 0; --i)
        if (isPlainSeparator(i) && isPlainSeparator(i - 1))
        {
            DeleteButtonAt(i);
            bChanged = TRUE;
        }
    return bChanged;
}

void CXTToolBar::EnableTextLabels()
{
    for (int i = 0; i < GetCount(); ++i)
    {
        TBBUTTON button;
        if (GetControlButton(i, &button) && button.iString != -1)
            return;
    }
    ModifyStyle(0, TBSTYLE_LIST);
    m_bShowText = TRUE;
    FixListStyleButtons();
    PostRelayout();
}

void CXTToolBar::OnReset(NMHDR*, LRESULT* pResult)
{
    ResetToDefault(TRUE);
    *pResult = 0;
}
