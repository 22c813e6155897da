#include "shared/support/GlobalMemBlock.h"

IMPLEMENT_DYNAMIC(CGlobalMemBlock, CObject)

CGlobalMemBlock::~CGlobalMemBlock()
{
    Free();
}

BOOL CGlobalMemBlock::Alloc(DWORD dwSize)
{
    Free();
    m_hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, dwSize);
    if (m_hMem == nullptr)
        return FALSE;
    m_dwSize = dwSize;
    if (Lock() == nullptr)
    {
        Free();
        return FALSE;
    }
    return TRUE;
}

void* CGlobalMemBlock::Lock()
{
    if (m_hMem == nullptr)
        return nullptr;
    Unlock();
    m_pData = GlobalLock(m_hMem);
    m_bLocked = m_pData != nullptr;
    return m_pData;
}

void CGlobalMemBlock::Unlock()
{
    if (m_bLocked)
        GlobalUnlock(m_hMem);
    m_bLocked = FALSE;
    m_pData = nullptr;
}

void CGlobalMemBlock::Free()
{
    Unlock();
    if (m_hMem != nullptr)
        GlobalFree(m_hMem);
    m_hMem = nullptr;
    m_dwSize = 0;
}
