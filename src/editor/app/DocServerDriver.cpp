#include "editor/app/DocServerDriver.h"

void CDocServerDriver::CallDispid1()
{
    InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
}

CString CDocServerDriver::GetVersion()
{
    CString version;
    InvokeHelper(2, DISPATCH_PROPERTYGET, VT_BSTR, &version, VTS_NONE);
    return version;
}

void CDocServerDriver::CallDispid4()
{
    InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
}

void CDocServerDriver::CallDispid5(LPCSTR lpszText)
{
    InvokeHelper(5, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_BSTR, lpszText);
}

void CDocServerDriver::OpenFile(LPCSTR lpszFile)
{
    InvokeHelper(8, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_BSTR, lpszFile);
}
