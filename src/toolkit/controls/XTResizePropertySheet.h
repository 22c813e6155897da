// A property sheet or wizard the user can resize: its buttons keep to the
// bottom-right corner, the tab control and the pages grow with it.
#pragma once

#include "toolkit/controls/XTResizeLayout.h"

#include "framework/PropertySheet.h"

#include <memory>

class CXTGlobalData;

// The toolkit's notice to a resizable sheet that its wizard changed pages.
#define XT_WM_SHEETPAGECHANGED 0xBC4E

class CXTResizePropertySheet : public CPropertySheet, public CXTResizeLayout
{
    DECLARE_DYNAMIC(CXTResizePropertySheet)
public:
    // Construction
    CXTResizePropertySheet();
    explicit CXTResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                                    UINT nFlags = 0);
    explicit CXTResizePropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                                    UINT nFlags = 0);
    ~CXTResizePropertySheet() override;

    // Attributes
    BOOL IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }
    // Where the pages sit in a sheet of the present size (client coordinates).
    CRect GetPageRect() const;

    // Overridables
    // Runs when the system's sheet has made its buttons, tab control and first page.
    virtual BOOL OnInitDialog();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void AddSizeCommands();
    void AnchorControls();
    // Gives every page made so far the page rectangle: the system makes a
    // page when it is first shown, in its template's size.
    void FitPages();

    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnDestroy();
    LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam);

    CXTGlobalData* m_pGlobalData;
    std::unique_ptr<CWnd> m_pTabCtrl;   // the system's tab control, painting off screen
    CRect m_rcPageInit;                 // the page rectangle at the start of the layout

    DECLARE_MESSAGE_MAP()
};
