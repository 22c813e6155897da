// A view: a child window of a frame that shows its document.
#pragma once

#include "framework/Wnd.h"

class CDocument;
struct CCreateContext;
struct CPrintInfo;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    // Overridables
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    // pInfo is set when the DC is a printer's or the preview's.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // Printing: the dialog (DoPreparePrinting), then one page through OnPrint,
    // which draws with OnDraw.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The print preview was closed without printing.
    virtual void OnEndPrintPreview();
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    void PostNcDestroy() override;   // views live on the heap and delete themselves

    CDocument* m_pDocument;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    // The print commands (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT,
    // ID_FILE_PRINT_PREVIEW), for the rows of a program's view.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Shows the print dialog (or, printing directly, takes the default
    // printer); FALSE when cancelled or when there is no printer, which is
    // reported once.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);

    DECLARE_MESSAGE_MAP()
};
