#include "shared/menuobj/BuildFileList.h"

#include "shared/menuobj/ProjectPaths.h"
#include "shared/support/Umlaut.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CBuildFileList, CObject)

namespace {

const int kCountDigits = 4;
const int kMaxCount = 9999;

CString MakeEntry(int nCount, const CString& strName)
{
    CString entry;
    entry.Format("%04d%s", nCount, (LPCSTR)strName);
    return entry;
}

} // namespace

CString CBuildFileList::GetName(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize())
        return CString();
    return m_entries[nIndex].Mid(kCountDigits);
}

int CBuildFileList::GetCount(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetSize() || m_entries[nIndex].GetLength() <= kCountDigits)
        return 0;
    return atoi(m_entries[nIndex].Left(kCountDigits));
}

void CBuildFileList::SetPaths(const CString& strFolder, const CString& strPrefix)
{
    m_strFolder = strFolder;
    m_strPrefix = strPrefix;
    RemoveAll();
}

CString CBuildFileList::Normalize(const CString& strName) const
{
    CString name = strName;
    int nFolder = m_strFolder.GetLength();
    if (nFolder > 0 && IsPathInFolder(name, m_strFolder) && name.GetLength() > nFolder)
        name = name.Mid(nFolder + 1);
    else if (!m_strPrefix.IsEmpty() && name.Left(m_strPrefix.GetLength()).CompareNoCase(m_strPrefix) == 0)
        name = name.Mid(m_strPrefix.GetLength() + 1);
    MakeLowerUmlaut(name);
    return name;
}

int CBuildFileList::Find(const CString& strName) const
{
    CString name = Normalize(strName);
    for (int i = 0; i < GetSize(); ++i)
        if (m_entries[i].GetLength() > kCountDigits && m_entries[i].Mid(kCountDigits) == name)
            return i;
    return -1;
}

void CBuildFileList::AddRef(const CString& strName)
{
    if (strName.IsEmpty())
        return;
    int nIndex = Find(strName);
    if (nIndex < 0)
        m_entries.Add(MakeEntry(1, Normalize(strName)));
    else if (GetCount(nIndex) < kMaxCount)
        m_entries[nIndex] = MakeEntry(GetCount(nIndex) + 1, GetName(nIndex));
}

void CBuildFileList::Release(const CString& strName)
{
    int nIndex = Find(strName);
    if (nIndex < 0)
        return;
    if (GetCount(nIndex) <= 1)
        m_entries.RemoveAt(nIndex);
    else
        m_entries[nIndex] = MakeEntry(GetCount(nIndex) - 1, GetName(nIndex));
}
