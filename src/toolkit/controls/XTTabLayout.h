// Layout arithmetic of the toolkit's tab control, free of windows: where the
// selected tab's window goes, and how labels shrink with "..." until the tabs fit.
#pragma once

#include "framework/Rect.h"
#include "framework/String.h"

#include <functional>
#include <vector>

// The page rectangle inside the client rectangle for tabs of the given size in
// nRows rows (columns for vertical tabs) on the side the style names
// (TCS_BOTTOM, TCS_VERTICAL, TCS_VERTICAL | TCS_RIGHT; else the top).
CRect XTTabChildRect(const CRect& rcClient, DWORD dwStyle, CSize sizeTab, int nRows);

struct XT_TAB_LABEL
{
    CString strLabel;   // the full label
    BOOL bImage;        // the tab shows an image
};

// The labels to show so that the tabs fit into nAvailable pixels: the widest
// label that can still shrink loses one character at a time before a "..."
// ending. measure gives a text's width in the control's font.
std::vector<CString> XTCondenseTabLabels(const std::vector<XT_TAB_LABEL>& tabs, int nAvailable, BOOL bVertOrMulti,
                                         int nAveCharWidth, const std::function<int(const CString&)>& measure);
