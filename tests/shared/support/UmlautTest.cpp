#include "shared/support/Umlaut.h"

#include <gtest/gtest.h>

TEST(MakeLowerUmlaut, FoldsAsciiAndCapitalUmlautsOnly)
{
    struct Case
    {
        LPCSTR input;
        LPCSTR expected;
    } cases[] = {
        { "C:\\PROJEKTE\\Menu.INI", "c:\\projekte\\menu.ini" },
        { "C:\\Ärger\\ÖL\\ÜBER", "c:\\ärger\\öl\\über" },
        { "äöü", "äöü" },
        // Other accented capitals and the sharp s stay as they are.
        { "CAFÉ ÀÇ ß", "cafÉ ÀÇ ß" },
        { "", "" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.input);
        CString str(c.input);
        MakeLowerUmlaut(str);
        EXPECT_EQ(CString(c.expected), str);
    }
}
