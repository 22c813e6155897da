#include "editor/dialogs/LB_Pos_Page.h"

#include "editor/dialogs/ListboxWizard.h"
#include "framework/DataExchange.h"

#include "editor/WizardIds.h"

IMPLEMENT_DYNAMIC(CLB_Pos_Page, CListboxWizardPage)

CLB_Pos_Page::CLB_Pos_Page(CListboxWizard* pWizard)
    : CListboxWizardPage(IDD_LB_POS, pWizard), m_nWidth(0), m_nHeight(0), m_nX(0), m_nY(0), m_bCheck(FALSE)
{
}

void CLB_Pos_Page::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_LB_WIDTH, m_nWidth);
    DDV_MinMaxInt(pDX, m_nWidth, 50, 600);
    DDX_Text(pDX, IDC_LB_HEIGHT, m_nHeight);
    DDV_MinMaxInt(pDX, m_nHeight, 50, 400);
    DDX_Text(pDX, IDC_LB_X, m_nX);
    DDV_MinMaxInt(pDX, m_nX, 0, 1000);
    DDX_Text(pDX, IDC_LB_Y, m_nY);
    DDV_MinMaxInt(pDX, m_nY, 0, 800);
    DDX_Check(pDX, IDC_LB_NO_STYLE, m_bCheck);
}

BOOL CLB_Pos_Page::OnSetActive()
{
    PostWizardButtons(m_pWizard->m_bEditMode ? PSWIZB_NEXT | PSWIZB_DISABLEDFINISH
                                             : PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_DISABLEDFINISH);
    return CListboxWizardPage::OnSetActive();
}

BOOL CLB_Pos_Page::CheckAndStore()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_pWizard->m_nWidth = m_nWidth;
    m_pWizard->m_nHeight = m_nHeight;
    m_pWizard->m_nX = m_nX;
    m_pWizard->m_nY = m_nY;
    m_pWizard->m_bStyle = !m_bCheck;
    return TRUE;
}
