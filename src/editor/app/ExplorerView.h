// The explorer side bar: one tab with the open project's folder, a shell
// folder tree above and the selected folder's files below. The views are made
// when the first project is shown and go when the project is cleared.
#pragma once

#include "editor/app/ExplorerIconLoader.h"
#include "toolkit/frame/XTTabCtrlBar.h"

#include "framework/String.h"

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
    // the views exist, the list is filled again (the document's files
    // changed), or the tree goes to the folder of another project.
    void SetProject(CTarnixEdDoc* pDoc);
    // Shows the document's project folder in the existing views, unless
    // the tree shows it already.
    void ShowProjectFolder(CTarnixEdDoc* pDoc);
    // Removes the tab and the views; the next SetProject makes them again.
    void ClearProject();
    // Runs the views' pending set-up now: the tree's folders and the list's
    // files are in place when the open that showed the project ends, not
    // after it, where they would hold up the author's next command. The
    // views made for it are drawn from here on, once.
    void FinishShowing();
    // Starts loading the icons the views show first (once), while the
    // author chooses a project.
    void PreloadIcons();
    // Ends the loading after the icon at hand: a window that draws the
    // shell's icons is about to show.
    void StopPreloading() { m_iconLoader.Stop(); }

    BOOL HasViews() const { return m_pSplitter != nullptr; }
    CExplorerTree* GetTree() const { return m_pTree; }
    CExplorerList* GetList() const { return m_pList; }
    CXTSplitterWnd* GetSplitter() const { return m_pSplitter; }

protected:
    // A failure undoes what was made, so nothing half-made stays.
    BOOL CreateViews();
    void DestroyViews();
    // Keeps the tab control and the views in it from drawing until released.
    void HoldDrawing();
    void ReleaseDrawing();
    void ShowFolder(const CString& strFolder);
    // Whether the tree shows the folder last given, or is about to.
    BOOL IsFolderShown(const CString& strFolder) const;

    int OnCreate(LPCREATESTRUCT lpcs);
    LRESULT OnReleaseDrawing(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    CXTSplitterWnd* m_pSplitter = nullptr;
    CExplorerTree* m_pTree = nullptr;
    CExplorerList* m_pList = nullptr;
    CImageList* m_pImages = nullptr;
    CString m_strFolder;   // the folder last shown
    CExplorerIconLoader m_iconLoader;
    BOOL m_bDrawingHeld = FALSE;
};
