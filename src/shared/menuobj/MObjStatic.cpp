#include "shared/menuobj/MObjStatic.h"

IMPLEMENT_DYNAMIC(CMObjStatic, CMObjBasis)

CMObjStatic::CMObjStatic() : m_pStaticWnd(nullptr)
{
}
