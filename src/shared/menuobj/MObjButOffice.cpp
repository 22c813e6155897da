#include "shared/menuobj/MObjButOffice.h"

#include "shared/menuobj/OfficeButton.h"

IMPLEMENT_DYNAMIC(CMObjButOffice, CMObjButton)

BOOL CMObjButOffice::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    return CreateImageWindow(new COfficeButton, pCrStruct, pParent, nID, bEditMode);
}
