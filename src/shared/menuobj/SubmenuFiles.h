// One entry of a project's page list: a sub-page reached by a NEWPAGE button,
// with the texts its page file is written with.
#pragma once

#include "framework/Afx.h"

class CSubmenuFiles : public CObject
{
    DECLARE_DYNAMIC(CSubmenuFiles)
public:
    CSubmenuFiles() { Clear(); }
    CSubmenuFiles(const CSubmenuFiles&) = delete;
    CSubmenuFiles& operator=(const CSubmenuFiles&) = delete;

    // Marks the entry used. The title loses a pair of "%" or "$" markers and its
    // outer blanks; empty texts take the defaults (the resource texts 192-194:
    // "Submenu-%d", "Back to Main Menu", "page%02d.ini" with the number).
    void Set(int nNumber, const CString& strTitle, const CString& strMainFile, const CString& strBackText,
             const CString& strPageFile);
    void Clear();
    // Renames the page file to path + ".bak" (replacing an older backup) and
    // says so in a box (text 2066); then clears the entry. A missing file or a
    // failed rename shows nothing.
    void RemoveFile(const CString& strPath);

    // The page file name of a number: resource text 194 formatted with it.
    static CString DefaultPageFile(int nNumber);

    int m_bUsed;
    int m_nNumber;             // 1 to 25; -1 while free
    CString m_strTitle;
    CString m_strMainFile;
    CString m_strBackText;
    CString m_strPageFile;     // as the button names it; may begin with "_CURRENTDIR_"
    CString m_strDefaultTitle;
};
