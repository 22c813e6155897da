// Base of the wrappers of the system's common dialogs (file, colour, font,
// print). Every one of them runs through CCommonDialog::DoModal, which a test
// can answer with a scripted result instead of showing the dialog.
#pragma once

#include "framework/Dialog.h"

#include <functional>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

    // IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    // Why the system dialog failed (CommDlgExtendedError); 0 when it was cancelled.
    DWORD m_dwCommDlgError;

    // Test seam: called instead of the system dialog; the hook may fill the
    // dialog's result fields and returns IDOK or IDCANCEL.
    typedef std::function<INT_PTR(CCommonDialog*)> CommonDialogHook;
    static CommonDialogHook SetCommonDialogHook(CommonDialogHook hook);

protected:
    // Shows the system dialog owned by hWndOwner; TRUE on OK.
    virtual BOOL RunSystemDialog(HWND hWndOwner) = 0;
};
