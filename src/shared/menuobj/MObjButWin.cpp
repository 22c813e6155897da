#include "shared/menuobj/MObjButWin.h"

IMPLEMENT_DYNAMIC(CMObjButWin, CMObjButton)
