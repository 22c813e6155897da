#include "shared/menuobj/MObjButImage.h"

IMPLEMENT_DYNAMIC(CMObjButImage, CMObjButton)
