#include "shared/menuobj/MObjScriptListBox.h"

#include "shared/menuobj/BasisListBox.h"
#include "shared/menuobj/MButCreateStruct.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using testing_support::Lines;
using testing_support::ProgramStartRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

const int kListId = 5025;

CString Script(LPCSTR lpszFolder, LPCSTR lpszDocument = "%1", LPCSTR lpszApplication = "",
               LPCSTR lpszParameter = "")
{
    return Lines({ "[SCRIPT]", CString("DOCUMENT=") + lpszDocument, CString("APPLICATION=") + lpszApplication,
                   CString("PARAMETER=") + lpszParameter, CString("FOLDER=") + lpszFolder, "EXT=*.jpg:*.txt",
                   "BUTTONTEXT=Show", "[LIST]" });
}

const char kEntries[] = "LISTITEM=Alpha:FILE=alpha.jpg:TOOLTIP=<img src=\"THUMB\\alpha.jpg\">\r\n"
                        "  LISTITEM=Beta Two:FILE=beta.doc:TOOLTIP=Start: Beta Two\r\n"
                        "LISTITEM=:FILE=nameless.txt:TOOLTIP=Start: \r\n"
                        "COMMENT=LISTITEM=Hidden:FILE=hidden.txt\r\n"
                        "LISTITEM=Bare:FILE=bare.txt\r\n"
                        "LISTITEM=Übersicht:FILE=übersicht.htm:TOOLTIP=Start: Übersicht\r\n"
                        "LISTITEM=Last:FILE=last.txt:TOOLTIP=Start: Last";

// A page with a script list box made from a list file.
class ListPage
{
public:
    explicit ListPage(const CString& strListFile)
    {
        EXPECT_TRUE(m_page.CreateEx(0, nullptr, "Page", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
        m_crStruct.m_strText = strListFile;
        m_crStruct.m_rect = CRect(10, 10, 200, 150);
        m_bCreated = m_list.Create(&m_crStruct, &m_page, kListId, RGB(128, 128, 128), FALSE);
    }
    ~ListPage() { m_page.DestroyWindow(); }
    ListPage(const ListPage&) = delete;
    ListPage& operator=(const ListPage&) = delete;

    std::vector<CString> Entries() const
    {
        std::vector<CString> entries;
        CWnd* pWnd = m_list.GetListBox();
        int nCount = pWnd ? (int)pWnd->SendMessage(LB_GETCOUNT) : 0;
        for (int i = 0; i < nCount; ++i)
        {
            char szText[256] = {};
            pWnd->SendMessage(LB_GETTEXT, (WPARAM)i, (LPARAM)szText);
            entries.push_back(szText);
        }
        return entries;
    }
    void Select(int nIndex) { m_list.GetListBox()->SendMessage(LB_SETCURSEL, (WPARAM)nIndex); }

    CWnd m_page;
    CMButCreateStruct m_crStruct;
    CMObjScriptListBox m_list;
    BOOL m_bCreated = FALSE;
};

std::vector<CString> Strings(std::initializer_list<LPCSTR> texts) { return std::vector<CString>(texts.begin(), texts.end()); }

} // namespace

TEST(MObjScriptListBoxTest, ListsTheNamedEntryLinesOfTheListFile)
{
    TempFolder folder;
    CString strFile = folder.Write("List001.ini", Script(".\\") + kEntries);
    ListPage page(strFile);
    ASSERT_TRUE(page.m_bCreated);
    EXPECT_EQ(&page.m_crStruct, page.m_list.GetCreateStruct());
    EXPECT_EQ(kListId, page.m_list.GetListBox()->GetDlgCtrlID());
    // Leading blanks are skipped; nameless, foreign and unterminated lines are not listed.
    EXPECT_EQ(Strings({ "Alpha", "Beta Two", "Bare", "Übersicht" }), page.Entries());
    EXPECT_EQ(Script(".\\") + kEntries, page.m_list.GetListText());
}

TEST(MObjScriptListBoxTest, UnreadableOrHeadlessListFilesListNothing)
{
    TempFolder folder;
    {
        SCOPED_TRACE("marker at the very start");
        ListPage page(folder.Write("List001.ini", Lines({ "[LIST]", "LISTITEM=A:FILE=a.txt:TOOLTIP=t" })));
        EXPECT_TRUE(page.m_bCreated);
        EXPECT_TRUE(page.Entries().empty());
    }
    {
        SCOPED_TRACE("missing file");
        ListPage page(folder.File("List002.ini"));
        EXPECT_TRUE(page.m_bCreated);
        EXPECT_TRUE(page.Entries().empty());
        EXPECT_EQ("", page.m_list.GetListText());
    }
    {
        SCOPED_TRACE("a second, missing file keeps the text read");
        ListPage page(folder.Write("List003.ini", Script(".\\") + kEntries));
        EXPECT_FALSE(page.m_list.LoadList(folder.File("none.ini")));
        EXPECT_EQ(Script(".\\") + kEntries, page.m_list.GetListText());
    }
}

TEST(MObjScriptListBoxTest, FindsEntriesWithFoldedCaseAndGivesTheSelectionsTooltip)
{
    TempFolder folder;
    ListPage page(folder.Write("List001.ini", Script(".\\") + kEntries));
    CString strName, strFile, strTip;
    ASSERT_TRUE(page.m_list.FindItem("ALPHA", strName, strFile, strTip));
    EXPECT_EQ("Alpha", strName);
    EXPECT_EQ("alpha.jpg", strFile);
    EXPECT_EQ("<img src=\"THUMB\\alpha.jpg\">", strTip);
    ASSERT_TRUE(page.m_list.FindItem("bare", strName, strFile, strTip));
    EXPECT_EQ("bare.txt", strFile);
    EXPECT_EQ("", strTip);
    ASSERT_TRUE(page.m_list.FindItem("ÜBERSICHT", strName, strFile, strTip));
    EXPECT_EQ("Übersicht", strName);
    EXPECT_FALSE(page.m_list.FindItem("Last", strName, strFile, strTip)) << "unterminated line";
    EXPECT_FALSE(page.m_list.FindItem("Hidden", strName, strFile, strTip));

    CString strToolTip = "old";
    page.m_list.GetSelectedItem(strToolTip);
    EXPECT_EQ("", strToolTip) << "no selection";
    page.Select(1);
    page.m_list.GetSelectedToolTip(strToolTip);
    EXPECT_EQ("Start: Beta Two", strToolTip);
}

TEST(MObjScriptListBoxTest, NewListFileListsTheMatchingFilesOfItsFolder)
{
    TempFolder project;
    CString strListFolder = project.Path() + "\\pictures\\summer";
    ASSERT_TRUE(::CreateDirectoryA(project.File("pictures"), nullptr));
    ASSERT_TRUE(::CreateDirectoryA(strListFolder, nullptr));
    ASSERT_TRUE(::CreateDirectoryA(strListFolder + "\\folder.jpg", nullptr));
    for (LPCSTR name : { "a.jpg", "B.GIF", "notes.txt", "noext", "two.tar.gz" })
        project.Write(CString("pictures\\summer\\") + name, "x", 1);

    CMObjScriptListBox list;
    ASSERT_TRUE(list.CreateScriptFile(project.Path(), strListFolder, "*.jpg::*.GIF:*.txt:*.gz:noext:", "%1",
                                      "viewer.exe", "/s %1", "Show"));
    CString strExpected = Lines({ "[SCRIPT]", "DOCUMENT=%1", "APPLICATION=viewer.exe", "PARAMETER=/s %1",
                                  "FOLDER=pictures\\summer", "EXT=*.jpg::*.GIF:*.txt:*.gz:noext:",
                                  "BUTTONTEXT=Show", "[LIST]",
                                  "LISTITEM=a:FILE=a.jpg:TOOLTIP=<img src=\"pictures\\THUMB\\a.jpg\">",
                                  "LISTITEM=B:FILE=B.GIF:TOOLTIP=<img src=\"pictures\\THUMB\\B.GIF\">",
                                  "LISTITEM=notes:FILE=notes.txt:TOOLTIP=Start: notes",
                                  "LISTITEM=two.tar:FILE=two.tar.gz:TOOLTIP=Start: two.tar" });
    EXPECT_EQ(strExpected, list.GetListText());
    EXPECT_EQ(strListFolder + "\\List001.ini", list.GetScriptFileName());
    EXPECT_EQ(strExpected, ReadFileText(list.GetScriptFileName()));

    // The next list of the folder takes the next number.
    CMObjScriptListBox second;
    ASSERT_TRUE(second.CreateScriptFile(project.Path(), strListFolder, "*.txt", "", "", "", ""));
    EXPECT_EQ(strListFolder + "\\List002.ini", second.GetScriptFileName());
}

TEST(MObjScriptListBoxTest, ThumbnailFolderLiesBelowTheFirstFolderOfTheList)
{
    TempFolder project;
    ASSERT_TRUE(::CreateDirectoryA(project.File("pictures"), nullptr));
    project.Write("pictures\\p.jpg", "x", 1);
    project.Write("q.bmp", "x", 1);
    struct
    {
        CString strListFolder;
        LPCSTR lpszFolder;
        LPCSTR lpszEntry;
    } cases[] = {
        { project.File("pictures"), "FOLDER=pictures", "LISTITEM=p:FILE=p.jpg:TOOLTIP=<img src=\"THUMB\\p.jpg\">" },
        { project.Path(), "FOLDER=.\\", "LISTITEM=q:FILE=q.bmp:TOOLTIP=<img src=\"THUMB\\q.bmp\">" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.lpszFolder);
        CMObjScriptListBox list;
        ASSERT_TRUE(list.CreateScriptFile(project.Path(), c.strListFolder, "*.jpg:*.bmp", "", "", "", ""));
        EXPECT_NE(-1, list.GetListText().Find(CString(c.lpszFolder) + "\r\n"));
        EXPECT_NE(-1, list.GetListText().Find(CString(c.lpszEntry) + "\r\n"));
    }
}

// Overwriting the last number would lose a list another list box may use.
TEST(MObjScriptListBoxTest, FolderWithAllNumbersTakenGetsNoNewList)
{
    TempFolder folder;
    CString strName;
    for (int n = 1; n <= CMObjScriptListBox::kMaxListNumber; ++n)
    {
        strName.Format("List%03d.ini", n);
        folder.Write(strName, "old", 3);
    }
    CMObjScriptListBox list;
    EXPECT_FALSE(list.CreateScriptFile(folder.Path(), folder.Path(), "*.txt", "", "", "", ""));
    EXPECT_EQ("", list.GetScriptFileName());
    EXPECT_EQ("old", ReadFileText(folder.File("List999.ini")));
}

TEST(MObjScriptListBoxTest, UpdateRewritesTheScriptAfterABackupAndKeepsTheEntries)
{
    TempFolder project;
    ASSERT_TRUE(::CreateDirectoryA(project.File("docs"), nullptr));
    CString strOld = Script("docs") + kEntries + "\r\n";
    CString strListFile = project.Write("docs\\List001.ini", strOld);
    project.Write("docs\\List001.ini.bak", "older backup");

    SCRIPTFILE_RECORD record;
    record.strListFile = strListFile;
    record.strProjectFolder = project.Path();
    record.strListFolder = project.File("docs");
    record.strExt = "*.doc";
    record.strDocument = "";
    record.strApplication = "reader.exe";
    record.strParameter = "%1";
    record.strButtonText = "Read";
    CMObjScriptListBox list;
    ASSERT_TRUE(list.UpdateScriptFile(record));
    EXPECT_EQ(strListFile, list.GetScriptFileName());
    EXPECT_EQ(strOld, ReadFileText(strListFile + ".bak"));

    struct
    {
        LPCSTR lpszKey;
        LPCSTR lpszValue;
    } keys[] = { { "DOCUMENT", "" },  { "APPLICATION", "reader.exe" }, { "PARAMETER", "%1" },
                 { "FOLDER", "docs" }, { "EXT", "*.doc" },             { "BUTTONTEXT", "Read" } };
    for (const auto& key : keys)
    {
        SCOPED_TRACE(key.lpszKey);
        char szValue[64] = {};
        ::GetPrivateProfileStringA("SCRIPT", key.lpszKey, "?", szValue, sizeof(szValue), strListFile);
        EXPECT_STREQ(key.lpszValue, szValue);
    }
    ListPage page(strListFile);
    EXPECT_EQ(Strings({ "Alpha", "Beta Two", "Bare", "Übersicht", "Last" }), page.Entries());
}

TEST(MObjScriptListBoxTest, UpdateOfAMissingListFileMakesANewOne)
{
    TempFolder project;
    project.Write("a.txt", "x", 1);
    SCRIPTFILE_RECORD record;
    record.strListFile = project.File("List007.ini");
    record.strProjectFolder = project.Path();
    record.strListFolder = project.Path();
    record.strExt = "*.txt";
    CMObjScriptListBox list;
    ASSERT_TRUE(list.UpdateScriptFile(record));
    EXPECT_EQ(project.File("List001.ini"), list.GetScriptFileName());
    EXPECT_NE(-1, ReadFileText(project.File("List001.ini")).Find("LISTITEM=a:FILE=a.txt:TOOLTIP=Start: a\r\n"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(project.File("List007.ini.bak")));
}

TEST(MObjScriptListBoxTest, SelectedEntryStartsThroughTheScript)
{
    TempFolder folder;
    const char kBase[] = "D:\\medium";
    struct
    {
        CString strScript;
        AFX_PROGRAM_START::Kind kind;
        LPCSTR lpszFile;         // shell-opened document
        LPCSTR lpszParameters;   // or the command line
    } cases[] = {
        { Script("pictures\\summer"), AFX_PROGRAM_START::shellExecute, "D:\\medium\\pictures\\summer\\alpha.jpg", "" },
        { Script(".\\", "", "viewer.exe", "%1 /x %1"), AFX_PROGRAM_START::winExec, "",
          "viewer.exe D:\\medium\\alpha.jpg /x %1" },
        { Script(".\\", "", "%1", ""), AFX_PROGRAM_START::winExec, "", "D:\\medium\\alpha.jpg " },
    };
    int nCase = 0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(nCase);
        CString strName;
        strName.Format("List%03d.ini", ++nCase);
        ListPage page(folder.Write(strName, c.strScript + kEntries));
        ProgramStartRecorder starts;
        page.m_list.RunSelectedItem(kBase);
        EXPECT_TRUE(starts.Starts().empty()) << "nothing selected";
        page.Select(0);
        page.m_list.RunSelectedItem(kBase);
        ASSERT_EQ(1u, starts.Starts().size());
        const AFX_PROGRAM_START& start = starts.Starts()[0];
        EXPECT_EQ(c.kind, start.kind);
        if (c.kind == AFX_PROGRAM_START::shellExecute)
            EXPECT_EQ(c.lpszFile, start.strFile);
        else
            EXPECT_EQ(c.lpszParameters, start.strParameters);
    }
}
