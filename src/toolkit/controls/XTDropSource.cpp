#include "toolkit/controls/XTDropSource.h"

STDMETHODIMP CXTDropSource::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropSource)
    {
        *ppv = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CXTDropSource::Release()
{
    ULONG nRef = --m_nRef;
    if (nRef == 0)
        delete this;
    return nRef;
}

STDMETHODIMP CXTDropSource::QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
{
    if (fEscapePressed)
        return DRAGDROP_S_CANCEL;
    if (!(grfKeyState & MK_LBUTTON))
        return DRAGDROP_S_DROP;
    return S_OK;
}

STDMETHODIMP CXTDropSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}
