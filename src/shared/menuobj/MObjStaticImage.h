// A picture of a menu page, as large as its picture.
#pragma once

#include "shared/menuobj/MObjStatic.h"

class CMObjStaticImage : public CMObjStatic
{
    DECLARE_DYNAMIC(CMObjStaticImage)
public:
    // Makes the picture window for the struct's picture file (its text); the
    // struct's rectangle takes the picture's size. FALSE leaves the object
    // without a window.
    BOOL Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);
};
