// Sorts a list control by one column's texts of a given type. While it lives
// every item's data is a record holding the item's own data and the column
// text (and a sort value, when the list supplies one); the destructor puts the
// items' own data back.
#pragma once

#include "toolkit/controls/XTViewText.h"

class CListCtrl;

class CXTSortClass
{
public:
    CXTSortClass(CListCtrl* pListCtrl, int nCol);
    CXTSortClass(const CXTSortClass&) = delete;
    CXTSortClass& operator=(const CXTSortClass&) = delete;
    virtual ~CXTSortClass();

    // Sorts by this value instead of the text for the item whose own data is dwData.
    void SetValue(DWORD_PTR dwData, LONGLONG nValue);
    void Sort(BOOL bAscending, int nType);

private:
    struct Record
    {
        DWORD_PTR dwData;
        CString strText;
        BOOL bValue;
        LONGLONG nValue;
    };
    static int CALLBACK Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    CListCtrl* m_pListCtrl;
};
