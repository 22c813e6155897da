// The toolkit's tool bar: a control bar whose window is a common tool bar
// control, with what the control lacks: button sets from tool bar resources,
// button texts, drop-down buttons that open a menu, child controls placed on
// separators, tool tips naming the command's shortcut, rows wrapped for the
// room the frame gives, and buttons hidden behind a chevron when a dock bar
// or rebar band gives the bar less room than it needs.
#pragma once

#include "toolkit/bars/XTCommandItem.h"
#include "toolkit/bars/XTToolBarButton.h"
#include "toolkit/bars/XTToolBarLayout.h"
#include "toolkit/frame/IXTToolBar.h"
#include "toolkit/frame/XTControlBar.h"

#include "framework/String.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CXTCommandIconMap;
class CXTCommandItem;
class CXTExpButton;
class CXTDockContext;

class CXTToolBarCustomizer;
struct CXTBarInfo;

// The chevron's command: it opens the customise sheet.
#ifndef XT_IDC_CUSTOMIZE
#define XT_IDC_CUSTOMIZE 53782
#endif

// Private messages of the tool bar.
#define XTWM_TOOLBAR_RELAYOUT   0x81CE  // lParam: sequence counter; only the latest acts
#define XTWM_TOOLBAR_COLORCLOSE 0x89C6  // from a colour popup: it closed (wParam colour)
#define XTWM_TOOLBAR_COLORPICK  0x89C7  // from a colour popup: wParam colour, lParam command
#define XTWM_DROPDOWN_NOPOPUP   0x89D3  // to the owner: wParam NMTOOLBAR*, lParam RECT* (screen)
#define XTWM_CHEVRON_CLOSED     0x89DF  // the chevron's popup was destroyed
#define XTWM_BAND_RESIZE        0x89E5  // to the parent: wParam bar window, lParam wanted width

// Popups the customisation manager supplies take command ids from this
// range, which no program command uses.
#define XT_IDC_MANAGERPOPUP_FIRST 0xEF00
#define XT_IDC_MANAGERPOPUP_LAST  0xEFFF

// The chevron takes this much room at the end of the bar.
#define XT_CHEVRON_RESERVE 13

// Called with its context and the drawing context after the control painted.
typedef void (*XT_TOOLBARPAINTPROC)(void* pContext, CDC* pDC);

class CXTToolBar : public CXTControlBar, public IXTToolBar
{
    DECLARE_DYNAMIC(CXTToolBar)
public:
    // Construction
    CXTToolBar();
    ~CXTToolBar() override;
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = 0xE800);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                          UINT nID = 0xE800);
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
    // Takes ownership of the bitmap when it is accepted.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // One button per id (0: separator); without ids nIDCount blank buttons.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    // Attributes
    HWND GetToolBarHwnd() const override { return m_hWnd; }
    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect);
    // The entry with TBSTATE_ENABLED turned into XT_TBSTATE_DISABLED.
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const override;
    // Writes an entry read by GetButton; -1 for a bad index.
    int SetButton(int nIndex, const TBBUTTON* pButton);
    DWORD GetButtonStyle(int nIndex) const override;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCSTR lpszText);
    CString GetButtonText(int nIndex) const override;
    UINT ApplyDrawTextFlags(UINT nFlags) const override { return (nFlags & ~m_dwDrawTextMask) | m_dwDrawTextValue; }
    int GetDroppedIndex() const override { return m_nDroppedIndex; }
    CXTButtonInfo* FindDropDownInfo(UINT nCommandID) const override;
    COLORREF GetBackgroundColor() const override;
    CSize GetButtonSize() const { return m_sizeButton; }
    CSize GetImageSize() const { return m_sizeImage; }
    BOOL IsCustomizable() const override { return m_bCustomizable; }
    BarListGroup GetBarListGroup() const override { return barListToolBar; }
    CXTExpButton* GetChevron() const { return m_pChevron.get(); }
    // The hidden buttons by index, with the widths they had.
    const std::map<int, int>& GetHiddenButtons() const { return m_mapHidden; }
    const CString& GetSettingsPath() const { return m_strSettingsPath; }
    const CString& GetValueName() const { return m_strValueName; }

    // Operations
    virtual void SetOwner(CWnd* pOwnerWnd);
    // Creates the command's drop-down record (once) and gives its button the drop-down style.
    CXTButtonInfo* AddDropDown(UINT nCommandID, BOOL bArrow = FALSE);
    virtual BOOL SetButtonCtrl(CWnd* pControl, BOOL bAltFont = FALSE);
    virtual void PositionControl(CWnd* pControl);
    virtual void RepositionControls();
    void FixListStyleButtons();
    // Takes part in customisation (or no longer).
    void RegisterCustomize(BOOL bEnable);
    // Called by the manager for every customisable bar when the mode changes.
    void OnCustomizeMode(BOOL bOn);
    CXTToolBarCustomizer* GetCustomizer() const { return m_pCustomizer.get(); }
    // The end of a drag of the bar itself (its dock context tells).
    void OnBarDragged(CXTDockContext* pContext);
    // Enables docking; a customisable bar first loads its stored button set.
    void EnableDocking(DWORD dwDockStyle) override;

    // Customisation
    // What the customise sheet knows of the bar.
    virtual void DescribeForSheet(CXTBarInfo& info);
    // The bar's commands as a category of the Commands page.
    virtual void GetCustomizeInfo(XT_COMMAND_GROUPS& groups);
    // The command of a button as a dragged item; none for a separator.
    virtual std::unique_ptr<CXTCommandItem> CreateCommandInfo(int nIndex);
    // Inserts a command from elsewhere at the index; the new button's index, -1 when refused.
    virtual int InsertCommandButton(const CXTCommandItem& item, int nIndex);
    // The icons of the bar's default commands.
    void CollectIcons(CXTCommandIconMap& map);
    // Buttons whose image index lies beyond the bar's images get the command's icon from any bar.
    void FixMissingImages();
    void SetImageAndText(BOOL bImageAndText) { m_bImageAndText = bImageAndText; }
    BOOL HoldsCommand(UINT nID) const { return nID != 0 && CommandToIndex(nID) >= 0; }
    void DeleteButtonAt(int nIndex);
    void MoveButton(int nFrom, int nTo);
    void InsertSeparator(int nIndex);
    // Deletes separators at either end and doubled ones; TRUE when any went.
    BOOL RemoveStraySeparators();
    // Switches the bar to text beside the images.
    void EnableTextLabels();
    // An Alt-drag of a button outside the customise sheet.
    BOOL AltDrag(CPoint point);

    // The stored button set
    BOOL SaveBarState(LPCSTR lpszSection, LPCSTR lpszValue);
    // Applies a stored set made for the bar's present default layout.
    BOOL LoadBarState(LPCSTR lpszSection, LPCSTR lpszValue);
    BOOL ApplyState(const std::vector<BYTE>& blob);
    // Back to the button set the bar came with (after asking, when bAsk).
    void ResetToDefault(BOOL bAsk = TRUE);
    // A customisable bar with a frame takes its stored button set; one
    // without a frame can no longer be customised.
    void LoadDockState();
    // The serialised present button set.
    std::vector<BYTE> SerializeState() const;
    // The first set the bar produced: the reference of reset and of stored sets.
    const std::vector<BYTE>& GetDefaultState();
    void AddPaintCallback(void* pContext, XT_TOOLBARPAINTPROC pfn) { m_arrPaintCallbacks.emplace_back(pContext, pfn); }
    void RemovePaintCallbacks(void* pContext);
    // The relayout runs later, once for all requests made until then.
    void PostRelayout();
    // A rebar host is told the bar's width first, then the relayout runs.
    void RequestSizeNotify();
    // Lays the rows out for the bar's docking now.
    void Layout();
    // TRUE when a button other than the last one ends a row.
    BOOL WrapsBeforeLastButton() const;
    // The remembered width becomes that of all buttons in one row.
    void FitMRUWidthToRow();
    void ShowAllHidden();
    // Copies the hidden buttons (with their texts, drop-down records and
    // borrowed controls) into the target, rows wrapping at the width.
    void CopyHiddenButtonsTo(CXTToolBar* pTarget, int nWrapWidth);
    // Asks the frame the bar belongs to for its customise sheet.
    void Customize();

    // Fitting into a dock bar's row or a rebar band: the length the bar takes.
    int HideButtonsToFit(int nNeeded, int nAvailable, BOOL bHorz) override;
    int ShowButtonsToFit(int nNeeded, int nAvailable, BOOL bHorz) override;
    // Every tool bar can hide buttons behind its chevron.
    virtual BOOL HasChevron() const { return TRUE; }
    BOOL SupportsHiddenButtons() const override { return HasChevron(); }
    virtual BOOL HasHiddenButtons() const { return !m_mapHidden.empty(); }
    virtual BOOL IsHorizontal() const;

    // Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;
    // The command under the point; the tip text goes out as a heap copy that the caller frees (free()).
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void FillRebarBandSize(REBARBANDINFOA* pInfo, BOOL bHorz) override;
    void CalcOverflowLayout(NMREBARCHILDSIZE* pNotify, BOOL bHorz) override;
    BOOL IsFullWindowDrag() const override { return TRUE; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Opens the command's colour popup; no popup kind is built in.
    virtual BOOL CreateColorPopup(CXTButtonInfo* pInfo, const CRect& rcButton);
    // Closes a colour popup still open and opens the record's (rcButton in
    // screen coordinates); the bar hears the choice. FALSE when none opened.
    BOOL OpenColorPopup(CXTButtonInfo* pInfo, const CRect& rcButton);
    virtual void OnPaintBar();
    virtual BOOL FillsBackground() const;
    virtual void DrawSeparators(CDC* pDC);
    // TRUE when it drew the item and the control's drawing is skipped.
    virtual BOOL DrawButton(CDC* pDC, NMTBCUSTOMDRAW* pDraw);
    virtual void FillWrapGaps(CDC* pDC);
    virtual void OnDropDown(NMTOOLBARA* pNotify, UINT nCommandID, const CRect& rcButton);
    // The shortest the bar may be along a rebar band.
    int GetMinimumSize();

    // Implementation
protected:
    std::vector<std::unique_ptr<CXTToolBarButton>> m_arrButtons;
    std::map<int, int> m_mapHidden;
    std::map<UINT, CString> m_mapCommandText;
    CString m_strSettingsPath;
    CString m_strValueName;
    BOOL m_bDelayedLayout;
    HINSTANCE m_hInstImageWell;
    CString m_strImageWell;         // the bitmap resource's name ...
    UINT m_nImageWell;              // ... or number
    HBITMAP m_hbmImageWell;
    std::map<std::string, int> m_mapTextIndex;
    BOOL m_bPainting;
    BOOL m_bEmbossedDisabled;
    HWND m_hWndColorPopup;
    int m_nDropDownCommand;
    int m_nDroppedIndex;
    UINT m_dwDrawTextMask;
    UINT m_dwDrawTextValue;
    std::unique_ptr<CXTExpButton> m_pChevron;
    LPARAM m_nRelayoutSeq;
    BOOL m_bCapturedAfterDropDown;
    BOOL m_bCustomizable;
    BOOL m_bAdjustDialog;
    BYTE m_nAdjustResult;
    BOOL m_bBackgroundPending;
    BOOL m_bSizeNotifyPending;
    std::vector<std::pair<void*, XT_TOOLBARPAINTPROC>> m_arrPaintCallbacks;
    std::unique_ptr<CXTToolBarCustomizer> m_pCustomizer;
    std::vector<BYTE> m_defaultState;
    BOOL m_bHasDefaultState;
    BOOL m_bShowText;
    BOOL m_bImageAndText;   // a command inserted with an icon also shows its name
    CSize m_sizeButton;
    CSize m_sizeImage;

    int ButtonCount() const { return (int)::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0); }
    // The control's entry as it stands (TBSTATE_ENABLED not inverted).
    BOOL GetControlButton(int nIndex, TBBUTTON* pButton) const;
    void RebuildButtonRecords();
    CXTToolBarButton* FindButtonRecord(UINT nCommandID) const;
    // The control's entries with their item sizes.
    XT_TOOLBAR_ITEMS CopyItems();
    XT_TOOLBAR_METRICS LayoutMetrics();
    CSize CalcLayout(DWORD dwMode, int nLength);
    void CommitLayout(XT_TOOLBAR_ITEMS& items);
    void UpdateChevron();
    void PositionChevron(int nLength);
    // The bar's length along its orientation after a fixed layout.
    int FixedLength(BOOL bHorz);
    CRect GetInsideInsets(BOOL bHorz) const;
    DWORD RelayoutMode() const;
    CWnd* GetDropDownOwner() const;
    void ReleaseDropDown();
    void PublishDropDownRect(const CRect& rcButton, BOOL bTopForSides);
    void TrackDropDownMenu(HMENU hPopup, const CRect& rcButton);
    LRESULT DefaultWithoutFlatStyle();
    void ReloadImageWell();
    // Puts the controls (with their alternative-font flags) back onto the
    // separators of their ids in a new button set, and moves them there.
    void ReattachControls(const std::vector<std::pair<CWnd*, BOOL>>& controls);

    int OnCreate(LPCREATESTRUCT lpcs);
    BOOL OnNcCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    LRESULT OnNcHitTest(CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnSysColorChange();
    LRESULT OnSetButtonSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBitmapSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnWithoutFlatStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetDrawTextFlags(WPARAM wParam, LPARAM lParam);
    LRESULT OnRelayout(WPARAM wParam, LPARAM lParam);
    LRESULT OnColorPick(WPARAM wParam, LPARAM lParam);
    LRESULT OnColorClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnColorNotify(WPARAM wParam, LPARAM lParam);
    void OnDropDownNotify(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    BOOL OnHotItemChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginAdjust(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndAdjust(NMHDR* pNMHDR, LRESULT* pResult);
    void OnQueryInsert(NMHDR* pNMHDR, LRESULT* pResult);
    void OnQueryDelete(NMHDR* pNMHDR, LRESULT* pResult);
    void OnToolBarChange(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCustHelp(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnReset(NMHDR* pNMHDR, LRESULT* pResult);
    // Inserts the entry with its record (owning the drop-down copy) at the index.
    BOOL InsertEntry(int nIndex, const TBBUTTON& button, std::unique_ptr<CXTButtonInfo> pDropDown);
    HIMAGELIST GetImageList() const { return (HIMAGELIST)::SendMessageA(m_hWnd, TB_GETIMAGELIST, 0, 0); }
    // The image index of an icon appended to the bar's images; -2 for none.
    int AppendIcon(HICON hIcon, HICON hIconHot);

    DECLARE_MESSAGE_MAP()
};
