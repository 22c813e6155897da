// The customise sheet's Keyboard page: the frame menu's commands by category,
// their shortcuts, and a key-capturing edit to assign new ones. Changes apply
// to the frame at once.
#pragma once

#include "toolkit/bars/XTShortcutEdit.h"
#include "toolkit/controls/XTResizePropertyPage.h"

#include "framework/ComboBox.h"
#include "framework/ListBox.h"

class CFrameWnd;

class CXTCustAccelerators : public CXTResizePropertyPage
{
    DECLARE_DYNAMIC(CXTCustAccelerators)
public:
    explicit CXTCustAccelerators(CFrameWnd* pFrame);

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    CXTShortcutEdit& GetShortcutEdit() { return m_edit; }
    CListBox& GetCommandList() { return m_commands; }
    CListBox& GetKeyList() { return m_keys; }
    // Whether the captured key may be a shortcut: keys that type a character need Ctrl or Alt.
    static BOOL IsAssignable(WORD wKey, BOOL bCtrl, BOOL bAlt);

protected:
    CFrameWnd* m_pFrame;
    CXTShortcutEdit m_edit;
    CListBox m_commands;
    CListBox m_keys;
    CComboBox m_category;

    void DoDataExchange(CDataExchange* pDX) override;
    UINT SelectedCommand() const;
    void FillCommands();
    void FillKeys();
    void UpdateButtons();
    void OnCategoryChange();
    void OnCommandChange();
    void OnEditChange();
    void OnAssign();
    void OnRemove();
    void OnResetAll();
    DECLARE_MESSAGE_MAP()
};
