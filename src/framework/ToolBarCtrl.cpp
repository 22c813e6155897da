#include "framework/ToolBarCtrl.h"

#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP add = { AfxFindResourceHandle(MAKEINTRESOURCEA(nBitmapID), RT_BITMAP), nBitmapID };
    return (int)SendMessage(TB_ADDBITMAP, (WPARAM)nNumButtons, (LPARAM)&add);
}
