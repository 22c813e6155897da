#include "shared/menuobj/MObjButBmp.h"

#include "shared/menuobj/ButBmp.h"

IMPLEMENT_DYNAMIC(CMObjButBmp, CMObjButton)

BOOL CMObjButBmp::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    return CreateButtonWindow(new CButBmp, pCrStruct, pParent, nID, bEditMode);
}

void CMObjButBmp::SetWindowRect(int /*x*/, int /*y*/, int /*cx*/, int /*cy*/)
{
}
