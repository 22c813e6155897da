#include "shared/menuobj/MObjButTrans.h"

#include "shared/menuobj/ButTrans.h"

IMPLEMENT_DYNAMIC(CMObjButTrans, CMObjButton)

BOOL CMObjButTrans::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    return CreateButtonWindow(new CButTrans, pCrStruct, pParent, nID, bEditMode);
}

void CMObjButTrans::SetWindowRect(int /*x*/, int /*y*/, int /*cx*/, int /*cy*/)
{
}
