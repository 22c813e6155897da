// The sample projects that the reader and writer tests use follow the layout
// that the writer produces.
#include "shared/support/ProjectFormat.h"

#include "helpers/TestSupport.h"
#include "shared/menuobj/LineStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::ReadFileBytes;
using testing_support::TestDataPath;

namespace {

typedef std::vector<std::string> Names;

// The section names of a project file in order; every section must be closed
// by the separator line before the next header.
Names SectionsOf(LPCSTR pszFile)
{
    CLineStore lines;
    EXPECT_TRUE(lines.LoadFile(TestDataPath(pszFile), FALSE));
    Names sections;
    BOOL bOpen = FALSE;
    CString strLine;
    for (int nMore = lines.GetFirst(strLine); nMore; nMore = lines.GetNext(strLine))
    {
        if (strLine.Left(1) == "[")
        {
            EXPECT_FALSE(bOpen) << "section before " << (LPCSTR)strLine << " is not closed";
            sections.push_back((LPCSTR)strLine.Mid(1, strLine.GetLength() - 2));
            bOpen = TRUE;
        }
        else if (strLine == ProjectFormat::kSectionEnd)
        {
            bOpen = FALSE;
        }
        else if (!strLine.IsEmpty())
        {
            EXPECT_TRUE(bOpen) << (LPCSTR)strLine;
            EXPECT_GT(strLine.Find('='), 0) << (LPCSTR)strLine;
        }
    }
    EXPECT_FALSE(bOpen);
    return sections;
}

void ExpectCrLfOnly(LPCSTR pszFile)
{
    std::vector<unsigned char> bytes = ReadFileBytes(TestDataPath(pszFile));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ('\n', bytes.back());
    for (size_t i = 0; i < bytes.size(); ++i)
    {
        if (bytes[i] == '\n')
        {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << pszFile << " at " << i;
        }
    }
}

} // namespace

TEST(ProjectSamplesTest, TheFullMainPageHasEverySectionInWrittenOrder)
{
    using namespace ProjectFormat;
    ExpectCrLfOnly("projects\\full\\Velconf.ini");
    Names expected = { kSecHead, kSecMenuType, kSecWindowPos, kSecWindowSize, kSecWindowBgColor, kSecWindow,
                       kSecDesktop, kSecSound, kSecButtons };
    for (int n = 1; n <= 6; ++n)
    {
        expected.push_back((LPCSTR)ButtonSection(n));
        if (n == 3)
            expected.push_back((LPCSTR)PopupSection(0));
    }
    for (LPCSTR psz : { "TEXT1", "TEXT2", "TEXTFELD1", kSecWelcome, kSecToolTip })
        expected.push_back(psz);
    EXPECT_EQ(expected, SectionsOf("projects\\full\\Velconf.ini"));
}

TEST(ProjectSamplesTest, TheSubPageAndTheCentredPageFollowTheLayout)
{
    ExpectCrLfOnly("projects\\full\\seite2.ini");
    ExpectCrLfOnly("projects\\centred\\Velconf.ini");
    EXPECT_EQ((Names{ "Tarnix", "MENUTYPE", "WINDOWPOS", "WINDOWSIZE", "WINDOWBGCOLOR", "WINDOW", "DESKTOP",
                      "BUTTONS", "BUTTON1", "BUTTON2", "TEXT1", "TOOLTIP" }),
              SectionsOf("projects\\full\\seite2.ini"));
    EXPECT_EQ((Names{ "Tarnix", "MENUTYPE", "WINDOWPOS", "WINDOWSIZE", "WINDOWBGCOLOR", "WINDOW", "DESKTOP",
                      "SOUND", "BUTTONS", "WELCOME", "TOOLTIP" }),
              SectionsOf("projects\\centred\\Velconf.ini"));
}
