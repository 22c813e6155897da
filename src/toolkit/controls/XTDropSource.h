// The drop source of the shell views' drags: Escape cancels, releasing the
// left button drops, the system's cursors show the effect.
#pragma once

#include <ole2.h>

class CXTDropSource : public IDropSource
{
public:
    CXTDropSource() = default;
    CXTDropSource(const CXTDropSource&) = delete;
    CXTDropSource& operator=(const CXTDropSource&) = delete;
    virtual ~CXTDropSource() = default;

    // IUnknown: the owner keeps one reference; COM adds and drops others.
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRef; }
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override;
    STDMETHODIMP GiveFeedback(DWORD dwEffect) override;

private:
    ULONG m_nRef = 1;
};
