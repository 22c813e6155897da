#include "toolkit/frame/XTItemRecord.h"

#include <string.h>

void SetItemCaption(XT_ITEM_RECORD& item, LPCSTR pszText)
{
    DestroyItemCaption(item);
    if (pszText == nullptr)
        return;
    size_t nSize = strlen(pszText) + 1;
    item.pszCaption = new char[nSize];
    memcpy(item.pszCaption, pszText, nSize);
}

void DestroyItemCaption(XT_ITEM_RECORD& item)
{
    delete[] item.pszCaption;
    item.pszCaption = nullptr;
}
