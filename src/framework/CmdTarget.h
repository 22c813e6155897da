// Base of every object that receives commands and window messages.
#pragma once

#include "framework/Object.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
};
