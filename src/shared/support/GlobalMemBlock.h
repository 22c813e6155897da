// A movable, zero-filled global memory block that stays locked while it is used.
#pragma once

#include "framework/Object.h"

class CGlobalMemBlock : public CObject
{
    DECLARE_DYNAMIC(CGlobalMemBlock)
public:
    CGlobalMemBlock() = default;
    CGlobalMemBlock(const CGlobalMemBlock&) = delete;
    CGlobalMemBlock& operator=(const CGlobalMemBlock&) = delete;
    ~CGlobalMemBlock() override;

    // Attributes
    void* GetData() const { return m_pData; }   // null unless locked
    DWORD GetSize() const { return m_dwSize; }
    HGLOBAL GetHandle() const { return m_hMem; }

    // Operations
    // Frees the old block, then allocates and locks a new one of the size.
    BOOL Alloc(DWORD dwSize);
    // Locks the block (a locked block is unlocked first, so one Unlock always
    // releases it); null without a block.
    void* Lock();
    void Unlock();
    void Free();

private:
    void* m_pData = nullptr;
    DWORD m_dwSize = 0;
    HGLOBAL m_hMem = nullptr;
    BOOL m_bLocked = FALSE;
};
