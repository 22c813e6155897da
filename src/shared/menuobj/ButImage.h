// The image button: a button over a picture of the page. Nothing is filled; in
// run mode a 3-D edge shows the mouse over it and the press, in design mode a
// black and white frame shows where it is.
#pragma once

#include "shared/menuobj/ButBasis.h"

class CButImage : public CButBasis
{
    DECLARE_DYNAMIC(CButImage)
public:
    void Draw(CDC* pDC) override;
};
