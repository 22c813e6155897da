#include "shared/support/ProjectSettings.h"

#include "framework/ClientDC.h"
#include "framework/Font.h"

#include "shared/support/TextEffect.h"
#include "shared/support/Umlaut.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>

using testing_support::MessageBoxRecorder;
using testing_support::Lines;
using testing_support::TempFolder;

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

void ExpectDefaultFont(const CFontDesc& font)
{
    EXPECT_STREQ("Arial", font.m_logFont.lfFaceName);
    EXPECT_EQ(16, font.m_logFont.lfHeight);
    EXPECT_EQ(400, font.m_logFont.lfWeight);
    EXPECT_EQ(0, font.m_logFont.lfItalic);
    EXPECT_EQ(0, font.m_logFont.lfUnderline);
    EXPECT_EQ(RGB(0, 0, 0), font.m_crColor);
    EXPECT_EQ(TEXT_EFFECT_NONE, font.m_nEffect);
}

// Every getter on the given accessor gives its defaults.
void ExpectDefaults(CProjectSettings& s)
{
    CString type, main = "?";
    int level = 9;
    s.GetMenuType(type, level, main);
    EXPECT_EQ(CString("MAINMENU"), type);
    EXPECT_EQ(0, level);
    EXPECT_EQ(CString(""), main);

    char letter = 0;
    EXPECT_EQ(1, s.GetLanguage(letter));
    EXPECT_EQ('G', letter);

    int r, g, b;
    EXPECT_EQ(255, s.GetColor("WINDOWBGCOLOR", r, g, b));
    EXPECT_EQ(255, r);
    EXPECT_EQ(255, g);
    int paint = 9;
    COLORREF colour = 0;
    s.GetDesktop(paint, colour);
    EXPECT_EQ(0, paint);
    EXPECT_EQ(RGB(255, 255, 255), colour);

    CFontDesc font;
    font.m_logFont.lfHeight = 99;
    s.GetFont("BUTTONS", "BUTTON_FONT_", font);
    ExpectDefaultFont(font);

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
    EXPECT_EQ(0, enable);
    EXPECT_EQ(0, x);
    EXPECT_EQ(0, y);
    EXPECT_EQ(50, w);
    EXPECT_EQ(20, h);
    EXPECT_EQ(0, transparent);
    EXPECT_EQ(0, centre);
    EXPECT_EQ(RGB(255, 255, 255), colour);
    EXPECT_EQ(CString(""), defaultText);

    int click = 9, over = 9;
    EXPECT_FALSE(s.GetSound(file, repeat, click, over));
    EXPECT_EQ(CString(""), file);
    EXPECT_EQ(0, repeat + click + over);

    EXPECT_EQ(0, s.GetImage(file, 1, x, y, w, h));
    EXPECT_EQ(-1, x);
    EXPECT_EQ(-1, h);

    int hs = 9, vs = 9, border = 9;
    CString doc = "?";
    EXPECT_FALSE(s.GetTextField(1, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ(-1, x);
    EXPECT_EQ(-1, w);
    EXPECT_EQ(9, hs);

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
    EXPECT_EQ(18, s.GetLanguage(letter));
    CString type, main;
    int level;
    s.GetMenuType(type, level, main);
    EXPECT_EQ(78, type.GetLength());
    EXPECT_EQ(78, main.GetLength());
    int x, y;
    CString textValue;
    CFontDesc font;
    ASSERT_TRUE(s.GetText(1, x, y, textValue, font));
    EXPECT_EQ(299, textValue.GetLength());
    Button button;
    ASSERT_TRUE(button.Read(s, 1));
    EXPECT_EQ(99, button.caption.GetLength());
    EXPECT_EQ(499, button.tooltip.GetLength());
    EXPECT_EQ(98, button.function.GetLength());
    EXPECT_EQ(239, button.bitmap.GetLength());
    EXPECT_EQ(298, button.document.GetLength());
    BOOL enable, transparent, centre;
    int w, h;
    COLORREF colour;
    CString defaultText;
    s.GetTooltip(enable, x, y, w, h, transparent, colour, font, defaultText, centre);
    EXPECT_EQ(500, defaultText.GetLength());
    CString item;
    EXPECT_TRUE(s.GetItem("POPUPMENU00", 0, item));
    EXPECT_EQ(1023, item.GetLength());
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
    EXPECT_EQ(10, x);
    EXPECT_EQ(20, y);
    EXPECT_EQ(CString("Hallo"), text);
    EXPECT_EQ(CString("A face name that is far longer "), CString(font.m_logFont.lfFaceName));
    EXPECT_EQ(-20, font.m_logFont.lfHeight);
    EXPECT_EQ(700, font.m_logFont.lfWeight);
    EXPECT_EQ(1, font.m_logFont.lfItalic);
    EXPECT_EQ(1, font.m_logFont.lfUnderline);
    EXPECT_EQ(TEXT_EFFECT_EMBOSSED, font.m_nEffect);
    EXPECT_EQ(RGB(10, 2, 3), font.m_crColor);
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
    EXPECT_EQ(CString(" "), disabled.style);
    EXPECT_EQ(CString("Aus"), disabled.caption);
    // H defaults to 23.
    EXPECT_EQ(10, disabled.rect.left);
    EXPECT_EQ(20, disabled.rect.top);
    EXPECT_EQ(110, disabled.rect.right);
    EXPECT_EQ(43, disabled.rect.bottom);
    EXPECT_EQ(CString("0"), disabled.function);

    Button full;
    ASSERT_TRUE(full.Read(s, 3));
    EXPECT_TRUE(full.enabled);
    EXPECT_EQ(CString("o"), full.style);
    EXPECT_EQ(1, full.rect.left);   // W=0 keeps the caller's rectangle
    EXPECT_EQ(4, full.rect.bottom);
    EXPECT_EQ(CString("Breite null"), full.caption);
    EXPECT_EQ(folder + "\\doc\\a.pdf", full.document);
    EXPECT_EQ(CString("C:\\Programme\\x.exe"), full.application);
    EXPECT_EQ("-p " + folder, full.parameter);
    EXPECT_EQ(CString("EXIT"), full.function);
    EXPECT_EQ(folder + "\\b.bmp", full.bitmap);
    EXPECT_EQ(CString("Tipp"), full.tooltip);
    EXPECT_EQ(folder + "\\c.wav", full.soundFile);
    EXPECT_EQ(1, full.stopSound);
    EXPECT_EQ(0, full.startSound);
    EXPECT_EQ(16, full.idle.m_logFont.lfHeight);
    EXPECT_EQ(30, full.over.m_logFont.lfHeight);
    EXPECT_EQ(TEXT_EFFECT_RAISED, full.down.m_nEffect);

    Button sound;
    ASSERT_TRUE(sound.Read(s, 4));
    EXPECT_EQ(CString("W"), sound.style);
    EXPECT_EQ(CString("NONE"), sound.function);
    EXPECT_EQ(folder + "\\sound\\klick.wav", sound.soundFile);
    EXPECT_EQ(CString(""), sound.document);
    EXPECT_EQ(1, sound.stopSound);
    EXPECT_EQ(1, sound.startSound);
    EXPECT_EQ(1, sound.rect.left);
    EXPECT_EQ(4, sound.rect.right);
    EXPECT_EQ(25, sound.rect.bottom);

    Button notSound;
    ASSERT_TRUE(notSound.Read(s, 5));
    EXPECT_EQ(CString("XPLAYSOUND"), notSound.function);
    EXPECT_EQ(CString("d.txt"), notSound.document);
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
    EXPECT_EQ(40, w);
    EXPECT_EQ(40, h);
    EXPECT_EQ(1, hs);
    EXPECT_EQ(1, vs);
    EXPECT_EQ(1, border);
    EXPECT_EQ(CString(""), doc);

    ASSERT_TRUE(s.GetTextField(2, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ(300, w);
    EXPECT_EQ(200, h);
    EXPECT_EQ(1, hs);
    EXPECT_EQ(0, vs);
    EXPECT_EQ(5, border);
    CString folder;
    s.GetProjectFolder(folder);
    EXPECT_EQ(folder + "\\t.txt", doc);

    // Without X the field is absent, but its four numbers are already written.
    hs = 9;
    EXPECT_FALSE(s.GetTextField(3, x, y, w, h, hs, vs, doc, border));
    EXPECT_EQ(-1, x);
    EXPECT_EQ(5, y);
    EXPECT_EQ(300, w);
    EXPECT_EQ(9, hs);
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
    EXPECT_EQ(CString("SUBMENU"), type);
    EXPECT_EQ(1, level);
    EXPECT_EQ(CString("Velconf.ini"), main);
    EXPECT_TRUE(s.GetShowErrors());

    int paint;
    COLORREF colour;
    s.GetDesktop(paint, colour);
    EXPECT_EQ(1, paint);
    EXPECT_EQ(RGB(1, 2, 3), colour);

    CString icon;
    int seconds;
    EXPECT_EQ(3, s.GetWelcomeIcon(colour, icon, seconds));
    EXPECT_EQ(RGB(10, 255, 255), colour);
    EXPECT_EQ(folder + "\\w.ico", icon);
    EXPECT_TRUE(s.IsEnabled("WELCOME"));

    CString file;
    int repeat, click, over;
    EXPECT_TRUE(s.GetSound(file, repeat, click, over));
    EXPECT_EQ(folder + "\\s.mid", file);
    EXPECT_EQ(1, repeat);
    EXPECT_EQ(1, click);
    EXPECT_EQ(0, over);

    BOOL enable, transparent, centre;
    int x, y, w, h;
    CFontDesc font;
    CString text;
    s.GetTooltip(enable, x, y, w, h, transparent, colour, font, text, centre);
    EXPECT_TRUE(enable);
    EXPECT_TRUE(transparent);
    EXPECT_FALSE(centre);   // only a positive CENTER centres
    EXPECT_EQ(CString("Zeile\\nZwei"), text);
    EXPECT_EQ(9, font.m_logFont.lfHeight);
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
    EXPECT_EQ(program + "\\a.wav", Expanded("\\\\server\\share\\Velconf.ini", "_CURRENTDIR_\\a.wav"));
    EXPECT_EQ(program + "\\a.wav", Expanded("Velconf.ini", "_CURRENTDIR_\\a.wav"));
    EXPECT_EQ(program + "\\a.wav", Expanded("menu\\Velconf.ini", "_CURRENTDIR_\\a.wav"));
}

TEST(ProjectSettingsPaths, DotFolderIsTheCurrentFolder)
{
    TempFolder folder;
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path()));
    CString inFolder = Expanded(".\\Velconf.ini", "_CURRENTDIR_\\a.wav");
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    CString atRoot = Expanded(".\\Velconf.ini", "_CURRENTDIR_\\a.wav");
    SetCurrentDirectoryA(saved);

    CString expected = folder.Path();
    MakeLowerUmlaut(expected);
    EXPECT_EQ(expected + "\\a.wav", inFolder);
    EXPECT_EQ(CString("c:\\a.wav"), atRoot);
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

TEST_F(ContractTest, FolderMatchesOnlyAtAPathBoundary)
{
    CString sibling = m_folder.Write("Project2\\a.wav", "x");
    EXPECT_EQ(sibling, Contracted(sibling));
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

TEST_F(ContractTest, OtherPathsStayAsGiven)
{
    // Names of no existing file, empty names and names with the placeholder.
    CString missing = m_folder.File("Proj\\missing.wav");
    EXPECT_EQ(missing, Contracted(missing, TRUE));
    EXPECT_EQ(CString(""), Contracted("", TRUE));
    EXPECT_EQ(CString("_CURRENTDIR_\\none.wav"), Contracted("_CURRENTDIR_\\none.wav", TRUE));
    EXPECT_EQ(0u, m_boxes.Count());
}

TEST_F(ContractTest, RelativeNamesCountAsInsideTheFolder)
{
    m_folder.Write("Proj\\rel.txt", "x");
    m_folder.Write("rel.txt", "x");
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.Path() + "\\Proj"));
    CString plain = Contracted("rel.txt");
    CString dotted = Contracted(".\\rel.txt");
    CString parent = Contracted("..\\rel.txt");
    SetCurrentDirectoryA(saved);

    EXPECT_EQ(CString("_CURRENTDIR_\\rel.txt"), plain);
    EXPECT_EQ(CString("_CURRENTDIR_\\rel.txt"), dotted);
    EXPECT_EQ(CString("..\\rel.txt"), parent);
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
