// The painters a look hands out per control kind, and the look that chooses
// them: the flat look paints with its own painters, the default look hands out
// none so that every control draws itself in the classic way.
#pragma once

#include "framework/DC.h"

class CWnd;
class CComboBox;
class IXTToolBar;
class IXTCommandList;

class CXTToolBarPainter
{
public:
    virtual ~CXTToolBarPainter() = default;
    virtual void EraseButton(CDC* pDC, IXTToolBar* pBar, int nIndex) = 0;
    virtual void DrawButton(CDC* pDC, IXTToolBar* pBar, int nIndex) = 0;
    virtual void DrawSeparator(CDC* pDC, IXTToolBar* pBar, int nIndex) = 0;
    virtual void DrawDropShadow(CDC* pDC, IXTToolBar* pBar, int nIndex) = 0;
    virtual void InvalidateButton(IXTToolBar* pBar, int nIndex) = 0;
};

class CXTComboPainter
{
public:
    virtual ~CXTComboPainter() = default;
    virtual void DrawCombo(CComboBox* pCombo, CDC* pDC, BOOL bHot) = 0;
};

class CXTEditPainter
{
public:
    virtual ~CXTEditPainter() = default;
    virtual void DrawBorder(CWnd* pWnd, CDC* pDC, BOOL bHot) = 0;
};

class CXTListBoxPainter
{
public:
    virtual ~CXTListBoxPainter() = default;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS, IXTCommandList* pList) = 0;
    virtual void Paint(IXTCommandList* pList) = 0;
};

// A look: the default one has no painters.
class CXTStyle
{
public:
    virtual ~CXTStyle() = default;
    virtual CXTComboPainter* GetComboPainter() { return nullptr; }
    virtual CXTEditPainter* GetEditPainter() { return nullptr; }
    virtual CXTToolBarPainter* GetToolBarPainter() { return nullptr; }
    virtual CXTListBoxPainter* GetListBoxPainter() { return nullptr; }
    // In design mode tool bar buttons and combo boxes show neither pressed nor hot.
    virtual void SetDesignMode(BOOL bDesignMode) { m_bDesignMode = bDesignMode; }
    BOOL IsDesignMode() const { return m_bDesignMode; }

private:
    BOOL m_bDesignMode = FALSE;
};

class CXTDefaultStyle : public CXTStyle
{
};

// The flat look's painters while the global flat-look option is set, else the default look's.
CXTStyle* GetPainter();
