// The customise sheet's Commands page: the command categories the bars and
// the menu bar offer, and their commands with icons; a command dragged from
// the list onto a tool bar is inserted there.
#pragma once

#include "toolkit/bars/XTCommandIconMap.h"
#include "toolkit/bars/XTCommandItem.h"
#include "toolkit/bars/XTDescriptionWnd.h"
#include "toolkit/controls/XTResizePropertyPage.h"

#include "framework/ListBox.h"

class CFrameWnd;
class CXTCustCommandsPage;

// The owner-drawn list of a category's commands, each with its icon.
class CXTCommandListBox : public CListBox
{
public:
    explicit CXTCommandListBox(CXTCustCommandsPage* pPage) : m_pPage(pPage) {}
    void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);

protected:
    CXTCustCommandsPage* m_pPage;
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

class CXTCustCommandsPage : public CXTResizePropertyPage
{
    DECLARE_DYNAMIC(CXTCustCommandsPage)
public:
    explicit CXTCustCommandsPage(CFrameWnd* pFrame);
    ~CXTCustCommandsPage() override;

    BOOL OnInitDialog() override;

    // The command of an entry of the commands list; none for a bad index.
    CXTCommandItem* GetItem(int nListIndex) const;
    // Copies of the command's icons (the caller destroys them); FALSE without.
    BOOL GetIcons(UINT nID, HICON& hIcon, HICON& hIconHot) const;
    // Drags the entry's command onto a bar.
    BOOL DragCommand(int nListIndex);
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
    void FillCommands();
    void OnCategoryChange();
    void OnCommandChange();
    void OnDescription();

    DECLARE_MESSAGE_MAP()
};
