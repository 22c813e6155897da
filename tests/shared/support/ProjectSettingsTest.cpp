#include "shared/support/ProjectSettings.h"

#include "framework/ClientDC.h"
#include "framework/Font.h"

#include "shared/support/TextEffect.h"
#include "shared/support/Umlaut.h"

#include "helpers/TestSupport.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <initializer_list>

using testing_support::MessageBoxRecorder;
using testing_support::Lines;
using testing_support::TempFolder;
using testing_values::Ints;
using testing_values::Texts;

namespace {

CString LowerProgramFolder()
{
    CString folder = testing_support::ProgramFolder();
    MakeLowerUmlaut(folder);
    return folder;
}

// A project file written by the test, read through a fresh accessor.
class ProjectSettingsTest : public ::testing::Test
{
protected:
    CProjectSettings& Project(const CString& text)
    {
        m_settings.SetProjectFile(m_folder.Write("Velconf.ini", text));
        m_settings.OpenSource(nullptr);
        return m_settings;
    }
    TempFolder m_folder;
    CProjectSettings m_settings;
};

struct Button
{
    CString style = "?", caption = "?", document = "?", application = "?", parameter = "?", function = "?";
    CString bitmap = "?", tooltip = "?", soundFile = "?";
    BOOL enabled = 7;
    RECT rect = { 1, 2, 3, 4 };
    CFontDesc idle, over, down;
    int stopSound = 7, startSound = 7;

    BOOL Read(CProjectSettings& settings, int number)
    {
        return settings.GetButton(number, style, enabled, rect, caption, document, application, parameter, function,
                                  idle, over, down, bitmap, tooltip, stopSound, startSound, soundFile);
    }
};

// Every getter on the given accessor gives its defaults.
void ExpectDefaults(CProjectSettings& s)
{
    CString type, main = "?";
    int level = 9;
    s.GetMenuType(type, level, main);
    EXPECT_EQ(Texts({ "MAINMENU", "" }), Texts({ type, main }));
    EXPECT_EQ(0, level);

    char letter = 0;
    EXPECT_EQ(1, s.GetLanguage(letter));
    EXPECT_EQ('G', letter);

    int r, g, b, paint = 9;
    COLORREF colour = 0;
    EXPECT_EQ(255, s.GetColor("WINDOWBGCOLOR", r, g, b));
    s.GetDesktop(paint, colour);
    EXPECT_EQ((Ints{ 255, 255, 0, int(RGB(255, 255, 255)) }), (Ints{ r, g, paint, int(colour) }));

    CFontDesc font;
    font.m_logFont.lfHeight = 99;
    s.GetFont("BUTTONS", "BUTTON_FONT_", font);
    const LOGFONTA& lf = font.m_logFont;
    EXPECT_STREQ("Arial", lf.lfFaceName);
    EXPECT_EQ((Ints{ 16, 400, 0, 0, 0, TEXT_EFFECT_NONE }),
              (Ints{ int(lf.lfHeight), int(lf.lfWeight), lf.lfItalic, lf.lfUnderline, int(font.m_crColor),
                     font.m_nEffect }));

    CString icon = "?";
    int seconds = 0;
    EXPECT_EQ(5, s.GetWelcomeIcon(colour, icon, seconds));
    EXPECT_EQ(5, seconds);
    EXPECT_EQ(CString(""), icon);
    EXPECT_FALSE(s.IsEnabled("WELCOME"));

    Button button;
    EXPECT_FALSE(button.Read(s, 1));
    EXPECT_EQ(CString("?"), button.caption);

    EXPECT_FALSE(s.GetShowErrors());
    EXPECT_FALSE(s.HasWindowImage());
    CString file;
    int x = 9, y = 9, pos = 9, repeat = 9;
    EXPECT_FALSE(s.GetWindowImage(file, x, y, pos, repeat));
    EXPECT_EQ(CString("tarnix.bmp"), file);
    EXPECT_EQ(0, x + y + pos + repeat);
    EXPECT_TRUE(s.GetWindowImageFile(file));

    CString text = "?";
    x = y = 9;
    EXPECT_FALSE(s.GetText(1, x, y, text, font));
    EXPECT_EQ(CString("?"), text);
    EXPECT_EQ(9, x);

    BOOL enable = 9, transparent = 9, centre = 9;
    int w, h;
    CString defaultText = "?";
    s.GetTooltip(enable, x, y, w, h, transparent, colour, font, defaultText, centre);
    EXPECT_EQ((Ints{ 0, 0, 0, 50, 20, 0, 0, int(RGB(255, 255, 255)) }),
              (Ints{ enable, x, y, w, h, transparent, centre, int(colour) }));
    EXPECT_EQ(CString(""), defaultText);

    int click = 9, over = 9;
    EXPECT_FALSE(s.GetSound(file, repeat, click, over));
    EXPECT_EQ(CString(""), file);
    EXPECT_EQ(0, repeat + click + over);

    EXPECT_EQ(0, s.GetImage(file, 1, x, y, w, h));
    EXPECT_EQ((Ints{ -1, -1 }), (Ints{ x, h }));

    int hs = 9, vs = 9, border = 9;
    CString doc = "?";
    EXPECT_FALSE(s.GetTextField(1, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ((Ints{ -1, -1, 9 }), (Ints{ x, w, hs }));

    CString item = "?";
    EXPECT_FALSE(s.GetItem("POPUPMENU00", 0, item));
    EXPECT_EQ(CString(""), item);
}

TEST_F(ProjectSettingsTest, FileWithoutSectionsGivesEveryDefault)
{
    ExpectDefaults(Project(Lines({ "[Tarnix]", "LANGUAGE=E", " " })));
}

TEST_F(ProjectSettingsTest, BadFilesGiveDefaultsWithoutMessages)
{
    MessageBoxRecorder boxes;
    {
        SCOPED_TRACE("missing");
        m_settings.SetProjectFile(m_folder.File("Missing.ini"));
        ExpectDefaults(m_settings);
    }
    {
        SCOPED_TRACE("empty");
        ExpectDefaults(Project(""));
    }
    {
        SCOPED_TRACE("binary");
        unsigned char bytes[512];
        for (int i = 0; i < 512; ++i)
            bytes[i] = (unsigned char)(i * 37 + 11);
        m_settings.SetProjectFile(m_folder.Write("Binary.ini", bytes, sizeof(bytes)));
        ExpectDefaults(m_settings);
    }
    {
        SCOPED_TRACE("huge");
        CString text('x', 512 * 1024);
        m_settings.SetProjectFile(m_folder.Write("Huge.ini", text + "\r\n" + text));
        ExpectDefaults(m_settings);
    }
    {
        SCOPED_TRACE("whole-file mode on an unreadable name");
        m_settings.OpenProjectText(m_folder.File("Missing.ini"));
        ExpectDefaults(m_settings);
    }
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(ProjectSettingsTest, StringsAreCutAtTheirLimits)
{
    CString longText('a', 1100);
    CString text = Lines({ "[TarnixPro]" }) + "LANGUAGE=" + longText + "\r\n" +
                   Lines({ "[MENUTYPE]" }) + "TYPE=" + longText + "\r\nMAIN=" + longText + "\r\n" +
                   Lines({ "[TEXT1]", "X=1", "Y=1" }) + "TEXT=" + longText + "\r\n" +
                   Lines({ "[BUTTON1]", "ENABLE=1" }) + "TEXT=" + longText + "\r\nTOOLTIP=" + longText +
                   "\r\nFUNKTION=" + longText + "\r\nBMP=" + longText + "\r\nDOKUMENT=" + longText + "\r\n" +
                   Lines({ "[TOOLTIP]" }) + "DEFAULTTEXT=" + longText + "\r\n" +
                   Lines({ "[POPUPMENU00]" }) + "ITEM00=" + longText + "\r\n";
    CProjectSettings& s = Project(text);

    char letter;
    CString type, main, textValue, defaultText, item;
    int level, x, y, w, h;
    CFontDesc font;
    Button button;
    BOOL enable, transparent, centre;
    COLORREF colour;
    s.GetMenuType(type, level, main);
    ASSERT_TRUE(s.GetText(1, x, y, textValue, font));
    ASSERT_TRUE(button.Read(s, 1));
    s.GetTooltip(enable, x, y, w, h, transparent, colour, font, defaultText, centre);
    EXPECT_TRUE(s.GetItem("POPUPMENU00", 0, item));
    // language, type, main, text, caption, tooltip, function, bitmap, document, default tip, item
    EXPECT_EQ((Ints{ 18, 78, 78, 299, 99, 499, 98, 239, 298, 500, 1023 }),
              (Ints{ s.GetLanguage(letter), type.GetLength(), main.GetLength(), textValue.GetLength(),
                     button.caption.GetLength(), button.tooltip.GetLength(), button.function.GetLength(),
                     button.bitmap.GetLength(), button.document.GetLength(), defaultText.GetLength(),
                     item.GetLength() }));
}

TEST_F(ProjectSettingsTest, FontKeysFillTheDescription)
{
    CProjectSettings& s = Project(Lines({
        "[TEXT1]",
        "X=10",
        "Y=20",
        "TEXT=Hallo",
        "TEXT_FONT_NAME=A face name that is far longer than a LOGFONT holds",
        "TEXT_FONT_SIZE=-20",
        "TEXT_FONT_STYLE=700",
        "TEXT_FONT_ITALIC=257",
        "TEXT_FONT_UNDERLINE=1",
        "TEXT_FONT_EFFECT=Geprägt",
        "TEXT_FONT_RED=266",
        "TEXT_FONT_GREEN=2",
        "TEXT_FONT_BLUE=3",
    }));
    int x = 0, y = 0;
    CString text;
    CFontDesc font;
    ASSERT_TRUE(s.GetText(1, x, y, text, font));
    EXPECT_EQ(Texts({ "Hallo", "A face name that is far longer " }), Texts({ text, font.m_logFont.lfFaceName }));
    const LOGFONTA& lf = font.m_logFont;
    EXPECT_EQ((Ints{ 10, 20, -20, 700, 1, 1, TEXT_EFFECT_EMBOSSED, int(RGB(10, 2, 3)) }),
              (Ints{ x, y, int(lf.lfHeight), int(lf.lfWeight), lf.lfItalic, lf.lfUnderline, font.m_nEffect,
                     int(font.m_crColor) }));
}

// A damaged page's font of tens of thousands of pixels costs the platform's
// font code seconds and gigabytes: heights stop at the screen's, either sign.
TEST_F(ProjectSettingsTest, FontHeightsStopAtTheScreenHeight)
{
    const int nScreen = GetSystemMetrics(SM_CYSCREEN);
    const struct
    {
        const char* stored;
        int expected;
    } cases[] = { { "46293", nScreen }, { "-65535", -nScreen }, { "2147483647", nScreen }, { "-40", -40 } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        CProjectSettings& s = Project(Lines({ "[BUTTONS]", CString("BUTTON_FONT_SIZE=") + c.stored }));
        CFontDesc font;
        s.GetFont("BUTTONS", "BUTTON_FONT_", font);
        EXPECT_EQ(c.expected, font.m_logFont.lfHeight);
    }
}

// A description that already made its GDI font draws in the values read later.
TEST_F(ProjectSettingsTest, ReadingAFontAgainReplacesItsGdiFont)
{
    CProjectSettings& s = Project(Lines({ "[BUTTONS]", "BUTTON_FONT_SIZE=-30", "BUTTON_FONT_NAME=Courier New" }));
    CFontDesc font;
    font.m_logFont.lfHeight = -12;
    font.m_logFont.lfCharSet = ANSI_CHARSET;
    ASSERT_TRUE(font.CreateFont());

    s.GetFont("BUTTONS", "BUTTON_FONT_", font);
    EXPECT_EQ(ANSI_CHARSET, font.m_logFont.lfCharSet);   // keys not in the file stay

    CClientDC dc(nullptr);
    font.SelectInto(&dc);
    ASSERT_NE(nullptr, font.GetFont());
    LOGFONTA made = {};
    font.GetFont()->GetObject(sizeof(made), &made);
    font.RestoreFont(&dc);
    EXPECT_EQ(-30, made.lfHeight);
    EXPECT_STREQ("Courier New", made.lfFaceName);
}

TEST_F(ProjectSettingsTest, ButtonSectionRules)
{
    CProjectSettings& s = Project(Lines({
        "[BUTTON1]",
        "X=10", "Y=20", "W=100", "H=30", "TEXT=Ohne Enable", "STYLE=BITMAP",
        " ",
        "[BUTTON2]",
        "ENABLE=0", "X=10", "Y=20", "W=100", "TEXT=Aus", "STYLE=BITMAP",
        " ",
        "[BUTTON3]",
        "ENABLE=1", "X=5", "Y=6", "W=0", "H=30", "TEXT=Breite null", "STYLE=office",
        "DOKUMENT=_CURRENTDIR_\\doc\\a.pdf", "APPLIKATION=C:\\Programme\\x.exe", "PARAMETER=-p _CURRENTDIR_",
        "FUNKTION=EXIT", "BMP=_CURRENTDIR_\\b.bmp", "TOOLTIP=Tipp", "SOUNDFILE=_CURRENTDIR_\\c.wav",
        "STOPSOUND=1", "OVER_FONT_SIZE=30", "DOWN_FONT_EFFECT=RAISED",
        " ",
        "[BUTTON4]",
        "ENABLE=1", "X=1", "Y=2", "W=3", "FUNKTION=PLAYSOUND", "DOKUMENT=_CURRENTDIR_\\sound\\klick.wav",
        "SOUNDFILE=other.wav",
        " ",
        "[BUTTON5]",
        "ENABLE=1", "FUNKTION=XPLAYSOUND", "DOKUMENT=d.txt",
    }));
    CString folder;
    s.GetProjectFolder(folder);

    Button absent;
    EXPECT_FALSE(absent.Read(s, 1));
    EXPECT_EQ(CString("?"), absent.caption);
    EXPECT_EQ(7, absent.enabled);

    Button disabled;
    ASSERT_TRUE(disabled.Read(s, 2));
    EXPECT_FALSE(disabled.enabled);
    EXPECT_EQ(Texts({ " ", "Aus", "0" }), Texts({ disabled.style, disabled.caption, disabled.function }));
    EXPECT_EQ(CRect(10, 20, 110, 43), CRect(disabled.rect)) << "H defaults to 23";

    Button full;
    ASSERT_TRUE(full.Read(s, 3));
    EXPECT_TRUE(full.enabled);
    EXPECT_EQ(CRect(1, 2, 3, 4), CRect(full.rect)) << "W=0 keeps the caller's rectangle";
    EXPECT_EQ(Texts({ "o", "Breite null", folder + "\\doc\\a.pdf", "C:\\Programme\\x.exe", "-p " + folder, "EXIT",
                      folder + "\\b.bmp", "Tipp", folder + "\\c.wav" }),
              Texts({ full.style, full.caption, full.document, full.application, full.parameter, full.function,
                      full.bitmap, full.tooltip, full.soundFile }));
    EXPECT_EQ((Ints{ 1, 0, 16, 30, TEXT_EFFECT_RAISED }),
              (Ints{ full.stopSound, full.startSound, int(full.idle.m_logFont.lfHeight),
                     int(full.over.m_logFont.lfHeight), full.down.m_nEffect }));

    Button sound;
    ASSERT_TRUE(sound.Read(s, 4));
    EXPECT_EQ(Texts({ "W", "NONE", folder + "\\sound\\klick.wav", "" }),
              Texts({ sound.style, sound.function, sound.soundFile, sound.document }));
    EXPECT_EQ((Ints{ 1, 1 }), (Ints{ sound.stopSound, sound.startSound }));
    EXPECT_EQ(CRect(1, 2, 4, 25), CRect(sound.rect));

    Button notSound;
    ASSERT_TRUE(notSound.Read(s, 5));
    EXPECT_EQ(Texts({ "XPLAYSOUND", "d.txt" }), Texts({ notSound.function, notSound.document }));
    EXPECT_EQ(0, notSound.startSound);
}

TEST_F(ProjectSettingsTest, WindowImageFileEndings)
{
    struct Case
    {
        LPCSTR line;
        LPCSTR expectedAfterFolder;   // null: the fixed "tarnix.bmp"
        BOOL read;
    } cases[] = {
        { "IMAGEFILE=_CURRENTDIR_\\bg.bmp", "\\bg.bmp", TRUE },
        { "IMAGEFILE=_CURRENTDIR_\\bg.gif", "\\bg.gif", TRUE },
        { "IMAGEFILE=_CURRENTDIR_\\BG.JPG", "\\BG.JPG", TRUE },
        { "IMAGEFILE=_CURRENTDIR_\\bg.png", nullptr, TRUE },
        { "IMAGEFILE=_CURRENTDIR_\\bg.jpeg", nullptr, TRUE },
        { "IMAGEFILE=", nullptr, FALSE },
        { "OTHER=1", nullptr, TRUE },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        TempFolder folder;
        CProjectSettings s;
        s.SetProjectFile(folder.Write("Velconf.ini", Lines({ "[WINDOW]", "IMAGE=1", "IMAGE_X=4", c.line })));
        CString projectFolder;
        s.GetProjectFolder(projectFolder);
        CString file;
        int x = 0, y = 9, pos = 9, repeat = 9;
        EXPECT_EQ(c.read, s.GetWindowImage(file, x, y, pos, repeat));
        EXPECT_EQ(c.expectedAfterFolder ? projectFolder + c.expectedAfterFolder : CString("tarnix.bmp"), file);
        EXPECT_EQ(4, x);
        EXPECT_EQ(0, y);
    }
}

TEST_F(ProjectSettingsTest, TextFieldClamps)
{
    CProjectSettings& s = Project(Lines({
        "[TEXTFELD1]", "X=5", "Y=5", "W=10", " ",
        "[TEXTFELD2]", "X=0", "Y=0", "W=300", "H=200", "BILDLAUF_HOR=2", "BILDLAUF_VER=0", "BORDER=5",
        "DOKUMENT=_CURRENTDIR_\\t.txt", " ",
        "[TEXTFELD3]", "Y=5", "W=300", "H=200",
    }));
    int x, y, w, h, hs = 9, vs = 9, border = 9;
    CString doc = "?";
    ASSERT_TRUE(s.GetTextField(1, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ((Ints{ 40, 40, 1, 1, 1 }), (Ints{ w, h, hs, vs, border }));
    EXPECT_EQ(CString(""), doc);

    ASSERT_TRUE(s.GetTextField(2, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ((Ints{ 300, 200, 1, 0, 5 }), (Ints{ w, h, hs, vs, border }));
    CString folder;
    s.GetProjectFolder(folder);
    EXPECT_EQ(folder + "\\t.txt", doc);

    // Without X the field is absent, but its four numbers are already written.
    hs = 9;
    EXPECT_FALSE(s.GetTextField(3, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ((Ints{ -1, 5, 300, 9 }), (Ints{ x, y, w, hs }));
}

TEST_F(ProjectSettingsTest, OnlyImageOneIsRead)
{
    CProjectSettings& s = Project(Lines({
        "[IMAGE1]", "ENABLE=1", "FILE=_CURRENTDIR_\\i.gif", "X=1", "Y=2", "W=3", "H=4", " ",
        "[IMAGE2]", "ENABLE=1", "FILE=x.gif", "X=1", "Y=2", "W=3", "H=4",
    }));
    CString file = "?";
    int x = 9, y = 9, w = 9, h = 9;
    EXPECT_EQ(0, s.GetImage(file, 2, x, y, w, h));
    EXPECT_EQ(CString("?"), file);
    EXPECT_EQ(9, x + 0 * (y + w + h));
    EXPECT_EQ(1, s.GetImage(file, 1, x, y, w, h));
    CString folder;
    s.GetProjectFolder(folder);
    EXPECT_EQ(folder + "\\i.gif", file);
    EXPECT_EQ(4, h);
}

TEST_F(ProjectSettingsTest, SectionGettersReadTheirKeys)
{
    CProjectSettings& s = Project(Lines({
        "[TarnixPro]", "LANGUAGE=English", " ",
        "[MENUTYPE]", "TYPE=SUBMENU", "MAIN=Velconf.ini", "LEVEL=1", " ",
        "[WINDOW]", "ERROR=1", " ",
        "[DESKTOP]", "PAINT=1", "RED=1", "GREEN=2", "BLUE=259", " ",
        "[WELCOME]", "ENABLE=1", "ICON=_CURRENTDIR_\\w.ico", "TIME=3", "RED=10", " ",
        "[SOUND]", "ENABLE=1", "FILE=_CURRENTDIR_\\s.mid", "REPEAT=1", "KEYCLICK=1", " ",
        "[TOOLTIP]", "ENABLE=1", "CENTER=-1", "BGTRANSPARENT=1", "DEFAULTTEXT=Zeile\\nZwei", "TOOLTIP_FONT_SIZE=9",
    }));
    CString folder;
    s.GetProjectFolder(folder);

    char letter;
    EXPECT_EQ(7, s.GetLanguage(letter));
    EXPECT_EQ('E', letter);
    CString type, main;
    int level;
    s.GetMenuType(type, level, main);
    EXPECT_EQ(Texts({ "SUBMENU", "Velconf.ini" }), Texts({ type, main }));
    EXPECT_EQ(1, level);
    EXPECT_TRUE(s.GetShowErrors());

    int paint, seconds;
    COLORREF desktop, colour;
    CString icon;
    s.GetDesktop(paint, desktop);
    EXPECT_EQ(3, s.GetWelcomeIcon(colour, icon, seconds));
    EXPECT_EQ((Ints{ 1, int(RGB(1, 2, 3)), int(RGB(10, 255, 255)) }), (Ints{ paint, int(desktop), int(colour) }));
    EXPECT_EQ(folder + "\\w.ico", icon);
    EXPECT_TRUE(s.IsEnabled("WELCOME"));

    CString file;
    int repeat, click, over;
    EXPECT_TRUE(s.GetSound(file, repeat, click, over));
    EXPECT_EQ(folder + "\\s.mid", file);
    EXPECT_EQ((Ints{ 1, 1, 0 }), (Ints{ repeat, click, over }));

    BOOL enable, transparent, centre;
    int x, y, w, h;
    CFontDesc font;
    CString text;
    s.GetTooltip(enable, x, y, w, h, transparent, colour, font, text, centre);
    // Only a positive CENTER centres.
    EXPECT_EQ((Ints{ 1, 1, 0, 9 }), (Ints{ enable, transparent, centre, int(font.m_logFont.lfHeight) }));
    EXPECT_EQ(CString("Zeile\\nZwei"), text);
}

// ---------------------------------------------------------------------------
// The placeholder for the project folder

CString Expanded(LPCSTR projectFile, LPCSTR path)
{
    CProjectSettings s;
    s.SetProjectFile(projectFile);
    CString result(path);
    s.ExpandCurrentDir(result);
    return result;
}

TEST(ProjectSettingsPaths, PlaceholderExpandsToTheProjectFolder)
{
    struct Case
    {
        LPCSTR projectFile;
        LPCSTR path;
        LPCSTR expected;
    } cases[] = {
        { "C:\\Menüs\\Demo\\Velconf.ini", "_CURRENTDIR_\\sound\\a.wav", "c:\\menüs\\demo\\sound\\a.wav" },
        // A drive-root project: the drive stands in the folder's place.
        { "D:\\Velconf.ini", "_CURRENTDIR_\\a.wav", "d:\\a.wav" },
        // Capital umlauts are folded with the rest of the folder.
        { "E:\\ÄRGER\\ÖL\\Velconf.ini", "_CURRENTDIR_\\Ü.wav", "e:\\ärger\\öl\\Ü.wav" },
        // The first placeholder anywhere, matched with case.
        { "C:\\p\\Velconf.ini", "-f _CURRENTDIR_\\x _CURRENTDIR_", "-f c:\\p\\x _CURRENTDIR_" },
        { "C:\\p\\Velconf.ini", "_currentdir_\\a.wav", "_currentdir_\\a.wav" },
        { "C:\\p\\Velconf.ini", "C:\\other\\a.wav", "C:\\other\\a.wav" },
        { "C:\\p\\Velconf.ini", "", "" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(CString(c.expected), Expanded(c.projectFile, c.path));
    }
}

TEST(ProjectSettingsPaths, ProjectsWithoutDriveLetterUseTheProgramFolder)
{
    CString program = LowerProgramFolder();
    for (LPCSTR project : { "\\\\server\\share\\Velconf.ini", "Velconf.ini", "menu\\Velconf.ini" })
        EXPECT_EQ(program + "\\a.wav", Expanded(project, "_CURRENTDIR_\\a.wav")) << project;
}

TEST(ProjectSettingsPaths, DotFolderIsTheCurrentFolder)
{
    TempFolder folder;
    CString expected = folder.Path();
    MakeLowerUmlaut(expected);
    {
        testing_support::ScopedCurrentFolder current(folder.Path());
        EXPECT_EQ(expected + "\\a.wav", Expanded(".\\Velconf.ini", "_CURRENTDIR_\\a.wav"));
    }
    testing_support::ScopedCurrentFolder current("C:\\");
    EXPECT_EQ(CString("c:\\a.wav"), Expanded(".\\Velconf.ini", "_CURRENTDIR_\\a.wav"));
}

class ContractTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_project = m_folder.Write("Proj\\Velconf.ini", "");
        m_settings.SetProjectFile(m_project);
    }
    CString Contracted(const CString& path, BOOL warn = FALSE)
    {
        CString result = path;
        m_settings.ContractCurrentDir(result, warn);
        return result;
    }
    TempFolder m_folder;
    CString m_project;
    CProjectSettings m_settings;
    MessageBoxRecorder m_boxes;
};

TEST_F(ContractTest, FilesInsideTheFolderGetThePlaceholder)
{
    CString sound = m_folder.Write("Proj\\Sound\\Klick.WAV", "x");
    EXPECT_EQ(CString("_CURRENTDIR_\\Sound\\Klick.WAV"), Contracted(sound, TRUE));
    CString upper = sound;
    upper.MakeUpper();
    EXPECT_EQ(CString("_CURRENTDIR_\\SOUND\\KLICK.WAV"), Contracted(upper, TRUE));
    // And back.
    CString round = Contracted(sound);
    m_settings.ExpandCurrentDir(round);
    EXPECT_EQ(0, round.CompareNoCase(sound));
    EXPECT_EQ(0u, m_boxes.Count());
}

// Names of no existing file, empty names, names with the placeholder and
// names in a folder that only begins like the project's stay as given.
TEST_F(ContractTest, FolderMatchesOnlyAtAPathBoundary)
{
    CString sibling = m_folder.Write("Project2\\a.wav", "x");
    for (CString path : { sibling, m_folder.File("Proj\\missing.wav"), CString(""), CString("_CURRENTDIR_\\none.wav") })
        EXPECT_EQ(path, Contracted(path, path != sibling));
    EXPECT_EQ(0u, m_boxes.Count());

    // The same file outside the folder, with the warning asked for.
    EXPECT_EQ(sibling, Contracted(sibling, TRUE));
    ASSERT_EQ(1u, m_boxes.Count());
    EXPECT_NE(-1, m_boxes.Last().strText.Find(sibling));
    EXPECT_EQ(0, m_boxes.Last().strText.Find("WARNUNG !\n\nDie Datei:\n\n"));
    EXPECT_NE(-1, m_boxes.Last().strText.Find("verweist auf einen Ordner außerhalb des Projektes."));
    EXPECT_EQ((UINT)(MB_ICONEXCLAMATION | MB_OK), m_boxes.Last().nType);
}

TEST_F(ContractTest, UmlautFolderMatchesInAnyCase)
{
    CString project = m_folder.Write("Ärger\\Velconf.ini", "");
    CString file = m_folder.Write("Ärger\\Bild.bmp", "x");
    CString upperProject = project;
    upperProject.Replace("Ärger", "ÄRGER");
    m_settings.SetProjectFile(upperProject);
    CString lower = file;
    lower.Replace("Ärger", "ärger");
    EXPECT_EQ(CString("_CURRENTDIR_\\Bild.bmp"), Contracted(file));
    EXPECT_EQ(CString("_CURRENTDIR_\\Bild.bmp"), Contracted(lower));
}

TEST_F(ContractTest, RelativeNamesCountAsInsideTheFolder)
{
    m_folder.Write("Proj\\rel.txt", "x");
    m_folder.Write("rel.txt", "x");
    testing_support::ScopedCurrentFolder current(m_folder.Path() + "\\Proj");
    EXPECT_EQ(Texts({ "_CURRENTDIR_\\rel.txt", "_CURRENTDIR_\\rel.txt", "..\\rel.txt" }),
              Texts({ Contracted("rel.txt"), Contracted(".\\rel.txt"), Contracted("..\\rel.txt") }));
}

TEST_F(ContractTest, WholeFileProjectAnswersInItsHeadSection)
{
    CString path = m_folder.Write("Whole.ini", Lines({ "[TarnixPro]", "LANGUAGE=F", " ", "[TEXT1]", "IMAGE_X=7", "X=3",
                                                       "Y=4" }));
    ASSERT_TRUE(m_settings.OpenProjectText(path));
    EXPECT_EQ(CProfileSource::modeWholeFile, m_settings.GetSource().GetMode());
    char letter;
    m_settings.GetLanguage(letter);
    EXPECT_EQ('F', letter);
    int x = 0, y = 0;
    CString text;
    CFontDesc font;
    ASSERT_TRUE(m_settings.GetText(1, x, y, text, font));
    EXPECT_EQ(3, x);   // X= at the end of IMAGE_X= is no key X
    EXPECT_EQ(4, y);
    m_settings.CloseSource();
    EXPECT_EQ(3, m_settings.GetInt("TEXT1", "X", 0));
}

} // namespace
