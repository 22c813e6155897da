#include "toolkit/bars/XTCustomizeManager.h"

#include "toolkit/bars/XTCrc32.h"
#include "toolkit/bars/XTCustomToolBar.h"
#include "toolkit/bars/XTPersonalOptions.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/Archive.h"
#include "framework/ControlBar.h"
#include "framework/Exceptions.h"
#include "framework/FrameWnd.h"
#include "framework/MemFile.h"

#include <set>

namespace {

// The user bars' window and bar styles: child, gripper, top, bottom border,
// prompts, tips, dynamic size; not visible until placed.
const DWORD kCustomBarStyle = 0x40402834;
const DWORD kCustomBarControlStyle = TBSTYLE_FLAT | TBSTYLE_LIST;
const int kFloatStep = 15;

} // namespace

CXTCustomizeManager& GetCustomizeManager()
{
    static CXTCustomizeManager s_manager;
    return s_manager;
}

CXTCustomizeManager::CXTCustomizeManager() : m_ptNextFloat(200, 200), m_bCustomizeMode(FALSE), m_bSaveMode(FALSE)
{
    m_customizeMode.Add(this, [this](BOOL bOn) { m_bCustomizeMode = bOn; });
    // The options page shows and stores the user's real options.
    CXTPersonalOptions& options = GetPersonalOptions();
    options.Load();
    options.SetEnabled(TRUE);
}

BOOL CXTCustomizeManager::IsCustomizableCommand(UINT nID)
{
    // Recent files, the Window menu's list and one command no one customises.
    return !((nID >= 0xE110 && nID <= 0xE11F) || (nID >= 0xFF00 && nID <= 0xFF08) || nID == 0xD217);
}

void CXTCustomizeManager::Unregister(void* pObject)
{
    if (pObject == this)
        return;
    m_categories.Remove(pObject);
    m_commandIcons.Remove(pObject);
    m_barEnumeration.Remove(pObject);
    m_clearSelection.Remove(pObject);
    m_customizeMode.Remove(pObject);
    m_dragSources.Remove(pObject);
    m_barShown.Remove(pObject);
    m_barAdded.Remove(pObject);
    m_barRenamed.Remove(pObject);
    m_barRemoved.Remove(pObject);
    if (m_pMenuBarObject == pObject)
    {
        m_pMenuBarObject = nullptr;
        m_menuBarPopup = nullptr;
    }
}

BOOL CXTCustomizeManager::CreateCustomBar(XT_CREATEBAR_REQUEST& request)
{
    request.pBar = nullptr;
    if (request.pFrame == nullptr || request.pFrame->m_hWnd == nullptr)
        return FALSE;
    CXTCustomToolBar* pBar = new CXTCustomToolBar;
    if (!pBar->CreateEx(request.pFrame, kCustomBarControlStyle, kCustomBarStyle, CRect(0, 0, 0, 0), request.nID))
    {
        // The window never came: the object was not handed to it.
        if (pBar->m_hWnd == nullptr)
            delete pBar;
        return FALSE;
    }
    pBar->SetName(request.strName);
    // Customisable first: docking loads the bar's stored button set.
    pBar->RegisterCustomize(TRUE);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    request.pBar = pBar;
    return TRUE;
}

void CXTCustomizeManager::FloatNewBar(CFrameWnd* pFrame, CControlBar* pBar)
{
    if (pFrame == nullptr || pBar == nullptr)
        return;
    pFrame->FloatControlBar(pBar, m_ptNextFloat, CBRS_ALIGN_TOP);
    pFrame->ShowControlBar(pBar, TRUE, FALSE);
    m_ptNextFloat.Offset(kFloatStep, kFloatStep);
    pFrame->RecalcLayout();
}

std::vector<BYTE> CXTCustomizeManager::FormatCustomBars(const std::vector<std::pair<UINT, CString>>& bars)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (int)1 << (int)bars.size();
        for (const auto& bar : bars)
            ar << (DWORD)bar.first << bar.second;
    }
    return CXTCrc32::Seal(file.GetData());
}

BOOL CXTCustomizeManager::ParseCustomBars(const BYTE* pData, UINT nBytes,
                                          std::vector<std::pair<UINT, CString>>& bars)
{
    bars.clear();
    if (!CXTCrc32::IsSealed(pData, nBytes))
        return FALSE;
    CMemFile file(pData + 4, nBytes - 4);
    try
    {
        CArchive ar(&file, CArchive::load);
        int nVersion = 0, nCount = 0;
        ar >> nVersion;
        if (nVersion != 1)
            return FALSE;
        ar >> nCount;
        // Each entry takes at least five bytes: a count beyond the data is damage.
        if (nCount < 0 || (ULONGLONG)nCount * 5 > file.GetLength() - file.GetPosition())
            return FALSE;
        for (int i = 0; i < nCount; ++i)
        {
            DWORD dwID = 0;
            CString strName;
            ar >> dwID >> strName;
            bars.emplace_back((UINT)dwID, strName);
        }
    }
    catch (CException* e)
    {
        e->Delete();
        bars.clear();
        return FALSE;
    }
    return TRUE;
}

BOOL CXTCustomizeManager::LoadCustomBars(CFrameWnd* pFrame, LPCSTR lpszSection)
{
    if (pFrame == nullptr || lpszSection == nullptr)
        return FALSE;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!CXTRegistryStore(HKEY_CURRENT_USER).GetProfileBinary(lpszSection, CustomBarsValue(), &pData, &nBytes))
        return FALSE;
    std::vector<std::pair<UINT, CString>> bars;
    BOOL bParsed = ParseCustomBars(pData, nBytes, bars);
    delete[] pData;
    if (!bParsed)
        return FALSE;
    std::set<UINT> existing;
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr)
            existing.insert((UINT)pBar->GetDlgCtrlID());
    }
    BOOL bResult = TRUE;
    for (const auto& bar : bars)
    {
        if (existing.count(bar.first) != 0 || !IsCustomBarID(pFrame, bar.first))
            continue;
        XT_CREATEBAR_REQUEST request;
        request.pFrame = pFrame;
        request.nID = bar.first;
        request.strName = bar.second;
        if (!CreateCustomBar(request))
            bResult = FALSE;
        else
            existing.insert(bar.first);
    }
    return bResult;
}

BOOL CXTCustomizeManager::SaveCustomBars(CFrameWnd* pFrame, LPCSTR lpszSection)
{
    if (pFrame == nullptr || lpszSection == nullptr)
        return TRUE;
    // The bars describe themselves whether or not customise mode is on.
    std::vector<std::pair<UINT, CString>> bars;
    m_barEnumeration.Raise([&](const CXTBarInfo& info) {
        if (!info.bUserCreated || info.pBar == nullptr || info.pBar->m_hWnd == nullptr)
            return;
        for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
            if (pFrame->m_listControlBars.GetNext(pos) == info.pBar)
            {
                CString strName;
                info.pBar->GetWindowText(strName);
                bars.emplace_back((UINT)info.pBar->GetDlgCtrlID(), strName);
                return;
            }
    });
    CXTRegistryStore store(HKEY_CURRENT_USER);
    if (bars.empty())
        store.DeleteValue(lpszSection, CustomBarsValue());
    else
    {
        std::vector<BYTE> value = FormatCustomBars(bars);
        store.WriteProfileBinary(lpszSection, CustomBarsValue(), value.data(), (UINT)value.size());
    }
    return TRUE;
}

BOOL CXTCustomizeManager::IsCustomBarID(CFrameWnd* pFrame, UINT nID)
{
    // The framework's own bars and dock bars keep their ids.
    if (nID < AFX_IDW_CONTROLBAR_FIRST || nID >= AFX_IDW_CONTROLBAR_LAST || nID == AFX_IDW_STATUS_BAR ||
        (nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    (void)pFrame;
    return TRUE;
}

UINT CXTCustomizeManager::NextCustomBarID(CFrameWnd* pFrame, UINT nFrom)
{
    for (UINT nID = nFrom; nID < AFX_IDW_CONTROLBAR_LAST; ++nID)
        if (IsCustomBarID(pFrame, nID) && (pFrame == nullptr || pFrame->GetControlBar(nID) == nullptr))
            return nID;
    return 0;
}

// ---------------------------------------------------------------------------
// The drag of a command between bars

BOOL CXTCustomizeManager::DoDragDrop(CWnd* pSource, BOOL bCopyAllowed, const CXTCommandItem& item, CPoint ptStart)
{
    if (pSource == nullptr || pSource->m_hWnd == nullptr || ::GetCapture() != nullptr)
        return FALSE;
    HCURSOR hOldCursor = ::GetCursor();
    pSource->SetCapture();
    XT_DRAG_TARGETS drag;
    m_dragSources.Raise(drag);

    BOOL bMove = !bCopyAllowed || ::GetKeyState(VK_CONTROL) >= 0;
    BOOL bCanCopy = TRUE;
    IXTDropTarget* pCurrent = nullptr;
    auto update = [&](CPoint pt) {
        if (pCurrent != nullptr && !pCurrent->HitTest(pt))
        {
            pCurrent->Leave();
            pCurrent = nullptr;
        }
        if (pCurrent != nullptr)
            pCurrent->Over(pt);
        else
            for (IXTDropTarget* pTarget : drag.targets)
                if (pTarget->HitTest(pt))
                {
                    bCanCopy = TRUE;
                    if (pTarget->Enter(item, pt, bCanCopy))
                        pCurrent = pTarget;
                    break;
                }
        HCURSOR hCursor = pCurrent == nullptr ? xtAfxData.m_hCursorNoDrop
                          : (bMove || !bCanCopy) ? xtAfxData.m_hCursorMove
                                                 : xtAfxData.m_hCursorCopy;
        if (hCursor != nullptr)
            ::SetCursor(hCursor);
    };
    // The targets first see the point the drag began at; the moves queued
    // since follow from the queue, each where it was made.
    update(ptStart);

    BOOL bDropped = FALSE;
    BOOL bResult = FALSE;
    CPoint ptLast(-100000, -100000);
    while (::GetCapture() == pSource->m_hWnd)
    {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_PAINT)
        {
            ::DispatchMessageA(&msg);
            continue;
        }
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP)
        {
            // Where the pointer was when the message came, not where it is now.
            CPoint pt(msg.pt);
            const BOOL bButton = msg.message == WM_MOUSEMOVE && (msg.wParam & MK_LBUTTON);
            if (bCopyAllowed)
                bMove = !(msg.wParam & MK_CONTROL);
            if (pt != ptLast || !bButton)
                update(pt);
            ptLast = pt;
            if (!bButton)
            {
                bDropped = TRUE;
                bResult = bMove || !bCanCopy;
                if (pCurrent != nullptr)
                {
                    pCurrent->Drop(item, pt);
                    pCurrent = nullptr;
                }
                else
                    // Over a bar that refused the command nothing changes; only
                    // a drop off every bar removes the button.
                    for (IXTDropTarget* pTarget : drag.targets)
                        if (pTarget->HitTest(pt))
                            bResult = FALSE;
                break;
            }
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_CONTROL)
        {
            if (bCopyAllowed)
                bMove = msg.message == WM_KEYUP;
            update(ptLast.x == -100000 ? ptStart : ptLast);
            continue;
        }
        if (msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_CANCELMODE)
        {
            ::DispatchMessageA(&msg);
            if (msg.hwnd == pSource->m_hWnd)
                break;
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (pCurrent != nullptr)
        pCurrent->Leave();
    ::SetCursor(hOldCursor);
    if (::GetCapture() == pSource->m_hWnd)
        ::ReleaseCapture();
    return bDropped && bResult;
}
