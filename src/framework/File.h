// A file on disk through the platform's file handles.
#pragma once

#include "framework/Exceptions.h"

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    // Construction
    CFile();
    explicit CFile(HANDLE hFile);
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);   // throws CFileException*
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() override;

    // Opens the file; on failure fills *pError (when given) and returns FALSE.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // Attributes
    HANDLE m_hFile;
    operator HANDLE() const { return m_hFile; }
    virtual CString GetFilePath() const { return m_strFileName; }
    virtual CString GetFileName() const;
    virtual ULONGLONG GetLength() const;
    virtual ULONGLONG GetPosition() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // Operations; failures throw CFileException*
    virtual UINT Read(void* lpBuf, UINT nCount);   // short count at end of file
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    virtual void Flush();
    virtual void Close();
    virtual void Abort();                           // closes without throwing

    static void Remove(LPCSTR lpszFileName);
    static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);

protected:
    CString m_strFileName;
    BOOL m_bCloseOnDelete;
};
