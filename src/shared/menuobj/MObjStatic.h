// A text or picture of a menu page: drawn, never clicked into an action.
#pragma once

#include "shared/menuobj/MObjBasis.h"

class CStaticBasis;

class CMObjStatic : public CMObjBasis
{
    DECLARE_DYNAMIC(CMObjStatic)
public:
    CMObjStatic();
    ~CMObjStatic() override;   // deletes the window

protected:
    // The window (owned from now on) becomes the object's.
    void TakeWindow(CStaticBasis* pWnd);

    CStaticBasis* m_pStaticWnd;   // the text or picture window; owned
};
