// The hypertext button: only its caption, in the idle, mouse-over or pressed
// font description of its create struct.
#pragma once

#include "shared/menuobj/ButBasis.h"

class CButUrl : public CButBasis
{
    DECLARE_DYNAMIC(CButUrl)
public:
    CButUrl();

    void Draw(CDC* pDC) override;

private:
    BOOL m_bFontsTaken;   // the three fonts were copied at the first Draw
    CFontDesc m_fontIdle;
    CFontDesc m_fontOver;
    CFontDesc m_fontDown;
};
