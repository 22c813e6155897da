#include "editor/dialogs/InsertTextDlg.h"

#include "editor/dialogs/DialogHelpers.h"
#include "editor/dialogs/EditorServices.h"
#include "framework/DataExchange.h"

#include "editor/DialogIds.h"

IMPLEMENT_DYNAMIC(CInsertTextDlg, CTextStyleDlg)

// void OnHelp()
BEGIN_MESSAGE_MAP(CInsertTextDlg, CTextStyleDlg)
    ON_HELP_BUTTON(IDC_TEXT_HELP, OnHelp)
END_MESSAGE_MAP()

CInsertTextDlg::CInsertTextDlg(CWnd* pParentWnd)
    : CTextStyleDlg(IDD_INSERT_TEXT, FALSE, pParentWnd), m_nX(0), m_nY(0), m_strEffect("NONE"), m_sizePage(0, 0)
{
}

void CInsertTextDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TEXT_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, 240);
    DDX_Text(pDX, IDC_OBJ_X, m_nX);
    DDX_Text(pDX, IDC_OBJ_Y, m_nY);
    // The text takes its own size: its corner must lie on the page.
    DDV_ObjectOnPage(pDX, IDC_OBJ_X, (int)m_nX, (int)m_nY, 1, 1, m_sizePage);
    DDX_CBString(pDX, IDC_TEXT_EFFECT, m_strEffect);
    DDV_MaxChars(pDX, m_strEffect, 240);
}

void CInsertTextDlg::OnHelp()
{
    EditorServices().ShowHelpPage("hilfe_text.htm");
}
