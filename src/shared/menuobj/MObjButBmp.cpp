#include "shared/menuobj/MObjButBmp.h"

IMPLEMENT_DYNAMIC(CMObjButBmp, CMObjButton)
