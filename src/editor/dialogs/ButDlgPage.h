// What the pages of the button sheet share: their help page and telling the
// sheet which page was shown last (it opens there next time).
#pragma once

#include "framework/PropertyPage.h"

#include <functional>

class CButDlgPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CButDlgPage)
public:
    // nPageIndex: Text 0, Position/Stil 1, Verknüpfung 2, Sound 3.
    CButDlgPage(UINT nIDTemplate, int nPageIndex);

    // Where the page tells its index when it is shown.
    int* m_pnShownPage;
    // Asked when the sheet's OK reaches the page: FALSE keeps the sheet open.
    std::function<BOOL()> m_canApply;

protected:
    BOOL OnSetActive() override;
    BOOL OnApply() override;
    void OnHelp();

    int m_nPageIndex;

    DECLARE_MESSAGE_MAP()
};
