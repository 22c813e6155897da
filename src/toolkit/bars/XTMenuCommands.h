// The commands of a menu as the customise sheet offers them: one group per
// top-level popup, and keys that name an entry by its path of texts (a CRC
// over the texts, so that the key survives the menu being built again).
#pragma once

#include "toolkit/bars/XTCommandItem.h"

#include <windows.h>

// The key of a top-level entry's text, or of a sub-entry continuing from its parent's key.
DWORD XTMenuPathKey(LPCSTR lpszText, DWORD dwParentKey = 0, BOOL bTopLevel = TRUE);
// Appends a group per top-level entry with text (sort key 1000 + position);
// an entry that opens a sub-menu becomes a popup item with its path's key.
void XTBuildMenuCommandGroups(HMENU hMenu, XT_COMMAND_GROUPS& groups);
// The command id of the first sub-entry whose path has the key; 0 for none.
UINT XTFindMenuCommandByKey(HMENU hMenu, DWORD dwKey);
// The sub-menu whose path has the key; none when no entry has it.
HMENU XTFindMenuPopupByKey(HMENU hMenu, DWORD dwKey);
