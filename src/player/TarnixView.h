// The player's view, from which the start window runs.
#pragma once

#include "framework/View.h"

class CTarnixView : public CView
{
    DECLARE_DYNCREATE(CTarnixView)
protected:
    CTarnixView() = default;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
};
