// The editor's main window: an MDI frame holding one child frame per open
// project page. The explorer side bar and the tool bars come with the
// toolkit's frame; until then their operations do nothing.
#pragma once

#include "framework/MDIFrameWnd.h"

class CTarnixEdDoc;

class CMainFrame : public CMDIFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame() = default;

    // The explorer side bar's view of a project.
    void UpdateExplorer(CTarnixEdDoc* pDoc);
    void ShowProjectFolder(CTarnixEdDoc* pDoc);
    void ClearProject();

    // The last tool bar button dragged off its bar: command and screen point.
    UINT m_nToolbarDropCommand = 0;
    POINT m_ptToolbarDrop = { 0, 0 };

protected:
    // Entries of a canvas popup menu reach the frame when the menu is tested in
    // the editor; they start nothing here.
    void OnPopupItem();
    // The button-image program put a picture's path on the clipboard: the
    // open button sheet takes it through the active view.
    LRESULT OnButtonImageReady(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
