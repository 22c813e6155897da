// Lays the selected buttons in a column.
#pragma once

#include "editor/dialogs/AlignButtonsDlg.h"

class CAlignVertDlg : public CAlignButtonsDlg
{
    DECLARE_DYNAMIC(CAlignVertDlg)
public:
    explicit CAlignVertDlg(CWnd* pParentWnd = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
