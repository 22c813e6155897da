#include "framework/MemFile.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(const BYTE* pData, UINT nSize) : m_data(pData, pData + nSize) {}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    m_data.resize((size_t)dwNewLen);
    if (m_nPosition > m_data.size())
        m_nPosition = m_data.size();
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    size_t left = m_nPosition < m_data.size() ? m_data.size() - m_nPosition : 0;
    size_t n = nCount < left ? nCount : left;
    if (n > 0)
        memcpy(lpBuf, m_data.data() + m_nPosition, n);
    m_nPosition += n;
    return (UINT)n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (m_nPosition + nCount > m_data.size())
        m_data.resize(m_nPosition + nCount);
    if (nCount > 0)
        memcpy(m_data.data() + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == begin ? 0 : nFrom == current ? (LONGLONG)m_nPosition : (LONGLONG)m_data.size();
    LONGLONG pos = base + lOff;
    if (pos < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (size_t)pos;
    return m_nPosition;
}
