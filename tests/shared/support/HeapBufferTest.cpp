#include "shared/support/HeapBuffer.h"

#include <gtest/gtest.h>

namespace {

TEST(HeapBufferTest, AllocReplacesTheBuffer)
{
    CHeapBuffer buffer;
    BYTE* pFirst = buffer.Alloc(100, TRUE);
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(pFirst, buffer.GetData());
    EXPECT_EQ(100u, buffer.GetSize());
    pFirst[99] = 1;
    ASSERT_NE(nullptr, buffer.Alloc(10, TRUE));
    EXPECT_EQ(10u, buffer.GetSize());
    EXPECT_TRUE(buffer.GetError().IsEmpty());
    buffer.Free();
    EXPECT_EQ(nullptr, buffer.GetData());
    EXPECT_EQ(0u, buffer.GetSize());
}

} // namespace
