#include "shared/menuobj/MObjStaticText.h"

#include "shared/menuobj/StaticText.h"

IMPLEMENT_DYNAMIC(CMObjStaticText, CMObjStatic)

BOOL CMObjStaticText::Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    FitRectToText(pCrStruct);
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    CStaticText* pWnd = new CStaticText;
    pWnd->SetCreateStruct(pCrStruct);
    pWnd->SetEditMode(bEditMode);
    if (!pWnd->Create(nullptr, pCrStruct->m_strText, WS_CHILD | WS_VISIBLE | SS_NOTIFY, pCrStruct->m_rect, pParent,
                      UINT(nID)))
    {
        delete pWnd;
        return FALSE;
    }
    Init(pCrStruct->m_rect, pParent, pWnd, bEditMode);
    TakeWindow(pWnd);
    return TRUE;
}

void CMObjStaticText::FitRectToText(CMObjCreateStruct* pCrStruct)
{
    int cx, cy;
    if (!pCrStruct->m_font.MeasureText(pCrStruct->m_strText, cx, cy))
        return;
    RECT& rc = pCrStruct->m_rect;
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
}
