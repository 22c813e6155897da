#include "shared/menuobj/MObjStaticImage.h"

IMPLEMENT_DYNAMIC(CMObjStaticImage, CMObjStatic)
