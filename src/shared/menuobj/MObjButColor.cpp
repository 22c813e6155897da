#include "shared/menuobj/MObjButColor.h"

#include "shared/menuobj/ColorButton.h"

IMPLEMENT_DYNAMIC(CMObjButColor, CMObjButton)

BOOL CMObjButColor::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    return CreateImageWindow(new CColorButton, pCrStruct, pParent, nID, bEditMode);
}
