// The explorer side bar: one tab with the open project's folder, a shell
// folder tree above and the selected folder's files below. The views are made
// when the first project is shown and go when the project is cleared.
#pragma once

#include "toolkit/frame/XTTabCtrlBar.h"

class CExplorerList;
class CExplorerTree;
class CImageList;
class CTarnixEdDoc;
class CXTSplitterWnd;

class CExplorerView : public CXTTabCtrlBar
{
    DECLARE_DYNAMIC(CExplorerView)
public:
    CExplorerView() = default;
    ~CExplorerView() override;

    // Makes the views (once) and shows the document's project folder; while
    // the views exist, a further call changes nothing.
    void SetProject(CTarnixEdDoc* pDoc);
    // Shows the document's project folder in the existing views.
    void ShowProjectFolder(CTarnixEdDoc* pDoc);
    // Removes the tab and the views; the next SetProject makes them again.
    void ClearProject();

    BOOL HasViews() const { return m_pSplitter != nullptr; }
    CExplorerTree* GetTree() const { return m_pTree; }
    CExplorerList* GetList() const { return m_pList; }
    CXTSplitterWnd* GetSplitter() const { return m_pSplitter; }

protected:
    // A failure undoes what was made, so nothing half-made stays.
    BOOL CreateViews();
    void DestroyViews();
    void ShowFolder(const CString& strFolder);

    int OnCreate(LPCREATESTRUCT lpcs);

    DECLARE_MESSAGE_MAP()

private:
    CXTSplitterWnd* m_pSplitter = nullptr;
    CExplorerTree* m_pTree = nullptr;
    CExplorerList* m_pList = nullptr;
    CImageList* m_pImages = nullptr;
};
