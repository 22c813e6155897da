// A transparent button drawn over the page background.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButTrans : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButTrans)
};
