// Binary serialization over a file: little-endian numbers, counts, strings, objects.
#pragma once

#include "framework/File.h"

class CArchive
{
public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* pFile, UINT nMode);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();

    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsStoring() const { return m_nMode == store; }
    CFile* GetFile() const { return m_pFile; }

    // Raw bytes: Read gives a short count at the end of the file.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush() {}
    void Close() { m_pFile = nullptr; }

    // A count: a WORD, or 0xFFFF and a DWORD for larger counts.
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Text lines (CR LF ends a line when writing; CR LF, CR or LF when reading).
    void WriteString(LPCSTR lpsz);
    BOOL ReadString(CString& rString);

    // Objects: the class name, then the object's own Serialize.
    void WriteObject(const CObject* pOb);
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(int i);
    CArchive& operator<<(UINT u);
    CArchive& operator<<(const CString& str);
    CArchive& operator<<(const CObject* pOb) { WriteObject(pOb); return *this; }

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(int& i);
    CArchive& operator>>(UINT& u);
    CArchive& operator>>(CString& str);
    CArchive& operator>>(CObject*& pOb) { pOb = ReadObject(nullptr); return *this; }

private:
    void MustLoad() const;
    void MustStore() const;
    void ReadExactly(void* lpBuf, UINT nCount);

    CFile* m_pFile;
    UINT m_nMode;
};
