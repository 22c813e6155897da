// Tool bar buttons and separators in the flat look.
#pragma once

#include "toolkit/frame/XTPainters.h"

#include <commctrl.h>

class CXTFlatToolBarPainter : public CXTToolBarPainter
{
public:
    explicit CXTFlatToolBarPainter(CXTStyle* pStyle) : m_pStyle(pStyle) {}

    void EraseButton(CDC* pDC, IXTToolBar* pBar, int nIndex) override;
    void DrawButton(CDC* pDC, IXTToolBar* pBar, int nIndex) override;
    void DrawSeparator(CDC* pDC, IXTToolBar* pBar, int nIndex) override;
    void DrawDropShadow(CDC* pDC, IXTToolBar* pBar, int nIndex) override;
    void InvalidateButton(IXTToolBar* pBar, int nIndex) override;

    enum State { stateNormal, stateHot, statePressed, stateDropped };
    // The state a button shows: its own, the bar's hot item, the cursor over
    // it with the mouse button down, or its open drop-down.
    State GetButtonState(IXTToolBar* pBar, int nIndex, const TBBUTTON& button) const;

private:
    CXTStyle* m_pStyle;
};
