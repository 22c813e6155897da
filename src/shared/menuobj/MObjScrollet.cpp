#include "shared/menuobj/MObjScrollet.h"

#include "shared/menuobj/ViewerCreateStruct.h"

IMPLEMENT_DYNAMIC(CMObjScrollet, CMObjBasis)

namespace {

const char kViewerFace[] = "VERDANA";
const COLORREF kViewerBack = RGB(250, 250, 250);

} // namespace

BOOL CMObjScrollet::Create(CViewerCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF /*cr*/, BOOL bEditMode)
{
    m_pCrStruct = pCrStruct;
    Init(pCrStruct->m_rect, pParent, nullptr, bEditMode);
    m_lines.LoadFile(pCrStruct->m_strDocument, FALSE);
    m_wndViewer.SetScrollBars(pCrStruct->m_bScrollHorz, pCrStruct->m_bScrollVert);
    m_wndViewer.SetBorder(pCrStruct->m_bBorder);
    if (!m_wndViewer.CreateViewer(pCrStruct->m_rect, pParent, UINT(nID), &m_lines, kViewerFace, RGB(0, 0, 0),
                                  kViewerBack))
        return FALSE;
    pCrStruct->m_rect = m_wndViewer.GetObjectRect();
    SetRects(pCrStruct->m_rect);
    m_pObjWnd = &m_wndViewer;
    return TRUE;
}
