#include "shared/menuobj/MObjAviCtrl.h"

IMPLEMENT_DYNAMIC(CMObjAviCtrl, CMObjBasis)

CMObjAviCtrl::CMObjAviCtrl() : m_pAviCtrl(nullptr)
{
}
