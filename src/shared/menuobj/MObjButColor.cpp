#include "shared/menuobj/MObjButColor.h"

IMPLEMENT_DYNAMIC(CMObjButColor, CMObjButton)
