// Must compile: the twin of WrongHandlerSignature.cpp with the right signature,
// so that the failure there is the signature's and nothing else's.
#include "framework/Afx.h"

class CRightWnd : public CWnd
{
protected:
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRightWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()
