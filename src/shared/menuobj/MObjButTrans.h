// A transparent button drawn over the page background.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButTrans : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButTrans)
public:
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;
    // Nothing changes.
    void SetWindowRect(int x, int y, int cx, int cy) override;
};
