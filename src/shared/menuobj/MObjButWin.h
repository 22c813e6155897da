// A button in the standard window look.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButWin : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButWin)
};
