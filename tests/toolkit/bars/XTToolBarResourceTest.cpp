#include "toolkit/bars/XTToolBarResource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> Words(std::initializer_list<WORD> words)
{
    std::vector<BYTE> bytes;
    for (WORD w : words)
        bytes.insert(bytes.end(), { (BYTE)(w & 0xFF), (BYTE)(w >> 8) });
    return bytes;
}

std::vector<BYTE> Dwords(std::initializer_list<DWORD> dwords)
{
    std::vector<BYTE> bytes;
    for (DWORD d : dwords)
        bytes.insert(bytes.end(), { (BYTE)d, (BYTE)(d >> 8), (BYTE)(d >> 16), (BYTE)(d >> 24) });
    return bytes;
}

TEST(XTToolBarResource, ReadsBothLayoutsAndRefusesOtherSizes)
{
    struct Row
    {
        const char* pszWhat;
        std::vector<BYTE> data;
        BOOL bOk;
        int cx, cy;
        std::vector<UINT> commands;
    };
    const Row rows[] = {
        { "words with version 1", Words({ 1, 16, 15, 3, 100, 0, 101 }), TRUE, 16, 15, { 100, 0, 101 } },
        { "windres' double words", Dwords({ 24, 22, 2, 0xE100, 0xE101 }), TRUE, 24, 22, { 0xE100, 0xE101 } },
        { "count beyond the data", Words({ 1, 16, 15, 4, 100, 0, 101 }), FALSE, 0, 0, {} },
        { "count short of the data", Dwords({ 16, 15, 1, 100, 101 }), FALSE, 0, 0, {} },
        { "a header only", Words({ 1, 16 }), FALSE, 0, 0, {} },
        { "no buttons", Words({ 1, 16, 15, 0 }), TRUE, 16, 15, {} },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszWhat);
        XT_TOOLBAR_RESOURCE toolBar;
        EXPECT_EQ(row.bOk, ParseToolBarResource(row.data.data(), (DWORD)row.data.size(), toolBar));
        if (!row.bOk)
            continue;
        EXPECT_EQ(row.cx, toolBar.cxImage);
        EXPECT_EQ(row.cy, toolBar.cyImage);
        EXPECT_EQ(row.commands, toolBar.commands);
    }
}

} // namespace
