// The flat ("XP") look: one painter per control kind.
#pragma once

#include "toolkit/frame/XTFlatComboPainter.h"
#include "toolkit/frame/XTFlatEditPainter.h"
#include "toolkit/frame/XTFlatListBoxPainter.h"
#include "toolkit/frame/XTFlatToolBarPainter.h"

class CXTFlatStyle : public CXTStyle
{
public:
    CXTFlatStyle() : m_combo(this), m_edit(this), m_toolBar(this), m_listBox(this) {}

    CXTComboPainter* GetComboPainter() override { return &m_combo; }
    CXTEditPainter* GetEditPainter() override { return &m_edit; }
    CXTToolBarPainter* GetToolBarPainter() override { return &m_toolBar; }
    CXTListBoxPainter* GetListBoxPainter() override { return &m_listBox; }

private:
    CXTFlatComboPainter m_combo;
    CXTFlatEditPainter m_edit;
    CXTFlatToolBarPainter m_toolBar;
    CXTFlatListBoxPainter m_listBox;
};
