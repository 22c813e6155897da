// Tells that a picture show needs the picture-show player and its authoring
// program, with a link to their home page.
#pragma once

#include "framework/Dialog.h"
#include "shared/menuobj/StaticLink.h"

class CLumivaneMissingDlg : public CDialog
{
    DECLARE_DYNAMIC(CLumivaneMissingDlg)
public:
    explicit CLumivaneMissingDlg(CWnd* pParentWnd = nullptr);

protected:
    BOOL OnInitDialog() override;

    CStaticLink m_link;
};
