// A monochrome button: a picture recoloured for its states.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButColor : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButColor)
};
