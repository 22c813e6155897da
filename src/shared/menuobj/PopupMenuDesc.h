// The popup menu of a popup button: its item text, the button it is bound to,
// and the building and showing of the menu below that button.
#pragma once

#include "framework/Afx.h"

class CMButCreateStruct;

// Command ids of popup menu entries, from the first entry on.
const UINT ID_POPUPMENU_FIRST = 1224;

class CPopupMenuDesc : public CObject
{
    DECLARE_DYNAMIC(CPopupMenuDesc)
public:
    // Construction
    CPopupMenuDesc();
    CPopupMenuDesc(const CPopupMenuDesc&) = delete;
    CPopupMenuDesc& operator=(const CPopupMenuDesc&) = delete;

    // Attributes
    int GetPopupNumber() const { return m_nPopupNumber; }    // -1 while unbound
    int GetItemCount() const { return m_nItemCount; }
    CString GetItem(int nIndex) const { return m_strItems.GetAt(nIndex); }
    CMButCreateStruct* GetButtonStruct() const { return m_pButStruct; }
    CWnd* GetOwner() const { return m_pOwner; }

    // Operations
    void Reset();
    // Binds the description to a button; the struct points back to it.
    void Bind(int nNumber, CMButCreateStruct* pButStruct, CWnd* pOwner);
    // The one item text; an empty text leaves no item.
    void SetText(const CString& strItems);

    // Shows the menu just below the popup button and returns when it closes;
    // its commands go to the application's main window. Every entry gets
    // ID_POPUPMENU_FIRST with bSingleId, else ID_POPUPMENU_FIRST + its index.
    void TrackPopup(CMButCreateStruct* pButStruct, BOOL bSingleId);

private:
    int m_nPopupNumber;
    int m_nItemCount;
    CWnd* m_pOwner;               // the page window; the button's rectangle is in its client coordinates
    CStringArray m_strItems;
    CMButCreateStruct* m_pButStruct;
};

// Shows a menu of the items' captions just below the popup button, whose
// rectangle is in the owner's client coordinates, and returns when it closes.
// Its commands go to the application's main window: every entry gets
// ID_POPUPMENU_FIRST with bSingleId, else ID_POPUPMENU_FIRST + its index.
// Nothing shows for a button that is no popup button or without a caption.
void TrackPopupMenuBelowButton(const CMButCreateStruct* pButStruct, CWnd* pOwner, const CString* pItems, int nCount,
                               BOOL bSingleId);
