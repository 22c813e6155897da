#include "shared/menuobj/MObjSlider.h"

IMPLEMENT_DYNAMIC(CMObjSlider, CMObjBasis)
