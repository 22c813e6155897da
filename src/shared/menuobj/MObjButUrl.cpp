#include "shared/menuobj/MObjButUrl.h"

#include "shared/menuobj/ButUrl.h"
#include "shared/menuobj/MButCreateStruct.h"

IMPLEMENT_DYNAMIC(CMObjButUrl, CMObjButton)

BOOL CMObjButUrl::Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    // The window fits its caption; the struct keeps the size the page stored.
    const RECT rcStored = pCrStruct->m_rect;
    FitRectToCaption(pCrStruct);
    BOOL bCreated = CreateButtonWindow(new CButUrl, pCrStruct, pParent, nID, bEditMode);
    pCrStruct->m_rect = rcStored;
    return bCreated;
}

void CMObjButUrl::FitRectToCaption(CMButCreateStruct* pButStruct)
{
    CFontDesc* fonts[] = { &pButStruct->m_fontIdle, &pButStruct->m_fontDown, &pButStruct->m_fontOver };
    int cxBest = -1;
    int cyBest = 0;
    for (CFontDesc* pFont : fonts)
    {
        int cx, cy;
        if (pFont->MeasureText(pButStruct->m_strText, cx, cy) && cx > cxBest)
        {
            cxBest = cx;
            cyBest = cy;
        }
    }
    if (cxBest < 0)
        return;
    RECT& rc = pButStruct->m_rect;
    rc.right = rc.left + cxBest;
    rc.bottom = rc.top + cyBest;
}
