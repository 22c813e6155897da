#include "editor/dialogs/InsertTextDlg.h"

#include "editor/dialogs/EditorServices.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CInsertTextDlg, CTextStyleDlg)

// void OnHelp()
BEGIN_MESSAGE_MAP(CInsertTextDlg, CTextStyleDlg)
    ON_BN_CLICKED(IDC_TEXT_HELP, OnHelp)
END_MESSAGE_MAP()

CInsertTextDlg::CInsertTextDlg(CWnd* pParentWnd)
    : CTextStyleDlg(IDD_INSERT_TEXT, FALSE, pParentWnd), m_nX(0), m_nY(0), m_strEffect("NONE")
{
}

void CInsertTextDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TEXT_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, 240);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    DDX_CBString(pDX, IDC_TEXT_EFFECT, m_strEffect);
    DDV_MaxChars(pDX, m_strEffect, 240);
}

void CInsertTextDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_text.htm");
}
