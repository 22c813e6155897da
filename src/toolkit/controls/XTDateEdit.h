// A masked edit meant for dates; it adds no behaviour of its own yet.
#pragma once

#include "toolkit/controls/XTMaskEdit.h"

class CXTDateEdit : public CXTMaskEdit
{
    DECLARE_DYNAMIC(CXTDateEdit)
};
