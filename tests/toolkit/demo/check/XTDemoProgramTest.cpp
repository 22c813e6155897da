// Black-box runs of the toolkit test program: it builds an MDI frame with a
// bar at the top, two dock windows in one row on the left, a tabbed bar on
// the right and a status bar, runs the steps of its command line and reports
// each bar's rectangle and a picture of the frame. The reports must tile the
// frame's client, the picture must show what each bar paints where the report
// says it is, and a saved layout must come back.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kDir[] = XTDEMO_DIR;
const char kCompanyKey[] = "Software\\TarnixToolkitDemo";

const long kTop = 0xE81B, kLeft = 0xE81C, kRight = 0xE81D, kBottom = 0xE81E, kFloat = 0xE81F;
const long kStatus = 0xE801, kTools = 0xE850, kEins = 0xE851, kZwei = 0xE852, kTabs = 0xE853;
const int kSplitter = 6;

struct Rect
{
    long l = 0, t = 0, r = 0, b = 0;
    long Width() const { return r - l; }
    long Height() const { return b - t; }
    bool Empty() const { return r <= l || b <= t; }
    bool operator==(const Rect& o) const { return l == o.l && t == o.t && r == o.r && b == o.b; }
};

std::ostream& operator<<(std::ostream& os, const Rect& rc)
{
    return os << "(" << rc.l << "," << rc.t << "," << rc.r << "," << rc.b << ")";
}

bool Overlap(const Rect& a, const Rect& b)
{
    return !a.Empty() && !b.Empty() && a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

struct Bar
{
    long nDockBar = -1;
    Rect rect;
};

// What one run reported, and its picture (24 bits, bottom-up).
struct DemoRun
{
    int nExitCode = -1;
    bool bEnded = false;
    POINT origin = {};
    Rect frame, mdi, child;
    std::map<long, Bar> bars;
    std::map<long, Rect> grips;
    std::vector<std::pair<long, Rect>> barSplitters, rowSplitters;
    std::vector<Rect> tabs, panes;
    std::vector<long> toolButtons;            // the customisable tool bar's commands
    std::map<long, std::string> userBars;     // id, name
    int nShadows = -1;
    int nCount = -1;                          // how often the counting command ran
    int cx = 0, cy = 0;
    std::vector<unsigned char> pixels;

    // The colour at a point of the frame's client.
    COLORREF At(long x, long y) const
    {
        long px = origin.x + x, py = origin.y + y;
        if (px < 0 || py < 0 || px >= cx || py >= cy)
            return CLR_INVALID;
        size_t nStride = ((size_t)cx * 3 + 3) & ~(size_t)3;
        const unsigned char* p = &pixels[(size_t)(cy - 1 - py) * nStride + (size_t)px * 3];
        return RGB(p[2], p[1], p[0]);
    }
};

Rect ReadRect(std::istringstream& in)
{
    Rect rc;
    in >> rc.l >> rc.t >> rc.r >> rc.b;
    return rc;
}

void ReadReport(const std::string& strPath, DemoRun& run)
{
    std::ifstream in(strPath);
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream words(line);
        std::string what;
        words >> what;
        long nA = 0, nB = 0;
        if (what == "origin")
            words >> run.origin.x >> run.origin.y;
        else if (what == "frame")
            run.frame = ReadRect(words);
        else if (what == "mdi")
            run.mdi = ReadRect(words);
        else if (what == "child")
            run.child = ReadRect(words);
        else if (what == "bar")
        {
            words >> nA >> nB;
            run.bars[nA].nDockBar = nB;
            run.bars[nA].rect = ReadRect(words);
        }
        else if (what == "grip")
        {
            words >> nA;
            run.grips[nA] = ReadRect(words);
        }
        else if (what == "splitter")
        {
            words >> nA >> nB;
            (nB != 0 ? run.barSplitters : run.rowSplitters).push_back({ nA, ReadRect(words) });
        }
        else if (what == "tab")
        {
            words >> nA;
            run.tabs.push_back(ReadRect(words));
        }
        else if (what == "pane")
        {
            words >> nA;
            run.panes.push_back(ReadRect(words));
        }
        else if (what == "buttons")
        {
            words >> nA;
            run.toolButtons.clear();
            while (words >> nB)
                run.toolButtons.push_back(nB);
        }
        else if (what == "userbar")
        {
            words >> nA;
            std::string strName;
            std::getline(words >> std::ws, strName);
            run.userBars[nA] = strName;
        }
        else if (what == "count")
            words >> run.nCount;
        else if (what == "option")
        {
            std::string strName;
            words >> strName >> run.nShadows;
        }
        else if (what == "end")
            run.bEnded = true;
    }
}

void ReadBitmap(const std::string& strPath, DemoRun& run)
{
    std::ifstream in(strPath, std::ios::binary);
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    if (!in.read(reinterpret_cast<char*>(&bfh), sizeof(bfh)) || !in.read(reinterpret_cast<char*>(&bih), sizeof(bih)))
        return;
    if (bfh.bfType != 0x4D42 || bih.biBitCount != 24 || bih.biWidth <= 0 || bih.biHeight <= 0 ||
        bih.biWidth > 4096 || bih.biHeight > 4096)
        return;
    size_t nStride = ((size_t)bih.biWidth * 3 + 3) & ~(size_t)3;
    std::vector<unsigned char> pixels(nStride * (size_t)bih.biHeight);
    in.seekg(bfh.bfOffBits);
    if (!in.read(reinterpret_cast<char*>(pixels.data()), (std::streamsize)pixels.size()))
        return;
    run.cx = bih.biWidth;
    run.cy = bih.biHeight;
    run.pixels.swap(pixels);
}

// Runs the program with the steps; the report and picture go to <name>.txt and <name>.bmp.
DemoRun RunDemo(const std::string& strName, const std::string& strSteps)
{
    DemoRun run;
    std::string strBase = std::string(kDir) + "\\" + strName;
    ::DeleteFileA((strBase + ".txt").c_str());
    ::DeleteFileA((strBase + ".bmp").c_str());
    std::string strCommand = "\"" + std::string(kDir) + "\\XTDemo.exe\" " + strSteps + " --out \"" + strBase +
                             ".txt\" --bmp \"" + strBase + ".bmp\"";
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, kDir, &si, &pi))
        return run;
    if (::WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0)
    {
        DWORD dwCode = 0;
        ::GetExitCodeProcess(pi.hProcess, &dwCode);
        run.nExitCode = (int)dwCode;
    }
    else
        ::TerminateProcess(pi.hProcess, 99);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ReadReport(strBase + ".txt", run);
    ReadBitmap(strBase + ".bmp", run);
    return run;
}

class XTDemoProgram : public testing::Test
{
protected:
    // The program runs four times for all the tests: as it starts, with both
    // splitters dragged and the layout saved, loading that layout, and with
    // "Zwei" floating.
    static void SetUpTestSuite()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
        s_runs["plain"] = RunDemo("plain", "");
        s_runs["moved"] = RunDemo("moved", "--drag 40 --split 30 --save Moved");
        s_runs["loaded"] = RunDemo("loaded", "--load Moved");
        s_runs["floating"] = RunDemo("floating", "--float");
    }
    static void TearDownTestSuite() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey); }

    static std::map<std::string, DemoRun> s_runs;
};
std::map<std::string, DemoRun> XTDemoProgram::s_runs;

TEST_F(XTDemoProgram, EveryRunEndsWithAReportAndAPicture)
{
    for (const auto& [name, run] : s_runs)
    {
        SCOPED_TRACE(name);
        EXPECT_EQ(0, run.nExitCode);
        EXPECT_TRUE(run.bEnded);
        EXPECT_FALSE(run.pixels.empty());
        EXPECT_GT(run.frame.Width(), 400);
    }
}

TEST_F(XTDemoProgram, DockBarsStatusBarAndClientTileTheFrame)
{
    for (const auto& [name, run] : s_runs)
    {
        SCOPED_TRACE(name);
        ASSERT_TRUE(run.bars.count(kTop) && run.bars.count(kLeft) && run.bars.count(kRight) && run.bars.count(kStatus));
        const Rect& top = run.bars.at(kTop).rect;
        const Rect& left = run.bars.at(kLeft).rect;
        const Rect& right = run.bars.at(kRight).rect;
        const Rect& status = run.bars.at(kStatus).rect;
        // The bottom dock bar is empty: it takes no height, whether shown or not.
        long nLower = status.t;
        if (run.bars.count(kBottom))
        {
            EXPECT_EQ(0, run.bars.at(kBottom).rect.Height());
            nLower = run.bars.at(kBottom).rect.t;
        }
        EXPECT_EQ(status.t, nLower);
        EXPECT_EQ((Rect{ 0, 0, run.frame.r, top.b }), top);
        EXPECT_GT(top.Height(), 0);
        EXPECT_EQ((Rect{ 0, status.t, run.frame.r, run.frame.b }), status);
        EXPECT_GT(status.Height(), 0);
        EXPECT_EQ((Rect{ 0, top.b, left.r, nLower }), left);
        EXPECT_EQ((Rect{ right.l, top.b, run.frame.r, nLower }), right);
        EXPECT_EQ((Rect{ left.r, top.b, right.l, nLower }), run.mdi);
        EXPECT_GT(run.mdi.Width(), 0);
        // The one MDI child is shown inside the client.
        EXPECT_TRUE(run.child.l >= run.mdi.l && run.child.t >= run.mdi.t && run.child.r <= run.mdi.r &&
                    run.child.b <= run.mdi.b && !run.child.Empty())
            << run.child << " in " << run.mdi;
        const Rect parts[] = { top, left, right, status, run.mdi };
        for (size_t i = 0; i < 5; ++i)
            for (size_t j = i + 1; j < 5; ++j)
                EXPECT_FALSE(Overlap(parts[i], parts[j])) << parts[i] << " " << parts[j];
        // The tool bar docked at the top; each docked bar lies inside its dock bar.
        ASSERT_TRUE(run.bars.count(kTools));
        EXPECT_EQ(kTop, run.bars.at(kTools).nDockBar);
        for (const auto& [nID, bar] : run.bars)
        {
            if (bar.nDockBar == 0 || bar.nDockBar == kFloat)
                continue;
            SCOPED_TRACE(nID);
            ASSERT_TRUE(run.bars.count(bar.nDockBar));
            const Rect& dock = run.bars.at(bar.nDockBar).rect;
            EXPECT_TRUE(bar.rect.l >= dock.l && bar.rect.t >= dock.t && bar.rect.r <= dock.r && bar.rect.b <= dock.b)
                << bar.rect << " in " << dock;
        }
    }
}

TEST_F(XTDemoProgram, EinsAndZweiShareTheLeftDockBarAroundTheSplitter)
{
    for (const char* name : { "plain", "moved", "loaded" })
    {
        SCOPED_TRACE(name);
        const DemoRun& run = s_runs.at(name);
        ASSERT_TRUE(run.bars.count(kEins) && run.bars.count(kZwei) && run.bars.count(kLeft));
        const Rect& left = run.bars.at(kLeft).rect;
        const Rect& eins = run.bars.at(kEins).rect;
        const Rect& zwei = run.bars.at(kZwei).rect;
        EXPECT_EQ(kLeft, run.bars.at(kEins).nDockBar);
        EXPECT_EQ(kLeft, run.bars.at(kZwei).nDockBar);
        EXPECT_EQ(left.t, eins.t);
        EXPECT_EQ(eins.b + kSplitter, zwei.t);
        EXPECT_EQ(left.b, zwei.b);
        EXPECT_EQ(left.Height() - kSplitter, eins.Height() + zwei.Height());
        EXPECT_EQ(eins.l, zwei.l);
        EXPECT_EQ(eins.r, zwei.r);
    }
    // As the program starts the two halves are equal; the dragged splitter moved 30 pixels.
    const Rect& eins = s_runs.at("plain").bars.at(kEins).rect;
    const Rect& zwei = s_runs.at("plain").bars.at(kZwei).rect;
    EXPECT_LE(std::abs(eins.Height() - zwei.Height()), 1);
    EXPECT_EQ(eins.Height() + 30, s_runs.at("moved").bars.at(kEins).rect.Height());
}

TEST_F(XTDemoProgram, TheRowSplitterWidensTheRowAndALoadedLayoutComesBack)
{
    const DemoRun& plain = s_runs.at("plain");
    const DemoRun& moved = s_runs.at("moved");
    const DemoRun& loaded = s_runs.at("loaded");
    ASSERT_TRUE(plain.bars.count(kEins) && moved.bars.count(kEins));
    EXPECT_EQ(plain.bars.at(kEins).rect.Width() + 40, moved.bars.at(kEins).rect.Width());
    EXPECT_EQ(plain.bars.at(kLeft).rect.Width() + 40, moved.bars.at(kLeft).rect.Width());
    ASSERT_EQ(moved.bars.size(), loaded.bars.size());
    for (const auto& [nID, bar] : moved.bars)
    {
        SCOPED_TRACE(nID);
        ASSERT_TRUE(loaded.bars.count(nID));
        EXPECT_EQ(bar.nDockBar, loaded.bars.at(nID).nDockBar);
        EXPECT_EQ(bar.rect, loaded.bars.at(nID).rect);
    }
    EXPECT_EQ(moved.mdi, loaded.mdi);
}

TEST_F(XTDemoProgram, FloatingZweiLeavesEinsTheWholeLeftDockBar)
{
    const DemoRun& run = s_runs.at("floating");
    ASSERT_TRUE(run.bars.count(kEins) && run.bars.count(kZwei));
    EXPECT_EQ(kFloat, run.bars.at(kZwei).nDockBar);
    const Rect& left = run.bars.at(kLeft).rect;
    const Rect& eins = run.bars.at(kEins).rect;
    EXPECT_EQ(left.t, eins.t);
    EXPECT_EQ(left.b, eins.b);
    EXPECT_FALSE(Overlap(run.bars.at(kZwei).rect, eins));
}

// The docked dock windows' captions: a raised grip line, highlight over
// shadow, two pixels below the top of the gripper rectangle, in its last
// columns but the very last (the title takes its first ones, the line's
// shadow closes its right end).
TEST_F(XTDemoProgram, CaptionsShowARaisedGripLineAtTheGripperRectangle)
{
    const COLORREF clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT), clrDark = ::GetSysColor(COLOR_BTNSHADOW);
    for (const char* name : { "plain", "moved" })
    {
        const DemoRun& run = s_runs.at(name);
        for (long nID : { kEins, kZwei, kTabs })
        {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(nID));
            ASSERT_TRUE(run.grips.count(nID));
            const Rect& grip = run.grips.at(nID);
            ASSERT_GT(grip.Width(), 20);
            EXPECT_EQ(3, grip.Height());
            for (long x = grip.r - 12; x < grip.r - 1; ++x)
            {
                SCOPED_TRACE(x);
                EXPECT_EQ(clrLight, run.At(x, grip.t + 2));
                EXPECT_NE(clrLight, run.At(x, grip.t + 3));
                EXPECT_NE(clrDark, run.At(x, grip.t + 3));
                EXPECT_EQ(clrDark, run.At(x, grip.t + 4));
                EXPECT_NE(clrDark, run.At(x, grip.t + 5));
            }
        }
    }
}

TEST_F(XTDemoProgram, SplitterBetweenEinsAndZweiLiesBetweenThem)
{
    for (const char* name : { "plain", "moved", "loaded" })
    {
        SCOPED_TRACE(name);
        const DemoRun& run = s_runs.at(name);
        ASSERT_EQ(1u, run.barSplitters.size());
        const Rect& split = run.barSplitters[0].second;
        EXPECT_EQ(kLeft, run.barSplitters[0].first);
        EXPECT_EQ(run.bars.at(kEins).rect.b, split.t);
        EXPECT_EQ(run.bars.at(kZwei).rect.t, split.b);
        EXPECT_EQ(run.bars.at(kEins).rect.l, split.l);
        EXPECT_EQ(run.bars.at(kEins).rect.r, split.r);
    }
}

// Every splitter, across its depth: a highlight edge, the face, a shadow
// line and the window frame's line facing the next part.
TEST_F(XTDemoProgram, SplittersShowFaceAndEdgeLines)
{
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE), clrLight = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   clrDark = ::GetSysColor(COLOR_BTNSHADOW), clrFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    for (const char* name : { "plain", "moved", "loaded" })
    {
        const DemoRun& run = s_runs.at(name);
        std::vector<std::pair<long, Rect>> splitters = run.barSplitters;
        splitters.insert(splitters.end(), run.rowSplitters.begin(), run.rowSplitters.end());
        ASSERT_EQ(3u, splitters.size());
        for (const auto& [nDockBar, split] : splitters)
        {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(nDockBar));
            const bool bAcrossY = split.Width() > split.Height();   // a horizontal splitter's depth runs down
            const long nDepth = bAcrossY ? split.Height() : split.Width();
            ASSERT_GE(nDepth, 4);
            for (int nAlong : { 1, 2, 3 })
            {
                long nAt = bAcrossY ? split.l + split.Width() * nAlong / 4 : split.t + split.Height() * nAlong / 4;
                auto pixel = [&](long nDeep) {
                    return bAcrossY ? run.At(nAt, split.t + nDeep) : run.At(split.l + nDeep, nAt);
                };
                EXPECT_EQ(clrLight, pixel(0));
                for (long nDeep = 1; nDeep < nDepth - 2; ++nDeep)
                    EXPECT_EQ(clrFace, pixel(nDeep)) << nDeep;
                EXPECT_EQ(clrDark, pixel(nDepth - 2));
                EXPECT_EQ(clrFrame, pixel(nDepth - 1));
            }
        }
    }
}

TEST_F(XTDemoProgram, TabsRunAlongTheBottomOfTheRightBar)
{
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE), clrDark = ::GetSysColor(COLOR_BTNSHADOW),
                   clrDarker = ::GetSysColor(COLOR_3DDKSHADOW);
    const DemoRun& run = s_runs.at("plain");
    ASSERT_EQ(2u, run.tabs.size());
    const Rect& bar = run.bars.at(kTabs).rect;
    const Rect& first = run.tabs[0];
    const Rect& second = run.tabs[1];
    EXPECT_EQ(first.t, second.t);
    EXPECT_LE(first.r, second.l + 2);
    EXPECT_GT(first.t, (bar.t + bar.b) / 2);
    EXPECT_LE(first.b, bar.b);
    EXPECT_GT(first.b, bar.b - 16);
    EXPECT_GE(first.l, bar.l);
    EXPECT_LE(second.r, bar.r);
    // Each tab: its face, closed below by a shadow line and a darker one.
    for (const Rect& tab : run.tabs)
    {
        SCOPED_TRACE(testing::Message() << tab);
        const long x = tab.l + 4;
        std::string column;
        for (long y = (tab.t + tab.b) / 2; y < tab.b + 3; ++y)
        {
            COLORREF clr = run.At(x, y);
            column += clr == clrFace ? 'F' : clr == clrDark ? 'D' : clr == clrDarker ? 'K' : '.';
        }
        EXPECT_NE(std::string::npos, column.find("FDK")) << column;
        EXPECT_EQ('F', column[0]) << column;
    }
}

TEST_F(XTDemoProgram, StatusBarShowsItsPanes)
{
    const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
    const DemoRun& run = s_runs.at("plain");
    ASSERT_EQ(2u, run.panes.size());
    const Rect& status = run.bars.at(kStatus).rect;
    const Rect& pane = run.panes[1];
    EXPECT_GE(pane.t, status.t);
    EXPECT_LE(pane.b, status.b);
    EXPECT_LE(run.panes[0].r, pane.l);
    EXPECT_EQ(clrFace, run.At((pane.l + pane.r) / 2, (pane.t + pane.b) / 2));
}

// Customisation with real input, across two runs in one prefix: the first
// removes a button by an Alt-drag, makes a user bar in the customise sheet,
// gives a command Ctrl+K, turns an option over, opens the colour and chevron
// popups and saves; the second loads, finds it all again and types Ctrl+K.
class XTDemoCustomization : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey);
        s_plain = RunDemo("custom0", "");
        std::string strColor = std::string(kDir) + "\\colorpopup.bmp";
        std::string strChevron = std::string(kDir) + "\\chevronpopup.bmp";
        ::DeleteFileA(strColor.c_str());
        ::DeleteFileA(strChevron.c_str());
        s_first = RunDemo("custom1", "--altdrag-off 1 --newbar Meine --shortcut --shadows --save Custom --colorpopup \"" +
                                         strColor + "\" --chevron \"" + strChevron + "\"");
        s_second = RunDemo("custom2", "--load Custom --press-ctrl-k");
        s_bColorPicture = ::GetFileAttributesA(strColor.c_str()) != INVALID_FILE_ATTRIBUTES;
        s_bChevronPicture = ::GetFileAttributesA(strChevron.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    static void TearDownTestSuite() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kCompanyKey); }

    static DemoRun s_plain, s_first, s_second;
    static bool s_bColorPicture, s_bChevronPicture;
};
DemoRun XTDemoCustomization::s_plain, XTDemoCustomization::s_first, XTDemoCustomization::s_second;
bool XTDemoCustomization::s_bColorPicture = false, XTDemoCustomization::s_bChevronPicture = false;

TEST_F(XTDemoCustomization, TheSecondRunShowsWhatTheFirstChanged)
{
    ASSERT_EQ(0, s_first.nExitCode);
    ASSERT_EQ(0, s_second.nExitCode);
    // The second button went.
    std::vector<long> expected = s_plain.toolButtons;
    ASSERT_GT(expected.size(), 2u);
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(expected, s_first.toolButtons);
    EXPECT_EQ(expected, s_second.toolButtons);
    // The user's bar, floating where it was left.
    ASSERT_EQ(1u, s_first.userBars.size());
    EXPECT_EQ(s_first.userBars, s_second.userBars);
    const long nUserBar = s_first.userBars.begin()->first;
    ASSERT_TRUE(s_first.bars.count(nUserBar) && s_second.bars.count(nUserBar));
    EXPECT_EQ(kFloat, s_second.bars.at(nUserBar).nDockBar);
    EXPECT_EQ(s_first.bars.at(nUserBar).rect, s_second.bars.at(nUserBar).rect);
    // The shortcut given in the first run works in the second.
    EXPECT_EQ(0, s_first.nCount);
    EXPECT_EQ(1, s_second.nCount);
    // The option, turned over.
    ASSERT_NE(-1, s_plain.nShadows);
    EXPECT_EQ(1 - s_plain.nShadows, s_second.nShadows);
    EXPECT_TRUE(s_bColorPicture);
    EXPECT_TRUE(s_bChevronPicture);
}

} // namespace

