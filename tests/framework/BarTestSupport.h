// What the bar, dock and splitter tests share: rectangles as text and a bar
// of a fixed size.
#pragma once

#include "framework/Afx.h"

#include <string>

namespace bar_test_support {

inline std::string RectText(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A bar of a fixed size that counts its idle updates; at a side it stands on its end.
class CBoxBar : public CControlBar
{
public:
    CSize m_size;
    int nUpdates = 0;
    explicit CBoxBar(CSize size = CSize(40, 40)) : m_size(size) {}
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID) { return CreateBar(nullptr, WS_VISIBLE, dwStyle, pParent, nID); }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        CSize size = bHorz ? m_size : CSize(m_size.cy, m_size.cx);
        if (bStretch && bHorz)
            size.cx = 32767;
        if (bStretch && !bHorz)
            size.cy = 32767;
        return size;
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++nUpdates; }
};

} // namespace bar_test_support
