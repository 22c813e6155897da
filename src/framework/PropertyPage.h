// One page of a property sheet or wizard: a dialog template the sheet shows
// on its tab, told by the sheet when it is shown, left, applied or cancelled.
#pragma once

#include "framework/Dialog.h"

#include <commctrl.h>

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    // Attributes: dwFlags may get PSP_HASHELP and the like before the sheet runs.
    PROPSHEETPAGEA m_psp;
    void SetModified(BOOL bChanged = TRUE);

    // Overridables
    virtual BOOL OnSetActive();       // FALSE refuses the activation
    virtual BOOL OnKillActive();      // FALSE keeps the page (data exchange failed)
    virtual void OnOK();              // the sheet's OK, on every page that was made
    virtual void OnCancel();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    // 0 goes to the next (previous) page, -1 stays, a page's template id goes there.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();    // FALSE keeps the wizard open
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Implementation
    // The record the sheet hands to the system for this page.
    PROPSHEETPAGEA MakePageRecord(CPropertySheet* pSheet);

protected:
    CString m_strCaption;
    BOOL m_bFirstSetActive;
    CPropertySheet* m_pSheet;

    static UINT CALLBACK PropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEA pPropPage);
    static INT_PTR CALLBACK PropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
