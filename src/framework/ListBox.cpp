#include "framework/ListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

void CListBox::GetText(int nIndex, CString& rString) const
{
    int n = GetTextLen(nIndex);
    if (n == LB_ERR)
    {
        rString.Empty();
        return;
    }
    SendMessage(LB_GETTEXT, (WPARAM)nIndex, (LPARAM)rString.GetBuffer(n + 1));
    rString.ReleaseBuffer();
}
