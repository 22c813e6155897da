// A file held in memory.
#pragma once

#include "framework/File.h"

#include <vector>

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    CMemFile() = default;
    CMemFile(const BYTE* pData, UINT nSize);   // a copy of the bytes, positioned at the start

    BOOL Open(LPCSTR, UINT, CFileException* = nullptr) override { return FALSE; }
    CString GetFilePath() const override { return CString(); }
    ULONGLONG GetLength() const override { return m_data.size(); }
    ULONGLONG GetPosition() const override { return m_nPosition; }
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

    const std::vector<BYTE>& GetData() const { return m_data; }

private:
    std::vector<BYTE> m_data;
    size_t m_nPosition = 0;
};
