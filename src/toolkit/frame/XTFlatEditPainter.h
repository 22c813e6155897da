// Flat borders of edit controls: three frames around the client area.
#pragma once

#include "toolkit/frame/XTPainters.h"

class CXTFlatEditPainter : public CXTEditPainter
{
public:
    explicit CXTFlatEditPainter(CXTStyle* pStyle) : m_pStyle(pStyle) {}
    // pDC is a window DC of pWnd.
    void DrawBorder(CWnd* pWnd, CDC* pDC, BOOL bHot) override;

private:
    CXTStyle* m_pStyle;
};
