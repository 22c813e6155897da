#include "framework/ToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

TOOLINFOA CToolTipCtrl::ToolInfo(CWnd* pWnd, UINT_PTR nIDTool, LPCSTR lpszText)
{
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = AfxHwnd(pWnd);
    ti.uId = nIDTool != 0 ? nIDTool : reinterpret_cast<UINT_PTR>(AfxHwnd(pWnd));
    ti.uFlags = nIDTool != 0 ? 0 : TTF_IDISHWND | TTF_SUBCLASS;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return ti;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti = ToolInfo(pWnd, nIDTool, lpszText);
    if (nIDTool != 0)
    {
        ti.uFlags |= TTF_SUBCLASS;
        if (lpRectTool != nullptr)
            ti.rect = *lpRectTool;
        else
            ::GetClientRect(ti.hwnd, &ti.rect);
    }
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti = ToolInfo(pWnd, nIDTool, nullptr);
    SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti = ToolInfo(pWnd, nIDTool, lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control copies at most 80 characters for the ANSI message.
    char buffer[256] = "";
    TOOLINFOA ti = ToolInfo(pWnd, nIDTool, buffer);
    SendMessage(TTM_GETTEXTA, 0, (LPARAM)&ti);
    buffer[sizeof(buffer) - 1] = '\0';
    str = buffer;
}
