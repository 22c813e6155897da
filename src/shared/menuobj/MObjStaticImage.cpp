#include "shared/menuobj/MObjStaticImage.h"

#include "shared/menuobj/StaticImage.h"

IMPLEMENT_DYNAMIC(CMObjStaticImage, CMObjStatic)

BOOL CMObjStaticImage::Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    CStaticImage* pWnd = new CStaticImage;
    pWnd->SetCreateStruct(pCrStruct);
    pWnd->SetEditMode(bEditMode);
    if (!pWnd->CreateImage(pCrStruct->m_strText, WS_CHILD | WS_VISIBLE | SS_NOTIFY, pCrStruct->m_rect, pParent,
                           UINT(nID)))
    {
        delete pWnd;
        return FALSE;
    }
    CRect rcWindow;
    pWnd->GetWindowRect(rcWindow);
    RECT& rc = pCrStruct->m_rect;
    rc.right = rc.left + rcWindow.Width();
    rc.bottom = rc.top + rcWindow.Height();
    SetRects(rc);
    TakeWindow(pWnd);
    return TRUE;
}
