// An AVI clip on a menu page.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CMObjAviCtrl : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjAviCtrl)
public:
    CMObjAviCtrl();
    ~CMObjAviCtrl() override;   // deletes the clip window

    // Makes the clip window from the struct's file at the struct's top-left
    // corner; the colour and id are written into the struct first. FALSE
    // leaves the object without a window.
    BOOL Create(CMObjCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode);

    CAviCtrl* GetAviCtrl() const { return m_pAviCtrl; }

protected:
    CAviCtrl* m_pAviCtrl;         // the clip window; owned
};
