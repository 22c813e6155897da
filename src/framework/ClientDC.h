// A window's client-area device context, released on destruction.
#pragma once

#include "framework/DC.h"

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);   // NULL: the whole screen
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
