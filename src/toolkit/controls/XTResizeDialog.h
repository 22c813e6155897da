// A dialog the user can resize: its controls follow the anchors they are
// registered with (SetResize in OnInitDialog), it cannot become smaller than
// its template, and it shows a size grip when it has a sizing border.
#pragma once

#include "toolkit/controls/XTResizeLayout.h"

#include "framework/Dialog.h"

class CXTResizeDialog : public CDialog, public CXTResizeLayout
{
    DECLARE_DYNAMIC(CXTResizeDialog)
public:
    // Construction
    CXTResizeDialog();
    explicit CXTResizeDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, UINT nFlags = 0);

    // Overridables
    BOOL OnInitDialog() override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
