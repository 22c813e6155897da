#include "toolkit/frame/XTWindowPlacement.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/Wnd.h"

#include <memory>

namespace {

BOOL IsExistingWindow(const CWnd* pWnd)
{
    return pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd());
}

} // namespace

CXTWindowPlacement::CXTWindowPlacement()
{
    ::ZeroMemory(&m_record, sizeof(m_record));
    m_record.placement.length = kRecordLength;
    m_record.placement.showCmd = SW_SHOW;
}

CString CXTWindowPlacement::GetValueName(LPCSTR lpszValueName)
{
    if (lpszValueName != nullptr)
        return lpszValueName;
    return LoadToolkitString(XT_IDS_WINDOWPOS, "Window Position");
}

BOOL CXTWindowPlacement::IsKnownLength(UINT nLength)
{
    return nLength == sizeof(WINDOWPLACEMENT) || nLength == kRecordLength;
}

BOOL CXTWindowPlacement::SaveWindowPos(CWnd* pWnd, LPCSTR lpszValueName)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!IsExistingWindow(pWnd) || !::GetWindowPlacement(pWnd->GetSafeHwnd(), &placement))
        return FALSE;
    if (lpszValueName == nullptr && placement.showCmd != SW_SHOWMAXIMIZED)
        placement.showCmd = SW_SHOWNORMAL;
    m_record.dwReserved = 0;
    m_record.placement = placement;
    m_record.placement.length = kRecordLength;
    CXTRegistryStore store;
    return store.WriteProfileBinary(GetToolkitSettingsSection(), GetValueName(lpszValueName),
                                    (const BYTE*)&m_record, kRecordLength);
}

BOOL CXTWindowPlacement::LoadWindowPos(CWnd* pWnd, LPCSTR lpszValueName)
{
    if (!IsExistingWindow(pWnd) || !ReadPlacement(lpszValueName))
        return FALSE;
    WINDOWPLACEMENT placement = m_record.placement;
    placement.length = sizeof(placement);
    return ::SetWindowPlacement(pWnd->GetSafeHwnd(), &placement);
}

BOOL CXTWindowPlacement::ReadPlacement(LPCSTR lpszValueName)
{
    CXTRegistryStore store;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!store.GetProfileBinary(GetToolkitSettingsSection(), GetValueName(lpszValueName), &pData, &nBytes))
        return FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    if (nBytes != kRecordLength)
        return FALSE;
    XT_WINDOWPLACEMENT_RECORD record;
    memcpy(&record, data.get(), kRecordLength);
    if (!IsKnownLength(record.placement.length))
        return FALSE;
    m_record = record;
    m_record.placement.length = kRecordLength;
    return TRUE;
}
