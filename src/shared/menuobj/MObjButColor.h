// A monochrome button: a picture recoloured for its states.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButColor : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButColor)
public:
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;
};
