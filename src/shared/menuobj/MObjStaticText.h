// A text of a menu page, as large as its text.
#pragma once

#include "shared/menuobj/MObjStatic.h"

class CMObjStaticText : public CMObjStatic
{
    DECLARE_DYNAMIC(CMObjStaticText)
public:
    // Sizes the struct's rectangle to the text and makes the text window;
    // FALSE leaves the object without a window.
    BOOL Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);

    // Sizes the struct's rectangle from its top-left corner to its text in its
    // font; unchanged when the text cannot be measured.
    static void FitRectToText(CMObjCreateStruct* pCrStruct);
};
