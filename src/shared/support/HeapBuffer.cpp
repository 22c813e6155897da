#include "shared/support/HeapBuffer.h"

#include "framework/Exceptions.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"

#include <new>

IMPLEMENT_DYNAMIC(CHeapBuffer, CObject)

CHeapBuffer::~CHeapBuffer()
{
    Free();
}

BYTE* CHeapBuffer::Alloc(DWORD dwSize, BOOL bShowErrors)
{
    m_bShowErrors = bShowErrors;
    Free();
    m_strError.Empty();
    m_pData = new (std::nothrow) BYTE[dwSize];
    if (m_pData != nullptr)
    {
        m_dwSize = dwSize;
        return m_pData;
    }

    char szError[256] = "";
    CMemoryException().GetErrorMessage(szError, sizeof(szError));
    m_strError = szError;
    if (m_bShowErrors)
    {
        CWinApp* pApp = AfxGetApp();
        const CString strText = m_strError.IsEmpty() ? CString("Can not allocate enough memory\t") : m_strError;
        AfxShowMessageBox(pApp != nullptr ? pApp->GetMainWndHandle() : nullptr, strText, "Error", MB_OK | MB_ICONSTOP);
    }
    return nullptr;
}

void CHeapBuffer::Free()
{
    delete[] m_pData;
    m_pData = nullptr;
    m_dwSize = 0;
}
