#include "XTDemoFrame.h"

#include "XTDemoResource.h"
#include "XTResource.h"

#include "toolkit/bars/XTAccelManager.h"
#include "toolkit/bars/XTCustAccelerators.h"
#include "toolkit/bars/XTCustomizeSheet.h"
#include "toolkit/bars/XTExpMenuWnd.h"
#include "toolkit/bars/XTCustomToolBar.h"
#include "toolkit/bars/XTMenuBar.h"
#include "toolkit/bars/XTPersonalOptions.h"
#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/bars/XTCustTools.h"
#include "toolkit/controls/XTColorPopupWnd.h"
#include "toolkit/controls/XTExpButton.h"
#include "toolkit/frame/XTBarSplitter.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTDockBar.h"
#include "toolkit/frame/XTRowSplitter.h"

#include "framework/Dialog.h"
#include "../XTRealInput.h"
#include "framework/MDIChildWnd.h"
#include "framework/ProgramStart.h"
#include "framework/WinApp.h"

#include <fstream>
#include <vector>

// void OnColor(); void OnCount(); void OnUpdateColor(CCmdUI*)
BEGIN_MESSAGE_MAP(CXTDemoFrame, CXTMDIFrameWnd)
    ON_COMMAND(ID_XTDEMO_COLOR, OnColor)
    ON_COMMAND(ID_XTDEMO_COUNT, OnCount)
    ON_UPDATE_COMMAND_UI(ID_XTDEMO_COLOR, OnUpdateColor)
END_MESSAGE_MAP()


using namespace toolkit_test;

BOOL CXTDemoFrame::Build(const CRect& rect)
{
    if (!Create(nullptr, "Tarnix Toolkit", WS_OVERLAPPEDWINDOW, rect, nullptr, MAKEINTRESOURCEA(IDR_XTDEMO)))
        return FALSE;

    const UINT indicators[] = { ID_SEPARATOR, ID_XTDEMO_TILE };
    if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(indicators, 2))
        return FALSE;
    m_wndStatus.SetPaneInfo(1, ID_XTDEMO_TILE, SBPS_NORMAL, 80);

    EnableDocking(CBRS_ALIGN_ANY);

    // The menu bar with the user's tools before "&Fenster".
    GetToolsManager().Enable(nullptr, 2, 2);
    CXTMenuBar* pMenuBar = dynamic_cast<CXTMenuBar*>(GetFrameHelper().GetMenuBar());
    if (pMenuBar == nullptr ||
        !pMenuBar->Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC, XT_IDW_MENUBAR) ||
        !pMenuBar->LoadMenuBar(IDR_XTDEMO))
        return FALSE;
    pMenuBar->EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(pMenuBar, XT_IDW_DOCKBAR_TOP);

    // The edit commands' bar the toolkit carries, customisable: its stored
    // button set comes back when docking is enabled.
    if (!m_wndTools.CreateEx(this, TBSTYLE_FLAT | CCS_ADJUSTABLE | TBSTYLE_ALTDRAG,
                             WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_GRIPPER, CRect(0, 0, 0, 0), IDW_XTDEMO_TOOLS) ||
        !m_wndTools.LoadToolBar(XT_IDR_EDITMENU))
        return FALSE;
    m_wndTools.SetWindowText("Bearbeiten");
    m_wndTools.RegisterCustomize(TRUE);
    m_wndTools.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndTools, XT_IDW_DOCKBAR_TOP);

    // A colour button with its drop-down.
    const UINT nColor = ID_XTDEMO_COLOR;
    if (!m_wndColors.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_GRIPPER,
                              CRect(0, 0, 0, 0), IDW_XTDEMO_COLORS) ||
        !m_wndColors.LoadToolBar(XT_IDR_EDITMENU) || !m_wndColors.SetButtons(&nColor, 1))
        return FALSE;
    m_wndColors.SetWindowText("Farben");
    if (CXTButtonInfo* pInfo = m_wndColors.AddDropDown(ID_XTDEMO_COLOR, TRUE))
    {
        pInfo->bColorPopup = TRUE;
        pInfo->bColorBar = TRUE;
        pInfo->dwPopupStyle = CPS_XT_MORECOLORS;
        pInfo->clrSelected = RGB(255, 0, 0);
        pInfo->clrDefault = RGB(0, 0, 0);
    }
    m_wndColors.EnableDocking(CBRS_ALIGN_ANY);
    RecalcLayout();
    CRect rcTools;
    m_wndTools.GetWindowRect(&rcTools);
    rcTools.OffsetRect(rcTools.Width() + 4, 0);
    DockControlBar(&m_wndColors, XT_IDW_DOCKBAR_TOP, &rcTools);

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

    // Shortcuts the user may change; the stored ones come back.
    CXTAccelManager& accel = GetAccelManager();
    accel.SetEnabled(TRUE);
    accel.Bind(this);

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
        // What the message loop does when it runs dry: floating frames show.
        AfxGetApp()->OnIdle(0);
        AfxGetApp()->OnIdle(1);
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
    // The tool bar's buttons, the user's bars and the shadow option.
    out << "buttons " << (long)IDW_XTDEMO_TOOLS;
    for (int i = 0; i < m_wndTools.GetCount(); ++i)
        out << ' ' << (long)m_wndTools.GetItemID(i);
    out << '\n';
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
        if (auto* pBar = dynamic_cast<CXTCustomToolBar*>(static_cast<CControlBar*>(m_listControlBars.GetNext(pos))))
            out << "userbar " << pBar->GetDlgCtrlID() << ' ' << (LPCSTR)pBar->GetName() << '\n';
    out << "count " << m_nCount << '\n';
    HMENU hTools = ToolsPopup();
    for (int i = 0; hTools != nullptr && i < ::GetMenuItemCount(hTools); ++i)
    {
        char szText[128] = "";
        ::GetMenuStringA(hTools, i, szText, sizeof(szText), MF_BYPOSITION);
        out << "toolsmenu " << ::GetMenuItemID(hTools, i) << ' ' << szText << '\n';
    }
    for (const std::string& strStart : m_starts)
        out << "started " << strStart << '\n';
    out << "option shadows " << (int)GetPersonalOptions().Get(CXTPersonalOptions::menuShadows) << '\n';
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

BOOL CXTDemoFrame::AltDragOff(int nIndex)
{
    CRect rcButton;
    if (nIndex < 0 || nIndex >= m_wndTools.GetCount())
        return FALSE;
    m_wndTools.GetItemRect(nIndex, &rcButton);
    m_wndTools.ClientToScreen(&rcButton);
    CRect rcClient;
    ::GetWindowRect(m_hWndMDIClient, &rcClient);
    CPoint ptFrom = rcButton.CenterPoint(), ptTo = rcClient.CenterPoint();
    std::vector<INPUT> inputs = { MouseInput(0, ptFrom), KeyInput(VK_MENU, FALSE), MouseInput(MOUSEEVENTF_LEFTDOWN, ptFrom) };
    for (int i = 1; i <= 8; ++i)
        inputs.push_back(MouseInput(0, CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / 8, ptFrom.y + (ptTo.y - ptFrom.y) * i / 8)));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP, ptTo));
    // A Shift tap keeps the Alt release from opening the menu.
    inputs.push_back(KeyInput(VK_SHIFT, FALSE));
    inputs.push_back(KeyInput(VK_SHIFT, TRUE));
    inputs.push_back(KeyInput(VK_MENU, TRUE));
    const int nBefore = m_wndTools.GetCount();
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    for (int i = 0; i < 100 && m_wndTools.GetCount() == nBefore; ++i)
        PumpFor(20);
    Settle();
    return m_wndTools.GetCount() == nBefore - 1;
}

void CXTDemoFrame::ClickOn(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    Click(rect.CenterPoint());
}

void CXTDemoFrame::RunSheet(const std::function<void(CPropertySheet*)>& script)
{
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog* pDlg) {
        if (CPropertySheet* pSheet = dynamic_cast<CPropertySheet*>(pDlg))
        {
            script(pSheet);
            if (pSheet->m_hWnd != nullptr)
                pSheet->PostMessage(WM_COMMAND, IDCANCEL);
        }
    });
    SendMessage(WM_COMMAND, XT_IDC_CUSTOMIZE);
    CDialog::SetModalHook(previous);
    Settle();
}

BOOL CXTDemoFrame::NewBarInSheet(const std::string& strName)
{
    BOOL bNamed = FALSE;
    RunSheet([&](CPropertySheet* pSheet) {
        pSheet->SetActivePage(0);
        CWnd* pPage = pSheet->GetActivePage();
        CDialog::ModalHook sheetHook = CDialog::SetModalHook([&](CDialog* pDlg) {
            pDlg->SetDlgItemText(XT_IDC_TOOLBARNAME, strName.c_str());
            pDlg->SendMessage(WM_COMMAND, IDOK);
            bNamed = TRUE;
        });
        ClickOn(pPage->GetDlgItem(XT_IDC_BTN_NEW));
        PumpUntil([&] { return bNamed != FALSE; });
        CDialog::SetModalHook(sheetHook);
    });
    return bNamed;
}

BOOL CXTDemoFrame::SetShadowOption()
{
    BOOL bSet = FALSE;
    RunSheet([&](CPropertySheet* pSheet) {
        pSheet->SetActivePage(pSheet->GetPageCount() - 1);
        CWnd* pPage = pSheet->GetActivePage();
        CWnd* pCheck = pPage != nullptr ? pPage->GetDlgItem(XT_IDC_CHK_MENUSHADOWS) : nullptr;
        if (pCheck == nullptr)
            return;
        const LRESULT nChecked = pCheck->SendMessage(BM_GETCHECK);
        ClickOn(pCheck);
        bSet = PumpUntil([&] { return pCheck->SendMessage(BM_GETCHECK) != nChecked; });
    });
    return bSet;
}

BOOL CXTDemoFrame::WriteScreen(const std::string& strPath, const CRect& rect)
{
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = rect.Width();
    bmi.bmiHeader.biHeight = rect.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    BOOL bResult = FALSE;
    if (hBitmap != nullptr)
    {
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::BitBlt(hMem, 0, 0, rect.Width(), rect.Height(), hScreen, rect.left, rect.top, SRCCOPY);
        ::SelectObject(hMem, hOld);
        const DWORD dwStride = ((DWORD)rect.Width() * 3 + 3) & ~3u;
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfOffBits = sizeof(bfh) + sizeof(BITMAPINFOHEADER);
        bfh.bfSize = bfh.bfOffBits + dwStride * (DWORD)rect.Height();
        std::ofstream out(strPath, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&bfh), sizeof(bfh));
        out.write(reinterpret_cast<const char*>(&bmi.bmiHeader), sizeof(BITMAPINFOHEADER));
        out.write(static_cast<const char*>(pBits), (std::streamsize)(dwStride * (DWORD)rect.Height()));
        bResult = out.good();
        ::DeleteObject(hBitmap);
    }
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return bResult;
}

BOOL CXTDemoFrame::OpenColorPopup(const std::string& strBitmap)
{
    CRect rcButton;
    m_wndColors.GetItemRect(0, &rcButton);
    m_wndColors.ClientToScreen(&rcButton);
    // The arrow part of the button.
    CPoint pt(rcButton.right - 4, rcButton.CenterPoint().y);
    std::vector<INPUT> inputs = { MouseInput(0, pt), MouseInput(MOUSEEVENTF_LEFTDOWN, pt), MouseInput(MOUSEEVENTF_LEFTUP, pt) };
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    HWND hPopup = nullptr;
    for (int i = 0; i < 100 && hPopup == nullptr; ++i)
    {
        PumpFor(20);
        HWND hCapture = ::GetCapture();
        if (hCapture != nullptr && dynamic_cast<CXTColorPopupWnd*>(CWnd::FromHandlePermanent(hCapture)) != nullptr)
            hPopup = hCapture;
    }
    if (hPopup == nullptr)
        return FALSE;
    PumpFor(100);
    CRect rcPopup;
    ::GetWindowRect(hPopup, &rcPopup);
    rcPopup.UnionRect(&rcPopup, &rcButton);
    rcPopup.InflateRect(10, 10);
    BOOL bWritten = WriteScreen(strBitmap, rcPopup);
    ::SendMessageA(hPopup, WM_KEYDOWN, VK_ESCAPE, 1);
    PumpFor(50);
    return bWritten && !::IsWindow(hPopup);
}

BOOL CXTDemoFrame::OpenChevronPopup(const std::string& strBitmap)
{
    // Narrower than the top row, and the tool bar at the row's end: it hides buttons.
    CRect rcFrame;
    GetWindowRect(&rcFrame);
    ShowControlBar(&m_wndColors, FALSE, FALSE);
    CRect rcTools;
    m_wndTools.GetWindowRect(&rcTools);
    SetWindowPos(nullptr, 0, 0, rcTools.Width() - 20, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    CXTExpButton* pChevron = m_wndTools.GetChevron();
    if (pChevron == nullptr || !m_wndTools.HasHiddenButtons())
        return FALSE;
    CRect rcChevron;
    pChevron->GetWindowRect(&rcChevron);
    CPoint pt = rcChevron.CenterPoint();
    std::vector<INPUT> inputs = { MouseInput(0, pt), MouseInput(MOUSEEVENTF_LEFTDOWN, pt), MouseInput(MOUSEEVENTF_LEFTUP, pt) };
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    for (int i = 0; i < 100 && pChevron->GetPopup() == nullptr; ++i)
        PumpFor(20);
    CWnd* pPopup = (CWnd*)pChevron->GetPopup();
    if (pPopup == nullptr)
        return FALSE;
    PumpFor(100);
    CRect rcPopup;
    pPopup->GetWindowRect(&rcPopup);
    rcPopup.UnionRect(&rcPopup, &rcChevron);
    rcPopup.InflateRect(10, 10);
    BOOL bWritten = WriteScreen(strBitmap, rcPopup);
    pChevron->ClosePopup();
    SetWindowPos(nullptr, 0, 0, rcFrame.Width(), rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER);
    ShowControlBar(&m_wndColors, TRUE, FALSE);
    Settle();
    return bWritten;
}

BOOL CXTDemoFrame::AssignCtrlK()
{
    BOOL bAssigned = FALSE;
    RunSheet([&](CPropertySheet* pSheet) {
        CXTCustAccelerators* pPage = nullptr;
        for (int i = 0; i < pSheet->GetPageCount() && pPage == nullptr; ++i)
            if ((pPage = dynamic_cast<CXTCustAccelerators*>(pSheet->GetPage(i))) != nullptr)
                pSheet->SetActivePage(i);
        if (pPage == nullptr || pPage->m_hWnd == nullptr)
            return;
        // "Zählen" in the Extras category.
        CComboBox* pCombo = static_cast<CComboBox*>(pPage->GetDlgItem(XT_IDC_COMBO_CATEGORY));
        for (int i = 0; i < pCombo->GetCount(); ++i)
        {
            CString strText;
            pCombo->GetLBText(i, strText);
            if (strText.Find("Extras") >= 0)
            {
                pCombo->SetCurSel(i);
                pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_COMBO_CATEGORY, CBN_SELCHANGE), (LPARAM)pCombo->m_hWnd);
            }
        }
        CListBox& commands = pPage->GetCommandList();
        for (int i = 0; i < commands.GetCount(); ++i)
            if (commands.GetItemData(i) == ID_XTDEMO_COUNT)
            {
                commands.SetCurSel(i);
                pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_LIST_KEYCOMMANDS, LBN_SELCHANGE), (LPARAM)commands.m_hWnd);
            }
        pPage->GetShortcutEdit().SetFocus();
        SendAll({ KeyInput(VK_CONTROL, FALSE), KeyInput('K', FALSE), KeyInput('K', TRUE), KeyInput(VK_CONTROL, TRUE) });
        CString strShown;
        pPage->GetShortcutEdit().GetWindowText(strShown);
        CWnd* pAssign = pPage->GetDlgItem(XT_IDC_BTN_ASSIGN);
        if (strShown != "Ctrl+K" || !pAssign->IsWindowEnabled())
            return;
        ClickOn(pAssign);
        bAssigned = PumpUntil([&] { return pPage->GetKeyList().GetCount() > 0; });
    });
    return bAssigned;
}

void CXTDemoFrame::PressCtrlK()
{
    SetForegroundWindow();
    ::SetFocus(m_hWnd);
    std::vector<INPUT> inputs = { KeyInput(VK_CONTROL, FALSE), KeyInput('K', FALSE), KeyInput('K', TRUE),
                                  KeyInput(VK_CONTROL, TRUE) };
    ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 300)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!AfxGetApp()->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        ::Sleep(5);
    }
}

BOOL CXTDemoFrame::AddToolInSheet(const std::string& strTitle)
{
    char szProgram[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szProgram, sizeof(szProgram));
    std::string strFolder(szProgram);
    strFolder.erase(strFolder.find_last_of('\\') + 1);
    RunSheet([&](CPropertySheet* pSheet) {
        CXTCustTools* pPage = nullptr;
        for (int i = 0; i < pSheet->GetPageCount() && pPage == nullptr; ++i)
            if ((pPage = dynamic_cast<CXTCustTools*>(pSheet->GetPage(i))) != nullptr)
                pSheet->SetActivePage(i);
        if (pPage == nullptr || pPage->m_hWnd == nullptr)
            return;
        // What the list does when the user types a new entry's name.
        CListBox& list = pPage->GetList();
        list.SetCurSel(list.AddString(strTitle.c_str()));
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(XT_IDC_LIST_TOOLS, XT_LBN_NEWITEM), (LPARAM)list.m_hWnd);
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLCOMMAND, szProgram);
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLARGS, "--tool-args");
        pPage->SetDlgItemText(XT_IDC_EDIT_TOOLDIR, strFolder.c_str());
    });
    return FindToolCommand(strTitle) != 0;
}

HMENU CXTDemoFrame::ToolsPopup() const
{
    IXTMenuBar* pMenuBar = const_cast<CXTDemoFrame*>(this)->GetFrameHelper().GetMenuBar();
    HMENU hMenu = pMenuBar != nullptr ? pMenuBar->GetMenuBarMenu() : nullptr;
    for (int i = 0; hMenu != nullptr && i < ::GetMenuItemCount(hMenu); ++i)
    {
        char szText[64] = "";
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        if (lstrcmpA(szText, "&Tools") == 0)
            return ::GetSubMenu(hMenu, i);
    }
    return nullptr;
}

UINT CXTDemoFrame::FindToolCommand(const std::string& strTitle) const
{
    HMENU hTools = ToolsPopup();
    for (int i = 0; hTools != nullptr && i < ::GetMenuItemCount(hTools); ++i)
    {
        char szText[128] = "";
        ::GetMenuStringA(hTools, i, szText, sizeof(szText), MF_BYPOSITION);
        if (strTitle == szText)
            return ::GetMenuItemID(hTools, i);
    }
    return 0;
}

BOOL CXTDemoFrame::RunTool(const std::string& strTitle)
{
    const UINT nID = FindToolCommand(strTitle);
    if (nID == 0)
        return FALSE;
    AfxProgramStarter previous = AfxSetProgramStarter([&](const AFX_PROGRAM_START& start) -> INT_PTR {
        m_starts.push_back(std::string(start.strFile) + "|" + (LPCSTR)start.strParameters + "|" +
                           (LPCSTR)start.strDirectory);
        return 33;
    });
    SendMessage(WM_COMMAND, nID);
    AfxSetProgramStarter(previous);
    return !m_starts.empty();
}
