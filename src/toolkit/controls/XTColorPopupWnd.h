// The drop-down colour picker: a popup under a button with an "Automatic" or
// "No Fill" button on top, a grid of 16 or 40 named colours, optionally a row
// of recently chosen custom colours and "More Colors..." (the colour dialog).
// It tracks the mouse and the keys itself and reports the outcome with
// private messages (wParam the colour, lParam the notify value) to every
// window on its notify list.
#pragma once

#include "framework/Bitmap.h"
#include "framework/DC.h"
#include "framework/String.h"
#include "framework/ToolTipCtrl.h"
#include "framework/Wnd.h"

#include <vector>

#define WM_CPN_SELNOCHANGE 0x89C4   // the colour chosen is the current one
#define WM_CPN_DROPDOWN    0x89C5   // the popup opened (to the owner)
#define WM_CPN_CLOSEUP     0x89C6   // the popup closes (to the owner)
#define WM_CPN_SELCHANGE   0x89C7   // another colour was chosen
#define WM_CPN_CANCEL      0x89C8   // nothing was chosen
#define WM_CPN_NOFILL      0x89C9   // "No Fill" was chosen (wParam -1)

#define CPS_XT_NOFILL     0x0002    // "No Fill" instead of "Automatic"
#define CPS_XT_EXTENDED   0x0004    // 40 colours instead of 16
#define CPS_XT_MORECOLORS 0x0010    // "More Colors..." and the custom colours

// One cell of the popup: a colour, the top button or "More Colors...".
struct XT_COLOR_CELL
{
    enum Kind { kindTop = 0, kindColor = 8, kindMore = 16 };
    CRect rect;
    UINT nTipID = 0;
    int nIndex = 0;
    BOOL bSelected = FALSE;
    int nKind = kindColor;
    COLORREF clr = 0;
    CString strText;   // the buttons' texts; the tip of a colour cell
};

class CXTColorPopupWnd : public CWnd
{
    DECLARE_DYNAMIC(CXTColorPopupWnd)
public:
    // Construction. An auto-deleting popup is made with new.
    CXTColorPopupWnd(BOOL bAutoDelete = FALSE, LPARAM lNotifyValue = 0);
    ~CXTColorPopupWnd() override;
    // Opens under the anchor (screen); FALSE when the window cannot be made.
    virtual BOOL Create(const CRect& rcAnchor, CWnd* pOwner, DWORD dwStyle, COLORREF clrCurrent, COLORREF clrDefault);

    // Attributes
    // The cell under the mouse or the keyboard, -1 for none.
    virtual int GetCurSel() const { return m_nHotIndex; }
    int GetLastIndex() const { return m_nLastIndex; }
    int GetRows() const { return m_nRows; }
    const XT_COLOR_CELL* GetCell(int nIndex) const;
    int GetCellCount() const { return (int)m_cells.size(); }
    void AddNotifyWindow(HWND hWnd) { m_arrNotify.push_back(hWnd); }
    // The custom colours every popup shares, oldest first (at most 8).
    static std::vector<COLORREF>& GetCustomColors();
    static void AddCustomColor(COLORREF clr);

    // Operations
    virtual void SelectCell(int nIndex);
    // Ends with the cell's colour (-1: cancelled) and closes.
    virtual void EndSelection(int nIndex);

    // Implementation
protected:
    std::vector<HWND> m_arrNotify;
    CToolTipCtrl m_tip;
    std::vector<XT_COLOR_CELL> m_cells;
    CDC m_dcMem;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
    CPoint m_ptLast;
    CRect m_rcCaption;
    int m_cxCell, m_cyCell;
    CRect m_rcWindow;
    DWORD m_dwStyle;
    CWnd* m_pOwner;
    LPARAM m_lNotifyValue;
    int m_nRows;
    int m_nColumns;
    int m_nLastIndex;
    int m_nHotIndex;
    COLORREF m_clrCurrent;
    COLORREF m_clrDefault;
    BOOL m_bAutoDelete;
    BOOL m_bShadow;
    BOOL m_bCaption;
    BOOL m_bInDialog;
    BOOL m_bClosing;
    CRect m_rcAnchor;
    // The keys go to the window with the focus: while open, a thread keyboard
    // hook hands those the popup uses to the newest open popup instead.
    HHOOK m_hKeyHook;
    CXTColorPopupWnd* m_pPrevKeyPopup;
    static CXTColorPopupWnd* s_pKeyPopup;

    int ColorCount() const { return (m_dwStyle & CPS_XT_EXTENDED) ? 40 : 16; }
    void BuildCells();
    XT_COLOR_CELL* CellAt(CPoint point);
    XT_COLOR_CELL* FindCell(int nIndex);
    // The index the walk ends at: "More Colors...", else the last colour.
    int LastWalkIndex() const;
    // The next hot cell for an arrow key.
    int MoveIndex(int nIndex, UINT nKey) const;
    static BOOL IsPopupKey(UINT nKey);
    void HookKeys();
    void UnhookKeys();
    static LRESULT CALLBACK KeyboardHook(int nCode, WPARAM wParam, LPARAM lParam);
    virtual void DrawAll(CDC* pDC);
    virtual void DrawCell(const XT_COLOR_CELL& cell, CDC* pDC);
    virtual void DrawCellState(const XT_COLOR_CELL& cell, BOOL bPressed, BOOL bPlain);
    void Notify(UINT nMessage, COLORREF clr);

    void PostNcDestroy() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(LPCREATESTRUCT lpcs);
    void OnDestroy();
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    LRESULT OnActivateApp(WPARAM wParam, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
