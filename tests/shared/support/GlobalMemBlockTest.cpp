#include "shared/support/GlobalMemBlock.h"

#include <gtest/gtest.h>

TEST(GlobalMemBlock, AllocGivesALockedZeroFilledBlock)
{
    CGlobalMemBlock block;
    EXPECT_EQ(nullptr, block.Lock());
    ASSERT_TRUE(block.Alloc(64));
    ASSERT_NE(nullptr, block.GetData());
    EXPECT_EQ(64u, block.GetSize());
    const BYTE* bytes = (const BYTE*)block.GetData();
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(0, bytes[i]);
    EXPECT_EQ(1u, GlobalFlags(block.GetHandle()) & GMEM_LOCKCOUNT);
}

TEST(GlobalMemBlock, LockOnALockedBlockIsReleasedByOneUnlock)
{
    CGlobalMemBlock block;
    ASSERT_TRUE(block.Alloc(16));
    ((BYTE*)block.GetData())[3] = 7;
    void* p = block.Lock();
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(7, ((BYTE*)p)[3]);
    EXPECT_EQ(1u, GlobalFlags(block.GetHandle()) & GMEM_LOCKCOUNT);
    block.Unlock();
    EXPECT_EQ(0u, GlobalFlags(block.GetHandle()) & GMEM_LOCKCOUNT);
    EXPECT_EQ(nullptr, block.GetData());
    block.Unlock();   // a second unlock is harmless
    EXPECT_EQ(0u, GlobalFlags(block.GetHandle()) & GMEM_LOCKCOUNT);
}

TEST(GlobalMemBlock, FreeAndReallocReplaceTheBlock)
{
    CGlobalMemBlock block;
    ASSERT_TRUE(block.Alloc(8));
    ((BYTE*)block.GetData())[0] = 1;
    ASSERT_TRUE(block.Alloc(32));
    EXPECT_EQ(32u, block.GetSize());
    EXPECT_EQ(0, ((BYTE*)block.GetData())[0]);
    block.Free();
    EXPECT_EQ(nullptr, block.GetHandle());
    EXPECT_EQ(nullptr, block.GetData());
    EXPECT_EQ(0u, block.GetSize());
    EXPECT_EQ(nullptr, block.Lock());
}
