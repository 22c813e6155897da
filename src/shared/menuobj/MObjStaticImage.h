// A picture of a menu page, as large as its picture.
#pragma once

#include "shared/menuobj/MObjStatic.h"

class CMObjStaticImage : public CMObjStatic
{
    DECLARE_DYNAMIC(CMObjStaticImage)
};
