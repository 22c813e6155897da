#include "framework/OleDataSource.h"

#include <shlobj.h>
#include <vector>

IMPLEMENT_DYNAMIC(COleDataSource, CCmdTarget)

namespace {

bool SameFormat(const FORMATETC& offered, const FORMATETC& asked)
{
    return offered.cfFormat == asked.cfFormat && (offered.tymed & asked.tymed) != 0 &&
           offered.dwAspect == asked.dwAspect && (asked.lindex == -1 || asked.lindex == offered.lindex);
}

HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    SIZE_T nSize = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    if (hCopy == nullptr)
        return nullptr;
    const void* pSource = ::GlobalLock(hSource);
    void* pCopy = ::GlobalLock(hCopy);
    if (pSource != nullptr && pCopy != nullptr)
        memcpy(pCopy, pSource, nSize);
    ::GlobalUnlock(hCopy);
    ::GlobalUnlock(hSource);
    return hCopy;
}

// The cache itself, reference-counted: a consumer may keep it past the source.
class CachedDataObject final : public IDataObject
{
public:
    struct Entry
    {
        FORMATETC format;
        HGLOBAL hGlobal;
    };

    ~CachedDataObject() { Empty(); }

    void Cache(const FORMATETC& format, HGLOBAL hGlobal)
    {
        for (Entry& entry : m_entries)
        {
            if (entry.format.cfFormat == format.cfFormat && entry.format.dwAspect == format.dwAspect &&
                entry.format.lindex == format.lindex)
            {
                ::GlobalFree(entry.hGlobal);
                entry.hGlobal = hGlobal;
                return;
            }
        }
        m_entries.push_back({ format, hGlobal });
    }

    void Empty()
    {
        for (Entry& entry : m_entries)
            ::GlobalFree(entry.hGlobal);
        m_entries.clear();
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        if (pFormat == nullptr || pMedium == nullptr)
            return E_INVALIDARG;
        const Entry* pEntry = Find(*pFormat);
        if (pEntry == nullptr)
            return DV_E_FORMATETC;
        HGLOBAL hCopy = CopyGlobal(pEntry->hGlobal);
        if (hCopy == nullptr)
            return E_OUTOFMEMORY;
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        if (pFormat == nullptr || pMedium == nullptr)
            return E_INVALIDARG;
        const Entry* pEntry = Find(*pFormat);
        if (pEntry == nullptr || pMedium->tymed != TYMED_HGLOBAL || pMedium->hGlobal == nullptr)
            return DV_E_FORMATETC;
        SIZE_T nSize = ::GlobalSize(pEntry->hGlobal);
        if (::GlobalSize(pMedium->hGlobal) < nSize)
            return STG_E_MEDIUMFULL;
        const void* pSource = ::GlobalLock(pEntry->hGlobal);
        void* pTarget = ::GlobalLock(pMedium->hGlobal);
        if (pSource != nullptr && pTarget != nullptr)
            memcpy(pTarget, pSource, nSize);
        ::GlobalUnlock(pMedium->hGlobal);
        ::GlobalUnlock(pEntry->hGlobal);
        return S_OK;
    }
    STDMETHODIMP QueryGetData(FORMATETC* pFormat) override
    {
        if (pFormat == nullptr)
            return E_INVALIDARG;
        return Find(*pFormat) != nullptr ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pFormatOut) override
    {
        if (pFormatOut != nullptr)
            pFormatOut->ptd = nullptr;
        return DATA_S_SAMEFORMATETC;
    }
    // Targets tell the source what they did (the shell's drop effects) this way.
    STDMETHODIMP SetData(FORMATETC* pFormat, STGMEDIUM* pMedium, BOOL fRelease) override
    {
        if (pFormat == nullptr || pMedium == nullptr)
            return E_INVALIDARG;
        if (pMedium->tymed != TYMED_HGLOBAL || pMedium->hGlobal == nullptr)
            return DV_E_TYMED;
        HGLOBAL hOwned = fRelease ? pMedium->hGlobal : CopyGlobal(pMedium->hGlobal);
        if (hOwned == nullptr)
            return E_OUTOFMEMORY;
        FORMATETC format = *pFormat;
        format.ptd = nullptr;
        format.tymed = TYMED_HGLOBAL;
        Cache(format, hOwned);
        if (fRelease && pMedium->pUnkForRelease != nullptr)
            pMedium->pUnkForRelease->Release();
        return S_OK;
    }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum) override
    {
        if (ppEnum == nullptr)
            return E_INVALIDARG;
        *ppEnum = nullptr;
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const Entry& entry : m_entries)
            formats.push_back(entry.format);
        return ::SHCreateStdEnumFmtEtc((UINT)formats.size(), formats.data(), ppEnum);
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    const Entry* Find(const FORMATETC& asked) const
    {
        for (const Entry& entry : m_entries)
            if (SameFormat(entry.format, asked))
                return &entry;
        return nullptr;
    }

    ULONG m_nRefs = 1;
    std::vector<Entry> m_entries;
};

// Escape cancels, releasing the left button drops.
class DefaultDropSource final : public IDropSource
{
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource))
        {
            *ppv = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the caller's stack for the loop's length.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        if (fEscapePressed)
            return DRAGDROP_S_CANCEL;
        if (!(grfKeyState & MK_LBUTTON))
            return DRAGDROP_S_DROP;
        return S_OK;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

CachedDataObject* Cached(IDataObject* pDataObject)
{
    return static_cast<CachedDataObject*>(pDataObject);
}

} // namespace

COleDataSource::COleDataSource() : m_pDataObject(new CachedDataObject)
{
}

COleDataSource::~COleDataSource()
{
    m_pDataObject->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    FORMATETC format = { cfFormat, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    if (lpFormatEtc != nullptr)
    {
        format = *lpFormatEtc;
        format.cfFormat = cfFormat;
        format.ptd = nullptr;
        format.tymed = TYMED_HGLOBAL;
    }
    Cached(m_pDataObject)->Cache(format, hGlobal);
}

void COleDataSource::Empty()
{
    Cached(m_pDataObject)->Empty();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, IDropSource* pDropSource)
{
    DefaultDropSource defaultSource;
    DWORD dwEffect = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_pDataObject, pDropSource != nullptr ? pDropSource : &defaultSource, dwEffects,
                              &dwEffect);
    return hr == DRAGDROP_S_DROP ? dwEffect : DROPEFFECT_NONE;
}
