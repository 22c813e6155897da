// A masked edit meant for times; it adds no behaviour of its own yet.
#pragma once

#include "toolkit/controls/XTDateEdit.h"

class CXTTimeEdit : public CXTDateEdit
{
    DECLARE_DYNAMIC(CXTTimeEdit)
};
