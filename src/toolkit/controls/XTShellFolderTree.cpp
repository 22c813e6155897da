#include "toolkit/controls/XTShellFolderTree.h"

#include "toolkit/controls/XTDropSource.h"

#include "framework/ComboBoxEx.h"
#include "framework/MessageBox.h"
#include "toolkit/frame/XTOSVersion.h"

#include <io.h>

IMPLEMENT_DYNAMIC(CXTShellFolderTree, CXTTreeCtrl)

CXTShellFolderTree::CXTShellFolderTree()
    : m_dwEnumFlags(m_shSettings.EnumFlags(SHCONTF_FOLDERS)), m_pListView(nullptr), m_pComboBox(nullptr), m_bContextMenu(TRUE),
      m_bUseSysImages(TRUE), m_bInitPending(TRUE), m_bSelectPending(FALSE), m_bNoListUpdate(FALSE),
      m_bInitQueued(FALSE)
{
}

CXTShellFolderTree::~CXTShellFolderTree() = default;

BEGIN_MESSAGE_MAP(CXTShellFolderTree, CXTTreeCtrl)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct), void OnDestroy()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    // BOOL OnItemExpandingShell(NMHDR* pNMHDR, LRESULT* pResult) and the other reflected notifications
    ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDINGA, OnItemExpandingShell)
    ON_NOTIFY_REFLECT_EX(TVN_ITEMEXPANDINGW, OnItemExpandingShell)
    ON_NOTIFY_REFLECT_EX(TVN_SELCHANGEDA, OnSelChanged)
    ON_NOTIFY_REFLECT_EX(TVN_SELCHANGEDW, OnSelChanged)
    ON_NOTIFY_REFLECT_EX(NM_RCLICK, OnRClick)
    ON_NOTIFY_REFLECT_EX(TVN_BEGINDRAGA, OnBeginDrag)
    ON_NOTIFY_REFLECT_EX(TVN_BEGINDRAGW, OnBeginDrag)
    ON_NOTIFY_REFLECT_EX(TVN_BEGINRDRAGA, OnBeginDrag)
    ON_NOTIFY_REFLECT_EX(TVN_BEGINRDRAGW, OnBeginDrag)
    ON_NOTIFY_REFLECT_EX(TVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT_EX(TVN_GETDISPINFOW, OnGetDispInfo)
    // LRESULT OnShellNotify(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_SHELLVIEW_NOTIFY, OnShellNotify)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Set-up

int CXTShellFolderTree::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    DeferInitialize();
    return 0;
}

void CXTShellFolderTree::PreSubclassWindow()
{
    CXTTreeCtrl::PreSubclassWindow();
    DeferInitialize();
}

void CXTShellFolderTree::DeferInitialize()
{
    if (!m_bInitQueued)
    {
        m_bInitQueued = TRUE;
        PostMessage(WM_SHELLVIEW_NOTIFY, XT_SHN_INITIALIZE);
    }
}

// The records are freed here too, so that none is lost when the parent does not
// pass TVN_DELETEITEM back.
void CXTShellFolderTree::OnDestroy()
{
    for (HTREEITEM hItem = GetRootItem(); hItem != nullptr; hItem = GetNextItem(hItem))
    {
        CXTShellPidl::FreeItemData(GetShellItemData(hItem));
        SetItemData(hItem, 0);
    }
    DeleteAllItems();
    Default();
}

void CXTShellFolderTree::OnItemDeleted(HTREEITEM hItem, LPARAM lParam)
{
    CXTTreeCtrl::OnItemDeleted(hItem, lParam);
    CXTShellPidl::FreeItemData(reinterpret_cast<XT_SHELLITEMDATA*>(lParam));
}

BOOL CXTShellFolderTree::InitSystemImageList()
{
    SHFILEINFOA sfi = {};
    HIMAGELIST hImages =
        (HIMAGELIST)::SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    if (hImages == nullptr)
        return FALSE;
    SetImageList(hImages, TVSIL_NORMAL);
    return TRUE;
}

DWORD CXTShellFolderTree::GetSystemTreeStyle(const OSVERSIONINFOA& os)
{
    BOOL bNT51 = os.dwPlatformId == VER_PLATFORM_WIN32_NT
                 && (os.dwMajorVersion > 5 || (os.dwMajorVersion == 5 && os.dwMinorVersion >= 1));
    if (bNT51)
        return TVS_HASBUTTONS | TVS_SHOWSELALWAYS | TVS_TRACKSELECT | TVS_SINGLEEXPAND;
    return TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
}

void CXTShellFolderTree::OnDeferredInitialize()
{
    if (!m_bInitPending)
        return;
    m_bInitPending = FALSE;
    if (m_bUseSysImages && GetImageList(TVSIL_NORMAL) == nullptr)
        InitSystemImageList();
    ModifyStyle(0, GetSystemTreeStyle(GetOSVersionInfo()));
    // A pending path selects a folder itself: the first folder would be
    // filled, expanded and laid out only to be left at once.
    m_bNoListUpdate = m_bSelectPending;
    InitializeTree();
    m_bNoListUpdate = FALSE;
    EnableMultiSelect(FALSE);
    if (m_bSelectPending)
    {
        m_bSelectPending = FALSE;
        SelectPath(m_strSelectPath);
        // A path not found leaves the first folder selected, its list empty.
        HTREEITEM hFirst = GetChildItem(GetRootItem());
        if (GetSelectedItem() == nullptr && hFirst != nullptr)
        {
            m_bNoListUpdate = TRUE;
            SelectFirstFolder(hFirst);
            m_bNoListUpdate = FALSE;
        }
    }
}

HTREEITEM CXTShellFolderTree::InsertDesktopItem()
{
    LPITEMIDLIST pidlDesktop = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(m_hWnd, CSIDL_DESKTOP, &pidlDesktop)))
        return nullptr;
    SHFILEINFOA sfi = {};
    ::SHGetFileInfoA((LPCSTR)pidlDesktop, 0, &sfi, sizeof(sfi), SHGFI_PIDL | SHGFI_DISPLAYNAME);
    XT_SHELLITEMDATA* pData = CXTShellPidl::NewItemData(nullptr, pidlDesktop, pidlDesktop);
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = TVI_ROOT;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    tvis.item.pszText = sfi.szDisplayName;
    tvis.item.lParam = (LPARAM)pData;
    tvis.item.cChildren = 1;
    SetIconsOnDraw(&tvis.item);
    ::CoTaskMemFree(pidlDesktop);
    HTREEITEM hItem = InsertItem(&tvis);
    if (hItem == nullptr)
        CXTShellPidl::FreeItemData(pData);
    return hItem;
}

BOOL CXTShellFolderTree::InitializeTree()
{
    DeleteAllItems();
    IShellFolder* lpsfDesktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&lpsfDesktop)))
        return FALSE;
    HTREEITEM hRoot = InsertDesktopItem();
    BOOL bOk = hRoot != nullptr && PopulateTree(lpsfDesktop, nullptr, hRoot);
    lpsfDesktop->Release();
    if (!bOk)
        return FALSE;
    CXTTreeCtrl::SetItemState(hRoot, TVIS_EXPANDEDONCE, TVIS_EXPANDEDONCE);
    SortChildrenOf(hRoot);
    Expand(hRoot, TVE_EXPAND);
    HTREEITEM hFirst = GetChildItem(hRoot);
    if (hFirst != nullptr && !m_bSelectPending)
        SelectFirstFolder(hFirst);
    SetFocus();
    return TRUE;
}

void CXTShellFolderTree::SelectFirstFolder(HTREEITEM hFirst)
{
    Select(hFirst, TVGN_CARET);
    if (!(GetStyle() & TVS_SINGLEEXPAND))
    {
        SetRedraw(FALSE);
        Expand(hFirst, TVE_EXPAND);
        SetRedraw(TRUE);
    }
}

void CXTShellFolderTree::GetItemIcons(LPCITEMIDLIST lpifq, TVITEMA* lptvitem)
{
    const UINT uFlags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    lptvitem->iImage = CXTShellPidl::GetItemIcon(lpifq, uFlags);
    lptvitem->iSelectedImage = CXTShellPidl::GetItemIcon(lpifq, uFlags | SHGFI_OPENICON);
    lptvitem->mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
}

void CXTShellFolderTree::GetCachedIcons(const XT_SHELLITEMDATA* pData, TVITEMA* lptvitem)
{
    const UINT uFlags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    // Both look-ups start from the item's path: the shell is asked for it once.
    const CString strPath =
        (pData->ulAttribs & SFGAO_FILESYSTEM) ? CXTShellPidl::GetPath(pData->lpifq) : CString();
    lptvitem->iImage = m_iconCache.GetIcon(pData->lpifq, pData->ulAttribs, uFlags, strPath);
    lptvitem->iSelectedImage = m_iconCache.GetIcon(pData->lpifq, pData->ulAttribs, uFlags | SHGFI_OPENICON, strPath);
    lptvitem->mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
}

// The icons are looked up when the control first draws the item: a look-up
// costs as much as the rest of an item, and most items are never seen.
void CXTShellFolderTree::SetIconsOnDraw(TVITEMA* lptvitem)
{
    lptvitem->iImage = I_IMAGECALLBACK;
    lptvitem->iSelectedImage = I_IMAGECALLBACK;
    lptvitem->mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
}

// The control keeps the icons once they are given (TVIF_DI_SETITEM).
BOOL CXTShellFolderTree::OnGetDispInfo(NMHDR* pNMHDR, LRESULT*)
{
    // The item fields asked for sit at the same places in the A and W records.
    TVITEMA& item = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR)->item;
    XT_SHELLITEMDATA* pData = reinterpret_cast<XT_SHELLITEMDATA*>(item.lParam);
    if (pData == nullptr || !(item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)))
        return FALSE;
    TVITEMA icons = {};
    GetCachedIcons(pData, &icons);
    item.iImage = icons.iImage;
    item.iSelectedImage = icons.iSelectedImage;
    item.mask |= TVIF_DI_SETITEM;
    return TRUE;
}

void CXTShellFolderTree::GetImagesOf(HTREEITEM hItem, int& nImage, int& nSelectedImage)
{
    GetItemImage(hItem, nImage, nSelectedImage);
    XT_SHELLITEMDATA* pData = GetShellItemData(hItem);
    if ((nImage != I_IMAGECALLBACK && nSelectedImage != I_IMAGECALLBACK) || pData == nullptr)
        return;
    TVITEMA icons = {};
    GetCachedIcons(pData, &icons);
    nImage = icons.iImage;
    nSelectedImage = icons.iSelectedImage;
}

BOOL CXTShellFolderTree::PopulateTree(IShellFolder* lpsf, LPCITEMIDLIST lpifq, HTREEITEM hParent)
{
    IEnumIDList* pEnum = nullptr;
    if (lpsf->EnumObjects(m_hWnd, m_dwEnumFlags, &pEnum) != S_OK || pEnum == nullptr)
        return FALSE;
    HCURSOR hOldCursor = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    BOOL bOk = TRUE;
    LPITEMIDLIST lpi = nullptr;
    ULONG nFetched = 0;
    while (bOk && pEnum->Next(1, &lpi, &nFetched) == S_OK)
    {
        ULONG ulAttrs = SFGAO_HASSUBFOLDER | SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_REMOVABLE | SFGAO_DISPLAYATTRMASK;
        LPCITEMIDLIST lpcItem = lpi;
        lpsf->GetAttributesOf(1, &lpcItem, &ulAttrs);
        if (ulAttrs & SFGAO_FOLDER)
        {
            CString strName = CXTShellPidl::GetDisplayName(lpsf, lpi, SHGDN_NORMAL);
            LPITEMIDLIST lpifqItem = CXTShellPidl::ConcatPidls(lpifq, lpi);
            XT_SHELLITEMDATA* pData = lpifqItem != nullptr ? CXTShellPidl::NewItemData(lpsf, lpi, lpifqItem) : nullptr;
            ::CoTaskMemFree(lpifqItem);
            if (pData == nullptr || strName.IsEmpty())
            {
                CXTShellPidl::FreeItemData(pData);
                bOk = FALSE;
            }
            else
            {
                pData->ulAttribs = ulAttrs;
                TVINSERTSTRUCTA tvis = {};
                tvis.hParent = hParent;
                tvis.hInsertAfter = TVI_LAST;
                tvis.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
                tvis.item.pszText = const_cast<LPSTR>((LPCSTR)strName);
                tvis.item.lParam = (LPARAM)pData;
                tvis.item.cChildren = (ulAttrs & SFGAO_HASSUBFOLDER) ? 1 : 0;
                SetIconsOnDraw(&tvis.item);
                HTREEITEM hItem = InsertItem(&tvis);
                UINT nState = 0, nMask = 0;
                if (hItem == nullptr)
                    CXTShellPidl::FreeItemData(pData);
                else if (CXTShellPidl::GetOverlayState(ulAttrs, nState, nMask))
                    CXTTreeCtrl::SetItemState(hItem, nState, nMask);
            }
        }
        ::CoTaskMemFree(lpi);
        lpi = nullptr;
    }
    pEnum->Release();
    ::SetCursor(hOldCursor);
    return bOk;
}

static int CALLBACK CompareTreeItems(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    XT_SHELLITEMDATA* p1 = reinterpret_cast<XT_SHELLITEMDATA*>(lParam1);
    XT_SHELLITEMDATA* p2 = reinterpret_cast<XT_SHELLITEMDATA*>(lParam2);
    if (p1->lpsfParent == nullptr)
        return 0;
    HRESULT hr = p1->lpsfParent->CompareIDs(0, p1->lpi, p2->lpi);
    return FAILED(hr) ? 0 : (short)HRESULT_CODE(hr);
}

void CXTShellFolderTree::SortChildrenOf(HTREEITEM hItem)
{
    TVSORTCB sort = { hItem, CompareTreeItems, 0 };
    SortChildrenCB(&sort);
}

// ---------------------------------------------------------------------------
// Expanding and selecting

void CXTShellFolderTree::PopulateChildren(HTREEITEM hItem, XT_SHELLITEMDATA* pData)
{
    if (pData == nullptr || CXTTreeCtrl::GetItemState(hItem, TVIS_EXPANDEDONCE))
        return;
    CXTTreeCtrl::SetItemState(hItem, TVIS_EXPANDEDONCE, TVIS_EXPANDEDONCE);
    IShellFolder* lpsf = CXTShellPidl::BindToFolder(pData);
    if (lpsf == nullptr)
        return;
    PopulateTree(lpsf, pData->lpifq, hItem);
    lpsf->Release();
    SortChildrenOf(hItem);
}

void CXTShellFolderTree::OnFolderExpanding(NMTREEVIEWA* pNMTV)
{
    if (pNMTV->itemNew.state & TVIS_EXPANDEDONCE)
        return;
    HTREEITEM hItem = pNMTV->itemNew.hItem;
    PopulateChildren(hItem, GetShellItemData(hItem));
}

BOOL CXTShellFolderTree::OnItemExpandingShell(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The item handle and state sit at the same places in the A and W records.
    NMTREEVIEWA* pNMTV = reinterpret_cast<NMTREEVIEWA*>(pNMHDR);
    if ((pNMTV->action & 0x0003) == TVE_EXPAND)
        OnFolderExpanding(pNMTV);
    return OnItemExpanding(pNMHDR, pResult);
}

BOOL CXTShellFolderTree::GetItemPath(HTREEITEM hItem, CString& strPath)
{
    XT_SHELLITEMDATA* pData = hItem != nullptr ? GetShellItemData(hItem) : nullptr;
    strPath.Empty();
    if (pData == nullptr)
        return FALSE;
    ULONG ulAttrs = SFGAO_FILESYSTEM;
    LPCITEMIDLIST lpi = pData->lpi;
    if (pData->lpsfParent != nullptr)
        pData->lpsfParent->GetAttributesOf(1, &lpi, &ulAttrs);
    if (pData->lpsfParent == nullptr || !(ulAttrs & SFGAO_FILESYSTEM))
        return FALSE;
    strPath = CXTShellPidl::GetPath(pData->lpifq);
    return !strPath.IsEmpty();
}

BOOL CXTShellFolderTree::GetSelectedFolderPath(CString& strFolderPath)
{
    return GetItemPath(GetSelectedItem(), strFolderPath);
}

BOOL CXTShellFolderTree::OnFolderSelected(NMTREEVIEWA* pNMTV, CString& strFolderPath)
{
    HTREEITEM hItem = pNMTV->itemNew.hItem;
    if (hItem == nullptr)
        return FALSE;
    BOOL bPath = GetItemPath(hItem, strFolderPath);
    if (ItemHasChildren(hItem))
        PopulateChildren(hItem, GetShellItemData(hItem));
    if (!bPath)
        strFolderPath = GetItemText(hItem);
    return bPath;
}

void CXTShellFolderTree::NotifyList(UINT nCode, XT_SHELLITEMDATA* pData)
{
    if (m_pListView != nullptr && ::IsWindow(m_pListView->GetSafeHwnd()))
        m_pListView->SendMessage(WM_SHELLVIEW_NOTIFY, nCode, (LPARAM)pData);
}

BOOL CXTShellFolderTree::OnSelChanged(NMHDR* pNMHDR, LRESULT*)
{
    NMTREEVIEWA* pNMTV = reinterpret_cast<NMTREEVIEWA*>(pNMHDR);
    CString strPath;
    OnFolderSelected(pNMTV, strPath);
    if (!m_bNoListUpdate && pNMTV->itemNew.hItem != nullptr)
        NotifyList(XT_SHN_SELECTED, GetShellItemData(pNMTV->itemNew.hItem));
    ShowInComboBox(pNMTV->itemNew.hItem);
    return FALSE;
}

BOOL CXTShellFolderTree::OnRClick(NMHDR*, LRESULT*)
{
    if (m_bContextMenu)
        ShowContextMenu();
    return FALSE;
}

void CXTShellFolderTree::ShowContextMenu()
{
    CPoint ptScreen;
    ::GetCursorPos(&ptScreen);
    CPoint pt = ptScreen;
    ScreenToClient(&pt);
    UINT nFlags = 0;
    HTREEITEM hItem = HitTest(pt, &nFlags);
    if (hItem == nullptr || !(nFlags & TVHT_ONITEM))
        return;
    XT_SHELLITEMDATA* pData = GetShellItemData(hItem);
    if (pData == nullptr)
        return;
    if (pData->lpsfParent != nullptr)
    {
        CXTShellPidl::ShowContextMenu(this, pData->lpsfParent, pData->lpi, ptScreen);
        return;
    }
    IShellFolder* lpsfDesktop = nullptr;
    if (SUCCEEDED(::SHGetDesktopFolder(&lpsfDesktop)))
    {
        CXTShellPidl::ShowContextMenu(this, lpsfDesktop, pData->lpi, ptScreen);
        lpsfDesktop->Release();
    }
}

HTREEITEM CXTShellFolderTree::FindSiblingItem(HTREEITEM hItem, LPCSTR lpszText, int nMode)
{
    for (; hItem != nullptr; hItem = GetNextSiblingItem(hItem))
    {
        CString strCompare;
        if (nMode == 1)
            strCompare = GetItemText(hItem);
        else
        {
            GetItemPath(hItem, strCompare);
            if (nMode == 0)
                strCompare = strCompare.GetLength() == 3 ? strCompare.Left(2) : CString();
        }
        if (!strCompare.IsEmpty() && strCompare.CompareNoCase(lpszText) == 0)
            return hItem;
    }
    return nullptr;
}

BOOL CXTShellFolderTree::SearchTree(HTREEITEM hItem, LPCSTR lpszText, int nMode)
{
    HTREEITEM hFound = FindSiblingItem(hItem, lpszText, nMode);
    if (hFound == nullptr)
        return FALSE;
    EnsureVisible(hFound);
    Select(hFound, TVGN_CARET);
    return TRUE;
}

BOOL CXTShellFolderTree::SelectPath(LPCSTR lpszPath)
{
    m_strSelectPath = lpszPath;
    if (m_bInitPending)
    {
        m_bSelectPending = TRUE;
        return TRUE;
    }
    CString strPath = lpszPath;
    if (strPath.GetLength() == 1)
        strPath += ":\\";
    else if (strPath.GetLength() == 2 && strPath[1] == ':')
        strPath += "\\";
    if (_access(strPath, 0) != 0 && strPath.GetLength() != 3)
    {
        AfxShowMessageBox(m_hWnd, strPath, "Folder not found", MB_ICONERROR);
        return FALSE;
    }
    if (strPath.Right(1) != "\\")
        strPath += "\\";

    m_bNoListUpdate = TRUE;
    SetRedraw(FALSE);
    // The drive among the Desktop's children's children, then each folder
    // below it. Only the last folder found is selected: each selection on the
    // way would expand, scroll and notify for nothing.
    HTREEITEM hFound = nullptr;
    HTREEITEM hRoot = GetRootItem();
    for (HTREEITEM hChild = GetChildItem(hRoot); hChild != nullptr && hFound == nullptr;
         hChild = GetNextSiblingItem(hChild))
    {
        PopulateChildren(hChild, GetShellItemData(hChild));
        hFound = FindSiblingItem(GetChildItem(hChild), strPath.Left(2), 0);
    }
    BOOL bFound = hFound != nullptr;
    for (int nStart = 3; bFound && nStart < strPath.GetLength();)
    {
        int nEnd = strPath.Find('\\', nStart);
        CString strPart = strPath.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        PopulateChildren(hFound, GetShellItemData(hFound));
        HTREEITEM hNext = FindSiblingItem(GetChildItem(hFound), strPart, 1);
        if (hNext == nullptr)
        {
            // The way ends here: the deepest folder found shows what it holds.
            bFound = FALSE;
            Expand(hFound, TVE_EXPAND);
        }
        else
            hFound = hNext;
    }
    if (hFound != nullptr)
    {
        EnsureVisible(hFound);
        Select(hFound, TVGN_CARET);
    }
    SetRedraw(TRUE);
    m_bNoListUpdate = FALSE;
    HTREEITEM hSelected = GetSelectedItem();
    if (hSelected != nullptr)
    {
        EnsureVisible(hSelected);
        NotifyList(XT_SHN_SELECTED, GetShellItemData(hSelected));
    }
    return bFound;
}

BOOL CXTShellFolderTree::FindIdList(HTREEITEM hItem, XT_SHELLITEMDATA* pData)
{
    for (; hItem != nullptr; hItem = GetNextSiblingItem(hItem))
    {
        XT_SHELLITEMDATA* pItemData = GetShellItemData(hItem);
        if (pItemData != nullptr && pData->lpsfParent != nullptr &&
            pData->lpsfParent->CompareIDs(0, pItemData->lpi, pData->lpi) == 0)
        {
            EnsureVisible(hItem);
            Select(hItem, TVGN_CARET);
            return TRUE;
        }
        if (GetChildItem(hItem) != nullptr && FindIdList(GetChildItem(hItem), pData))
            return TRUE;
    }
    return FALSE;
}

LRESULT CXTShellFolderTree::OnShellNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam == XT_SHN_INITIALIZE)
        OnDeferredInitialize();
    else if (wParam == XT_SHN_DBLCLICKED && lParam != 0)
    {
        XT_SHELLITEMDATA* pData = reinterpret_cast<XT_SHELLITEMDATA*>(lParam);
        HTREEITEM hSelected = GetSelectedItem();
        if (hSelected != nullptr)
        {
            PopulateChildren(hSelected, GetShellItemData(hSelected));
            Expand(hSelected, TVE_EXPAND);
        }
        if (hSelected == nullptr || !FindIdList(GetChildItem(hSelected), pData))
            NotifyList(XT_SHN_NOTFOUND, pData);
    }
    return 0;
}

BOOL CXTShellFolderTree::OnBeginDrag(NMHDR* pNMHDR, LRESULT*)
{
    BeginDrag(reinterpret_cast<NMTREEVIEWA*>(pNMHDR));
    return FALSE;
}

// The shell's own data object of the folder, so that targets get what the shell offers.
void CXTShellFolderTree::BeginDrag(NMTREEVIEWA* pNMTV)
{
    XT_SHELLITEMDATA* pData = GetShellItemData(pNMTV->itemNew.hItem);
    if (pData == nullptr || pData->lpsfParent == nullptr)
        return;
    IDataObject* pDataObject = nullptr;
    LPCITEMIDLIST lpi = pData->lpi;
    if (FAILED(pData->lpsfParent->GetUIObjectOf(m_hWnd, 1, &lpi, IID_IDataObject, nullptr, (void**)&pDataObject)) ||
        pDataObject == nullptr)
        return;
    CXTDropSource* pDropSource = new CXTDropSource;
    DWORD dwEffect = DROPEFFECT_NONE;
    ::DoDragDrop(pDataObject, pDropSource, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &dwEffect);
    pDropSource->Release();
    pDataObject->Release();
}

void CXTShellFolderTree::AttachComboBox(CWnd* pComboBox)
{
    m_pComboBox = pComboBox;
    if (pComboBox != nullptr && pComboBox->IsKindOf(RUNTIME_CLASS(CComboBoxEx)))
    {
        SHFILEINFOA sfi = {};
        HIMAGELIST hImages =
            (HIMAGELIST)::SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
        static_cast<CComboBoxEx*>(pComboBox)->SetImageList(hImages);
    }
}

void CXTShellFolderTree::ShowInComboBox(HTREEITEM hItem)
{
    if (m_pComboBox == nullptr || !::IsWindow(m_pComboBox->GetSafeHwnd()) || hItem == nullptr)
        return;
    CString strText = GetItemText(hItem);
    CComboBox* pCombo = static_cast<CComboBox*>(m_pComboBox);
    int nIndex = pCombo->FindStringExact(-1, strText);
    if (nIndex < 0 && m_pComboBox->IsKindOf(RUNTIME_CLASS(CComboBoxEx)))
    {
        int nImage = 0, nSelImage = 0;
        GetImagesOf(hItem, nImage, nSelImage);
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
        item.iItem = 0;
        item.pszText = const_cast<LPSTR>((LPCSTR)strText);
        item.iImage = nImage;
        item.iSelectedImage = nSelImage;
        item.lParam = (LPARAM)hItem;
        nIndex = static_cast<CComboBoxEx*>(m_pComboBox)->InsertItem(&item);
    }
    else if (nIndex < 0)
    {
        nIndex = pCombo->InsertString(0, strText);
        pCombo->SetItemData(nIndex, (DWORD_PTR)hItem);
    }
    pCombo->SetCurSel(nIndex);
}

BOOL CXTShellFolderTree::InitializeTreeAt(LPCSTR lpszRootPath)
{
    DeleteAllItems();
    IShellFolder* lpsf = nullptr;
    if (FAILED(::SHGetDesktopFolder(&lpsf)))
        return FALSE;
    LPITEMIDLIST lpifq = nullptr;
    CString strPath = lpszRootPath;
    BOOL bComplete = TRUE;
    // Down one piece (with its backslash) at a time.
    for (int nStart = 0; nStart < strPath.GetLength();)
    {
        int nEnd = strPath.Find('\\', nStart);
        nEnd = nEnd < 0 ? strPath.GetLength() : nEnd + 1;
        CString strPiece = strPath.Mid(nStart, nEnd - nStart);
        nStart = nEnd;
        WCHAR szWide[MAX_PATH] = L"";
        ::MultiByteToWideChar(CP_ACP, 0, strPiece, -1, szWide, MAX_PATH);
        LPITEMIDLIST lpi = nullptr;
        IShellFolder* lpsfNext = nullptr;
        if (FAILED(lpsf->ParseDisplayName(m_hWnd, nullptr, szWide, nullptr, &lpi, nullptr)) ||
            FAILED(lpsf->BindToObject(lpi, nullptr, IID_IShellFolder, (void**)&lpsfNext)))
        {
            ::CoTaskMemFree(lpi);
            bComplete = FALSE;
            break;
        }
        LPITEMIDLIST lpifqNext = CXTShellPidl::ConcatPidls(lpifq, lpi);
        ::CoTaskMemFree(lpifq);
        ::CoTaskMemFree(lpi);
        lpifq = lpifqNext;
        lpsf->Release();
        lpsf = lpsfNext;
    }
    PopulateTree(lpsf, lpifq, TVI_ROOT);
    ::CoTaskMemFree(lpifq);
    lpsf->Release();
    SortChildrenOf(TVI_ROOT);
    HTREEITEM hFirst = GetRootItem();
    if (hFirst != nullptr)
    {
        Expand(hFirst, TVE_EXPAND);
        Select(hFirst, TVGN_CARET);
    }
    return bComplete;
}
