// A client of an automation object: calls its methods and properties by
// dispatch id. Failures throw COleException or COleDispatchException.
#pragma once

#include "framework/String.h"

#include <oaidl.h>

class COleException;

// Parameter and result kinds of InvokeHelper; the parameter list is a string of them.
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_BSTR "\x08"       // LPCSTR, passed as a BSTR
#define VTS_BOOL "\x0B"

class COleDispatchDriver
{
public:
    COleDispatchDriver() = default;
    explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;
    ~COleDispatchDriver() { ReleaseDispatch(); }

    LPDISPATCH m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;

    // Makes the object of the ProgID; FALSE (and the code in pError) when that fails.
    BOOL CreateDispatch(LPCSTR lpszProgID, COleException* pError = nullptr);
    BOOL CreateDispatch(REFCLSID clsid, COleException* pError = nullptr);
    void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    LPDISPATCH DetachDispatch();
    void ReleaseDispatch();

    // Calls dwDispID (DISPATCH_METHOD, DISPATCH_PROPERTYGET or
    // DISPATCH_PROPERTYPUT) with the arguments pbParamInfo lists; the result of
    // kind vtRet goes to pvRet (VT_BSTR: a CString*, VT_I4: a long*, VT_I2: a
    // short*, VT_BOOL: a BOOL*, VT_EMPTY: none).
    void InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const char* pbParamInfo, ...);
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp);
};
