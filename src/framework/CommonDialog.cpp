#include "framework/CommonDialog.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

CCommonDialog::CommonDialogHook& TheCommonDialogHook()
{
    static CCommonDialog::CommonDialogHook hook;
    return hook;
}

} // namespace

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
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
    if (TheCommonDialogHook())
        return TheCommonDialogHook()(this);
    // The system dialog disables its owner and runs its own loop.
    return RunSystemDialog(PreModal()) ? IDOK : IDCANCEL;
}
