// The list of recently used files: kept in the profile, shown in the File menu
// in place of its first recent-file entry.
#pragma once

#include "framework/Collections.h"
#include "framework/String.h"

class CCmdUI;

class CRecentFileList
{
public:
    // nStart: the command of the first entry; lpszEntryFormat: the profile
    // entry of each file, numbered from 1 ("File%d").
    CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize);

    int GetSize() const { return m_nSize; }
    int GetCount() const { return (int)m_files.GetSize(); }
    CString operator[](int nIndex) const { return m_files.GetAt(nIndex); }

    // Puts the file first (once); the list is written to the profile at once.
    void Add(LPCSTR lpszPathName);
    void Remove(int nIndex);
    void ReadList();
    void WriteList();
    // Replaces the menu's recent-file entries (from pCmdUI's item on) by the list.
    void UpdateMenu(CCmdUI* pCmdUI);

private:
    UINT m_nStart;
    CString m_strSection;
    CString m_strEntryFormat;
    int m_nSize;
    CStringArray m_files;
};
