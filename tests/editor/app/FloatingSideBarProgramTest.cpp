// The real TarnixEd.exe with real mouse input and no window kept on top: the
// side bar dragged off its side floats, its floating frame follows the mouse
// exactly, stays above the main window when the main window is clicked, and
// comes back floating, on top and draggable at the next start.
#include "EditorTesting.h"
#include "ProgramRun.h"

#include "toolkit/XTRealInput.h"

#include <windows.h>

using editor_testing::Click;
using editor_testing::FindDialog;
using editor_testing::Process;
using editor_testing::StartAtStartCenter;
using editor_testing::WaitFor;
using testing_support::ProgramFolder;
using testing_support::TempFolder;

namespace {

const char kProgramKey[] = "Software\\Morvadeth\\Tarnix 2";

CRect WindowRect(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

// The side bar: the visible window on the frame's left dock bar.
HWND FindSideBar(HWND hFrame)
{
    return WaitFor([&] {
        HWND hDockBar = ::GetDlgItem(hFrame, AFX_IDW_DOCKBAR_LEFT);
        HWND hBar = hDockBar != nullptr ? ::GetWindow(hDockBar, GW_CHILD) : nullptr;
        while (hBar != nullptr && !::IsWindowVisible(hBar))
            hBar = ::GetWindow(hBar, GW_HWNDNEXT);
        return hBar;
    });
}

// A point of the floating frame's caption left of its buttons.
CPoint FloatCaptionPoint(HWND hFloat)
{
    const CRect rect = WindowRect(hFloat);
    for (int y = rect.top; y < rect.bottom; ++y)
    {
        const CPoint pt(rect.left + 20, y);
        if (::SendMessageA(hFloat, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCAPTION)
            return CPoint(pt.x, pt.y + 2);
    }
    return CPoint(rect.left + 20, rect.top + 6);
}

// Whether the window seen at the point is the window or one of its children.
bool IsOnTopAt(HWND hWnd, CPoint pt)
{
    HWND hSeen = ::WindowFromPoint(pt);
    return hSeen == hWnd || ::IsChild(hWnd, hSeen);
}

// The frame's visible floating frame whose floating dock bar holds the bar of that title.
HWND FindFloatingFrame(HWND hFrame, LPCSTR pszBar)
{
    return WaitFor([&] {
        HWND hFound = nullptr;
        for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr && hFound == nullptr;
             hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        {
            HWND hDockBar = ::GetDlgItem(hWnd, AFX_IDW_DOCKBAR_FLOAT);
            if (::GetWindow(hWnd, GW_OWNER) == hFrame && ::IsWindowVisible(hWnd) && hDockBar != nullptr &&
                ::FindWindowExA(hDockBar, nullptr, nullptr, pszBar) != nullptr)
                hFound = hWnd;
        }
        return hFound;
    });
}

// After what the display does a moment after a change, the window (or a
// child) is seen at the point.
bool StaysOnTopAt(HWND hWnd, CPoint pt)
{
    toolkit_test::PumpFor(300);
    return WaitFor([&] { return IsOnTopAt(hWnd, pt) ? hWnd : nullptr; }) != nullptr;
}

// The floating frame dragged by its caption goes exactly as far as the mouse.
void DragByCaption(HWND hFloat, CPoint delta)
{
    const CRect rectBefore = WindowRect(hFloat);
    const CPoint ptFrom = FloatCaptionPoint(hFloat);
    ASSERT_TRUE(StaysOnTopAt(hFloat, ptFrom));
    toolkit_test::Drag(ptFrom, ptFrom + delta);
    // The other process follows the mouse at its own pace on a busy machine:
    // wait for it to arrive, and read where it stopped when it does not.
    WaitFor([&] { return WindowRect(hFloat).TopLeft() == rectBefore.TopLeft() + delta ? hFloat : nullptr; });
    toolkit_test::PumpFor(100);
    const CRect rectAfter = WindowRect(hFloat);
    EXPECT_EQ(rectBefore.TopLeft() + delta, rectAfter.TopLeft())
        << rectBefore.left << "," << rectBefore.top << " -> " << rectAfter.left << "," << rectAfter.top;
    EXPECT_EQ(rectBefore.Size(), rectAfter.Size());
}

class FloatingSideBarProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Each run starts from a layout of its own, not one an earlier run left.
        SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
        ASSERT_TRUE(CopyFileA(ProgramFolder() + "\\TarnixEd.exe", m_editor.File("TarnixEd.exe"), FALSE));
    }
    void TearDown() override
    {
        toolkit_test::ParkMouse();
        SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
    }

    // Starts the editor and leaves its Start Center for the empty editor.
    bool StartEditor(Process& editor, HWND& hFrame)
    {
        HWND hStart = nullptr;
        if (!StartAtStartCenter(editor, m_editor.File("TarnixEd.exe"), m_editor.Path(), hFrame, hStart))
            return false;
        Click(hStart, IDCANCEL);
        return WaitFor([&] { return FindDialog("Tarnix Start Center") == nullptr ? hFrame : nullptr; }) != nullptr;
    }

    TempFolder m_editor;
    char m_szSideBar[64] = "";
};

} // namespace

TEST_F(FloatingSideBarProgramTest, TheFloatedSideBarFollowsTheMouseExactlyAndStaysAboveTheMainWindow)
{
    {
        Process editor;
        HWND hFrame = nullptr;
        ASSERT_TRUE(StartEditor(editor, hFrame));
        HWND hSideBar = FindSideBar(hFrame);
        ASSERT_NE(nullptr, hSideBar);

        // Off its side by its caption, into the middle of the main window, once
        // the frame has laid it out.
        const CRect rectFrame = WindowRect(hFrame);
        auto captionPoint = [&] { return CPoint(WindowRect(hSideBar).CenterPoint().x, WindowRect(hSideBar).top + 6); };
        ASSERT_TRUE(StaysOnTopAt(hSideBar, captionPoint()));
        toolkit_test::Drag(captionPoint(), rectFrame.CenterPoint());
        HWND hFloat = WaitFor([&] {
            HWND hRoot = ::GetAncestor(hSideBar, GA_ROOT);
            return hRoot != hFrame && ::IsWindowVisible(hRoot) ? hRoot : nullptr;
        });
        ASSERT_NE(nullptr, hFloat);
        EXPECT_EQ(hFrame, ::GetWindow(hFloat, GW_OWNER));
        ::GetWindowTextA(hSideBar, m_szSideBar, sizeof(m_szSideBar));

        // Its frame dragged by the caption moves as far as the mouse, each time.
        for (int nDrag = 0; nDrag < 2; ++nDrag)
        {
            SCOPED_TRACE(nDrag);
            DragByCaption(hFloat, CPoint(60, 40));
        }

        // A click into the main window beside the floating frame leaves the frame on top.
        const CRect rectFloat = WindowRect(hFloat);
        toolkit_test::Click(CPoint(rectFloat.right + 40 < rectFrame.right ? rectFloat.right + 40 : rectFloat.left - 40,
                                   rectFloat.CenterPoint().y));
        EXPECT_TRUE(StaysOnTopAt(hFloat, rectFloat.CenterPoint()));
        EXPECT_TRUE(editor.CloseAndWait(hFrame));
    }

    // The next start brings it back floating, on top and moved by its caption.
    Process editor;
    HWND hFrame = nullptr;
    ASSERT_TRUE(StartEditor(editor, hFrame));
    HWND hFloat = FindFloatingFrame(hFrame, m_szSideBar);
    ASSERT_NE(nullptr, hFloat);
    EXPECT_TRUE(StaysOnTopAt(hFloat, WindowRect(hFloat).CenterPoint()));
    DragByCaption(hFloat, CPoint(60, 40));
    EXPECT_TRUE(editor.CloseAndWait(hFrame));
}
