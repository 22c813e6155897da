#include "editor/dialogs/FolderBrowserTree.h"

IMPLEMENT_DYNAMIC(CFolderBrowserTree, CXTShellFolderTree)

BEGIN_MESSAGE_MAP(CFolderBrowserTree, CXTShellFolderTree)
    // LRESULT OnFolderNotify(WPARAM wParam, LPARAM lParam)
    ON_MESSAGE(WM_SHELLVIEW_NOTIFY, OnFolderNotify)
END_MESSAGE_MAP()

CFolderBrowserTree::CFolderBrowserTree() : m_nNotifyID(0) {}

void CFolderBrowserTree::Fill()
{
    SetListView(this);
    if (m_bInitPending)
        OnDeferredInitialize();
    else
        InitializeTree();
}

LRESULT CFolderBrowserTree::OnFolderNotify(WPARAM wParam, LPARAM lParam)
{
    if (wParam != XT_SHN_SELECTED)
        return CXTShellFolderTree::OnShellNotify(wParam, lParam);
    CWnd* pParent = GetParent();
    if (m_nNotifyID != 0 && pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(m_nNotifyID, 0), 0);
    return 0;
}
