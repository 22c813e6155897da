#include "framework/StatusBarCtrl.h"

#include <vector>

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const
{
    DWORD dw = (DWORD)SendMessage(SB_GETTEXTLENGTHA, (WPARAM)nPane);
    if (pType != nullptr)
        *pType = HIWORD(dw);
    return LOWORD(dw);
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const
{
    // The buffer is as long as the control says the text is.
    int nLength = GetTextLength(nPane, pType);
    std::vector<char> buffer((size_t)nLength + 1, '\0');
    DWORD dw = (DWORD)SendMessage(SB_GETTEXTA, (WPARAM)nPane, (LPARAM)buffer.data());
    if (pType != nullptr)
        *pType = HIWORD(dw);
    buffer.back() = '\0';
    return CString(buffer.data());
}
