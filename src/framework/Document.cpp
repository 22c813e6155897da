#include "framework/Document.h"

#include "framework/Archive.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(nullptr), m_bAutoDelete(TRUE), m_bModified(FALSE) {}

CDocument::~CDocument()
{
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    char full[MAX_PATH] = "";
    DWORD n = ::GetFullPathNameA(lpszPathName, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH)
        lstrcpynA(full, lpszPathName, MAX_PATH);
    m_strPathName = full;
    CString title(full);
    SetTitle(title.Mid(title.ReverseFind('\\') + 1));
    if (bAddToMRU && AfxGetApp() != nullptr)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_bAutoDelete && m_viewList.IsEmpty())
        OnCloseDocument();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving)
{
    CString text = e != nullptr ? e->GetErrorMessage() : CString();
    if (text.IsEmpty())
        text.Format(bSaving ? AfxLoadFrameworkText(AFX_IDP_FAILED_TO_SAVE_DOC, "Die Datei %s kann nicht gespeichert werden.")
                            : AfxLoadFrameworkText(AFX_IDP_FAILED_TO_OPEN_DOC, "Die Datei %s kann nicht geöffnet werden."),
                    lpszPathName);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe))
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE);
        return FALSE;
    }
    DeleteContents();
    try
    {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
    }
    catch (CException* e)
    {
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    CFile file;
    CFileException fe;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &fe))
    {
        ReportSaveLoadException(lpszPathName, &fe, TRUE);
        return FALSE;
    }
    try
    {
        CArchive ar(&file, CArchive::store);
        Serialize(ar);
        file.Close();
    }
    catch (CException* e)
    {
        file.Abort();
        ReportSaveLoadException(lpszPathName, e, TRUE);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Closing the frames removes the views; the document goes with the last one.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame == nullptr)
        {
            RemoveView(pView);
            continue;
        }
        PreCloseFrame(pFrame);
        pFrame->DestroyWindow();
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString prompt;
    prompt.Format(AfxLoadFrameworkText(AFX_IDP_ASK_TO_SAVE, "Änderungen in %s speichern?"),
                  m_strTitle.IsEmpty() ? (LPCSTR)AfxLoadFrameworkText(AFX_IDS_UNTITLED, "Unbenannt") : (LPCSTR)m_strTitle);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONQUESTION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    // A document without a file, or whose file became read-only, asks for one.
    DWORD dwAttributes = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName.IsEmpty() ? nullptr : (LPCSTR)m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString path(lpszPathName);
    if (path.IsEmpty())
    {
        CString ext, filter, name;
        if (m_pDocTemplate != nullptr)
        {
            m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt);
            CString filterName;
            if (m_pDocTemplate->GetDocString(filterName, CDocTemplate::filterName) && !filterName.IsEmpty() &&
                !ext.IsEmpty())
                filter = filterName + "|*" + ext + "||";
        }
        name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
        CFileDialog dlg(FALSE, ext.IsEmpty() ? nullptr : (LPCSTR)ext, name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        filter.IsEmpty() ? nullptr : (LPCSTR)filter);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        path = dlg.GetPathName();
        if (path.IsEmpty())
            return FALSE;
    }
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}

BOOL CDocument::CanCloseFrame(CFrameWnd*)
{
    return SaveModified();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
