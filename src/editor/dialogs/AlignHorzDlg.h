// Lays the selected buttons in a row.
#pragma once

#include "editor/dialogs/AlignButtonsDlg.h"

class CAlignHorzDlg : public CAlignButtonsDlg
{
    DECLARE_DYNAMIC(CAlignHorzDlg)
public:
    explicit CAlignHorzDlg(CWnd* pParentWnd = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
