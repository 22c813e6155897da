// The volume slider of a menu page.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CMObjSlider : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjSlider)
};
