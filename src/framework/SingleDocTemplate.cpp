#include "framework/SingleDocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    DeleteOpenDocuments();
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = m_docList.IsEmpty() ? nullptr : static_cast<CDocument*>(m_docList.GetHead());
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;
    if (pDoc != nullptr)
    {
        // The one document is reused; its frame stays.
        if (!pDoc->SaveModified())
            return nullptr;
        CView* pView = nullptr;
        POSITION pos = pDoc->GetFirstViewPosition();
        if (pos != nullptr)
            pView = pDoc->GetNextView(pos);
        pFrame = pView ? pView->GetParentFrame() : nullptr;
    }
    else
    {
        pDoc = CreateDocumentAndFrame(pFrame);
        if (pDoc == nullptr)
            return nullptr;
        bCreated = TRUE;
    }

    BOOL bOk = lpszPathName == nullptr ? pDoc->OnNewDocument() : pDoc->OnOpenDocument(lpszPathName);
    if (!bOk)
    {
        if (bCreated)
            pFrame->DestroyWindow();   // takes the view and, with it, the document
        return nullptr;
    }
    if (lpszPathName != nullptr)
        pDoc->SetPathName(lpszPathName);

    CWinApp* pApp = AfxGetApp();
    if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
