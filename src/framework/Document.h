// A document: the data behind one or more views, read and written through Serialize.
#pragma once

#include "framework/Collections.h"
#include "framework/CmdTarget.h"
#include "framework/Exceptions.h"
#include "framework/String.h"

class CView;
class CDocTemplate;
class CFrameWnd;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    // Attributes
    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // Views
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return static_cast<CView*>(m_viewList.GetNext(rPosition)); }
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    // Overridables
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    // Yes saves (Save As for a document without a file), No drops the
    // changes; FALSE on Cancel or when saving failed.
    virtual BOOL SaveModified();
    // Saves to the path, or, without one, to a file the user chooses;
    // bReplace makes the saved file the document's own.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void OnChangedViewList();
    virtual void PreCloseFrame(CFrameWnd* pFrame) { (void)pFrame; }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Implementation
    CDocTemplate* m_pDocTemplate;
    BOOL m_bAutoDelete;       // delete the document when its last view goes

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified;
    CPtrList m_viewList;

    void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving);

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()
};
