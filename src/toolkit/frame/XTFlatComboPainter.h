// Combo boxes in the flat look: a framed box with a flat drop-down button.
#pragma once

#include "toolkit/frame/XTPainters.h"

class CXTFlatComboPainter : public CXTComboPainter
{
public:
    explicit CXTFlatComboPainter(CXTStyle* pStyle) : m_pStyle(pStyle) {}
    void DrawCombo(CComboBox* pCombo, CDC* pDC, BOOL bHot) override;

private:
    CXTStyle* m_pStyle;
};
