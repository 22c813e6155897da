// A template for programs that hold several documents at once, each in its own
// MDI child frame. The children share the template's menu and keys.
#pragma once

#include "framework/DocTemplate.h"

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    // The menu and keys of nIDResource come from the resource module current now.
    CMultiDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                      const CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    HMENU m_hMenuShared;
    HACCEL m_hAccelTable;

    // Makes the document and its child frame and view, reads the file (or
    // starts a new document), adds it to the recent files and shows it.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

protected:
    UINT m_nUntitledCount;
};
