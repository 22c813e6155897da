#include "shared/menuobj/MObjButton.h"

IMPLEMENT_DYNAMIC(CMObjButton, CMObjBasis)

CMObjButton::CMObjButton() : m_pButWnd(nullptr)
{
}

BOOL CMObjButton::Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int /*nID*/, COLORREF /*cr*/, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    return TRUE;
}
