// Quick help on putting objects on the page, with a link to the picture-show
// program's home page.
#pragma once

#include "framework/Dialog.h"
#include "shared/menuobj/StaticLink.h"

class CInsertObjectsDlg : public CDialog
{
    DECLARE_DYNAMIC(CInsertObjectsDlg)
public:
    explicit CInsertObjectsDlg(CWnd* pParentWnd = nullptr);

    CStaticLink m_link;

protected:
    BOOL OnInitDialog() override;
};
