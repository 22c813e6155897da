#include "toolkit/controls/XTShellFolderList.h"

#include "toolkit/controls/XTButton.h"
#include "toolkit/controls/XTShellFolderTree.h"
#include "toolkit/controls/XTSortClass.h"
#include "toolkit/controls/XTViewText.h"

#include "toolkit/controls/XTDropSource.h"

#include "framework/OleDataSource.h"
#include "framework/ProgramStart.h"

#include <algorithm>
#include <shlobj.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CXTShellFolderList, CXTListCtrl)

namespace {

const UINT kIconFlags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;

} // namespace

CXTShellFolderList::CXTShellFolderList()
    : m_dwEnumFlags(0), m_pTreeCtrl(nullptr), m_bContextMenu(TRUE), m_pidlInternet(nullptr), m_bInitialized(FALSE),
      m_pFolder(nullptr)
{
    m_dwEnumFlags = m_shSettings.EnumFlags(SHCONTF_FOLDERS | SHCONTF_NONFOLDERS);
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_INTERNET, &m_pidlInternet)))
        m_pidlInternet = nullptr;
}

CXTShellFolderList::~CXTShellFolderList()
{
    CXTShellPidl::FreeItemData(m_pFolder);
    ::CoTaskMemFree(m_pidlInternet);
}

BEGIN_MESSAGE_MAP(CXTShellFolderList, CXTListCtrl)
    // void OnDestroy()
    ON_WM_DESTROY()
    // BOOL OnDblClick(NMHDR* pNMHDR, LRESULT* pResult) and the other reflected notifications
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClick)
    ON_NOTIFY_REFLECT_EX(NM_RCLICK, OnRClick)
    ON_NOTIFY_REFLECT_EX(LVN_DELETEITEM, OnDeleteItem)
    ON_NOTIFY_REFLECT_EX(LVN_BEGINDRAG, OnBeginDrag)
    ON_NOTIFY_REFLECT_EX(LVN_BEGINRDRAG, OnBeginDrag)
    // LRESULT OnShellNotify(WPARAM wParam, LPARAM lParam): wParam a code, lParam an item record
    ON_MESSAGE(WM_SHELLVIEW_NOTIFY, OnShellNotify)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdateShell)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------
// Set-up

LRESULT CXTShellFolderList::OnInitialUpdateShell(WPARAM wParam, LPARAM lParam)
{
    OnInitialUpdate(wParam, lParam);
    if (!m_bInitialized)
    {
        m_bInitialized = TRUE;
        InitializeControl();
    }
    return 0;
}

void CXTShellFolderList::BuildColumns()
{
    struct Column { LPCSTR heading; int cx; int fmt; } columns[] = {
        { "Name", 200, LVCFMT_LEFT }, { "Size", 100, LVCFMT_RIGHT }, { "Type", 120, LVCFMT_LEFT },
        { "Modified", 120, LVCFMT_LEFT },
    };
    for (const Column& column : columns)
        AddColumn(column.heading, column.cx, column.fmt);
}

BOOL CXTShellFolderList::InitSystemImageLists()
{
    SHFILEINFOA sfi = {};
    HIMAGELIST hSmall = (HIMAGELIST)::SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    HIMAGELIST hLarge = (HIMAGELIST)::SHGetFileInfoA("C:\\", 0, &sfi, sizeof(sfi), SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
    if (hSmall == nullptr || hLarge == nullptr)
        return FALSE;
    SetImageList(hSmall, LVSIL_SMALL);
    SetImageList(hLarge, LVSIL_NORMAL);
    return TRUE;
}

void CXTShellFolderList::InitializeControl()
{
    UpdateFont();
    if (GetImageList(LVSIL_SMALL) != nullptr)
        return;
    ModifyStyle(LVS_TYPEMASK, LVS_REPORT | LVS_SHAREIMAGELISTS);
    BuildColumns();
    InitSystemImageLists();
    SubclassHeader(FALSE);
    if (CXTFlatHeaderCtrl* pHeader = GetFlatHeaderCtrl())
        pHeader->ShowSortArrow(TRUE);
    DragAcceptFiles(TRUE);
}

// ---------------------------------------------------------------------------
// Filling

// The records are freed here, not only on LVN_DELETEITEM, so that none is lost
// when the parent does not pass the notification back.
void CXTShellFolderList::DeleteAllRecords()
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        CXTShellPidl::FreeItemData(GetShellItemData(i));
        SetItemData(i, 0);
    }
    m_fileItems.clear();
    DeleteAllItems();
}

// Every item's record goes with the item: deleted one by one, all at once or with the window.
BOOL CXTShellFolderList::OnDeleteItem(NMHDR* pNMHDR, LRESULT*)
{
    NMLISTVIEW* pNMLV = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    XT_SHELLITEMDATA* pData = reinterpret_cast<XT_SHELLITEMDATA*>(pNMLV->lParam);
    for (auto it = m_fileItems.begin(); pData != nullptr && it != m_fileItems.end(); ++it)
        if (it->second == pData)
        {
            m_fileItems.erase(it);
            break;
        }
    CXTShellPidl::FreeItemData(pData);
    return FALSE;
}

void CXTShellFolderList::OnDestroy()
{
    DeleteAllRecords();
    CXTShellPidl::FreeItemData(m_pFolder);
    m_pFolder = nullptr;
    CXTListCtrl::OnDestroy();
}

int CXTShellFolderList::GetItemIcon(LPCITEMIDLIST lpifq)
{
    return CXTShellPidl::GetItemIcon(lpifq, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
}

void CXTShellFolderList::SetItemOverlay(int nIndex, ULONG ulAttribs)
{
    UINT nState = 0, nMask = 0;
    if (CXTShellPidl::GetOverlayState(ulAttribs, nState, nMask))
        SetItemState(nIndex, nState, nMask);
}

CXTShellFolderList::FolderValues CXTShellFolderList::ReadFolderValues(const CString& strFolder)
{
    FolderValues values;
    if (strFolder.IsEmpty())
        return values;
    CString strPattern = strFolder + (strFolder.Right(1) == "\\" ? "*" : "\\*");
    WIN32_FIND_DATAA fd = {};
    HANDLE hFind = ::FindFirstFileA(strPattern, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return values;
    do
    {
        CString strName = fd.cFileName;
        strName.MakeLower();
        values[strName] = { ((ULONGLONG)fd.nFileSizeHigh << 32) | fd.nFileSizeLow, fd.ftLastWriteTime };
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return values;
}

namespace {

// An object of another folder (a link's target, say) is searched on its own.
BOOL ReadFileValues(const CString& strPath, ULONGLONG& nSize, FILETIME& ftModified)
{
    WIN32_FIND_DATAA fd = {};
    HANDLE hFind = strPath.IsEmpty() ? INVALID_HANDLE_VALUE : ::FindFirstFileA(strPath, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);
    nSize = ((ULONGLONG)fd.nFileSizeHigh << 32) | fd.nFileSizeLow;
    ftModified = fd.ftLastWriteTime;
    return TRUE;
}

BOOL IsFile(ULONG ulAttribs)
{
    return (ulAttribs & SFGAO_FILESYSTEM) && !(ulAttribs & SFGAO_FOLDER);
}

} // namespace

void CXTShellFolderList::ShowFileValues(int nItem, XT_SHELLITEMDATA* pData, const FileValues& values)
{
    pData->nSize = values.nSize;
    pData->ftModified = values.ftModified;
    SetItemText(nItem, 1, IsFile(pData->ulAttribs) ? XTFormatFileSizeKB(values.nSize) : CString("0 bytes"));
    SetItemText(nItem, 3, XTFormatFileTime(values.ftModified));
}

// The shell names a file's type after its extension: files share one look-up
// per extension; folders and other objects are asked one by one.
CString CXTShellFolderList::GetTypeName(XT_SHELLITEMDATA* pData, const CString& strFile,
                                        std::map<CString, CString>& fileTypes)
{
    BOOL bFile = IsFile(pData->ulAttribs) && !strFile.IsEmpty();
    CString strKey;
    if (bFile)
    {
        int nDot = strFile.ReverseFind('.');
        strKey = nDot > strFile.ReverseFind('\\') ? strFile.Mid(nDot) : CString(".");
        strKey.MakeLower();
        auto it = fileTypes.find(strKey);
        if (it != fileTypes.end())
            return it->second;
    }
    SHFILEINFOA sfi = {};
    ::SHGetFileInfoA((LPCSTR)pData->lpifq, 0, &sfi, sizeof(sfi), SHGFI_PIDL | SHGFI_TYPENAME);
    if (bFile)
        fileTypes[strKey] = sfi.szTypeName;
    return sfi.szTypeName;
}

CString CXTShellFolderList::GetItemName(IShellFolder* lpsf, LPCITEMIDLIST lpi, ULONG ulAttribs, const CString& strFile,
                                       BOOL bOwnNames, std::map<CString, int>& extensions)
{
    enum { kAsk, kShown, kHidden };
    const int nDot = strFile.ReverseFind('.');
    if (bOwnNames || !IsFile(ulAttribs) || nDot <= 0 || strFile.FindOneOf("\\:") >= 0)
        return CXTShellPidl::GetDisplayName(lpsf, lpi, SHGDN_NORMAL);
    CString strExtension = strFile.Mid(nDot);
    strExtension.MakeLower();
    auto it = extensions.find(strExtension);
    if (it != extensions.end() && it->second != kAsk)
        return it->second == kShown ? strFile : strFile.Left(nDot);
    const CString strName = CXTShellPidl::GetDisplayName(lpsf, lpi, SHGDN_NORMAL);
    // A name that is neither leaves the files of the extension to be asked one by one.
    if (it == extensions.end())
        extensions[strExtension] = strName == strFile ? kShown : strName == strFile.Left(nDot) ? kHidden : kAsk;
    return strName;
}

BOOL CXTShellFolderList::FillList(XT_SHELLITEMDATA* pFolderItem, IShellFolder* lpsf)
{
    IEnumIDList* pEnum = nullptr;
    if (lpsf->EnumObjects(m_hWnd, m_dwEnumFlags, &pEnum) != S_OK || pEnum == nullptr)
        return FALSE;
    // One search of the folder gives the sizes and times of its entries.
    CString strFolder = CXTShellPidl::GetPath(pFolderItem->lpifq);
    m_folderValues = ReadFolderValues(strFolder);
    if (!strFolder.IsEmpty() && strFolder.Right(1) != "\\")
        strFolder += "\\";
    std::map<CString, CString> fileTypes;
    // A folder's desktop.ini may give its files names of their own.
    const BOOL bOwnNames = m_folderValues.find("desktop.ini") != m_folderValues.end();
    std::map<CString, int> extensions;
    LPITEMIDLIST lpi = nullptr;
    ULONG nFetched = 0;
    BOOL bOk = TRUE;
    while (bOk && pEnum->Next(1, &lpi, &nFetched) == S_OK)
    {
        ULONG ulAttrs = SFGAO_HASSUBFOLDER | SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_REMOVABLE | SFGAO_DISPLAYATTRMASK;
        LPCITEMIDLIST lpcItem = lpi;
        lpsf->GetAttributesOf(1, &lpcItem, &ulAttrs);
        LPITEMIDLIST lpifq = CXTShellPidl::ConcatPidls(pFolderItem->lpifq, lpi);
        XT_SHELLITEMDATA* pData = lpifq != nullptr ? CXTShellPidl::NewItemData(lpsf, lpi, lpifq) : nullptr;
        ::CoTaskMemFree(lpifq);
        ::CoTaskMemFree(lpi);
        if (pData == nullptr)
        {
            bOk = FALSE;
            break;
        }
        pData->ulAttribs = ulAttrs;
        // A file-system object's name on disk, as the folder's search knows it.
        CString strFile = (ulAttrs & SFGAO_FILESYSTEM)
                              ? CXTShellPidl::GetDisplayName(lpsf, pData->lpi, SHGDN_INFOLDER | SHGDN_FORPARSING)
                              : CString();
        CString strName = GetItemName(lpsf, pData->lpi, ulAttrs, strFile, bOwnNames, extensions);
        // Items of a kind share one look-up of the icon.
        // (A name that is a path of its own leaves the path to the shell.)
        const BOOL bPlainName = !strFile.IsEmpty() && strFile.FindOneOf("\\:") < 0;
        const CString strPath = !strFolder.IsEmpty() && bPlainName ? strFolder + strFile : CString();
        const int nIcon = m_iconCache.GetIcon(pData->lpifq, ulAttrs, kIconFlags, strPath);
        int nItem = InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, GetItemCount(), strName, 0, 0, nIcon,
                               (LPARAM)pData);
        if (nItem < 0)
        {
            CXTShellPidl::FreeItemData(pData);
            continue;
        }
        SetItemOverlay(nItem, ulAttrs);

        CString strKey = strFile;
        strKey.MakeLower();
        auto found = strKey.IsEmpty() ? m_folderValues.end() : m_folderValues.find(strKey);
        FileValues values = {};
        if (found != m_folderValues.end())
        {
            m_fileItems[strKey] = pData;
            ShowFileValues(nItem, pData, found->second);
        }
        else if (ReadFileValues(CXTShellPidl::GetPath(pData->lpifq), values.nSize, values.ftModified))
            ShowFileValues(nItem, pData, values);
        else
            SetItemText(nItem, 1, IsFile(ulAttrs) ? XTFormatFileSizeKB(0) : CString("0 bytes"));
        SetItemText(nItem, 2, GetTypeName(pData, strFile, fileTypes));
    }
    pEnum->Release();
    return bOk;
}

BOOL CXTShellFolderList::Refresh()
{
    if (m_pFolder == nullptr || !::IsWindow(m_hWnd))
        return FALSE;
    const CString strFolder = CXTShellPidl::GetPath(m_pFolder->lpifq);
    FolderValues values = ReadFolderValues(strFolder);
    const BOOL bSameEntries =
        !strFolder.IsEmpty() && values.size() == m_folderValues.size() &&
        std::equal(values.begin(), values.end(), m_folderValues.begin(),
                   [](const FolderValues::value_type& a, const FolderValues::value_type& b) { return a.first == b.first; });
    if (!bSameEntries)
    {
        IShellFolder* lpsf = CXTShellPidl::BindToFolder(m_pFolder);
        if (lpsf == nullptr)
            return FALSE;
        BOOL bOk = Populate(m_pFolder, lpsf);
        lpsf->Release();
        return bOk;
    }
    // The same entries: only what was written to anew changes.
    for (const auto& entry : values)
    {
        const FileValues& old = m_folderValues[entry.first];
        auto item = m_fileItems.find(entry.first);
        if (item == m_fileItems.end() ||
            (old.nSize == entry.second.nSize && ::CompareFileTime(&old.ftModified, &entry.second.ftModified) == 0))
            continue;
        LVFINDINFOA find = {};
        find.flags = LVFI_PARAM;
        find.lParam = (LPARAM)item->second;
        int nItem = FindItem(&find);
        if (nItem >= 0)
            ShowFileValues(nItem, item->second, entry.second);
    }
    m_folderValues = std::move(values);
    return TRUE;
}

static int CALLBACK CompareListItems(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    XT_SHELLITEMDATA* p1 = reinterpret_cast<XT_SHELLITEMDATA*>(lParam1);
    XT_SHELLITEMDATA* p2 = reinterpret_cast<XT_SHELLITEMDATA*>(lParam2);
    HRESULT hr = p1->lpsfParent->CompareIDs(0, p1->lpi, p2->lpi);
    return FAILED(hr) ? 0 : (short)HRESULT_CODE(hr);
}

BOOL CXTShellFolderList::Populate(XT_SHELLITEMDATA* pFolderItem, IShellFolder* lpsf)
{
    SetRedraw(FALSE);
    DeleteAllRecords();
    BOOL bOk = FillList(pFolderItem, lpsf);
    SortItems(CompareListItems, 0);
    SetRedraw(TRUE);
    Invalidate();
    return bOk;
}

LRESULT CXTShellFolderList::OnShellNotify(WPARAM wParam, LPARAM lParam)
{
    XT_SHELLITEMDATA* pData = reinterpret_cast<XT_SHELLITEMDATA*>(lParam);
    if (pData == nullptr)
        return 0;
    if (wParam == XT_SHN_SELECTED)
    {
        BOOL bInternet = m_pidlInternet != nullptr && pData->lpifq != nullptr && ::ILIsEqual(m_pidlInternet, pData->lpifq);
        IShellFolder* lpsf = CXTShellPidl::BindToFolder(pData);
        CWnd* pOwner = GetOwner() != nullptr ? GetOwner() : GetParent();
        if (lpsf != nullptr)
        {
            // The record may belong to the tree item; keep a copy while the list refills.
            // The record may belong to the tree item: the list keeps a copy of
            // its own, to fill again on a refresh.
            XT_SHELLITEMDATA* pFolder = CXTShellPidl::NewItemData(pData->lpsfParent, pData->lpi, pData->lpifq);
            CXTShellPidl::FreeItemData(m_pFolder);
            m_pFolder = pFolder;
            Populate(pFolder, lpsf);
            lpsf->Release();
            if (pOwner != nullptr)
                pOwner->SendMessage(WM_SHELLVIEW_NOTIFY, bInternet ? XT_SHN_FILLEDINTERNET : XT_SHN_FILLED);
        }
        else if (bInternet && pOwner != nullptr)
            pOwner->SendMessage(WM_SHELLVIEW_NOTIFY, XT_SHN_FILLEDINTERNET);
    }
    else if (wParam == XT_SHN_NOTFOUND)
        OpenItem(pData);
    return 0;
}

// ---------------------------------------------------------------------------
// Items

int CXTShellFolderList::GetDoubleClickedItem()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    UINT nFlags = 0;
    int nItem = HitTest(pt, &nFlags);
    return (nFlags & LVHT_ONITEM) ? nItem : -1;
}

BOOL CXTShellFolderList::OnDblClick(NMHDR* pNMHDR, LRESULT*)
{
    NMITEMACTIVATE* pNMIA = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR);
    int nItem = pNMIA->iItem >= 0 ? pNMIA->iItem : GetDoubleClickedItem();
    if (nItem < 0)
        return FALSE;
    XT_SHELLITEMDATA* pData = GetShellItemData(nItem);
    if (m_pTreeCtrl != nullptr && ::IsWindow(m_pTreeCtrl->GetSafeHwnd()))
        m_pTreeCtrl->SendMessage(WM_SHELLVIEW_NOTIFY, XT_SHN_DBLCLICKED, (LPARAM)pData);
    else
        OpenItem(pData);
    return FALSE;
}

BOOL CXTShellFolderList::OnRClick(NMHDR*, LRESULT*)
{
    if (m_bContextMenu)
        ShowContextMenu();
    return FALSE;
}

void CXTShellFolderList::ShowContextMenu()
{
    int nItem = GetDoubleClickedItem();
    if (nItem < 0)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    XT_SHELLITEMDATA* pData = GetShellItemData(nItem);
    CXTShellPidl::ShowContextMenu(this, pData->lpsfParent, pData->lpi, pt);
}

BOOL CXTShellFolderList::OpenItem(XT_SHELLITEMDATA* pData)
{
    if (pData == nullptr || (pData->ulAttribs & (SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_REMOVABLE)))
        return FALSE;
    AFX_PROGRAM_START start = {};
    start.kind = AFX_PROGRAM_START::shellExecuteEx;
    start.hWnd = GetParent() != nullptr ? GetParent()->m_hWnd : m_hWnd;
    start.nShowCmd = SW_SHOWNORMAL;
    start.fMask = SEE_MASK_INVOKEIDLIST;
    start.pidl = pData->lpifq;
    return AfxStartProgram(start) != 0;
}

BOOL CXTShellFolderList::OpenItemAt(int nIndex)
{
    return nIndex >= 0 && nIndex < GetItemCount() && OpenItem(GetShellItemData(nIndex));
}

BOOL CXTShellFolderList::GetItemPath(int nIndex, CString& strPath)
{
    strPath.Empty();
    if (nIndex < 0 || nIndex >= GetItemCount())
        return FALSE;
    strPath = CXTShellPidl::GetPath(GetShellItemData(nIndex)->lpifq);
    return !strPath.IsEmpty();
}

// Size and Modified sort by the file's own values: the shown texts are rounded
// and in the user's format. Folders come before files by size.
BOOL CXTShellFolderList::SortList(int nCol, BOOL bAscending)
{
    static const int kTypes[] = { xtSortString, xtSortInt, xtSortString, xtSortDate };
    if (nCol < 0 || nCol > 3)
        return FALSE;
    std::vector<std::pair<DWORD_PTR, LONGLONG>> values;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const XT_SHELLITEMDATA* pData = GetShellItemData(i);
        BOOL bFile = (pData->ulAttribs & SFGAO_FILESYSTEM) && !(pData->ulAttribs & SFGAO_FOLDER);
        LONGLONG nTime = ((LONGLONG)pData->ftModified.dwHighDateTime << 32) | pData->ftModified.dwLowDateTime;
        values.emplace_back((DWORD_PTR)pData, nCol == 1 ? (bFile ? (LONGLONG)pData->nSize : -1) : nTime);
    }
    CXTSortClass sort(this, nCol);
    if (nCol == 1 || nCol == 3)
        for (const auto& value : values)
            sort.SetValue(value.first, value.second);
    sort.Sort(bAscending, kTypes[nCol]);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Dragging

BOOL CXTShellFolderList::OnBeginDrag(NMHDR* pNMHDR, LRESULT*)
{
    BeginDrag(reinterpret_cast<NMLISTVIEW*>(pNMHDR));
    return FALSE;
}

void CXTShellFolderList::BeginDrag(NMLISTVIEW*)
{
    // The paths of the selected items as a file drop list: header, paths, a final zero.
    std::vector<int> selected;
    std::string files;
    for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
    {
        CString strPath;
        if (GetItemPath(i, strPath))
        {
            selected.push_back(i);
            files.append(strPath, strPath.GetLength());
            files.push_back('\0');
        }
    }
    if (selected.empty())
        return;
    files.push_back('\0');
    HGLOBAL hDrop = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + files.size());
    HGLOBAL hPrivate = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 1);
    if (hDrop == nullptr || hPrivate == nullptr)
    {
        ::GlobalFree(hDrop);
        ::GlobalFree(hPrivate);
        return;
    }
    DROPFILES* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy(pDrop + 1, files.data(), files.size());
    ::GlobalUnlock(hDrop);

    COleDataSource source;
    source.CacheGlobalData(CF_HDROP, hDrop);
    source.CacheGlobalData((CLIPFORMAT)::RegisterClipboardFormatA("{B0D76F7A-B5D9-436c-8F10-BA16AEE69D42}"), hPrivate);
    CXTDropSource* pDropSource = new CXTDropSource;
    DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, pDropSource);
    pDropSource->Release();

    // A move takes the items away; a target that moved the files itself may report nothing.
    BOOL bRemoved = FALSE;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
    {
        CString strPath;
        GetItemPath(*it, strPath);
        if ((effect & DROPEFFECT_MOVE) || (effect == DROPEFFECT_NONE && ::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES))
        {
            DeleteItem(*it);
            bRemoved = TRUE;
        }
    }
    if (bRemoved && effect == DROPEFFECT_NONE)
        for (int nCol = 0; nCol <= 2; ++nCol)
            SetColumnWidth(nCol, LVSCW_AUTOSIZE_USEHEADER);
}
