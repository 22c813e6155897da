// Pages made from the sample projects, edited at random as the editor's view
// edits them and saved as the editor's document saves them: every saved page
// reads back, in the editor and in the player, as the page that was edited.
#include "player/TarnixDoc.h"

#include "player/PlayerApp.h"
#include "player/PlayerObjWndProgram.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/LineStore.h"
#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/PageObjectReader.h"
#include "shared/menuobj/PageTabOrder.h"
#include "shared/menuobj/ProjectPage.h"
#include "shared/menuobj/ProjectWriter.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/FileUtils.h"
#include "shared/support/ProjectSettings.h"

#include "helpers/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

using testing_support::MessageBoxRecorder;
using testing_support::ReadFileText;
using testing_support::TempFolder;
using testing_support::TestDataPath;

namespace {

typedef std::vector<std::string> LineList;

const char* const kSampleFiles[] = { "full\\Velconf.ini", "full\\seite2.ini", "full\\liesmich.txt",
                                     "full\\hintergrund.bmp", "full\\knopf.bmp", "full\\sound\\klick.wav",
                                     "full\\sound\\hintergrund.wav" };
const char* const kSamplePages[] = { "full\\Velconf.ini", "full\\seite2.ini", "centred\\Velconf.ini",
                                     "extras\\Velconf.ini" };

// A sample page as an author may have edited it by hand: button sections
// numbered with gaps (up to the readers' last number, 20) and keys of other
// programs in the object sections.
std::string HandEdited(std::string text, std::mt19937& rng)
{
    int nNumber = 0;
    for (int n = 1; n <= 10; ++n)
    {
        const std::string header = "[BUTTON" + std::to_string(n) + "]";
        size_t nAt = text.find(header);
        if (nAt == std::string::npos)
            continue;
        nNumber = std::min(20 - (10 - n), nNumber + 1 + int(rng() % 3));
        text.replace(nAt, header.size(), "[@" + std::to_string(nNumber) + "]");
    }
    for (size_t nAt; (nAt = text.find("[@")) != std::string::npos;)
        text.replace(nAt, 2, "[BUTTON");
    if (rng() % 2)
        for (size_t nAt = text.find("[BUTTON"); nAt != std::string::npos; nAt = text.find("[BUTTON", nAt + 1))
            text.insert(text.find('\n', nAt) + 1, "EIGEN=" + std::to_string(nAt) + "\r\n");
    return text;
}

int Pick(std::mt19937& rng, int nCount)
{
    return nCount > 0 ? int(rng() % unsigned(nCount)) : 0;
}

// A place for a rectangle of the size inside the page.
RECT PlaceInside(std::mt19937& rng, const CProjectPage& page, int cx, int cy)
{
    cx = std::max(1, std::min(cx, page.GetWindow().nW));
    cy = std::max(1, std::min(cy, page.GetWindow().nH));
    int x = Pick(rng, page.GetWindow().nW - cx + 1), y = Pick(rng, page.GetWindow().nH - cy + 1);
    return { x, y, x + cx, y + cy };
}

std::vector<CMObjCreateStruct*> AllObjects(const CProjectPage& page)
{
    std::vector<CMObjCreateStruct*> objects;
    const PageObjectLists lists = page.GetObjectLists();
    for (const CMObjList* pList : { &lists.images, &lists.texts, &lists.buttons, &lists.sliders, &lists.textFields,
                                    &lists.listBoxes, &lists.aviClips })
        for (int i = 0; i < pList->GetSize(); ++i)
            objects.push_back(static_cast<CMObjCreateStruct*>((*pList)[i]));
    return objects;
}

CMButCreateStruct* AnyButton(std::mt19937& rng, const CProjectPage& page)
{
    int nCount = (int)page.GetButtons().GetSize();
    return nCount > 0 ? static_cast<CMButCreateStruct*>(page.GetButtons()[Pick(rng, nCount)]) : nullptr;
}

// Deletes an object as the view does: a list box takes its start button along.
void DeleteObject(CProjectPage& page, CMObjCreateStruct* pObject)
{
    const PageObjectLists lists = page.GetObjectLists();
    auto in = [pObject](const CMObjList& list) {
        for (int i = 0; i < list.GetSize(); ++i)
            if (list[i] == pObject)
                return true;
        return false;
    };
    if (in(lists.buttons))
        page.RemoveButton(static_cast<CMButCreateStruct*>(pObject), FALSE);
    else if (in(lists.texts))
        page.RemoveText(static_cast<CMTextCreateStruct*>(pObject));
    else if (in(lists.textFields))
        page.RemoveTextField(static_cast<CViewerCreateStruct*>(pObject));
    else if (in(lists.images))
        page.RemoveImage(pObject);
    else if (in(lists.aviClips))
        page.RemoveAviClip(pObject);
    else if (in(lists.sliders))
        page.RemoveSlider(pObject);
    else if (in(lists.listBoxes))
    {
        page.RemoveListBox(pObject);
        for (int i = 0; i < page.GetButtons().GetSize(); ++i)
        {
            CMButCreateStruct* pButton = static_cast<CMButCreateStruct*>(page.GetButtons()[i]);
            if (pButton->m_strDocument == "<LISTBOX>")
            {
                page.RemoveButton(pButton, FALSE);
                break;
            }
        }
    }
}

CMButCreateStruct* NewButton(std::mt19937& rng, const CProjectPage& page, LPCSTR pszDocument)
{
    CMButCreateStruct* pButton = new CMButCreateStruct;
    pButton->m_rect = PlaceInside(rng, page, 60 + Pick(rng, 80), 20 + Pick(rng, 20));
    pButton->m_strText.Format("Neu %u", rng() % 100);
    pButton->m_strStyle = "W";
    pButton->m_strDocument = pszDocument;
    pButton->m_nAction = Pick(rng, 2) ? ACTION_NONE : ACTION_EXIT;
    pButton->m_font.Assign(page.GetButtonStyle().font);
    return pButton;
}

template <class T>
void AddOrDelete(CProjectPage& page, T* pObject, BOOL (CProjectPage::*add)(T*))
{
    if (!(page.*add)(pObject))
        delete pObject;
}

void InsertObject(std::mt19937& rng, CProjectPage& page, const TempFolder& folder)
{
    switch (Pick(rng, 6))
    {
    case 0:
    case 1:
        AddOrDelete(page, NewButton(rng, page, ""), &CProjectPage::AddButton);
        break;
    case 2:
    {
        CMTextCreateStruct* pText = new CMTextCreateStruct;
        pText->m_rect = PlaceInside(rng, page, 50, 16);
        pText->m_strText = "Neuer Text";
        pText->m_font.Assign(page.GetDefaultTextFont());
        AddOrDelete(page, pText, &CProjectPage::AddText);
        break;
    }
    case 3:
    {
        CViewerCreateStruct* pField = new CViewerCreateStruct;
        pField->m_rect = PlaceInside(rng, page, 80, 60);
        pField->m_strDocument = folder.File("liesmich.txt");
        pField->m_bScrollVert = 1;
        AddOrDelete(page, pField, &CProjectPage::AddTextField);
        break;
    }
    case 4:
    {
        CMObjCreateStruct* pObject = new CMObjCreateStruct;
        pObject->m_rect = PlaceInside(rng, page, 40, 30);
        pObject->m_nRepeat = 1 + Pick(rng, 3);
        // Only a clip has a style: its border, the one bit the clip dialog sets.
        const BOOL bClip = Pick(rng, 2);
        pObject->m_dwStyle = bClip && Pick(rng, 2) ? kAviClipBorderStyle : 0;
        pObject->m_strText = Pick(rng, 2) ? folder.File("film.avi") : CString();
        AddOrDelete(page, pObject, bClip ? &CProjectPage::AddAviClip : &CProjectPage::AddSlider);
        break;
    }
    default:
    {
        // A list box with its start button.
        CMButCreateStruct* pList = new CMButCreateStruct;
        pList->m_rect = PlaceInside(rng, page, 120, 80);
        pList->m_strText = folder.File("liste.ini");
        pList->m_crColor = RGB(255, 255, 224);
        if (!page.AddListBox(pList))
        {
            delete pList;
            break;
        }
        AddOrDelete(page, NewButton(rng, page, "<LISTBOX>"), &CProjectPage::AddButton);
        break;
    }
    }
}

void ChangeAction(std::mt19937& rng, CMButCreateStruct& button, const TempFolder& folder)
{
    const struct { int nAction; LPCSTR pszDocument; } actions[] = {
        { ACTION_NONE, "liesmich.txt" }, { ACTION_NEWPAGE, "seite2.ini" }, { ACTION_MESSAGE, nullptr },
        { ACTION_PLAYAVI, "film.avi" },  { ACTION_EXIT, nullptr },
    };
    const auto& action = actions[Pick(rng, 5)];
    button.m_nAction = action.nAction;
    button.m_strDocument = action.pszDocument != nullptr ? folder.File(action.pszDocument)
                           : action.nAction == ACTION_MESSAGE ? CString("Hallo, Welt") : CString();
    if (Pick(rng, 2))
    {
        button.m_bStartSound = Pick(rng, 2);
        button.m_bStopSound = Pick(rng, 2);
        button.m_strSoundFile = Pick(rng, 2) ? folder.File("sound\\klick.wav") : CString();
    }
}

void ChangeStyle(std::mt19937& rng, CMButCreateStruct& button, const TempFolder& folder)
{
    // A disabled button reads as the standard look whatever its style.
    if (!button.m_bEnable)
        return;
    static const char kStyles[] = "WDHIBMO";
    button.m_strStyle = CString(kStyles[Pick(rng, 7)], 1);
    if (button.m_strStyle == "B" || button.m_strStyle == "M" || button.m_strStyle == "O")
        button.m_strBitmap = folder.File("knopf.bmp");
}

// One edit as the view makes it.
void EditAtRandom(std::mt19937& rng, CProjectPage& page, const TempFolder& folder, CWnd& canvas)
{
    std::vector<CMObjCreateStruct*> objects = AllObjects(page);
    CMObjCreateStruct* pObject = objects.empty() ? nullptr : objects[Pick(rng, (int)objects.size())];
    CMButCreateStruct* pButton = AnyButton(rng, page);
    static const char* const kCaptions[] = { "Anders", "  Leer davor ", "'zitiert'", "Grüße" };
    switch (Pick(rng, 10))
    {
    case 0:
    case 1:
        if (pObject != nullptr)
            DeleteObject(page, pObject);
        break;
    case 2:
        InsertObject(rng, page, folder);
        break;
    case 3:
        if (pButton != nullptr)
            pButton->m_strText = kCaptions[Pick(rng, 4)];
        else if (page.GetTexts().GetSize() > 0)
            static_cast<CMTextCreateStruct*>(page.GetTexts()[0])->m_strText = kCaptions[Pick(rng, 4)];
        break;
    case 4:
        if (pButton != nullptr)
            ChangeAction(rng, *pButton, folder);
        break;
    case 5:
        if (pButton != nullptr)
            ChangeStyle(rng, *pButton, folder);
        break;
    case 6:
        if (pObject != nullptr)
            pObject->m_rect = PlaceInside(rng, page, pObject->m_rect.right - pObject->m_rect.left,
                                          pObject->m_rect.bottom - pObject->m_rect.top);
        break;
    case 7:
        if (pObject != nullptr)
            pObject->m_rect = PlaceInside(rng, page, 40 + Pick(rng, 120), 40 + Pick(rng, 80));
        break;
    case 8:
        menuobj_testing::ChangeTabOrder(page, canvas,
                                        [&rng](std::vector<int>& places) { std::shuffle(places.begin(), places.end(), rng); });
        break;
    default:
    {
        PageWindow window = page.GetWindow();
        window.strTitle.Format("Titel %u", rng() % 100);
        page.SetWindow(window);
        break;
    }
    }
}

LineList WriterLines(CProjectPage& page, const CString& strPath)
{
    CLineStore store;
    CProjectWriter writer(page, store, strPath);
    writer.SetWarnings(FALSE);
    writer.WriteProject();
    return CProjectFileText::StoreLines(store);
}

std::string Lower(CString text)
{
    text.MakeLower();
    text.Remove('"');
    return (LPCSTR)text;
}

std::string FontOf(const CFontDesc& font)
{
    CString text;
    text.Format("%s/%ld/%ld/%d/%06lx", font.m_logFont.lfFaceName, font.m_logFont.lfHeight, font.m_logFont.lfWeight,
                font.m_nEffect, font.m_crColor);
    return Lower(text);
}

// What the player makes of a page's objects: every value it reads from their
// sections, with the style as it draws it.
std::vector<std::string> PlayedObjects(const PageObjectLists& lists, CTarnixDoc& player)
{
    std::vector<std::string> lines;
    auto add = [&lines](LPCSTR pszKind, const CMObjCreateStruct& object, const CString& strMore) {
        CString line;
        line.Format("%s %d %ld,%ld %s|", pszKind, object.m_bEnable, object.m_rect.left, object.m_rect.top,
                    (LPCSTR)object.m_strText);
        lines.push_back(Lower(line + strMore));
    };
    auto size = [](const RECT& rc) {
        CString text;
        text.Format("%ldx%ld", rc.right - rc.left, rc.bottom - rc.top);
        return text;
    };
    for (int i = 0; i < lists.buttons.GetSize(); ++i)
    {
        const CMButCreateStruct& b = *static_cast<CMButCreateStruct*>(lists.buttons[i]);
        CString style = CTarnixDoc::ButtonStyleFor(b.m_strStyle, b.m_strBitmap, [&player] { return player.GifSupport(); });
        CString more;
        more.Format("%s %s a%d %s|%s|%s|%s s%d%d %s|%s", (LPCSTR)size(b.m_rect), (LPCSTR)style, b.m_nAction,
                    (LPCSTR)b.m_strDocument, (LPCSTR)b.m_strApplication, (LPCSTR)b.m_strParameter,
                    (LPCSTR)b.m_strToolTip, b.m_bStopSound, b.m_bStartSound, (LPCSTR)b.m_strSoundFile,
                    (LPCSTR)b.m_strBitmap);
        if (style == "H")
            more += CString(FontOf(b.m_fontIdle).c_str()) + FontOf(b.m_fontOver).c_str() + FontOf(b.m_fontDown).c_str();
        add("button", b, more);
    }
    for (int i = 0; i < lists.texts.GetSize(); ++i)
        add("text", *static_cast<CMObjCreateStruct*>(lists.texts[i]),
            FontOf(static_cast<CMObjCreateStruct*>(lists.texts[i])->m_font).c_str());
    for (int i = 0; i < lists.textFields.GetSize(); ++i)
    {
        const CViewerCreateStruct& f = *static_cast<CViewerCreateStruct*>(lists.textFields[i]);
        CString more;
        more.Format("%s %s %d%d%d", (LPCSTR)size(f.m_rect), (LPCSTR)f.m_strDocument, f.m_bScrollHorz, f.m_bScrollVert,
                    f.m_bBorder);
        add("field", f, more);
    }
    const struct { LPCSTR pszKind; const CMObjList& list; } others[] = {
        { "image", lists.images }, { "clip", lists.aviClips }, { "slider", lists.sliders }, { "list", lists.listBoxes },
    };
    for (const auto& other : others)
        for (int i = 0; i < other.list.GetSize(); ++i)
        {
            const CMObjCreateStruct& o = *static_cast<CMObjCreateStruct*>(other.list[i]);
            CString more;
            more.Format("%s %lx %d %06lx", (LPCSTR)size(o.m_rect), o.m_dwStyle, o.m_nRepeat, o.m_crColor);
            add(other.pszKind, o, more);
        }
    return lines;
}

// The first line where the two differ, as "edited / read"; empty when none does.
std::string FirstDifference(const LineList& edited, const LineList& read)
{
    size_t i = 0;
    while (i < edited.size() && i < read.size() && edited[i] == read[i])
        ++i;
    if (i == edited.size() && i == read.size())
        return std::string();
    size_t nHeader = i;
    while (nHeader > 0 && edited[nHeader - 1].compare(0, 1, "[") != 0)
        --nHeader;
    return (nHeader > 0 ? edited[nHeader - 1] + " " : std::string()) + (i < edited.size() ? edited[i] : "(none)") + " / " + (i < read.size() ? read[i] : "(none)");
}

} // namespace

TEST(PageSaveFuzzTest, RandomEditsReadBackAsEditedInTheEditorAndThePlayer)
{
    ASSERT_NE(nullptr, GetPlayerApp());
    MessageBoxRecorder boxes;
    TempFolder folder;
    for (LPCSTR name : kSampleFiles)
    {
        CString text = ReadFileText(TestDataPath(CString("projects\\") + name));
        folder.Write(CString(name).Mid(5), text);
    }
    std::string samples[4];
    for (int i = 0; i < 4; ++i)
        samples[i] = (LPCSTR)ReadFileText(TestDataPath(CString("projects\\") + kSamplePages[i]));
    // The objects' windows made for the tab order ask the program for their look.
    CPlayerObjWndProgram program;
    CObjWndProgram* pPreviousProgram = CObjWndProgram::Set(&program);
    CWnd canvas;
    ASSERT_TRUE(canvas.CreateEx(0, nullptr, "Canvas", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr));

    int nFiles = 0;
    for (unsigned nSeed = 1; nSeed <= 200; ++nSeed)
    {
        std::mt19937 rng(nSeed);
        std::string text = samples[nSeed % 4];
        if (rng() % 3)
            text = HandEdited(text, rng);
        CString name;
        name.Format("Seite%u.ini", nSeed);
        CString path = folder.Write(name, text.data(), text.size());
        CProjectPage page;
        page.LoadProject(path);
        for (int nSave = 0; nSave < 2; ++nSave)
        {
            for (int n = 1 + Pick(rng, 4); n > 0; --n)
                EditAtRandom(rng, page, folder, canvas);
            CProjectFileText::LineList file, written;
            page.ComposeFile(path, TRUE, file, written);
            ASSERT_TRUE(WriteFileBytes(path, CProjectFileText::Text(file)));
            page.FileSaved(file, written);

            // A file of its own for each reading, so that no cached profile answers.
            CString copy;
            copy.Format("Gelesen%d.ini", ++nFiles);
            CString readPath = folder.Write(copy, ReadFileText(path));
            SCOPED_TRACE("seed " + std::to_string(nSeed) + ", save " + std::to_string(nSave + 1) + ":\n" +
                         CProjectFileText::Text(file));
            CProjectPage reread;
            reread.LoadProject(readPath);
            ASSERT_EQ("", FirstDifference(WriterLines(page, path), WriterLines(reread, path)));

            CProjectSettings settings;
            settings.SetProjectFile(readPath);
            std::unique_ptr<CTarnixDoc> pPlayer(static_cast<CTarnixDoc*>(RUNTIME_CLASS(CTarnixDoc)->CreateObject()));
            pPlayer->LoadPage(&settings, CWnd::GetDesktopWindow());
            const PageObjectLists played = { pPlayer->m_images,     pPlayer->m_texts,    pPlayer->m_buttons,
                                             pPlayer->m_speakers,   pPlayer->m_textFields, pPlayer->m_fileLists,
                                             pPlayer->m_videos };
            ASSERT_EQ("", FirstDifference(PlayedObjects(page.GetObjectLists(), *pPlayer), PlayedObjects(played, *pPlayer)));
        }
    }
    canvas.DestroyWindow();
    CObjWndProgram::Set(pPreviousProgram);
}
