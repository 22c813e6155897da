// A button drawn from a picture file with its three states stacked.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButBmp : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButBmp)
public:
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;
    // The size follows the picture: nothing changes.
    void SetWindowRect(int x, int y, int cx, int cy) override;
};
