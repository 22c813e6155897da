// The objects the author copied or cut, kept for pasting. It belongs to the
// application, not to a page: changing the page closes one document and opens
// another, and what was copied on the first is pasted on the second.
#pragma once

#include "framework/Afx.h"

class CMObjCreateStruct;

class CObjectClipboard
{
public:
    CObjectClipboard() = default;
    CObjectClipboard(const CObjectClipboard&) = delete;
    CObjectClipboard& operator=(const CObjectClipboard&) = delete;
    ~CObjectClipboard();

    // Keeps a copy of the object (button, text, text field, clip or picture)
    // in place of the previous one; a popup-menu button keeps its items too.
    // The copy points to nothing of the page it came from.
    void Copy(const CObject* pObject, const CString& strPopupItems = CString());
    void Clear();

    // The kept copy, owned here; null when nothing is kept.
    CMObjCreateStruct* GetCopy() const { return m_pObject; }
    // The items of a kept popup-menu button; empty for any other object.
    const CString& GetPopupItems() const { return m_strPopupItems; }

private:
    CMObjCreateStruct* m_pObject = nullptr;
    CString m_strPopupItems;
};
