// A tool bar's button set as stored between runs: the serialised state (the
// buttons with their drop-down records and texts) and the stored value that
// guards it with a CRC and ties it to the bar's default layout. Readers check
// every count and length against the data: damage gives FALSE, never more.
// Its source also holds the tool bar's side of it: serialising, storing,
// applying and resetting the set, and inserting buttons with their icons.
#pragma once

#include "toolkit/frame/XTButtonInfo.h"

#include "framework/String.h"

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <vector>

struct XT_TOOLBAR_STATE
{
    struct Entry
    {
        UINT nID = 0;
        BYTE fsStyle = 0;
        int iImage = -2;
        BOOL bDropDown = FALSE;
        CXTButtonInfo dropDown;
    };
    BOOL bShowText = FALSE;
    std::vector<Entry> entries;
    std::map<UINT, CString> texts;

    // The serialised state (version 1, records of 40 bytes).
    std::vector<BYTE> Serialize() const;
    // FALSE for another version or record size, or data that runs short.
    BOOL Parse(const std::vector<BYTE>& blob);

    // The stored value: a CRC of the rest, the default state's CRC, the state.
    static std::vector<BYTE> MakeStoredValue(const std::vector<BYTE>& blob, const std::vector<BYTE>& defaultBlob);
    // The state from a stored value made for the default state; FALSE when
    // the value is damaged or belongs to another default layout.
    static BOOL ReadStoredValue(const BYTE* pData, UINT nBytes, const std::vector<BYTE>& defaultBlob,
                                std::vector<BYTE>& blob);
};
