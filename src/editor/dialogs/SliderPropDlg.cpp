#include "editor/dialogs/SliderPropDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CSliderPropDlg, CDialog)

// void OnColor()
BEGIN_MESSAGE_MAP(CSliderPropDlg, CDialog)
    ON_BN_CLICKED(IDC_OBJ_COLOR, OnColor)
END_MESSAGE_MAP()

CSliderPropDlg::CSliderPropDlg(CWnd* pParentWnd)
    : CDialog(IDD_SLIDER_PROPS, pParentWnd), m_nHeight(20), m_nWidth(64), m_nX(0), m_nY(0), m_crColor(0xC0C0C0), m_sizePage(0, 0)
{
}

void CSliderPropDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_SLIDER_HEIGHT, m_nHeight);
    DDX_Text(pDX, IDC_SLIDER_WIDTH, m_nWidth);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    DDV_ObjectOnPage(pDX, IDC_OBJ_X, m_nX, m_nY, m_nWidth, m_nHeight, m_sizePage);
}

void CSliderPropDlg::OnColor()
{
    ChooseColorFor(this, m_crColor);
}
