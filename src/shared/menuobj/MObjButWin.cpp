#include "shared/menuobj/MObjButWin.h"

#include "shared/menuobj/ButWin.h"

IMPLEMENT_DYNAMIC(CMObjButWin, CMObjButton)

BOOL CMObjButWin::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    return CreateButtonWindow(new CButWin, pCrStruct, pParent, nID, bEditMode);
}
