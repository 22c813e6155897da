// The customise sheet's Options page: the user's personal options of menus
// and tool bars, stored when the sheet closes.
#pragma once

#include "toolkit/controls/XTResizePropertyPage.h"

class CFrameWnd;

class CXTCustOptions : public CXTResizePropertyPage
{
    DECLARE_DYNAMIC(CXTCustOptions)
public:
    explicit CXTCustOptions(CFrameWnd* pFrame);
    ~CXTCustOptions() override;

    BOOL OnInitDialog() override;

protected:
    CFrameWnd* m_pFrame;
    BYTE m_values[6];

    void UpdateEnabling();
    void OnClicked();
    void OnResetUsage();
    DECLARE_MESSAGE_MAP()
};
