#include "shared/menuobj/MObjSlider.h"

IMPLEMENT_DYNAMIC(CMObjSlider, CMObjBasis)

BOOL CMObjSlider::Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    pCrStruct->m_nID = nID;
    pCrStruct->m_crColor = cr;
    if (!m_wndSlider.CreateSlider(kTrackbarStyle, pCrStruct->m_rect, pParent, UINT(nID), cr))
        return FALSE;
    m_wndSlider.SetEditMode(bEditMode);
    m_wndSlider.SetLinkedStruct(pCrStruct);
    m_pSliderWnd = &m_wndSlider;
    m_pMoveWnd = &m_wndSlider;
    return TRUE;
}
