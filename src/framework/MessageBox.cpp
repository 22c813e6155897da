#include "framework/MessageBox.h"

#include "framework/WinApp.h"

namespace {

AfxMessageBoxHook& MessageBoxHook()
{
    static AfxMessageBoxHook hook;
    return hook;
}

HWND DefaultOwner()
{
    CWinApp* pApp = AfxGetApp();
    HWND hMain = pApp ? pApp->GetMainWndHandle() : nullptr;
    if (hMain == nullptr || !IsWindow(hMain))
        return nullptr;
    return GetLastActivePopup(hMain);
}

AfxMessageBeepHook& MessageBeepHook()
{
    static AfxMessageBeepHook hook;
    return hook;
}

} // namespace

AfxMessageBeepHook AfxSetMessageBeepHook(AfxMessageBeepHook hook)
{
    AfxMessageBeepHook previous = MessageBeepHook();
    MessageBeepHook() = std::move(hook);
    return previous;
}

void AfxMessageBeep(UINT nType)
{
    if (MessageBeepHook())
        MessageBeepHook()(nType);
    else
        ::MessageBeep(nType);
}

AfxMessageBoxHook AfxSetMessageBoxHook(AfxMessageBoxHook hook)
{
    AfxMessageBoxHook previous = MessageBoxHook();
    MessageBoxHook() = std::move(hook);
    return previous;
}

int AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (MessageBoxHook())
    {
        AFX_MESSAGEBOX box = { hWndOwner, CString(lpszText), CString(lpszCaption), nType };
        return MessageBoxHook()(box);
    }
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AfxMessageBox(HWND hWndOwner, LPCSTR lpszText, UINT nType)
{
    CWinApp* pApp = AfxGetApp();
    CString caption = pApp && pApp->m_pszAppName ? pApp->m_pszAppName : "";
    return AfxShowMessageBox(hWndOwner, lpszText, caption, nType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    return AfxMessageBox(DefaultOwner(), lpszText, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}
