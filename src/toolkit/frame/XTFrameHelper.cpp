#include "toolkit/frame/XTFrameHelper.h"

#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMenuItemInfo.h"
#include "toolkit/frame/XTMiniDockFrameWnd.h"

#include "framework/ControlBar.h"
#include "framework/DockBar.h"
#include "framework/Exceptions.h"
#include "framework/FrameWnd.h"
#include "framework/Menu.h"
#include "framework/MiniDockFrameWnd.h"
#include "framework/WinApp.h"

#include <vector>

XT_MENUBAR_FACTORY CXTFrameHelper::s_pfnMenuBar = nullptr;
XT_CUSTOMIZESHEET_FACTORY CXTFrameHelper::s_pfnCustomizeSheet = nullptr;
IXTCustomizeSheet* CXTFrameHelper::s_pOpenSheet = nullptr;

namespace {

// The thread's CBT hook (the owner-drawn popup menus watch window creation
// through hooks of their own): a frame that takes the activation or the
// focus keeps its floating frames above it. So does a frame one of whose
// floating frames takes them (a bar just floated gets its focus back there):
// the platform may then put the frame right below that floating frame, over
// the frame's other floating frames.
LRESULT CALLBACK ThreadCbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if ((nCode == HCBT_ACTIVATE || nCode == HCBT_SETFOCUS) && wParam != 0)
    {
        HWND hRoot = ::GetAncestor(reinterpret_cast<HWND>(wParam), GA_ROOT);
        HWND hFloat = nullptr;
        if (dynamic_cast<CMiniDockFrameWnd*>(CWnd::FromHandlePermanent(hRoot)) != nullptr)
        {
            hFloat = hRoot;
            hRoot = ::GetWindow(hRoot, GW_OWNER);
        }
        if (hRoot != nullptr && dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hRoot)) != nullptr)
            CXTMiniDockFrameWnd::KeepFloatingFramesAbove(hRoot, hFloat);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Installed for the thread that starts the program, removed at its end.
struct ThreadCbtHook
{
    HHOOK hHook;
    ThreadCbtHook() : hHook(::SetWindowsHookExA(WH_CBT, ThreadCbtProc, nullptr, ::GetCurrentThreadId())) {}
    ~ThreadCbtHook()
    {
        if (hHook != nullptr)
            ::UnhookWindowsHookEx(hHook);
    }
    ThreadCbtHook(const ThreadCbtHook&) = delete;
    ThreadCbtHook& operator=(const ThreadCbtHook&) = delete;
};

ThreadCbtHook g_threadCbtHook;

// The frame's dock bars, in the order the toolkit makes them.
const struct
{
    UINT nID;
    DWORD dwStyle;
} kDockBars[] = {
    { XT_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP },
    { XT_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM },
    { XT_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT },
    { XT_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT },
};

// The frame whose window carries the menu: a child frame shows its
// parent frame's.
CFrameWnd* MenuFrameOf(CFrameWnd* pFrame)
{
    if (pFrame == nullptr || (pFrame->GetStyle() & WS_CHILD) == 0)
        return pFrame;
    return pFrame->GetParentFrame();
}

IXTMenuBar* MenuBarOfFrame(CFrameWnd* pFrame)
{
    CControlBar* pBar = pFrame != nullptr ? pFrame->GetControlBar(XT_IDW_MENUBAR) : nullptr;
    return dynamic_cast<IXTMenuBar*>(pBar);
}

BOOL HasWindow(const IXTMenuBar* pMenuBar)
{
    return pMenuBar != nullptr && ::IsWindow(pMenuBar->GetMenuBarHwnd());
}

} // namespace

HHOOK CXTFrameHelper::GetThreadCbtHook()
{
    return g_threadCbtHook.hHook;
}

CString XTMenuTextWithShortcut(const CString& strText, const CString& strShortcuts)
{
    CString strResult = strText;
    int nTab = strResult.Find('\t');
    if (nTab >= 0)
        strResult = strResult.Left(nTab);
    if (strShortcuts.IsEmpty())
        return strResult;
    int nComma = strShortcuts.Find(',');
    return strResult + "\t" + (nComma >= 0 ? strShortcuts.Left(nComma) : strShortcuts);
}

// ---------------------------------------------------------------------------
// Construction

CXTFrameHelper::CXTFrameHelper() : m_pMenuBar(s_pfnMenuBar != nullptr ? s_pfnMenuBar() : nullptr)
{
    GetAccelManager().SetSaveOnDestroy(FALSE);
    GetToolsManager().SetSaveOnDestroy(FALSE);
}

CXTFrameHelper::~CXTFrameHelper()
{
    CXTAccelManager& accel = GetAccelManager();
    if (accel.IsEnabled())
        accel.SaveIfChanged(FALSE);
    CXTToolsManager& tools = GetToolsManager();
    if (tools.IsEnabled())
        tools.SaveIfChanged(FALSE);
    // An open customise sheet is inside its modal loop: the frame that runs
    // it deletes it when the loop ends, not a frame that goes meanwhile.
    delete m_pMenuBar;
}

// ---------------------------------------------------------------------------
// Menu bar and menus

IXTMenuBar* CXTFrameHelper::FindMenuBar(CFrameWnd* pFrame)
{
    if (IXTMenuBar* pMenuBar = MenuBarOfFrame(pFrame))
        return pMenuBar;
    CFrameWnd* pMenuFrame = MenuFrameOf(pFrame);
    return pMenuFrame != pFrame ? MenuBarOfFrame(pMenuFrame) : nullptr;
}

CMenu* CXTFrameHelper::GetMenu(CFrameWnd* pFrame) const
{
    CFrameWnd* pMenuFrame = MenuFrameOf(pFrame);
    HMENU hMenu = pMenuFrame != nullptr ? ::GetMenu(pMenuFrame->m_hWnd) : nullptr;
    if (hMenu != nullptr && ::IsMenu(hMenu))
        return CMenu::FromHandle(hMenu);
    IXTMenuBar* pMenuBar = FindMenuBar(pFrame);
    if (HasWindow(pMenuBar))
        return CMenu::FromHandle(pMenuBar->GetMenuBarMenu());
    return nullptr;
}

BOOL CXTFrameHelper::HideCommands(CFrameWnd* pFrame, const UINT* pIDs, int nCount)
{
    IXTMenuBar* pMenuBar = m_pMenuBar != nullptr ? m_pMenuBar : FindMenuBar(pFrame);
    BOOL bResult = pMenuBar != nullptr ? pMenuBar->HideCommands(pIDs, nCount) : TRUE;
    if (xtAfxData.m_bCoolMenuAttached)
        m_coolMenu.HideCommands(pIDs, nCount);
    return bResult;
}

BOOL CXTFrameHelper::HideCommand(CFrameWnd* pFrame, UINT nID)
{
    return HideCommands(pFrame, &nID, 1);
}

BOOL CXTFrameHelper::PreTranslateByMenuBar(CFrameWnd* pFrame, MSG* pMsg)
{
    // A shortcut of the manager is the frame's accelerator table's to carry out.
    CXTAccelManager& accel = GetAccelManager();
    if (accel.IsEnabled() && accel.TranslateKey(pMsg))
        return FALSE;
    IXTMenuBar* pMenuBar = FindMenuBar(pFrame);
    return HasWindow(pMenuBar) && pMenuBar->TranslateFrameMessage(pMsg);
}

void CXTFrameHelper::AddShortcutTexts(HMENU hPopup) const
{
    const CXTAccelManager& accel = GetAccelManager();
    const int nCount = ::IsMenu(hPopup) ? ::GetMenuItemCount(hPopup) : 0;
    for (int i = 0; i < nCount; ++i)
    {
        CXTMenuItemInfo info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        if (!::GetMenuItemInfoA(hPopup, i, TRUE, &info) || info.hSubMenu != nullptr
            || (info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) != 0)
            continue;
        // The length first: the text is read whole, however long.
        std::vector<char> text((size_t)info.cch + 1, '\0');
        info.dwTypeData = text.data();
        info.cch = (UINT)text.size();
        if (!::GetMenuItemInfoA(hPopup, i, TRUE, &info))
            continue;
        const CString strOld = text.data();
        CString strShortcuts;
        accel.GetShortcutText(info.wID, strShortcuts);
        const CString strNew = XTMenuTextWithShortcut(strOld, strShortcuts);
        if (strNew == strOld)
            continue;
        CXTMenuItemInfo change;
        change.fMask = MIIM_STRING;
        change.dwTypeData = const_cast<LPSTR>((LPCSTR)strNew);
        ::SetMenuItemInfoA(hPopup, i, TRUE, &change);
    }
}

BOOL CXTFrameHelper::InstallCoolMenus(CFrameWnd* pFrame, const UINT* pIDToolBars, int nCount)
{
    xtAfxData.m_bCoolMenuAttached = TRUE;
    m_coolMenu.Install(pFrame);
    // The images of the commands' normal look.
    return m_coolMenu.LoadToolbars(pIDToolBars, nCount);
}

// ---------------------------------------------------------------------------
// Docking

void CXTFrameHelper::EnableDocking(CFrameWnd* pFrame, DWORD dwDockStyle, DWORD dwFlatStyle)
{
    // Bars float in the toolkit's own frame, which draws their caption.
    pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CXTMiniDockFrameWnd);
    for (const auto& side : kDockBars)
    {
        if ((dwDockStyle & side.dwStyle) == 0 || pFrame->GetControlBar(side.nID) != nullptr)
            continue;
        CXTDockBar* pDockBar = new CXTDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(pFrame, side.dwStyle, side.nID))
        {
            delete pDockBar;
            AfxThrowResourceException();
        }
    }
    for (const auto& side : kDockBars)
        if (CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(pFrame->GetControlBar(side.nID)))
            pDockBar->SetDockBarStyle(dwFlatStyle);
}

void CXTFrameHelper::DockControlBar(CFrameWnd* pFrame, CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    if (nDockBarID == 0)
    {
        const DWORD dwAlign = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
        for (const auto& side : kDockBars)
            if (nDockBarID == 0 && dwAlign == side.dwStyle && pFrame->GetControlBar(side.nID) != nullptr)
                nDockBarID = side.nID;
        // A bar whose style names no single side: the first it may dock at.
        if (nDockBarID == 0)
        {
            pFrame->DockControlBar(pBar, 0u, lpRect);
            return;
        }
    }
    pFrame->DockControlBar(pBar, dynamic_cast<CDockBar*>(pFrame->GetControlBar(nDockBarID)), lpRect);
}

void CXTFrameHelper::DockControlBarLeftOf(CFrameWnd* pFrame, CControlBar* pBar, CControlBar* pLeftOf)
{
    pFrame->RecalcLayout(TRUE);
    CRect rect;
    pLeftOf->GetWindowRect(&rect);
    rect.OffsetRect(1, 0);
    const DWORD dwStyle = pLeftOf->GetBarStyle();
    UINT nDockBarID = 0;
    for (const auto& side : kDockBars)
        if (nDockBarID == 0 && (dwStyle & side.dwStyle) != 0)
            nDockBarID = side.nID;
    DockControlBar(pFrame, pBar, nDockBarID, &rect);
}

// ---------------------------------------------------------------------------
// Commands

BOOL CXTFrameHelper::RunCustomizeSheet(CFrameWnd* pFrame)
{
    if (s_pfnCustomizeSheet == nullptr || s_pOpenSheet != nullptr)
        return FALSE;
    IXTCustomizeSheet* pSheet = s_pfnCustomizeSheet(pFrame);
    if (pSheet == nullptr)
        return FALSE;
    s_pOpenSheet = pSheet;
    pSheet->DoModal();
    s_pOpenSheet = nullptr;
    delete pSheet;
    return TRUE;
}

void CXTFrameHelper::RunUserTool(UINT nID)
{
    GetToolsManager().Launch(nID);
}

BOOL CXTFrameHelper::RegisterIconClass(CREATESTRUCTA& cs, UINT nIconID)
{
    HICON hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIconID));
    cs.lpszClass = AfxRegisterWndClass(0, nullptr, nullptr, hIcon);
    return TRUE;
}
