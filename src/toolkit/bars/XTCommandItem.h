// One command as the customise sheet shows it and a bar receives it when it
// is dropped: its texts, command id, icons and, for a tool bar button with a
// drop-down, the button's drop-down record.
#pragma once

#include "toolkit/frame/XTButtonInfo.h"
#include "toolkit/frame/XTIconHandle.h"

#include "framework/String.h"

#include <memory>
#include <vector>

class CXTCommandItem
{
public:
    CXTCommandItem() = default;
    CXTCommandItem(const CXTCommandItem&) = delete;
    CXTCommandItem& operator=(const CXTCommandItem&) = delete;

    // A new item with the same texts and id, copies of the icons and of the record.
    std::unique_ptr<CXTCommandItem> Clone() const;
    // The name a tool bar command shows: the part after "\n" of its string,
    // else the whole string, else "No help topic..." with the id.
    static CString DisplayName(UINT nID);

    CString m_strText;       // the menu text without its first "&", cut at the first tab
    CString m_strText2;      // a sub-menu's own text; a tool bar button's text
    UINT m_nID = 0;          // 0 for an entry that opens a sub-menu
    CXTIconHandle m_icon;
    CXTIconHandle m_iconHot;
    std::unique_ptr<CXTButtonInfo> m_pDropDown;   // owned
};

// A category of commands: a menu's popup or a tool bar.
class CXTCommandGroup
{
public:
    CString m_strName;
    std::vector<std::unique_ptr<CXTCommandItem>> m_items;
    int m_nSortKey = 0;
};

typedef std::vector<std::unique_ptr<CXTCommandGroup>> XT_COMMAND_GROUPS;
