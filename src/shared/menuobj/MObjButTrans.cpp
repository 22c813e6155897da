#include "shared/menuobj/MObjButTrans.h"

IMPLEMENT_DYNAMIC(CMObjButTrans, CMObjButton)
