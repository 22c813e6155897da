#include "toolkit/bars/XTCustomizeSheet.h"

#include "toolkit/XTResource.h"
#include "toolkit/bars/XTCustAccelerators.h"
#include "toolkit/bars/XTCustCommandsPage.h"
#include "toolkit/bars/XTCustOptions.h"
#include "toolkit/bars/XTCustTools.h"
#include "toolkit/bars/XTCustToolBarPage.h"
#include "toolkit/bars/XTToolkitString.h"
#include "toolkit/frame/XTFrameHelper.h"
#include "toolkit/frame/XTRegistryStore.h"

#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CXTCustomizeSheet, CXTResizePropertySheet)

CXTCustomizeSheet* CXTCustomizeSheet::s_pActive = nullptr;

namespace {

DWORD g_dwRegisteredPages = 0;

IXTCustomizeSheet* MakeSheet(CFrameWnd* pFrame)
{
    return new CXTCustomizeSheet(pFrame, g_dwRegisteredPages);
}

BOOL IsWithin(HWND hWnd, HWND hAncestor)
{
    return hAncestor != nullptr && (hWnd == hAncestor || ::IsChild(hAncestor, hWnd));
}

// While the sheet is open the main window's system menu does not pop up
// (0x313, sent from its task bar button).
class CMainWindowHook : public CXTWndHook
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return message == 0x313 ? 0 : CXTWndHook::WindowProc(message, wParam, lParam);
    }
};

} // namespace

void CXTCustomizeSheet::Register(DWORD dwPages)
{
    g_dwRegisteredPages = dwPages;
    CXTFrameHelper::SetCustomizeSheetFactory(MakeSheet);
}

CXTCustomizeSheet::CXTCustomizeSheet(CFrameWnd* pFrame, DWORD dwPages)
    : CXTResizePropertySheet(LoadToolkitString(XT_IDS_CUSTOMIZESHEET, "Customize"), pFrame), m_pFrame(pFrame),
      m_hMouseHook(nullptr), m_hKeyboardHook(nullptr), m_bFirstMouse(TRUE), m_nLastPage(0)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    if (dwPages & XT_CUST_TOOLBARS)
        m_pages.push_back(std::make_unique<CXTCustToolBarPage>(pFrame));
    if (dwPages & XT_CUST_COMMANDS)
        m_pages.push_back(std::make_unique<CXTCustCommandsPage>(pFrame));
    if (dwPages & XT_CUST_KEYBOARD)
        m_pages.push_back(std::make_unique<CXTCustAccelerators>(pFrame));
    // The Tools page opens first, so that its window (and the check of its
    // tools when the sheet closes) exists whichever page is shown next.
    int nToolsPage = -1;
    if (dwPages & XT_CUST_TOOLS)
    {
        nToolsPage = (int)m_pages.size();
        m_pages.push_back(std::make_unique<CXTCustTools>(pFrame));
    }
    if (dwPages & XT_CUST_OPTIONS)
        m_pages.push_back(std::make_unique<CXTCustOptions>(pFrame));
    for (const auto& pPage : m_pages)
        AddPage(pPage.get());
    if (nToolsPage >= 0)
        SetActivePage(nToolsPage);
}

CXTCustomizeSheet::~CXTCustomizeSheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CXTCustomizeSheet::IsRegisteredBar(HWND hWnd) const
{
    for (HWND hBar : m_bars)
        if (IsWithin(hWnd, hBar))
            return TRUE;
    return FALSE;
}

BOOL CXTCustomizeSheet::OnInitDialog()
{
    CXTCustomizeManager& manager = GetCustomizeManager();
    m_bars.clear();
    manager.m_barEnumeration.Raise([this](const CXTBarInfo& info) {
        if (info.pBar != nullptr)
            m_bars.insert(info.pBar->m_hWnd);
    });
    manager.m_barAdded.Add(this, [this](const CXTBarInfo& info) {
        if (info.pBar != nullptr)
            m_bars.insert(info.pBar->m_hWnd);
    });
    manager.m_barRemoved.Add(this, [this](CWnd* pBar) { m_bars.erase(pBar->m_hWnd); });

    CXTResizePropertySheet::OnInitDialog();
    if (CWnd* pOK = GetDlgItem(IDOK))
        pOK->ShowWindow(SW_HIDE);
    SetDlgItemText(IDCANCEL, LoadToolkitString(XT_IDS_CLOSE, "Close"));
    AutoLoadPlacement("CXTCustomizeSheet");
    int nPage = (int)CXTRegistryStore(HKEY_CURRENT_USER)
                    .GetProfileInt(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), "Active Page", 0);
    if (nPage >= 0 && nPage < GetPageCount() && nPage != GetActiveIndex())
    {
        CXTCustTools* pTools = dynamic_cast<CXTCustTools*>(GetActivePage());
        if (pTools != nullptr)
            pTools->CheckOnLeave(FALSE);
        SetActivePage(nPage);
        if (pTools != nullptr)
            pTools->CheckOnLeave(TRUE);
    }

    // The user works in the main window while the sheet is open: the sheet
    // filters the input to it instead of disabling it.
    if (m_pFrame != nullptr && m_pFrame->m_hWnd != nullptr)
    {
        ::EnableWindow(m_pFrame->GetTopLevelParent()->m_hWnd, TRUE);
        s_pActive = this;
        m_pMainHook = std::make_unique<CMainWindowHook>();
        m_pMainHook->HookWindow(m_pFrame->GetTopLevelParent());
        m_hMouseHook = ::SetWindowsHookExA(WH_MOUSE, MouseFilter, nullptr, ::GetCurrentThreadId());
        m_hKeyboardHook = ::SetWindowsHookExA(WH_KEYBOARD, KeyboardFilter, nullptr, ::GetCurrentThreadId());
    }
    if (HWND hCapture = ::GetCapture())
        ::SendMessageA(hCapture, WM_CANCELMODE, 0, 0);
    return TRUE;
}

void CXTCustomizeSheet::OnSheetDestroy()
{
    if (m_hMouseHook != nullptr)
        ::UnhookWindowsHookEx(m_hMouseHook);
    if (m_hKeyboardHook != nullptr)
        ::UnhookWindowsHookEx(m_hKeyboardHook);
    m_hMouseHook = m_hKeyboardHook = nullptr;
    m_pMainHook.reset();
    if (s_pActive == this)
        s_pActive = nullptr;
    CXTCustomizeManager& manager = GetCustomizeManager();
    manager.SetCustomizeMode(FALSE);
    manager.Unregister(this);
    CXTRegistryStore(HKEY_CURRENT_USER)
        .WriteProfileInt(LoadToolkitString(XT_IDS_SETTINGS, "Settings"), "Active Page",
                         GetActiveIndex() >= 0 ? GetActiveIndex() : m_nLastPage);
}

LRESULT CXTCustomizeSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG:
        // Customise mode comes before the first page: the menu bar offers its
        // commands to the Commands page only while the mode is on.
        GetCustomizeManager().SetCustomizeMode(TRUE);
        break;
    case WM_NCACTIVATE:
        // The caption stays active while the user works in the main window.
        return CXTResizePropertySheet::WindowProc(message, TRUE, lParam);
    case WM_COMMAND:
    case WM_SYSCOMMAND:
        // The page shown when the sheet closes is the one to open next time.
        if ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE))
        {
            // Tools that name nothing to start keep the sheet open.
            for (const auto& pPage : m_pages)
                if (CXTCustTools* pTools = dynamic_cast<CXTCustTools*>(pPage.get()))
                    if (pTools->m_hWnd != nullptr && GetToolsManager().IsEnabled() && !pTools->Validate())
                        return 0;
            m_nLastPage = GetActiveIndex();
        }
        break;
    case WM_DESTROY:
        OnSheetDestroy();
        break;
    default:
        break;
    }
    return CXTResizePropertySheet::WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK CXTCustomizeSheet::MouseFilter(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTCustomizeSheet* pSheet = s_pActive;
    if (nCode == HC_ACTION && pSheet != nullptr && pSheet->m_pFrame != nullptr)
    {
        try
        {
            const MOUSEHOOKSTRUCT* pMouse = reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam);
            HWND hWnd = pMouse->hwnd;
            HWND hMain = pSheet->m_pFrame->GetTopLevelParent()->m_hWnd;
            if (pSheet->m_bFirstMouse)
            {
                // The main window comes forward with its floating bars, which
                // the user is about to drag buttons to and from.
                pSheet->m_bFirstMouse = FALSE;
                ::BringWindowToTop(hMain);
                ::ShowOwnedPopups(hMain, TRUE);
            }
            BOOL bPass = !IsWithin(hWnd, hMain) || IsWithin(hWnd, pSheet->m_hWnd) || pSheet->IsRegisteredBar(hWnd);
            if (!bPass)
            {
                // A floating frame that holds a registered bar.
                HWND hTop = ::GetAncestor(hWnd, GA_ROOT);
                for (HWND hBar : pSheet->m_bars)
                    if (::GetAncestor(hBar, GA_ROOT) == hTop && hTop != hMain)
                        bPass = TRUE;
            }
            if (!bPass && wParam != WM_MOUSEMOVE && wParam != WM_NCMOUSEMOVE && IsWithin(hWnd, hMain) &&
                ::GetCapture() == nullptr)
                return 1;
        }
        catch (...)
        {
            ::OutputDebugStringA("The customise sheet's mouse filter failed; the message passes.\n");
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK CXTCustomizeSheet::KeyboardFilter(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTCustomizeSheet* pSheet = s_pActive;
    if (nCode == HC_ACTION && pSheet != nullptr && pSheet->m_hWnd != nullptr)
    {
        // Keys to the main window wait; the sheet and other windows (its
        // dialogs) get theirs.
        HWND hFocus = ::GetFocus();
        HWND hMain = pSheet->m_pFrame != nullptr ? pSheet->m_pFrame->GetTopLevelParent()->m_hWnd : nullptr;
        if (IsWithin(hFocus, hMain) && !IsWithin(hFocus, pSheet->m_hWnd) && ::GetCapture() == nullptr)
            return 1;
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
