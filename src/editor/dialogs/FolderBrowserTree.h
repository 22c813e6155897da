// The drives and folders of the folder browser: the toolkit's shell folder
// tree, which also tells its parent of every change of the selected folder by
// a command, so that the dialog can show the chosen path.
#pragma once

#include "toolkit/controls/XTShellFolderTree.h"

class CFolderBrowserTree : public CXTShellFolderTree
{
    DECLARE_DYNAMIC(CFolderBrowserTree)
public:
    // Construction
    CFolderBrowserTree();

    // Attributes
    // The command sent to the parent on a new selection; 0 sends none.
    void SetNotifyCommand(UINT nID) { m_nNotifyID = nID; }
    UINT GetNotifyCommand() const { return m_nNotifyID; }

    // Operations
    // Fills the tree with the drives and folders now, not after the posted
    // set-up, so that a path can be selected at once.
    void Fill();

protected:
    // The tree hears its own selection news: it is its own linked list.
    // LRESULT OnFolderNotify(WPARAM wParam, LPARAM lParam)
    LRESULT OnFolderNotify(WPARAM wParam, LPARAM lParam);

    UINT m_nNotifyID;

    DECLARE_MESSAGE_MAP()
};
