#include "shared/menuobj/MObjButImage.h"

#include "shared/menuobj/ButImage.h"

IMPLEMENT_DYNAMIC(CMObjButImage, CMObjButton)

BOOL CMObjButImage::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    return CreateButtonWindow(new CButImage, pCrStruct, pParent, nID, bEditMode);
}
