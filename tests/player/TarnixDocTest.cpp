#include "player/TarnixDoc.h"

#include "framework/Afx.h"
#include "player/PlayerApp.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/PageObjectReader.h"
#include "shared/menuobj/ProjectPage.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/ProjectSettings.h"

#include "PlayerTestFiles.h"
#include "PlayerTestSupport.h"
#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using testing_support::Lines;
using testing_support::TempFolder;

namespace {

// A page written by the test into a project folder of its own, loaded into a
// fresh document as the view's first load.
class TarnixDocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, GetPlayerApp());
        GetPlayerApp()->m_nLoadCount = 0;
        m_pDoc.reset(static_cast<CTarnixDoc*>(RUNTIME_CLASS(CTarnixDoc)->CreateObject()));
    }

    // Each page goes into a file of its own, so that no cached profile of an
    // earlier page can answer.
    CTarnixDoc& Load(const CString& page, BOOL bWithWindow = TRUE)
    {
        CString name;
        name.Format("Page%d.ini", ++m_nPages);
        m_settings.SetProjectFile(m_folder.Write(name, page));
        m_pDoc->LoadPage(&m_settings, bWithWindow ? CWnd::GetDesktopWindow() : nullptr);
        return *m_pDoc;
    }
    CMButCreateStruct* Button(int nIndex) { return static_cast<CMButCreateStruct*>(m_pDoc->m_buttons[nIndex]); }

    TempFolder m_folder;
    CProjectSettings m_settings;
    std::unique_ptr<CTarnixDoc> m_pDoc;
    int m_nPages = 0;
};

CString ButtonSections(const std::vector<int>& numbers)
{
    CString text;
    for (int n : numbers)
    {
        CString section;
        section.Format("[BUTTON%d]\r\nENABLE=1\r\nTEXT=B%d\r\n", n, n);
        text += section;
    }
    return text;
}

// Sections may leave gaps; beyond the tenth button the rest are dropped.
TEST_F(TarnixDocTest, ButtonSectionsAreNumberedInOrderUpToTheMaximum)
{
    struct Case
    {
        std::vector<int> sections;
        std::vector<LPCSTR> captions;
    } cases[] = {
        { { 1, 3, 15 }, { "B1", "B3", "B15" } },
        { { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 }, { "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9", "B10" } },
    };
    for (const Case& c : cases)
    {
        CTarnixDoc& doc = Load(ButtonSections(c.sections));
        ASSERT_EQ((int)c.captions.size(), doc.m_buttons.GetSize());
        for (int i = 0; i < doc.m_buttons.GetSize(); ++i)
        {
            SCOPED_TRACE(c.captions[i]);
            EXPECT_EQ(i, Button(i)->m_nNumber);
            EXPECT_EQ(CString(c.captions[i]), Button(i)->m_strText);
        }
    }
}

TEST_F(TarnixDocTest, ButtonTakesItsSectionAndThePageSettings)
{
    CString picture = player_test::WriteBmp(m_folder, "pic.bmp", 4, 4);
    CTarnixDoc& doc = Load(Lines({
        "[WINDOWBGCOLOR]", "RED=1", "GREEN=2", "BLUE=3",
        "[BUTTONS]", "BRIGHTNESS=70", "HOOVER=1", "BUTTON_FONT_SIZE=-22",
        "[BUTTON2]", "ENABLE=1", "STYLE=BITMAP", "X=10", "Y=20", "W=30", "H=40", "TEXT=Start",
        "DOKUMENT=_CURRENTDIR_\\my file.pdf", "APPLIKATION=\"C:\\a b\\x.exe\"", "PARAMETER=-p x",
        "FUNKTION=NEWPAGE", "BMP=_CURRENTDIR_\\pic.bmp", "TOOLTIP=Tip", "STOPSOUND=1", "SOUNDFILE=s.wav",
        "IDLE_FONT_SIZE=-11", "OVER_FONT_SIZE=-12", "DOWN_FONT_SIZE=-13",
        "[BUTTON3]", "ENABLE=1", "DOKUMENT=Ein Menü für CDs", "APPLIKATION=Über diese CD", "FUNKTION=MESSAGE",
    }));
    ASSERT_EQ(2, doc.m_buttons.GetSize());
    CMButCreateStruct* b = Button(0);
    EXPECT_EQ(CString("B"), b->m_strStyle);
    EXPECT_EQ(CRect(10, 20, 40, 60), CRect(b->m_rect));
    EXPECT_EQ(CString("Start"), b->m_strText);
    // Names with a blank are quoted once; the parameter stays as it is.
    EXPECT_EQ("\"" + doc.m_strProjectFolder + "\\my file.pdf\"", b->m_strDocument);
    EXPECT_EQ(CString("\"C:\\a b\\x.exe\""), b->m_strApplication);
    EXPECT_EQ(CString("-p x"), b->m_strParameter);
    EXPECT_EQ(ACTION_NEWPAGE, b->m_nAction);
    EXPECT_EQ(0, picture.CompareNoCase(b->m_strBitmap));
    EXPECT_EQ(CString("Tip"), b->m_strToolTip);
    EXPECT_EQ(1, b->m_bStopSound);
    EXPECT_EQ(0, b->m_bStartSound);
    EXPECT_EQ(CString("s.wav"), b->m_strSoundFile);
    EXPECT_EQ(-22, b->m_font.m_logFont.lfHeight);
    EXPECT_EQ(-11, b->m_fontIdle.m_logFont.lfHeight);
    EXPECT_EQ(-12, b->m_fontOver.m_logFont.lfHeight);
    EXPECT_EQ(-13, b->m_fontDown.m_logFont.lfHeight);
    EXPECT_EQ(70, b->m_nBrightness);
    EXPECT_EQ(1, b->m_bHoverEffect);
    EXPECT_EQ(RGB(1, 2, 3), b->m_crColor);

    // A message's document and application are its text and title, not names.
    EXPECT_EQ(CString("Ein Menü für CDs"), Button(1)->m_strDocument);
    EXPECT_EQ(CString("Über diese CD"), Button(1)->m_strApplication);
}

TEST_F(TarnixDocTest, PictureButtonsWithoutTheirPictureAreDrawnAsWindowButtons)
{
    player_test::WriteBmp(m_folder, "here.bmp", 4, 4);
    CTarnixDoc& doc = Load(Lines({
        "[BUTTON1]", "ENABLE=1", "STYLE=BITMAP", "BMP=_CURRENTDIR_\\missing.bmp",
        "[BUTTON2]", "ENABLE=1", "STYLE=OFFICE",
        "[BUTTON3]", "ENABLE=1", "STYLE=MONOCHROME", "BMP=_CURRENTDIR_\\missing.bmp",
        "[BUTTON4]", "ENABLE=1", "STYLE=BITMAP", "BMP=_CURRENTDIR_\\here.bmp",
        "[BUTTON5]", "ENABLE=1", "STYLE=COLOR", "BMP=_CURRENTDIR_\\missing.bmp",
    }));
    ASSERT_EQ(5, doc.m_buttons.GetSize());
    LPCSTR styles[] = { "WINDOWS", "WINDOWS", "WINDOWS", "B", "C" };
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(CString(styles[i]), Button(i)->m_strStyle);
    }
}

TEST_F(TarnixDocTest, GifAndJpgPicturesNeedTheDecoder)
{
    CString gif = m_folder.Write("a.GIF", "x");
    CString jpg = m_folder.Write("a.jpg", "x");
    CString bmp = m_folder.Write("a.bmp", "x");
    struct Case
    {
        LPCSTR style;
        CString file;
        BOOL gifSupport;
        LPCSTR expected;
    } cases[] = {
        { "B", gif, FALSE, "WINDOWS" }, { "O", jpg, FALSE, "WINDOWS" }, { "M", bmp, FALSE, "M" },
        { "B", gif, TRUE, "B" },        { "I", jpg, FALSE, "I" },        { " ", "", FALSE, " " },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.file + " " + c.style);
        EXPECT_EQ(CString(c.expected), CTarnixDoc::ButtonStyleFor(c.style, c.file, [&]() { return c.gifSupport; }));
    }
    // Only a page with such a picture asks the platform, which here decodes
    // the program's own GIF.
    EXPECT_EQ(-1, Load("").m_bGifSupport);
    EXPECT_EQ(1, Load(Lines({ "[BUTTON1]", "ENABLE=1", "STYLE=BITMAP", "BMP=" + gif })).m_bGifSupport);
}

TEST_F(TarnixDocTest, WindowSizeRules)
{
    CSize screen = player_test::ScreenSize();
    const int nFitW = 640 + 12 < screen.cx ? 640 + 12 : screen.cx;
    const int nFitH = 480 + 31 < screen.cy ? 480 + 31 : screen.cy;
    player_test::WriteBmp(m_folder, "bg.bmp", 640, 480);
    struct Case
    {
        LPCSTR name;
        CString page;
        CRect expected;   // x, y, width, height as left, top, right, bottom
    } cases[] = {
        { "nothing given", "", CRect((screen.cx - 120) / 2, (screen.cy - 50) / 2, 120, 50) },
        { "too small", Lines({ "[WINDOWPOS]", "X=5", "Y=6", "[WINDOWSIZE]", "W=50", "H=20" }), CRect(5, 6, 120, 50) },
        { "larger than the screen", Lines({ "[WINDOWPOS]", "X=0", "Y=0", "[WINDOWSIZE]", "W=99999", "H=99999" }),
          CRect(0, 0, screen.cx, screen.cy) },
        { "background image",
          Lines({ "[WINDOW]", "IMAGE=1", "IMAGEFILE=_CURRENTDIR_\\bg.bmp" }),
          CRect((screen.cx - nFitW) / 2, (screen.cy - nFitH) / 2, nFitW, nFitH) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTarnixDoc& doc = Load(c.page);
        EXPECT_EQ(c.expected, CRect(doc.m_nWinX, doc.m_nWinY, doc.m_nWinW, doc.m_nWinH));
    }
}

TEST_F(TarnixDocTest, BackgroundImageIsLoadedOrForgotten)
{
    player_test::WriteBmp(m_folder, "bg.bmp", 64, 48);
    CTarnixDoc& doc = Load(Lines({ "[WINDOW]", "IMAGE=1", "IMAGEFILE=_CURRENTDIR_\\bg.bmp", "IMAGE_X=3",
                                   "IMAGE_REPEAT=1" }));
    EXPECT_TRUE(doc.m_bHasBgImage);
    EXPECT_TRUE(doc.m_bBgFromDib);
    EXPECT_EQ(64, doc.m_nBgWidth);
    EXPECT_EQ(48, doc.m_nBgHeight);
    EXPECT_EQ(3, doc.m_nBgImageX);
    EXPECT_EQ(1, doc.m_nBgImageRepeat);
    EXPECT_EQ(0, (doc.m_strProjectFolder + "\\bg.bmp").CompareNoCase(doc.m_strBgImage));

    // A picture that cannot be read leaves no image, and no message without ERROR.
    testing_support::MessageBoxRecorder boxes;
    Load(Lines({ "[WINDOW]", "IMAGE=1", "IMAGEFILE=_CURRENTDIR_\\gone.jpg" }));
    EXPECT_FALSE(doc.m_bHasBgImage);
    EXPECT_TRUE(doc.m_strBgImage.IsEmpty());
    EXPECT_EQ(1, doc.m_nBgWidth);
    EXPECT_EQ(1, doc.m_nBgHeight);
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(TarnixDocTest, WindowSettingsTheirLimitsAndTheDefaultPage)
{
    struct Case
    {
        LPCSTR corner;
        int expected;
    } cases[] = { { "600", 512 }, { "-5", 0 }, { "7", 7 }, { nullptr, 1 } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.corner ? c.corner : "default");
        CString page = c.corner ? Lines({ "[WINDOW]", "CORNERWIDTH=" + CString(c.corner),
                                          "CORNERHEIGHT=" + CString(c.corner) })
                                : CString();
        CTarnixDoc& doc = Load(page);
        EXPECT_EQ(c.expected, doc.m_nCornerW);
        EXPECT_EQ(c.expected, doc.m_nCornerH);
    }

    CTarnixDoc& doc = Load(Lines({ "[WINDOW]", "TITLE=Mein Menü", "BORDER=0", "ESCEXIT=1", "ERROR=1",
                                   "[WINDOWSIZE]", "SIZETYPE=0", "[DESKTOP]", "PAINT=1", "RED=10", "GREEN=20",
                                   "BLUE=30" }));
    EXPECT_EQ(CString("Mein Menü"), doc.m_strTitle);
    EXPECT_EQ(0, doc.m_bBorder);
    EXPECT_EQ(1, doc.m_bEscExit);
    EXPECT_EQ(1, doc.m_bShowErrors);
    EXPECT_EQ(0, doc.m_nSizeType);
    EXPECT_EQ(1, doc.m_bPaintDesktop);
    EXPECT_EQ(RGB(10, 20, 30), doc.m_crDesktop);

    // A missing page gives the default page, whatever the last one held.
    m_settings.SetProjectFile(m_folder.File("nothing.ini"));
    m_pDoc->LoadPage(&m_settings, CWnd::GetDesktopWindow());
    EXPECT_EQ(CString("Tarnix"), doc.m_strTitle);
    EXPECT_EQ(1, doc.m_bBorder);
    EXPECT_EQ(RGB(196, 196, 196), doc.m_crWindowBg);
    EXPECT_EQ(RGB(255, 255, 255), doc.m_crDesktop);
    EXPECT_EQ(1, doc.m_nSizeType);
    EXPECT_EQ(0, doc.m_buttons.GetSize() + doc.m_texts.GetSize() + doc.m_textFields.GetSize());
    EXPECT_FALSE(doc.m_bHasBgImage || doc.m_bWelcome || doc.m_bSoundEnabled);
    EXPECT_EQ(CSize(120, 50), CSize(doc.m_nWinW, doc.m_nWinH));
}

TEST_F(TarnixDocTest, WelcomeTimeIsClampedAndTheWelcomeShowsOnce)
{
    struct Case
    {
        LPCSTR time;
        int expected;
    } cases[] = { { "0", 1 }, { "30", 20 }, { "7", 7 } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.time);
        EXPECT_EQ(c.expected, Load(Lines({ "[WELCOME]", "TIME=" + CString(c.time) })).m_nWelcomeTime);
    }

    CString page = Lines({ "[WELCOME]", "ENABLE=1", "TEXT1=Hallo", "IMAGE=1", "IMAGEFILE=_CURRENTDIR_\\w.bmp",
                           "RED=0", "GREEN=0", "BLUE=128" });
    GetPlayerApp()->m_nLoadCount = 0;
    CTarnixDoc& doc = Load(page);
    EXPECT_TRUE(doc.m_bWelcome);
    EXPECT_EQ(CString("Hallo"), doc.m_strWelcomeText[0]);
    EXPECT_EQ(1, doc.m_bWelcomeImage);
    EXPECT_EQ(0, (doc.m_strProjectFolder + "\\w.bmp").CompareNoCase(doc.m_strWelcomeImageFile));
    EXPECT_EQ(RGB(0, 0, 128), doc.m_crWelcome);
    EXPECT_EQ(1, GetPlayerApp()->m_nLoadCount);

    // A page change reads the page again, without the welcome screen.
    Load(page);
    EXPECT_FALSE(doc.m_bWelcome);
    EXPECT_EQ(2, GetPlayerApp()->m_nLoadCount);
}

TEST_F(TarnixDocTest, TextsAndTextFields)
{
    CTarnixDoc& doc = Load(Lines({
        "[WINDOWSIZE]", "W=400", "H=300",
        "[WINDOWBGCOLOR]", "RED=9", "GREEN=9", "BLUE=9",
        "[TEXT1]", "X=1", "Y=2", "TEXT=Eins", "TEXT_FONT_SIZE=-30",
        "[TEXT3]", "X=5", "Y=6", "TEXT=Drei",
        "[TEXTFELD1]", "X=10", "Y=20", "W=100", "H=200", "BILDLAUF_HOR=0", "DOKUMENT=_CURRENTDIR_\\a.txt",
        "[TEXTFELD2]", "X=1", "Y=1",
    }));
    ASSERT_EQ(2, doc.m_texts.GetSize());
    CMTextCreateStruct* pFirst = static_cast<CMTextCreateStruct*>(doc.m_texts[0]);
    CMTextCreateStruct* pSecond = static_cast<CMTextCreateStruct*>(doc.m_texts[1]);
    EXPECT_EQ(1, pFirst->m_nNumber);
    EXPECT_EQ(3, pSecond->m_nNumber);
    EXPECT_EQ(CRect(1, 2, 101, 26), CRect(pFirst->m_rect));
    EXPECT_EQ(CString("Drei"), pSecond->m_strText);
    EXPECT_EQ(-30, pFirst->m_font.m_logFont.lfHeight);
    EXPECT_EQ(RGB(9, 9, 9), pFirst->m_crColor);

    // One text field per page.
    ASSERT_EQ(1, doc.m_textFields.GetSize());
    CViewerCreateStruct* pField = static_cast<CViewerCreateStruct*>(doc.m_textFields[0]);
    EXPECT_EQ(1, pField->m_nNumber);
    EXPECT_EQ(CRect(10, 20, 110, 220), CRect(pField->m_rect));
    EXPECT_EQ(0, pField->m_bScrollHorz);
    EXPECT_EQ(1, pField->m_bScrollVert);
    EXPECT_EQ(1, pField->m_bBorder);
    EXPECT_EQ(0, (doc.m_strProjectFolder + "\\a.txt").CompareNoCase(pField->m_strDocument));

    EXPECT_EQ(0, doc.m_videos.GetSize() + doc.m_speakers.GetSize() + doc.m_images.GetSize() +
                     doc.m_fileLists.GetSize());
}

// The picture, clip, slider and list box sections the editor writes, read by
// its own rules: a section counts only when enabled, file names are resolved.
TEST_F(TarnixDocTest, ThePagesPictureClipSliderAndListBoxAreRead)
{
    CTarnixDoc& doc = Load(Lines({
        "[WINDOWSIZE]", "W=400", "H=300",
        "[IMAGE1]", "ENABLE=1", "FILE=_CURRENTDIR_\\bild.bmp", "X=1", "Y=2", "W=30", "H=40",
        "[AVICLIP1]", "ENABLE=1", "FILE=_CURRENTDIR_\\film.avi", "X=5", "Y=6", "W=32", "H=24", "NREP=3",
        "[SLIDER1]", "ENABLE=1", "X=7", "Y=8", "W=100", "H=20", "RED=1", "GREEN=2", "BLUE=3",
        "[LISTBOX1]", "ENABLE=1", "FILE=_CURRENTDIR_\\List000.ini", "X=9", "Y=10", "W=200", "H=150",
        "[IMAGE2]", "ENABLE=1", "FILE=x.bmp",
    }));
    const struct
    {
        const char* name;
        CMObjList& list;
        int nType;
        CRect rect;
        const char* file;
    } rows[] = {
        { "picture", doc.m_images, MOBJ_PICTURE, CRect(1, 2, 31, 42), "\\bild.bmp" },
        { "clip", doc.m_videos, MOBJ_AVICLIP, CRect(5, 6, 37, 30), "\\film.avi" },
        { "slider", doc.m_speakers, MOBJ_SLIDER, CRect(7, 8, 107, 28), "" },
        { "list box", doc.m_fileLists, MOBJ_LISTBOX, CRect(9, 10, 209, 160), "\\List000.ini" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(1, row.list.GetSize());
        const CMObjCreateStruct* pObject = static_cast<CMObjCreateStruct*>(row.list[0]);
        EXPECT_EQ(row.nType, pObject->m_nType);
        EXPECT_EQ(row.rect, CRect(pObject->m_rect));
        const CString file = row.file[0] != 0 ? doc.m_strProjectFolder + row.file : CString();
        EXPECT_EQ(0, file.CompareNoCase(pObject->m_strText));
    }
    EXPECT_EQ(3, static_cast<CMObjCreateStruct*>(doc.m_videos[0])->m_nRepeat);
    EXPECT_EQ(RGB(1, 2, 3), static_cast<CMObjCreateStruct*>(doc.m_speakers[0])->m_crColor);
    // The list box's window is made from a button's struct.
    EXPECT_NE(nullptr, dynamic_cast<CMButCreateStruct*>(doc.m_fileLists[0]));

    // A section that is not enabled holds no object.
    Load(Lines({ "[SLIDER1]", "ENABLE=0", "X=7", "Y=8", "W=100", "H=20" }));
    EXPECT_EQ(0, doc.m_speakers.GetSize() + doc.m_images.GetSize());
}

// A damaged page shows as in the editor: only the style bits the editor writes
// (a pop-up style would take the clip off the page), no size gets the kind's
// size, and an object too large or off the page is cut and moved onto it.
TEST_F(TarnixDocTest, DamagedObjectsAreBroughtOntoThePageAsInTheEditor)
{
    CTarnixDoc& doc = Load(Lines({
        "[WINDOWPOS]", "X=0", "Y=0", "[WINDOWSIZE]", "W=400", "H=300",
        "[IMAGE1]", "ENABLE=1", "FILE=bild.bmp", "X=10", "Y=20", "W=-5", "H=40",
        "[AVICLIP1]", "ENABLE=1", "FILE=film.avi", "X=2000", "Y=2000", "W=32", "H=24", "STYLE=-1",
        "[SLIDER1]", "ENABLE=1", "X=5", "Y=5", "W=900", "H=20", "STYLE=268435456",
        "[LISTBOX1]", "ENABLE=1", "FILE=List000.ini", "X=-500", "Y=10", "H=150", "STYLE=-2147483646",
    }));
    const struct
    {
        const char* name;
        CMObjList& list;
        CRect rect;
        DWORD dwStyle;
    } rows[] = {
        { "picture without width", doc.m_images, CRect(10, 20, 42, 60), 0 },
        { "clip off the page", doc.m_videos, CRect(368, 276, 400, 300), kAviClipBorderStyle },
        { "slider wider than the page", doc.m_speakers, CRect(0, 5, 400, 25), 0 },
        { "list box off to the left", doc.m_fileLists, CRect(0, 10, 120, 160), kListBoxPlainStyle },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(1, row.list.GetSize());
        const CMObjCreateStruct* pObject = static_cast<CMObjCreateStruct*>(row.list[0]);
        EXPECT_EQ(row.rect, CRect(pObject->m_rect));
        EXPECT_EQ(row.dwStyle, pObject->m_dwStyle);
    }
}

// A page sized by its background picture is as large as the picture (the
// smallest page for a tiny one), whatever W and H say, and its objects are
// brought onto that page: the player shows every object where the editor
// shows it.
TEST_F(TarnixDocTest, APageSizedByItsPictureHasThePicturesSizeAndItsObjectsAsTheEditorShowsThem)
{
    ASSERT_TRUE(CreateDirectoryA(m_folder.File("sound"), nullptr));
    for (LPCSTR name : { "Velconf.ini", "hintergrund.bmp", "knopf.bmp", "liesmich.txt", "sound\\klick.wav" })
        ASSERT_TRUE(CopyFileA(testing_support::TestDataPath(CString("projects\\extras\\") + name), m_folder.File(name),
                              FALSE));
    player_test::WriteBmp(m_folder, "gross.bmp", 200, 100);
    const CString larger = m_folder.Write(
        "Gross.ini", Lines({ "[WINDOWSIZE]", "SIZETYPE=0", "W=640", "H=480", "[WINDOW]", "IMAGE=1",
                             "IMAGEFILE=_CURRENTDIR_\\gross.bmp", "[BUTTON1]", "ENABLE=1", "X=300", "Y=40", "W=50",
                             "H=20", "TEXT=Draussen", "[TEXTFELD1]", "X=20", "Y=10", "W=60", "H=300" }));
    const struct
    {
        LPCSTR name;
        CString path;
        CSize page;
        int nObjects;
    } pages[] = {
        { "8 by 8 picture", m_folder.File("Velconf.ini"), CSize(120, 50), 3 },
        { "200 by 100 picture", larger, CSize(200, 100), 2 },
    };
    for (const auto& page : pages)
    {
        SCOPED_TRACE(page.name);
        m_settings.SetProjectFile(page.path);
        m_pDoc->LoadPage(&m_settings, CWnd::GetDesktopWindow());
        EXPECT_EQ(page.page, CSize(m_pDoc->m_nWinW, m_pDoc->m_nWinH));
        CProjectPage editor;
        editor.LoadProject(page.path);
        EXPECT_EQ(page.page, CSize(editor.GetWindow().nW, editor.GetWindow().nH));
        const PageObjectLists edited = editor.GetObjectLists();
        const struct
        {
            LPCSTR kind;
            const CMObjList& player;
            const CMObjList& editor;
        } kinds[] = {
            { "button", m_pDoc->m_buttons, edited.buttons }, { "text field", m_pDoc->m_textFields, edited.textFields },
            { "picture", m_pDoc->m_images, edited.images },
        };
        int nObjects = 0;
        for (const auto& kind : kinds)
        {
            ASSERT_EQ(kind.editor.GetSize(), kind.player.GetSize()) << kind.kind;
            for (int i = 0; i < kind.player.GetSize(); ++i, ++nObjects)
            {
                SCOPED_TRACE(std::string(kind.kind) + " " + std::to_string(i));
                const CRect shown = static_cast<CMObjCreateStruct*>(kind.player[i])->m_rect;
                EXPECT_EQ(CRect(static_cast<CMObjCreateStruct*>(kind.editor[i])->m_rect), shown);
                EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= page.page.cx &&
                            shown.bottom <= page.page.cy);
            }
        }
        EXPECT_EQ(page.nObjects, nObjects);
    }
    // The fixture's picture, at 200,20 on the stored 320 by 200, as the editor shows it.
    m_settings.SetProjectFile(m_folder.File("Velconf.ini"));
    m_pDoc->LoadPage(&m_settings, CWnd::GetDesktopWindow());
    ASSERT_EQ(1, m_pDoc->m_images.GetSize());
    EXPECT_EQ(CRect(88, 18, 120, 50), CRect(static_cast<CMObjCreateStruct*>(m_pDoc->m_images[0])->m_rect));
}

TEST_F(TarnixDocTest, WithoutAWindowOnlyThePageSettingsAreRead)
{
    player_test::WriteIcon(m_folder, "app.ico", { { 32, 4 } });
    CString page = ButtonSections({ 1 }) +
                   Lines({ "[TEXT1]", "X=1", "Y=1", "[WELCOME]", "ICON=_CURRENTDIR_\\app.ico", "[SOUND]", "ENABLE=1",
                           "FILE=_CURRENTDIR_\\bg.mid", "REPEAT=1", "[TOOLTIP]", "ENABLE=1", "[WINDOW]", "TITLE=T" });
    CTarnixDoc& doc = Load(page);
    EXPECT_EQ(1, doc.m_buttons.GetSize());
    EXPECT_TRUE(doc.m_bHasIcon);

    Load(page, FALSE);
    EXPECT_EQ(0, doc.m_buttons.GetSize());
    EXPECT_EQ(0, doc.m_texts.GetSize());
    EXPECT_FALSE(doc.m_bHasIcon);
    EXPECT_EQ(nullptr, doc.m_hIconBig);
    EXPECT_EQ(CString("T"), doc.m_strTitle);
    EXPECT_EQ(1, doc.m_bSoundEnabled);
    EXPECT_EQ(1, doc.m_bSoundRepeat);
    EXPECT_EQ(0, (doc.m_strProjectFolder + "\\bg.mid").CompareNoCase(doc.m_strSoundFile));
}

TEST_F(TarnixDocTest, TooltipSettingsAndTheirRectangle)
{
    CTarnixDoc& doc = Load(Lines({ "[TOOLTIP]", "ENABLE=1", "X=10", "Y=20", "W=300", "H=40", "CENTER=1",
                                   "BGTRANSPARENT=1", "DEFAULTTEXT=Hilfe\\nzur CD", "TOOLTIP_FONT_SIZE=-17", "RED=1",
                                   "GREEN=2", "BLUE=3" }));
    EXPECT_TRUE(doc.m_bTooltip);
    EXPECT_EQ(CRect(10, 20, 310, 60), doc.m_rcTooltip);
    EXPECT_TRUE(doc.m_bTooltipCenter);
    EXPECT_TRUE(doc.m_bTooltipTransparent);
    // The line break the file holds as backslash and n breaks the area's line.
    EXPECT_EQ(CString("Hilfe<BR>zur CD"), doc.m_strTooltipText);
    EXPECT_EQ(-17, doc.m_tooltipFont.m_logFont.lfHeight);
    EXPECT_EQ(RGB(1, 2, 3), doc.m_crTooltip);
}

TEST_F(TarnixDocTest, PopupItemIsReadFromThePage)
{
    CTarnixDoc& doc = Load(Lines({ "[POPUPMENU00]", "ITEM00=TEXT=Eins:DOCUMENT=a.txt", "[POPUPMENU01]", "X=1" }));
    CString item = "?";
    EXPECT_TRUE(doc.ReadPopupItems("POPUPMENU00", item));
    EXPECT_EQ(CString("TEXT=Eins:DOCUMENT=a.txt"), item);
    item = "?";
    EXPECT_FALSE(doc.ReadPopupItems("POPUPMENU01", item));
    EXPECT_EQ(CString("?"), item);
}

TEST_F(TarnixDocTest, WindowIconsAreMadeFromTheWelcomeIcon)
{
    player_test::WriteIcon(m_folder, "app.ico", { { 16, 4 }, { 32, 4 }, { 48, 8 } });
    CTarnixDoc& doc = Load(Lines({ "[WELCOME]", "ICON=_CURRENTDIR_\\app.ico" }));
    ASSERT_TRUE(doc.m_bHasIcon);
    struct Case
    {
        HICON hIcon;
        LONG width;
    } cases[] = { { doc.m_hIconBig, 32 }, { doc.m_hIconSmall, 16 } };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.width);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(c.hIcon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof(mask), &mask);
        EXPECT_EQ(c.width, mask.bmWidth);
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr)
            DeleteObject(info.hbmColor);
    }

    // A file that is no icon gives none; the message only with ERROR.
    m_folder.Write("bad.ico", "not an icon at all");
    testing_support::MessageBoxRecorder boxes;
    Load(Lines({ "[WELCOME]", "ICON=_CURRENTDIR_\\bad.ico" }));
    EXPECT_FALSE(doc.m_bHasIcon);
    EXPECT_EQ(0u, boxes.Count());
    Load(Lines({ "[WELCOME]", "ICON=_CURRENTDIR_\\bad.ico", "[WINDOW]", "ERROR=1" }));
    EXPECT_FALSE(doc.m_bHasIcon);
    EXPECT_EQ(1u, boxes.Count());
}

TEST(TarnixDocIcons, ImageChoice)
{
    using player_test::Icon;
    struct Case
    {
        LPCSTR name;
        IconFile icon;
        UINT width;
        int screenBits;
        int expected;
    } cases[] = {
        { "closest depth", Icon({ { 32, 4 }, { 32, 8 }, { 32, 32 } }), 32, 16, 1 },
        { "tie goes to the earlier", Icon({ { 32, 4 }, { 32, 12 } }), 32, 8, 0 },
        { "width decides first", Icon({ { 16, 24 }, { 32, 1 } }), 32, 24, 1 },
        { "no such width: the first", Icon({ { 48, 8 }, { 16, 8 } }), 32, 8, 0 },
        { "only four are looked at", Icon({ { 16, 4 }, { 16, 4 }, { 16, 4 }, { 16, 4 }, { 32, 4 } }), 32, 4, 0 },
        { "no images", Icon({}), 32, 8, -1 },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, CTarnixDoc::ChooseIconImage(c.icon, c.width, c.screenBits));
    }
}

} // namespace
