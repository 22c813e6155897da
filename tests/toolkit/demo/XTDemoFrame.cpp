#include "XTDemoFrame.h"

#include "XTDemoResource.h"
#include "XTResource.h"

#include "toolkit/frame/XTBarSplitter.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTRowSplitter.h"

#include "framework/MDIChildWnd.h"

#include <fstream>
#include <vector>

BOOL CXTDemoFrame::Build(const CRect& rect)
{
    if (!Create(nullptr, "Tarnix Toolkit", WS_OVERLAPPEDWINDOW, rect, nullptr, MAKEINTRESOURCEA(IDR_XTDEMO)))
        return FALSE;

    const UINT indicators[] = { ID_SEPARATOR, ID_XTDEMO_TILE };
    if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(indicators, 2))
        return FALSE;
    m_wndStatus.SetPaneInfo(1, ID_XTDEMO_TILE, SBPS_NORMAL, 80);

    EnableDocking(CBRS_ALIGN_ANY);

    // The edit commands' bar the toolkit carries.
    if (!m_wndTools.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_GRIPPER,
                             CRect(0, 0, 0, 0), IDW_XTDEMO_TOOLS) ||
        !m_wndTools.LoadToolBar(XT_IDR_EDITMENU))
        return FALSE;
    m_wndTools.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndTools, XT_IDW_DOCKBAR_TOP);

    // "Eins" first; "Zwei" dropped just below its top joins its row.
    if (!m_wndEins.Create(this, IDW_XTDEMO_EINS, "Eins", 180, 200, WS_CHILD | WS_VISIBLE | CBRS_LEFT))
        return FALSE;
    if (!m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 0, 0),
                       &m_wndEins, 100))
        return FALSE;
    HTREEITEM hRoot = m_tree.InsertItem("Projekt");
    m_tree.InsertItem("Seite 1", hRoot);
    m_tree.InsertItem("Seite 2", hRoot);
    m_wndEins.SetChild(&m_tree);
    m_wndEins.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndEins, XT_IDW_DOCKBAR_LEFT);
    RecalcLayout();

    if (!m_wndZwei.Create(this, IDW_XTDEMO_ZWEI, "Zwei", 180, 200, WS_CHILD | WS_VISIBLE | CBRS_LEFT))
        return FALSE;
    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 0, 0), &m_wndZwei, 101))
        return FALSE;
    m_edit.SetWindowText("Notizen");
    m_wndZwei.SetChild(&m_edit);
    m_wndZwei.EnableDocking(CBRS_ALIGN_ANY);
    CRect rectEins;
    m_wndEins.GetWindowRect(&rectEins);
    rectEins.OffsetRect(0, 10);
    DockControlBar(&m_wndZwei, XT_IDW_DOCKBAR_LEFT, &rectEins);
    RecalcLayout();
    // Equal lengths that no longer fill the row: the next layout shares it.
    m_wndEins.SetBarSize(CSize(180, 100));
    m_wndZwei.SetBarSize(CSize(180, 100));

    if (!m_wndTabs.Create(this, IDW_XTDEMO_TABS, "Register", 200, 200, WS_CHILD | WS_VISIBLE | CBRS_RIGHT))
        return FALSE;
    CWnd* pTabCtrl = &m_wndTabs.GetTabCtrl();
    if (!m_list.Create(WS_CHILD | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 0, 0), pTabCtrl, 102) ||
        !m_note.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 0, 0), pTabCtrl, 103))
        return FALSE;
    m_list.AddString("Eintrag");
    if (!m_wndTabs.AddControl("Liste", &m_list) || !m_wndTabs.AddControl("Notiz", &m_note))
        return FALSE;
    m_wndTabs.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndTabs, XT_IDW_DOCKBAR_RIGHT);

    CMDIChildWnd* pChild = new CMDIChildWnd;
    if (!pChild->Create(nullptr, "Dokument", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(10, 10, 300, 250),
                        this))
        return FALSE;
    m_hWndChild = pChild->m_hWnd;
    // The client makes its children hidden; showing one is the frame's part.
    pChild->ShowWindow(SW_SHOW);
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)m_hWndChild, 0);

    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    Settle();
    return TRUE;
}

void CXTDemoFrame::Settle()
{
    for (int nRound = 0; nRound < 3; ++nRound)
    {
        RecalcLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(50);
    }
}

void CXTDemoFrame::FloatZwei()
{
    CRect rect;
    GetWindowRect(&rect);
    FloatControlBar(&m_wndZwei, CPoint(rect.left + 300, rect.top + 200));
    Settle();
}

BOOL CXTDemoFrame::DragLeftSplitter(BOOL bBarSplitter, int nOffset)
{
    CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(GetControlBar(XT_IDW_DOCKBAR_LEFT));
    if (pDockBar == nullptr)
        return FALSE;
    CXTRowSplitter* pSplitter = nullptr;
    for (CXTRowSplitter* p : pDockBar->m_arrTrackers)
        if ((dynamic_cast<CXTBarSplitter*>(p) != nullptr) == bBarSplitter)
        {
            pSplitter = p;
            break;
        }
    if (pSplitter == nullptr)
        return FALSE;
    CPoint point = pSplitter->m_rect.CenterPoint();
    pDockBar->ClientToScreen(&point);
    if (pDockBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)) != HTBORDER)
        return FALSE;
    ::SetCursorPos(point.x, point.y);
    pDockBar->SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(point.x, point.y));
    // Across a row splitter the row grows; along the row the next window does.
    if (bBarSplitter)
        point.y += nOffset;
    else
        point.x += nOffset;
    ::SetCursorPos(point.x, point.y);
    pDockBar->ScreenToClient(&point);
    pDockBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    pDockBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    Settle();
    return TRUE;
}

CRect CXTDemoFrame::InClient(HWND hWnd, const RECT& rect) const
{
    CRect result(rect);
    ::MapWindowPoints(hWnd, m_hWnd, (LPPOINT)&result, 2);
    return result;
}

namespace {

void Put(std::ofstream& out, const char* pszWhat, const std::vector<long>& values, const CRect& rect)
{
    out << pszWhat;
    for (long n : values)
        out << ' ' << n;
    out << ' ' << rect.left << ' ' << rect.top << ' ' << rect.right << ' ' << rect.bottom << '\n';
}

} // namespace

BOOL CXTDemoFrame::WriteReport(const std::string& strPath)
{
    std::ofstream out(strPath, std::ios::trunc);
    if (!out)
        return FALSE;
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CPoint origin(0, 0);
    ClientToScreen(&origin);
    out << "origin " << origin.x - rectWindow.left << ' ' << origin.y - rectWindow.top << '\n';
    Put(out, "frame", {}, rectClient);

    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!pBar->IsWindowVisible())
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        ScreenToClient(&rect);
        HWND hWndParent = ::GetParent(pBar->m_hWnd);
        long nDockBarID = hWndParent == m_hWnd ? 0 : ::GetDlgCtrlID(hWndParent);
        Put(out, "bar", { (long)pBar->GetDlgCtrlID(), nDockBarID }, rect);
    }
    CRect rectMDI;
    ::GetWindowRect(m_hWndMDIClient, &rectMDI);
    ScreenToClient(&rectMDI);
    Put(out, "mdi", {}, rectMDI);
    if (::IsWindow(m_hWndChild) && ::IsWindowVisible(m_hWndChild))
    {
        CRect rectChild;
        ::GetWindowRect(m_hWndChild, &rectChild);
        ScreenToClient(&rectChild);
        Put(out, "child", {}, rectChild);
    }

    for (CXTDockWindow* pWindow : { &m_wndEins, &m_wndZwei, static_cast<CXTDockWindow*>(&m_wndTabs) })
    {
        if (pWindow->IsFloating() || !pWindow->IsWindowVisible())
            continue;
        CRect rect;
        pWindow->GetGripperRect(rect);
        Put(out, "grip", { (long)pWindow->GetDlgCtrlID() }, InClient(pWindow->m_hWnd, rect));
    }
    for (UINT nID : { XT_IDW_DOCKBAR_LEFT, XT_IDW_DOCKBAR_RIGHT })
    {
        CXTDockBar* pDockBar = dynamic_cast<CXTDockBar*>(GetControlBar(nID));
        if (pDockBar == nullptr)
            continue;
        for (CXTRowSplitter* pSplitter : pDockBar->m_arrTrackers)
        {
            long nKind = dynamic_cast<CXTBarSplitter*>(pSplitter) != nullptr ? 1 : 0;
            Put(out, "splitter", { (long)nID, nKind }, InClient(pDockBar->m_hWnd, pSplitter->m_rect));
        }
    }
    HWND hWndTabs = m_wndTabs.GetTabCtrl().m_hWnd;
    const int nTabs = (int)::SendMessageA(hWndTabs, TCM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < nTabs; ++i)
    {
        CRect rect;
        if (::SendMessageA(hWndTabs, TCM_GETITEMRECT, i, (LPARAM)&rect))
            Put(out, "tab", { (long)i }, InClient(hWndTabs, rect));
    }
    for (int i = 0; i < 2; ++i)
    {
        CRect rect;
        m_wndStatus.GetItemRect(i, &rect);
        Put(out, "pane", { (long)i }, InClient(m_wndStatus.m_hWnd, rect));
    }
    out << "end\n";
    return out.good() ? TRUE : FALSE;
}

BOOL CXTDemoFrame::WriteBitmap(const std::string& strPath)
{
    CRect rect;
    GetWindowRect(&rect);
    const int cx = rect.Width(), cy = rect.Height();
    if (cx <= 0 || cy <= 0)
        return FALSE;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;   // bottom-up, as the file keeps it
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    BOOL bOk = hBitmap != nullptr;
    if (bOk)
    {
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        bOk = ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rect.left, rect.top, SRCCOPY);
        ::GdiFlush();
        ::SelectObject(hMem, hOld);
    }
    const DWORD nStride = ((DWORD)cx * 3 + 3) & ~3u;
    const DWORD nImage = nStride * (DWORD)cy;
    if (bOk)
    {
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        bfh.bfSize = bfh.bfOffBits + nImage;
        bmi.bmiHeader.biSizeImage = nImage;
        std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(&bfh), sizeof(bfh));
        out.write(reinterpret_cast<const char*>(&bmi.bmiHeader), sizeof(BITMAPINFOHEADER));
        out.write(static_cast<const char*>(pBits), nImage);
        bOk = out.good();
    }
    if (hBitmap != nullptr)
        ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return bOk;
}
