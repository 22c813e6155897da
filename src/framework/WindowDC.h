// A whole window's device context (frame included), released on destruction.
#pragma once

#include "framework/DC.h"

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);   // NULL: the whole screen
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
