#include "toolkit/bars/XTCustOptions.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTPersonalOptions.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/frame/XTFrameWnd.h"
#include "toolkit/frame/XTMDIFrameWnd.h"

#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC(CXTCustOptions, CXTResizePropertyPage)

namespace {

// The check boxes in the order of the personal options.
const UINT kChecks[] = { XT_IDC_CHK_FULLDRAG,   XT_IDC_CHK_MENUSHADOWS, XT_IDC_CHK_RECENTFIRST,
                         XT_IDC_CHK_SCREENTIPS, XT_IDC_CHK_FULLMENUS,   XT_IDC_CHK_TIPKEYS };

} // namespace

// void OnX()
BEGIN_MESSAGE_MAP(CXTCustOptions, CXTResizePropertyPage)
    ON_BN_CLICKED(XT_IDC_CHK_FULLDRAG, OnClicked)
    ON_BN_CLICKED(XT_IDC_CHK_MENUSHADOWS, OnClicked)
    ON_BN_CLICKED(XT_IDC_CHK_RECENTFIRST, OnClicked)
    ON_BN_CLICKED(XT_IDC_CHK_SCREENTIPS, OnClicked)
    ON_BN_CLICKED(XT_IDC_CHK_FULLMENUS, OnClicked)
    ON_BN_CLICKED(XT_IDC_CHK_TIPKEYS, OnClicked)
    ON_BN_CLICKED(XT_IDC_BTN_RESET, OnResetUsage)
END_MESSAGE_MAP()

CXTCustOptions::CXTCustOptions(CFrameWnd* pFrame) : CXTResizePropertyPage(XT_IDD_CUSTOPTIONS), m_pFrame(pFrame)
{
    CXTPersonalOptions& options = GetPersonalOptions();
    for (int i = 0; i < CXTPersonalOptions::count; ++i)
        m_values[i] = options.Get(i);
}

CXTCustOptions::~CXTCustOptions()
{
    CXTPersonalOptions& options = GetPersonalOptions();
    if (options.IsEnabled())
    {
        options.Set(m_values);
        options.SaveOnExit();
    }
}

BOOL CXTCustOptions::OnInitDialog()
{
    CXTResizePropertyPage::OnInitDialog();
    for (int i = 0; i < CXTPersonalOptions::count; ++i)
        CheckDlgButton(kChecks[i], m_values[i] ? BST_CHECKED : BST_UNCHECKED);
    SetResize(XT_IDC_SEP_PERSONAL, CXTResizeRect(0, 0, 1, 0));
    SetResize(XT_IDC_SEP_OTHER, CXTResizeRect(0, 0, 1, 0));
    AutoLoadPlacement("CXTCustOptions");
    UpdateEnabling();
    return TRUE;
}

void CXTCustOptions::UpdateEnabling()
{
    GetDlgItem(XT_IDC_CHK_FULLMENUS)->EnableWindow(IsDlgButtonChecked(XT_IDC_CHK_RECENTFIRST) == BST_CHECKED);
    // Shortcut keys in tips matter only with tips shown and the user's tools on.
    GetDlgItem(XT_IDC_CHK_TIPKEYS)
        ->EnableWindow(IsDlgButtonChecked(XT_IDC_CHK_SCREENTIPS) == BST_CHECKED && GetToolsManager().IsEnabled());
}

void CXTCustOptions::OnClicked()
{
    for (int i = 0; i < CXTPersonalOptions::count; ++i)
        m_values[i] = IsDlgButtonChecked(kChecks[i]) == BST_CHECKED;
    UpdateEnabling();
}

void CXTCustOptions::OnResetUsage()
{
    CXTCoolMenu* pCoolMenu = nullptr;
    if (CXTMDIFrameWnd* pMDIFrame = dynamic_cast<CXTMDIFrameWnd*>(m_pFrame))
        pCoolMenu = &pMDIFrame->GetFrameHelper().GetCoolMenu();
    else if (CXTFrameWnd* pFrame = dynamic_cast<CXTFrameWnd*>(m_pFrame))
        pCoolMenu = &pFrame->GetFrameHelper().GetCoolMenu();
    GetPersonalOptions().ResetUsage(pCoolMenu);
}
