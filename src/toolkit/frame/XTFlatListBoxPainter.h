// The customisation command list in the flat look: an icon column and flat
// selected items.
#pragma once

#include "toolkit/frame/XTPainters.h"

class CXTFlatListBoxPainter : public CXTListBoxPainter
{
public:
    explicit CXTFlatListBoxPainter(CXTStyle* pStyle) : m_pStyle(pStyle) {}
    void DrawItem(LPDRAWITEMSTRUCT lpDIS, IXTCommandList* pList) override;
    // The list's WM_PAINT: its items drawn into a memory DC with the column background.
    void Paint(IXTCommandList* pList) override;

private:
    CXTStyle* m_pStyle;
};
