// The editor's document: saving only by a complete write, the version update
// of an older project, and sub-pages that never overwrite or rename the wrong
// file.
#include "editor/app/TarnixEdDoc.h"
#include "editor/dialogs/UiLanguage.h"

#include "EditorTesting.h"
#include "framework/FrameWnd.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/PageTabOrder.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/ProjectFormat.h"

#include "editor/resource.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::Text;
using editor_testing::CopyProject;
using editor_testing::CopySample;
using editor_testing::EditorFolder;
using testing_support::MessageBoxRecorder;
using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

void RetitlePage(CProjectPage& page, LPCSTR lpszTitle)
{
    PageWindow window = page.GetWindow();
    window.strTitle = lpszTitle;
    page.SetWindow(window);
}

CMButCreateStruct* FindButton(CProjectPage& page, int nAction)
{
    for (int i = 0; i < page.GetButtons().GetSize(); ++i)
    {
        CMButCreateStruct* pButton = static_cast<CMButCreateStruct*>(page.GetButtons()[i]);
        if (pButton->m_nAction == nAction)
            return pButton;
    }
    return nullptr;
}

} // namespace

TEST(TarnixEdDocTest, SavedProjectsBeginWithTheHeadAndReadBack)
{
    MessageBoxRecorder boxes;
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    CTarnixEdDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    RetitlePage(doc.GetPage(), "Neu");
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    std::string text = Text(ReadFileText(path));
    EXPECT_EQ(0u, text.find("[Tarnix]\r\n"));
    EXPECT_NE(std::string::npos, text.find("VERSION=Tarnix Editor 2.40"));
    EXPECT_NE(std::string::npos, text.find("FILEVERSION=024000\r\n"));
    EXPECT_NE(std::string::npos, text.find("[WINDOWPOS]\r\nX=\r\nY=\r\n"));
    EXPECT_NE(std::string::npos, text.find("TITLE=Neu\r\n"));

    CTarnixEdDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path));
    EXPECT_EQ("Neu", Text(again.GetPage().GetWindow().strTitle));
    EXPECT_EQ(0u, boxes.Count());
}

// Another program holds the file open, or the file was made read-only (which
// not every system refuses to replace): the save fails, once reported with the
// file named, and the file and the modified flag stay.
TEST(TarnixEdDocTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    for (bool bReadOnly : { false, true })
    {
        SCOPED_TRACE(bReadOnly ? "read-only" : "held open");
        MessageBoxRecorder boxes;
        TempFolder folder;
        CString path = CopyProject(folder, "centred", "024000");
        std::vector<unsigned char> before = ReadFileBytes(path);
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        RetitlePage(doc.GetPage(), "Neu");
        doc.SetModifiedFlag(TRUE);
        HANDLE hFile = INVALID_HANDLE_VALUE;
        if (bReadOnly)
        {
            ASSERT_TRUE(SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY));
        }
        else
        {
            hFile = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        }
        EXPECT_FALSE(doc.OnSaveDocument(path));
        if (hFile != INVALID_HANDLE_VALUE)
            CloseHandle(hFile);
        EXPECT_TRUE(doc.IsModified());
        ASSERT_EQ(1u, boxes.Count());
        if (bReadOnly)
        {
            EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find("schreibgesch"));
        }
        // Either refusal names the file.
        EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find(Text(path))) << Text(boxes.Last().strText);
        EXPECT_EQ(before, ReadFileBytes(path));
        EXPECT_EQ(bReadOnly, (GetFileAttributesA(path) & FILE_ATTRIBUTE_READONLY) != 0);
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
        WIN32_FIND_DATAA fd;
        HANDLE hFind = FindFirstFileA(folder.File("*.tmp"), &fd);
        EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << "a temporary file was left behind";
        if (hFind != INVALID_HANDLE_VALUE)
            FindClose(hFind);
    }
}

namespace {

FILETIME LastWriteTime(LPCSTR path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ::GetFileAttributesExA(path, GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

void SetLastWriteTime(LPCSTR path, const FILETIME& ft)
{
    HANDLE hFile = ::CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    ::SetFileTime(hFile, nullptr, nullptr, &ft);
    ::CloseHandle(hFile);
}

} // namespace

// A file that holds the page's very bytes is left as it is, its time too; a
// file changed or cut meanwhile, or an edited page, is written.
TEST(TarnixEdDocTest, ASaveWritesOnlyAFileThatWouldChange)
{
    struct Row
    {
        LPCSTR what;
        bool bEdit;
        std::function<void(std::vector<unsigned char>&)> changeOnDisk;
        bool bWritten;
    } rows[] = {
        { "as read", false, nullptr, false },
        { "a byte changed", false, [](std::vector<unsigned char>& bytes) { bytes[1] = 'X'; }, true },
        { "cut short", false, [](std::vector<unsigned char>& bytes) { bytes.resize(bytes.size() / 2); }, true },
        { "longer", false, [](std::vector<unsigned char>& bytes) { bytes.push_back(' '); }, true },
        { "edited", true, nullptr, true },
    };
    const FILETIME ftOld = { 0xD53E8000, 0x01A8E79F };   // some day in 1998
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.what);
        MessageBoxRecorder boxes;
        TempFolder folder;
        const CString path = CopyProject(folder, "centred", "024000");
        const std::vector<unsigned char> original = ReadFileBytes(path);
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        if (row.changeOnDisk)
        {
            std::vector<unsigned char> changed = original;
            row.changeOnDisk(changed);
            folder.Write("Velconf.ini", changed.data(), changed.size());
        }
        if (row.bEdit)
        {
            RetitlePage(doc.GetPage(), "Neu");
            doc.SetModifiedFlag(TRUE);
        }
        SetLastWriteTime(path, ftOld);
        ASSERT_TRUE(doc.OnSaveDocument(path));
        EXPECT_FALSE(doc.IsModified());
        const FILETIME ftAfter = LastWriteTime(path);
        EXPECT_EQ(row.bWritten, ::CompareFileTime(&ftOld, &ftAfter) != 0);
        // An unedited page is written back as it was read.
        if (!row.bEdit)
        {
            EXPECT_EQ(original, ReadFileBytes(path));
        }
        EXPECT_EQ(0u, boxes.Count());
    }
}

TEST(TarnixEdDocTest, AnOlderProjectIsUpdatedOnRequest)
{
    struct Row { LPCSTR pszVersion; bool bAsks; } rows[] = {
        { "023900", true }, { "024000", false }, { "2", false }, { "030000", false },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszVersion);
        MessageBoxRecorder boxes;
        EditorFolder editor;
        TempFolder folder;
        CString path = CopyProject(folder, "centred", row.pszVersion);
        CFrameWnd* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "Main"));
        App().m_pMainWnd = pFrame;
        App().m_strReopenPath.Empty();
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        MSG msg;
        BOOL bPosted = PeekMessageA(&msg, pFrame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE);
        App().m_pMainWnd = nullptr;
        pFrame->DestroyWindow();
        ASSERT_EQ(row.bAsks ? 1u : 0u, boxes.Count());
        if (!row.bAsks)
            continue;
        EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find("älteren Version"));
        EXPECT_EQ(ReadFileBytes(editor.File("Tarnix.exe")), ReadFileBytes(folder.File("Tarnix.exe")));
        EXPECT_FALSE(ReadFileBytes(folder.File("Autorun.inf")).empty());
        EXPECT_NE(std::string::npos, Text(ReadFileText(path)).find("FILEVERSION=024000"));
        EXPECT_EQ(Text(path), Text(App().m_strReopenPath));
        ASSERT_TRUE(bPosted);
        EXPECT_EQ(ID_PROJECT_REOPEN, LOWORD(msg.wParam));
    }
}

TEST(TarnixEdDocTest, ANewSubPageGoesBackToTheMainFileAndNeverOverwrites)
{
    MessageBoxRecorder boxes;
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    CString menu = folder.Write("menu.ini", ReadFileText(path));
    CString existing = folder.Write("page01.ini", "mein eigener Text");
    CTarnixEdDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(menu));
    CString page;
    int nNumber = 0;
    ASSERT_TRUE(doc.CreateSubmenuPage(page, nNumber));
    EXPECT_EQ(2, nNumber);
    EXPECT_EQ(Text(folder.File("page02.ini")), Text(page));
    EXPECT_EQ("mein eigener Text", Text(ReadFileText(existing)));
    std::string text = Text(ReadFileText(page));
    EXPECT_NE(std::string::npos, text.find("DOKUMENT=_CURRENTDIR_\\menu.ini\r\n"));
    EXPECT_NE(std::string::npos, text.find("MAIN=menu.ini\r\n"));
    EXPECT_NE(std::string::npos, text.find("TITLE=Submenu-2\r\n"));

    // The new page opens as a project of its own.
    CTarnixEdDoc sub;
    ASSERT_TRUE(sub.OnOpenDocument(page));
    EXPECT_FALSE(sub.IsMainMenu());
    EXPECT_EQ(2, sub.GetPage().GetButtons().GetSize());
}

TEST(TarnixEdDocTest, RemovingButtonsRenamesOnlySubPageFiles)
{
    TempFolder folder;
    CString main = CopyProject(folder, "full", "024000");
    CopySample(folder, "full", { "seite2.ini" });
    CString sub = CopyProject(folder, "full", "024000", "seite2.ini");
    struct Row { CString path; CString removed; bool bBackup; bool bShared; } rows[] = {
        // The back button of a sub-page names the main page, whose file stays.
        { sub, main, false, false },
        // A sub-page that a second button also opens stays.
        { main, sub, false, true },
        // The button of a sub-page on the main page: its file becomes a backup.
        { main, sub, true, false },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE((LPCSTR)row.path);
        MessageBoxRecorder boxes;
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(row.path));
        CMButCreateStruct* pButton = FindButton(doc.GetPage(), ACTION_NEWPAGE);
        ASSERT_NE(nullptr, pButton);
        if (row.bShared)
        {
            CMButCreateStruct* pSecond = new CMButCreateStruct;
            pSecond->Copy(*pButton);
            ASSERT_TRUE(doc.GetPage().AddButton(pSecond));
        }
        size_t nBefore = boxes.Count();
        doc.RemoveButton(pButton);
        EXPECT_EQ(!row.bBackup, GetFileAttributesA(row.removed) != INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(row.bBackup, GetFileAttributesA(row.removed + ".bak") != INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(row.bBackup ? 1u : 0u, boxes.Count() - nBefore);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(row.bShared ? 1 : 0, doc.GetPage().GetPages().GetUsedCount());
    }
}

TEST(TarnixEdDocTest, SubPagesOfTheListOpenThroughTheApplication)
{
    TempFolder folder;
    CString path = CopyProject(folder, "centred", "024000");
    CTarnixEdDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(3, doc.GetPage().AddSubPage("_CURRENTDIR_\\page03.ini", "Galerie"));
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "Main"));
    App().m_pMainWnd = pFrame;
    doc.OnCmdMsg(ID_PAGEMENU_BASE + 3, CN_COMMAND, nullptr, nullptr);
    doc.OnCmdMsg(ID_PAGEMENU_BASE + 4, CN_COMMAND, nullptr, nullptr);   // a free entry does nothing
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, pFrame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(ID_PROJECT_OPEN_REQUESTED, LOWORD(msg.wParam));
    EXPECT_FALSE(PeekMessageA(&msg, pFrame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(Text(folder.File("page03.ini")), Text(App().m_strPendingOpenPath));
    App().m_pMainWnd = nullptr;
    pFrame->DestroyWindow();
}

TEST(TarnixEdDocTest, TheClipboardKeepsACopyOfTheObjectsKind)
{
    CTarnixEdDoc doc;
    CMButCreateStruct button;
    button.m_strText = "Start";
    button.m_strDocument = "a.txt";
    CMTextCreateStruct text;
    text.m_strText = "Titel";
    CMObjCreateStruct picture;
    picture.m_strText = "bild.bmp";
    struct Row { const CObject* pSource; const CRuntimeClass* pClass; LPCSTR pszText; } rows[] = {
        { &button, RUNTIME_CLASS(CMButCreateStruct), "Start" },
        { &text, RUNTIME_CLASS(CMTextCreateStruct), "Titel" },
        { &picture, RUNTIME_CLASS(CMObjCreateStruct), "bild.bmp" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.pszText);
        doc.CopyToClipboard(row.pSource);
        ASSERT_NE(nullptr, doc.GetClipboard());
        EXPECT_NE(row.pSource, doc.GetClipboard());
        EXPECT_EQ(row.pClass, doc.GetClipboard()->GetRuntimeClass());
        EXPECT_EQ(row.pszText, Text(doc.GetClipboard()->m_strText));
    }
    doc.CopyToClipboard(&button, "TEXT=Eintrag");
    EXPECT_EQ("a.txt", Text(static_cast<CMButCreateStruct*>(doc.GetClipboard())->m_strDocument));
    // The copy outlives its page: the next page's document has it.
    doc.DeleteContents();
    {
        CTarnixEdDoc next;
        ASSERT_NE(nullptr, next.GetClipboard());
        EXPECT_EQ("Start", Text(next.GetClipboard()->m_strText));
        EXPECT_EQ("TEXT=Eintrag", Text(next.GetClipboardPopupItems()));
    }
    App().GetObjectClipboard().Clear();
}

namespace {

struct Sample
{
    LPCSTR pszSample;
    LPCSTR pszPage;
    std::initializer_list<LPCSTR> files;   // besides the page
};

const Sample kSamples[] = {
    { "full", "Velconf.ini", { "seite2.ini", "liesmich.txt", "hintergrund.bmp", "knopf.bmp", "sound\\klick.wav",
                               "sound\\hintergrund.wav" } },
    { "full", "seite2.ini", { "Velconf.ini" } },
    { "centred", "Velconf.ini", {} },
    { "extras", "Velconf.ini", { "hintergrund.bmp", "knopf.bmp", "liesmich.txt", "sound\\klick.wav" } },
};

// The sample's page with its line ends changed by lineEnds, and its files.
CString CopyWithLineEnds(const TempFolder& folder, const Sample& sample, CString (*lineEnds)(CString))
{
    CopySample(folder, sample.pszSample, sample.files);
    CString path = CopyProject(folder, sample.pszSample, "024000", sample.pszPage);
    return folder.Write(sample.pszPage, lineEnds(ReadFileText(path)));
}

CString AsWritten(CString text)
{
    return text;
}

CString LfOnly(CString text)
{
    text.Replace("\r\n", "\n");
    return text;
}

// Every third line ended by a lone CR, the others by LF.
CString Mixed(CString text)
{
    text.Replace("\r\n", "\n");
    int nLine = 0;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] == '\n' && ++nLine % 3 == 0)
            text.SetAt(i, '\r');
    return text;
}

// What the canvas and the player make of a page: each object's kind, text and
// place, with the project folder as "<dir>".
std::vector<std::string> Objects(CProjectPage& page, const TempFolder& folder)
{
    std::vector<std::string> objects;
    for (const CMObjList* pList : { &page.GetButtons(), &page.GetTexts(), &page.GetTextFields(), &page.GetImages() })
        for (int i = 0; i < pList->GetSize(); ++i)
        {
            const CMObjCreateStruct* pObject = static_cast<const CMObjCreateStruct*>((*pList)[i]);
            CString line;
            line.Format("%d %s %ld,%ld,%ld,%ld", pObject->m_nType, (LPCSTR)pObject->m_strText, pObject->m_rect.left,
                        pObject->m_rect.top, pObject->m_rect.right, pObject->m_rect.bottom);
            if (const CMButCreateStruct* pButton = dynamic_cast<const CMButCreateStruct*>(pObject))
                line += " " + pButton->m_strStyle + " " + pButton->m_strDocument + (pButton->m_bEnable ? "" : " off");
            line.MakeLower();
            CString dir = folder.Path();
            dir.MakeLower();
            line.Replace(dir, "<dir>");
            objects.push_back(Text(line));
        }
    return objects;
}

} // namespace

// An unedited save writes the bytes it read. A page edited by hand (LF only,
// or mixed with lone CRs) opens with every object the page written by the
// editor has, and saves without losing one.
TEST(TarnixEdDocTest, AnyLineEndsOpenEveryObjectAndSaveWithoutLoss)
{
    for (const Sample& sample : kSamples)
        for (auto lineEnds : { AsWritten, LfOnly, Mixed })
        {
            SCOPED_TRACE(CString(sample.pszSample) + "\\" + sample.pszPage +
                         (lineEnds == AsWritten ? "" : lineEnds == LfOnly ? " LF" : " mixed"));
            MessageBoxRecorder boxes;
            TempFolder written, edited;
            CTarnixEdDoc original;
            ASSERT_TRUE(original.OnOpenDocument(CopyWithLineEnds(written, sample, AsWritten)));
            CString path = CopyWithLineEnds(edited, sample, lineEnds);
            const std::string read = Text(ReadFileText(path));
            CTarnixEdDoc doc;
            ASSERT_TRUE(doc.OnOpenDocument(path));
            if (lineEnds == AsWritten)
            {
                EXPECT_FALSE(doc.IsModified());
                ASSERT_TRUE(doc.OnSaveDocument(path));
                EXPECT_EQ(read, Text(ReadFileText(path)));
                continue;
            }
            std::vector<std::string> objects = Objects(original.GetPage(), written);
            EXPECT_EQ(objects, Objects(doc.GetPage(), edited));
            doc.SetModifiedFlag(TRUE);
            ASSERT_TRUE(doc.OnSaveDocument(path));
            CTarnixEdDoc again;
            ASSERT_TRUE(again.OnOpenDocument(path));
            EXPECT_EQ(objects, Objects(again.GetPage(), edited));
            // Written, read and written again: the same bytes.
            std::string saved = Text(ReadFileText(path));
            again.SetModifiedFlag(TRUE);
            ASSERT_TRUE(again.OnSaveDocument(path));
            EXPECT_EQ(saved, Text(ReadFileText(path)));
        }
}

// After an edit, every line outside the head section that the edit did not
// touch is saved as it was read: values the editor reads but never writes,
// sections and keys it does not know, objects beyond what it shows, a window
// larger than the screen or centred with X=-1, a disabled button, a picture
// button whose picture is missing, and values with blanks and quotes.
TEST(TarnixEdDocTest, AnEditKeepsWhatTheEditorDidNotChange)
{
    std::vector<std::string> page = {
        "[TarnixPro]", "LANGUAGE=E", " ", "[Tarnix]", "VERSION=Tarnix Editor 2.40 CD-Menu", "FILEVERSION=024000", " ",
        "[WINDOWPOS]", "X=-1", "Y=-1", " ", "[WINDOWSIZE]", "SIZETYPE=1", "W=9000", "H=7000", " ",
        "[WINDOW]", "BORDER=1", "TITLE=Alt", "IMAGE_REPEAT=1", "OWNKEY=mine", " ", "[OWNSECTION]", "A=1", " ",
    };
    for (int n = 1; n <= 11; ++n)
    {
        CString number;
        number.Format("%d", n);
        for (LPCSTR line : { "[BUTTON%d]", "ENABLE=%d", "X=10", "Y=%d0", "W=100", "H=20", "TEXT=Knopf %d" })
        {
            CString text;
            text.Format(line, n == 2 && CString(line).Left(6) == "ENABLE" ? 0 : n);
            page.push_back(Text(text));
        }
        if (n == 1)
            page.insert(page.end(), { "STYLE=BITMAP", "BMP=_CURRENTDIR_\\fehlt.bmp" });
        if (n == 3)
            page.insert(page.end(), { "DOKUMENT=C:", "TOOLTIP= \"  zitiert \" " });
        page.push_back(" ");
    }
    for (int n = 1; n <= 11; ++n)
    {
        CString section, text;
        section.Format("[TEXT%d]", n);
        text.Format("TEXT=Text %d", n);
        page.insert(page.end(), { Text(section), "X=300", "Y=10", Text(text), " " });
    }
    page.insert(page.end(), { "[TEXTFELD1]", "X=5", "Y=5", "W=100", "H=100", "BORDER=0", " ",
                              "[TEXTFELD2]", "X=50", "Y=5", "W=100", "H=100", " ", "[TOOLTIP]", "ENABLE=0", " " });
    std::string text;
    for (const std::string& line : page)
        text += line + "\r\n";

    MessageBoxRecorder boxes;
    TempFolder folder;
    CString path = folder.Write("Velconf.ini", text.c_str());
    CTarnixEdDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(1u, boxes.Count());   // the objects the editor cannot show
    EXPECT_FALSE(doc.IsModified());
    RetitlePage(doc.GetPage(), "Neu");
    doc.SetModifiedFlag(TRUE);
    ASSERT_TRUE(doc.OnSaveDocument(path));

    std::string saved = "\r\n" + Text(ReadFileText(path));
    bool bHead = false;
    for (const std::string& line : page)
    {
        bHead = line == "[Tarnix]" || (bHead && line != " ");
        if (bHead || line == "TITLE=Alt")
            continue;
        SCOPED_TRACE(line);
        EXPECT_NE(std::string::npos, saved.find("\r\n" + line + "\r\n"));
    }
    EXPECT_NE(std::string::npos, saved.find("\r\nTITLE=Neu\r\n"));
    EXPECT_EQ(std::string::npos, saved.find("TITLE=Alt"));
    EXPECT_EQ(1u, boxes.Count());
}

// One sound outside the project used by three buttons: one warning over three saves.
TEST(TarnixEdDocTest, AFileOutsideTheProjectIsWarnedAboutOnce)
{
    MessageBoxRecorder boxes;
    TempFolder folder, outside;
    CString sound = outside.Write("klick.wav", "RIFF");
    CString path = CopyProject(folder, "centred", "024000");
    CTarnixEdDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    for (int n = 0; n < 3; ++n)
    {
        CMButCreateStruct* pButton = new CMButCreateStruct;
        pButton->m_strText = "Knopf";
        pButton->m_strSoundFile = sound;
        ASSERT_TRUE(doc.GetPage().AddButton(pButton));
    }
    for (int n = 0; n < 3; ++n)
    {
        doc.SetModifiedFlag(TRUE);
        ASSERT_TRUE(doc.OnSaveDocument(path));
    }
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, Text(boxes.Last().strText).find("klick.wav"));
}

TEST(TarnixEdDocTest, TheOldNameUpdateNeverOverwritesAPageOfTheNewName)
{
    MessageBoxRecorder boxes;
    EditorFolder editor;
    TempFolder folder;
    ASSERT_TRUE(MoveFileA(CopyProject(folder, "centred", "023900"), folder.File("tarnix.ini")));
    CString other = folder.Write("Velconf.ini", "[OTHER]\r\nKEEP=1\r\n");
    CTarnixEdDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(folder.File("tarnix.ini")));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("[OTHER]\r\nKEEP=1\r\n", Text(ReadFileText(other)));
    EXPECT_NE(std::string::npos, Text(ReadFileText(folder.File("tarnix.ini"))).find("FILEVERSION=024000"));
}

// The full sample shows its errors and names the files it lacks: one box, in
// the interface language, with the path of each.
TEST(TarnixEdDocTest, AMissingFileOfThePageIsReportedOnceByName)
{
    const struct { char chLanguage; LPCSTR pszText; } rows[] = { { 'G', "fehlen" }, { 'E', "missing" } };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.chLanguage);
        SetUiLanguage(row.chLanguage);
        MessageBoxRecorder boxes;
        TempFolder folder;
        CString path = CopyProject(folder, "full", "024000");
        CopySample(folder, "full", { "hintergrund.bmp" });
        CTarnixEdDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        ASSERT_EQ(1u, boxes.Count());
        CString text = boxes.Last().strText, icon = folder.File("Velicon.ico");
        text.MakeLower();
        icon.MakeLower();
        EXPECT_GE(text.Find(row.pszText), 0) << (LPCSTR)text;
        EXPECT_GE(text.Find(icon), 0) << (LPCSTR)text;
        // Every file the page's objects name and lacks, not only the first.
        for (LPCSTR name : { "knopf.bmp", "liesmich.txt", "seite2.ini", "sound\\klick.wav" })
        {
            CString file = folder.File(name);
            file.MakeLower();
            EXPECT_GE(text.Find(file), 0) << name << "\n" << (LPCSTR)text;
        }
        EXPECT_EQ(-1, text.Find("hintergrund.bmp")) << "it is there";
    }
    SetUiLanguage('G');
}

namespace {

// Opens the text as the page's file in a new document: one message, which
// names the place to look at, when there is one; none when there is not.
// The message is read in German, whatever an earlier test left.
void OpenDamagedPage(CTarnixEdDoc& doc, const std::string& text, LPCSTR pszNamed)
{
    SetUiLanguage('G');
    MessageBoxRecorder boxes;
    TempFolder folder;
    CString path = folder.Write("Velconf.ini", text.data(), text.size());
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(pszNamed != nullptr ? 1u : 0u, boxes.Count());
    if (pszNamed != nullptr)
    {
        const std::string message = Text(boxes.Last().strText);
        EXPECT_NE(std::string::npos, message.find("beschädigt")) << message;
        EXPECT_NE(std::string::npos, message.find(pszNamed)) << message;
    }
}

} // namespace

// A damaged page opens with one message naming what the editor corrected, and
// every object has a size and lies at least partly inside the page.
TEST(TarnixEdDocTest, ADamagedPageSaysSoOnceAndShowsEveryObject)
{
    const std::string head = "[WINDOWSIZE]\r\nSIZETYPE=1\r\nW=400\r\nH=300\r\n \r\n[BUTTON1]\r\nENABLE=1\r\nTEXT=a\r\n";
    const struct
    {
        LPCSTR name;
        std::string text;
        LPCSTR pszNamed;   // in the message; null for no message
    } rows[] = {
        { "sound", head + "X=10\r\nY=10\r\nW=100\r\nH=20\r\n \r\n", nullptr },
        { "cut", head + "X=10\r\nY=10\r\nW=100\r\nH=20\r\n \r\n[BUTTON2]\r\nENABLE=1\r\nX=1", "BUTTON2" },
        // Cut at a line's end: the last section lacks what its object needs.
        { "cut after a line", head + "X=10\r\nY=10\r\nW=100\r\nH=20\r\n \r\n[BUTTON2]\r\nENABLE=1\r\nX=1\r\n",
          "BUTTON2" },
        { "last section whole", head + "X=10\r\nY=10\r\nW=100\r\nH=20\r\n", nullptr },
        { "too wide", head + "X=10\r\nY=10\r\nW=99999\r\nH=20\r\n \r\n", "W=99999" },
        { "no height", head + "X=10\r\nY=10\r\nW=100\r\nH=-5\r\n \r\n", "H=-5" },
        { "no number", head + "X=abc\r\nY=10\r\nW=100\r\nH=20\r\n \r\n", "X=abc" },
        // Objects beyond the page's edge (a page sized to a smaller picture) come in silently.
        { "far away", head + "X=5000\r\nY=10\r\nW=100\r\nH=20\r\n \r\n[TEXT1]\r\nX=10\r\nY=900\r\nTEXT=t\r\n \r\n",
          nullptr },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTarnixEdDoc doc;
        ASSERT_NO_FATAL_FAILURE(OpenDamagedPage(doc, row.text, row.pszNamed));
        CProjectPage& page = doc.GetPage();
        const RECT rcPage = { 0, 0, page.GetWindow().nW, page.GetWindow().nH };
        for (const CMObjList* pList : { &page.GetButtons(), &page.GetTexts() })
            for (int i = 0; i < pList->GetSize(); ++i)
            {
                RECT rc = static_cast<CMObjCreateStruct*>((*pList)[i])->m_rect, common;
                EXPECT_GT(rc.right, rc.left);
                EXPECT_GT(rc.bottom, rc.top);
                EXPECT_TRUE(IntersectRect(&common, &rc, &rcPage));
            }
    }
}


// A page the editor wrote ends every section with its closing line and ends
// with the tooltip section: one cut short, at a line's end or inside a line,
// opens with the message naming the section it breaks off in or after.
TEST(TarnixEdDocTest, APageCutShortSaysWhereItBreaksOff)
{
    const std::string page = testing_support::Lines(
        { "[Tarnix]", "VERSION=Tarnix Editor 2.40 CD-Menu", "FILEVERSION=024000", " ", "[WINDOWSIZE]", "SIZETYPE=1",
          "W=400", "H=300", " ", "[BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=100", "H=30", "TEXT=Eins", " ",
          "[BUTTON2]", "ENABLE=1", "X=10", "Y=50", "W=100", "H=30", "TEXT=Zwei", "FUNKTION=EXIT", " ", "[TEXT1]",
          "X=200", "Y=10", "TEXT=Titel", "TEXT_FONT_NAME=Arial", " ", "[TOOLTIP]", "ENABLE=0", " " })
        .GetString();
    // The page up to the end of (or into) the text after which it is cut.
    auto cutAfter = [&page](const std::string& text, int nInto = 0) {
        size_t nAt = page.find(text);
        return page.substr(0, nAt == std::string::npos ? 0 : nAt + (nInto > 0 ? nInto : text.size()));
    };
    const struct
    {
        LPCSTR name;
        std::string text;
        LPCSTR pszNamed;   // in the message; null for no message
    } rows[] = {
        { "whole", page, nullptr },
        { "button, at a line end", cutAfter("Y=50\r\nW=100\r\nH=30\r\n"), "[BUTTON2]" },
        { "button, inside a line", cutAfter("TEXT=Zwei", 7), "[BUTTON2]" },
        { "button, after its closing line", cutAfter("FUNKTION=EXIT\r\n \r\n"), "[BUTTON2]" },
        { "text, at a line end", cutAfter("X=200\r\nY=10\r\n"), "[TEXT1]" },
        { "text, inside a line", cutAfter("TEXT=Titel", 7), "[TEXT1]" },
        { "tooltip, at a line end", cutAfter("[TOOLTIP]\r\nENABLE=0\r\n"), "[TOOLTIP]" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CTarnixEdDoc doc;
        ASSERT_NO_FATAL_FAILURE(OpenDamagedPage(doc, row.text, row.pszNamed));
    }
}


namespace {

// A page of 400 by 300 with the given sections, each line ended by CR LF.
std::string PageOf(std::initializer_list<LPCSTR> lines)
{
    std::string text = "[WINDOWSIZE]\r\nSIZETYPE=1\r\nW=400\r\nH=300\r\n \r\n";
    for (LPCSTR line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

CMButCreateStruct* ButtonAt(CProjectPage& page, int nIndex)
{
    return static_cast<CMButCreateStruct*>(page.GetButtons()[nIndex]);
}

// What a page shows of its title, buttons and text fields.
std::string Summary(CProjectPage& page)
{
    std::string summary = Text(page.GetWindow().strTitle);
    for (int i = 0; i < page.GetButtons().GetSize(); ++i)
    {
        const CMButCreateStruct* pButton = ButtonAt(page, i);
        const RECT& rc = pButton->m_rect;
        CString sound = pButton->m_strSoundFile.Mid(pButton->m_strSoundFile.ReverseFind('\\') + 1), line;
        line.Format(" | %s a%d s%d%s %s %ld,%ld %ldx%ld", (LPCSTR)pButton->m_strText, pButton->m_nAction,
                    pButton->m_bStartSound, sound.IsEmpty() ? "" : (LPCSTR)(" " + sound), (LPCSTR)pButton->m_strStyle,
                    rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        summary += Text(line);
    }
    for (int i = 0; i < page.GetTextFields().GetSize(); ++i)
    {
        const CViewerCreateStruct* pField = static_cast<CViewerCreateStruct*>(page.GetTextFields()[i]);
        CString line;
        line.Format(" | field %ld,%ld b%d", pField->m_rect.left, pField->m_rect.top, pField->m_bBorder);
        summary += Text(line);
    }
    return summary;
}

const std::initializer_list<LPCSTR> kSoundAndPlain = {
    "[BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=100", "H=20", "TEXT=Eins", "STYLE=BITMAP",
    "BMP=_CURRENTDIR_\\fehlt.bmp", "FUNKTION=PLAYSOUND", "DOKUMENT=_CURRENTDIR_\\klick.wav", "EIGEN=eins", " ",
    "[BUTTON2]", "ENABLE=1", "X=10", "Y=40", "W=100", "H=20", "TEXT=Zwei", "FUNKTION=NONE", " ",
};
const std::initializer_list<LPCSTR> kGaps = {
    "[BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=100", "H=20", "TEXT=Eins", " ",
    "[BUTTON2]", "ENABLE=1", "X=10", "Y=40", "W=100", "H=20", "TEXT=Zwei", " ",
    "[BUTTON5]", "ENABLE=1", "X=10", "Y=70", "W=100", "H=20", "TEXT=Fuenf", "EIGEN=fuenf", " ",
};

} // namespace

// A play-sound button's document becomes its sound file, which a whole write
// stores as SOUNDFILE: what was read comes back whole, in the editor and
// through the reader the player uses.
TEST(TarnixEdDocTest, ALongSoundPathComesBackWholeAfterTheButtonIsWrittenInFull)
{
    for (int nLength : { 239, 240, 298 })
    {
        SCOPED_TRACE(nLength);
        // "_CURRENTDIR_" and folders of at most 60 characters, nLength in all.
        std::string stored = ProjectFormat::kCurrentDir;
        while ((int)stored.size() < nLength)
        {
            stored += '\\';
            stored += std::string(std::min<size_t>(60, nLength - stored.size()), 'k');
        }
        ASSERT_EQ((size_t)nLength, stored.size());
        const std::string page = PageOf({ "[BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=100", "H=20", "TEXT=Klang",
                                          "FUNKTION=PLAYSOUND", ("DOKUMENT=" + stored).c_str(), " " });
        MessageBoxRecorder boxes;
        TempFolder folder;
        CString path = folder.Write("Velconf.ini", page.data(), page.size());
        CString sound;
        {
            CTarnixEdDoc doc;
            ASSERT_TRUE(doc.OnOpenDocument(path));
            CMButCreateStruct* pButton = ButtonAt(doc.GetPage(), 0);
            sound = pButton->m_strSoundFile;
            OffsetRect(&pButton->m_rect, 20, 0);
            doc.SetModifiedFlag(TRUE);
            ASSERT_TRUE(doc.OnSaveDocument(path));
        }
        EXPECT_EQ(nLength - lstrlenA(ProjectFormat::kCurrentDir) + folder.Path().GetLength(), sound.GetLength());
        EXPECT_NE(std::string::npos, Text(ReadFileText(path)).find("\r\nSOUNDFILE=" + stored + "\r\n"));
        CTarnixEdDoc again;
        ASSERT_TRUE(again.OnOpenDocument(path));
        EXPECT_EQ(Text(sound), Text(ButtonAt(again.GetPage(), 0)->m_strSoundFile));
        CProjectSettings player;
        player.SetProjectFile(path);
        ASSERT_TRUE(player.OpenSource(nullptr));
        const PageButtonLook look = { &again.GetPage().GetButtonStyle().font, 100, FALSE, 0 };
        CMButCreateStruct* pRead = ReadButtonCreateStruct(player, 1, look);
        ASSERT_NE(nullptr, pRead);
        EXPECT_EQ(Text(sound), Text(pRead->m_strSoundFile));
        delete pRead;
        player.CloseSource();
        EXPECT_EQ(0u, boxes.Count()) << (boxes.Count() > 0 ? Text(boxes.Last().strText) : std::string());
    }
}

// Objects follow their sections: an object deleted, renumbered (by a delete,
// the tab order or a gap in the numbering) or new never takes over another
// one's keys; an edited or corrected object writes every key; a key standing
// alone on its line is replaced by its edit.
TEST(TarnixEdDocTest, ASaveWritesEachObjectUnderItsOwnKeys)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "Canvas", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    const struct
    {
        LPCSTR name;
        std::string page;
        std::function<void(CTarnixEdDoc&)> edit;
        std::string reopened;                    // Summary of the page read back
        std::vector<std::string> absent;         // lines the saved file lacks
    } rows[] = {
        { "delete the sound button", PageOf(kSoundAndPlain),
          [](CTarnixEdDoc& doc) { doc.RemoveButton(ButtonAt(doc.GetPage(), 0)); },
          "Tarnix | Zwei a0 s0 W 10,40 100x20", { "FUNKTION=PLAYSOUND", "STYLE=BITMAP", "EIGEN=eins" } },
        { "tab order", PageOf(kSoundAndPlain),
          [&parent](CTarnixEdDoc& doc) {
              menuobj_testing::ChangeTabOrder(doc.GetPage(), parent,
                                              [](std::vector<int>& places) { std::reverse(places.begin(), places.end()); });
          },
          "Tarnix | Zwei a0 s0 W 10,40 100x20 | Eins a0 s1 klick.wav W 10,10 100x20", { "FUNKTION=PLAYSOUND" } },
        { "caption of a button after a gap", PageOf(kGaps),
          [](CTarnixEdDoc& doc) { ButtonAt(doc.GetPage(), 2)->m_strText = "Neu"; },
          "Tarnix | Eins a0 s0 W 10,10 100x20 | Zwei a0 s0 W 10,40 100x20 | Neu a0 s0 W 10,70 100x20",
          { "[BUTTON5]", "TEXT=Fuenf" } },
        { "delete before a gap", PageOf(kGaps),
          [](CTarnixEdDoc& doc) { doc.RemoveButton(ButtonAt(doc.GetPage(), 0)); },
          "Tarnix | Zwei a0 s0 W 10,40 100x20 | Fuenf a0 s0 W 10,70 100x20", { "[BUTTON5]", "TEXT=Eins" } },
        // A size below 0 gives the button no place: it is put at 0,0 in the standard size.
        { "a corrected button moved",
          PageOf({ "[BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=-5", "H=20", "TEXT=Kaputt", " " }),
          [](CTarnixEdDoc& doc) { OffsetRect(&ButtonAt(doc.GetPage(), 0)->m_rect, 30, 0); },
          "Tarnix | Kaputt a0 s0 W 30,0 120x26", { "W=-5" } },
        { "a corrected button on an edited page",
          PageOf({ "[BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=-5", "H=20", "TEXT=Kaputt", " " }),
          [](CTarnixEdDoc& doc) { RetitlePage(doc.GetPage(), "Neu"); }, "Neu | Kaputt a0 s0 W 0,0 120x26",
          { "W=-5" } },
        { "a new text field for a deleted one",
          PageOf({ "[TEXTFELD1]", "X=5", "Y=5", "W=100", "H=100", "BORDER=0", "EIGEN=feld", " " }),
          [](CTarnixEdDoc& doc) {
              CProjectPage& page = doc.GetPage();
              page.RemoveTextField(static_cast<CViewerCreateStruct*>(page.GetTextFields()[0]));
              CViewerCreateStruct* pField = new CViewerCreateStruct;
              SetRect(&pField->m_rect, 20, 20, 120, 120);
              ASSERT_TRUE(page.AddTextField(pField));
          },
          "Tarnix | field 20,20 b1", { "BORDER=0", "EIGEN=feld" } },
        { "a key without a value", PageOf({ "[WINDOW]", "TITLE", " " }),
          [](CTarnixEdDoc& doc) { RetitlePage(doc.GetPage(), "Neu"); }, "Neu", { "TITLE" } },
        // A no-break space is part of a section's name, for the keeper as for
        // the readers: an edit goes where they read it.
        { "a title beside a section no reader reads", PageOf({ "[WINDOW\xA0]", "TITLE=Alt", " " }),
          [](CTarnixEdDoc& doc) { RetitlePage(doc.GetPage(), "Neu"); }, "Neu", {} },
        { "a caption after a junk section",
          PageOf({ "[\xA0" "BUTTON1]", "ENABLE=1", "X=10", "Y=10", "W=100", "H=20", "TEXT=Junk", " ", "[BUTTON1]",
                   "ENABLE=1", "X=10", "Y=40", "W=100", "H=20", "TEXT=Eins", " " }),
          [](CTarnixEdDoc& doc) { ButtonAt(doc.GetPage(), 0)->m_strText = "Neu"; },
          "Tarnix | Neu a0 s0 W 10,40 100x20", { "TEXT=Eins" } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MessageBoxRecorder boxes;
        TempFolder folder;
        folder.Write("klick.wav", "RIFF");
        CString path = folder.Write("Velconf.ini", row.page.data(), row.page.size());
        {
            CTarnixEdDoc doc;
            ASSERT_TRUE(doc.OnOpenDocument(path));
            row.edit(doc);
            doc.SetModifiedFlag(TRUE);
            ASSERT_TRUE(doc.OnSaveDocument(path));
        }
        const std::string saved = "\r\n" + Text(ReadFileText(path));
        for (const std::string& line : row.absent)
            EXPECT_EQ(std::string::npos, saved.find("\r\n" + line + "\r\n")) << line << " in\n" << saved;
        CTarnixEdDoc again;
        ASSERT_TRUE(again.OnOpenDocument(path));
        EXPECT_EQ(row.reopened, Summary(again.GetPage())) << saved;
    }
    parent.DestroyWindow();
}
