// The toolkit's header control of report-view lists: a minimum column width,
// frozen columns that cannot be resized, spreading the list's width over its
// columns, and the reading direction of the system.
#pragma once

#include "framework/HeaderCtrl.h"

#include <vector>

class CXTHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(CXTHeaderCtrl)
public:
    // Construction
    CXTHeaderCtrl();
    ~CXTHeaderCtrl() override;

    // Attributes
    void SetMinWidth(int nMinWidth) { m_nMinWidth = nMinWidth; }
    void FreezeColumn(int nCol) { m_frozen.push_back(nCol); }
    void ThawAllColumns() { m_frozen.clear(); }
    BOOL IsColFrozen(int nCol) const;
    void EnableAutoSize(BOOL bEnable = TRUE) { m_bAutoSize = bEnable; }

    // Overridables
    virtual BOOL DetectRTL();
    virtual void DistributeWidth(int nWidth);
    virtual void FitColumnsToWidth(int nWidth = 0);
    virtual int GetFrozenColumnsWidth();

protected:
    void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);

    int m_nMinWidth;
    BOOL m_bRTL;
    BOOL m_bAutoSize;           // a change of the header's width spreads it over the columns
    std::vector<int> m_frozen;

    DECLARE_MESSAGE_MAP()
};
