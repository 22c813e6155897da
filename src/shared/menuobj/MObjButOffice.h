// A flat button with a picture, raised while the mouse is over it.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButOffice : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButOffice)
public:
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;
};
