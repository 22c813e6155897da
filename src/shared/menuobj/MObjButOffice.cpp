#include "shared/menuobj/MObjButOffice.h"

IMPLEMENT_DYNAMIC(CMObjButOffice, CMObjButton)
