// The toolkit's rebar: a toolkit bar fills in its band's sizes itself, any
// other window gets its own size, and the band's child hears of RBN_CHILDSIZE.
#include "toolkit/frame/XTControlBar.h"
#include "toolkit/frame/XTReBar.h"

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CBandBar : public CXTControlBar
{
public:
    BOOL Create(CWnd* pParent, UINT nID) { return CreateBar(nullptr, WS_VISIBLE, CBRS_ALIGN_TOP, pParent, nID); }
    CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(90, 26); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void FillRebarBandSize(REBARBANDINFOA* pInfo, BOOL bHorz) override
    {
        queries.push_back(bHorz);
        pInfo->fMask |= RBBIM_CHILDSIZE;
        pInfo->cxMinChild = 77;
        pInfo->cyMinChild = 22;
    }
    void CalcOverflowLayout(NMREBARCHILDSIZE* pNotify, BOOL bHorz) override
    {
        childSizes.push_back(pNotify->rcChild.right - pNotify->rcChild.left);
        childHorz.push_back(bHorz);
    }
    std::vector<BOOL> queries;
    std::vector<int> childSizes;
    std::vector<BOOL> childHorz;
};

class CTestFrame : public CFrameWnd
{
public:
    void PostNcDestroy() override {}
};

REBARBANDINFOA BandInfo(CXTReBar& rebar, int nBand)
{
    REBARBANDINFOA band = {};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
    rebar.SendMessage(RB_GETBANDINFOA, (WPARAM)nBand, reinterpret_cast<LPARAM>(&band));
    return band;
}

TEST(XTReBar, BandSizesComeFromTheBarElseFromTheWindowAndChildSizesReachTheBar)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, "Rebar", WS_OVERLAPPEDWINDOW, CRect(20, 20, 520, 320)));
    CXTReBar rebar;
    ASSERT_TRUE(rebar.Create(&frame));
    CBandBar bar;
    ASSERT_TRUE(bar.Create(&frame, 0xE900));
    CWnd plain;
    ASSERT_TRUE(plain.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 18), &frame, 0xE901));

    ASSERT_TRUE(rebar.AddBar(&bar));
    ASSERT_TRUE(rebar.AddBar(&plain, "Plain"));
    ASSERT_EQ(2u, rebar.GetBandCount());
    EXPECT_EQ((std::vector<BOOL>{ TRUE }), bar.queries);

    struct Case
    {
        int nBand;
        HWND hWndChild;
        UINT cxMin;
        UINT cyMin;
    };
    const Case cases[] = { { 0, bar.m_hWnd, 77, 22 }, { 1, plain.m_hWnd, 50, 18 } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nBand);
        REBARBANDINFOA band = BandInfo(rebar, c.nBand);
        EXPECT_EQ(c.hWndChild, band.hwndChild);
        EXPECT_EQ(c.cxMin, band.cxMinChild);
        EXPECT_EQ(c.cyMin, band.cyMinChild);
    }

    // A child size notification reaches the band's bar.
    bar.childSizes.clear();
    bar.childHorz.clear();

    NMREBARCHILDSIZE notify = {};
    notify.hdr.hwndFrom = rebar.m_hWnd;
    notify.hdr.idFrom = (UINT_PTR)rebar.GetDlgCtrlID();
    notify.hdr.code = RBN_CHILDSIZE;
    notify.uBand = 0;
    notify.rcChild = CRect(10, 2, 70, 24);
    frame.SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    ASSERT_EQ(1u, bar.childSizes.size());
    EXPECT_EQ(60, bar.childSizes[0]);
    EXPECT_TRUE(bar.childHorz[0]);

    notify.uBand = 5;   // no such band: nobody hears of it
    frame.SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    EXPECT_EQ(1u, bar.childSizes.size());
    frame.DestroyWindow();
}

} // namespace
