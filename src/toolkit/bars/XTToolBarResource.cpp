#include "toolkit/bars/XTToolBarResource.h"

#include <string.h>

namespace {

const WORD kToolBarResourceType = 241;

template <class T> T ReadAt(const BYTE* pData, DWORD nIndex)
{
    T value;
    memcpy(&value, pData + nIndex * sizeof(T), sizeof(T));
    return value;
}

template <class T> BOOL ParseLayout(const BYTE* pData, DWORD cbData, DWORD nFirst, XT_TOOLBAR_RESOURCE& toolBar)
{
    if (cbData < (nFirst + 3) * sizeof(T))
        return FALSE;
    DWORD nCount = ReadAt<T>(pData, nFirst + 2);
    if (cbData != (nFirst + 3 + nCount) * sizeof(T))
        return FALSE;
    toolBar.cxImage = (int)ReadAt<T>(pData, nFirst);
    toolBar.cyImage = (int)ReadAt<T>(pData, nFirst + 1);
    toolBar.commands.clear();
    for (DWORD i = 0; i < nCount; ++i)
        toolBar.commands.push_back(ReadAt<T>(pData, nFirst + 3 + i));
    return TRUE;
}

} // namespace

BOOL ParseToolBarResource(const void* pData, DWORD cbData, XT_TOOLBAR_RESOURCE& toolBar)
{
    const BYTE* pBytes = static_cast<const BYTE*>(pData);
    if (pBytes == nullptr)
        return FALSE;
    if (cbData >= sizeof(WORD) && ReadAt<WORD>(pBytes, 0) == 1 && ParseLayout<WORD>(pBytes, cbData, 1, toolBar))
        return TRUE;
    return ParseLayout<DWORD>(pBytes, cbData, 0, toolBar);
}

BOOL ReadToolBarResource(HINSTANCE hInst, UINT nIDResource, XT_TOOLBAR_RESOURCE& toolBar)
{
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(kToolBarResourceType));
    HGLOBAL hData = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    return pData != nullptr && ParseToolBarResource(pData, ::SizeofResource(hInst, hResource), toolBar);
}
