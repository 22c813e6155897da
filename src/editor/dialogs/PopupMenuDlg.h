// The popup menu of a popup button: the button's caption and the menu's entry.
// The page keeps one entry per popup button, so the list holds at most one.
#pragma once

#include "editor/dialogs/FontStatic.h"
#include "framework/Dialog.h"
#include "framework/ListBox.h"

class CPopupMenuDlg : public CDialog
{
    DECLARE_DYNAMIC(CPopupMenuDlg)
public:
    explicit CPopupMenuDlg(CWnd* pParentWnd = nullptr);

    CString m_strButtonText;
    CString m_strItems[1];    // in: shown in the list; out: the list's first line
    CString m_strProjectFolder;
    CFontStatic m_heading;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCaptionChange();
    void OnSelChange();
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnPreview();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void UpdateButtons();
    // Puts the line at nTo (shifting the others) and selects it there.
    void MoveLine(int nFrom, int nTo);
    void TakeFirstLine();

    CListBox m_list;
    BOOL m_bInitialised;
};
