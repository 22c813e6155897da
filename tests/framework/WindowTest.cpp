#include "framework/Afx.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::PumpPendingMessages;

namespace window_test {

// A top-level window that records what reaches its map.
class CBaseWnd : public CWnd
{
public:
    std::vector<std::string> log;
    BOOL CreateTopLevel()
    {
        return CreateEx(0, nullptr, "Test", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr);
    }

protected:
    void OnTimer(UINT_PTR nIDEvent) { log.push_back("base timer " + std::to_string(nIDEvent)); }
    LRESULT OnPing(WPARAM wParam, LPARAM) { log.push_back("base ping"); return (LRESULT)wParam * 2; }
    void OnSize(UINT, int, int) { log.push_back("base size"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(0x6D, OnPing)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
public:
    HWND hCreatedAt = nullptr;
    UINT firstMessage = 0;
    BOOL bPostNcDestroy = FALSE;

protected:
    void OnSize(UINT, int, int) { log.push_back("derived size"); }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        hCreatedAt = m_hWnd;
        return CBaseWnd::OnCreate(lpcs);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (firstMessage == 0)
            firstMessage = message ? message : 0xFFFF;
        return CBaseWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { bPostNcDestroy = TRUE; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_WM_SIZE()
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(MessageMap, BaseHandlersRunWhenTheDerivedMapLacksThem)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    wnd.log.clear();
    wnd.SendMessage(WM_TIMER, 7);
    EXPECT_EQ(12, wnd.SendMessage(0x6D, 6));   // a number below WM_USER
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(5, 5));
    ASSERT_EQ(3u, wnd.log.size());
    EXPECT_EQ("base timer 7", wnd.log[0]);
    EXPECT_EQ("base ping", wnd.log[1]);
    EXPECT_EQ("derived size", wnd.log[2]);   // the derived row wins over the base row
}

TEST(Window, AttachedBeforeItsFirstMessageAndCleanedUpAfterItsLast)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateTopLevel());
    HWND hWnd = wnd.m_hWnd;
    EXPECT_EQ(hWnd, wnd.hCreatedAt);
    // Overlapped windows get WM_GETMINMAXINFO even before WM_NCCREATE; the object saw it.
    EXPECT_EQ((UINT)WM_GETMINMAXINFO, wnd.firstMessage);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_TRUE(wnd.bPostNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// A window whose creation fails in one of three ways, counting its clean-ups.
class CFailingWnd : public CWnd
{
public:
    enum Failure { kRefusedBeforehand, kNoSuchClass, kRefusedInOnCreate };
    explicit CFailingWnd(Failure failure) : m_failure(failure) {}
    int nPostNcDestroy = 0;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        if (m_failure == kNoSuchClass)
            cs.lpszClass = "NoSuchWindowClass";
        return m_failure != kRefusedBeforehand && CWnd::PreCreateWindow(cs);
    }
    int OnCreate(LPCREATESTRUCT) { return -1; }
    void PostNcDestroy() override { ++nPostNcDestroy; }

    DECLARE_MESSAGE_MAP()

private:
    Failure m_failure;
};

BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Heap frames delete themselves in PostNcDestroy, so their creators never do:
// each failed creation has to run it exactly once, window or not.
TEST(Window, EveryFailedCreationRunsPostNcDestroyOnce)
{
    const struct
    {
        CFailingWnd::Failure failure;
        LPCSTR what;
    } rows[] = {
        { CFailingWnd::kRefusedBeforehand, "PreCreateWindow refuses" },
        { CFailingWnd::kNoSuchClass, "the window never comes to be" },
        { CFailingWnd::kRefusedInOnCreate, "OnCreate refuses" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        CFailingWnd wnd(row.failure);
        EXPECT_FALSE(wnd.CreateEx(0, nullptr, "Test", WS_OVERLAPPEDWINDOW, 10, 10, 100, 100, nullptr, nullptr));
        EXPECT_EQ(1, wnd.nPostNcDestroy);
        EXPECT_EQ(nullptr, wnd.m_hWnd);
    }
}

TEST(Window, DeletingTheObjectDestroysItsWindow)
{
    HWND hWnd;
    {
        CBaseWnd wnd;
        ASSERT_TRUE(wnd.CreateTopLevel());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(Window, TemporaryObjectsAreGoneAfterIdle)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd));           // the same temporary until idle
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    CWinApp* pApp = AfxGetApp();
    for (LONG i = 0; pApp->OnIdle(i); ++i)
    {
    }
    // A new temporary object now; the window itself is untouched.
    CWnd* pAfter = CWnd::FromHandle(hWnd);
    EXPECT_TRUE(::IsWindow(hWnd));
    EXPECT_EQ(hWnd, pAfter->m_hWnd);
    for (LONG i = 0; pApp->OnIdle(i); ++i)
    {
    }
    EXPECT_TRUE(::IsWindow(hWnd));
    ::DestroyWindow(hWnd);
}

// A static that colours itself through the reflected WM_CTLCOLORSTATIC.
class CColorStatic : public CStatic
{
public:
    CColorStatic() : m_brush(RGB(0, 0, 255)) {}
    BOOL bDecline = FALSE;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        EXPECT_EQ((UINT)CTLCOLOR_STATIC, nCtlColor);
        if (bDecline)
            return nullptr;
        pDC->SetBkColor(RGB(0, 0, 255));
        return m_brush;
    }
    CBrush m_brush;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CBaseWnd
{
public:
    int nParentCtlColor = 0;
    std::vector<std::string> commands;

protected:
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
    {
        ++nParentCtlColor;
        return (HBRUSH)::GetStockObject(WHITE_BRUSH);
    }
    void OnListSelChange() { commands.push_back("parent selchange"); }

    DECLARE_MESSAGE_MAP()
};

#define IDC_LIST 300

BEGIN_MESSAGE_MAP(CParentWnd, CBaseWnd)
    ON_WM_CTLCOLOR()
    ON_LBN_SELCHANGE(IDC_LIST, OnListSelChange)
END_MESSAGE_MAP()

TEST(Reflection, ASubclassedStaticColoursItself)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    HWND hStatic = ::CreateWindowExA(0, "STATIC", "Text", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.m_hWnd,
                                     (HMENU)200, nullptr, nullptr);
    CColorStatic label;
    ASSERT_TRUE(label.SubclassDlgItem(200, &parent));

    HDC hDC = ::GetDC(hStatic);
    LRESULT hBrush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hStatic);
    EXPECT_NE((LRESULT)(HBRUSH)::GetStockObject(WHITE_BRUSH), hBrush);
    EXPECT_EQ(RGB(0, 0, 255), ::GetBkColor(hDC));
    EXPECT_EQ(0, parent.nParentCtlColor);

    // A control that gives no brush leaves the parent's handling in place.
    label.bDecline = TRUE;
    hBrush = parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)hStatic);
    EXPECT_EQ((LRESULT)(HBRUSH)::GetStockObject(WHITE_BRUSH), hBrush);
    EXPECT_EQ(1, parent.nParentCtlColor);
    ::ReleaseDC(hStatic, hDC);
}

// A list box made through CWnd::Create that watches its own messages.
class CWatchedList : public CListBox
{
public:
    int nKeyDowns = 0;
    int nReflectedSelChanges = 0;

protected:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++nKeyDowns;
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);   // the list box still moves its selection
    }
    BOOL OnSelChange()
    {
        ++nReflectedSelChanges;
        return FALSE;   // the parent hears of it too
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWatchedList, CListBox)
    ON_WM_KEYDOWN()
    ON_CONTROL_REFLECT_EX(LBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

TEST(Window, ASystemClassCreatedThroughCreateReachesItsObjectAndStillWorks)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateTopLevel());
    CWatchedList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 100), &parent, IDC_LIST));
    EXPECT_EQ(&list, CWnd::FromHandlePermanent(list.m_hWnd));
    list.AddString("eins");
    list.AddString("zwei");
    list.AddString("drei");
    EXPECT_EQ(3, list.GetCount());
    list.SetCurSel(0);
    list.SetFocus();

    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, list.nKeyDowns);
    EXPECT_EQ(1, list.GetCurSel());
    CString text;
    list.GetText(1, text);
    EXPECT_EQ(CString("zwei"), text);
    // The selection change went to the list first, then to the parent.
    EXPECT_EQ(1, list.nReflectedSelChanges);
    ASSERT_EQ(1u, parent.commands.size());
    EXPECT_EQ("parent selchange", parent.commands[0]);
}

} // namespace window_test
