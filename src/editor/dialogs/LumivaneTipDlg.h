// Points to the picture-show player when the list-box wizard lists pictures
// and the player is not installed. Once the author ticks "don't show", the tip
// stays away 19 times and comes again the 20th time.
#pragma once

#include "framework/Dialog.h"

class CLumivaneTipDlg : public CDialog
{
    DECLARE_DYNAMIC(CLumivaneTipDlg)
public:
    explicit CLumivaneTipDlg(CWnd* pParentWnd = nullptr);

    static const char kCounterKey[];
    static const char kHomePage[];
    static constexpr int kShowEvery = 20;

protected:
    BOOL OnInitDialog() override;
    void OnDontShow();
    void OnHomePage();

    DECLARE_MESSAGE_MAP()
};
