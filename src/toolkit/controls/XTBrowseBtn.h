// The small button at the right of a browse edit: a click, Enter or Space
// runs the edit's browse.
#pragma once

#include "toolkit/controls/XTButton.h"

class CXTBrowseEdit;

class CXTBrowseBtn : public CXTButton
{
    DECLARE_DYNAMIC(CXTBrowseBtn)
public:
    // Construction
    CXTBrowseBtn();
    // Creates the button beside the edit: "..." for folders and files, the
    // drop-down arrow for a popup menu.
    virtual BOOL Create(CXTBrowseEdit* pEditWnd, DWORD dwBStyle, UINT nMenu = 0, int nSubMenuIndx = 0);

    // Attributes
    CXTBrowseEdit* GetEdit() const { return m_pEditWnd; }

protected:
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();

    CXTBrowseEdit* m_pEditWnd;
    DWORD m_dwBStyle;
    UINT m_nMenu;
    int m_nSubMenuIndx;

    DECLARE_MESSAGE_MAP()
};
