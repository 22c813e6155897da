// Image lists, the small control wrappers, the automation client and the
// view's printing and preview.
#include "framework/Afx.h"

#include "TestResources.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <oleauto.h>
#include <string>
#include <vector>

using testing_support::CommonDialogScript;
using testing_support::MessageBoxRecorder;
using testing_support::PumpPendingMessages;

namespace controls_test {

// A memory DC over a white 24-bit bitmap.
class CWhiteCanvas
{
public:
    CWhiteCanvas(int cx, int cy)
    {
        CDC screen;
        screen.Attach(::GetDC(nullptr));
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        ::ReleaseDC(nullptr, screen.Detach());
        m_hOld = dc.SelectObject(bitmap.m_hObject);
        RECT rc = { 0, 0, cx, cy };
        ::FillRect(dc.m_hDC, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    }
    ~CWhiteCanvas() { dc.SelectObject(m_hOld); }
    CDC dc;
    CBitmap bitmap;

private:
    HGDIOBJ m_hOld;
};

TEST(ImageList, ABitmapWithAGreenMaskDrawsGreenTransparent)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_IMAGES, 4, 1, RGB(0, 255, 0)));
    ASSERT_NE(nullptr, images.GetSafeHandle());
    EXPECT_EQ(2, images.GetImageCount());

    CWhiteCanvas canvas(8, 4);
    EXPECT_TRUE(images.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_TRUE(images.Draw(&canvas.dc, 1, CPoint(4, 0), ILD_TRANSPARENT));
    struct Case
    {
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        { 0, 0, RGB(255, 255, 255) }, { 1, 3, RGB(255, 255, 255) },   // green: the canvas shows through
        { 2, 0, RGB(255, 0, 0) },     { 3, 3, RGB(255, 0, 0) },
        { 4, 0, RGB(0, 0, 255) },     { 7, 3, RGB(0, 0, 255) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(c.expected, ::GetPixel(canvas.dc.m_hDC, c.x, c.y));
    }

    // A bitmap added later comes after the resource's images.
    CBitmap more;
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    more.CreateCompatibleBitmap(&screen, 4, 4);
    ::ReleaseDC(nullptr, screen.Detach());
    EXPECT_EQ(2, images.Add(&more, RGB(255, 255, 255)));
    EXPECT_EQ(3, images.GetImageCount());
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ(nullptr, images.GetSafeHandle());
}

class CPlainWnd : public CWnd
{
public:
    BOOL CreateTop() { return CreateEx(0, nullptr, "Fenster", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr); }
};

TEST(SmallControls, SpinToolTipAndFileDrops)
{
    CPlainWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &parent, 10));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(60, 0, 75, 20), &parent, 11));
    spin.SetBuddy(&edit);
    spin.SetRange32(-5, 500);
    spin.SetPos32(321);
    int nLower = 0, nUpper = 0;
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(-5, nLower);
    EXPECT_EQ(500, nUpper);
    EXPECT_EQ(321, spin.GetPos32());
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(CString("321"), text);   // the buddy shows the position

    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&parent));
    EXPECT_TRUE(tip.AddTool(&edit, "Zahl eingeben"));
    EXPECT_EQ(1, tip.GetToolCount());
    tip.UpdateTipText("Größe", &edit);
    tip.GetText(text, &edit);
    EXPECT_EQ(CString("Größe"), text);
    tip.DelTool(&edit);
    EXPECT_EQ(0, tip.GetToolCount());

    parent.DragAcceptFiles();
    EXPECT_TRUE(parent.GetExStyle() & WS_EX_ACCEPTFILES);
    parent.DragAcceptFiles(FALSE);
    EXPECT_FALSE(parent.GetExStyle() & WS_EX_ACCEPTFILES);
}

// A small automation object: 2 a text property, 5 a method taking a text,
// 9 a method that fails with an exception of the server.
class CTestAutomation : public IDispatch
{
public:
    LONG nRefs = 1;
    CString strReceived;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch)
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return (ULONG)++nRefs; }
    ULONG STDMETHODCALLTYPE Release() override { return (ULONG)--nRefs; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override
    {
        *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispId, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                                     EXCEPINFO* pExcepInfo, UINT*) override
    {
        switch (dispId)
        {
        case 2:
            if (!(wFlags & DISPATCH_PROPERTYGET) || pResult == nullptr)
                return DISP_E_MEMBERNOTFOUND;
            pResult->vt = VT_BSTR;
            pResult->bstrVal = ::SysAllocString(L"20150");
            return S_OK;
        case 5:
        {
            if (pParams->cArgs != 1 || pParams->rgvarg[0].vt != VT_BSTR)
                return DISP_E_BADPARAMCOUNT;
            char text[MAX_PATH] = "";
            ::WideCharToMultiByte(CP_ACP, 0, pParams->rgvarg[0].bstrVal, -1, text, sizeof(text), nullptr, nullptr);
            strReceived = text;
            return S_OK;
        }
        case 9:
            pExcepInfo->wCode = 1001;
            pExcepInfo->bstrDescription = ::SysAllocString(L"Datei fehlt");
            pExcepInfo->bstrSource = ::SysAllocString(L"Test");
            return DISP_E_EXCEPTION;
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }
};

TEST(OleDispatchDriver, CallsByDispatchIdAndThrowsTheFrameworksExceptions)
{
    ASSERT_TRUE(AfxOleInit());
    COleDispatchDriver driver;
    COleException error;
    EXPECT_FALSE(driver.CreateDispatch("Tarnix.GibtEsNicht.Document", &error));
    EXPECT_TRUE(FAILED(error.m_sc));
    EXPECT_EQ(nullptr, driver.m_lpDispatch);

    CTestAutomation server;
    driver.AttachDispatch(&server);
    CString version;
    driver.InvokeHelper(2, DISPATCH_PROPERTYGET, VT_BSTR, &version, VTS_NONE);
    EXPECT_EQ(CString("20150"), version);
    EXPECT_EQ(20150, atol(version));
    driver.InvokeHelper(5, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_BSTR, "C:\\Menü\\Knöpfe");
    EXPECT_EQ(CString("C:\\Menü\\Knöpfe"), server.strReceived);

    try
    {
        driver.InvokeHelper(9, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
        ADD_FAILURE() << "no exception";
    }
    catch (COleDispatchException* e)
    {
        EXPECT_EQ(CString("Datei fehlt"), e->m_strDescription);
        EXPECT_EQ(1001, e->m_wCode);
        e->Delete();
    }
    try
    {
        driver.InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
        ADD_FAILURE() << "no exception";
    }
    catch (COleException* e)
    {
        EXPECT_EQ(DISP_E_MEMBERNOTFOUND, e->m_sc);
        e->Delete();
    }
    driver.ReleaseDispatch();
    EXPECT_EQ(nullptr, driver.m_lpDispatch);
    EXPECT_EQ(0, server.nRefs);
}

// A view that records how it was drawn.
class CPrintView : public CView
{
    DECLARE_DYNCREATE(CPrintView)
public:
    int nDraws = 0;
    int nMapMode = 0;
    int nPreviewsEnded = 0;
    CPoint ptCornerOnDevice;
    void OnEndPrintPreview() override { ++nPreviewsEnded; }
    void OnDraw(CDC* pDC) override
    {
        ++nDraws;
        nMapMode = ::GetMapMode(pDC->m_hDC);
        CRect rc;
        GetClientRect(&rc);
        POINT pt = { rc.right, rc.bottom };
        ::LPtoDP(pDC->m_hDC, &pt, 1);
        ptCornerOnDevice = pt;
    }

protected:
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CPrintView, CView)

BEGIN_MESSAGE_MAP(CPrintView, CView)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

class PrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPrintView);
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Druck", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr,
                                     0, &context));
        m_pView = dynamic_cast<CPrintView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(nullptr, m_pView);
        m_pView = dynamic_cast<CPrintView*>(CWnd::FromHandlePermanent(m_pView->m_hWnd));
        ASSERT_NE(nullptr, m_pView);
        m_pView->nDraws = 0;
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }

    CFrameWnd* m_pFrame = nullptr;
    CPrintView* m_pView = nullptr;
};

TEST_F(PrintTest, WithoutAPrinterPrintingReturnsAfterOneMessage)
{
    MessageBoxRecorder boxes;
    CommonDialogScript dialogs;
    struct Case
    {
        const char* what;
        INT_PTR nAnswer;
        DWORD dwError;
        size_t nBoxes;
    };
    const Case cases[] = {
        { "the system finds no printer", IDCANCEL, PDERR_NODEFAULTPRN, 1 },
        { "OK without a printer DC", IDOK, 0, 1 },
        { "the user cancels", IDCANCEL, 0, 0 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        size_t nBefore = boxes.Count();
        DWORD dwFlagsSeen = 0;
        dialogs.Answer(c.nAnswer, [&](CCommonDialog* pDlg) {
            CPrintDialog* pPrintDlg = dynamic_cast<CPrintDialog*>(pDlg);
            ASSERT_NE(nullptr, pPrintDlg);
            dwFlagsSeen = pPrintDlg->m_pd.Flags;
            pPrintDlg->m_dwCommDlgError = c.dwError;
        });
        m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        EXPECT_EQ(c.nBoxes, boxes.Count() - nBefore);
        EXPECT_TRUE(dwFlagsSeen & PD_NOWARNING);   // the system does not report it a second time
        EXPECT_EQ(0, m_pView->nDraws);
    }
    // Printing directly asks for the default printer without showing the dialog.
    DWORD dwFlagsSeen = 0;
    dialogs.Answer(IDCANCEL, [&](CCommonDialog* pDlg) {
        dwFlagsSeen = dynamic_cast<CPrintDialog*>(pDlg)->m_pd.Flags;
    });
    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(dwFlagsSeen & PD_RETURNDEFAULT);
}

CPrintPreviewFrame* FindPreview()
{
    HWND hWnd = ::FindWindowA(nullptr, "Seitenansicht");
    return dynamic_cast<CPrintPreviewFrame*>(CWnd::FromHandlePermanent(hWnd));
}

TEST_F(PrintTest, ThePreviewShowsTheDrawingScaledOntoThePage)
{
    CommonDialogScript dialogs;
    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPrintPreviewFrame* pPreview = FindPreview();
    ASSERT_NE(nullptr, pPreview);
    pPreview->SetWindowPos(nullptr, 0, 0, 500, 600, SWP_NOZORDER | SWP_NOMOVE);
    pPreview->RedrawWindow();
    EXPECT_GE(m_pView->nDraws, 1);
    EXPECT_EQ(MM_ANISOTROPIC, m_pView->nMapMode);
    CRect rcPage = pPreview->GetPageRect();
    EXPECT_FALSE(rcPage.IsRectEmpty());
    EXPECT_EQ(rcPage.BottomRight(), m_pView->ptCornerOnDevice);
    // The page keeps the view's shape.
    CRect rcView;
    m_pView->GetClientRect(&rcView);
    EXPECT_NEAR((double)rcView.Width() / rcView.Height(), (double)rcPage.Width() / rcPage.Height(), 0.02);

    // Print closes the preview and prints (here: the user cancels the dialog).
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_PRINT);
    EXPECT_EQ(nullptr, FindPreview());
    EXPECT_EQ(0, m_pView->nPreviewsEnded);
    ASSERT_EQ(1u, dialogs.Asked().size());
    EXPECT_EQ(CString("CPrintDialog"), dialogs.Asked()[0]);

    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    pPreview = FindPreview();
    ASSERT_NE(nullptr, pPreview);
    pPreview->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE);
    EXPECT_EQ(nullptr, FindPreview());
    EXPECT_EQ(1u, dialogs.Asked().size());
    // A preview closed without printing is told to the view, also through the system menu.
    EXPECT_EQ(1, m_pView->nPreviewsEnded);
    m_pView->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(nullptr, pPreview = FindPreview());
    pPreview->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, FindPreview());
    EXPECT_EQ(2, m_pView->nPreviewsEnded);
}

} // namespace controls_test
