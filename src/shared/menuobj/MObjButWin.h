// A button in the standard window look.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButWin : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButWin)
public:
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;
};
