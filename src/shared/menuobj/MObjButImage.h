// A button that shows a picture with its caption.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMObjButImage : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButImage)
};
