#include "toolkit/controls/XTResizePropertySheet.h"

#include "toolkit/controls/XTPaintFlickerFree.h"
#include "toolkit/frame/XTGlobalData.h"

#include "framework/Menu.h"
#include "framework/PropertyPage.h"

IMPLEMENT_DYNAMIC(CXTResizePropertySheet, CPropertySheet)

namespace {

const UINT kIDTabCtrl = 12320;
const UINT kIDApply = 12321;
const UINT kIDWizBack = 12323;
const UINT kIDWizFinish = 12325;
const UINT kIDWizLine = 12326;

// The sheet's tab control, painted off screen so that a growing sheet does not flicker.
class CFlickerFreeTab : public CWnd
{
protected:
    void OnPaint()
    {
        XTPaintFlickerFree(this, xtAfxData.m_clr3DFace);
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFlickerFreeTab, CWnd)
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CString SystemMenuText(CMenu* pMenu, UINT nID, LPCSTR pszFallback)
{
    char szText[128] = {};
    if (pMenu != nullptr && ::GetMenuStringA(pMenu->m_hMenu, nID, szText, (int)sizeof(szText), MF_BYCOMMAND) > 0)
        return szText;
    return pszFallback;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTResizePropertySheet, CPropertySheet)
    // void OnSize(UINT nType, int cx, int cy)
    ON_WM_SIZE()
    // void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    ON_WM_GETMINMAXINFO()
    // void OnDestroy()
    ON_WM_DESTROY()
    // LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(XT_WM_SHEETPAGECHANGED, OnPageChanged)
END_MESSAGE_MAP()

CXTResizePropertySheet::CXTResizePropertySheet() : CXTResizeLayout(this), m_pGlobalData(&xtAfxData)
{
}

CXTResizePropertySheet::CXTResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFlags)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage), CXTResizeLayout(this, nFlags), m_pGlobalData(&xtAfxData)
{
}

CXTResizePropertySheet::CXTResizePropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFlags)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), CXTResizeLayout(this, nFlags), m_pGlobalData(&xtAfxData)
{
}

CXTResizePropertySheet::~CXTResizePropertySheet() = default;

LRESULT CXTResizePropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        ModifyStyle(0, WS_THICKFRAME, SWP_FRAMECHANGED);
        LRESULT lResult = CPropertySheet::WindowProc(message, wParam, lParam);
        OnInitDialog();
        return lResult;
    }
    LRESULT lResult = CPropertySheet::WindowProc(message, wParam, lParam);
    // A page change may have made a page.
    if ((message == WM_NOTIFY || message == WM_COMMAND || message == PSM_SETCURSEL) && m_hWnd != nullptr)
        FitPages();
    return lResult;
}

BOOL CXTResizePropertySheet::OnInitDialog()
{
    HWND hTab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
    if (hTab != nullptr && CWnd::FromHandlePermanent(hTab) == nullptr)
    {
        m_pTabCtrl.reset(new CFlickerFreeTab);
        m_pTabCtrl->SubclassWindow(hTab);
    }
    if (!(GetFlags() & XT_RESIZE_NOSIZEICON) && !IsWizard())
    {
        // Room for the grip and the sizing border.
        CRect rc;
        GetWindowRect(&rc);
        rc.InflateRect(1, 1, 2, 2);
        MoveWindow(&rc);
    }
    AddSizeCommands();
    if (!(GetStyle() & WS_THICKFRAME))
        SetFlag(XT_RESIZE_NOSIZEICON);
    Init();
    AnchorControls();
    return TRUE;
}

void CXTResizePropertySheet::AddSizeCommands()
{
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu == nullptr)
        return;
    CWnd* pTop = m_pParentWnd != nullptr ? m_pParentWnd->GetTopLevelParent() : AfxGetMainWnd();
    CMenu* pTopMenu = pTop != nullptr && pTop->m_hWnd != nullptr ? pTop->GetSystemMenu(FALSE) : nullptr;
    HMENU hMenu = pSysMenu->m_hMenu;
    // Each goes in at position 1: they end up in the system's usual order.
    ::InsertMenuA(hMenu, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    ::InsertMenuA(hMenu, 1, MF_BYPOSITION | MF_STRING, SC_MAXIMIZE, SystemMenuText(pTopMenu, SC_MAXIMIZE, "Ma&ximize"));
    ::InsertMenuA(hMenu, 1, MF_BYPOSITION | MF_STRING, SC_MINIMIZE, SystemMenuText(pTopMenu, SC_MINIMIZE, "Mi&nimize"));
    ::InsertMenuA(hMenu, 1, MF_BYPOSITION | MF_STRING, SC_SIZE, SystemMenuText(pTopMenu, SC_SIZE, "&Size"));
    ::InsertMenuA(hMenu, 0, MF_BYPOSITION | MF_STRING, SC_RESTORE, SystemMenuText(pTopMenu, SC_RESTORE, "&Restore"));
}

void CXTResizePropertySheet::AnchorControls()
{
    if (IsWizard())
    {
        for (UINT nID = kIDWizBack; nID <= kIDWizFinish; ++nID)
            SetResize(nID, XT_RESIZE_CORNER);
        SetResize(kIDWizLine, XT_RESIZE_BOTTOM);
    }
    else
    {
        SetResize(IDOK, XT_RESIZE_CORNER);
        SetResize(kIDApply, XT_RESIZE_CORNER);
        SetResize(kIDTabCtrl, XT_RESIZE_STRETCH);
    }
    SetResize(IDCANCEL, XT_RESIZE_CORNER);
    SetResize(IDHELP, XT_RESIZE_CORNER);

    m_rcPageInit.SetRectEmpty();
    HWND hPage = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    if (hPage != nullptr)
    {
        ::GetWindowRect(hPage, &m_rcPageInit);
        ScreenToClient(&m_rcPageInit);
    }
}

CRect CXTResizePropertySheet::GetPageRect() const
{
    CRect rc = m_rcPageInit;
    if (rc.IsRectEmpty())
        return rc;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rc.right += rcWindow.Width() - m_rcInitWindow.Width();
    rc.bottom += rcWindow.Height() - m_rcInitWindow.Height();
    return rc;
}

void CXTResizePropertySheet::FitPages()
{
    CRect rcPage = GetPageRect();
    if (rcPage.IsRectEmpty())
        return;
    for (int i = 0; i < GetPageCount(); ++i)
    {
        CPropertyPage* pPage = GetPage(i);
        if (pPage->m_hWnd == nullptr)
            continue;
        CRect rc;
        pPage->GetWindowRect(&rc);
        ScreenToClient(&rc);
        if (rc != rcPage)
            pPage->SetWindowPos(nullptr, rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CXTResizePropertySheet::OnSize(UINT nType, int cx, int cy)
{
    CPropertySheet::OnSize(nType, cx, cy);
    CXTResizeLayout::OnSize();
    FitPages();
}

LRESULT CXTResizePropertySheet::OnPageChanged(WPARAM, LPARAM)
{
    // A wizard lays its controls out again from the start.
    if (IsWizard())
    {
        Reset();
        CXTResizeLayout::OnSize();
        FitPages();
    }
    return 0;
}

void CXTResizePropertySheet::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    GetMinMaxInfo(lpMMI);
}

void CXTResizePropertySheet::OnDestroy()
{
    OnDestroyParent();
    CPropertySheet::OnDestroy();
}
