#include "shared/menuobj/MObjButUrl.h"

#include "shared/menuobj/ButUrl.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/TipText.h"

#include <algorithm>

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
    // A caption typed on several lines is as wide as its widest line and
    // as high as its lines together.
    CStringArray lines;
    SplitAtBreakTags(pButStruct->m_strText, lines);
    for (CFontDesc* pFont : fonts)
    {
        int cxFont = -1, cyFont = 0;
        for (int i = 0; i < lines.GetSize(); ++i)
        {
            int cx, cy;
            if (!pFont->MeasureText(lines[i], cx, cy))
                break;
            cxFont = std::max(cxFont, cx);
            cyFont = i == 0 ? cy : cyFont + pFont->m_cy;
        }
        if (cxFont > cxBest)
        {
            cxBest = cxFont;
            cyBest = cyFont;
        }
    }
    if (cxBest < 0)
        return;
    RECT& rc = pButStruct->m_rect;
    rc.right = rc.left + cxBest;
    rc.bottom = rc.top + cyBest;
}
