// The stored data of one text object (its caption and font are the base's).
#pragma once

#include "shared/menuobj/MObjCreateStruct.h"

class CMTextCreateStruct : public CMObjCreateStruct
{
    DECLARE_DYNAMIC(CMTextCreateStruct)
public:
    CMTextCreateStruct() = default;

    void Copy(const CMTextCreateStruct& other) { CMObjCreateStruct::Copy(other); }
};
