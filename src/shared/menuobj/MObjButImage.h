// A button over a picture of the page, shown by a 3-D edge.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButImage : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButImage)
public:
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;
};
