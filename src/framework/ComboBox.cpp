#include "framework/ComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int n = GetLBTextLen(nIndex);
    if (n == CB_ERR)
    {
        rString.Empty();
        return;
    }
    SendMessage(CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)rString.GetBuffer(n + 1));
    rString.ReleaseBuffer();
}
