#include "toolkit/bars/XTCoolMenu.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTMenuGlyphs.h"
#include "toolkit/bars/XTMenuState.h"
#include "toolkit/bars/XTPopupWndHook.h"
#include "toolkit/bars/XTToolBarResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTDrawHelpers.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMenuItemInfo.h"
#include "toolkit/frame/XTOSVersion.h"
#include "toolkit/frame/XTRegistryStore.h"
#include "toolkit/frame/XTSysColorBitmap.h"
#include "toolkit/frame/XTTextHelpers.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <commctrl.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTCoolMenu, CXTWndHook)

namespace {

const int kIconColumn = 24;         // flat look: the column behind the images
const int kMaxItemText = 256;

CString RecentSection()
{
    return LoadToolkitString(XT_IDS_RECENTITEMLIST, "Recent Item List");
}

CString RecentEntry(int n)
{
    CString strFormat = LoadToolkitString(XT_IDS_RECENTITEM, "Item%d");
    CString strEntry;
    strEntry.Format(strFormat, n);
    return strEntry;
}

// The flat look's menu colours, taken from the global data's derived colours.
struct FlatMenuColors
{
    COLORREF clrFace;        // item background
    COLORREF clrIconColumn;
    COLORREF clrHiddenColumn;
    COLORREF clrFrame;       // popup frame and selection frame
    COLORREF clrSeparator;
    COLORREF clrHot;         // selected item
};

FlatMenuColors GetFlatMenuColors()
{
    FlatMenuColors c;
    c.clrFace = xtAfxData.m_clrFlatWindowFace;
    c.clrIconColumn = xtAfxData.m_clrFlatBarFace;
    c.clrHiddenColumn = xtAfxData.m_clrFlatFaceShadow;
    c.clrFrame = xtAfxData.m_clrFlatShadowDark;
    c.clrSeparator = xtAfxData.m_clrFlatGripper;
    c.clrHot = xtAfxData.m_clrFlatHighlightLight;
    return c;
}

BOOL ReadItem(HMENU hMenu, int nPos, CXTMenuItemInfo& info, char* pszText, UINT cchText)
{
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    info.dwTypeData = pszText;
    info.cch = cchText;
    pszText[0] = '\0';
    return ::GetMenuItemInfoA(hMenu, nPos, TRUE, &info);
}

// The upper-case mnemonic character of a text: the letter after a single '&'.
char MnemonicOf(const CString& strText)
{
    LPCSTR p = strText;
    for (; *p != '\0'; ++p)
    {
        if (*p != '&')
            continue;
        if (p[1] == '&')
        {
            ++p;
            continue;
        }
        return (char)(UINT_PTR)::CharUpperA(reinterpret_cast<LPSTR>((UINT_PTR)(BYTE)p[1]));
    }
    return '\0';
}

} // namespace

CXTCoolMenu::CXTCoolMenu() : m_sizeIcon(16, 16), m_sizeCell(18, 18), m_sizeMargin(1, 1)
{
}

CXTCoolMenu::~CXTCoolMenu()
{
    Destroy();
    if (m_bWatching)
        CXTPopupWndHook::RemoveWatcher();
    HookWindow(static_cast<HWND>(nullptr));
}

// ---------------------------------------------------------------------------
// Installation and images

BOOL CXTCoolMenu::Install(CWnd* pFrame)
{
    return Install(AfxHwnd(pFrame));
}

BOOL CXTCoolMenu::Install(HWND hWndFrame)
{
    if (!HookWindow(hWndFrame))
        return FALSE;
    BOOL bWatch = m_hWnd != nullptr;
    if (bWatch && !m_bWatching)
        CXTPopupWndHook::InstallWatcher();
    else if (!bWatch && m_bWatching)
        CXTPopupWndHook::RemoveWatcher();
    m_bWatching = bWatch;
    xtAfxData.m_bCoolMenuAttached = bWatch;
    OnSysColorChange();
    return TRUE;
}

void CXTCoolMenu::SetIconSize(int cx, int cy)
{
    LoadPendingToolBars();
    m_sizeIcon = CSize(cx, cy);
    m_sizeCell = CSize(cx + 2 * m_sizeMargin.cx, cy + 2 * m_sizeMargin.cy);
}

CSize CXTCoolMenu::GetIconSize() const
{
    LoadPendingToolBars();
    return m_sizeIcon;
}

const CSize& CXTCoolMenu::GetCellSize() const
{
    LoadPendingToolBars();
    return m_sizeCell;
}

int CXTCoolMenu::GetImageIndex(UINT nID, BOOL bDisabled) const
{
    LoadPendingToolBars();
    const std::map<UINT, int>& map = bDisabled ? m_mapDisabled : m_mapImages;
    auto it = map.find(nID);
    return it == map.end() ? -1 : it->second;
}

BOOL CXTCoolMenu::SetImage(UINT nID, HICON hIcon, BOOL bDisabled)
{
    if (hIcon == nullptr)
        return FALSE;
    LoadPendingToolBars();
    HIMAGELIST& hList = ImageList(bDisabled);
    if (hList == nullptr)
        hList = ImageList_Create(m_sizeIcon.cx, m_sizeIcon.cy, ILC_COLOR32 | ILC_MASK, 0, 10);
    std::map<UINT, int>& map = ImageMap(bDisabled);
    auto it = map.find(nID);
    int nImage = ImageList_ReplaceIcon(hList, it == map.end() ? -1 : it->second, hIcon);
    ::DestroyIcon(hIcon);
    if (nImage < 0)
        return FALSE;
    map[nID] = nImage;
    return TRUE;
}

BOOL CXTCoolMenu::AddImages(HBITMAP hBitmap, const UINT* pIDs, int nCount, BOOL bDisabled)
{
    if (hBitmap == nullptr)
        return FALSE;
    LoadPendingToolBars();
    HIMAGELIST& hList = ImageList(bDisabled);
    if (hList == nullptr)
        hList = ImageList_Create(m_sizeIcon.cx, m_sizeIcon.cy, ILC_COLOR32 | ILC_MASK, 0, 10);
    int nFirst = ImageList_GetImageCount(hList);
    if (ImageList_AddMasked(hList, hBitmap, xtAfxData.m_clr3DFace) < 0)
        return FALSE;
    int nAdded = ImageList_GetImageCount(hList) - nFirst;
    std::map<UINT, int>& map = ImageMap(bDisabled);
    for (int i = 0; i < nCount && i < nAdded; ++i)
        if (pIDs[i] != 0)
            map[pIDs[i]] = nFirst + i;
    return TRUE;
}

BOOL CXTCoolMenu::AddImages(UINT nIDBitmap, const UINT* pIDs, int nCount, BOOL bDisabled)
{
    HBITMAP hBitmap = LoadSysColorBitmap(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDBitmap), FALSE);
    BOOL bOk = AddImages(hBitmap, pIDs, nCount, bDisabled);
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    return bOk;
}

BOOL CXTCoolMenu::LoadToolbar(HWND hWndToolBar, BOOL bDisabled)
{
    if (!::IsWindow(hWndToolBar))
        return FALSE;
    HIMAGELIST hList = (HIMAGELIST)::SendMessageA(hWndToolBar, TB_GETIMAGELIST, 0, 0);
    if (hList == nullptr)
        return TRUE;
    LoadPendingToolBars();
    int cx = 0, cy = 0;
    ImageList_GetIconSize(hList, &cx, &cy);
    if (cx != m_sizeIcon.cx || cy != m_sizeIcon.cy)
        SetIconSize(cx, cy);
    int nButtons = (int)::SendMessageA(hWndToolBar, TB_BUTTONCOUNT, 0, 0);
    int nImages = ImageList_GetImageCount(hList);
    for (int i = 0; i < nButtons; ++i)
    {
        TBBUTTON button = {};
        if (!::SendMessageA(hWndToolBar, TB_GETBUTTON, i, (LPARAM)&button) || (button.fsStyle & TBSTYLE_SEP)
            || button.iBitmap < 0 || button.iBitmap >= nImages)
            continue;
        SetImage(button.idCommand, ImageList_GetIcon(hList, button.iBitmap, ILD_NORMAL), bDisabled);
    }
    return TRUE;
}

BOOL CXTCoolMenu::LoadToolbar(UINT nIDToolBar, BOOL bDisabled)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    XT_TOOLBAR_RESOURCE toolBar;
    if (!ReadToolBarResource(hInst, nIDToolBar, toolBar) ||
        ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDToolBar), RT_BITMAP) == nullptr)
        return FALSE;
    m_pendingToolBars.push_back({ hInst, nIDToolBar, bDisabled });
    return TRUE;
}

void CXTCoolMenu::LoadPendingToolBars() const
{
    if (m_pendingToolBars.empty())
        return;
    // The images are the menu's state, made late: reading them changes
    // nothing the caller could see otherwise.
    CXTCoolMenu* pThis = const_cast<CXTCoolMenu*>(this);
    std::vector<PendingToolBar> pending;
    pending.swap(pThis->m_pendingToolBars);
    for (const PendingToolBar& toolBar : pending)
        pThis->ReadToolBarImages(toolBar);
}

BOOL CXTCoolMenu::ReadToolBarImages(const PendingToolBar& pending)
{
    XT_TOOLBAR_RESOURCE toolBar;
    if (!ReadToolBarResource(pending.hInst, pending.nID, toolBar))
        return FALSE;
    HBITMAP hBitmap = LoadSysColorBitmap(pending.hInst, MAKEINTRESOURCEA(pending.nID), FALSE);
    if (hBitmap == nullptr)
        return FALSE;
    // Lists made for another size keep theirs: their images would not fit.
    if (m_hImages == nullptr && m_hDisabledImages == nullptr)
        SetIconSize(toolBar.cxImage, toolBar.cyImage);
    std::vector<UINT> ids;
    for (UINT nID : toolBar.commands)
        if (nID != 0)
            ids.push_back(nID);
    BOOL bOk = ids.empty() || AddImages(hBitmap, ids.data(), (int)ids.size(), pending.bDisabled);
    ::DeleteObject(hBitmap);
    return bOk;
}

BOOL CXTCoolMenu::LoadToolbars(const UINT* pIDs, int nCount, BOOL bDisabled)
{
    for (int i = 0; i < nCount; ++i)
        if (!LoadToolbar(pIDs[i], bDisabled))
            return FALSE;
    return TRUE;
}

void CXTCoolMenu::HideCommand(UINT nID)
{
    m_hiddenCommands.push_back(nID);
    m_bHasHiddenCommands = TRUE;
}

void CXTCoolMenu::HideCommands(const UINT* pIDs, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        HideCommand(pIDs[i]);
}

int CXTCoolMenu::FindPosition(HMENU hMenu, UINT nID) const
{
    int nCount = ::IsMenu(hMenu) ? ::GetMenuItemCount(hMenu) : 0;
    for (int i = 0; i < nCount; ++i)
        if (::GetMenuItemID(hMenu, i) == nID)
            return i;
    return -1;
}

// ---------------------------------------------------------------------------
// Recently used commands

std::vector<UINT> CXTCoolMenu::ReadRecentList()
{
    CXTRegistryStore store;
    CString strSection = RecentSection();
    std::vector<UINT> ids;
    for (int n = 1; n <= m_nRecentCount; ++n)
    {
        UINT nID = store.GetProfileInt(strSection, RecentEntry(n), 0);
        if (nID == 0)
            break;
        ids.push_back(nID);
    }
    return ids;
}

void CXTCoolMenu::WriteRecentList(const std::vector<UINT>& ids)
{
    CXTRegistryStore store;
    CString strSection = RecentSection();
    for (int n = 1; n <= m_nRecentCount && n <= (int)ids.size(); ++n)
        store.WriteProfileInt(strSection, RecentEntry(n), (int)ids[n - 1]);
}

BOOL CXTCoolMenu::IsRecent(UINT nID)
{
    std::vector<UINT> ids = ReadRecentList();
    return std::find(ids.begin(), ids.end(), nID) != ids.end();
}

void CXTCoolMenu::AddRecent(UINT nID)
{
    if (nID == 0)
        return;
    std::vector<UINT> ids = ReadRecentList();
    auto it = std::find(ids.begin(), ids.end(), nID);
    BOOL bHidden = std::find(m_hiddenCommands.begin(), m_hiddenCommands.end(), nID) != m_hiddenCommands.end();
    if (it == ids.end() && !bHidden)
        return;
    if (it != ids.end())
        ids.erase(it);
    ids.insert(ids.begin(), nID);
    WriteRecentList(ids);
}

void CXTCoolMenu::ResetUsageData()
{
    CXTRegistryStore store;
    CString strSection = RecentSection();
    for (int n = 1; store.DeleteValue(strSection, RecentEntry(n)); ++n)
        ;
}

BOOL CXTCoolMenu::IsHiddenCommand(UINT nID)
{
    return std::find(m_hiddenCommands.begin(), m_hiddenCommands.end(), nID) != m_hiddenCommands.end()
        && !IsRecent(nID);
}

BOOL CXTCoolMenu::PersonalizedMenusOn()
{
    return GetXTMenuState().IsToolkitMenuAlive() && xtAfxData.m_bRecentFirstMenus;
}

// ---------------------------------------------------------------------------
// Item records

XT_COOLMENU_ITEM* CXTCoolMenu::NewItem()
{
    m_items.push_back(std::make_unique<XT_COOLMENU_ITEM>());
    return m_items.back().get();
}

void CXTCoolMenu::FreeItem(XT_COOLMENU_ITEM* pItem)
{
    auto it = std::find_if(m_items.begin(), m_items.end(),
                           [pItem](const std::unique_ptr<XT_COOLMENU_ITEM>& p) { return p.get() == pItem; });
    if (it != m_items.end())
        m_items.erase(it);
}

XT_COOLMENU_ITEM* CXTCoolMenu::FindItem(ULONG_PTR dwItemData) const
{
    // Item data belongs to whoever made the item: only a pointer to one of
    // this menu's own records is read.
    if (dwItemData == 0)
        return nullptr;
    for (const std::unique_ptr<XT_COOLMENU_ITEM>& p : m_items)
        if (reinterpret_cast<ULONG_PTR>(p.get()) == dwItemData)
            return p->dwSignature == XT_COOLMENU_SIGNATURE ? p.get() : nullptr;
    return nullptr;
}

XT_COOLMENU_ITEM* CXTCoolMenu::GetItem(HMENU hMenu, int nPos) const
{
    CXTMenuItemInfo info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!::GetMenuItemInfoA(hMenu, nPos, TRUE, &info) || (info.fType & MFT_OWNERDRAW) == 0)
        return nullptr;
    return FindItem(info.dwItemData);
}

int CXTCoolMenu::CountItems(HMENU hMenu) const
{
    return ::IsMenu(hMenu) ? ::GetMenuItemCount(hMenu) : 0;
}

void CXTCoolMenu::SetItemRecord(HMENU hMenu, int nPos, XT_COOLMENU_ITEM* pItem)
{
    CXTMenuItemInfo info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = pItem->fType | MFT_OWNERDRAW;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(pItem);
    ::SetMenuItemInfoA(hMenu, nPos, TRUE, &info);
}

// ---------------------------------------------------------------------------
// Menu passes

void CXTCoolMenu::ConvertMenu(HMENU hMenu, BOOL bOn)
{
    int nCount = CountItems(hMenu);
    BOOL bHasRemoved = std::any_of(m_items.begin(), m_items.end(), [hMenu](const std::unique_ptr<XT_COOLMENU_ITEM>& p) {
        return p->hMenu == hMenu && p->bRemoved;
    });
    for (int i = 0; i < nCount; ++i)
    {
        char szText[kMaxItemText + 1];
        CXTMenuItemInfo info;
        if (!ReadItem(hMenu, i, info, szText, sizeof(szText)))
            continue;
        XT_COOLMENU_ITEM* pItem = (info.fType & MFT_OWNERDRAW) ? FindItem(info.dwItemData) : nullptr;
        if (bOn)
        {
            if (info.fType & MFT_OWNERDRAW)
            {
                if (pItem != nullptr)
                {
                    // Positions are those of the full menu: kept while items are out.
                    if (!bHasRemoved)
                        pItem->nPosition = i;
                    pItem->fState = info.fState;
                }
                continue;
            }
            pItem = NewItem();
            pItem->strText = szText;
            pItem->hMenu = hMenu;
            pItem->hSubMenu = info.hSubMenu;
            pItem->nPosition = i;
            pItem->nImage = GetImageIndex(info.wID);
            pItem->nID = info.wID;
            pItem->fType = info.fType;
            pItem->fState = info.fState;
            pItem->dwOldData = info.dwItemData;
            if (m_bHasHiddenCommands && (info.fType & MFT_SEPARATOR) == 0 && IsHiddenCommand(info.wID)
                && PersonalizedMenusOn())
                pItem->nFlags |= XT_ITEM_HIDEABLE;
            SetItemRecord(hMenu, i, pItem);
        }
        else if (pItem != nullptr)
        {
            CXTMenuItemInfo restore;
            restore.fMask = MIIM_FTYPE | MIIM_DATA;
            restore.fType = pItem->fType & ~MFT_OWNERDRAW;
            restore.dwItemData = pItem->dwOldData;
            char szRestore[kMaxItemText + 1];
            if ((pItem->fType & MFT_SEPARATOR) == 0)
            {
                restore.fMask |= MIIM_STRING;
                lstrcpynA(szRestore, pItem->strText, sizeof(szRestore));
                restore.dwTypeData = szRestore;
            }
            ::SetMenuItemInfoA(hMenu, i, TRUE, &restore);
            FreeItem(pItem);
        }
    }
    auto it = std::find(m_convertedMenus.begin(), m_convertedMenus.end(), hMenu);
    if (bOn && it == m_convertedMenus.end())
        m_convertedMenus.push_back(hMenu);
    else if (!bOn && it != m_convertedMenus.end())
        m_convertedMenus.erase(it);
}

BOOL CXTCoolMenu::PrevIsHidden(HMENU hMenu, int nPos)
{
    XT_COOLMENU_ITEM* pItem = nPos > 0 ? GetItem(hMenu, nPos - 1) : nullptr;
    return pItem != nullptr && (pItem->nFlags & XT_ITEM_HIDEABLE);
}

BOOL CXTCoolMenu::NextIsHidden(HMENU hMenu, int nPos)
{
    XT_COOLMENU_ITEM* pItem = nPos + 1 < CountItems(hMenu) ? GetItem(hMenu, nPos + 1) : nullptr;
    return pItem != nullptr && (pItem->nFlags & XT_ITEM_HIDEABLE);
}

BOOL CXTCoolMenu::IsFirstItem(XT_COOLMENU_ITEM* pItem)
{
    return GetItem(pItem->hMenu, 0) == pItem;
}

BOOL CXTCoolMenu::IsLastItem(XT_COOLMENU_ITEM* pItem)
{
    int nCount = CountItems(pItem->hMenu);
    if (nCount == 0)
        return FALSE;
    if (GetItem(pItem->hMenu, nCount - 1) == pItem)
        return TRUE;
    // The item above a trailing chevron ends the menu's own items.
    return nCount >= 2 && ::GetMenuItemID(pItem->hMenu, nCount - 1) == XT_IDC_CHEVRON
        && GetItem(pItem->hMenu, nCount - 2) == pItem;
}

BOOL CXTCoolMenu::HasHiddenItems(HMENU hMenu)
{
    int nCount = CountItems(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        XT_COOLMENU_ITEM* pItem = GetItem(hMenu, i);
        if (pItem != nullptr && (pItem->nFlags & XT_ITEM_HIDEABLE) && !IsRecent(pItem->nID))
            return TRUE;
    }
    return std::any_of(m_items.begin(), m_items.end(), [hMenu](const std::unique_ptr<XT_COOLMENU_ITEM>& p) {
        return p->hMenu == hMenu && p->bRemoved && (p->nFlags & XT_ITEM_HIDEABLE);
    });
}

void CXTCoolMenu::UpdateChevron(HMENU hMenu, BOOL bForce)
{
    int nChevron = FindPosition(hMenu, XT_IDC_CHEVRON);
    XT_COOLMENU_ITEM* pChevron = nChevron >= 0 ? GetItem(hMenu, nChevron) : nullptr;
    if (pChevron == nullptr)
        nChevron = -1;
    if (nChevron >= 0 && nChevron != CountItems(hMenu) - 1)
        bForce = TRUE;
    if (GetXTMenuState().bShowFullMenus || bForce)
    {
        if (nChevron >= 0)
        {
            ::DeleteMenu(hMenu, nChevron, MF_BYPOSITION);
            FreeItem(pChevron);
        }
        return;
    }
    if (nChevron >= 0 || !HasHiddenItems(hMenu) || !PersonalizedMenusOn())
        return;
    XT_COOLMENU_ITEM* pItem = NewItem();
    pItem->strText = ">> chevron";
    pItem->hMenu = hMenu;
    pItem->nID = XT_IDC_CHEVRON;
    pItem->nPosition = CountItems(hMenu);
    ::AppendMenuA(hMenu, MF_OWNERDRAW, XT_IDC_CHEVRON, reinterpret_cast<LPCSTR>(pItem));
}

void CXTCoolMenu::RemoveItem(HMENU hMenu, int nPos, XT_COOLMENU_ITEM* pItem)
{
    // Removed, not deleted: a sub-menu stays alive, and the item goes back in
    // when the menu is restored.
    ::RemoveMenu(hMenu, nPos, MF_BYPOSITION);
    pItem->nOldPosition = pItem->nPosition;
    pItem->bRemoved = TRUE;
}

void CXTCoolMenu::DeleteDuplicateSeparators(HMENU hMenu)
{
    for (int i = CountItems(hMenu) - 1; i > 0; --i)
    {
        XT_COOLMENU_ITEM* pItem = GetItem(hMenu, i);
        XT_COOLMENU_ITEM* pAbove = GetItem(hMenu, i - 1);
        if (pItem != nullptr && pAbove != nullptr && (pItem->fType & MFT_SEPARATOR) && (pAbove->fType & MFT_SEPARATOR))
            RemoveItem(hMenu, i, pItem);
    }
}

void CXTCoolMenu::HideItems(HMENU hMenu)
{
    int nCount = CountItems(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        XT_COOLMENU_ITEM* pItem = GetItem(hMenu, i);
        if (pItem == nullptr || (pItem->nFlags & XT_ITEM_HIDEABLE) == 0)
            continue;
        pItem->nFlags &= ~(XT_ITEM_FIRSTHIDDEN | XT_ITEM_LASTHIDDEN);
        if (i > 0 && !PrevIsHidden(hMenu, i))
            pItem->nFlags |= XT_ITEM_FIRSTHIDDEN;
        if (i + 1 < nCount && !NextIsHidden(hMenu, i))
            pItem->nFlags |= XT_ITEM_LASTHIDDEN;
    }
    XT_MENU_STATE& state = GetXTMenuState();
    UpdateChevron(hMenu, state.bShowFullMenus);
    if (state.bShowFullMenus)
    {
        // Hidden earlier in this loop: back in for the full menu.
        RestoreMenu(hMenu);
        return;
    }
    for (int i = CountItems(hMenu) - 1; i >= 0; --i)
    {
        XT_COOLMENU_ITEM* pItem = GetItem(hMenu, i);
        if (pItem != nullptr && (pItem->nFlags & XT_ITEM_HIDEABLE) && !pItem->bRemoved)
            RemoveItem(hMenu, i, pItem);
    }
    DeleteDuplicateSeparators(hMenu);
}

void CXTCoolMenu::RestoreMenu(HMENU hMenu)
{
    if (!::IsMenu(hMenu))
        return;
    std::vector<XT_COOLMENU_ITEM*> removed;
    for (const std::unique_ptr<XT_COOLMENU_ITEM>& p : m_items)
        if (p->hMenu == hMenu && p->bRemoved)
            removed.push_back(p.get());
    // In the order of their places, each finds all above it back in.
    std::sort(removed.begin(), removed.end(),
              [](const XT_COOLMENU_ITEM* a, const XT_COOLMENU_ITEM* b) { return a->nOldPosition < b->nOldPosition; });
    for (XT_COOLMENU_ITEM* pItem : removed)
    {
        CXTMenuItemInfo info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
        info.fType = pItem->fType | MFT_OWNERDRAW;
        info.fState = pItem->fState;
        info.wID = pItem->nID;
        info.hSubMenu = pItem->hSubMenu;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(pItem);
        ::InsertMenuItemA(hMenu, pItem->nOldPosition, TRUE, &info);
        pItem->bRemoved = FALSE;
        pItem->nPosition = pItem->nOldPosition;
    }
}

BOOL CXTCoolMenu::IsSystemMenu(HMENU hMenu)
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (hMenu == ::GetSystemMenu(m_hWnd, FALSE))
        return TRUE;
    HWND hWndClient = ::FindWindowExA(m_hWnd, nullptr, "MDIClient", nullptr);
    HWND hWndChild = hWndClient ? (HWND)::SendMessageA(hWndClient, WM_MDIGETACTIVE, 0, 0) : nullptr;
    return hWndChild != nullptr && hMenu == ::GetSystemMenu(hWndChild, FALSE);
}

void CXTCoolMenu::MarkMenuBarSide(HMENU hMenu)
{
    XT_MENU_STATE& state = GetXTMenuState();
    int nCount = CountItems(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        XT_COOLMENU_ITEM* pItem = GetItem(hMenu, i);
        if (pItem == nullptr)
            continue;
        BOOL bMark = state.nMenuBarAlign == CBRS_ALIGN_RIGHT || (state.nMenuBarAlign == CBRS_ALIGN_BOTTOM ? i == nCount - 1 : i == 0);
        pItem->nAlign = bMark ? state.nMenuBarAlign : 0;
    }
    state.nMenuBarAlign = 0;
}

void CXTCoolMenu::OnInitMenuPopup(HMENU hMenu, UINT /*nIndex*/, BOOL bSysMenu)
{
    XT_MENU_STATE& state = GetXTMenuState();
    state.bChevronHoverPending = FALSE;
    LoadPendingToolBars();
    m_sizeMargin = xtAfxData.m_bFlatLook ? CSize(4, 3) : CSize(1, 1);
    m_sizeCell = CSize(m_sizeIcon.cx + 2 * m_sizeMargin.cx, m_sizeIcon.cy + 2 * m_sizeMargin.cy);
    if (bSysMenu || !::IsMenu(hMenu) || IsSystemMenu(hMenu))
        return;
    CXTPopupWndHook::OfferMenu(hMenu, this);
    ConvertMenu(hMenu, TRUE);
    if (m_bHasHiddenCommands && PersonalizedMenusOn())
        HideItems(hMenu);
    else
        UpdateChevron(hMenu, TRUE);
    if (state.nMenuBarAlign != 0)
        MarkMenuBarSide(hMenu);
}

void CXTCoolMenu::OnMenuSelect(UINT /*nItemID*/, UINT nFlags, HMENU hMenu)
{
    if (nFlags != 0xFFFF || hMenu != nullptr)
        return;
    std::vector<HMENU> menus = m_convertedMenus;
    for (HMENU hConverted : menus)
    {
        if (::IsMenu(hConverted))
        {
            RestoreMenu(hConverted);
            UpdateChevron(hConverted, TRUE);
            ConvertMenu(hConverted, FALSE);
        }
    }
    // Records of menus destroyed meanwhile go with them.
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(),
                                 [&menus](const std::unique_ptr<XT_COOLMENU_ITEM>& p) {
                                     return std::find(menus.begin(), menus.end(), p->hMenu) != menus.end();
                                 }),
                  m_items.end());
    m_convertedMenus.clear();
    GetXTMenuState().bShowFullMenus = FALSE;
}

LRESULT CXTCoolMenu::OnMenuChar(UINT nChar, UINT /*nFlags*/, HMENU hMenu)
{
    int nCount = CountItems(hMenu);
    char chKey = (char)(UINT_PTR)::CharUpperA(reinterpret_cast<LPSTR>((UINT_PTR)(BYTE)nChar));
    std::vector<int> matches;
    int nHighlighted = -1;
    for (int i = 0; i < nCount; ++i)
    {
        if (::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_HILITE)
            nHighlighted = i;
        XT_COOLMENU_ITEM* pItem = GetItem(hMenu, i);
        if (pItem != nullptr && MnemonicOf(pItem->strText) == chKey)
            matches.push_back(i);
    }
    if (matches.empty())
        return 0;
    if (matches.size() == 1)
        return MAKELRESULT(matches[0], MNC_EXECUTE);
    auto next = std::upper_bound(matches.begin(), matches.end(), nHighlighted);
    return MAKELRESULT(next != matches.end() ? *next : matches[0], MNC_SELECT);
}

void CXTCoolMenu::Destroy()
{
    CXTPopupWndHook::ForgetCoolMenu(this);
    for (HMENU hMenu : std::vector<HMENU>(m_convertedMenus))
        if (::IsMenu(hMenu))
        {
            RestoreMenu(hMenu);
            UpdateChevron(hMenu, TRUE);
            ConvertMenu(hMenu, FALSE);
        }
    m_convertedMenus.clear();
    m_items.clear();
    m_pendingToolBars.clear();
    for (BOOL bDisabled : { FALSE, TRUE })
    {
        if (ImageList(bDisabled) != nullptr)
            ImageList_Destroy(ImageList(bDisabled));
        ImageList(bDisabled) = nullptr;
        ImageMap(bDisabled).clear();
    }
}

void CXTCoolMenu::OnSysColorChange()
{
    m_bKeyboardCues = FALSE;
    const OSVERSIONINFOA& os = GetOSVersionInfo();
    if (os.dwPlatformId == VER_PLATFORM_WIN32_NT && os.dwMajorVersion >= 5)
        ::SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &m_bKeyboardCues, 0);
}

void CXTCoolMenu::OnTimer(UINT_PTR nIDEvent)
{
    ::KillTimer(m_hWnd, nIDEvent);
    m_bTimerRunning = FALSE;
    if (nIDEvent == ChevronTimerID && GetXTMenuState().bMenuBarTracking && xtAfxData.m_bFullMenusAfterDelay)
        ::SendMessageA(m_hWnd, WM_COMMAND, XT_IDC_CHEVRON, 0);
}

void CXTCoolMenu::ShowFullMenusNow()
{
    XT_MENU_STATE& state = GetXTMenuState();
    state.bShowFullMenus = TRUE;
    state.bChevronHoverPending = FALSE;
    const std::vector<CXTPopupWndHook*>& hooks = CXTPopupWndHook::GetLiveHooks();
    if (hooks.empty())
        return;
    CXTPopupWndHook* pNewest = hooks.back();
    HMENU hMenu = pNewest->GetMenu();
    if (std::find(m_convertedMenus.begin(), m_convertedMenus.end(), hMenu) == m_convertedMenus.end())
        return;
    // Refilled in place: the open popup shows its hidden items from now on.
    HWND hWndPopup = pNewest->GetSafeHwnd();
    ::ShowWindow(hWndPopup, SW_HIDE);
    RestoreMenu(hMenu);
    UpdateChevron(hMenu, TRUE);
    pNewest->DropSnapshot();
    ::SendMessageA(hWndPopup, XT_WM_POPUP_REMEASURE, 0, 0);
    ::SetWindowPos(hWndPopup, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::RedrawWindow(hWndPopup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    ::PostMessageA(hWndPopup, XT_WM_POPUP_SHADOW, 0, 0);
}

// ---------------------------------------------------------------------------
// Window procedure of the frame

LRESULT CXTCoolMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    XT_MENU_STATE& state = GetXTMenuState();
    switch (message)
    {
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        OnSysColorChange();
        break;
    case WM_DRAWITEM:
        if (OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_MEASUREITEM:
        if (OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_COMMAND:
        if (wParam == XT_IDC_CHEVRON)
        {
            ShowFullMenusNow();
            return 0;
        }
        // Menu and tool bar commands count as used, accelerators (code 1) not.
        state.bShowFullMenus = FALSE;
        AddRecent((UINT)wParam);
        break;
    case WM_TIMER:
        if (wParam == ChevronTimerID)
        {
            OnTimer(wParam);
            return 0;
        }
        break;
    case WM_INITMENUPOPUP:
    {
        if (state.nInitMenuPopupPassBy > 0)
        {
            --state.nInitMenuPopupPassBy;
            break;
        }
        CXTWndHook::WindowProc(message, wParam, lParam);
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case WM_MENUCHAR:
        if (LRESULT lResult = OnMenuChar(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)))
            return lResult;
        break;
    case WM_ENTERMENULOOP:
        m_bMenuLoop = (BOOL)wParam;
        break;
    }
    return CXTWndHook::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Measuring and drawing

BOOL CXTCoolMenu::OnMeasureItem(MEASUREITEMSTRUCT* pMIS)
{
    if (pMIS == nullptr || pMIS->CtlType != ODT_MENU)
        return FALSE;
    XT_COOLMENU_ITEM* pItem = FindItem(pMIS->itemData);
    if (pItem == nullptr)
        return FALSE;
    LoadPendingToolBars();
    BOOL bFlat = xtAfxData.m_bFlatLook;
    int cyMenu = ::GetSystemMetrics(SM_CYMENU);
    if (pItem->fType & MFT_SEPARATOR)
    {
        pMIS->itemWidth = 0;
        pMIS->itemHeight = cyMenu / 2;
        return TRUE;
    }
    if (pItem->nID == XT_IDC_CHEVRON)
        pMIS->itemHeight = bFlat ? m_sizeIcon.cy : cyMenu + 1;
    else if (pItem->strText.IsEmpty())
    {
        pMIS->itemWidth = 100;
        pMIS->itemHeight = cyMenu;
    }
    else
    {
        CString strText = pItem->strText;
        strText.Replace("\t", "XXX");
        HDC hDC = ::GetDC(nullptr);
        HFONT hFont = (pItem->fState & MFS_DEFAULT) ? (HFONT)xtAfxData.m_fontBold.m_hObject
                                                     : (HFONT)xtAfxData.m_fontNormal.m_hObject;
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        RECT rc = { 0, 0, 0, 0 };
        ::DrawTextA(hDC, strText, strText.GetLength(), &rc, DT_SINGLELINE | DT_CALCRECT);
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(nullptr, hDC);
        int cxText = rc.right - rc.left;
        int cx = bFlat ? cxText + m_sizeIcon.cx + 28 : cxText + 2 * m_sizeIcon.cx + 2;
        pMIS->itemWidth = std::max(cx, 100);
        pMIS->itemHeight = m_sizeIcon.cy + 4 + (bFlat ? 2 : 0);
    }
    if (pItem->nID != XT_IDC_CHEVRON && (int)pMIS->itemHeight < cyMenu)
        pMIS->itemHeight = cyMenu;
    if (bFlat)
    {
        if (IsFirstItem(pItem))
            pMIS->itemHeight += 2;
        if (IsLastItem(pItem))
            pMIS->itemHeight += 2 - 2 * ::GetSystemMetrics(SM_CYDLGFRAME);
    }
    return TRUE;
}

void CXTCoolMenu::DrawFlatFrame(CDC* pDC, const CRect& rcItem, XT_COOLMENU_ITEM* pItem)
{
    FlatMenuColors colors = GetFlatMenuColors();
    CRect rc = rcItem;
    pDC->FillSolidRect(rc.left, rc.top, 1, rc.Height(), colors.clrFrame);
    pDC->FillSolidRect(rc.right - 1, rc.top, 1, rc.Height(), colors.clrFrame);
    BOOL bFirst = IsFirstItem(pItem), bLast = GetItem(pItem->hMenu, CountItems(pItem->hMenu) - 1) == pItem;
    if (bFirst)
        pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, colors.clrFrame);
    if (bLast)
        pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, colors.clrFrame);
    if (pItem->nAlign == 0)
        return;
    // The side that touches the open menu-bar item stays open over its width.
    CRect rcBar = GetXTMenuState().rcMenuBarItem;
    ::MapWindowPoints(nullptr, ::WindowFromDC(pDC->m_hDC), reinterpret_cast<POINT*>(&rcBar), 2);
    COLORREF clrFace = colors.clrFace;
    switch (pItem->nAlign)
    {
    case CBRS_ALIGN_TOP:
        if (bFirst)
            pDC->FillSolidRect(rcBar.left + 1, rc.top, rcBar.Width() - 2, 1, clrFace);
        break;
    case CBRS_ALIGN_BOTTOM:
        if (bLast)
            pDC->FillSolidRect(rcBar.left + 1, rc.bottom - 1, rcBar.Width() - 2, 1, clrFace);
        break;
    case CBRS_ALIGN_LEFT:
        if (bFirst)
            pDC->FillSolidRect(rc.left, rcBar.top + 1, 1, rcBar.Height() - 2, clrFace);
        break;
    case CBRS_ALIGN_RIGHT:
    {
        int nTop = std::max<int>(rc.top, rcBar.top + 1), nBottom = std::min<int>(rc.bottom, rcBar.bottom - 1);
        if (nBottom > nTop)
            pDC->FillSolidRect(rc.right - 1, nTop, 1, nBottom - nTop, clrFace);
        break;
    }
    }
}

void CXTCoolMenu::DrawImage(CDC* pDC, const CRect& rcCell, XT_COOLMENU_ITEM* pItem, UINT nState)
{
    int nImage = GetImageIndex(pItem->nID);
    if (nImage < 0)
        return;
    BOOL bFlat = xtAfxData.m_bFlatLook;
    int x = rcCell.left + (rcCell.Width() - m_sizeIcon.cx) / 2;
    int y = rcCell.top + (rcCell.Height() - m_sizeIcon.cy) / 2;
    if (nState & ODS_GRAYED)
    {
        int nDisabled = GetImageIndex(pItem->nID, TRUE);
        if (nDisabled >= 0)
        {
            ImageList_Draw(m_hDisabledImages, nDisabled, pDC->m_hDC, x, y, ILD_TRANSPARENT);
            return;
        }
        HICON hIcon = ImageList_GetIcon(m_hImages, nImage, ILD_NORMAL);
        HBRUSH hBrush = bFlat ? ::CreateSolidBrush(xtAfxData.m_clr3DShadow) : nullptr;
        ::DrawStateA(pDC->m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, x, y, m_sizeIcon.cx, m_sizeIcon.cy,
                     DST_ICON | (bFlat ? DSS_MONO : DSS_DISABLED));
        if (hBrush != nullptr)
            ::DeleteObject(hBrush);
        ::DestroyIcon(hIcon);
        return;
    }
    if (bFlat && (nState & ODS_SELECTED) && !(nState & ODS_CHECKED))
    {
        HICON hIcon = ImageList_GetIcon(m_hImages, nImage, ILD_NORMAL);
        HBRUSH hBrush = ::CreateSolidBrush(xtAfxData.m_clr3DShadow);
        ::DrawStateA(pDC->m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, x + 1, y + 1, m_sizeIcon.cx, m_sizeIcon.cy,
                     DST_ICON | DSS_MONO);
        ::DeleteObject(hBrush);
        ::DestroyIcon(hIcon);
        ImageList_Draw(m_hImages, nImage, pDC->m_hDC, x - 1, y - 1, ILD_TRANSPARENT);
        return;
    }
    if (!bFlat && (nState & ODS_CHECKED))
    {
        CRect rcEdge = rcCell;
        FillDitheredRect(pDC, rcEdge);
        ::DrawEdge(pDC->m_hDC, &rcEdge, BDR_SUNKENOUTER, BF_RECT);
    }
    else if (!bFlat && (nState & ODS_SELECTED))
    {
        CRect rcEdge = rcCell;
        ::DrawEdge(pDC->m_hDC, &rcEdge, BDR_RAISEDINNER, BF_RECT);
    }
    ImageList_Draw(m_hImages, nImage, pDC->m_hDC, x, y, ILD_TRANSPARENT);
}

void CXTCoolMenu::DrawCheckMark(CDC* pDC, const CRect& rcCell, XT_COOLMENU_ITEM* pItem, UINT nState)
{
    BOOL bFlat = xtAfxData.m_bFlatLook;
    COLORREF clrMark = (nState & ODS_GRAYED) ? xtAfxData.m_clrGrayText : xtAfxData.m_clrMenuText;
    if (bFlat)
    {
        CRect rc = rcCell;
        pDC->FillSolidRect(rc, (nState & ODS_SELECTED) ? xtAfxData.m_clrFlatHighlight : xtAfxData.m_clrFlatHighlightFace);
        HBRUSH hBrush = ::CreateSolidBrush((nState & ODS_SELECTED) ? GetFlatMenuColors().clrFrame : xtAfxData.m_clrHighlight);
        ::FrameRect(pDC->m_hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
        clrMark = xtAfxData.m_clrBtnText;
    }
    else
    {
        CRect rc = rcCell;
        FillDitheredRect(pDC, rc);
        ::DrawEdge(pDC->m_hDC, &rc, BDR_SUNKENOUTER, BF_RECT);
    }
    if (pItem->fType & MFT_RADIOCHECK)
        DrawMenuRadioDot(pDC->m_hDC, rcCell.left + (rcCell.Width() - 6) / 2, rcCell.top + (rcCell.Height() - 5) / 2, clrMark);
    else
        DrawMenuCheck(pDC->m_hDC, rcCell.left + 6, rcCell.top + 7, clrMark);
}

void CXTCoolMenu::DrawChevron(CDC* pDC, const CRect& rcItem, UINT nState)
{
    BOOL bSelected = (nState & ODS_SELECTED) != 0;
    CRect rcArea(rcItem.left, rcItem.bottom - 13, rcItem.right, rcItem.bottom);
    if (!xtAfxData.m_bFlatLook)
    {
        pDC->FillSolidRect(rcItem, xtAfxData.m_clrMenu);
        if (bSelected)
        {
            CRect rcEdge = rcArea;
            ::DrawEdge(pDC->m_hDC, &rcEdge, BDR_RAISEDINNER, BF_RECT);
        }
    }
    int x = rcArea.left + (rcArea.Width() - 5) / 2;
    int y = rcArea.top + (rcArea.Height() - 8) / 2;
    DrawChevronGlyph(pDC->m_hDC, x, y, xtAfxData.m_clrMenuText);
    DrawChevronGlyph(pDC->m_hDC, x, y + 4, xtAfxData.m_clrMenuText);

    XT_MENU_STATE& state = GetXTMenuState();
    state.bChevronHoverPending = bSelected;
    if (bSelected && state.bMenuBarTracking && xtAfxData.m_bFullMenusAfterDelay && !state.bOldSystem)
    {
        ::SetTimer(m_hWnd, ChevronTimerID, ChevronDelay, nullptr);
        m_bTimerRunning = TRUE;
    }
    else if (m_bTimerRunning)
    {
        ::KillTimer(m_hWnd, ChevronTimerID);
        m_bTimerRunning = FALSE;
    }
}

void CXTCoolMenu::DrawMenuText(CDC* pDC, const CRect& rcItem, XT_COOLMENU_ITEM* pItem, UINT nState)
{
    BOOL bFlat = xtAfxData.m_bFlatLook;
    COLORREF clrText;
    if (bFlat)
        clrText = (nState & ODS_GRAYED) ? xtAfxData.m_clrGrayText : xtAfxData.m_clrBtnText;
    else if (nState & ODS_GRAYED)
        clrText = (nState & ODS_SELECTED) ? xtAfxData.m_clr3DFace : xtAfxData.m_clrGrayText;
    else
        clrText = (nState & ODS_SELECTED) ? xtAfxData.m_clrHighlightText : xtAfxData.m_clrMenuText;

    CString strText = pItem->strText;
    if (!m_bKeyboardCues && !GetXTMenuState().bAltPressed)
        StripMnemonicAmpersands(strText);
    CString strLeft = strText, strRight;
    int nTab = strText.Find('\t');
    if (nTab >= 0)
    {
        strLeft = strText.Left(nTab);
        strRight = strText.Mid(nTab + 1);
    }
    CRect rcText = rcItem;
    rcText.left += m_sizeCell.cx + (bFlat ? 8 : 7);
    CFont* pFont = (pItem->fState & MFS_DEFAULT) ? &xtAfxData.m_fontBold : &xtAfxData.m_fontNormal;
    CFont* pOldFont = pDC->SelectObject(pFont);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    pDC->DrawText(strLeft, rcText, nFormat | DT_LEFT);
    if (!strRight.IsEmpty())
    {
        rcText.right -= bFlat ? 20 : m_sizeCell.cx;
        pDC->DrawText(strRight, rcText, nFormat | DT_RIGHT);
    }
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

BOOL CXTCoolMenu::OnDrawItem(DRAWITEMSTRUCT* pDIS)
{
    if (pDIS == nullptr || pDIS->CtlType != ODT_MENU)
        return FALSE;
    XT_COOLMENU_ITEM* pItem = FindItem(pDIS->itemData);
    if (pItem == nullptr)
        return FALSE;
    LoadPendingToolBars();
    CDC* pDC = CDC::FromHandle(pDIS->hDC);
    BOOL bFlat = xtAfxData.m_bFlatLook;
    UINT nState = pDIS->itemState;
    BOOL bSeparator = (pItem->fType & MFT_SEPARATOR) != 0;
    // Hidden items shown in the full menu, and separators between two of them, look dimmed.
    BOOL bRevealed = GetXTMenuState().bShowFullMenus
        && ((pItem->nFlags & XT_ITEM_HIDEABLE)
            || (bSeparator && PrevIsHidden(pItem->hMenu, pItem->nPosition) && NextIsHidden(pItem->hMenu, pItem->nPosition)));
    CRect rcItem = pDIS->rcItem;
    FlatMenuColors colors = GetFlatMenuColors();

    if (bFlat)
    {
        // Over the popup's dialog frame, which the items then draw themselves.
        rcItem.right += 2 * ::GetSystemMetrics(SM_CXDLGFRAME);
        if (IsLastItem(pItem))
            rcItem.bottom += 2 * ::GetSystemMetrics(SM_CYDLGFRAME);
        pDC->FillSolidRect(rcItem, colors.clrFace);
        CRect rcColumn(rcItem.left, rcItem.top, rcItem.left + kIconColumn, rcItem.bottom);
        pDC->FillSolidRect(rcColumn, bRevealed ? colors.clrHiddenColumn : colors.clrIconColumn);
        DrawFlatFrame(pDC, rcItem, pItem);
    }
    else
        pDC->FillSolidRect(rcItem, bRevealed ? xtAfxData.m_clr3DFaceLight : xtAfxData.m_clrMenu);

    if (pItem->nID == XT_IDC_CHEVRON)
    {
        DrawChevron(pDC, rcItem, nState);
        return TRUE;
    }
    if (bSeparator)
    {
        int y = rcItem.top + rcItem.Height() / 2;
        if (bFlat)
            pDC->FillSolidRect(rcItem.left + kIconColumn + 2, y, rcItem.right - 1 - (rcItem.left + kIconColumn + 2), 1,
                               colors.clrSeparator);
        else
        {
            CRect rcLine(rcItem.left + 12, y, rcItem.right - 12, y + 2);
            ::DrawEdge(pDC->m_hDC, &rcLine, EDGE_ETCHED, BF_TOP);
        }
        return TRUE;
    }

    BOOL bSelected = (nState & ODS_SELECTED) != 0, bGrayed = (nState & ODS_GRAYED) != 0;
    CRect rcCell(rcItem.left, rcItem.top, rcItem.left + m_sizeCell.cx, rcItem.top + m_sizeCell.cy);
    rcCell.OffsetRect(0, (pDIS->rcItem.bottom - pDIS->rcItem.top - m_sizeCell.cy) / 2);
    if (bSelected && bFlat && !bGrayed)
    {
        CRect rcHot(rcItem.left + 1, rcItem.top, rcItem.right - 1, rcItem.bottom);
        if (IsFirstItem(pItem))
            rcHot.top += 1;
        pDC->FillSolidRect(rcHot, colors.clrHot);
        HBRUSH hBrush = ::CreateSolidBrush(xtAfxData.m_clrHighlight);
        ::FrameRect(pDC->m_hDC, &rcHot, hBrush);
        ::DeleteObject(hBrush);
    }
    else if (bSelected && !bFlat)
    {
        CRect rcHot(rcCell.right + 2, rcItem.top, rcItem.right, rcItem.bottom);
        if (pItem->nFlags & XT_ITEM_FIRSTHIDDEN)
            rcHot.top += 1;
        pDC->FillSolidRect(rcHot, bGrayed ? xtAfxData.m_clrMenu : xtAfxData.m_clrHighlight);
    }
    if (GetImageIndex(pItem->nID) >= 0)
        DrawImage(pDC, rcCell, pItem, nState);
    else if (nState & ODS_CHECKED)
        DrawCheckMark(pDC, rcCell, pItem, nState);
    DrawMenuText(pDC, rcItem, pItem, nState);
    return TRUE;
}
