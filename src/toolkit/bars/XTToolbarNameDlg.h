// The dialog that names a new tool bar or renames a user bar: a name no
// other bar of the frame has, and a free bar id for a new one.
#pragma once

#include "framework/Dialog.h"

class CFrameWnd;

class CXTToolbarNameDlg : public CDialog
{
public:
    explicit CXTToolbarNameDlg(CFrameWnd* pFrame);

    CString m_strName;          // preset, and the name on OK
    CString m_strInitialName;
    UINT m_nCandidateID;        // the new bar's id on OK

    BOOL OnInitDialog() override;

protected:
    CFrameWnd* m_pFrame;
    void OnOK() override;
    // The frame's bar with the exact text, or none.
    CWnd* FindBarNamed(LPCSTR lpszName, UINT nExceptID) const;
};
