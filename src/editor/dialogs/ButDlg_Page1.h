// Page "Text" of the button sheet: caption and tooltip. The caption's line
// breaks are stored as "<BR>".
#pragma once

#include "editor/dialogs/ButDlgPage.h"

class CButDlg_Page1 : public CButDlgPage
{
    DECLARE_DYNAMIC(CButDlg_Page1)
public:
    CButDlg_Page1();

    // What the project reader keeps of a caption and a tooltip.
    static constexpr int kMaxCaption = 99;
    static constexpr int kMaxTooltip = 499;

    // Line breaks as "<BR>", the form the project stores; and the other way
    // round.
    static CString StoredCaption(const CString& strShown);
    static CString ShownCaption(const CString& strStored);

    CString m_strCaption;
    CString m_strTooltip;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
