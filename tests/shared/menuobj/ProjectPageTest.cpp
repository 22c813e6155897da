// The editor's project reader and writer: a sample read and written again
// comes back line by line; numbering, editor-only objects, one-line texts,
// sub-page files and the used-file counts.
#include "shared/menuobj/ProjectPage.h"

#include "helpers/TestSupport.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/ProjectWriter.h"
#include "StoredLines.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using testing_support::Lines;
using testing_support::MessageBoxRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;
using testing_support::TestDataPath;
using menuobj_testing::StoredLines;
using testing_values::Ints;

namespace {

typedef std::vector<std::string> LineList;

void CopySample(const TempFolder& folder, LPCSTR pszSample, std::initializer_list<LPCSTR> files)
{
    for (LPCSTR name : files)
    {
        CString text = ReadFileText(TestDataPath(CString("projects\\") + pszSample + "\\" + name));
        folder.Write(name, text);
    }
}

LineList SplitLines(const CString& strText)
{
    LineList lines;
    std::string text = (LPCSTR)strText;
    size_t nStart = 0;
    for (size_t nEnd; (nEnd = text.find("\r\n", nStart)) != std::string::npos; nStart = nEnd + 2)
        lines.push_back(text.substr(nStart, nEnd - nStart));
    return lines;
}

// Drops the head section, which names the writing editor.
LineList WithoutHead(const LineList& lines)
{
    LineList rest;
    bool bHead = false;
    for (const std::string& line : lines)
    {
        if (line == "[Tarnix]")
            bHead = true;
        else if (bHead && line == " ")
            bHead = false;
        else if (!bHead)
            rest.push_back(line);
    }
    return rest;
}

LineList Written(CProjectPage& page, const CString& strPath)
{
    CLineStore store;
    CProjectWriter(page, store, strPath).WriteProject();
    return StoredLines(store);
}

void ExpectSameLines(const LineList& expected, const LineList& actual)
{
    ASSERT_EQ(expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], actual[i]) << "line " << i + 1;
}

bool Contains(const LineList& lines, const std::string& line)
{
    for (const std::string& l : lines)
        if (l == line)
            return true;
    return false;
}

// Which of the wanted lines the text lacks.
LineList Missing(const LineList& lines, std::initializer_list<LPCSTR> wanted)
{
    LineList missing;
    for (LPCSTR line : wanted)
        if (!Contains(lines, line))
            missing.push_back(line);
    return missing;
}

const char* const kFullFiles[] = { "Velconf.ini", "seite2.ini", "liesmich.txt", "hintergrund.bmp", "knopf.bmp",
                                   "sound\\klick.wav", "sound\\hintergrund.wav" };

} // namespace

TEST(ProjectPageTest, FullSampleComesBackLineByLine)
{
    MessageBoxRecorder boxes;
    TempFolder folder;
    for (LPCSTR name : kFullFiles)
        CopySample(folder, "full", { name });
    CString path = folder.File("Velconf.ini");

    CProjectPage page;
    page.LoadProject(path);
    EXPECT_EQ(6, page.GetButtons().GetSize());
    EXPECT_EQ(2, page.GetTexts().GetSize());
    EXPECT_EQ("2.1.0", std::string(page.GetFileVersion()));
    // The live page holds full paths; the file gets "_CURRENTDIR_" names back,
    // also for film.avi and Velicon.ico, which are missing.
    EXPECT_EQ(std::string::npos, std::string(page.GetSound().strFile).find("_CURRENTDIR_"));
    ExpectSameLines(WithoutHead(SplitLines(ReadFileText(path))), WithoutHead(Written(page, path)));
}

TEST(ProjectPageTest, GapsInButtonNumbersCloseOnWrite)
{
    TempFolder folder;
    CString path = folder.Write("Velconf.ini", Lines({ "[BUTTON1]", "ENABLE=1", "TEXT=a", " ", "[BUTTON2]",
                                                       "ENABLE=1", "TEXT=b", " ", "[BUTTON5]", "ENABLE=1",
                                                       "TEXT=c", " ", "[BUTTON30]", "ENABLE=1", "TEXT=d", " " }));
    CProjectPage page;
    page.LoadProject(path);
    ASSERT_EQ(3, page.GetButtons().GetSize());
    LineList lines = Written(page, path);
    EXPECT_EQ(LineList(), Missing(lines, { "[BUTTON3]", "TEXT=c" }));
    EXPECT_EQ((LineList{ "[BUTTON4]", "TEXT=d" }), Missing(lines, { "[BUTTON4]", "TEXT=d" }));
}

TEST(ProjectPageTest, ObjectsWithoutPlayerSectionsSurvive)
{
    TempFolder folder;
    CString path = folder.File("Velconf.ini");
    CProjectPage page;
    page.LoadProject(path);
    struct Row
    {
        const CMObjList& (CProjectPage::*pList)() const;
        BOOL (CProjectPage::*pAdd)(CMObjCreateStruct*);
        int nType;
        LPCSTR pszFile;
    } rows[] = {
        { &CProjectPage::GetImages, &CProjectPage::AddImage, MOBJ_PICTURE, "bild.bmp" },
        { &CProjectPage::GetAviClips, &CProjectPage::AddAviClip, MOBJ_AVICLIP, "film.avi" },
        { &CProjectPage::GetSliders, &CProjectPage::AddSlider, MOBJ_SLIDER, "" },
        { &CProjectPage::GetListBoxes, &CProjectPage::AddListBox, MOBJ_LISTBOX, "List001.ini" },
    };
    for (const Row& row : rows)
    {
        CMObjCreateStruct* pObject = new CMObjCreateStruct;
        pObject->m_nType = row.nType;
        pObject->m_strText = row.pszFile[0] ? folder.File(row.pszFile) : CString();
        SetRect(&pObject->m_rect, 10, 20, 110, 70);
        pObject->m_nRepeat = 3;
        pObject->m_dwStyle = WS_BORDER;
        pObject->m_crColor = RGB(1, 2, 3);
        ASSERT_TRUE((page.*row.pAdd)(pObject));
    }
    CLineStore store;
    CProjectWriter(page, store, path).WriteProject();
    ASSERT_TRUE(store.SaveFile(path));

    CProjectPage again;
    again.LoadProject(path);
    for (const Row& row : rows)
        ASSERT_EQ(1, (again.*row.pList)().GetSize()) << row.nType;
    const CMObjCreateStruct* pClip = static_cast<CMObjCreateStruct*>(again.GetAviClips()[0]);
    EXPECT_EQ((Ints{ 3, WS_BORDER, int(RGB(1, 2, 3)), 100 }),
              (Ints{ pClip->m_nRepeat, int(pClip->m_dwStyle), int(pClip->m_crColor),
                     int(pClip->m_rect.right - pClip->m_rect.left) }));
    EXPECT_EQ(LineList(),
              Missing(SplitLines(ReadFileText(path)), { "FILE=_CURRENTDIR_\\film.avi", "[IMAGE1]", "NREP=3" }));
}

TEST(ProjectPageTest, TextValuesStayOnOneLine)
{
    TempFolder folder;
    CString path = folder.File("Velconf.ini");
    CProjectPage page;
    page.LoadProject(path);
    PageTooltipArea tooltip = page.GetTooltipArea();
    tooltip.strText = "eins\r\nzwei\ndrei";
    page.SetTooltipArea(tooltip);
    PageWindow window = page.GetWindow();
    window.strTitle = "Titel\r\nmit Umbruch";
    page.SetWindow(window);
    CMButCreateStruct* pButton = new CMButCreateStruct;
    pButton->m_strText = "  Knopf  ";
    pButton->m_strToolTip = "a\rb";
    ASSERT_TRUE(page.AddButton(pButton));
    EXPECT_EQ(LineList(), Missing(Written(page, path), { "DEFAULTTEXT=eins\\nzwei<BR>drei", "TEXT=Knopf",
                                                         "TITLE=Titel<BR>mit Umbruch", "TOOLTIP=a<BR>b" }));
    EXPECT_EQ("Knopf", std::string(pButton->m_strText));
}

TEST(ProjectPageTest, SubPageFileNamesTheMainFile)
{
    TempFolder folder;
    CString path = folder.Write("menu.ini", Lines({ "[WINDOWSIZE]", "W=640", "H=480", " " }));
    CProjectPage page;
    page.LoadProject(path);
    struct Row { BOOL bExit; LPCSTR pszTitle; bool bButton2; bool bText; } rows[] = {
        { TRUE, "Seite", true, true },
        { FALSE, "", false, false },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszTitle);
        CLineStore store;
        CProjectWriter(page, store, folder.File("page01.ini")).WriteSubmenuProject(row.pszTitle, "Zurück", row.bExit, "Ende");
        LineList lines = StoredLines(store);
        EXPECT_EQ(LineList(), Missing(lines, { "DOKUMENT=_CURRENTDIR_\\menu.ini", "MAIN=menu.ini", "TYPE=SUBMENU" }));
        EXPECT_EQ(row.bButton2, Contains(lines, "[BUTTON2]"));
        EXPECT_EQ(row.bText, Contains(lines, "[TEXT1]"));
        EXPECT_FALSE(Contains(lines, "[SOUND]"));
    }
}

TEST(ProjectPageTest, SharedSoundIsCountedPerButton)
{
    TempFolder folder;
    CProjectPage page;
    page.LoadProject(folder.File("Velconf.ini"));
    CMButCreateStruct* pFirst = new CMButCreateStruct;
    CMButCreateStruct* pSecond = new CMButCreateStruct;
    pFirst->m_strSoundFile = pSecond->m_strSoundFile = folder.File("sound\\click.wav");
    page.AddButton(pFirst);
    page.AddButton(pSecond);
    const CBuildFileList& sounds = page.GetFileList(FILES_SOUNDS);
    ASSERT_EQ(1, sounds.GetSize());
    EXPECT_EQ("0002sound\\click.wav", std::string(sounds.GetEntry(0)));
    page.RemoveButton(pFirst, FALSE);
    EXPECT_EQ("0001sound\\click.wav", std::string(sounds.GetEntry(0)));
    page.RemoveButton(pSecond, FALSE);
    EXPECT_EQ(0, sounds.GetSize());
}

TEST(ProjectPageTest, PopupButtonsRegisterOnlyTheirItemsFiles)
{
    TempFolder folder;
    CString path = folder.Write("Velconf.ini", Lines({ "[BUTTON1]", "ENABLE=1", "DOKUMENT=<POPUPMENU00>",
                                                       "BMP=knopf.bmp", " ", "[POPUPMENU00]",
                                                       "ITEM00=TEXT=x:DOCUMENT=_CURRENTDIR_\\a.txt:APPLICATION=:"
                                                       "PARAMETER=:FUNCTION=NONE",
                                                       " " }));
    CProjectPage page;
    page.LoadProject(path);
    EXPECT_EQ(0, page.GetFileList(FILES_BUTTON_IMAGES).GetSize());
    ASSERT_EQ(1, page.GetFileList(FILES_DOCUMENTS).GetSize());
    EXPECT_EQ("0001a.txt", std::string(page.GetFileList(FILES_DOCUMENTS).GetEntry(0)));
}

TEST(ProjectPageTest, ReplacingSwapsTheUsedFilesAndTellsTheOwnerOnce)
{
    struct Owner : CProjectPageOwner
    {
        int nModified = 0, nFilesChanged = 0;
        void OnPageModified() override { ++nModified; }
        void OnUsedFilesChanged() override { ++nFilesChanged; }
    } owner;
    TempFolder folder;
    CProjectPage page;
    page.LoadProject(folder.File("Velconf.ini"));
    page.SetOwner(&owner);
    CMObjCreateStruct* pOld = new CMObjCreateStruct;
    pOld->m_strText = folder.File("alt.avi");
    ASSERT_TRUE(page.AddAviClip(pOld));
    CMObjCreateStruct newer;
    newer.m_strText = folder.File("neu.avi");
    int nChangesBefore = owner.nFilesChanged;
    page.ReplaceAviClip(*pOld, newer);
    EXPECT_EQ(nChangesBefore + 1, owner.nFilesChanged);
    const CBuildFileList& clips = page.GetFileList(FILES_AVI);
    ASSERT_EQ(1, clips.GetSize());
    EXPECT_EQ("0001neu.avi", std::string(clips.GetEntry(0)));
    page.SetOwner(nullptr);
}

// Every group of settings changes only through its setter, which tells the
// owner of a real change once and of a set of the same values not at all.
TEST(ProjectPageTest, SettingsSettersMarkThePageOnlyWhenAValueChanges)
{
    struct Owner : CProjectPageOwner
    {
        int nModified = 0;
        void OnPageModified() override { ++nModified; }
        void OnUsedFilesChanged() override {}
    } owner;
    TempFolder folder;
    CProjectPage page;
    page.LoadProject(folder.File("Velconf.ini"));
    page.SetOwner(&owner);
    // Each sets the group anew, with one value changed when asked.
    const struct
    {
        LPCSTR pszGroup;
        std::function<void(CProjectPage&, bool)> set;
    } rows[] = {
        { "window", [](CProjectPage& p, bool bChange) {
             PageWindow w = p.GetWindow();
             w.strTitle = bChange ? "Neu" : w.strTitle;
             p.SetWindow(w); } },
        { "background", [](CProjectPage& p, bool bChange) {
             PageBackground b = p.GetBackground();
             b.nX = bChange ? 17 : b.nX;
             p.SetBackground(b); } },
        { "sound", [](CProjectPage& p, bool bChange) {
             PageSound s = p.GetSound();
             s.bKeyOver = bChange ? 1 : s.bKeyOver;
             p.SetSound(s); } },
        { "button style", [](CProjectPage& p, bool bChange) {
             PageButtonStyle s = p.GetButtonStyle();
             s.font.m_logFont.lfHeight = bChange ? 31 : s.font.m_logFont.lfHeight;
             p.SetButtonStyle(s); } },
        { "welcome", [](CProjectPage& p, bool bChange) {
             PageWelcome w = p.GetWelcome();
             w.strText[2] = bChange ? "drei" : w.strText[2];
             p.SetWelcome(w); } },
        { "tooltip area", [](CProjectPage& p, bool bChange) {
             PageTooltipArea t = p.GetTooltipArea();
             t.rc = bChange ? RECT{ 1, 2, 30, 40 } : t.rc;
             p.SetTooltipArea(t); } },
        { "popup text", [](CProjectPage& p, bool bChange) {
             p.SetPopupMenuText(3, bChange ? CString("Eintrag") : p.GetPopupMenuText(3)); } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszGroup);
        const int nBefore = owner.nModified;
        row.set(page, false);
        EXPECT_EQ(nBefore, owner.nModified) << "the same values";
        row.set(page, true);
        EXPECT_EQ(nBefore + 1, owner.nModified) << "a change";
        row.set(page, true);
        EXPECT_EQ(nBefore + 1, owner.nModified) << "the change again: it was kept";
    }
    page.SetOwner(nullptr);
}

namespace {

CString LinesEndedBy(CString text, bool bMixed)
{
    text.Replace("\r\n", "\n");
    int nLine = 0;
    for (int i = 0; bMixed && i < text.GetLength(); ++i)
        if (text[i] == '\n' && ++nLine % 3 == 0)
            text.SetAt(i, '\r');
    return text;
}

// Each text value inside quotes with blanks around it.
CString QuotedTexts(CString text)
{
    CString result;
    for (const std::string& line : SplitLines(text))
    {
        CString out = line.c_str();
        size_t nEquals = line.find('=');
        std::string key = line.substr(0, nEquals);
        if (nEquals != std::string::npos && nEquals + 1 < line.size() &&
            (key == "TEXT" || key == "TOOLTIP" || key == "TITLE" || key == "TEXT1" || key == "DEFAULTTEXT"))
            out = CString(key.c_str()) + "= \"  " + line.substr(nEquals + 1).c_str() + " \" ";
        result += out + "\r\n";
    }
    return result;
}

CString Replaced(CString text, LPCSTR pszOld, LPCSTR pszNew)
{
    int nAt = text.Find(pszOld);
    if (nAt >= 0)
        text = text.Left(nAt) + pszNew + text.Mid(nAt + lstrlenA(pszOld));
    return text;
}

} // namespace

// Whatever page the editor opens, what it writes reads back into the same
// page: write, read and write again gives the same lines.
TEST(ProjectPageTest, WritingIsAFixedPoint)
{
    MessageBoxRecorder boxes;
    TempFolder folder;
    for (LPCSTR name : kFullFiles)
        CopySample(folder, "full", { name });
    CString pages[4];
    int nSample = 0;
    for (LPCSTR sample : { "full\\Velconf.ini", "full\\seite2.ini", "centred\\Velconf.ini", "extras\\Velconf.ini" })
        pages[nSample++] = ReadFileText(TestDataPath(CString("projects\\") + sample));
    const struct
    {
        LPCSTR name;
        CString (*mutate)(CString);
        LPCSTR pszKept;   // a line the first page of the full sample writes so
    } variants[] = {
        { "as written", [](CString text) { return text; }, nullptr },
        { "LF only", [](CString text) { return LinesEndedBy(text, false); }, nullptr },
        { "mixed line ends", [](CString text) { return LinesEndedBy(text, true); }, nullptr },
        { "quoted texts", QuotedTexts, "TOOLTIP=\"  Zur zweiten Seite \"" },
        { "disabled button",
          [](CString text) { return Replaced(text, "ENABLE=1\r\nX=20\r\nY=80", "ENABLE=0\r\nX=20\r\nY=80"); },
          "ENABLE=0" },
        { "drive-relative path",
          [](CString text) { return Replaced(text, "APPLIKATION=\r\n", "APPLIKATION=C:\r\n"); }, "APPLIKATION=C:" },
        { "tags and tabs",
          [](CString text) { return Replaced(Replaced(text, "TEXT=", "TEXT=a<BR>b\tc "), "TOOLTIP=", "TOOLTIP='x'"); },
          nullptr },
    };
    int nPage = 0;
    for (const CString& page : pages)
    {
        ++nPage;
        for (const auto& variant : variants)
        {
            SCOPED_TRACE(CString(variant.name) + " of page " + CString((char)('0' + nPage), 1));
            CString path = folder.Write("Page.ini", variant.mutate(page));
            CProjectPage first;
            first.LoadProject(path);
            LineList written = Written(first, path);
            if (nPage == 1 && variant.pszKept != nullptr)
            {
                EXPECT_TRUE(Contains(written, variant.pszKept));
            }
            CString text;
            for (const std::string& line : written)
                text += CString(line.c_str()) + "\r\n";
            folder.Write("Page.ini", text);
            CProjectPage second;
            second.LoadProject(path);
            ExpectSameLines(written, Written(second, path));
        }
    }
}
