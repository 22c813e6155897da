// One popup menu of a player page: the item read from the page's
// "POPUPMENU%02d" section, the menu shown just below its popup button, and
// the chosen item run like a click on a button of its own.
#pragma once

#include "framework/Afx.h"

class CMButCreateStruct;
class CTarnixDoc;

class CPopupMenuDef : public CObject
{
    DECLARE_DYNAMIC(CPopupMenuDef)
public:
    // Construction: no number, no item, no owner, no button.
    CPopupMenuDef();
    CPopupMenuDef(const CPopupMenuDef&) = delete;
    CPopupMenuDef& operator=(const CPopupMenuDef&) = delete;

    // Attributes
    int GetNumber() const { return m_nNumber; }   // -1 while none is set
    int GetCount() const { return m_nCount; }
    const CString& GetItem() const { return m_strItem; }
    CWnd* GetOwner() const { return m_pOwner; }
    CMButCreateStruct* GetButtonStruct() const { return m_pButStruct; }
    const CString& GetFolder() const { return m_strFolder; }

    // Operations
    void Clear();
    // The popup's number, its button and the page window that shows it. The
    // button's own popup pointer stays the page container's binding.
    void Init(int nNumber, CMButCreateStruct* pButStruct, CWnd* pOwner);
    // Keeps the first text only: the player shows one item per popup.
    void SetItems(const CStringArray& texts);
    // Shows the menu at the left of the popup button, just below it, and
    // returns when it closes. Its command reaches the main window, which
    // hands it back to the page window. Every entry gets the first popup
    // command id with bSameId, else that id plus its index.
    void Show(CMButCreateStruct* pButStruct, BOOL bSameId);
    // Runs item nIndex as a click on a window-style button whose page window
    // is the owner: documents and programs are found below the project
    // folder unless they name a drive or a web address.
    void Run(int nIndex, const CString& strFolder, CTarnixDoc* pDoc);

    // A document or program path of an item made ready for the starter:
    // "_CURRENTDIR_" already replaced, a relative path (an optional leading
    // ".\" dropped) put below the folder, a path with a blank enclosed in
    // double quotes. Web addresses stay as they are, quotes aside.
    static CString MakeStartPath(const CString& strPath, const CString& strFolder);

private:
    int m_nNumber;
    int m_nCount;
    CWnd* m_pOwner;                  // the page window; not owned
    CString m_strItem;
    CString m_strFolder;
    CMButCreateStruct* m_pButStruct; // not owned
};
