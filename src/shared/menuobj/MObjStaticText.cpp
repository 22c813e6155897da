#include "shared/menuobj/MObjStaticText.h"

IMPLEMENT_DYNAMIC(CMObjStaticText, CMObjStatic)

void CMObjStaticText::FitRectToText(CMObjCreateStruct* pCrStruct)
{
    int cx, cy;
    if (!pCrStruct->m_font.MeasureText(pCrStruct->m_strText, cx, cy))
        return;
    RECT& rc = pCrStruct->m_rect;
    rc.right = rc.left + cx;
    rc.bottom = rc.top + cy;
}
