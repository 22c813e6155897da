// A platform file handle closed at the end of the scope, and exact reads.
#pragma once

#include <windows.h>

class CFileHandle
{
public:
    explicit CFileHandle(HANDLE h) : m_h(h) {}
    ~CFileHandle()
    {
        if (IsOpen())
            CloseHandle(m_h);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    bool IsOpen() const { return m_h != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

// Reads exactly nCount bytes at the file position; false on a failed or
// short read.
inline bool ReadExactly(HANDLE hFile, void* pBuffer, DWORD nCount)
{
    DWORD nRead = 0;
    return ReadFile(hFile, pBuffer, nCount, &nRead, nullptr) && nRead == nCount;
}
