// The window style button: a face in the system's button colour with a black
// frame and 3-D lines for its look.
#pragma once

#include "shared/menuobj/ButBasis.h"

class CButWin : public CButBasis
{
    DECLARE_DYNAMIC(CButWin)
public:
    void Draw(CDC* pDC) override;
};
