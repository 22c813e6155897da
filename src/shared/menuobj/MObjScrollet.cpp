#include "shared/menuobj/MObjScrollet.h"

IMPLEMENT_DYNAMIC(CMObjScrollet, CMObjBasis)
