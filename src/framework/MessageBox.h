// Every message box of the system goes through AfxShowMessageBox, which a test
// can answer with a scripted result instead of waiting for a person.
#pragma once

#include "framework/String.h"

#include <functional>

struct AFX_MESSAGEBOX
{
    HWND hWndOwner;
    CString strText;
    CString strCaption;
    UINT nType;
};

typedef std::function<int(const AFX_MESSAGEBOX&)> AfxMessageBoxHook;

// Replaces the function that shows message boxes; an empty hook restores the
// platform's box. Returns the previous hook.
AfxMessageBoxHook AfxSetMessageBoxHook(AfxMessageBoxHook hook);

// Shows a box (or hands it to the hook) and returns the button chosen.
int AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

// A box owned by the main window's last active popup, with the application's
// name as caption.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// The same box owned by the given window.
int AfxMessageBox(HWND hWndOwner, LPCSTR lpszText, UINT nType);

// Beeps go through one replaceable function too; an empty hook restores the
// platform's beep. Returns the previous hook.
typedef std::function<void(UINT nType)> AfxMessageBeepHook;
AfxMessageBeepHook AfxSetMessageBeepHook(AfxMessageBeepHook hook);
void AfxMessageBeep(UINT nType);
