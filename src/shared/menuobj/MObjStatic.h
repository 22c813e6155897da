// A text or picture of a menu page: drawn, never clicked into an action.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CMObjStatic : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjStatic)
public:
    CMObjStatic();

protected:
    CBasisObj* m_pStaticWnd;      // the text or picture window
};
