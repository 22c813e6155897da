#include "shared/menuobj/MObjStatic.h"

#include "shared/menuobj/StaticBasis.h"

IMPLEMENT_DYNAMIC(CMObjStatic, CMObjBasis)

CMObjStatic::CMObjStatic() : m_pStaticWnd(nullptr)
{
}

CMObjStatic::~CMObjStatic()
{
    delete m_pStaticWnd;
}

void CMObjStatic::TakeWindow(CStaticBasis* pWnd)
{
    delete m_pStaticWnd;
    m_pStaticWnd = pWnd;
    m_pObjWnd = pWnd;
}
