// The in-place edit of an edit list: opens over an item with its text
// selected; Enter or leaving it confirms, Escape cancels. It then stores the
// text in the caller's string and tells its parent by WM_COMMAND.
#pragma once

#include "toolkit/controls/XTBrowseEdit.h"

// Notifications of the edit list (high word of WM_COMMAND's wParam).
#define XT_LBN_LABELEDITEND     0x89CA   // in-place edit confirmed; item text changed
#define XT_LBN_LABELEDITCANCEL  0x89CB   // in-place edit cancelled, or the text unchanged
#define XT_LBN_NEWITEM          0x89CC
#define XT_LBN_PREDELETEITEM    0x89CD
#define XT_LBN_DELETEITEM       0x89CE
#define XT_LBN_MOVEITEMUP       0x89CF
#define XT_LBN_MOVEITEMDOWN     0x89D0

class CXTItemEdit : public CXTBrowseEdit
{
    DECLARE_DYNAMIC(CXTItemEdit)
public:
    // Construction: the edit over rect in pParent (the list), showing *pstrText.
    CXTItemEdit(CWnd* pParent, const CRect& rect, CString* pstrText, DWORD dwBStyle = BES_XT_CHOOSEDIR,
                BOOL bAutoDelete = TRUE);

    // Operations
    // Ends the edit once: stores the text (unless cancelled) and notifies the parent.
    void EndEdit(BOOL bCancel);
    BOOL IsClosing() const { return m_bClosing; }

protected:
    void PostNcDestroy() override;

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();

    CString* m_pstrText;
    BOOL m_bAutoDelete;
    BOOL m_bCancelled;
    BOOL m_bClosing;
    BOOL m_bNotified;

    DECLARE_MESSAGE_MAP()
};
