#include "toolkit/controls/XTNotifyStatic.h"

#include "framework/PaintDC.h"
#include "toolkit/controls/XTButton.h"
#include "toolkit/frame/XTGlobalData.h"
#include "toolkit/frame/XTMemDC.h"

IMPLEMENT_DYNAMIC(CXTNotifyStatic, CStatic)

BEGIN_MESSAGE_MAP(CXTNotifyStatic, CStatic)
    // int OnCreate(LPCREATESTRUCT lpCreateStruct)
    ON_WM_CREATE()
    // LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_CTRL_INITIALUPDATE, OnInitialUpdate)
    // void OnPaint()
    ON_WM_PAINT()
    // BOOL OnEraseBkgnd(CDC* pDC)
    ON_WM_ERASEBKGND()
    // UINT OnGetDlgCode()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CXTNotifyStatic::CXTNotifyStatic() : m_nNotifyInit(1)
{
}

void CXTNotifyStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    PostMessage(WM_CTRL_INITIALUPDATE);
}

int CXTNotifyStatic::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    PostMessage(WM_CTRL_INITIALUPDATE);
    return 0;
}

LRESULT CXTNotifyStatic::OnInitialUpdate(WPARAM, LPARAM)
{
    if (m_nNotifyInit != 0)
    {
        ModifyStyle(0, SS_NOTIFY);
        m_nNotifyInit = 0;
    }
    return 0;
}

void CXTNotifyStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CXTMemDC memDC(&dc, rc, xtAfxData.m_clr3DFace);
    Draw(&memDC);
}

BOOL CXTNotifyStatic::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

UINT CXTNotifyStatic::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}
