// The about box: build text, file version, system and a link to the home page.
#pragma once

#include "framework/Dialog.h"
#include "shared/menuobj/StaticLink.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

    CString m_strBuildText;
    CString m_strFileVersion;
    CString m_strOSText;

    static const char kHomePage[];

protected:
    BOOL OnInitDialog() override;
    void OnHomePage();

    DECLARE_MESSAGE_MAP()

private:
    CStaticLink m_link;
};
