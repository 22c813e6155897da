// The main window of a program with one document on the toolkit: the
// framework's frame with the toolkit's dock bars, menu bar and cool menus,
// hidden commands, customisation, user tools and shortcut texts in its popups.
#pragma once

#include "toolkit/frame/XTFrameBase.h"

#include "framework/FrameWnd.h"

class CXTFrameWnd : public CXTFrameBase<CFrameWnd>
{
    DECLARE_DYNCREATE(CXTFrameWnd)
public:
    CXTFrameWnd() = default;

protected:
    DECLARE_MESSAGE_MAP()
};
