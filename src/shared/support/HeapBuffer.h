// A byte buffer on the heap whose allocation failure is told in a box.
#pragma once

#include "framework/Object.h"
#include "framework/String.h"

class CHeapBuffer : public CObject
{
    DECLARE_DYNAMIC(CHeapBuffer)
public:
    CHeapBuffer() = default;
    CHeapBuffer(const CHeapBuffer&) = delete;
    CHeapBuffer& operator=(const CHeapBuffer&) = delete;
    ~CHeapBuffer() override;

    // Attributes
    BYTE* GetData() const { return m_pData; }
    DWORD GetSize() const { return m_dwSize; }
    const CString& GetError() const { return m_strError; }

    // Operations
    // Replaces the buffer by one of dwSize bytes. When none can be had the size
    // is 0, the reason is kept and, with bShowErrors, shown. Returns the buffer
    // or null.
    BYTE* Alloc(DWORD dwSize, BOOL bShowErrors);
    void Free();

private:
    BYTE* m_pData = nullptr;
    DWORD m_dwSize = 0;
    CString m_strError;
    BOOL m_bShowErrors = TRUE;
};
