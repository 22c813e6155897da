// The contents of one shell folder in a report list with Name, Size, Type and
// Modified columns; linked to a shell tree, a double-clicked folder is
// selected in the tree.
#pragma once

#include "toolkit/controls/XTListCtrl.h"
#include "toolkit/controls/XTShellIconCache.h"
#include "toolkit/controls/XTShellPidl.h"
#include "toolkit/controls/XTShellSettings.h"

#include <map>

class CXTShellFolderList : public CXTListCtrl
{
    DECLARE_DYNAMIC(CXTShellFolderList)
public:
    // Construction
    CXTShellFolderList();
    ~CXTShellFolderList() override;

    // Attributes
    void SetTreeCtrl(CWnd* pTreeCtrl) { m_pTreeCtrl = pTreeCtrl; }
    void EnableContextMenu(BOOL bEnable) { m_bContextMenu = bEnable; }
    XT_SHELLITEMDATA* GetShellItemData(int nItem) const
    {
        return reinterpret_cast<XT_SHELLITEMDATA*>(GetItemData(nItem));
    }

    // Overridables
    virtual BOOL FillList(XT_SHELLITEMDATA* pFolderItem, IShellFolder* lpsf);
    virtual int GetItemIcon(LPCITEMIDLIST lpifq);
    virtual BOOL InitSystemImageLists();
    virtual BOOL Populate(XT_SHELLITEMDATA* pFolderItem, IShellFolder* lpsf);
    virtual int GetDoubleClickedItem();
    virtual void ShowContextMenu();
    virtual BOOL OpenItem(XT_SHELLITEMDATA* pData);
    virtual BOOL OpenItemAt(int nIndex);
    virtual BOOL GetItemPath(int nIndex, CString& strPath);
    virtual void BuildColumns();
    virtual void InitializeControl();
    virtual void BeginDrag(NMLISTVIEW* pNMLV);
    virtual void SetItemOverlay(int nIndex, ULONG ulAttribs);
    BOOL SortList(int nCol, BOOL bAscending) override;
    // Brings the list up to date with the folder it shows: filled anew when
    // entries came or went, else the sizes and times that changed are shown
    // anew. FALSE before the first folder.
    virtual BOOL Refresh();

protected:
    struct FileValues
    {
        ULONGLONG nSize;
        FILETIME ftModified;
    };
    using FolderValues = std::map<CString, FileValues>;   // by lower-case name

    void DeleteAllRecords();
    // The entries of a folder from one search of it.
    static FolderValues ReadFolderValues(const CString& strFolder);
    void ShowFileValues(int nItem, XT_SHELLITEMDATA* pData, const FileValues& values);
    static CString GetTypeName(XT_SHELLITEMDATA* pData, const CString& strFile, std::map<CString, CString>& fileTypes);
    // The name the shell shows for an entry whose name on disk is strFile.
    // The shell shows a file's extension or not by the extension alone: it
    // is asked once per extension (extensions keeps its answers), and for
    // each entry where the folder may name its files itself (bOwnNames).
    static CString GetItemName(IShellFolder* lpsf, LPCITEMIDLIST lpi, ULONG ulAttribs, const CString& strFile,
                               BOOL bOwnNames, std::map<CString, int>& extensions);

    void OnDestroy();
    BOOL OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnShellNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitialUpdateShell(WPARAM wParam, LPARAM lParam);

    DWORD m_dwEnumFlags;
    CWnd* m_pTreeCtrl;
    BOOL m_bContextMenu;
    CXTShellSettings m_shSettings;
    LPITEMIDLIST m_pidlInternet;
    BOOL m_bInitialized;
    XT_SHELLITEMDATA* m_pFolder;                        // the folder shown (a copy); NULL before the first
    FolderValues m_folderValues;                        // its entries when last read
    std::map<CString, XT_SHELLITEMDATA*> m_fileItems;   // the items of those entries
    CXTShellIconCache m_iconCache;

    DECLARE_MESSAGE_MAP()
};
