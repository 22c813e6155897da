// List-box wizard: position, size and frame style of the list box.
#pragma once

#include "editor/dialogs/ListboxWizardPage.h"

class CLB_Pos_Page : public CListboxWizardPage
{
    DECLARE_DYNAMIC(CLB_Pos_Page)
public:
    explicit CLB_Pos_Page(CListboxWizard* pWizard);

    int m_nWidth;
    int m_nHeight;
    int m_nX;
    int m_nY;
    int m_bCheck;

    BOOL OnSetActive() override;
    BOOL CheckAndStore() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
