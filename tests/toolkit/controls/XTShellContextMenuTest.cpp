#include "toolkit/controls/XTShellPidl.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the shell's menu object, whose owner-drawn items and help
// texts cannot be driven from a test. It offers interfaces up to its version.
class FakeContextMenu : public IContextMenu3
{
public:
    explicit FakeContextMenu(int nVersion) : m_nVersion(nVersion) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid == IID_IUnknown || riid == IID_IContextMenu || (riid == IID_IContextMenu2 && m_nVersion >= 2)
            || (riid == IID_IContextMenu3 && m_nVersion >= 3))
            *ppv = static_cast<IContextMenu3*>(this);
        if (*ppv == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++nRefs; }
    ULONG STDMETHODCALLTYPE Release() override { return --nRefs; }

    // IContextMenu
    HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU hMenu, UINT, UINT idFirst, UINT, UINT) override
    {
        ::AppendMenuA(hMenu, MF_STRING, idFirst, "&Open");
        ::AppendMenuA(hMenu, MF_STRING, idFirst + 1, "&Properties");
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2);
    }
    HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* pici) override
    {
        log.push_back("invoke " + std::to_string((UINT_PTR)pici->lpVerb));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR idCmd, UINT uType, UINT*, CHAR* pszName, UINT cchMax) override
    {
        if (uType != GCS_HELPTEXTA || idCmd > 1)
            return E_INVALIDARG;
        lstrcpynA(pszName, idCmd == 0 ? "Opens the item." : "Shows the item's properties.", cchMax);
        return S_OK;
    }

    // IContextMenu2, IContextMenu3
    HRESULT STDMETHODCALLTYPE HandleMenuMsg(UINT nMsg, WPARAM, LPARAM) override
    {
        log.push_back("handle " + std::to_string(nMsg));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleMenuMsg2(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT*) override
    {
        return HandleMenuMsg(nMsg, wParam, lParam);
    }

    ULONG nRefs = 0;
    std::vector<std::string> log;

private:
    int m_nVersion;
};

// A folder whose one use here is handing out the menu object.
class FakeFolder : public IShellFolder
{
public:
    explicit FakeFolder(FakeContextMenu* pMenu) : m_pMenu(pMenu) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override { *ppv = nullptr; return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(HWND, IBindCtx*, LPWSTR, ULONG*, PIDLIST_RELATIVE*, ULONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumObjects(HWND, SHCONTF, IEnumIDList**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToObject(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE BindToStorage(PCUIDLIST_RELATIVE, IBindCtx*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CompareIDs(LPARAM, PCUIDLIST_RELATIVE, PCUIDLIST_RELATIVE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateViewObject(HWND, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAttributesOf(UINT, PCUITEMID_CHILD_ARRAY, SFGAOF*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetUIObjectOf(HWND, UINT, PCUITEMID_CHILD_ARRAY, REFIID riid, UINT*, void** ppv) override
    {
        *ppv = nullptr;
        if (m_pMenu == nullptr)
            return E_FAIL;
        return m_pMenu->QueryInterface(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE GetDisplayNameOf(PCUITEMID_CHILD, SHGDNF, STRRET*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetNameOf(HWND, PCUITEMID_CHILD, LPCWSTR, SHGDNF, PITEMID_CHILD*) override { return E_NOTIMPL; }

private:
    FakeContextMenu* m_pMenu;
};

// The main window: keeps the status line texts it is sent.
class CStatusLineWnd : public CWnd
{
public:
    std::vector<std::string> texts;

protected:
    LRESULT OnSetMessageString(WPARAM, LPARAM lParam)
    {
        texts.push_back(lParam != 0 ? (LPCSTR)lParam : "");
        return 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusLineWnd, CWnd)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

// What a thread timer sees while the menu is up, before it picks the first item.
struct MenuUp
{
    static MenuUp* pActive;
    HWND hWndOwner = nullptr;
    BOOL bSeen = FALSE;
    LONG_PTR nProcWhileUp = 0;
    FakeContextMenu* pMenu = nullptr;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND hWndPopup = ::FindWindowA("#32768", nullptr);
        if (hWndPopup == nullptr || !::IsWindowVisible(hWndPopup) || pActive->bSeen)
            return;
        pActive->bSeen = TRUE;
        pActive->nProcWhileUp = ::GetWindowLongPtrA(pActive->hWndOwner, GWLP_WNDPROC);
        pActive->pMenu->log.push_back("up");
        // A menu item's measure request and a button's draw request.
        MEASUREITEMSTRUCT mis = { ODT_MENU, 0, 1, 10, 10, 0 };
        ::SendMessageA(pActive->hWndOwner, WM_MEASUREITEM, 0, (LPARAM)&mis);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        ::SendMessageA(pActive->hWndOwner, WM_DRAWITEM, 0, (LPARAM)&dis);
        // The second item highlighted, then the first one chosen by keys.
        HMENU hMenu = (HMENU)::SendMessageA(hWndPopup, MN_GETHMENU, 0, 0);
        ::SendMessageA(pActive->hWndOwner, WM_MENUSELECT, MAKEWPARAM(2, MF_HILITE), (LPARAM)hMenu);
        ::PostMessageA(hWndPopup, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hWndPopup, WM_KEYDOWN, VK_RETURN, 0);
    }
};
MenuUp* MenuUp::pActive = nullptr;

struct MenuRun
{
    LONG_PTR nProcWhileUp = 0;
    std::vector<std::string> log;
    std::vector<std::string> status;
};

MenuRun RunShellMenu(FakeContextMenu& menu, CWnd& owner)
{
    CStatusLineWnd mainWnd;
    EXPECT_TRUE(mainWnd.CreateEx(0, nullptr, "Main", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    pApp->m_pMainWnd = &mainWnd;

    FakeFolder folder(&menu);
    MenuUp up;
    up.hWndOwner = owner.m_hWnd;
    up.pMenu = &menu;
    MenuUp::pActive = &up;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 30, &MenuUp::OnTimer);
    SHITEMID item[2] = {};
    item[0].cb = sizeof(SHITEMID);
    CXTShellPidl::ShowContextMenu(&owner, &folder, (LPCITEMIDLIST)item, CPoint(120, 120));
    ::KillTimer(nullptr, nTimer);
    testing_support::PumpPendingMessages();

    pApp->m_pMainWnd = pOldMain;
    mainWnd.DestroyWindow();
    EXPECT_TRUE(up.bSeen);
    return MenuRun{ up.nProcWhileUp, menu.log, mainWnd.texts };
}

class XTShellContextMenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "Owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr));
    }
    void TearDown() override { m_owner.DestroyWindow(); }

    CWnd m_owner;
};

std::string Handled(UINT nMsg) { return "handle " + std::to_string(nMsg); }

TEST_F(XTShellContextMenuTest, NewerMenusGetTheOwnersMenuMessagesWhileTheMenuIsUpAPlainOneLeavesTheOwnerAlone)
{
    for (int nVersion : { 1, 2, 3 })
    {
        SCOPED_TRACE(nVersion);
        const BOOL bNewer = nVersion > 1;
        LONG_PTR nProc = ::GetWindowLongPtrA(m_owner.m_hWnd, GWLP_WNDPROC);
        FakeContextMenu menu(nVersion);
        MenuRun run = RunShellMenu(menu, m_owner);

        EXPECT_EQ(bNewer, nProc != run.nProcWhileUp);
        EXPECT_EQ(nProc, ::GetWindowLongPtrA(m_owner.m_hWnd, GWLP_WNDPROC));
        EXPECT_EQ(0u, menu.nRefs);
        // A newer menu: the popup's own init, the menu item's measure request
        // (not the button's draw request), then the chosen first item as verb 0.
        const std::vector<std::string> expected =
            bNewer ? std::vector<std::string>{ Handled(WM_INITMENUPOPUP), "up", Handled(WM_MEASUREITEM), "invoke 0" }
                   : std::vector<std::string>{ "up", "invoke 0" };
        EXPECT_EQ(expected, run.log);
        if (!bNewer)
        {
            EXPECT_TRUE(run.status.empty());
            continue;
        }
        ASSERT_FALSE(run.status.empty());
        EXPECT_EQ("Shows the item's properties.", run.status.front());
        EXPECT_EQ("Opens the item.", run.status.back());
    }
}

TEST_F(XTShellContextMenuTest, AFolderWithoutAMenuSaysSo)
{
    testing_support::MessageBoxRecorder boxes;
    FakeFolder folder(nullptr);
    SHITEMID item[2] = {};
    item[0].cb = sizeof(SHITEMID);
    CXTShellPidl::ShowContextMenu(&m_owner, &folder, (LPCITEMIDLIST)item, CPoint(120, 120));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_STREQ("GetUIObjectOf failed! hr=80004005", (LPCSTR)boxes.Last().strText);
}

} // namespace
