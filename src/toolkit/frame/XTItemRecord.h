// A tab or status-bar pane as one record. Its caption is a heap copy owned by
// the record: SetItemCaption replaces it, DestroyItemCaption frees it.
#pragma once

#include <windows.h>

struct XT_ITEM_RECORD
{
    UINT nID = 0;
    UINT nStyle = 0;
    int cxWidth = 0;
    LPSTR pszCaption = nullptr;
};

void SetItemCaption(XT_ITEM_RECORD& item, LPCSTR pszText);
void DestroyItemCaption(XT_ITEM_RECORD& item);
