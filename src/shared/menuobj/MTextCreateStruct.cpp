#include "shared/menuobj/MTextCreateStruct.h"

IMPLEMENT_DYNAMIC(CMTextCreateStruct, CMObjCreateStruct)
