#include "toolkit/controls/XTSortClass.h"

#include "framework/ListCtrl.h"

CXTSortClass::CXTSortClass(CListCtrl* pListCtrl, int nCol) : m_pListCtrl(pListCtrl)
{
    for (int i = 0; i < m_pListCtrl->GetItemCount(); ++i)
    {
        Record* pRecord = new Record{ m_pListCtrl->GetItemData(i), m_pListCtrl->GetItemText(i, nCol), FALSE, 0 };
        m_pListCtrl->SetItemData(i, (DWORD_PTR)pRecord);
    }
}

CXTSortClass::~CXTSortClass()
{
    for (int i = 0; i < m_pListCtrl->GetItemCount(); ++i)
    {
        Record* pRecord = reinterpret_cast<Record*>(m_pListCtrl->GetItemData(i));
        m_pListCtrl->SetItemData(i, pRecord->dwData);
        delete pRecord;
    }
}

void CXTSortClass::SetValue(DWORD_PTR dwData, LONGLONG nValue)
{
    for (int i = 0; i < m_pListCtrl->GetItemCount(); ++i)
    {
        Record* pRecord = reinterpret_cast<Record*>(m_pListCtrl->GetItemData(i));
        if (pRecord->dwData == dwData)
        {
            pRecord->bValue = TRUE;
            pRecord->nValue = nValue;
        }
    }
}

void CXTSortClass::Sort(BOOL bAscending, int nType)
{
    m_pListCtrl->SortItems(Compare, bAscending ? nType : -nType);
}

int CALLBACK CXTSortClass::Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const Record* a = reinterpret_cast<const Record*>(lParam1);
    const Record* b = reinterpret_cast<const Record*>(lParam2);
    int nSign = lParamSort < 0 ? -1 : 1;
    int nResult = a->bValue && b->bValue ? XTCompareValues(a->nValue, b->nValue)
                                         : XTCompareTyped(a->strText, b->strText, (int)(lParamSort * nSign));
    return nResult * nSign;
}
