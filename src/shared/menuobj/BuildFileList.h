// The files of one kind that a project uses, each with the number of places
// that use it. An entry is "%04d%s": four digits of count, then the name as
// the project stores it (relative to the project folder, lower case).
#pragma once

#include "framework/Afx.h"

class CBuildFileList : public CObject
{
    DECLARE_DYNAMIC(CBuildFileList)
public:
    CBuildFileList() = default;
    CBuildFileList(const CBuildFileList&) = delete;
    CBuildFileList& operator=(const CBuildFileList&) = delete;

    // Attributes
    int GetSize() const { return (int)m_entries.GetSize(); }
    CString GetEntry(int nIndex) const { return m_entries[nIndex]; }
    // The name part of an entry and its count (0 out of range).
    CString GetName(int nIndex) const;
    int GetCount(int nIndex) const;

    // Operations
    // The folder and the prefix that names lose before they are kept; empties the list.
    void SetPaths(const CString& strFolder, const CString& strPrefix);
    // Index of the entry of that name, -1 when none.
    int Find(const CString& strName) const;
    void AddRef(const CString& strName);
    // Lowers the count; the last use removes the entry. Unknown names are ignored.
    void Release(const CString& strName);
    void RemoveAll() { m_entries.RemoveAll(); }

    // The name as entries hold it: without the project folder or the prefix,
    // lower case.
    CString Normalize(const CString& strName) const;

private:
    CStringArray m_entries;
    CString m_strFolder;
    CString m_strPrefix;
};
