#include "framework/SingleDocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
    {
        CDocument* pDoc = m_pOnlyDoc;
        m_pOnlyDoc = nullptr;
        pDoc->m_pDocTemplate = nullptr;
        pDoc->m_bAutoDelete = FALSE;
        delete pDoc;
    }
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
    CDocTemplate::RemoveDocument(pDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc ? (POSITION)(INT_PTR)1 : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    rPos = nullptr;
    return m_pOnlyDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = m_pOnlyDoc;
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
