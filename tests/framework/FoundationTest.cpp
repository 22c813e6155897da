// Message sequences around dispatch, creation, modal loops and data exchange:
// the ground every dialog and frame of the programs stands on.
#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <string.h>
#include <string>
#include <vector>

using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::TempFolder;

namespace foundation_test {

class ModalScript
{
public:
    explicit ModalScript(CDialog::ModalHook hook) { m_previous = CDialog::SetModalHook(std::move(hook)); }
    ~ModalScript() { CDialog::SetModalHook(m_previous); }

private:
    CDialog::ModalHook m_previous;
};

// Ends a modal loop that would otherwise run on: posts WM_QUIT after a while.
class QuitGuard
{
public:
    QuitGuard() { m_nTimer = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(7); }); }
    ~QuitGuard() { ::KillTimer(nullptr, m_nTimer); }
    // Whether the guard had to end the loop (eats the reposted WM_QUIT).
    static bool Fired()
    {
        MSG msg;
        return ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
    }

private:
    UINT_PTR m_nTimer;
};

class CNumberDlg : public CDialog
{
public:
    explicit CNumberDlg(CWnd* pParent = nullptr) : CDialog(IDD_NUMBER, pParent) {}
    int m_nNumber = 5;
    CString m_strName = "Tarnix";
    int m_nMissingId = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        // The name comes first, so that a bad number fails after it was taken.
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_NUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 27);
        if (m_nMissingId != 0)
            DDX_Text(pDX, m_nMissingId, m_strName);
    }
};

class CTopWnd : public CWnd
{
public:
    BOOL CreateTop(LPCSTR lpszTitle = "Top")
    {
        return CreateEx(0, nullptr, lpszTitle, WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr, nullptr);
    }
};

// A helper window that does, on a posted message, what the test asks of it.
class CHelperWnd : public CWnd
{
public:
    std::function<void()> onPosted;
    std::function<void()> onTimer;
    BOOL CreateHelper() { return CreateEx(0, nullptr, "Helfer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }

protected:
    LRESULT OnPosted(WPARAM, LPARAM)
    {
        if (onPosted)
            onPosted();
        return 0;
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        if (onTimer)
            onTimer();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelperWnd, CWnd)
    ON_MESSAGE(WM_APP + 1, OnPosted)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalLoop, EndsWhenItsWindowIsDestroyedAndGivesTheOwnerBack)
{
    CTopWnd owner;
    ASSERT_TRUE(owner.CreateTop());
    CHelperWnd helper;
    ASSERT_TRUE(helper.CreateHelper());
    CNumberDlg dlg(&owner);
    HWND hDlg = nullptr;
    BOOL bOwnerDisabled = FALSE;
    helper.onPosted = [&] { ::DestroyWindow(hDlg); };
    ModalScript script([&](CDialog* pDlg) {
        hDlg = pDlg->m_hWnd;
        bOwnerDisabled = !owner.IsWindowEnabled();
        helper.PostMessage(WM_APP + 1);   // someone destroys the window instead of ending the dialog
    });
    QuitGuard guard;
    dlg.DoModal();
    EXPECT_FALSE(QuitGuard::Fired());
    EXPECT_TRUE(bOwnerDisabled);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(ModalLoop, AFrameDisabledUnderAModalLoopIgnoresClose)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Rahmen"));
    HWND hFrame = pFrame->m_hWnd;
    pFrame->EnableWindow(FALSE);
    ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(hFrame));
    pFrame->EnableWindow(TRUE);
    ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(hFrame));
}

TEST(ModalLoop, TheOutermostLoopFreesTemporaryObjectsWhenIdle)
{
    HWND hPlain = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CHelperWnd helper;
    ASSERT_TRUE(helper.CreateHelper());
    CNumberDlg dlg;
    size_t nBefore = 0;
    size_t nAfterIdle = 99;
    ModalScript script([&](CDialog*) {
        CWnd::FromHandle(hPlain);
        nBefore = CWnd::GetTempMapCount();
        helper.SetTimer(1, 30);   // fires after the loop went idle
    });
    helper.onTimer = [&] {
        nAfterIdle = CWnd::GetTempMapCount();
        dlg.EndDialog(IDCANCEL);
    };
    QuitGuard guard;
    dlg.DoModal();
    EXPECT_FALSE(QuitGuard::Fired());
    EXPECT_GE(nBefore, 1u);
    EXPECT_EQ(0u, nAfterIdle);
    ::DestroyWindow(hPlain);
}

// A window object whose memory is kept and poisoned when it is deleted, so
// that any later write into it shows.
class CPoisonedWnd : public CWnd
{
public:
    static unsigned char s_memory[1024];
    static size_t s_size;
    static void* operator new(size_t n)
    {
        s_size = n;
        return s_memory;
    }
    static void operator delete(void*) { memset(s_memory, 0xCC, s_size); }

protected:
    LRESULT OnDeleteYourself(WPARAM, LPARAM)
    {
        delete this;
        return 1;
    }
    DECLARE_MESSAGE_MAP()
};

unsigned char CPoisonedWnd::s_memory[1024];
size_t CPoisonedWnd::s_size = 0;

BEGIN_MESSAGE_MAP(CPoisonedWnd, CWnd)
    ON_MESSAGE(WM_APP + 2, OnDeleteYourself)
END_MESSAGE_MAP()

TEST(Dispatch, AHandlerMayDeleteItsOwnObject)
{
    CPoisonedWnd* pWnd = new CPoisonedWnd;
    ASSERT_LE(sizeof(CPoisonedWnd), sizeof(CPoisonedWnd::s_memory));
    ASSERT_TRUE(pWnd->CreateEx(0, nullptr, "Weg", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(1, ::SendMessageA(hWnd, WM_APP + 2, 0, 0));
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    // Nothing wrote into the freed object after its handler returned.
    size_t nChanged = 0;
    for (size_t i = 0; i < CPoisonedWnd::s_size; ++i)
        nChanged += CPoisonedWnd::s_memory[i] != 0xCC;
    EXPECT_EQ(0u, nChanged);
}

// A button that counts the clicks reflected to it.
class CCountingButton : public CButton
{
public:
    int nClicks = 0;
    int nDrawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++nDrawn; }

protected:
    void OnClicked() { ++nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// A frame-like window that forwards a command it got some other way.
class CForwardingWnd : public CTopWnd
{
public:
    HWND hButton = nullptr;

protected:
    LRESULT OnForward(WPARAM, LPARAM)
    {
        OnCommand(MAKEWPARAM(300, BN_CLICKED), (LPARAM)hButton);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CForwardingWnd, CTopWnd)
    ON_MESSAGE(WM_APP + 3, OnForward)
END_MESSAGE_MAP()

TEST(Dispatch, AForwardedCommandRoutesWithItsOwnControl)
{
    CForwardingWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    CCountingButton button;
    ASSERT_TRUE(button.Create("Los", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 300));
    parent.hButton = button.m_hWnd;
    parent.SendMessage(WM_APP + 3, 0, 0);
    EXPECT_EQ(1, button.nClicks);
}

TEST(Dispatch, AnOwnerDrawnButtonDrawsWithoutARowOfItsOwn)
{
    CTopWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    CCountingButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 50, 20), &parent, 301));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 301;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = ::GetDC(button.m_hWnd);
    EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 301, (LPARAM)&dis));
    ::ReleaseDC(button.m_hWnd, dis.hDC);
    EXPECT_EQ(1, button.nDrawn);
}

// A window whose painting fails.
class CFailingPaintWnd : public CTopWnd
{
public:
    int nPaints = 0;

protected:
    void OnPaint()
    {
        ++nPaints;
        AfxThrowResourceException();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingPaintWnd, CTopWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(Dispatch, AFailingPaintIsNotReportedAndNotRepeated)
{
    MessageBoxRecorder boxes;
    CFailingPaintWnd wnd;
    ASSERT_TRUE(wnd.CreateTop());
    wnd.ShowWindow(SW_SHOWNA);
    wnd.UpdateWindow();
    // A paint that failed and left the window invalid would come back at once.
    MSG msg;
    for (int i = 0; i < 50 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        ::DispatchMessageA(&msg);
    EXPECT_EQ(1, wnd.nPaints);
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
}

// The creation hook: another window made while ours is being created (as the
// input-method window is) must not take our object.
class CThrowingWnd : public CWnd
{
public:
    void PreSubclassWindow() override { AfxThrowUserException(); }
};

HHOOK g_hIntruderHook = nullptr;
HWND g_hIntruder = nullptr;

LRESULT CALLBACK IntruderHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_hIntruder == nullptr)
    {
        const CREATESTRUCTA* lpcs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!IS_INTRESOURCE(lpcs->lpszName) && lpcs->lpszName != nullptr && lstrcmpA(lpcs->lpszName, "Gefragt") == 0)
        {
            g_hIntruder = (HWND)1;
            g_hIntruder = ::CreateWindowExA(0, "STATIC", "Eindringling", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr,
                                            nullptr, nullptr);
        }
    }
    return ::CallNextHookEx(g_hIntruderHook, nCode, wParam, lParam);
}

TEST(Creation, OnlyTheWindowAskedForIsAttached)
{
    CTopWnd first;
    ASSERT_TRUE(first.CreateTop());   // the framework's hook is in place before the test's
    g_hIntruder = nullptr;
    g_hIntruderHook = ::SetWindowsHookExA(WH_CBT, IntruderHook, nullptr, ::GetCurrentThreadId());
    CTopWnd wnd;
    BOOL bCreated = wnd.CreateTop("Gefragt");
    ::UnhookWindowsHookEx(g_hIntruderHook);
    ASSERT_TRUE(bCreated);
    ASSERT_NE(nullptr, g_hIntruder);
    CString title;
    wnd.GetWindowText(title);
    EXPECT_EQ(CString("Gefragt"), title);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(g_hIntruder));
    ::DestroyWindow(g_hIntruder);

    // An exception while attaching stays inside the hook.
    CThrowingWnd throwing;
    EXPECT_TRUE(throwing.CreateEx(0, nullptr, "Wirft", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(&throwing, CWnd::FromHandlePermanent(throwing.m_hWnd));
}

TEST(DataExchange, AFailingRowLeavesEveryMemberAsItWas)
{
    MessageBoxRecorder boxes;
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_NUMBER));
    dlg.SetDlgItemText(IDC_NAME, "Neu");
    dlg.SetDlgItemText(IDC_NUMBER, "99");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(CString("Tarnix"), dlg.m_strName);
    EXPECT_EQ(5, dlg.m_nNumber);
    EXPECT_EQ(1u, boxes.Count());

    dlg.SetDlgItemText(IDC_NUMBER, "12");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(CString("Neu"), dlg.m_strName);
    EXPECT_EQ(12, dlg.m_nNumber);

    // A row whose control is missing is reported, and nothing is taken.
    dlg.m_nMissingId = 4711;
    dlg.SetDlgItemText(IDC_NUMBER, "13");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_NE(-1, boxes.Last().strText.Find("4711"));
    EXPECT_EQ(12, dlg.m_nNumber);
    dlg.DestroyWindow();
}

TEST(GdiObjects, ATemporaryWrapperFollowsTheKindOfItsHandle)
{
    HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    CGdiObject* pPen = CGdiObject::FromHandle(hPen);
    ASSERT_TRUE(pPen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(pPen, CGdiObject::FromHandle(hPen));
    // Once the pen is gone its handle names no pen: a handle the system hands
    // out again (as a brush, say) must not get the pen's wrapper.
    ::DeleteObject(hPen);
    CGdiObject* pAfter = CGdiObject::FromHandle(hPen);
    EXPECT_NE(pPen, pAfter);
    EXPECT_FALSE(pAfter->IsKindOf(RUNTIME_CLASS(CPen)));
    AfxDeleteTempMaps();
}

// A document that records where it was saved.
class CSavingDoc : public CDocument
{
public:
    CString strSavedTo;
    BOOL OnSaveDocument(LPCSTR lpszPathName) override
    {
        strSavedTo = lpszPathName;
        SetModifiedFlag(FALSE);
        return TRUE;
    }
};

TEST(Documents, SavingAnUntitledDocumentAsksForAFile)
{
    MessageBoxRecorder boxes;
    CommonDialogScript dialogs;
    TempFolder folder;
    CSavingDoc doc;
    doc.SetTitle("Unbenannt1");
    doc.SetModifiedFlag();

    // Cancel in the file dialog keeps the document open and unsaved.
    boxes.Answer(IDYES);
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.strSavedTo.IsEmpty());

    boxes.Answer(IDYES);
    dialogs.AnswerFile(folder.File("neu.ini"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(folder.File("neu.ini"), doc.strSavedTo);
    EXPECT_EQ(folder.File("neu.ini"), doc.GetPathName());
    ASSERT_EQ(2u, dialogs.Asked().size());
    EXPECT_EQ(CString("CFileDialog"), dialogs.Asked()[1]);

    // A path given to DoSave shows no dialog.
    EXPECT_TRUE(doc.DoSave(folder.File("b.ini")));
    EXPECT_EQ(2u, dialogs.Asked().size());
    EXPECT_EQ(folder.File("b.ini"), doc.GetPathName());
    EXPECT_TRUE(doc.DoSave(folder.File("kopie.ini"), FALSE));
    EXPECT_EQ(folder.File("b.ini"), doc.GetPathName());
}

TEST(ProgramEntry, WhatEscapesTheStartIsCaught)
{
    MessageBoxRecorder boxes;
    testing_support::TestAppStages().initInstance = []() -> BOOL { AfxThrowMemoryException(); };
    int nResult = 0;
    EXPECT_NO_THROW(nResult = AfxWinMain(::GetModuleHandleA(nullptr), nullptr, AfxGetApp()->m_lpCmdLine, SW_SHOW));
    testing_support::TestAppStages().initInstance = nullptr;
    EXPECT_EQ(1u, boxes.Count());
    (void)nResult;
}

} // namespace foundation_test
