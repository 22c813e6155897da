// Makes the popup menus of a frame owner-drawn, with the tool bar images of
// their commands, in the classic or the flat look; and personalises them:
// commands handed in as hidden stay out of their popups until they have been
// used recently, and a chevron at the end of the popup brings them back.
#pragma once

#include "toolkit/bars/XTCoolMenuItem.h"
#include "toolkit/frame/XTWndHook.h"

#include "framework/DC.h"
#include "framework/Rect.h"

#include <commctrl.h>

#include <map>
#include <memory>
#include <vector>

class CXTRegistryStore;

class CXTCoolMenu : public CXTWndHook
{
    DECLARE_DYNAMIC(CXTCoolMenu)
public:
    // Construction
    CXTCoolMenu();
    ~CXTCoolMenu() override;

    // Attributes
    BOOL IsMenuLoop() const { return m_bMenuLoop; }
    const CSize& GetCellSize() const;
    int GetImageIndex(UINT nID, BOOL bDisabled = FALSE) const;
    int GetRecentCount() const { return m_nRecentCount; }

    // Operations, in slot order
    virtual BOOL Install(CWnd* pFrame);
    BOOL Install(HWND hWndFrame);
    // The images of a tool bar control's buttons; the icon size becomes theirs.
    virtual BOOL LoadToolbar(HWND hWndToolBar, BOOL bDisabled = FALSE);
    // The images of a tool bar resource (its bitmap and button list). The
    // resource is checked at once; its images are made when the menu first
    // asks for one, or for the icon size: most starts open no menu.
    virtual BOOL LoadToolbar(UINT nIDToolBar, BOOL bDisabled = FALSE);
    virtual BOOL LoadToolbars(const UINT* pIDs, int nCount, BOOL bDisabled = FALSE);
    virtual void HideCommand(UINT nID);
    virtual void HideCommands(const UINT* pIDs, int nCount);
    // A strip of icon-size images, the face colour transparent; image i
    // belongs to pIDs[i] (0 entries skipped).
    virtual BOOL AddImages(HBITMAP hBitmap, const UINT* pIDs, int nCount, BOOL bDisabled = FALSE);
    virtual BOOL AddImages(UINT nIDBitmap, const UINT* pIDs, int nCount, BOOL bDisabled = FALSE);
    // Adds or replaces a command's image; destroys the icon.
    virtual BOOL SetImage(UINT nID, HICON hIcon, BOOL bDisabled = FALSE);
    virtual int FindPosition(HMENU hMenu, UINT nID) const;
    virtual void SetRecentCount(int nCount) { m_nRecentCount = nCount; }
    virtual void ResetUsageData();
    virtual void SetIconSize(int cx, int cy);
    virtual CSize GetIconSize() const;

    // Drawing steps
    virtual void DrawMenuText(CDC* pDC, const CRect& rcItem, XT_COOLMENU_ITEM* pItem, UINT nState);
    virtual void DrawCheckMark(CDC* pDC, const CRect& rcCell, XT_COOLMENU_ITEM* pItem, UINT nState);
    virtual void DrawChevron(CDC* pDC, const CRect& rcItem, UINT nState);

    // Menu passes
    virtual void ConvertMenu(HMENU hMenu, BOOL bOn);
    virtual BOOL IsHiddenCommand(UINT nID);
    virtual BOOL PrevIsHidden(HMENU hMenu, int nPos);
    virtual BOOL NextIsHidden(HMENU hMenu, int nPos);
    virtual BOOL IsFirstItem(XT_COOLMENU_ITEM* pItem);
    virtual BOOL IsLastItem(XT_COOLMENU_ITEM* pItem);
    virtual void UpdateChevron(HMENU hMenu, BOOL bForce);
    virtual BOOL IsSystemMenu(HMENU hMenu);
    virtual void RestoreMenu(HMENU hMenu);
    virtual void HideItems(HMENU hMenu);
    virtual BOOL HasHiddenItems(HMENU hMenu);
    virtual void AddRecent(UINT nID);
    virtual BOOL IsRecent(UINT nID);
    virtual BOOL PersonalizedMenusOn();
    virtual void Destroy();
    virtual void OnSysColorChange();
    virtual void OnTimer(UINT_PTR nIDEvent);
    virtual void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    virtual BOOL OnMeasureItem(MEASUREITEMSTRUCT* pMIS);
    virtual BOOL OnDrawItem(DRAWITEMSTRUCT* pDIS);
    virtual LRESULT OnMenuChar(UINT nChar, UINT nFlags, HMENU hMenu);
    virtual void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hMenu);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The record behind an item's data when it is one of this menu's, else none.
    XT_COOLMENU_ITEM* FindItem(ULONG_PTR dwItemData) const;
    XT_COOLMENU_ITEM* GetItem(HMENU hMenu, int nPos) const;
    // The remembered commands, most recent first.
    std::vector<UINT> ReadRecentList();

    enum { ChevronTimerID = 1000, ChevronDelay = 750 };

protected:
    XT_COOLMENU_ITEM* NewItem();
    void FreeItem(XT_COOLMENU_ITEM* pItem);
    void SetItemRecord(HMENU hMenu, int nPos, XT_COOLMENU_ITEM* pItem);
    void ShowFullMenusNow();
    void MarkMenuBarSide(HMENU hMenu);
    void DeleteDuplicateSeparators(HMENU hMenu);
    void RemoveItem(HMENU hMenu, int nPos, XT_COOLMENU_ITEM* pItem);
    void DrawImage(CDC* pDC, const CRect& rcCell, XT_COOLMENU_ITEM* pItem, UINT nState);
    void DrawFlatFrame(CDC* pDC, const CRect& rcItem, XT_COOLMENU_ITEM* pItem);
    BOOL HasImage(XT_COOLMENU_ITEM* pItem) const { return pItem->nImage >= 0; }
    int CountItems(HMENU hMenu) const;
    HIMAGELIST& ImageList(BOOL bDisabled) { return bDisabled ? m_hDisabledImages : m_hImages; }
    std::map<UINT, int>& ImageMap(BOOL bDisabled) { return bDisabled ? m_mapDisabled : m_mapImages; }
    void WriteRecentList(const std::vector<UINT>& ids);
    // The tool bar resources handed in and not read yet, read in their order
    // before anything else reads or changes the images or their size.
    struct PendingToolBar
    {
        HINSTANCE hInst;
        UINT nID;
        BOOL bDisabled;
    };
    void LoadPendingToolBars() const;
    BOOL ReadToolBarImages(const PendingToolBar& toolBar);

    HIMAGELIST m_hImages = nullptr;
    HIMAGELIST m_hDisabledImages = nullptr;
    std::map<UINT, int> m_mapImages;
    std::map<UINT, int> m_mapDisabled;
    std::vector<PendingToolBar> m_pendingToolBars;
    std::vector<UINT> m_hiddenCommands;
    BOOL m_bHasHiddenCommands = FALSE;
    CSize m_sizeIcon;
    CSize m_sizeCell;
    CSize m_sizeMargin;
    int m_nRecentCount = 5;
    BOOL m_bTimerRunning = FALSE;
    BOOL m_bKeyboardCues = FALSE;
    BOOL m_bMenuLoop = FALSE;
    BOOL m_bWatching = FALSE;    // keeps the thread's popup window watcher installed
    std::vector<HMENU> m_convertedMenus;
    std::vector<std::unique_ptr<XT_COOLMENU_ITEM>> m_items;
};
