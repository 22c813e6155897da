#include "toolkit/bars/XTMenuBar.h"

#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/bars/XTMenuCommands.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMBarMDIWndHook.h"
#include "toolkit/bars/XTMBarWndHook.h"
#include "toolkit/bars/XTMenu.h"
#include "toolkit/bars/XTMenuBarMDIButton.h"
#include "toolkit/bars/XTMenuBarMenuItem.h"
#include "toolkit/bars/XTMenuBarSysMenuItem.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTShadowRamp.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/frame/XTFrameHelper.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTOSVersion.h"
#include "toolkit/frame/XTTextHelpers.h"

#include "framework/FrameWnd.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/WinApp.h"

#include <algorithm>
#include <string.h>

IMPLEMENT_DYNAMIC(CXTMenuBar, CXTControlBar)

namespace {

// The frame helpers make their menu bar through this; the helper deletes it.
IXTMenuBar* MakeFrameMenuBar()
{
    return new CXTMenuBar;
}

// Registered before main. A program that never names CXTMenuBar leaves this
// file out of its link, and with it the factory: it could not create the
// bar's window anyway, so its frames simply have no menu bar object.
// A frame whose menu the bar shows has no window menu: the shortcut manager
// finds its commands here.
HMENU MenuOfFrameMenuBar(HWND hWndFrame)
{
    CFrameWnd* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWndFrame));
    IXTMenuBar* pMenuBar = pFrame != nullptr ? CXTFrameHelper::FindMenuBar(pFrame) : nullptr;
    return pMenuBar != nullptr ? pMenuBar->GetMenuBarMenu() : nullptr;
}

struct FrameMenuBarRegistration
{
    FrameMenuBarRegistration()
    {
        CXTFrameHelper::SetMenuBarFactory(MakeFrameMenuBar);
        CXTAccelManager::SetMenuBarMenuQuery(MenuOfFrameMenuBar);
    }
};
const FrameMenuBarRegistration g_frameMenuBarRegistration;

} // namespace

// Handler signatures: see CWnd.
BEGIN_MESSAGE_MAP(CXTMenuBar, CXTControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace {

const int kMaxTopLevelText = 64;    // 63 characters and the end
const int kTextPadding = 14;
const int kShadowDepth = 4;
const UINT kFirstMDIChild = AFX_IDM_FIRST_MDICHILD;
const UINT kMoreWindows = AFX_IDM_FIRST_MDICHILD + 9;
const int kWindowListPlaces = 9;

// The thread's tracking: the bar whose popup is open and the message filter
// that watches its menu loop (installed once however deep tracking nests).
CXTMenuBar* g_pTrackingBar = nullptr;
HHOOK g_hMenuFilter = nullptr;
int g_nTrackDepth = 0;

struct MDIButtonRow
{
    CXTMenuBarMDIButton::Kind kind;
    UINT nSysCommand;
    int nGap;
};

const MDIButtonRow kMDIButtons[] = {
    { CXTMenuBarMDIButton::kindMinimize, SC_MINIMIZE, 0 },
    { CXTMenuBarMDIButton::kindRestore, SC_RESTORE, 2 },
    { CXTMenuBarMDIButton::kindClose, SC_CLOSE, 0 },
};

CString MenuString(HMENU hMenu, int nPosition)
{
    char szText[kMaxTopLevelText] = "";
    ::GetMenuStringA(hMenu, nPosition, szText, sizeof(szText), MF_BYPOSITION);
    return szText;
}

// The same popup: as many entries, each with the same text and command.
BOOL SameSubMenu(HMENU hFirst, HMENU hSecond)
{
    if (hFirst == nullptr || hSecond == nullptr)
        return hFirst == hSecond;
    const int nCount = ::GetMenuItemCount(hFirst);
    if (nCount != ::GetMenuItemCount(hSecond))
        return FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        if (::GetMenuItemID(hFirst, i) != ::GetMenuItemID(hSecond, i) || MenuString(hFirst, i) != MenuString(hSecond, i))
            return FALSE;
    }
    return TRUE;
}

BOOL HasMatchingEntry(HMENU hMenu, const CString& strText, HMENU hSubMenu)
{
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
        if (MenuString(hMenu, i) == strText && SameSubMenu(::GetSubMenu(hMenu, i), hSubMenu))
            return TRUE;
    return FALSE;
}

HICON SmallIconOf(HWND hWnd)
{
    HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, ICON_SMALL, 0));
    if (hIcon == nullptr)
        hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hWnd, GCLP_HICONSM));
    if (hIcon == nullptr)
        hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32517));   // IDI_WINLOGO
    return hIcon;
}

BOOL IsWindows2000OrLater()
{
    const OSVERSIONINFOA& os = GetOSVersionInfo();
    return os.dwPlatformId == VER_PLATFORM_WIN32_NT && os.dwMajorVersion >= 5;
}

char KeyCharacter(WPARAM nVirtKey)
{
    UINT nChar = ::MapVirtualKeyA((UINT)nVirtKey, 2 /* MAPVK_VK_TO_CHAR */) & 0xFFFF;
    if (nChar == 0 || nChar > 0xFF || !::IsCharAlphaNumericA((char)nChar))
        return '\0';
    return (char)(UINT_PTR)::CharUpperA(reinterpret_cast<LPSTR>((UINT_PTR)nChar));
}

} // namespace

// ---------------------------------------------------------------------------
// Construction

CXTMenuBar::CXTMenuBar()
{
    m_cxLeftBorder = 3;
    m_cyTopBorder = 3;
    ReadKeyboardCues();
}

CXTMenuBar::~CXTMenuBar()
{
    // The window goes while this class's handlers still run.
    if (m_hWnd != nullptr)
        DestroyWindow();
    DestroyItems();
    m_retiredItems.clear();
    m_pFrameHook.reset();
    m_pMDIClientHook.reset();
    if (m_hGlyphs != nullptr)
        ImageList_Destroy(m_hGlyphs);
    if (m_bOwnDefaultMenu && ::IsMenu(m_hMenuDefault))
    {
        // The user tools' popup belongs to the tools manager.
        HMENU hTools = GetToolsManager().GetMenu();
        for (int i = ::GetMenuItemCount(m_hMenuDefault) - 1; i >= 0; --i)
            if (hTools != nullptr && ::GetSubMenu(m_hMenuDefault, i) == hTools)
                ::RemoveMenu(m_hMenuDefault, i, MF_BYPOSITION);
        ::DestroyMenu(m_hMenuDefault);
    }
}

BOOL CXTMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    DWORD dwBarStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR)
        dwBarStyle |= CBRS_HIDE_INPLACE;
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;
    if (!CreateBar(TOOLBARCLASSNAMEA, dwWndStyle, dwBarStyle, pParentWnd, nID))
        return FALSE;

    TakeFrameMenu(pParentWnd);
    SetWindowText(LoadToolkitString(XT_IDS_MENUBAR, "Menu Bar"));
    ComposeStateNames(nID);
    m_hWndToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                      AfxGetInstanceHandle(), nullptr);
    return TRUE;
}

void CXTMenuBar::TakeFrameMenu(CWnd* pParentWnd)
{
    CWnd* pFrame = GetFrame() != nullptr ? static_cast<CWnd*>(GetFrame()) : pParentWnd;
    HWND hFrame = AfxHwnd(pFrame);
    CMDIFrameWnd* pMDIFrame = dynamic_cast<CMDIFrameWnd*>(pFrame);
    if (pMDIFrame != nullptr)
        m_hWndMDIClient = pMDIFrame->m_hWndMDIClient;
    HMENU hMenu = ::GetMenu(hFrame);
    if (m_hMenuDefault == nullptr)
        m_hMenuDefault = hMenu;
    SetMenu(hMenu, pMDIFrame != nullptr ? CMDIFrameWnd::GetWindowMenuPopup(hMenu) : nullptr);
    if (hMenu != nullptr)
        ::SetMenu(hFrame, nullptr);
    m_pFrameHook = std::make_unique<CXTMBarWndHook>();
    m_pFrameHook->Install(this, hFrame);
    if (m_hWndMDIClient != nullptr)
    {
        m_pMDIClientHook = std::make_unique<CXTMBarMDIWndHook>();
        m_pMDIClientHook->Install(this, m_hWndMDIClient);
    }
}

void CXTMenuBar::ComposeStateNames(UINT nID)
{
    CWinApp* pApp = AfxGetApp();
    LPCSTR pszProfile = pApp != nullptr && pApp->m_pszProfileName != nullptr ? pApp->m_pszProfileName : "";
    LPCSTR pszKey = pApp != nullptr && pApp->m_pszRegistryKey != nullptr ? pApp->m_pszRegistryKey : "";
    m_strBarStateName.Format("%s-Bar%d", pszProfile, (int)nID);
    m_strSettingsKey.Format("Software\\%s\\%s\\Settings", pszKey, pszProfile);
}

BOOL CXTMenuBar::LoadMenuBar(UINT nIDResource)
{
    m_nIDMenuResource = nIDResource;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (hInst == nullptr)
        return FALSE;
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    if (hMenu == nullptr)
        return FALSE;
    HMENU hOldDefault = m_bOwnDefaultMenu ? m_hMenuDefault : nullptr;
    m_hMenuDefault = hMenu;
    m_bOwnDefaultMenu = TRUE;
    SetMenu(hMenu, nullptr);
    if (hOldDefault != nullptr && hOldDefault != m_hMenu)
        ::DestroyMenu(hOldDefault);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Attributes

CXTMenuBarItem* CXTMenuBar::GetItem(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_items.size() ? m_items[nIndex].get() : nullptr;
}

int CXTMenuBar::IndexOf(const CXTMenuBarItem* pItem) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == pItem)
            return (int)i;
    return -1;
}

int CXTMenuBar::GetTrackedItem(int* pnItem) const
{
    if (pnItem != nullptr)
        *pnItem = m_nTrackedItem;
    return m_nTrackState;
}

int CXTMenuBar::GetOpenMenuPosition() const
{
    CXTMenuBarMenuItem* pItem = dynamic_cast<CXTMenuBarMenuItem*>(GetItem(m_nPopupItem));
    return pItem != nullptr ? pItem->GetPosition() : -1;
}

void CXTMenuBar::SetFrameActive(BOOL bActive)
{
    bActive = bActive != FALSE;
    if (m_bFrameActive == bActive)
        return;
    m_bFrameActive = bActive;
    if (m_hWnd != nullptr)
        Invalidate();
}

BOOL CXTMenuBar::IsShowMnemonics()
{
    return GetXTMenuState().bAltPressed;
}

CFrameWnd* CXTMenuBar::GetFrame() const
{
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

BOOL CXTMenuBar::IsHorzLayout() const
{
    return (m_dwStyle & CBRS_FLOATING) || !(m_dwStyle & CBRS_ORIENT_VERT);
}

UINT CXTMenuBar::GetPopupSide() const
{
    if (IsLeftDocked())
        return CBRS_ALIGN_LEFT;
    if (IsRightDocked())
        return CBRS_ALIGN_RIGHT;
    if (IsBottomDocked())
        return CBRS_ALIGN_BOTTOM;
    return CBRS_ALIGN_TOP;
}

// ---------------------------------------------------------------------------
// The menu and its items

HMENU CXTMenuBar::SetMenu(HMENU hMenu, HMENU hMenuWindow)
{
    if (hMenu == nullptr && hMenuWindow == nullptr)
        hMenu = m_hMenuDefault;
    HMENU hOld = m_hMenu;
    m_hMenu = hMenu;

    CXTToolsManager& tools = GetToolsManager();
    if (tools.IsEnabled() && tools.GetMenu() != nullptr)
        InsertToolsMenu(tools.GetMenuPosition(m_hMenu == m_hMenuDefault));

    DestroyItems();
    ResetTrackingState();
    BuildItems();
    BuildDocumentMenuMap();

    m_hMenuWindow = hMenuWindow;
    UpdateActiveMDIChild(FALSE);
    if (m_hWnd != nullptr)
    {
        CRect rect;
        GetClientRect(&rect);
        LayoutItems(IsHorzLayout() ? rect.Width() : rect.Height(), IsHorzLayout(), FALSE);
        if (CFrameWnd* pFrame = GetFrame())
            pFrame->RecalcLayout();
        Invalidate();
    }
    return hOld;
}

void CXTMenuBar::InsertToolsMenu(int nPosition)
{
    if (!::IsMenu(m_hMenu) || nPosition == -1)
        return;
    if (nPosition > ::GetMenuItemCount(m_hMenu))
        nPosition = 0;
    const CString strTools = LoadToolkitString(XT_IDS_TOOLSMENU, "&Tools");
    const CString strEntry = MenuString(m_hMenu, nPosition);
    if (strEntry.IsEmpty() || strEntry == strTools)
        return;
    ::InsertMenuA(m_hMenu, nPosition, MF_BYPOSITION | MF_POPUP | MF_STRING,
                  reinterpret_cast<UINT_PTR>(GetToolsManager().GetMenu()), strTools);
}

void CXTMenuBar::DestroyItems()
{
    // Items taken away while one of them opens its popup live until the
    // tracking ends.
    if (g_nTrackDepth > 0)
    {
        for (std::unique_ptr<CXTMenuBarItem>& pItem : m_items)
            m_retiredItems.push_back(std::move(pItem));
        m_bItemsReplaced = TRUE;
    }
    m_items.clear();
}

void CXTMenuBar::ResetTrackingState()
{
    m_nHotItem = -1;
    m_nPressedButton = -1;
    m_nMDIHotButton = -1;
    m_nTrackedItem = -1;
    m_nNextItem = -1;
    m_nTrackState = trackNone;
    m_bMDIButtonDown = FALSE;
    m_bRightToNext = TRUE;
    m_bLeftToPrevious = TRUE;
    m_bEscapePressed = FALSE;
    m_bPointValid = FALSE;
    m_bAltAlone = FALSE;
}

void CXTMenuBar::BuildItems()
{
    m_items.push_back(std::make_unique<CXTMenuBarSysMenuItem>(this));
    const int nCount = ::IsMenu(m_hMenu) ? ::GetMenuItemCount(m_hMenu) : 0;
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hDC, xtAfxData.m_fontNormal.m_hObject);
    for (int nPosition = 0; nPosition < nCount; ++nPosition)
    {
        CString strText = MenuString(m_hMenu, nPosition);
        if (strText.IsEmpty())
            continue;
        // Measured as drawn without its marks; "&&" counts as two characters.
        CString strMeasured = strText;
        StripMnemonicAmpersands(strMeasured);
        SIZE extent = { 0, 0 };
        ::GetTextExtentPoint32A(hDC, strMeasured, strMeasured.GetLength(), &extent);
        CSize size(extent.cx + kTextPadding, extent.cy + 2);
        m_items.push_back(std::make_unique<CXTMenuBarMenuItem>(this, nPosition, strText, size));
    }
    ::SelectObject(hDC, hOldFont);
    ::ReleaseDC(nullptr, hDC);
    for (const MDIButtonRow& row : kMDIButtons)
        m_items.push_back(std::make_unique<CXTMenuBarMDIButton>(this, row.kind, row.nSysCommand, row.nGap));
}

void CXTMenuBar::BuildDocumentMenuMap()
{
    m_mapDocumentMenu.clear();
    if (m_hWndMDIClient == nullptr || !::IsMenu(m_hMenu))
        return;
    HWND hChild = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    CMDIChildWnd* pChild = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(hChild));
    HMENU hShared = pChild != nullptr ? pChild->GetSharedMenu() : nullptr;
    // Without a template menu nothing is the document's: the frame keeps all.
    if (!::IsMenu(hShared))
        return;
    const int nCount = ::GetMenuItemCount(m_hMenu);
    for (int nPosition = 0; nPosition < nCount; ++nPosition)
    {
        if (!HasMatchingEntry(hShared, MenuString(m_hMenu, nPosition), ::GetSubMenu(m_hMenu, nPosition)))
            m_mapDocumentMenu[nPosition + 1] = TRUE;
    }
}

BOOL CXTMenuBar::HideCommand(UINT nID)
{
    m_hiddenCommands.push_back(nID);
    return TRUE;
}

BOOL CXTMenuBar::HideCommands(const UINT* pIDs, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        if (!HideCommand(pIDs[i]))
            return FALSE;
    return TRUE;
}

void CXTMenuBar::UpdateActiveMDIChild(BOOL bRebuild)
{
    if (m_hWndMDIClient == nullptr || !::IsWindow(m_hWndMDIClient))
        return;
    BOOL bMaximized = FALSE;
    HWND hChild = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized));
    bMaximized = hChild != nullptr && bMaximized && (::GetWindowLongA(hChild, GWL_STYLE) & WS_SYSMENU);
    if (hChild == m_hWndActiveChild && bMaximized == m_bMaximized)
        return;
    m_hWndActiveChild = hChild;
    m_bMaximized = bMaximized;
    if (!bRebuild || m_hWnd == nullptr)
        return;
    if (CFrameWnd* pFrame = GetFrame())
        pFrame->RecalcLayout();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Layout

CSize CXTMenuBar::GetBorderSize(BOOL bHorz) const
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    return CSize(-rect.Width(), -rect.Height());
}

CSize CXTMenuBar::LayoutItems(int nLength, BOOL bHorz, BOOL bStretch)
{
    XT_MENUBAR_LAYOUT layout(m_items.size());
    const int nFirstButton = MDIButtonFirstIndex();
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        const CXTMenuBarItem* pItem = m_items[i].get();
        XT_MENUBAR_LAYOUT_ITEM& item = layout[i];
        item.size = pItem->GetSize();
        item.nGap = pItem->GetGap();
        item.bCanWrap = pItem->CanWrap();
        item.bHidden = pItem->IsHidden();
        item.bRightAlign = (int)i >= nFirstButton;
    }
    const CSize sizeBorders = GetBorderSize(bHorz);
    const int nAlongBorders = bHorz ? sizeBorders.cx : sizeBorders.cy;
    const int nAcrossBorders = bHorz ? sizeBorders.cy : sizeBorders.cx;
    const int cyRow = ::GetSystemMetrics(SM_CYMENU);
    const BOOL bFloating = (m_dwStyle & CBRS_FLOATING) != 0;
    const int nClientLength = std::max(0, nLength - nAlongBorders);
    if (bFloating)
        FindFloatingWrapLength(layout, nClientLength, cyRow);
    else
        WrapMenuBarItems(layout, nClientLength);
    int nEnd = 0;
    if (bStretch && !bFloating && m_bRightAlignMDIButtons)
        nEnd = nClientLength - ::GetSystemMetrics(SM_CXEDGE);
    CSize extent = PlaceMenuBarItems(layout, bHorz, cyRow, nEnd);
    for (size_t i = 0; i < m_items.size(); ++i)
    {
        m_items[i]->m_rect = layout[i].rect;
        m_items[i]->m_bWrap = layout[i].bWrap;
    }
    int nAlong = extent.cx + nAlongBorders;
    if (bStretch)
        nAlong = std::max(nAlong, nLength);
    const int nAcross = extent.cy + nAcrossBorders;
    return bHorz ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
}

CSize CXTMenuBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // The bar runs the whole length the frame offers, as a native menu does.
    int nLength = m_nRowLength;
    BOOL bStretch = TRUE;
    if (nLength <= 0)
    {
        CFrameWnd* pFrame = GetFrame();
        if (pFrame != nullptr && pFrame->m_hWnd != nullptr)
        {
            CRect rect;
            pFrame->GetClientRect(&rect);
            nLength = bHorz ? rect.Width() : rect.Height();
        }
        else
        {
            nLength = 32767;
            bStretch = FALSE;
        }
    }
    return LayoutItems(nLength, bHorz, bStretch);
}

CSize CXTMenuBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZDOCK) != 0);
    const BOOL bHorz = (dwMode & LM_HORZ) != 0 || (m_dwStyle & CBRS_FLOATING) != 0;
    if (dwMode & LM_MRUWIDTH)
        nLength = (int)m_nMRUWidth;
    if (nLength < 0)
        nLength = 32767;
    if ((dwMode & LM_COMMIT) && (m_dwStyle & CBRS_FLOATING))
        m_nMRUWidth = (UINT)nLength;
    return LayoutItems(nLength, bHorz, FALSE);
}

// ---------------------------------------------------------------------------
// Items: lookup, hot item, keyboard mode

int CXTMenuBar::HitTest(CPoint point, const std::vector<int>& indexes) const
{
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!rectClient.PtInRect(point))
        return -1;
    for (int nIndex : indexes)
    {
        const CXTMenuBarItem* pItem = GetItem(nIndex);
        if (pItem != nullptr && !pItem->IsHidden() && pItem->m_rect.PtInRect(point))
            return nIndex;
    }
    return -1;
}

std::vector<int> CXTMenuBar::TrackableItems() const
{
    std::vector<int> indexes;
    for (int i = 0; i < MDIButtonFirstIndex(); ++i)
        if (!m_items[i]->IsHidden())
            indexes.push_back(i);
    return indexes;
}

int CXTMenuBar::NextVisibleItem(int nItem, int nDirection) const
{
    std::vector<int> indexes = TrackableItems();
    if (indexes.empty())
        return -1;
    auto it = std::find(indexes.begin(), indexes.end(), nItem);
    if (it == indexes.end())
        return nDirection > 0 ? indexes.front() : indexes.back();
    int nPos = (int)(it - indexes.begin()) + (nDirection > 0 ? 1 : -1);
    const int nCount = (int)indexes.size();
    return indexes[(nPos + nCount) % nCount];
}

int CXTMenuBar::FindMnemonicItem(char chKey) const
{
    for (int nIndex : TrackableItems())
    {
        char chMnemonic = '\0';
        if (m_items[nIndex]->GetMnemonic(chMnemonic) && chMnemonic == chKey)
            return nIndex;
    }
    return -1;
}

void CXTMenuBar::InvalidateItem(int nIndex)
{
    CXTMenuBarItem* pItem = GetItem(nIndex);
    if (pItem == nullptr || m_hWnd == nullptr)
        return;
    CRect rect = pItem->m_rect;
    rect.InflateRect(0, 0, kShadowDepth, kShadowDepth);
    InvalidateRect(&rect, FALSE);
}

void CXTMenuBar::SetHotItem(int nItem)
{
    if (nItem == m_nHotItem)
        return;
    InvalidateItem(m_nHotItem);
    m_nHotItem = nItem;
    InvalidateItem(m_nHotItem);
}

void CXTMenuBar::EnterKeyboardMode(int nItem)
{
    if (nItem < 0)
        return;
    m_nTrackState = trackKeyboard;
    SetHotItem(nItem);
}

void CXTMenuBar::LeaveKeyboardMode()
{
    m_nTrackState = trackNone;
    SetHotItem(-1);
}

void CXTMenuBar::SetShowMnemonics(BOOL bShow)
{
    XT_MENU_STATE& state = GetXTMenuState();
    bShow = bShow != FALSE;
    if (state.bAltPressed == bShow)
        return;
    state.bAltPressed = bShow;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CXTMenuBar::ReadKeyboardCues()
{
    BOOL bCues = FALSE;
    ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &bCues, 0);
    bCues = bCues != FALSE;
    if (bCues == m_bKeyboardCues)
        return;
    m_bKeyboardCues = bCues;
    if (m_hWnd != nullptr)
        Invalidate();
}

// ---------------------------------------------------------------------------
// Keyboard

void CXTMenuBar::OnNoMnemonicMatch()
{
    ::MessageBeep(0);
}

BOOL CXTMenuBar::TranslateFrameMessage(MSG* pMsg)
{
    if (m_hWnd == nullptr || !IsWindowVisible())
        return FALSE;
    const UINT message = pMsg->message;
    const WPARAM nKey = pMsg->wParam;
    const BOOL bKeyDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if ((bKeyDown || message == WM_SYSKEYUP) && nKey >= VK_F1 && nKey <= VK_F11)
        return FALSE;
    if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK)
    {
        if (pMsg->hwnd != m_hWnd && m_nTrackState == trackKeyboard)
            LeaveKeyboardMode();
        SetShowMnemonics(FALSE);
        return FALSE;
    }
    const BOOL bAltDown = (pMsg->lParam & (1 << 29)) != 0;
    if (message == WM_SYSKEYDOWN && bAltDown)
        SetShowMnemonics(TRUE);

    if (nKey == VK_MENU)
    {
        if (bKeyDown)
        {
            // Auto-repeat keeps what the first press started.
            if (!(pMsg->lParam & (1 << 30)))
                m_bAltAlone = TRUE;
            return TRUE;
        }
        if (message == WM_SYSKEYUP || message == WM_KEYUP)
        {
            const BOOL bAlone = m_bAltAlone;
            m_bAltAlone = FALSE;
            if (bAlone)
            {
                if (m_nTrackState == trackNone)
                    EnterKeyboardMode(m_nHotItem >= 0 ? m_nHotItem : NextVisibleItem(0, 1));
                else if (m_nTrackState == trackKeyboard)
                    LeaveKeyboardMode();
            }
            return TRUE;
        }
        return FALSE;
    }
    if (!bKeyDown)
        return FALSE;
    m_bAltAlone = FALSE;

    if (m_nTrackState == trackKeyboard)
    {
        switch (nKey)
        {
        case VK_RETURN:
        case VK_SPACE:
        case VK_UP:
        case VK_DOWN:
            TrackPopup(m_nHotItem);
            return TRUE;
        case VK_ESCAPE:
            LeaveKeyboardMode();
            SetShowMnemonics(FALSE);
            return TRUE;
        case VK_LEFT:
            SetHotItem(NextVisibleItem(m_nHotItem, -1));
            return TRUE;
        case VK_RIGHT:
            SetHotItem(NextVisibleItem(m_nHotItem, 1));
            return TRUE;
        default:
            break;
        }
    }
    const BOOL bWithAlt = message == WM_SYSKEYDOWN && bAltDown;
    if (!bWithAlt && m_nTrackState != trackKeyboard)
        return FALSE;
    const char chKey = KeyCharacter(nKey);
    if (chKey == '\0')
        return FALSE;
    const int nItem = FindMnemonicItem(chKey);
    if (nItem >= 0)
    {
        TrackPopup(nItem);
        return TRUE;
    }
    if (bWithAlt)
        return FALSE;
    OnNoMnemonicMatch();
    return TRUE;
}

// ---------------------------------------------------------------------------
// Tracking

CPoint CXTMenuBar::GetPopupPosition(const CRect& rcItem, TPMPARAMS& tpm) const
{
    tpm.cbSize = sizeof(TPMPARAMS);
    ::GetWindowRect(::GetDesktopWindow(), &tpm.rcExclude);
    CPoint point;
    if (IsLeftDocked())
    {
        tpm.rcExclude.right = rcItem.right;
        point = CPoint(rcItem.right, rcItem.top);
    }
    else if (IsRightDocked())
    {
        tpm.rcExclude.left = rcItem.left;
        point = CPoint(rcItem.left, rcItem.top);
    }
    else if (IsBottomDocked())
    {
        tpm.rcExclude.top = rcItem.top;
        point = CPoint(rcItem.left, rcItem.top);
    }
    else
    {
        tpm.rcExclude.bottom = rcItem.bottom;
        point = CPoint(rcItem.left, rcItem.bottom);
    }
    point.x = std::max(0, (int)point.x);
    point.y = std::max(0, (int)point.y);
    return point;
}

void CXTMenuBar::TrackPopup(int nItem)
{
    CXTMenuBarItem* pFirst = GetItem(nItem);
    if (pFirst == nullptr || pFirst->IsHidden() || nItem >= MDIButtonFirstIndex())
        return;
    XT_MENU_STATE& state = GetXTMenuState();
    const BOOL bOuter = g_nTrackDepth == 0;
    if (bOuter)
        CXTMBarWndHook::ClearChevronChosen();
    CXTMenuBar* pPreviousBar = g_pTrackingBar;
    m_nNextItem = nItem;
    while (m_nNextItem >= 0 && m_hWnd != nullptr)
    {
        const int nTrack = m_nNextItem;
        m_nNextItem = -1;
        CXTMenuBarItem* pItem = GetItem(nTrack);
        if (pItem == nullptr || pItem->IsHidden())
            break;
        // 1. The item shows pressed, the state says a popup is open.
        m_nTrackState = trackPopup;
        m_nTrackedItem = nTrack;
        m_nPopupItem = nTrack;
        m_bEscapePressed = FALSE;
        m_bRightToNext = TRUE;
        m_bLeftToPrevious = TRUE;
        ::GetCursorPos(&m_ptLastMouse);
        ScreenToClient(&m_ptLastMouse);
        m_bPointValid = TRUE;
        SetHotItem(nTrack);
        InvalidateItem(nTrack);
        UpdateWindow();
        state.bMenuBarTracking = TRUE;

        // 2. The filter watches the menu loop.
        if (g_nTrackDepth++ == 0)
            g_hMenuFilter = ::SetWindowsHookExA(WH_MSGFILTER, MenuFilterHook, nullptr, ::GetCurrentThreadId());
        g_pTrackingBar = this;

        // 3. The popup.
        m_bItemsReplaced = FALSE;
        pItem->OnClick();

        // 4. Back from it.
        g_pTrackingBar = pPreviousBar;
        if (--g_nTrackDepth == 0 && g_hMenuFilter != nullptr)
        {
            ::UnhookWindowsHookEx(g_hMenuFilter);
            g_hMenuFilter = nullptr;
        }
        StopHoverTimer();
        m_nPopupItem = -1;
        m_hMenuPopup = nullptr;
        InvalidateItem(nTrack);
        if (bOuter)
            m_nTrackState = m_bEscapePressed ? trackKeyboard : trackNone;
        // 5. A rebuilt bar ends the loop: the next item's index is stale.
        if (m_bItemsReplaced)
            m_nNextItem = -1;
    }
    if (bOuter)
    {
        state.bMenuBarTracking = FALSE;
        CXTMBarWndHook::ClearChevronChosen();
        m_retiredItems.clear();
    }
    if (m_hWnd == nullptr)
        return;
    if (m_nTrackState == trackNone)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        SetHotItem(HitTest(point, TrackableItems()));
    }
    UpdateWindow();
}

void CXTMenuBar::ClickMenuItem(CXTMenuBarMenuItem* pItem)
{
    CRect rcItem = pItem->m_rect;
    ClientToScreen(&rcItem);
    TPMPARAMS tpm;
    CPoint point = GetPopupPosition(rcItem, tpm);
    HWND hFrame = AfxHwnd(GetFrame());
    HMENU hSubMenu = ::GetSubMenu(m_hMenu, pItem->GetPosition());
    if (hSubMenu == nullptr)
    {
        UINT nID = ::GetMenuItemID(m_hMenu, pItem->GetPosition());
        if (nID != 0 && nID != (UINT)-1)
            ::PostMessageA(hFrame, WM_COMMAND, nID, 0);
        return;
    }
    // After one full menu in this loop, every further popup shows in full.
    XT_MENU_STATE& state = GetXTMenuState();
    state.bShowFullMenus = CXTMBarWndHook::IsChevronChosen();
    state.rcMenuBarItem = rcItem;
    state.nMenuBarAlign = GetPopupSide();
    const BOOL bShadows = xtAfxData.m_bMenuDropShadows;
    if (IsRightDocked() || IsBottomDocked())
        xtAfxData.m_bMenuDropShadows = FALSE;
    m_hMenuPopup = hSubMenu;
    {
        CXTMenu menu;
        menu.Attach(hSubMenu);
        menu.TrackPopupMenuEx(TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, point.x, point.y, hFrame, &tpm, TRUE);
        menu.Detach();
    }
    xtAfxData.m_bMenuDropShadows = bShadows;
}

void CXTMenuBar::ClickSysMenuItem(CXTMenuBarItem* pItem)
{
    HWND hChild = m_hWndActiveChild;
    HMENU hSysMenu = ::IsWindow(hChild) ? ::GetSystemMenu(hChild, FALSE) : nullptr;
    if (hSysMenu == nullptr)
        return;
    CRect rcItem = pItem->m_rect;
    ClientToScreen(&rcItem);
    TPMPARAMS tpm;
    CPoint point = GetPopupPosition(rcItem, tpm);
    // The cool menu leaves the child's system menu as it is.
    XT_MENU_STATE& state = GetXTMenuState();
    const int nPassBy = state.nInitMenuPopupPassBy++;
    m_hMenuPopup = hSysMenu;
    UINT nCommand = (UINT)::TrackPopupMenuEx(hSysMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL | TPM_RETURNCMD,
                                             point.x, point.y, AfxHwnd(GetFrame()), &tpm);
    // No cool menu took the pass: the next popup is not skipped for it.
    if (state.nInitMenuPopupPassBy > nPassBy)
        state.nInitMenuPopupPassBy = nPassBy;
    if (nCommand != 0 && ::IsWindow(hChild))
        ::PostMessageA(hChild, WM_SYSCOMMAND, nCommand, 0);
}

void CXTMenuBar::DblClickSysMenuItem()
{
    if (::IsWindow(m_hWndActiveChild))
        ::PostMessageA(m_hWndActiveChild, WM_SYSCOMMAND, SC_CLOSE, 0);
}

LRESULT CALLBACK CXTMenuBar::MenuFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == MSGF_MENU && g_pTrackingBar != nullptr && g_pTrackingBar->m_hWnd != nullptr
        && g_pTrackingBar->OnMenuFilter(reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(g_hMenuFilter, nCode, wParam, lParam);
}

BOOL CXTMenuBar::OnMenuFilter(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_KEYDOWN:
        if (pMsg->wParam == VK_LEFT && m_bLeftToPrevious)
        {
            ClosePopup(NextVisibleItem(m_nTrackedItem, -1));
            return TRUE;
        }
        if (pMsg->wParam == VK_RIGHT && m_bRightToNext)
        {
            ClosePopup(NextVisibleItem(m_nTrackedItem, 1));
            return TRUE;
        }
        if (pMsg->wParam == VK_ESCAPE)
            m_bEscapePressed = TRUE;
        return FALSE;
    case WM_MOUSEMOVE:
        OnFilterMouseMove(pMsg->pt);
        return FALSE;
    case WM_LBUTTONDOWN:
    {
        CPoint point = pMsg->pt;
        ScreenToClient(&point);
        if (m_nTrackedItem >= 0 && HitTest(point, TrackableItems()) == m_nTrackedItem)
        {
            ClosePopup(-1);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

void CXTMenuBar::OnFilterMouseMove(CPoint ptScreen)
{
    CPoint point = ptScreen;
    ScreenToClient(&point);
    if (m_bPointValid && point == m_ptLastMouse)
        return;
    m_ptLastMouse = point;
    m_bPointValid = TRUE;
    const int nItem = HitTest(point, TrackableItems());
    if (nItem >= 0 && nItem != m_nTrackedItem)
    {
        StopHoverTimer();
        ClosePopup(nItem);
        return;
    }
    // Resting on the open item lets the cool menu show the full menu.
    if (nItem >= 0 && !m_hiddenCommands.empty() && !IsOldMenuSystem(GetOSVersionInfo()))
        StartHoverTimer();
    else
        StopHoverTimer();
}

void CXTMenuBar::ClosePopup(int nNext)
{
    m_nNextItem = nNext;
    ::PostMessageA(AfxHwnd(GetFrame()), WM_CANCELMODE, 0, 0);
}

void CXTMenuBar::StartHoverTimer()
{
    if (m_bHoverTimer)
        return;
    m_bHoverTimer = ::SetTimer(AfxHwnd(GetFrame()), m_nHoverTimerID, m_nHoverDelay, nullptr) != 0;
}

void CXTMenuBar::StopHoverTimer()
{
    if (!m_bHoverTimer)
        return;
    ::KillTimer(AfxHwnd(GetFrame()), m_nHoverTimerID);
    m_bHoverTimer = FALSE;
}

void CXTMenuBar::NoteSubMenuSelect(HMENU hMenu, UINT nItem)
{
    if (m_nPopupItem < 0)
        return;
    m_bRightToNext = !(nItem != (UINT)-1 && ::IsMenu(hMenu) && ::GetSubMenu(hMenu, (int)nItem) != nullptr);
}

HWND CXTMenuBar::GetMenuMessageTarget(BOOL& bSend, UINT message, WPARAM, LPARAM)
{
    bSend = FALSE;
    if (m_mapDocumentMenu.empty() || m_hWndMDIClient == nullptr)
        return nullptr;
    HWND hChild = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    if (hChild == nullptr)
        return nullptr;
    auto isDocumentPosition = [this](int nPosition) {
        return nPosition >= 0 && m_mapDocumentMenu.count(nPosition + 1) != 0;
    };
    switch (message)
    {
    case WM_COMMAND:
    {
        CXTMenuBarMenuItem* pItem = dynamic_cast<CXTMenuBarMenuItem*>(GetItem(m_nTrackedItem));
        if (pItem != nullptr && isDocumentPosition(pItem->GetPosition()))
            return hChild;
        return nullptr;
    }
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
        if (m_nPopupItem >= 0 && isDocumentPosition(GetOpenMenuPosition()))
        {
            bSend = TRUE;
            return hChild;
        }
        return nullptr;
    default:
        return nullptr;
    }
}

// ---------------------------------------------------------------------------
// The Window sub-menu

void CXTMenuBar::RebuildWindowList()
{
    HMENU hMenu = m_hMenuWindow;
    if (!::IsMenu(hMenu))
        return;
    // 1. Away with the old list: from the first entry above 0xFEFF on.
    int nCount = ::GetMenuItemCount(hMenu);
    int nStart = -1;
    for (int i = 0; i < nCount && nStart < 0; ++i)
    {
        UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID > 0xFEFF)   // an entry with a sub-menu reports -1
            nStart = i;
    }
    const BOOL bFound = nStart >= 0;
    if (bFound)
        while (::GetMenuItemCount(hMenu) > nStart)
            ::RemoveMenu(hMenu, nStart, MF_BYPOSITION);
    if (m_hWndMDIClient == nullptr)
        return;

    // 2. The children in their places, by control id.
    HWND hActive = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    HWND places[kWindowListPlaces] = {};
    BOOL bAny = FALSE;
    for (HWND hChild = ::GetWindow(m_hWndMDIClient, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        const UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID < kFirstMDIChild || ::GetWindow(hChild, GW_OWNER) != nullptr)
            continue;
        bAny = TRUE;
        const UINT nPlace = nID - kFirstMDIChild;
        if (nPlace < (UINT)kWindowListPlaces)
            places[nPlace] = hChild;
    }
    if (!bAny)
        return;
    if (hActive != nullptr && (UINT)::GetDlgCtrlID(hActive) - kFirstMDIChild >= (UINT)kWindowListPlaces)
        places[kWindowListPlaces - 1] = hActive;

    // 3. The list where the old one began.
    int nInsert = bFound ? nStart : ::GetMenuItemCount(hMenu);
    if (!bFound)
        ::InsertMenuA(hMenu, nInsert++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    for (int nPlace = 0; nPlace < kWindowListPlaces; ++nPlace)
    {
        HWND hChild = places[nPlace];
        if (hChild == nullptr)
            continue;
        char szTitle[256] = "";
        ::GetWindowTextA(hChild, szTitle, sizeof(szTitle));
        CString strEntry;
        strEntry.Format("&%d  %s", nPlace + 1, szTitle);
        UINT nFlags = MF_BYPOSITION | MF_STRING | (hChild == hActive ? MF_CHECKED : MF_UNCHECKED);
        ::InsertMenuA(hMenu, nInsert++, nFlags, (UINT_PTR)::GetDlgCtrlID(hChild), strEntry);
    }
    if (m_bMoreWindows)
    {
        ::InsertMenuA(hMenu, nInsert++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        ::InsertMenuA(hMenu, nInsert++, MF_BYPOSITION | MF_STRING, kMoreWindows,
                      LoadToolkitString(XT_IDS_MOREWINDOWS, "More Windows..."));
    }
}

// ---------------------------------------------------------------------------
// Drawing

void CXTMenuBar::DoPaint(CDC* pDC)
{
    for (const std::unique_ptr<CXTMenuBarItem>& pItem : m_items)
        if (!pItem->IsHidden())
            pItem->Draw(pDC);
    CXTMenuBarItem* pOpen = GetItem(m_nPopupItem);
    if (pOpen != nullptr && xtAfxData.m_bFlatLook && xtAfxData.m_bMenuDropShadows)
    {
        const CRect& rc = pOpen->m_rect;
        DrawShadowRamp(pDC->m_hDC, rc.left, rc.top, rc.right + kShadowDepth, rc.bottom + kShadowDepth, 100);
    }
}

void CXTMenuBar::DrawMenuItem(CXTMenuBarMenuItem* pItem, CDC* pDC)
{
    const int nIndex = IndexOf(pItem);
    const BOOL bOpen = nIndex >= 0 && nIndex == m_nPopupItem;
    const BOOL bHot = nIndex >= 0 && nIndex == m_nHotItem;
    CRect rect = pItem->m_rect;
    CRect rectText = rect;
    if (xtAfxData.m_bFlatLook)
    {
        if (bOpen)
        {
            pDC->Draw3dRect(&rect, xtAfxData.m_clrFlatShadowDark, xtAfxData.m_clrFlatShadowDark);
            // The side toward the popup opens into it.
            CRect rectSide = rect;
            switch (GetPopupSide())
            {
            case CBRS_ALIGN_LEFT: rectSide.left = rect.right - 1; break;
            case CBRS_ALIGN_RIGHT: rectSide.right = rect.left + 1; break;
            case CBRS_ALIGN_BOTTOM: rectSide.bottom = rect.top + 1; break;
            default: rectSide.top = rect.bottom - 1; break;
            }
            rectSide.DeflateRect(rectSide.Width() > 1 ? 1 : 0, rectSide.Height() > 1 ? 1 : 0);
            pDC->FillSolidRect(&rectSide, xtAfxData.m_clrFlatWindowFace);
        }
        else if (bHot)
        {
            pDC->FillSolidRect(&rect, xtAfxData.m_clrFlatHighlightLight);
            pDC->Draw3dRect(&rect, xtAfxData.m_clrHighlight, xtAfxData.m_clrHighlight);
        }
    }
    else if (bOpen)
    {
        pDC->Draw3dRect(&rect, xtAfxData.m_clr3DShadow, xtAfxData.m_clr3DHilight);
        rectText.OffsetRect(1, 1);
    }
    else if (bHot)
        pDC->Draw3dRect(&rect, xtAfxData.m_clr3DHilight, xtAfxData.m_clr3DShadow);

    const BOOL bUnderline = m_bKeyboardCues || IsShowMnemonics();
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(m_bFrameActive ? xtAfxData.m_clrMenuText : xtAfxData.m_clrGrayText);
    if (IsHorzLayout())
    {
        CString strText = pItem->GetText();
        if (!bUnderline)
            StripMnemonicAmpersands(strText);
        HGDIOBJ hOldFont = pDC->SelectObject(xtAfxData.m_fontNormal.m_hObject);
        pDC->DrawText(strText, &rectText, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        pDC->SelectObject(hOldFont);
    }
    else
        DrawVerticalText(pDC, pItem->GetText(), rectText, bUnderline);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CXTMenuBar::DrawVerticalText(CDC* pDC, const CString& strText, const CRect& rect, BOOL bUnderline)
{
    // Text reading upward: it starts at the bottom and its top faces left.
    CString strPlain = strText;
    StripMnemonicAmpersands(strPlain);
    strPlain.Replace("&&", "&");
    HGDIOBJ hOldFont = pDC->SelectObject(xtAfxData.m_fontVert.m_hObject);
    SIZE extent = { 0, 0 };
    ::GetTextExtentPoint32A(pDC->m_hDC, strPlain, strPlain.GetLength(), &extent);
    const int x = rect.left + (rect.Width() - extent.cy) / 2;
    const int y = rect.bottom - (rect.Height() - extent.cx) / 2;
    ::TextOutA(pDC->m_hDC, x, y, strPlain, strPlain.GetLength());
    // The mnemonic letter: where it starts along the text, and its width.
    int nMark = -1;
    for (int i = 0, nPlain = 0; i < strText.GetLength(); ++i, ++nPlain)
    {
        if (strText[i] != '&')
            continue;
        if (i + 1 < strText.GetLength() && strText[i + 1] == '&')
        {
            ++i;
            continue;
        }
        if (i + 1 < strText.GetLength())
            nMark = nPlain;
        break;
    }
    if (bUnderline && nMark >= 0 && nMark < strPlain.GetLength())
    {
        SIZE before = { 0, 0 }, letter = { 0, 0 };
        ::GetTextExtentPoint32A(pDC->m_hDC, strPlain, nMark, &before);
        ::GetTextExtentPoint32A(pDC->m_hDC, (LPCSTR)strPlain + nMark, 1, &letter);
        pDC->FillSolidRect(x + extent.cy - 1, y - before.cx - letter.cx, 1, letter.cx, pDC->GetTextColor());
    }
    pDC->SelectObject(hOldFont);
}

void CXTMenuBar::DrawSysMenuItem(CXTMenuBarItem* pItem, CDC* pDC)
{
    if (!::IsWindow(m_hWndActiveChild))
        return;
    const CRect& rect = pItem->m_rect;
    const int cx = xtAfxData.m_cxSmIcon, cy = xtAfxData.m_cySmIcon;
    ::DrawIconEx(pDC->m_hDC, rect.left + (rect.Width() - cx) / 2, rect.top + (rect.Height() - cy) / 2,
                 SmallIconOf(m_hWndActiveChild), cx, cy, 0, nullptr, DI_NORMAL);
}

BOOL CXTMenuBar::IsMDIButtonEnabled(const CXTMenuBarMDIButton* pItem) const
{
    const DWORD dwStyle = ::IsWindow(m_hWndActiveChild) ? (DWORD)::GetWindowLongA(m_hWndActiveChild, GWL_STYLE) : 0;
    switch (pItem->GetKind())
    {
    case CXTMenuBarMDIButton::kindMinimize: return (dwStyle & WS_MINIMIZEBOX) != 0;
    case CXTMenuBarMDIButton::kindRestore: return (dwStyle & WS_MAXIMIZEBOX) != 0;
    default: return TRUE;
    }
}

void CXTMenuBar::DrawMDIButton(CXTMenuBarMDIButton* pItem, CDC* pDC)
{
    const DWORD dwStyle = ::IsWindow(m_hWndActiveChild) ? (DWORD)::GetWindowLongA(m_hWndActiveChild, GWL_STYLE) : 0;
    const BOOL bEnabled = IsMDIButtonEnabled(pItem);
    if (!bEnabled)
    {
        // A disabled button shows only beside its enabled partner.
        const DWORD dwPartner =
            pItem->GetKind() == CXTMenuBarMDIButton::kindMinimize ? WS_MAXIMIZEBOX : WS_MINIMIZEBOX;
        if (!(dwStyle & dwPartner))
            return;
    }
    const int nIndex = IndexOf(pItem);
    const BOOL bPressed = bEnabled && nIndex == m_nPressedButton && m_bMDIButtonDown;
    const BOOL bHot = bEnabled && nIndex == m_nMDIHotButton;
    CRect rect = pItem->m_rect;
    if (!xtAfxData.m_bFlatLook)
    {
        UINT nState = (UINT)pItem->GetKind() | (bPressed ? DFCS_PUSHED : 0) | (bEnabled ? 0 : DFCS_INACTIVE);
        pDC->DrawFrameControl(&rect, DFC_CAPTION, nState);
        return;
    }
    COLORREF clrFill = xtAfxData.m_clr3DFace;
    COLORREF clrGlyph = bEnabled ? xtAfxData.m_clrBtnText : xtAfxData.m_clrGrayText;
    if (bPressed)
    {
        clrFill = xtAfxData.m_clrFlatHighlight;
        clrGlyph = xtAfxData.m_clrFlatHighlightText;
    }
    else if (bHot)
        clrFill = xtAfxData.m_clrFlatHighlightLight;
    pDC->FillSolidRect(&rect, clrFill);
    if (bPressed || bHot)
        pDC->Draw3dRect(&rect, xtAfxData.m_clrHighlight, xtAfxData.m_clrHighlight);
    if (m_hGlyphs == nullptr)
        return;
    const int nGlyph = pItem->GetKind() == CXTMenuBarMDIButton::kindMinimize  ? 0
                       : pItem->GetKind() == CXTMenuBarMDIButton::kindRestore ? 1
                                                                              : 2;
    HICON hIcon = ImageList_GetIcon(m_hGlyphs, nGlyph, ILD_NORMAL);
    HBRUSH hBrush = ::CreateSolidBrush(clrGlyph);
    ::DrawStateA(pDC->m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, rect.left + (rect.Width() - 10) / 2,
                 rect.top + (rect.Height() - 10) / 2, 10, 10, DST_ICON | DSS_MONO);
    ::DeleteObject(hBrush);
    ::DestroyIcon(hIcon);
}

// ---------------------------------------------------------------------------
// MDI buttons

CXTMenuBarMDIButton* CXTMenuBar::GetMDIButton(int nIndex) const
{
    return nIndex >= MDIButtonFirstIndex() ? dynamic_cast<CXTMenuBarMDIButton*>(GetItem(nIndex)) : nullptr;
}

int CXTMenuBar::MDIButtonAt(CPoint point) const
{
    for (int i = MDIButtonFirstIndex(); i < (int)m_items.size(); ++i)
        if (i >= 0 && !m_items[i]->IsHidden() && m_items[i]->m_rect.PtInRect(point))
            return i;
    return -1;
}

void CXTMenuBar::SetMDIButtonTip(int nButton)
{
    if (m_hWndToolTip == nullptr || !(m_dwStyle & CBRS_TOOLTIPS))
        return;
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = m_hWnd;
    info.uId = 1;
    ::SendMessageA(m_hWndToolTip, TTM_DELTOOLA, 0, (LPARAM)&info);
    CXTMenuBarMDIButton* pButton = GetMDIButton(nButton);
    if (pButton == nullptr)
        return;
    UINT nText = XT_IDS_CLOSEWND;
    LPCSTR pszFallback = "Close Window";
    if (pButton->GetKind() == CXTMenuBarMDIButton::kindMinimize)
    {
        nText = XT_IDS_MINIMIZEWND;
        pszFallback = "Minimize Window";
    }
    else if (pButton->GetKind() == CXTMenuBarMDIButton::kindRestore)
    {
        nText = XT_IDS_RESTOREWND;
        pszFallback = "Restore Window";
    }
    CString strTip = LoadToolkitString(nText, pszFallback);
    info.rect = pButton->m_rect;
    info.lpszText = const_cast<LPSTR>((LPCSTR)strTip);
    ::SendMessageA(m_hWndToolTip, TTM_ADDTOOLA, 0, (LPARAM)&info);
}

BOOL CXTMenuBar::OnMDIButtonMouse(UINT message, CPoint point)
{
    if (!m_bMaximized || !m_bShowMDIButtons || !::IsWindow(m_hWndActiveChild)
        || !(::GetWindowLongA(m_hWndActiveChild, GWL_STYLE) & WS_SYSMENU))
        return FALSE;
    const int nButton = MDIButtonAt(point);
    CXTMenuBarMDIButton* pButton = GetMDIButton(nButton);
    switch (message)
    {
    case WM_LBUTTONDOWN:
        if (pButton == nullptr)
            return FALSE;
        if (IsMDIButtonEnabled(pButton))
        {
            SetCapture();
            m_nPressedButton = nButton;
            m_bMDIButtonDown = TRUE;
            InvalidateItem(nButton);
        }
        return TRUE;
    case WM_MOUSEMOVE:
        if (m_nPressedButton >= 0)
        {
            const BOOL bDown = nButton == m_nPressedButton;
            if (bDown != m_bMDIButtonDown)
            {
                m_bMDIButtonDown = bDown;
                InvalidateItem(m_nPressedButton);
            }
            return TRUE;
        }
        if (nButton != m_nMDIHotButton)
        {
            InvalidateItem(m_nMDIHotButton);
            m_nMDIHotButton = nButton;
            InvalidateItem(m_nMDIHotButton);
            SetMDIButtonTip(nButton);
        }
        return pButton != nullptr;
    case WM_LBUTTONUP:
        if (m_nPressedButton >= 0)
        {
            const int nPressed = m_nPressedButton;
            m_nPressedButton = -1;
            m_bMDIButtonDown = FALSE;
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            InvalidateItem(nPressed);
            if (nButton == nPressed)
                ::PostMessageA(m_hWndActiveChild, WM_SYSCOMMAND, GetMDIButton(nPressed)->GetSysCommand(), 0);
            return TRUE;
        }
        return pButton != nullptr;
    case WM_LBUTTONDBLCLK:
        if (pButton != nullptr && pButton->GetKind() == CXTMenuBarMDIButton::kindClose)
            ::PostMessageA(m_hWndActiveChild, WM_SYSCOMMAND, SC_CLOSE, 0);
        return pButton != nullptr;
    default:
        return FALSE;
    }
}

// ---------------------------------------------------------------------------
// Idle update and style changes

void CXTMenuBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    if (m_nTrackState != trackPopup)
        m_nTrackedItem = -1;
    UpdateActiveMDIChild(TRUE);
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!rectClient.PtInRect(point) && ::GetCapture() != m_hWnd)
    {
        // The keyboard's hot item stays.
        if (m_nTrackState == trackNone)
            SetHotItem(-1);
        if (m_nMDIHotButton >= 0)
        {
            InvalidateItem(m_nMDIHotButton);
            m_nMDIHotButton = -1;
        }
    }
    if (IsWindows2000OrLater())
        ReadKeyboardCues();
}

void CXTMenuBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if ((dwOldStyle ^ dwNewStyle) & CBRS_FLOATING)
        ResetTrackingState();
    CXTControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
}

INT_PTR CXTMenuBar::OnToolHitTest(CPoint, TOOLINFOA*) const
{
    return -1;
}

// ---------------------------------------------------------------------------
// Messages

int CXTMenuBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CXTControlBar::OnCreate(lpcs) == -1)
        return -1;
    m_hGlyphs = ImageList_LoadImageA(xtAfxData.m_hInstance, MAKEINTRESOURCEA(XT_IDB_CAPTIONGLYPHS), 10, 0,
                                     RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    // The menu's commands for the customise sheet while it is open; its
    // popups for tool bar buttons that show them.
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.m_customizeMode.Add(this, [this](BOOL bOn) { EnableCustomization(bOn); });
    manager.SetMenuBarPopup(this, [this](UINT nKey) { return XTFindMenuPopupByKey(m_hMenu, nKey); });
    return 0;
}

void CXTMenuBar::EnableCustomization(BOOL bOn)
{
    CXTCustomizeManager& manager = GetCustomizeManager();
    // The provider is this bar's menu, registered under a key of its own.
    void* pProvider = &m_hMenu;
    if (bOn && !manager.m_categories.Contains(pProvider))
        manager.m_categories.Add(pProvider, [this](XT_COMMAND_GROUPS& groups) { XTBuildMenuCommandGroups(m_hMenu, groups); });
    else if (!bOn)
        manager.m_categories.Remove(pProvider);
}

void CXTMenuBar::OnDestroy()
{
    EnableCustomization(FALSE);
    GetCustomizeManager().Unregister(this);
    if (m_pFrameHook != nullptr)
        m_pFrameHook->HookWindow(static_cast<HWND>(nullptr));
    if (m_pMDIClientHook != nullptr)
        m_pMDIClientHook->HookWindow(static_cast<HWND>(nullptr));
    StopHoverTimer();
    if (m_hWndToolTip != nullptr)
    {
        ::DestroyWindow(m_hWndToolTip);
        m_hWndToolTip = nullptr;
    }
    CXTControlBar::OnDestroy();
}

void CXTMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_hWndToolTip != nullptr)
    {
        MSG msg = { m_hWnd, WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y), 0, { 0, 0 } };
        ::SendMessageA(m_hWndToolTip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
    }
    if (OnMDIButtonMouse(WM_MOUSEMOVE, point))
        return;
    const BOOL bMoved = !m_bPointValid || point != m_ptLastMouse;
    switch (m_nTrackState)
    {
    case trackNone:
        SetHotItem(HitTest(point, TrackableItems()));
        break;
    case trackKeyboard:
        if (bMoved)
        {
            const int nItem = HitTest(point, TrackableItems());
            if (nItem >= 0)
                SetHotItem(nItem);
        }
        break;
    default:
        break;
    }
    m_ptLastMouse = point;
    m_bPointValid = TRUE;
}

void CXTMenuBar::OnLButtonDown(UINT, CPoint point)
{
    if (OnMDIButtonMouse(WM_LBUTTONDOWN, point))
        return;
    const int nItem = HitTest(point, TrackableItems());
    if (nItem < 0)
    {
        Default();
        return;
    }
    if (nItem != m_nTrackedItem)
        TrackPopup(nItem);
}

void CXTMenuBar::OnLButtonUp(UINT, CPoint point)
{
    if (OnMDIButtonMouse(WM_LBUTTONUP, point))
        return;
    if (HitTest(point, TrackableItems()) < 0)
        Default();
}

void CXTMenuBar::OnLButtonDblClk(UINT, CPoint point)
{
    if (OnMDIButtonMouse(WM_LBUTTONDBLCLK, point))
        return;
    const int nItem = HitTest(point, TrackableItems());
    if (nItem < 0)
        Default();
    else if (nItem != m_nTrackedItem)
        TrackPopup(nItem);
    else
        m_items[nItem]->OnDblClick();
}

BOOL CXTMenuBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bMaximized)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        for (const std::unique_ptr<CXTMenuBarItem>& pItem : m_items)
        {
            if (!pItem->IsHidden() && pItem->m_rect.PtInRect(point))
            {
                ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));   // IDC_ARROW
                return TRUE;
            }
        }
    }
    return CXTControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CXTMenuBar::OnSettingChange(UINT, LPCSTR)
{
    DestroyItems();
    ResetTrackingState();
    BuildItems();
    // The frame lays out again at a size it has not had.
    CWnd* pTop = GetTopLevelParent();
    if (pTop == nullptr)
        return;
    CRect rect;
    pTop->GetWindowRect(&rect);
    const UINT nFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    pTop->SetWindowPos(nullptr, 0, 0, rect.Width() + 1, rect.Height(), nFlags);
    pTop->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), nFlags);
}
