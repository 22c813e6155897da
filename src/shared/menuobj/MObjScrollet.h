// The text viewer of a menu page: a text file shown in a scrolling window.
#pragma once

#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MObjBasis.h"

class CMObjScrollet : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjScrollet)
protected:
    CLineStore m_lines;           // the text file's lines
};
