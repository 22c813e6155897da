// Runs the customise sheet in the framework's modal loop: the modal-dialog
// hook hands the open sheet to a script, and the sheet closes after it.
#pragma once

#include "toolkit/bars/XTCustomizeSheet.h"

#include "framework/Dialog.h"

#include <functional>

namespace toolkit_test {

// Other modal dialogs opened meanwhile go to pfnOther (when given).
inline INT_PTR RunCustomizeSheet(CFrameWnd* pFrame, DWORD dwPages,
                                 const std::function<void(CXTCustomizeSheet&)>& script,
                                 const std::function<void(CDialog*)>& pfnOther = nullptr)
{
    CXTCustomizeSheet sheet(pFrame, dwPages);
    CDialog::SetModalHook([&](CDialog* pDlg) {
        if (pDlg != &sheet)
        {
            if (pfnOther)
                pfnOther(pDlg);
            return;
        }
        script(sheet);
        if (sheet.m_hWnd != nullptr)
            sheet.PostMessage(WM_COMMAND, IDCANCEL);
    });
    INT_PTR nResult = sheet.DoModal();
    CDialog::SetModalHook(nullptr);
    return nResult;
}

} // namespace toolkit_test
