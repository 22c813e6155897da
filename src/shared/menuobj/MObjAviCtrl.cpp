#include "shared/menuobj/MObjAviCtrl.h"

#include "shared/menuobj/AviCtrl.h"

IMPLEMENT_DYNAMIC(CMObjAviCtrl, CMObjBasis)

CMObjAviCtrl::CMObjAviCtrl() : m_pAviCtrl(nullptr)
{
}

CMObjAviCtrl::~CMObjAviCtrl()
{
    delete m_pAviCtrl;
    m_pAviWnd = nullptr;
    m_pMoveWnd = nullptr;
}

BOOL CMObjAviCtrl::Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    pCrStruct->m_crColor = cr;
    pCrStruct->m_nID = nID;
    auto* pClip = new CAviCtrl;
    pClip->SetCreateStruct(pCrStruct);
    pClip->SetEditMode(bEditMode);
    if (!pClip->CreateFromStruct(pCrStruct, pParent))
    {
        delete pClip;
        return FALSE;
    }
    m_pAviCtrl = pClip;
    m_pAviWnd = pClip;
    m_pMoveWnd = pClip;
    return TRUE;
}
