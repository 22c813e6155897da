// An AVI clip on a menu page.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CMObjAviCtrl : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjAviCtrl)
public:
    CMObjAviCtrl();

protected:
    CAviCtrl* m_pAviCtrl;         // the clip window
};
