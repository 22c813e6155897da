// The customise sheet's Commands page: the command categories the bars and
// the menu bar offer, and their commands with icons; a command dragged from
// the list onto a tool bar is inserted there.
#pragma once

#include "toolkit/bars/XTCommandIconMap.h"
#include "toolkit/bars/XTCommandListBox.h"
#include "toolkit/bars/XTCommandListOwner.h"
#include "toolkit/bars/XTCommandItem.h"
#include "toolkit/bars/XTDescriptionWnd.h"
#include "toolkit/controls/XTResizePropertyPage.h"

#include "framework/ListBox.h"

class CFrameWnd;

class CXTCustCommandsPage : public CXTResizePropertyPage, public CXTCommandListOwner
{
    DECLARE_DYNAMIC(CXTCustCommandsPage)
public:
    explicit CXTCustCommandsPage(CFrameWnd* pFrame);
    ~CXTCustCommandsPage() override;

    BOOL OnInitDialog() override;

    // The command of an entry of the commands list; none for a bad index.
    CXTCommandItem* GetItem(int nListIndex) const;
    // CXTCommandListOwner: the item data is the command's index in the selected category.
    BOOL GetIcons(UINT nID, HICON& hIcon, HICON& hIconHot) override;
    UINT GetCommandId(DWORD_PTR dwItemData) override;
    BOOL DragCommand(DWORD_PTR dwItemData) override;
    const XT_COMMAND_GROUPS& GetGroups() const { return m_groups; }
    CListBox& GetCategories() { return m_categories; }
    CXTDescriptionWnd& GetDescriptionWnd() { return m_description; }
    CXTCommandListBox& GetCommands() { return m_commands; }

protected:
    XT_COMMAND_GROUPS m_groups;
    CXTCommandIconMap m_icons;
    CFrameWnd* m_pFrame;
    CXTCommandListBox m_commands;
    CListBox m_categories;
    CXTDescriptionWnd m_description;
    CString m_strDescriptionTitle;
    CString m_strDescription;

    void DoDataExchange(CDataExchange* pDX) override;
    // The command of the selected category at an index of its items.
    CXTCommandItem* GroupItem(DWORD_PTR nItem) const;
    void FillCommands();
    void OnCategoryChange();
    void OnCommandChange();
    void OnDescription();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};
