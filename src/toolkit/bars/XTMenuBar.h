// The frame's menu as a dockable bar: one item per top-level entry of the
// menu, whose popup the bar opens itself. The user moves between popups
// with the mouse and the arrow keys and reaches the bar with Alt, Escape and
// mnemonics; while an MDI child is maximised the bar shows the child's
// system-menu icon at its start and the child's Minimize, Restore and Close
// buttons at its end.
#pragma once

#include "toolkit/bars/XTMenuBarLayout.h"
#include "toolkit/frame/IXTMenuBar.h"
#include "toolkit/frame/XTControlBar.h"

#include "framework/String.h"

#include <commctrl.h>

#include <map>
#include <memory>
#include <vector>

class CXTMenuBarItem;
class CXTMenuBarMenuItem;
class CXTMenuBarMDIButton;
class CXTMBarWndHook;
class CXTMBarMDIWndHook;

// Every toolkit frame's helper holds one (made through the factory this
// module registers); the frame finds it as its control bar XT_IDW_MENUBAR.
class CXTMenuBar : public CXTControlBar, public IXTMenuBar
{
    DECLARE_DYNAMIC(CXTMenuBar)
public:
    // Keyboard-mode states.
    enum TrackState { trackNone = 0, trackKeyboard = 1, trackPopup = 2 };

    // Construction
    CXTMenuBar();
    ~CXTMenuBar() override;
    // Takes over the frame's native menu; FALSE when the window cannot be made.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = XT_IDW_MENUBAR);
    // Loads the bar's default menu from the resource module and shows it.
    BOOL LoadMenuBar(UINT nIDResource);

    // Attributes
    HMENU GetMenu() const { return m_hMenu; }
    HMENU GetDefaultMenu() const { return m_hMenuDefault; }
    UINT GetMenuResourceID() const { return m_nIDMenuResource; }
    HMENU GetWindowMenu() const { return m_hMenuWindow; }
    HWND GetMDIClient() const { return m_hWndMDIClient; }
    HWND GetActiveMDIChild() const { return m_hWndActiveChild; }
    BOOL IsMDIChildMaximized() const { return m_bMaximized; }
    BOOL IsShowMDIButtons() const { return m_bShowMDIButtons; }
    BOOL IsFrameActive() const { return m_bFrameActive; }
    void SetFrameActive(BOOL bActive);
    // The keyboard-mode state; *pnItem gets the tracked item.
    int GetTrackedItem(int* pnItem = nullptr) const;
    int GetHotItem() const { return m_nHotItem; }
    int GetItemCount() const { return (int)m_items.size(); }
    CXTMenuBarItem* GetItem(int nIndex) const;
    // The top-level position of the item whose popup is open, -1 for none.
    int GetOpenMenuPosition() const;
    // The popup shown now, null when none.
    HMENU GetPopupMenu() const { return m_hMenuPopup; }
    const CString& GetBarStateName() const { return m_strBarStateName; }
    const CString& GetSettingsKey() const { return m_strSettingsKey; }
    // Mnemonic underlines are shown after Alt, in every menu bar.
    static BOOL IsShowMnemonics();

    // Operations
    // Makes the menu (null with a null window menu: the default menu) the
    // bar's and rebuilds the items; returns the previous menu.
    HMENU SetMenu(HMENU hMenu, HMENU hMenuWindow);
    // Re-reads the active MDI child and whether it is maximised; on a change,
    // with bRebuild, lays the frame out again and redraws.
    void UpdateActiveMDIChild(BOOL bRebuild);
    BOOL HideCommand(UINT nID);
    BOOL HideCommands(const UINT* pIDs, int nCount) override;
    // Keyboard access to the bar; TRUE when the message is consumed.
    BOOL TranslateFrameMessage(MSG* pMsg) override;
    // The window that must get a frame's menu message instead of the frame
    // (sent when bSend comes back TRUE, else posted), or null.
    HWND GetMenuMessageTarget(BOOL& bSend, UINT message, WPARAM wParam, LPARAM lParam);
    // While a popup is open: whether the selected entry opens a sub-menu.
    void NoteSubMenuSelect(HMENU hMenu, UINT nItem);
    // Lists the MDI children at the end of the Window sub-menu.
    void RebuildWindowList();
    // The first of the listed items whose rectangle holds the client point,
    // -1 for none or a point outside the client area.
    int HitTest(CPoint point, const std::vector<int>& indexes) const;
    // Where the popup of an item (screen rectangle) opens, with the area it
    // must leave free.
    CPoint GetPopupPosition(const CRect& rcItem, TPMPARAMS& tpm) const;
    // Opens the item's popup, and the next ones the user moves to.
    void TrackPopup(int nItem);
    // The row length the dock layout gives the bar (0: none).
    void SetRowLength(int nLength) { m_nRowLength = nLength; }

    // What the frames use
    HWND GetMenuBarHwnd() const override { return m_hWnd; }
    HMENU GetMenuBarMenu() const override { return m_hMenu; }

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void DoPaint(CDC* pDC) override;
    // Sounds when a typed letter matches no item.
    virtual void OnNoMnemonicMatch();

    // Implementation: the items' drawing and clicks
public:
    void DrawMenuItem(CXTMenuBarMenuItem* pItem, CDC* pDC);
    void DrawSysMenuItem(CXTMenuBarItem* pItem, CDC* pDC);
    void DrawMDIButton(CXTMenuBarMDIButton* pItem, CDC* pDC);
    void ClickMenuItem(CXTMenuBarMenuItem* pItem);
    void ClickSysMenuItem(CXTMenuBarItem* pItem);
    void DblClickSysMenuItem();
    BOOL IsMDIButtonEnabled(const CXTMenuBarMDIButton* pItem) const;
    CFrameWnd* GetFrame() const;
    BOOL IsHorzLayout() const;
    // The side of the bar its popups open from (a CBRS_ALIGN_ bit).
    UINT GetPopupSide() const;

protected:
    // The frame's native menu moves into the bar; the hooks go on.
    void TakeFrameMenu(CWnd* pParentWnd);
    void ComposeStateNames(UINT nID);
    int IndexOf(const CXTMenuBarItem* pItem) const;
    void DrawVerticalText(CDC* pDC, const CString& strText, const CRect& rect, BOOL bUnderline);
    void DestroyItems();
    void ResetTrackingState();
    void BuildItems();
    void BuildDocumentMenuMap();
    void InsertToolsMenu(int nPosition);
    // Lays the items out for a length along the bar and returns the bar's size.
    CSize LayoutItems(int nLength, BOOL bHorz, BOOL bStretch);
    CSize GetBorderSize(BOOL bHorz) const;
    void InvalidateItem(int nIndex);
    int MDIButtonFirstIndex() const { return (int)m_items.size() - 3; }
    std::vector<int> TrackableItems() const;
    int NextVisibleItem(int nItem, int nDirection) const;
    int FindMnemonicItem(char chKey) const;
    void SetHotItem(int nItem);
    void EnterKeyboardMode(int nItem);
    void LeaveKeyboardMode();
    void SetShowMnemonics(BOOL bShow);
    void ReadKeyboardCues();

    // Tracking
    static LRESULT CALLBACK MenuFilterHook(int nCode, WPARAM wParam, LPARAM lParam);
    BOOL OnMenuFilter(MSG* pMsg);
    void ClosePopup(int nNext);
    void OnFilterMouseMove(CPoint ptScreen);
    void StartHoverTimer();
    void StopHoverTimer();

    // MDI buttons
    BOOL OnMDIButtonMouse(UINT message, CPoint point);
    int MDIButtonAt(CPoint point) const;
    void SetMDIButtonTip(int nButton);
    CXTMenuBarMDIButton* GetMDIButton(int nIndex) const;

    std::vector<std::unique_ptr<CXTMenuBarItem>> m_items;
    std::vector<std::unique_ptr<CXTMenuBarItem>> m_retiredItems;   // replaced while a popup was open
    BOOL m_bItemsReplaced = FALSE;
    BOOL m_bOwnDefaultMenu = FALSE;     // loaded by LoadMenuBar
    CString m_strBarStateName;      // "%s-Bar%d"
    CString m_strSettingsKey;       // "Software\%s\%s\Settings"
    std::vector<UINT> m_hiddenCommands;
    std::map<int, BOOL> m_mapDocumentMenu;   // 1-based top-level positions of the document's entries
    std::unique_ptr<CXTMBarWndHook> m_pFrameHook;
    std::unique_ptr<CXTMBarMDIWndHook> m_pMDIClientHook;
    CPoint m_ptLastMouse;
    int m_nPressedButton = -1;      // MDI button index, -1 none
    int m_nHotItem = -1;
    int m_nMDIHotButton = -1;       // the MDI button under the mouse
    UINT_PTR m_nHoverTimerID = 1000;
    UINT m_nHoverDelay = 4500;
    int m_nTrackedItem = -1;
    int m_nNextItem = -1;
    int m_nPopupItem = -1;
    UINT m_nIDMenuResource = 0;
    int m_nRowLength = 0;
    BOOL m_bKeyboardCues = FALSE;
    BOOL m_bFrameActive = TRUE;
    BOOL m_bMaximized = FALSE;
    HWND m_hWndActiveChild = nullptr;
    HWND m_hWndMDIClient = nullptr;
    HMENU m_hMenu = nullptr;
    HMENU m_hMenuDefault = nullptr;
    HMENU m_hMenuPopup = nullptr;
    HMENU m_hMenuWindow = nullptr;
    int m_nTrackState = trackNone;
    BOOL m_bHoverTimer = FALSE;
    BOOL m_bMoreWindows = TRUE;
    BOOL m_bRightAlignMDIButtons = TRUE;
    BOOL m_bPointValid = FALSE;
    BOOL m_bShowMDIButtons = TRUE;
    BOOL m_bMDIButtonDown = FALSE;  // the pressed button shows pressed
    BOOL m_bRightToNext = TRUE;
    BOOL m_bLeftToPrevious = TRUE;
    BOOL m_bEscapePressed = FALSE;
    BOOL m_bAltAlone = FALSE;       // Alt is down and no other key came since
    HWND m_hWndToolTip = nullptr;
    HIMAGELIST m_hGlyphs = nullptr;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    // Offers the menu's commands to the customise sheet (or no longer).
    void EnableCustomization(BOOL bOn);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);

    DECLARE_MESSAGE_MAP()
};
