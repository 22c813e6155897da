// The real TarnixEd.exe with real mouse input and no window kept on top: the
// side bar dragged off its side floats, its floating frame follows the mouse
// exactly, stays above the main window when the main window is clicked, and
// comes back floating, on top and draggable at the next start.
#include "EditorTesting.h"
#include "ProgramRun.h"

#include "editor/resource.h"
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

// The side bar, docked on the frame's left dock bar. The object bar docks
// there too: the side bar is known by its id, not by its place among the
// dock bar's children, which the program does not keep.
HWND FindSideBar(HWND hFrame)
{
    return WaitFor([&] {
        HWND hDockBar = ::GetDlgItem(hFrame, AFX_IDW_DOCKBAR_LEFT);
        HWND hBar = hDockBar != nullptr ? ::GetDlgItem(hDockBar, ID_VIEW_EXPLORER) : nullptr;
        return hBar != nullptr && ::IsWindowVisible(hBar) ? hBar : nullptr;
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
    // Starts the editor as above and finds its side bar.
    bool StartEditor(Process& editor, HWND& hFrame, HWND& hSideBar)
    {
        hSideBar = StartEditor(editor, hFrame) ? FindSideBar(hFrame) : nullptr;
        return hSideBar != nullptr;
    }

    TempFolder m_editor;
    char m_szSideBar[64] = "";
};

} // namespace

TEST_F(FloatingSideBarProgramTest, TheFloatedSideBarFollowsTheMouseExactlyAndStaysAboveTheMainWindow)
{
    {
        Process editor;
        HWND hFrame = nullptr, hSideBar = nullptr;
        ASSERT_TRUE(StartEditor(editor, hFrame, hSideBar));

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

// With the main tool bar floating over the canvas, the side bar dragged off
// its side floats too, and the tool bar's frame is still seen above the main
// window: the new frame does not put the main window over the one before it.
TEST_F(FloatingSideBarProgramTest, TheSideBarFloatedAfterTheToolBarLeavesTheToolBarsFrameOnTop)
{
    Process editor;
    HWND hFrame = nullptr, hSideBar = nullptr;
    ASSERT_TRUE(StartEditor(editor, hFrame, hSideBar));
    HWND hToolBar = WaitFor([&] {
        HWND hDockBar = ::GetDlgItem(hFrame, AFX_IDW_DOCKBAR_TOP);
        HWND hBar = hDockBar != nullptr ? ::GetDlgItem(hDockBar, AFX_IDW_TOOLBAR) : nullptr;
        return hBar != nullptr && ::IsWindowVisible(hBar) ? hBar : nullptr;
    });
    ASSERT_NE(nullptr, hToolBar);
    // The floating frame the bar ends in, under the point where the button
    // came up: a tool bar moves itself on the way, through other frames.
    auto floatingFrameOf = [&](HWND hBar, CPoint ptDrop) {
        return WaitFor([&] {
            HWND hRoot = ::GetAncestor(hBar, GA_ROOT);
            return hRoot != hFrame && ::IsWindowVisible(hRoot) && WindowRect(hRoot).PtInRect(ptDrop) ? hRoot : nullptr;
        });
    };

    // The tool bar by its gripper into the canvas's lower part, clear of the
    // left dock bar.
    const CRect rectFrame = WindowRect(hFrame);
    const CPoint ptGrip(WindowRect(hToolBar).left + 3, WindowRect(hToolBar).CenterPoint().y);
    ASSERT_TRUE(StaysOnTopAt(hToolBar, ptGrip));
    const CPoint ptToolDrop(rectFrame.CenterPoint().x - 100, rectFrame.bottom - 150);
    toolkit_test::Drag(ptGrip, ptToolDrop);
    HWND hToolFloat = floatingFrameOf(hToolBar, ptToolDrop);
    ASSERT_NE(nullptr, hToolFloat);
    const CRect rectToolFloat = WindowRect(hToolFloat);
    ASSERT_TRUE(StaysOnTopAt(hToolFloat, rectToolFloat.CenterPoint()));

    // The side bar by its caption into the canvas's upper part.
    const CPoint ptCaption(WindowRect(hSideBar).CenterPoint().x, WindowRect(hSideBar).top + 6);
    ASSERT_TRUE(StaysOnTopAt(hSideBar, ptCaption));
    const CPoint ptSideDrop(rectFrame.CenterPoint().x, rectFrame.top + 160);
    toolkit_test::Drag(ptCaption, ptSideDrop);
    HWND hSideFloat = floatingFrameOf(hSideBar, ptSideDrop);
    ASSERT_NE(nullptr, hSideFloat);
    ASSERT_NE(hToolFloat, hSideFloat);

    // What the user sees where the tool bar floats (and the side bar does
    // not): the tool bar's frame, not the main window.
    const CRect rectSideFloat = WindowRect(hSideFloat);
    CPoint ptTool(-1, -1);
    for (const CPoint pt : { rectToolFloat.CenterPoint(), CPoint(rectToolFloat.left + 8, rectToolFloat.CenterPoint().y),
                             CPoint(rectToolFloat.right - 8, rectToolFloat.CenterPoint().y) })
        if (ptTool.x < 0 && !rectSideFloat.PtInRect(pt))
            ptTool = pt;
    ASSERT_GE(ptTool.x, 0);
    EXPECT_TRUE(StaysOnTopAt(hToolFloat, ptTool));
    EXPECT_TRUE(StaysOnTopAt(hSideFloat, rectSideFloat.CenterPoint()));
    EXPECT_TRUE(editor.CloseAndWait(hFrame));
}
