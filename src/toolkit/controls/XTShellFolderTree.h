// The folders of the shell namespace from the Desktop down, in the toolkit's
// tree control; linked to a shell list, the selected folder fills the list.
#pragma once

#include "toolkit/controls/XTShellIconCache.h"
#include "toolkit/controls/XTShellPidl.h"
#include "toolkit/controls/XTShellSettings.h"
#include "toolkit/controls/XTTreeCtrl.h"

// The linked views' private message: wParam a code, lParam an item record.
#define WM_SHELLVIEW_NOTIFY 0x89D7
enum
{
    XT_SHN_FILLED = 0,           // list to its owner: filled
    XT_SHN_SELECTED = 2,         // tree to list: fill with this folder
    XT_SHN_DBLCLICKED = 3,       // list to tree: find and select this folder
    XT_SHN_NOTFOUND = 4,         // tree to list: open it yourself
    XT_SHN_FILLEDINTERNET = 5,   // list to its owner: filled with the Internet folder
    XT_SHN_INITIALIZE = 0x89DE,  // tree to itself: the deferred set-up
};

class CXTShellFolderTree : public CXTTreeCtrl
{
    DECLARE_DYNAMIC(CXTShellFolderTree)
public:
    // Construction
    CXTShellFolderTree();
    ~CXTShellFolderTree() override;

    // Attributes
    void EnableContextMenu(BOOL bEnable) { m_bContextMenu = bEnable; }
    XT_SHELLITEMDATA* GetShellItemData(HTREEITEM hItem) const
    {
        return reinterpret_cast<XT_SHELLITEMDATA*>(GetItemData(hItem));
    }
    // A path selection waits for the deferred set-up.
    BOOL IsSelectPending() const { return m_bInitPending && m_bSelectPending; }
    // The styles the tree gains on the system: hot-tracked single expansion
    // where the shell's own tree looks so (NT 5.1 on), lines elsewhere.
    static DWORD GetSystemTreeStyle(const OSVERSIONINFOA& os);

    // Overridables
    virtual BOOL PopulateTree(IShellFolder* lpsf, LPCITEMIDLIST lpifq, HTREEITEM hParent);
    virtual void GetItemIcons(LPCITEMIDLIST lpifq, TVITEMA* lptvitem);
    virtual BOOL InitSystemImageList();
    virtual BOOL InitializeTree();
    virtual void OnFolderExpanding(NMTREEVIEWA* pNMTV);
    virtual void ShowContextMenu();
    virtual BOOL OnFolderSelected(NMTREEVIEWA* pNMTV, CString& strFolderPath);
    virtual BOOL GetSelectedFolderPath(CString& strFolderPath);
    virtual BOOL FindIdList(HTREEITEM hItem, XT_SHELLITEMDATA* pData);
    virtual void SetListView(CWnd* pListView) { m_pListView = pListView; }
    // The combo box (plain or extended) that shows the selected folder.
    virtual void AttachComboBox(CWnd* pComboBox);
    virtual void PopulateChildren(HTREEITEM hItem, XT_SHELLITEMDATA* pData);
    // Among hItem and its following siblings, the first that matches (see
    // FindSiblingItem) is made visible and selected.
    virtual BOOL SearchTree(HTREEITEM hItem, LPCSTR lpszText, int nMode);
    // The first item among hItem and its following siblings that matches;
    // NULL when none does. nMode: 0 the drive of a drive root's path ("C:"),
    // 1 the item text, else the item's whole path; case is ignored.
    virtual HTREEITEM FindSiblingItem(HTREEITEM hItem, LPCSTR lpszText, int nMode);
    virtual BOOL SelectPath(LPCSTR lpszPath);
    virtual BOOL GetItemPath(HTREEITEM hItem, CString& strPath);
    // The subfolders of the folder at the path as the roots; FALSE when the
    // path cannot be followed to its end.
    virtual BOOL InitializeTreeAt(LPCSTR lpszRootPath);
    virtual void BeginDrag(NMTREEVIEWA* pNMTV);
    virtual void DeferInitialize();
    virtual void OnDeferredInitialize();
    virtual HTREEITEM InsertDesktopItem();

protected:
    void OnItemDeleted(HTREEITEM hItem, LPARAM lParam) override;
    void PreSubclassWindow() override;
    void SortChildrenOf(HTREEITEM hItem);
    // Selects the Desktop's first child, expanded where the tree does not
    // expand on selection.
    void SelectFirstFolder(HTREEITEM hFirst);
    void NotifyList(UINT nCode, XT_SHELLITEMDATA* pData);
    void ShowInComboBox(HTREEITEM hItem);
    static void SetIconsOnDraw(TVITEMA* lptvitem);
    // The item's icons as GetItemIcons gives them, shared among items of a kind.
    void GetCachedIcons(const XT_SHELLITEMDATA* pData, TVITEMA* lptvitem);
    // The item's icons, looked up when the control has not asked for them yet.
    void GetImagesOf(HTREEITEM hItem, int& nImage, int& nSelectedImage);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    BOOL OnItemExpandingShell(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnShellNotify(WPARAM wParam, LPARAM lParam);

    CXTShellSettings m_shSettings;
    CXTShellIconCache m_iconCache;
    CString m_strSelectPath;
    DWORD m_dwEnumFlags;
    CWnd* m_pListView;
    CWnd* m_pComboBox;
    BOOL m_bContextMenu;
    BOOL m_bUseSysImages;
    BOOL m_bInitPending;        // the deferred set-up has not run yet
    BOOL m_bSelectPending;
    BOOL m_bNoListUpdate;
    BOOL m_bInitQueued;

    DECLARE_MESSAGE_MAP()
};
