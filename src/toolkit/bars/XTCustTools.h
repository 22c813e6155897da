// The customise sheet's Tools page: the user's tools with their command,
// arguments and folder. Changes go to the tools manager when the sheet closes.
#pragma once

#include "toolkit/bars/XTToolsManager.h"
#include "toolkit/controls/XTBrowseEdit.h"
#include "toolkit/controls/XTEditListBox.h"
#include "toolkit/controls/XTResizePropertyPage.h"

#include <memory>
#include <vector>

class CFrameWnd;

class CXTCustTools : public CXTResizePropertyPage
{
    DECLARE_DYNAMIC(CXTCustTools)
public:
    explicit CXTCustTools(CFrameWnd* pFrame);
    ~CXTCustTools() override;

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;
    // Every tool names a file that exists, a program on the path or a web
    // address; otherwise the box, the tool selected and FALSE. Nothing is
    // checked while a field's chooser is open.
    BOOL Validate();
    CXTEditListBox& GetList() { return m_list; }
    // The command, arguments and initial folder fields, by control id.
    CXTBrowseEdit* GetField(UINT nID);
    // Whether a command names something the tool can start.
    static BOOL IsValidCommand(LPCSTR lpszCommand);
    // Whether leaving the page checks its tools: not while the sheet opens on
    // another page, or a tool stored broken would greet the user with a box.
    void CheckOnLeave(BOOL bCheck) { m_bCheckOnLeave = bCheck; }

protected:
    CFrameWnd* m_pFrame;
    CXTEditListBox m_list;
    CXTBrowseEdit m_fields[3];   // command, arguments, initial folder
    std::vector<std::unique_ptr<XT_TOOL>> m_created;   // tools made on this page
    XT_TOOL* m_pDeleting;
    BOOL m_bRefreshing;
    BOOL m_bCheckOnLeave = TRUE;

    XT_TOOL* Selected() const;
    void RefreshFields();
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSelChange();
    void OnFieldChange();
    void OnLabelEdited();
    void OnNewItem();
    void OnPreDelete();
    void OnDeleted();
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
