// A button drawn from a picture file with its states side by side.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButBmp : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButBmp)
};
