#include "shared/menuobj/ViewerCreateStruct.h"

IMPLEMENT_DYNAMIC(CViewerCreateStruct, CMObjCreateStruct)

CViewerCreateStruct::CViewerCreateStruct() : m_bScrollHorz(0), m_bScrollVert(0), m_bBorder(1)
{
}

void CViewerCreateStruct::Copy(const CViewerCreateStruct& other)
{
    CMObjCreateStruct::Copy(other);
    m_strDocument = other.m_strDocument;
    m_bScrollHorz = other.m_bScrollHorz;
    m_bScrollVert = other.m_bScrollVert;
    m_bBorder = other.m_bBorder;
}
