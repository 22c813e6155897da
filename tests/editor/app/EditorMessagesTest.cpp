// The editor's framed message boxes and its bilingual warnings.
#include "editor/dialogs/EditorMessages.h"

#include "EditorTesting.h"
#include "editor/dialogs/UiLanguage.h"

#include "editor/resource.h"

using editor_testing::Text;
using testing_support::MessageBoxRecorder;

TEST(EditorMessagesTest, BoxesFrameTheirResourceStrings)
{
    struct Row { void (*pShow)(UINT); UINT nID; LPCSTR pszText; } rows[] = {
        { ErrorBoxById, IDS_INVALID_PROJECT, "FEHLER !\n\nUngültige Projektdatei !\n\n" },
        { WarningBoxById, IDS_BAD_PROJECT_PATH, "ACHTUNG !\n\nUngültiger Projektpfad !\n\n" },
        { ErrorBoxById, 9999, "FEHLER !\n\nInternal error\nCannot load string !\n\n" },
        { MessageBoxById, IDS_READ_ONLY_PROJECT, "Die Datei ist schreibgeschützt und kann nicht verwendet werden." },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nID);
        MessageBoxRecorder boxes;
        row.pShow(row.nID);
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ(row.pszText, Text(boxes.Last().strText));
    }
}

TEST(EditorMessagesTest, BuiltInWarningsAreGermanOnlyForGerman)
{
    struct Row { char chLetter; LPCSTR pszStart; } rows[] = {
        { 'G', "Achtung !\n\nDas angegebene AVI-Video ist \"cvid-Komprimiert\"" },
        { 'E', "Note !\n\nThe AVI-Video is \"cvid-compressed\"" },
        { 'F', "Note !\n\nThe AVI-Video is \"cvid-compressed\"" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.chLetter);
        MessageBoxRecorder boxes;
        SetUiLanguage(row.chLetter);
        WarnAviNotAllowed("cvid");
        SetUiLanguage('G');
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_EQ(0u, Text(boxes.Last().strText).find(row.pszStart));
    }
    CString name = "ÄRGER.BMP";
    MakeLowerGerman(name);
    EXPECT_EQ("ärger.bmp", Text(name));
}
