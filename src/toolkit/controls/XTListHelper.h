// What the toolkit adds to a report-view list, for any list control it is
// attached to: column building, auto-size and width limits, widths kept in the
// settings store, the flat header with sort arrows, click-to-sort, row moving
// and row colours.
#pragma once

#include "toolkit/controls/XTFlatHeaderCtrl.h"

#include "framework/String.h"

class CListCtrl;

class CXTListHelper
{
public:
    // Construction
    CXTListHelper();
    CXTListHelper(const CXTListHelper&) = delete;
    CXTListHelper& operator=(const CXTListHelper&) = delete;
    virtual ~CXTListHelper();

    // Attributes
    void SetOwnerList(CListCtrl* pListCtrl) { m_pListCtrl = pListCtrl; }
    void SetMinimumColSize(int nSize) { m_nMinColWidth = nSize; }
    void SetMaximumColSize(int nSize) { m_nMaxColWidth = nSize; }
    void EnableUserFont(BOOL bEnable) { m_bUseToolkitFont = bEnable; }
    int GetSortColumn() const { return m_nSortColumn; }
    BOOL IsSortAscending() const { return m_bAscending; }
    COLORREF GetRowTextColor() const { return m_clrText; }
    COLORREF GetRowBackColor() const { return m_clrBack; }
    // The embedded header when it is subclassed onto the list's header window, else NULL.
    CXTFlatHeaderCtrl* GetFlatHeaderCtrl();

    // Overridables
    virtual void SetSortImage(int nCol, BOOL bAsc);
    virtual int LoadColumnWidth(int nCol);
    virtual void RestoreColumnWidth(int nCol);
    virtual void RestoreColumnWidths();
    virtual void SaveColumnWidths();
    virtual void AutoSizeColumn(int nCol = -1);
    virtual void AutoSaveColumns(LPCSTR lpszSection = nullptr, LPCSTR lpszEntry = nullptr,
                                 LPCSTR lpszDefault = nullptr);
    virtual BOOL SubclassHeader(BOOL bBoldFont = FALSE);
    virtual BOOL SortList(int nCol, BOOL bAscending);
    virtual DWORD SetExtendedStyle(DWORD dwExStyle);
    virtual DWORD GetExtendedStyle();
    virtual void LockColumnWidths(BOOL bLock = TRUE) { m_bLockColumns = bLock; }
    virtual int HitTestEx(CPoint& point, int* pCol);
    virtual int AddColumn(LPCSTR lpszColHeading, int nWidth = -1, int nFormat = LVCFMT_LEFT);
    virtual BOOL BuildColumns(int nCols, const int* nWidth, const int* nColString);
    virtual BOOL BuildColumns(int nCols, const int* nWidth, const CString* strColString);
    virtual void SetListColors(COLORREF clrText, COLORREF clrBack);
    virtual int GetColumnCount();
    virtual int CopyRow(int nFrom, int nTo);
    virtual BOOL MoveRow(int nFrom, int nTo);
    // Header notifications; TRUE when consumed.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void UpdateFont();

protected:
    BOOL IsReportView() const;
    // TRUE and the list's header window when the notification comes from it.
    BOOL IsFromOwnHeader(const NMHDR* pNMHDR) const;
    void OnHeaderClick(const NMHEADERA* pNMH);

    BOOL m_bUseToolkitFont;
    CListCtrl* m_pListCtrl;
    int m_nMinColWidth;
    int m_nMaxColWidth;
    int m_nSortColumn;
    CXTFlatHeaderCtrl m_flatHeader;
    CString m_strSection;
    CString m_strEntry;
    CString m_strDefault;
    COLORREF m_clrText;
    COLORREF m_clrBack;
    BOOL m_bLockColumns;
    BOOL m_bAscending;
    BOOL m_bAutoSave;
};
