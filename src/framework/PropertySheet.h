// A property sheet or wizard over pages. It is made modeless and run by the
// framework's own modal loop, which ends when the sheet has no current page
// any more (OK, Cancel, Finish or the close box).
#pragma once

#include "framework/Collections.h"
#include "framework/Dialog.h"

#include <commctrl.h>
#include <vector>

class CPropertyPage;

class CPropertySheet : public CDialog
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    // Construction
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Attributes: the header's flags (PSH_NOAPPLYNOW, PSH_HASHELP,
    // PSH_WIZARD, PSH_WIZARDHASFINISH) may be set before DoModal.
    PROPSHEETHEADERA m_psh;
    int GetPageCount() const { return (int)m_pages.GetSize(); }
    CPropertyPage* GetPage(int nPage) const { return static_cast<CPropertyPage*>(m_pages.GetAt(nPage)); }
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    // PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH, PSWIZB_DISABLEDFINISH
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCSTR lpszText);

    // Operations
    void AddPage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    // IDOK, IDCANCEL (also the close box), or ID_WIZFINISH for a finished wizard.
    INT_PTR DoModal() override;
    void EndDialog(int nEndID);

    // Overridables
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);

    CPtrArray m_pages;
    CString m_strCaption;
    std::vector<PROPSHEETPAGEA> m_pageRecords;
    int m_nButtonPressed;     // OK or Finish, when it ended the sheet

    DECLARE_MESSAGE_MAP()
};
