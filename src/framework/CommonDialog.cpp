#include "framework/CommonDialog.h"

#include <commdlg.h>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

CCommonDialog::CommonDialogHook& TheCommonDialogHook()
{
    static CCommonDialog::CommonDialogHook hook;
    return hook;
}

} // namespace

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : m_dwCommDlgError(0)
{
    m_pParentWnd = pParentWnd;
}

CCommonDialog::CommonDialogHook CCommonDialog::SetCommonDialogHook(CommonDialogHook hook)
{
    CommonDialogHook previous = TheCommonDialogHook();
    TheCommonDialogHook() = std::move(hook);
    return previous;
}

INT_PTR CCommonDialog::DoModal()
{
    m_dwCommDlgError = 0;
    if (TheCommonDialogHook())
        return TheCommonDialogHook()(this);
    // The system dialog disables its owner and runs its own loop.
    if (RunSystemDialog(PreModal()))
        return IDOK;
    m_dwCommDlgError = ::CommDlgExtendedError();
    return IDCANCEL;
}
