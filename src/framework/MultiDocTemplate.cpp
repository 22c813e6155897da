#include "framework/MultiDocTemplate.h"

#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                     const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(nullptr), m_hAccelTable(nullptr),
      m_nUntitledCount(0)
{
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    if (HINSTANCE hMenuModule = AfxFindResourceHandle(lpszResource, RT_MENU))
        m_hMenuShared = ::LoadMenuA(hMenuModule, lpszResource);
    if (HINSTANCE hAccelModule = AfxFindResourceHandle(lpszResource, RT_ACCELERATOR))
        m_hAccelTable = ::LoadAcceleratorsA(hAccelModule, lpszResource);
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    DeleteOpenDocuments();
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CFrameWnd* pFrame = nullptr;
    CDocument* pDoc = CreateDocumentAndFrame(pFrame);
    if (pDoc == nullptr)
        return nullptr;

    if (lpszPathName == nullptr)
    {
        CString name;
        GetDocString(name, docName);
        if (name.IsEmpty())
            name = AfxLoadFrameworkText(AFX_IDS_UNTITLED, "Unbenannt");
        CString title;
        title.Format("%s%u", (LPCSTR)name, ++m_nUntitledCount);
        pDoc->SetTitle(title);
        if (!pDoc->OnNewDocument())
        {
            pFrame->DestroyWindow();   // takes the view and, with it, the document
            return nullptr;
        }
    }
    else
    {
        if (!pDoc->OnOpenDocument(lpszPathName))
        {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDoc->SetPathName(lpszPathName, TRUE);
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}
