// A dialog from a resource template, modal (DoModal) or modeless (Create).
#pragma once

#include "framework/Wnd.h"

#include <functional>

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    // Construction
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: creates the dialog as a child or owned window of the parent.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // Modal: runs the dialog and returns the value given to EndDialog
    // (-1 when the template is missing or the dialog cannot be made).
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Attributes
    LPCSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    CWnd* m_pParentWnd;
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }
    DWORD GetDefID() const { return (DWORD)SendMessage(DM_GETDEFID); }
    void NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) { SendMessage(WM_NEXTDLGCTL, (WPARAM)AfxHwnd(pWndCtrl), 1); }
    BOOL MapDialogRect(LPRECT lpRect) const { return ::MapDialogRect(m_hWnd, lpRect); }

    // Overridables
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Test seam: called with every modal dialog once it is initialised, before
    // its loop runs; it may set controls, press buttons and end the dialog.
    typedef std::function<void(CDialog*)> ModalHook;
    static ModalHook SetModalHook(ModalHook hook);

    // The dialog procedure of every dialog of ours.
    static INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    HWND PreModal();
    // F1 pressed, without Ctrl, Shift or Alt: the key of a dialog's help.
    static BOOL PASCAL IsHelpKey(const MSG* pMsg);
    // Hands a modal window to the test hook, when one is set.
    static void PASCAL RunModalHook(CDialog* pDlg);
    BOOL m_bInModal;
    CString m_strTemplateName;

    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }
    LRESULT OnKickIdle(WPARAM, LPARAM) { return FALSE; }

    DECLARE_MESSAGE_MAP()
};

// The dialog's Help button: its click, and F1 pressed anywhere in the dialog,
// run the handler (F1 reaches it as the command ID_HELP).
// void memberFxn()
#define ON_HELP_BUTTON(id, memberFxn) ON_BN_CLICKED(id, memberFxn) ON_COMMAND(ID_HELP, memberFxn)

// Whether a dialog template (old or extended layout) holds a control that may
// be a common control: one not of the system's own button, edit, static, list
// box, scroll bar or combo box classes.
bool AfxTemplateHoldsCommonControls(LPCDLGTEMPLATEA lpTemplate);
