// The help files beside the editor: every page the editor's code asks for is
// a topic of the compiled file (read back from the .chm's directory), and a
// missing help file is reported in a box instead of doing nothing.
#include "editor/app/TarnixEdApp.h"

#include "EditorTesting.h"

#include "editor/resource.h"

#include <regex>
#include <set>
#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::Text;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramFolder;
using testing_support::ReadFileBytes;
using testing_support::ReadFileText;
using testing_support::TempFolder;

namespace {

// The names of the files a compiled help file holds, from its directory
// chunks: the header's section table gives the directory, whose "PMGL" chunks
// list every name with its section, offset and length.
std::set<std::string> ChmTopics(const CString& strPath)
{
    std::vector<unsigned char> b = ReadFileBytes(strPath);
    std::set<std::string> names;
    auto dword = [&](size_t i) -> size_t { return i + 4 <= b.size() ? *(const DWORD*)&b[i] : 0; };
    if (b.size() < 0x58 || memcmp(b.data(), "ITSF", 4) != 0)
        return names;
    size_t nDir = dword(0x48), nDirLength = dword(0x50);
    if (nDir + 0x14 > b.size() || memcmp(&b[nDir], "ITSP", 4) != 0)
        return names;
    size_t nChunk = dword(nDir + 0x10);
    size_t nEnd = std::min(b.size(), nDir + nDirLength);
    auto encint = [&](size_t& i, size_t nLimit) {
        size_t value = 0;
        while (i < nLimit)
        {
            unsigned char c = b[i++];
            value = (value << 7) | (c & 0x7F);
            if (c < 0x80)
                break;
        }
        return value;
    };
    for (size_t p = nDir + dword(nDir + 8); nChunk > 20 && p + nChunk <= nEnd; p += nChunk)
    {
        if (memcmp(&b[p], "PMGL", 4) != 0)
            continue;
        size_t nLimit = p + nChunk - std::min(nChunk, dword(p + 4));
        for (size_t i = p + 20; i < nLimit;)
        {
            size_t nName = encint(i, nLimit);
            if (i + nName > nLimit)
                break;
            names.insert(std::string((const char*)&b[i], nName));
            i += nName;
            for (int n = 0; n < 3; ++n)
                encint(i, nLimit);
        }
    }
    return names;
}

void CollectSources(const CString& strFolder, std::vector<CString>& files)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA(strFolder + "\\*", &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do
    {
        CString name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CollectSources(strFolder + "\\" + name, files);
        else if (name.Right(4) == ".cpp")
            files.push_back(strFolder + "\\" + name);
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
}

// The pages the editor's code names: every "*.htm" literal goes to the help
// file, except the quick information's; the button sheet's information files
// ("infotext\\x.txt") are shown as the quick information's "x.htm".
void PagesOfTheCode(std::set<std::string>& help, std::set<std::string>& quickInfo)
{
    std::vector<CString> files;
    CollectSources(testing_support::TestDataPath("..\\..\\src\\editor"), files);
    ASSERT_GT(files.size(), 20u);
    const std::regex page("\"([A-Za-z0-9_]+\\.htm)\"");
    const std::regex infoText("\"infotext\\\\\\\\([A-Za-z0-9_]+)\\.txt\"");
    for (const CString& file : files)
    {
        std::string text = Text(ReadFileText(file));
        size_t nStart = 0;
        while (nStart < text.size())
        {
            size_t nEnd = text.find('\n', nStart);
            std::string line = text.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
            nStart = nEnd == std::string::npos ? text.size() : nEnd + 1;
            std::smatch match;
            if (std::regex_search(line, match, page))
                (line.find("ShowQuickInfo") != std::string::npos ? quickInfo : help).insert(match[1]);
            if (std::regex_search(line, match, infoText))
                quickInfo.insert(std::string(match[1]) + ".htm");
        }
    }
}

} // namespace

TEST(HelpFilesTest, EveryPageTheCodeNamesIsATopicOfTheCompiledFiles)
{
    std::set<std::string> help, quickInfo;
    PagesOfTheCode(help, quickInfo);
    EXPECT_GT(help.size(), 15u);
    EXPECT_GT(quickInfo.size(), 2u);
    struct Book { LPCSTR pszFile; LPCSTR pszFolder; const std::set<std::string>& pages; } books[] = {
        { "help\\tarnix.chm", "/web/", help },
        { "help\\quickinfo.chm", "/", quickInfo },
    };
    for (const Book& book : books)
    {
        SCOPED_TRACE(book.pszFile);
        std::set<std::string> topics = ChmTopics(ProgramFolder() + "\\" + book.pszFile);
        ASSERT_FALSE(topics.empty());
        for (const std::string& name : book.pages)
            EXPECT_EQ(1u, topics.count(book.pszFolder + name)) << name << " is no topic";
        EXPECT_EQ(1u, topics.count(std::string(book.pszFolder) + "index.htm"));
    }
}

// The pages lie in the editor's folder; a missing help file is said in a box.
TEST(HelpFilesTest, AMissingHelpFileIsSaidInABox)
{
    std::vector<std::string> topics;
    HelpTopicFunction previous = CTarnixEdApp::SetHelpFunction([&](const CString& topic) { topics.push_back(Text(topic)); });
    App().ShowHelpPage("hilfe_projekt.htm");
    App().ShowQuickInfo("index.htm");
    EXPECT_EQ((std::vector<std::string>{ Text(ProgramFolder()) + "\\help\\tarnix.chm::/web/hilfe_projekt.htm",
                                         Text(ProgramFolder()) + "\\help\\quickinfo.chm::/index.htm" }),
              topics);
    topics.clear();
    TempFolder folder;
    CString previousFolder = App().m_strEditorFolder;
    App().m_strEditorFolder = folder.Path();
    MessageBoxRecorder boxes;
    App().OnCmdMsg(ID_HELP_TARNIX, CN_COMMAND, nullptr, nullptr);
    App().OnCmdMsg(ID_HELP_QUICKINFO, CN_COMMAND, nullptr, nullptr);
    folder.Write("help\\quickinfo.chm", ReadFileText(ProgramFolder() + "\\help\\quickinfo.chm"));
    App().OnCmdMsg(ID_HELP_QUICKINFO, CN_COMMAND, nullptr, nullptr);
    CTarnixEdApp::SetHelpFunction(previous);
    App().m_strEditorFolder = previousFolder;
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_NE(std::string::npos, Text(boxes.Boxes()[0].strText).find(Text(folder.File("help\\tarnix.chm"))));
    EXPECT_NE(std::string::npos, Text(boxes.Boxes()[1].strText).find("quickinfo.chm"));
    EXPECT_NE(std::string::npos, Text(boxes.Boxes()[1].strText).find("nicht gefunden"));
    EXPECT_EQ(std::vector<std::string>{ Text(folder.File("help\\quickinfo.chm")) + "::/index.htm" }, topics);
}
