#include "toolkit/controls/XTTabLayout.h"

#include <commctrl.h>

CRect XTTabChildRect(const CRect& rcClient, DWORD dwStyle, CSize sizeTab, int nRows)
{
    CRect rc(rcClient.left + 3, rcClient.top + 3, rcClient.right - 3, rcClient.bottom - 3);
    if (dwStyle & TCS_VERTICAL)
    {
        if (dwStyle & TCS_RIGHT)
            rc.right = rcClient.right - nRows * sizeTab.cx - 5;
        else
            rc.left = rcClient.left + nRows * sizeTab.cx + 5;
    }
    else if (dwStyle & TCS_BOTTOM)
        rc.bottom = rcClient.bottom - nRows * sizeTab.cy - 5;
    else
        rc.top = rcClient.top + nRows * sizeTab.cy + 5;
    return rc;
}

namespace {

const char kEllipsis[] = "...";

struct CondensedTab
{
    CString strText;
    int nWidth;
    BOOL bImage;
    BOOL bAtLimit;
};

int TabWidth(const CString& strText, BOOL bImage, const std::function<int(const CString&)>& measure)
{
    return measure(strText) + 12 + (strText.GetLength() == 1 ? 1 : 0) + (bImage ? 22 : 0);
}

BOOL EndsWithEllipsis(const CString& strText)
{
    return strText.GetLength() >= 3 && strText.Right(3) == kEllipsis;
}

// One pass on one tab: "..." appended, then characters before it removed until
// the tab is narrower than before the pass or cannot shrink further.
void ShrinkTab(CondensedTab& tab, int nMinWidth, const std::function<int(const CString&)>& measure)
{
    int nBefore = tab.nWidth;
    if (!EndsWithEllipsis(tab.strText))
        tab.strText += kEllipsis;
    for (;;)
    {
        tab.nWidth = TabWidth(tab.strText, tab.bImage, measure);
        if (tab.strText == kEllipsis || tab.nWidth <= nMinWidth)
        {
            tab.bAtLimit = TRUE;
            return;
        }
        if (tab.nWidth < nBefore)
            return;
        tab.strText.Delete(tab.strText.GetLength() - 4);
    }
}

} // namespace

std::vector<CString> XTCondenseTabLabels(const std::vector<XT_TAB_LABEL>& tabs, int nAvailable, BOOL bVertOrMulti,
                                         int nAveCharWidth, const std::function<int(const CString&)>& measure)
{
    std::vector<CondensedTab> condensed;
    int nTotal = bVertOrMulti ? 5 : 4;
    for (const XT_TAB_LABEL& tab : tabs)
    {
        condensed.push_back({ tab.strLabel, TabWidth(tab.strLabel, tab.bImage, measure), tab.bImage, FALSE });
        nTotal += condensed.back().nWidth;
    }
    int nMinWidth = 6 * nAveCharWidth + 12;
    while (nTotal > nAvailable)
    {
        CondensedTab* pWidest = nullptr;
        for (CondensedTab& tab : condensed)
            if (!tab.bAtLimit && (pWidest == nullptr || tab.nWidth > pWidest->nWidth))
                pWidest = &tab;
        if (pWidest == nullptr)
            break;
        int nBefore = pWidest->nWidth;
        ShrinkTab(*pWidest, nMinWidth, measure);
        nTotal += pWidest->nWidth - nBefore;
    }
    std::vector<CString> labels;
    for (const CondensedTab& tab : condensed)
        labels.push_back(tab.strText);
    return labels;
}
