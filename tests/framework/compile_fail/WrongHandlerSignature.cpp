// Must not compile: OnSize has the wrong signature for its map row.
#include "framework/Afx.h"

class CWrongWnd : public CWnd
{
protected:
    void OnSize(int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWrongWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()
