// The customise sheet's Toolbars page: every bar with a check box that shows
// or hides it, and New, Rename, Delete and Reset as each bar offers them.
#pragma once

#include "toolkit/bars/XTCustomizeManager.h"
#include "toolkit/controls/XTCheckListBox.h"
#include "toolkit/controls/XTResizePropertyPage.h"

#include <vector>

class CFrameWnd;

class CXTCustToolBarPage : public CXTResizePropertyPage
{
    DECLARE_DYNAMIC(CXTCustToolBarPage)
public:
    explicit CXTCustToolBarPage(CFrameWnd* pFrame);
    ~CXTCustToolBarPage() override;

    BOOL OnInitDialog() override;
    CXTCheckListBox& GetBarList() { return m_list; }

protected:
    CFrameWnd* m_pFrame;
    CXTCheckListBox m_list;
    std::vector<CXTBarInfo> m_bars;

    int AddBar(const CXTBarInfo& info);
    // The bar list follows a bar shown or hidden.
    void SetShown(CWnd* pBar, BOOL bVisible);
    int FindItem(CWnd* pBar) const;
    const CXTBarInfo* Selected() const;
    void UpdateButtons();

    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelChange();
    void OnCheckChange();
    void OnNew();
    void OnRename();
    void OnDelete();
    // Not OnReset: that is the page's answer to the sheet's Cancel.
    void OnResetBar();
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
