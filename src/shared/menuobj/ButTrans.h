// The transparent button: the window style's frame and lines without a face,
// so that the page shows through.
#pragma once

#include "shared/menuobj/ButBasis.h"

class CButTrans : public CButBasis
{
    DECLARE_DYNAMIC(CButTrans)
public:
    void Draw(CDC* pDC) override;
};
