#include "editor/app/EditorDropTarget.h"

#include "framework/Wnd.h"

#include "editor/resource.h"

#include <shellapi.h>

namespace {

FORMATETC FormatOf(CLIPFORMAT cf)
{
    return FORMATETC{ cf, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
}

// The first file of a CF_HDROP block.
CString FirstDroppedFile(HGLOBAL hGlobal)
{
    CString path;
    HDROP hDrop = static_cast<HDROP>(::GlobalLock(hGlobal));
    if (hDrop == nullptr)
        return path;
    char buffer[MAX_PATH] = "";
    if (::DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0) > 0 && ::DragQueryFileA(hDrop, 0, buffer, sizeof(buffer)) > 0)
        path = buffer;
    ::GlobalUnlock(hGlobal);
    return path;
}

// The text of a CF_TEXT block, read no further than the block reaches.
CString TextOf(HGLOBAL hGlobal)
{
    CString text;
    const char* pText = static_cast<const char*>(::GlobalLock(hGlobal));
    if (pText == nullptr)
        return text;
    const SIZE_T nSize = ::GlobalSize(hGlobal);
    SIZE_T nLength = 0;
    while (nLength < nSize && pText[nLength] != '\0')
        ++nLength;
    text = CString(pText, (int)nLength);
    ::GlobalUnlock(hGlobal);
    return text;
}

} // namespace

BOOL CEditorDropTarget::Register(CWnd* pView)
{
    Revoke();
    m_hWnd = pView->GetSafeHwnd();
    m_bRegistered = SUCCEEDED(::RegisterDragDrop(m_hWnd, this));
    return m_bRegistered;
}

void CEditorDropTarget::Revoke()
{
    if (m_bRegistered)
        ::RevokeDragDrop(m_hWnd);
    m_bRegistered = FALSE;
}

BOOL CEditorDropTarget::Offers(IDataObject* pData)
{
    if (pData == nullptr)
        return FALSE;
    FORMATETC drop = FormatOf(CF_HDROP), text = FormatOf(CF_TEXT);
    return pData->QueryGetData(&drop) == S_OK || pData->QueryGetData(&text) == S_OK;
}

CString CEditorDropTarget::PathOf(IDataObject* pData)
{
    CString path;
    if (pData == nullptr)
        return path;
    for (CLIPFORMAT cf : { (CLIPFORMAT)CF_HDROP, (CLIPFORMAT)CF_TEXT })
    {
        FORMATETC format = FormatOf(cf);
        STGMEDIUM medium = {};
        if (pData->GetData(&format, &medium) != S_OK)
            continue;
        if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr)
            path = cf == CF_HDROP ? FirstDroppedFile(medium.hGlobal) : TextOf(medium.hGlobal);
        ::ReleaseStgMedium(&medium);
        if (!path.IsEmpty())
            break;
    }
    return path;
}

HRESULT CEditorDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget))
    {
        *ppv = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CEditorDropTarget::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

ULONG CEditorDropTarget::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return (ULONG)nRefs;
}

// A copy, never a move: a moving source would remove the file it offered.
HRESULT CEditorDropTarget::DragEnter(IDataObject* pData, DWORD, POINTL, DWORD* pdwEffect)
{
    m_bAccept = Offers(pData);
    if (pdwEffect != nullptr)
        *pdwEffect = m_bAccept ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT CEditorDropTarget::DragOver(DWORD, POINTL, DWORD* pdwEffect)
{
    if (pdwEffect != nullptr)
        *pdwEffect = m_bAccept ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT CEditorDropTarget::DragLeave()
{
    m_bAccept = FALSE;
    return S_OK;
}

HRESULT CEditorDropTarget::Drop(IDataObject* pData, DWORD, POINTL pt, DWORD* pdwEffect)
{
    m_bAccept = FALSE;
    const CString path = PathOf(pData);
    if (pdwEffect != nullptr)
        *pdwEffect = path.IsEmpty() ? DROPEFFECT_NONE : DROPEFFECT_COPY;
    if (path.IsEmpty())
        return S_OK;
    m_strPath = path;
    m_ptDrop = POINT{ pt.x, pt.y };
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, WM_COMMAND, ID_VIEW_EXPLORER_DROP, 0);
    return S_OK;
}
