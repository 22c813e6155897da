// The splitter tests' fixture: a 1 x 3 splitter over plain panes of widths
// 100, 120 and the rest, the panes' minimum 10, in a hidden parent (a shown
// top-level window costs Wine seconds to destroy).
#pragma once

#include "toolkit/frame/XTSplitterWnd.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace toolkit_test {

class XTThreePaneSplitterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "Splitter", WS_POPUP, 50, 50, 412, 200, nullptr, nullptr));
        ASSERT_TRUE(m_splitter.CreateStatic(&m_parent, 1, 3, WS_CHILD | WS_VISIBLE, 100));
        m_splitter.MoveWindow(0, 0, 412, 200);
        for (int col = 0; col < 3; ++col)
        {
            m_panes.push_back(std::make_unique<CWnd>());
            ASSERT_TRUE(m_panes.back()->Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &m_splitter,
                                               m_splitter.IdFromRowCol(0, col)));
        }
        m_splitter.SetColumnInfo(0, 100, 10);
        m_splitter.SetColumnInfo(1, 120, 10);
        m_splitter.RecalcLayout();
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    int Width(int col)
    {
        int cx, cxMin;
        m_splitter.GetColumnInfo(col, cx, cxMin);
        return cx;
    }

    CWnd m_parent;
    CXTSplitterWnd m_splitter;
    std::vector<std::unique_ptr<CWnd>> m_panes;
};

} // namespace toolkit_test
