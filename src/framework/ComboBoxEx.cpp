#include "framework/ComboBoxEx.h"

#include "framework/Edit.h"

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

CEdit* CComboBoxEx::GetEditCtrl() const
{
    return static_cast<CEdit*>(FromHandle((HWND)SendMessage(CBEM_GETEDITCONTROL)));
}
