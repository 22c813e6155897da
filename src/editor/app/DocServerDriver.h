// The automation client of the external button-image program: its calls by
// dispatch id, strings passed as BSTR. Failures throw the framework's OLE
// exceptions.
#pragma once

#include "framework/OleDispatchDriver.h"

class CDocServerDriver : public COleDispatchDriver
{
public:
    CDocServerDriver() = default;

    BOOL IsBound() const { return m_lpDispatch != nullptr; }

    void CallDispid1();
    CString GetVersion();
    void CallDispid4();
    void CallDispid5(LPCSTR lpszText);
    void OpenFile(LPCSTR lpszFile);
};
