// What makes a kind of document: its class, its frame's class, its view's class
// and the resource id of the frame's title, menu and icon.
#pragma once

#include "framework/CmdTarget.h"
#include "framework/Collections.h"
#include "framework/String.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    // Parts of the template's string (separated by '\n').
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);
    ~CDocTemplate() override;

    UINT GetResourceID() const { return m_nIDResource; }
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    // The template's open documents, in the order they were added.
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual POSITION GetFirstDocPosition() const;
    virtual CDocument* GetNextDoc(POSITION& rPos) const;

    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    // A new document with its frame and view; NULL (and nothing left over) on failure.
    CDocument* CreateDocumentAndFrame(CFrameWnd*& rpFrame);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // NULL path: a new document. Returns the document, or NULL on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void CloseAllDocuments(BOOL bEndSession);
    // Asks about each modified document of this template; FALSE on Cancel.
    virtual BOOL SaveAllModified();

protected:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
    CPtrList m_docList;
    // Deletes the documents still open (they go with their template).
    void DeleteOpenDocuments();
};
