// A button of a menu page; each button style is a class of its own below it.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CButBasis;

class CMObjButton : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjButton)
public:
    CMObjButton();

    // Takes the struct's rectangle, the parent and the mode; no window.
    virtual BOOL Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);
    void Select(BOOL bSelected) { SetSelected(bSelected); }

protected:
    CButBasis* m_pButWnd;         // the button window, made by the style's Create
};
