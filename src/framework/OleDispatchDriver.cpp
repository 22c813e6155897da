#include "framework/OleDispatchDriver.h"

#include "framework/Exceptions.h"

#include <oleauto.h>
#include <stdarg.h>
#include <vector>

namespace {

BSTR BstrFromAnsi(LPCSTR lpsz)
{
    if (lpsz == nullptr)
        lpsz = "";
    int n = ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, nullptr, 0);
    std::vector<WCHAR> wide((size_t)(n > 0 ? n : 1), L'\0');
    if (n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpsz, -1, wide.data(), n);
    return ::SysAllocString(wide.data());
}

CString AnsiFromBstr(BSTR bstr)
{
    if (bstr == nullptr)
        return CString();
    int nWide = (int)::SysStringLen(bstr);
    int n = ::WideCharToMultiByte(CP_ACP, 0, bstr, nWide, nullptr, 0, nullptr, nullptr);
    CString text;
    if (n > 0)
    {
        ::WideCharToMultiByte(CP_ACP, 0, bstr, nWide, text.GetBufferSetLength(n), n, nullptr, nullptr);
        text.ReleaseBuffer(n);
    }
    return text;
}

// The arguments as the server wants them: in reverse order.
std::vector<VARIANT> ArgumentsFrom(const char* pbParamInfo, va_list args)
{
    std::vector<VARIANT> vars;
    for (const char* p = pbParamInfo; p != nullptr && *p != '\0'; ++p)
    {
        VARIANT v;
        ::VariantInit(&v);
        switch ((VARTYPE)(unsigned char)*p)
        {
        case VT_I2: v.vt = VT_I2; v.iVal = (SHORT)va_arg(args, int); break;
        case VT_I4: v.vt = VT_I4; v.lVal = va_arg(args, long); break;
        case VT_BOOL: v.vt = VT_BOOL; v.boolVal = va_arg(args, int) ? VARIANT_TRUE : VARIANT_FALSE; break;
        case VT_BSTR: v.vt = VT_BSTR; v.bstrVal = BstrFromAnsi(va_arg(args, LPCSTR)); break;
        default:
            for (VARIANT& made : vars)
                ::VariantClear(&made);
            AfxThrowOleException(DISP_E_BADVARTYPE);
        }
        vars.insert(vars.begin(), v);
    }
    return vars;
}

// Stores the result in the caller's variable of the kind asked for.
void StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet)
{
    if (vtRet == VT_EMPTY || pvRet == nullptr)
        return;
    if (result.vt != vtRet)
    {
        HRESULT hr = ::VariantChangeType(&result, &result, 0, vtRet);
        if (FAILED(hr))
            AfxThrowOleException(hr);
    }
    switch (vtRet)
    {
    case VT_BSTR: *static_cast<CString*>(pvRet) = AnsiFromBstr(result.bstrVal); break;
    case VT_I4: *static_cast<long*>(pvRet) = result.lVal; break;
    case VT_I2: *static_cast<short*>(pvRet) = result.iVal; break;
    case VT_BOOL: *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE; break;
    default: AfxThrowOleException(DISP_E_BADVARTYPE);
    }
}

} // namespace

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
{
}

BOOL COleDispatchDriver::CreateDispatch(LPCSTR lpszProgID, COleException* pError)
{
    CLSID clsid;
    BSTR progId = BstrFromAnsi(lpszProgID);
    HRESULT hr = ::CLSIDFromProgID(progId, &clsid);
    ::SysFreeString(progId);
    if (FAILED(hr))
    {
        if (pError != nullptr)
            pError->m_sc = hr;
        return FALSE;
    }
    return CreateDispatch(clsid, pError);
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError)
{
    LPDISPATCH lpDispatch = nullptr;
    HRESULT hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&lpDispatch));
    if (FAILED(hr) || lpDispatch == nullptr)
    {
        if (pError != nullptr)
            pError->m_sc = FAILED(hr) ? hr : E_NOINTERFACE;
        return FALSE;
    }
    AttachDispatch(lpDispatch, TRUE);
    return TRUE;
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH lpDispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return lpDispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    LPDISPATCH lpDispatch = DetachDispatch();
    if (lpDispatch != nullptr && m_bAutoRelease)
        lpDispatch->Release();
}

void COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                      const char* pbParamInfo, ...)
{
    if (m_lpDispatch == nullptr)
        AfxThrowOleException(E_POINTER);
    va_list args;
    va_start(args, pbParamInfo);
    std::vector<VARIANT> vars;
    try
    {
        vars = ArgumentsFrom(pbParamInfo, args);
    }
    catch (...)
    {
        va_end(args);
        throw;
    }
    va_end(args);

    DISPID dispidNamed = DISPID_PROPERTYPUT;
    DISPPARAMS params = { vars.empty() ? nullptr : vars.data(), nullptr, (UINT)vars.size(), 0 };
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    {
        params.rgdispidNamedArgs = &dispidNamed;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO excepInfo = {};
    UINT nArgErr = 0;
    HRESULT hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, 0, wFlags, &params, vtRet != VT_EMPTY ? &result : nullptr,
                                      &excepInfo, &nArgErr);
    for (VARIANT& v : vars)
        ::VariantClear(&v);

    if (hr == DISP_E_EXCEPTION)
    {
        if (excepInfo.pfnDeferredFillIn != nullptr)
            excepInfo.pfnDeferredFillIn(&excepInfo);
        COleDispatchException* e =
            new COleDispatchException(AnsiFromBstr(excepInfo.bstrDescription), excepInfo.dwHelpContext,
                                      excepInfo.wCode);
        e->m_scError = excepInfo.scode;
        e->m_strSource = AnsiFromBstr(excepInfo.bstrSource);
        ::SysFreeString(excepInfo.bstrDescription);
        ::SysFreeString(excepInfo.bstrSource);
        ::SysFreeString(excepInfo.bstrHelpFile);
        ::VariantClear(&result);
        throw e;
    }
    if (FAILED(hr))
    {
        ::VariantClear(&result);
        AfxThrowOleException(hr);
    }
    try
    {
        StoreResult(result, vtRet, pvRet);
    }
    catch (...)
    {
        ::VariantClear(&result);
        throw;
    }
    ::VariantClear(&result);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp)
{
    InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, VTS_NONE);
}
