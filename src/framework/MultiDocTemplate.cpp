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
    HINSTANCE modules[2] = { AfxGetResourceHandle(), ::GetModuleHandleA(nullptr) };
    for (HINSTANCE hInst : modules)
    {
        if (m_hMenuShared == nullptr && ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), RT_MENU) != nullptr)
            m_hMenuShared = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
        if (m_hAccelTable == nullptr &&
            ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), RT_ACCELERATOR) != nullptr)
            m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    }
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open go with their template.
    while (!m_docList.IsEmpty())
    {
        CDocument* pDoc = static_cast<CDocument*>(m_docList.RemoveHead());
        pDoc->m_pDocTemplate = nullptr;
        pDoc->m_bAutoDelete = FALSE;
        delete pDoc;
    }
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
    if (m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    POSITION pos = m_docList.Find(pDoc);
    if (pos != nullptr)
        m_docList.RemoveAt(pos);
    CDocTemplate::RemoveDocument(pDoc);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == nullptr)
        return nullptr;
    pDoc->m_bAutoDelete = FALSE;   // not while the frame is being made
    CFrameWnd* pFrame = CreateNewFrame(pDoc, nullptr);
    pDoc->m_bAutoDelete = TRUE;
    if (pFrame == nullptr)
    {
        RemoveDocument(pDoc);
        pDoc->m_bAutoDelete = FALSE;
        delete pDoc;
        return nullptr;
    }

    if (lpszPathName == nullptr)
    {
        CString name;
        GetDocString(name, docName);
        if (name.IsEmpty())
            name = "Unbenannt";
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
