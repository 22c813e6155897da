#include "editor/app/TempFileSet.h"

#include "shared/support/FileHandle.h"
#include "shared/support/FileUtils.h"

#include <windows.h>

CTempFileSet::CTempFileSet() : m_bDeleteFiles(TRUE)
{
    CString strLong;
    ::GetTempFolder(m_strTempFolder, strLong);
}

CTempFileSet::~CTempFileSet()
{
    if (!m_bDeleteFiles)
        return;
    for (int i = 0; i < kFileCount; ++i)
        RemoveFile(i);
}

const CString& CTempFileSet::GetFile(int nIndex) const
{
    static const CString none;
    return nIndex >= 0 && nIndex < kFileCount ? m_strFiles[nIndex] : none;
}

void CTempFileSet::RemoveFile(int nIndex)
{
    if (!m_strFiles[nIndex].IsEmpty())
        ::DeleteFileA(m_strFiles[nIndex]);
    m_strFiles[nIndex].Empty();
}

CString CTempFileSet::WriteFile(int nIndex, LPCSTR lpszExtension)
{
    if (nIndex < 0 || nIndex >= kFileCount || m_strTempFolder.IsEmpty())
        return CString();
    RemoveFile(nIndex);
    // The process and the set's own address make the name: two editors, or two
    // documents of one, never share a file.
    CString strPath;
    strPath.Format("%s\\~tarnix%lu_%p_%d%s", (LPCSTR)m_strTempFolder, ::GetCurrentProcessId(), (const void*)this,
                   nIndex, lpszExtension != nullptr ? lpszExtension : "");
    {
        CFileHandle file(
            ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen())
            return CString();
    }
    if (m_lines.GetCount() > 0 && !m_lines.SaveFile(strPath))
    {
        ::DeleteFileA(strPath);
        return CString();
    }
    m_strFiles[nIndex] = strPath;
    return strPath;
}
