// The canvas on an opened project: mouse input posted through the message loop
// (with the cursor placed where the message says), the commands on the
// document and the container, drops and the test run.
#include "editor/app/EditorDropTarget.h"
#include "editor/app/TarnixEdView.h"
#include "editor/dialogs/ButtonPropSheet.h"
#include "editor/dialogs/DocumentInsertDlg.h"
#include "editor/dialogs/ProgramDlg.h"
#include "editor/dialogs/ViewerSetupDlg.h"
#include "framework/ColorDialog.h"
#include "framework/StatusBar.h"
#include "framework/WinThread.h"
#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/MObjBasis.h"
#include "shared/menuobj/MObjButton.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/AviTestFiles.h"
#include "shared/support/BmpTestFiles.h"

#include "../dialogs/DialogTestSupport.h"
#include "EditorSession.h"
#include "EditorTesting.h"
#include "toolkit/XTRealInput.h"

#include "editor/DialogIds.h"
#include "editor/WizardIds.h"
#include "editor/resource.h"

#include <shlobj.h>
#include <algorithm>
#include <string>
#include <vector>

using editor_testing::App;
using editor_testing::CopyProject;
using editor_testing::CopySample;
using editor_testing::EditorFolder;
using editor_testing::ModalAnswers;
using editor_testing::PumpLoop;
using editor_testing::Text;
using testing_support::MessageBoxRecorder;
using testing_support::ProgramStartRecorder;
using testing_support::TempFolder;

namespace {

// A button section of a project file.
CString ButtonSection(int n, int x, int y, LPCSTR pszText, LPCSTR pszExtra = "")
{
    CString text;
    text.Format("[BUTTON%d]\r\nENABLE=1\r\nX=%d\r\nY=%d\r\nW=100\r\nH=26\r\nTEXT=%s\r\nSTYLE=WINDOWS\r\n"
                "DOKUMENT=\r\nAPPLIKATION=\r\nPARAMETER=\r\nFUNKTION=NONE\r\nTOOLTIP=\r\n%s \r\n",
                n, x, y, pszText, pszExtra);
    return text;
}

// A 24-bit bitmap file of the given size.
CString WriteBitmap(const TempFolder& folder, LPCSTR pszName, int cx, int cy)
{
    const std::vector<BYTE> bytes = bmp_test::BmpFileBytes(bmp_test::MakePattern(cx, cy, 24));
    return folder.Write(pszName, bytes.data(), bytes.size());
}

// A data object with one HGLOBAL format, as a drag source offers it.
class OneFormatData : public IDataObject
{
public:
    OneFormatData(CLIPFORMAT cf, HGLOBAL hGlobal) : m_cf(cf), m_hGlobal(hGlobal) {}
    ~OneFormatData() { ::GlobalFree(m_hGlobal); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject) ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override
    {
        if (QueryGetData(pFormat) != S_OK)
            return DV_E_FORMATETC;
        const SIZE_T nSize = ::GlobalSize(m_hGlobal);
        HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
        memcpy(::GlobalLock(hCopy), ::GlobalLock(m_hGlobal), nSize);
        ::GlobalUnlock(hCopy);
        ::GlobalUnlock(m_hGlobal);
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormat) override
    {
        return pFormat->cfFormat == m_cf && (pFormat->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    CLIPFORMAT m_cf;
    HGLOBAL m_hGlobal;
};

HGLOBAL TextBlock(LPCSTR psz)
{
    const SIZE_T nSize = strlen(psz) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    memcpy(::GlobalLock(h), psz, nSize);
    ::GlobalUnlock(h);
    return h;
}

HGLOBAL DropFilesBlock(LPCSTR pszPath)
{
    return static_cast<HGLOBAL>(dialog_tests::MakeDrop(pszPath));
}

// Ends whatever popup menu is tracked and notes that one was.
BOOL g_bMenuShown = FALSE;
void CALLBACK EndTrackedMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (::FindWindowA("#32768", nullptr) != nullptr)
    {
        g_bMenuShown = TRUE;
        ::EndMenu();
    }
}

class CanvasTest : public EditorSessionTest
{
protected:
    void Open(const CString& strExtraSections)
    {
        CString path = CopyProject(m_folder, "centred", "024000");
        CString text = testing_support::ReadFileText(path);
        text.Replace("[WELCOME]", strExtraSections + "[WELCOME]");
        m_folder.Write("Velconf.ini", text);
        OpenFile(path);
    }
    // Saves the page, closes it and opens its file again.
    void SaveAndReopen()
    {
        const CString path = m_folder.File("Velconf.ini");
        ASSERT_TRUE(m_pDoc->OnSaveDocument(path));
        App().CloseAllDocuments(FALSE);
        PumpLoop();
        OpenFile(path);
    }
    void OpenFile(const CString& path)
    {
        ASSERT_TRUE(App().OpenProjectFile(path));
        m_pView = ActiveView();
        ASSERT_NE(nullptr, m_pView);
        m_pDoc = m_pView->GetDocument();
        m_pView->UpdateWindow();
        PumpLoop();
    }

    // A mouse message at a canvas point, posted to the window that holds the
    // capture or else to the one under the point. The real cursor stays put:
    // its moves would come in after the posted messages.
    void Mouse(UINT message, int x, int y, WPARAM wFlags = 0)
    {
        POINT pt = { x, y };
        m_pView->ClientToScreen(&pt);
        HWND hTarget = ::GetCapture();
        if (hTarget == nullptr)
        {
            POINT local = { x, y };
            hTarget = ::ChildWindowFromPointEx(m_pView->m_hWnd, local, CWP_SKIPINVISIBLE);
        }
        POINT local = pt;
        ::ScreenToClient(hTarget, &local);
        if (message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE && (wFlags & MK_LBUTTON))
            wFlags |= MK_LBUTTON;
        ::PostMessageA(hTarget, message, wFlags, MAKELPARAM(local.x, local.y));
        PumpLoop();
    }
    void Click(int x, int y, WPARAM wFlags = 0)
    {
        Mouse(WM_LBUTTONDOWN, x, y, wFlags);
        Mouse(WM_LBUTTONUP, x, y, wFlags);
    }

    CMObjBasis* Object(int i) { return m_pView->GetObjects().GetObjectAt(i); }
    CMButCreateStruct* ButtonStruct(int i)
    {
        return dynamic_cast<CMButCreateStruct*>(m_pDoc->GetPage().GetButtons().GetAt(i));
    }
    int ButtonCount() { return (int)m_pDoc->GetPage().GetButtons().GetSize(); }
    CMObjCreateStruct* ListBoxStruct()
    {
        return dynamic_cast<CMObjCreateStruct*>(m_pDoc->GetPage().GetListBoxes().GetAt(0));
    }
    BOOL Enabled(UINT nID) { return EditorSessionTest::Enabled(m_pView, nID); }
    void ViewCommand(UINT nID)
    {
        m_pView->SendMessage(WM_COMMAND, nID);
        PumpLoop();
    }
    // The button sheet, answered with the given caption and OK.
    static void AnswerSheet(ModalAnswers& answers, std::function<void(CButtonPropSheet*)> fill)
    {
        answers.Then([fill](CDialog* pDlg) {
            CButtonPropSheet* pSheet = dynamic_cast<CButtonPropSheet*>(pDlg);
            ASSERT_NE(nullptr, pSheet);
            fill(pSheet);
            pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
    // The popup dialog answered with a caption, one item and OK.
    static void AnswerPopup(ModalAnswers& answers)
    {
        answers.Then([](CDialog* pDlg) {
            pDlg->SetDlgItemText(IDC_POPUP_CAPTION, "Mehr");
            pDlg->SendDlgItemMessage(IDC_POPUP_LIST, LB_ADDSTRING, 0, (LPARAM) "Eintrag");
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
    // A dialog answered with control texts (and checked boxes) and OK.
    static void AnswerDialog(ModalAnswers& answers, std::vector<std::pair<int, CString>> texts,
                             std::vector<int> checks = {})
    {
        answers.Then([texts, checks](CDialog* pDlg) {
            for (const auto& text : texts)
                pDlg->SetDlgItemText(text.first, text.second);
            for (int nCheck : checks)
                pDlg->CheckDlgButton(nCheck, BST_CHECKED);
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }
    CProjectPage& Page() { return m_pDoc->GetPage(); }
    // Every pair of the page's objects that overlap, and every object not
    // wholly inside the page, as text.
    std::vector<std::string> Overlaps()
    {
        std::vector<std::string> found;
        CMenuObjects& objects = m_pView->GetObjects();
        objects.UpdateRectsFromWindows();
        const CSize page = ClientSize();
        for (int i = 0; i < objects.GetObjectCount(); ++i)
        {
            const RECT a = objects.GetObjectAt(i)->GetObjectRect();
            if (a.left < 0 || a.top < 0 || a.right > page.cx || a.bottom > page.cy)
                found.push_back("object " + std::to_string(i) + " outside the page");
            for (int j = i + 1; j < objects.GetObjectCount(); ++j)
            {
                RECT common;
                const RECT b = objects.GetObjectAt(j)->GetObjectRect();
                if (::IntersectRect(&common, &a, &b))
                    found.push_back("objects " + std::to_string(i) + " and " + std::to_string(j));
            }
        }
        return found;
    }
    // Ctrl and a letter pressed and let go through the system's input queue.
    void PressCtrlWith(char chKey)
    {
        INPUT keys[4] = { toolkit_test::KeyInput(VK_CONTROL, FALSE), toolkit_test::KeyInput((WORD)chKey, FALSE),
                          toolkit_test::KeyInput((WORD)chKey, TRUE), toolkit_test::KeyInput(VK_CONTROL, TRUE) };
        ASSERT_EQ(4u, ::SendInput(4, keys, sizeof(INPUT)));
        PumpLoop();
    }
    CSize ClientSize()
    {
        RECT rc;
        m_pView->GetClientRect(&rc);
        return CSize(rc.right, rc.bottom);
    }
    CString SavedProject() { return testing_support::ReadFileText(m_folder.File("Velconf.ini")); }
    // Opens the page and inserts a list box of the folder of a new file,
    // which the wizard's folder page browses to.
    void InsertList(LPCSTR pszFile, std::function<void(CDialog*)> runWizard)
    {
        m_folder.Write(pszFile, "x");
        Open("");
        testing_support::CommonDialogScript files;
        files.AnswerFile(m_folder.File(pszFile));
        ModalAnswers answers;
        answers.Then(runWizard);
        ViewCommand(ID_OBJ_LISTBOX);
    }
    // A two-frame clip of 40 by 30 pixels in the project folder.
    CString WriteClip(LPCSTR pszName, DWORD dwCompression = BI_RGB)
    {
        menuobj_testing::AviClip clip;
        clip.cx = 40;
        clip.cy = 30;
        clip.dwCompression = dwCompression;
        menuobj_testing::AviBytes avi(clip);
        return m_folder.Write(pszName, avi.Bytes().data(), avi.Bytes().size());
    }
    static void SetCaption(CButtonPropSheet* pSheet, LPCSTR pszCaption)
    {
        pSheet->SetActivePage(0);
        pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_CAPTION, pszCaption);
    }

    TempFolder m_folder;
    CTarnixEdView* m_pView = nullptr;
    CTarnixEdDoc* m_pDoc = nullptr;
};

} // namespace

namespace {

// Each used-file list of a page as "name count" entries.
std::vector<std::string> UsedFileCounts(CProjectPage& page)
{
    std::vector<std::string> files;
    for (int nList = 0; nList < FILES_LIST_COUNT; ++nList)
        for (int i = 0; i < page.GetFileList(nList).GetSize(); ++i)
            files.push_back(std::to_string(nList) + " " + (LPCSTR)page.GetFileList(nList).GetName(i) + " " +
                            std::to_string(page.GetFileList(nList).GetCount(i)));
    return files;
}

} // namespace

// The canvas shows a page as read: opening it changes nothing and counts each
// file once (a popup's item files too); a message is no file.
TEST_F(CanvasTest, AnOpenedPageIsUnmodifiedAndCountsItsFilesOnce)
{
    CString path = CopyProject(m_folder, "full", "024000");
    CopySample(m_folder, "full", { "seite2.ini", "liesmich.txt", "hintergrund.bmp", "knopf.bmp", "sound\\klick.wav",
                                   "sound\\hintergrund.wav" });
    CString text = testing_support::ReadFileText(path);
    text.Replace("ERROR=1", "ERROR=0");
    m_folder.Write("Velconf.ini", text);
    CProjectPage read;
    read.LoadProject(path);
    OpenFile(path);
    EXPECT_FALSE(m_pDoc->IsModified());
    std::vector<std::string> files = UsedFileCounts(m_pDoc->GetPage());
    EXPECT_EQ(UsedFileCounts(read), files);
    for (const std::string& file : files)
        EXPECT_EQ(std::string::npos, file.find("Diese CD")) << file;
}

TEST_F(CanvasTest, ADragFollowsTheMouseAndSnapsOnRelease)
{
    Open(ButtonSection(1, 40, 40, "Eins"));
    ASSERT_EQ(1, m_pView->GetObjects().GetObjectCount());
    m_pDoc->SetModifiedFlag(FALSE);
    const struct
    {
        int dx;
        int expectedShift;
    } moves[] = { { 2, 0 }, { 5, 5 }, { 8, 8 }, { 11, 11 } };
    Mouse(WM_LBUTTONDOWN, 50, 50);
    EXPECT_TRUE(Object(0)->IsSelected());
    const int nFrameLeft = Object(0)->GetFrameRect().left;
    for (const auto& move : moves)
    {
        SCOPED_TRACE(move.dx);
        Mouse(WM_MOUSEMOVE, 50 + move.dx, 50, MK_LBUTTON);
        EXPECT_EQ(move.expectedShift, Object(0)->GetFrameRect().left - nFrameLeft);
    }
    Mouse(WM_LBUTTONUP, 61, 50);
    EXPECT_EQ(50, ButtonStruct(0)->m_rect.left) << "51 snapped to the grid step 2";
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_FALSE(m_pView->IsCaptured());

    // The next click on the object selects it, not a rubber band.
    m_pView->GetObjects().DeselectAll();
    Click(55, 50);
    EXPECT_TRUE(Object(0)->IsSelected());
    EXPECT_FALSE(m_pView->IsSelectionMode());
}

TEST_F(CanvasTest, ClicksSelectGroupsAndRubberBands)
{
    Open(ButtonSection(1, 20, 20, "Eins") + ButtonSection(2, 20, 100, "Zwei") + ButtonSection(3, 200, 200, "Drei"));
    ASSERT_EQ(3, m_pView->GetObjects().GetObjectCount());
    Click(30, 30);
    Click(30, 110, MK_CONTROL);
    EXPECT_TRUE(Object(0)->IsSelected());
    EXPECT_TRUE(Object(1)->IsSelected()) << "Ctrl adds";
    Click(30, 30);
    EXPECT_TRUE(Object(1)->IsSelected()) << "a click on a selected object keeps the group";
    Click(30, 110);
    Click(250, 210);
    EXPECT_FALSE(Object(1)->IsSelected()) << "a plain click selects alone";

    // A band round the first two.
    Mouse(WM_LBUTTONDOWN, 10, 10);
    EXPECT_TRUE(m_pView->IsSelectionMode());
    Mouse(WM_MOUSEMOVE, 150, 150, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 150, 150);
    EXPECT_TRUE(Object(0)->IsSelected());
    EXPECT_TRUE(Object(1)->IsSelected());
    EXPECT_FALSE(Object(2)->IsSelected());
    EXPECT_EQ(CRect(10, 10, 150, 150), CRect(m_pView->GetMarkedRect()));

    // The next click on empty canvas only clears the band.
    Click(350, 20);
    EXPECT_FALSE(m_pView->IsSelectionMode());
    EXPECT_TRUE(::IsRectEmpty(&m_pView->GetMarkedRect()));
    EXPECT_FALSE(m_pView->IsCaptured());
}

TEST_F(CanvasTest, PressingOnAClipSelectsItAndLeavesNoCursorClip)
{
    WriteClip("clip.avi");
    Open("[AVICLIP1]\r\nENABLE=1\r\nFILE=_CURRENTDIR_\\clip.avi\r\nX=100\r\nY=100\r\nW=40\r\nH=30\r\nSTYLE=0\r\n"
         "NREP=1\r\n \r\n");
    ASSERT_EQ(1, m_pView->GetObjects().GetObjectCount());
    RECT rcFree;
    ::GetClipCursor(&rcFree);
    Mouse(WM_LBUTTONDOWN, 110, 110);
    Mouse(WM_MOUSEMOVE, 130, 130, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 150, 150, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 150, 150);
    EXPECT_TRUE(Object(0)->IsSelected());
    EXPECT_EQ(100, Object(0)->GetObjectRect().left);
    RECT rcAfter;
    ::GetClipCursor(&rcAfter);
    EXPECT_EQ(CRect(rcFree), CRect(rcAfter));
    EXPECT_FALSE(m_pView->IsCaptured());
}

// Texts take the focus too: they are numbered with the buttons, and the
// document's text list is ordered the same way.
TEST_F(CanvasTest, TabOrderRenumbersAndReordersButtonsAndTexts)
{
    Open(ButtonSection(1, 20, 20, "Eins") + ButtonSection(2, 20, 100, "Zwei") +
         "[TEXT1]\r\nX=200\r\nY=20\r\nTEXT=Erster\r\n \r\n" + "[TEXT2]\r\nX=200\r\nY=100\r\nTEXT=Zweiter\r\n \r\n");
    ASSERT_EQ(2, (int)Page().GetTexts().GetSize());
    ViewCommand(ID_VIEW_TABORDER);
    for (POINT pt : { POINT{ 30, 110 }, POINT{ 205, 105 }, POINT{ 205, 25 }, POINT{ 30, 30 } })
        Click(pt.x, pt.y);
    ViewCommand(ID_VIEW_TABORDER);
    EXPECT_FALSE(m_pView->IsTabOrderMode());
    ASSERT_EQ(2, ButtonCount());
    EXPECT_EQ(CString("Zwei"), ButtonStruct(0)->m_strText);
    EXPECT_EQ(CString("Eins"), ButtonStruct(1)->m_strText);
    ASSERT_EQ(2, (int)Page().GetTexts().GetSize());
    EXPECT_EQ(CString("Zweiter"), dynamic_cast<CMTextCreateStruct*>(Page().GetTexts().GetAt(0))->m_strText);
    EXPECT_EQ(CString("Erster"), dynamic_cast<CMTextCreateStruct*>(Page().GetTexts().GetAt(1))->m_strText);
}

// Without a graphics program the command asks for one program to start this
// once; the settings' program stays unset (it is chosen in its own dialog).
TEST_F(CanvasTest, TheGraphicsCommandAsksForAProgramWithoutStoringIt)
{
    Open("");
    AfxGetApp()->WriteProfileString("SETTINGS", "GRAFIKPATH", nullptr);
    const CString program = testing_support::ProgramFolder() + "\\EchoArgs.exe";
    testing_support::ProgramStartRecorder starts;
    BOOL bProgramDialog = FALSE;
    ModalAnswers answers;
    answers.Then([&](CDialog* pDlg) {
        bProgramDialog = dynamic_cast<CProgramDlg*>(pDlg) != nullptr;
        pDlg->SetDlgItemText(IDC_PROGRAM_PATH, program);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    ViewCommand(ID_PAGE_GRAPHICS);
    EXPECT_TRUE(bProgramDialog);
    ASSERT_EQ(1u, starts.Starts().size());
    EXPECT_STREQ(program, starts.Starts()[0].strFile);
    EXPECT_TRUE(AfxGetApp()->GetProfileString("SETTINGS", "GRAFIKPATH", "").IsEmpty());
}

TEST_F(CanvasTest, ButtonsThroughTheSheet)
{
    Open("");
    ModalAnswers answers;
    AnswerSheet(answers, [](CButtonPropSheet* pSheet) { SetCaption(pSheet, "eins\r\nzwei\r\ndrei"); });
    AnswerSheet(answers, [](CButtonPropSheet* pSheet) { SetCaption(pSheet, "Zweiter"); });
    ViewCommand(ID_OBJ_BUTTON);
    ViewCommand(ID_OBJ_BUTTON);
    ASSERT_EQ(2, ButtonCount());
    ASSERT_EQ(2, m_pView->GetObjects().GetObjectCount());
    EXPECT_EQ(CRect(10, 10, 130, 36), CRect(ButtonStruct(0)->m_rect));
    EXPECT_EQ(CString("eins<BR>zwei<BR>drei"), ButtonStruct(0)->m_strText);
    EXPECT_EQ(CRect(10, 46, 130, 72), CRect(ButtonStruct(1)->m_rect)) << "one slot below";
    EXPECT_EQ(std::string("Funktionsschalter (Button) Eigenschaften"), answers.Captions().at(0));
    EXPECT_TRUE(m_pDoc->IsModified());

    // A hypertext button without caption, and a picture style without a picture.
    struct Row
    {
        int radio;
        LPCSTR caption;
        LPCSTR expectedText;
        LPCSTR expectedStyle;
    } rows[] = { { IDC_BUT_STYLE_HYPERTEXT, "", "Text", "HYPERTEXT" },
                 { IDC_BUT_STYLE_BITMAP, "Bild", "Bild", "WINDOW" } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.expectedStyle);
        AnswerSheet(answers, [row](CButtonPropSheet* pSheet) {
            SetCaption(pSheet, row.caption);
            pSheet->SetActivePage(1);
            CWnd* pPage = pSheet->GetActivePage();
            pPage->GetDlgItem(row.radio)->SendMessage(BM_CLICK);
            pPage->SetDlgItemText(IDC_BUT_IMAGE_FILE, "fehlt.bmp");
        });
        ViewCommand(ID_OBJ_BUTTON);
        CMButCreateStruct* pLast = ButtonStruct(ButtonCount() - 1);
        EXPECT_EQ(CString(row.expectedText), pLast->m_strText);
        EXPECT_EQ(CString(row.expectedStyle), pLast->m_strStyle);
    }

    // A button dragged off the tool bar lands where it was dropped.
    POINT ptDrop = { 250, 200 };
    m_pView->ClientToScreen(&ptDrop);
    Frame()->SetToolbarDrop(ID_OBJ_BUTTON, ptDrop);
    AnswerSheet(answers, [](CButtonPropSheet* pSheet) { SetCaption(pSheet, "Gezogen"); });
    ViewCommand(ID_VIEW_TOOLBAR_DROP);
    EXPECT_EQ(250, ButtonStruct(ButtonCount() - 1)->m_rect.left);
    EXPECT_EQ(200, ButtonStruct(ButtonCount() - 1)->m_rect.top);

    // Height 481 keeps the sheet with the range message; Cancel then adds nothing.
    MessageBoxRecorder boxes;
    answers.Then([](CDialog* pDlg) {
        CButtonPropSheet* pSheet = static_cast<CButtonPropSheet*>(pDlg);
        pSheet->SetActivePage(1);
        pSheet->GetActivePage()->SetDlgItemText(IDC_BUT_HEIGHT, "481");
        pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    const int nBefore = ButtonCount();
    ViewCommand(ID_OBJ_BUTTON);
    EXPECT_EQ(nBefore, ButtonCount());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, std::string(boxes.Last().strText).find("480"));
}

TEST_F(CanvasTest, AChangeKeepsTheButtonsSounds)
{
    Open(ButtonSection(1, 20, 20, "Eins", "STOPSOUND=1\r\nSTARTSOUND=1\r\nSOUNDFILE=_CURRENTDIR_\\klick.wav\r\n"));
    Click(30, 30);
    ModalAnswers answers;
    AnswerSheet(answers, [](CButtonPropSheet* pSheet) { SetCaption(pSheet, "Neu"); });
    ViewCommand(ID_OBJ_CHANGE);
    ASSERT_EQ(1, ButtonCount());
    CMButCreateStruct* pButton = ButtonStruct(0);
    EXPECT_EQ(CString("Neu"), pButton->m_strText);
    EXPECT_EQ(1, pButton->m_bStopSound);
    EXPECT_EQ(1, pButton->m_bStartSound);
    EXPECT_NE(-1, pButton->m_strSoundFile.Find("klick.wav"));
    EXPECT_EQ(1, m_pView->GetObjects().GetObjectCount());
}

TEST_F(CanvasTest, TenButtonsGreyTheInsertsAndRefuseEveryRoad)
{
    CString sections;
    for (int i = 0; i < 10; ++i)
        sections += ButtonSection(i + 1, 10 + (i / 5) * 150, 10 + (i % 5) * 40, "B");
    Open(sections);
    ASSERT_EQ(10, ButtonCount());
    EXPECT_FALSE(Enabled(ID_OBJ_BUTTON));
    EXPECT_FALSE(Enabled(ID_OBJ_BUTTON_AT_MARK));
    EXPECT_FALSE(Enabled(ID_OBJ_SUBMENU));
    const CString bti = m_folder.Write("knopf.bti", "BM");
    MessageBoxRecorder boxes;
    ModalAnswers answers;
    m_pView->InsertDroppedFile(POINT{ 300, 200 }, bti);
    EXPECT_EQ(10, ButtonCount());
    EXPECT_EQ(10, m_pView->GetObjects().GetObjectCount());
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_NE(std::string::npos, std::string(boxes.Last().strText).find("maximale Anzahl von Button"));
    EXPECT_TRUE(answers.Captions().empty()) << "no sheet opens";

    // Nor does a pasted button find room.
    m_pView->GetObjects().DeselectAll();
    Click(15, 15);
    ViewCommand(ID_EDIT_COPY);
    ViewCommand(ID_EDIT_PASTE);
    EXPECT_EQ(10, ButtonCount());
    EXPECT_EQ(10, m_pView->GetObjects().GetObjectCount());
    EXPECT_EQ(2u, boxes.Count());
}

TEST_F(CanvasTest, DroppedFilesBecomeButtons)
{
    Open("");
    const CString program = m_folder.Write("tool.exe", "MZ");
    const CString pdf = m_folder.Write("handbuch.pdf", "%PDF");
    const CString doc = m_folder.Write("brief.doc", "doc");
    CEditorDropTarget* pTarget = m_pView->GetDropTarget();
    POINT ptScreen = { 200, 150 };
    m_pView->ClientToScreen(&ptScreen);
    const POINTL ptl = { ptScreen.x, ptScreen.y };

    struct Row
    {
        CLIPFORMAT cf;
        HGLOBAL hData;
        DWORD expectedEffect;
        CString expectedApplication, expectedDocument;
    } rows[] = {
        { CF_HDROP, DropFilesBlock(program), DROPEFFECT_COPY, "_CURRENTDIR_\\tool.exe", "" },
        { CF_TEXT, TextBlock(pdf), DROPEFFECT_COPY, "", "_CURRENTDIR_\\handbuch.pdf" },
        { CF_BITMAP, TextBlock("x"), DROPEFFECT_NONE, "", "" },
    };
    for (Row& row : rows)
    {
        SCOPED_TRACE(row.cf);
        OneFormatData data(row.cf, row.hData);
        DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        pTarget->DragEnter(&data, 0, ptl, &dwEffect);
        EXPECT_EQ(row.expectedEffect, dwEffect);
        const int nBefore = ButtonCount();
        ModalAnswers answers;
        answers.Then([](CDialog* pDlg) { pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        pTarget->Drop(&data, 0, ptl, &dwEffect);
        EXPECT_EQ(row.expectedEffect, dwEffect);
        PumpLoop();
        if (row.expectedEffect == DROPEFFECT_NONE)
        {
            EXPECT_EQ(nBefore, ButtonCount());
            continue;
        }
        ASSERT_EQ(nBefore + 1, ButtonCount());
        CMButCreateStruct* pButton = ButtonStruct(nBefore);
        EXPECT_EQ(row.expectedApplication, pButton->m_strApplication);
        EXPECT_EQ(row.expectedDocument, pButton->m_strDocument);
        // At the drop point; a second drop there goes to the slot below the first.
        EXPECT_EQ(200, pButton->m_rect.left);
        EXPECT_EQ(nBefore == 0 ? 150 : ButtonStruct(0)->m_rect.bottom + 10, pButton->m_rect.top);
        m_pView->GetObjects().DeselectAll();
        m_pView->LeaveSelectionMode();
    }

    IUnknown* pOther = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(E_NOINTERFACE, pTarget->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&pOther)));
    EXPECT_EQ(nullptr, pOther);

    // From the shell: the top left corner.
    ModalAnswers answers;
    answers.Then([](CDialog* pDlg) { pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
    const int nBefore = ButtonCount();
    m_pView->PostMessage(WM_DROPFILES, (WPARAM)DropFilesBlock(doc));
    PumpLoop();
    ASSERT_EQ(nBefore + 1, ButtonCount());
    EXPECT_EQ(0, ButtonStruct(nBefore)->m_rect.left);
    EXPECT_EQ(0, ButtonStruct(nBefore)->m_rect.top);
    EXPECT_EQ(CString("_CURRENTDIR_\\brief.doc"), ButtonStruct(nBefore)->m_strDocument);
}

TEST_F(CanvasTest, DeleteCutCopyAndPaste)
{
    Open(ButtonSection(1, 20, 20, "Eins") + ButtonSection(2, 20, 100, "Zwei"));
    Click(30, 30);
    m_pView->PostMessage(WM_KEYDOWN, VK_DELETE, 0);
    PumpLoop();
    ASSERT_EQ(1, ButtonCount());
    EXPECT_EQ(CString("Zwei"), ButtonStruct(0)->m_strText);
    EXPECT_EQ(1, m_pView->GetObjects().GetObjectCount());

    // Copy, then paste twice at the paste point the right click set.
    Click(30, 110);
    ViewCommand(ID_EDIT_COPY);
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, EndTrackedMenu);
    g_bMenuShown = FALSE;
    POINT pt = { 250, 150 };
    m_pView->ClientToScreen(&pt);
    RECT rcWindow;
    m_pView->GetWindowRect(&rcWindow);
    m_pView->SendMessage(WM_CONTEXTMENU, (WPARAM)m_pView->m_hWnd, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(g_bMenuShown);
    const POINT expected = { pt.x - rcWindow.left - 2, pt.y - rcWindow.top - 2 };
    EXPECT_EQ(expected.x, m_pView->GetPastePoint().x);
    ViewCommand(ID_EDIT_PASTE);
    ViewCommand(ID_EDIT_PASTE);
    ASSERT_EQ(3, ButtonCount());
    EXPECT_EQ(expected.x, ButtonStruct(1)->m_rect.left);
    EXPECT_EQ(expected.y, ButtonStruct(1)->m_rect.top);
    EXPECT_EQ(expected.x, ButtonStruct(2)->m_rect.left) << "the second paste goes to the slot below the first";
    EXPECT_EQ(ButtonStruct(1)->m_rect.bottom + 10, ButtonStruct(2)->m_rect.top);
    EXPECT_EQ(3, m_pView->GetObjects().GetObjectCount());

    // From the keyboard the menu opens and the paste point stays.
    g_bMenuShown = FALSE;
    m_pView->SendMessage(WM_CONTEXTMENU, (WPARAM)m_pView->m_hWnd, MAKELPARAM(-1, -1));
    EXPECT_TRUE(g_bMenuShown);
    EXPECT_EQ(expected.x, m_pView->GetPastePoint().x);
    EXPECT_EQ(expected.y, m_pView->GetPastePoint().y);

    // With Ctrl held no menu opens and the paste point stays.
    m_pView->PostMessage(WM_KEYDOWN, VK_CONTROL, 0);
    PumpLoop();
    g_bMenuShown = FALSE;
    m_pView->SendMessage(WM_CONTEXTMENU, (WPARAM)m_pView->m_hWnd, MAKELPARAM(pt.x + 40, pt.y));
    PumpLoop();
    EXPECT_FALSE(g_bMenuShown);
    EXPECT_EQ(expected.x, m_pView->GetPastePoint().x);
    m_pView->PostMessage(WM_KEYUP, VK_CONTROL, 0);
    PumpLoop();
    ::KillTimer(nullptr, nTimer);
}

TEST_F(CanvasTest, CtrlCAndCtrlVFromTheKeyboardCopyAndPasteAButton)
{
    Open(ButtonSection(1, 20, 20, "Eins"));
    Click(30, 30);
    ASSERT_TRUE(m_pView->GetObjects().HasSelection());
    Frame()->SetForegroundWindow();
    m_pView->SetFocus();
    ASSERT_EQ(m_pView->m_hWnd, ::GetFocus());
    PressCtrlWith('C');
    ASSERT_NE(nullptr, m_pDoc->GetClipboard()) << "Ctrl+C copies";
    PressCtrlWith('V');
    ASSERT_EQ(2, ButtonCount()) << "Ctrl+V pastes";
    EXPECT_EQ(CString("Eins"), ButtonStruct(1)->m_strText);
    EXPECT_EQ(std::vector<std::string>(), Overlaps());
}

// The text viewer button starts the viewer on its document; it and the other
// inserts on a reopened page overlap nothing.
TEST_F(CanvasTest, InsertsOnAReopenedPageOverlapNothing)
{
    EditorFolder editor;
    editor.Write("Scrollet.exe", "MZ");
    const CString text = m_folder.Write("liesmich.txt", "Zeile\r\n");
    Open(ButtonSection(1, 10, 10, "Eins"));
    ModalAnswers answers;
    // The text viewer button, the popup button and a paste of the first
    // button at the paste point 10, 10.
    AnswerDialog(answers, { { IDC_VIEWER_DOCUMENT, text } });
    ViewCommand(ID_OBJ_TEXTVIEWER);
    ASSERT_EQ(2, ButtonCount());
    EXPECT_NE(-1, ButtonStruct(1)->m_strApplication.Find("Scrollet.exe"));
    EXPECT_NE(-1, ButtonStruct(1)->m_strParameter.Find("liesmich.txt"));
    EXPECT_EQ(CString("Text"), ButtonStruct(1)->m_strText);
    EXPECT_TRUE(m_pView->GetDefaultButton().m_strApplication.IsEmpty()) << "the next button starts plain";
    AnswerPopup(answers);
    ViewCommand(ID_OBJ_POPUPMENU);
    Click(20, 20);
    ViewCommand(ID_EDIT_COPY);
    ViewCommand(ID_EDIT_PASTE);
    // A text whose place the dialog offered, grown to its text.
    AnswerDialog(answers, { { IDC_TEXT_TEXT, "Ein Text, der breiter ist als sein Platzhalter" } });
    ViewCommand(ID_OBJ_TEXT);
    EXPECT_EQ(5, m_pView->GetObjects().GetObjectCount());
    EXPECT_EQ(std::vector<std::string>(), Overlaps());
}

TEST_F(CanvasTest, DeletingAListBoxTakesItsStartButton)
{
    m_folder.Write("List001.ini", "[SCRIPT]\r\nFOLDER=.\\\r\n[LIST]\r\n");
    CString start = ButtonSection(2, 200, 250, "Start");
    start.Replace("DOKUMENT=\r\n", "DOKUMENT=<LISTBOX>\r\n");
    Open(ButtonSection(1, 20, 20, "Eins") + start +
         "[LISTBOX1]\r\nENABLE=1\r\nFILE=_CURRENTDIR_\\List001.ini\r\nX=200\r\nY=20\r\nW=150\r\nH=200\r\n \r\n");
    ASSERT_EQ(3, m_pView->GetObjects().GetObjectCount());
    m_pView->GetObjects().DeselectAll();
    m_pView->GetObjects().SelectAt(250, 100);
    ViewCommand(ID_OBJ_DELETE);
    EXPECT_EQ(0, (int)m_pDoc->GetPage().GetListBoxes().GetSize());
    ASSERT_EQ(1, ButtonCount());
    EXPECT_EQ(CString("Eins"), ButtonStruct(0)->m_strText);
    EXPECT_EQ(1, m_pView->GetObjects().GetObjectCount());
}

// The wizard's pages driven as the author would: the folder and pattern from
// a chosen file, then Finish on the script page. A welcome page comes only
// with a new list.
void RunListWizard(CDialog* pDlg, BOOL bNew, LPCSTR pszX, LPCSTR pszY, LPCSTR pszButtonText = nullptr)
{
    auto* pSheet = static_cast<CPropertySheet*>(pDlg);
    auto click = [](CWnd* pWnd, int nID) {
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(pWnd->m_hWnd, nID));
    };
    if (bNew)
        click(pSheet, ID_WIZNEXT);
    pSheet->GetActivePage()->SetDlgItemText(IDC_LB_X, pszX);
    pSheet->GetActivePage()->SetDlgItemText(IDC_LB_Y, pszY);
    click(pSheet, ID_WIZNEXT);
    if (bNew)
        click(pSheet->GetActivePage(), IDC_LB_BROWSE);
    click(pSheet, ID_WIZNEXT);
    if (pszButtonText != nullptr)
        pSheet->GetActivePage()->SetDlgItemText(IDC_LB_BUTTON_TEXT, pszButtonText);
    click(pSheet, ID_WIZNEXT);
    testing_support::PumpPendingMessages();
    pSheet->SendMessage(PSM_PRESSBUTTON, PSBTN_FINISH);
    if (pSheet->ContinueModal())
        click(pSheet, IDCANCEL);
}

TEST_F(CanvasTest, AListBoxComesWithItsStartButtonAndChangesThroughTheWizard)
{
    m_folder.Write("Docs\\a.pdf", "a");
    Open("");
    const CSize menu = ClientSize();
    ASSERT_GE(menu.cy, 280) << "room below the list for its start button";
    EXPECT_TRUE(Enabled(ID_OBJ_LISTBOX));
    MessageBoxRecorder boxes;
    testing_support::CommonDialogScript files;
    files.AnswerFile(m_folder.File("Docs\\a.pdf"));
    ModalAnswers answers;
    answers.Then([](CDialog* pDlg) { RunListWizard(pDlg, TRUE, "20", "30"); });
    ViewCommand(ID_OBJ_LISTBOX);
    ASSERT_EQ(1, (int)Page().GetListBoxes().GetSize());
    const CMObjCreateStruct* pList = ListBoxStruct();
    EXPECT_EQ(m_folder.File("Docs\\List001.ini"), pList->m_strText);
    EXPECT_EQ(20, pList->m_rect.left);
    EXPECT_EQ(30, pList->m_rect.top);
    ASSERT_EQ(1, ButtonCount());
    const RECT rcStart = ButtonStruct(0)->m_rect;
    EXPECT_EQ(pList->m_rect.right, rcStart.right) << "the start button stands below the list";
    EXPECT_EQ(pList->m_rect.bottom + 10, rcStart.top);
    EXPECT_EQ(CString("<LISTBOX>"), ButtonStruct(0)->m_strDocument);
    EXPECT_EQ(2, m_pView->GetObjects().GetObjectCount());
    EXPECT_FALSE(Enabled(ID_OBJ_LISTBOX)) << "one list box a page";
    EXPECT_EQ(20, m_pView->GetDefaultRect().left);
    EXPECT_EQ(120, m_pView->GetDefaultRect().right - m_pView->GetDefaultRect().left);

    SaveAndReopen();
    ASSERT_EQ(1, (int)Page().GetListBoxes().GetSize());
    ASSERT_EQ(1, ButtonCount());
    m_pView->GetObjects().DeselectAll();
    m_pView->GetObjects().SelectAt(ListBoxStruct()->m_rect.left + 5,
                                   ListBoxStruct()->m_rect.top + 5);
    answers.Then([](CDialog* pDlg) { RunListWizard(pDlg, FALSE, "40", "50"); });
    ViewCommand(ID_OBJ_CHANGE);
    ASSERT_EQ(1, (int)Page().GetListBoxes().GetSize());
    EXPECT_EQ(40, ListBoxStruct()->m_rect.left);
    EXPECT_EQ(50, ListBoxStruct()->m_rect.top);
    EXPECT_EQ(0, m_folder.File("Docs\\List001.ini").CompareNoCase(ListBoxStruct()->m_strText))
        << "the same list file, as the reopened project spells its folder";
    EXPECT_EQ(2, m_pView->GetObjects().GetObjectCount());
    EXPECT_EQ(0u, boxes.Count());
}

// The start button of a list of programs shows its whole default caption in
// the page's button font, as this machine draws it.
TEST_F(CanvasTest, AListStartButtonHoldsItsWholeCaption)
{
    MessageBoxRecorder boxes;
    InsertList("Tools\\a.exe", [](CDialog* pDlg) { RunListWizard(pDlg, TRUE, "20", "30", "Programm starten"); });
    ASSERT_EQ(1, ButtonCount());
    const CMButCreateStruct* pStart = ButtonStruct(0);
    ASSERT_EQ(CString("Programm starten"), pStart->m_strText);
    HFONT hFont = ::CreateFontIndirectA(&Page().GetButtonStyle().font.m_logFont);
    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE extent = {};
    ::GetTextExtentPoint32A(hDC, pStart->m_strText, pStart->m_strText.GetLength(), &extent);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    ::DeleteObject(hFont);
    // Insets of up to 4 pixels a side and a pixel for the press.
    EXPECT_GE(pStart->m_rect.right - pStart->m_rect.left, extent.cx + 9);
    EXPECT_GE(pStart->m_rect.bottom - pStart->m_rect.top, std::max(26L, extent.cy + 5));
    EXPECT_GE(pStart->m_rect.left, 0);
}

// Choosing an entry of the list, or entering the list, shows the entry's hint
// in the tooltip area, as the player does.
TEST_F(CanvasTest, AListBoxEntryShowsItsHint)
{
    InsertList("Docs\\a.pdf", [](CDialog* pDlg) { RunListWizard(pDlg, TRUE, "20", "30"); });
    const HWND hList = ::GetDlgItem(m_pView->m_hWnd, MENUOBJ_LISTBOX_ID);
    ASSERT_NE(nullptr, hList);
    for (int nCode : { LBN_SELCHANGE, LBN_SETFOCUS })
    {
        SCOPED_TRACE(nCode);
        ::SendMessageA(hList, LB_SETCURSEL, (WPARAM)-1, 0);
        m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(MENUOBJ_LISTBOX_ID, LBN_SELCHANGE), (LPARAM)hList);
        ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
        m_pView->SendMessage(WM_COMMAND, MAKEWPARAM(MENUOBJ_LISTBOX_ID, nCode), (LPARAM)hList);
        EXPECT_EQ(CString("Start: a"), m_pView->GetTooltip().GetText());
    }
}

TEST_F(CanvasTest, SubmenuButtonsKeepTheirPageOnCutAndBackItUpOnDelete)
{
    Open("");
    ViewCommand(ID_OBJ_SUBMENU);
    ASSERT_EQ(1, ButtonCount());
    const CString page = m_folder.File("page01.ini");
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(page));

    m_pView->GetObjects().DeselectAll();
    Click(15, 15);
    ViewCommand(ID_EDIT_CUT);
    EXPECT_EQ(0, ButtonCount());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(page)) << "a cut keeps the page";
    ViewCommand(ID_EDIT_PASTE);
    ASSERT_EQ(1, ButtonCount());

    MessageBoxRecorder boxes;
    m_pView->GetObjects().DeselectAll();
    const RECT rc = ButtonStruct(0)->m_rect;
    Click(rc.left + 5, rc.top + 5);
    ViewCommand(ID_OBJ_DELETE);
    EXPECT_EQ(0, ButtonCount());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(page));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(page + ".bak"));
    EXPECT_FALSE(m_pDoc->IsModified()) << "saved and read again";
}

namespace {

// How often a line stands in a page file.
int LineCount(const CString& strFile, LPCSTR pszLine)
{
    const std::string text = "\n" + std::string((LPCSTR)testing_support::ReadFileText(strFile));
    const std::string line = std::string("\n") + pszLine + "\r\n";
    int nCount = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1))
        ++nCount;
    return nCount;
}

} // namespace

// What is cut or copied on one page is pasted on the next one after a page
// change through the page menu (the save question answered Yes), with its
// files and a popup-menu button's item; each file holds it where it belongs.
TEST_F(CanvasTest, WhatIsCutOrCopiedIsPastedOnTheNextPage)
{
    const char kItem[] = "TEXT=Liesmich:DOCUMENT=_CURRENTDIR_\\liesmich.txt:APPLICATION=:PARAMETER=:FUNCTION=NONE";
    struct Row
    {
        UINT nCommand;
        LPCSTR pszCaption;
        LPCSTR pszLine;      // one of the button's own lines
        LPCSTR pszFile;      // a file it uses, counted on the next page
        int nLeftOnMain;
    } rows[] = {
        { ID_EDIT_CUT, "Video", "BMP=_CURRENTDIR_\\knopf.bmp", "knopf.bmp", 0 },
        { ID_EDIT_COPY, "Video", "BMP=_CURRENTDIR_\\knopf.bmp", "knopf.bmp", 1 },
        { ID_EDIT_CUT, "Mehr", "DOKUMENT=<POPUPMENU00>", "liesmich.txt", 0 },
        { ID_EDIT_COPY, "Mehr", "DOKUMENT=<POPUPMENU00>", "liesmich.txt", 1 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.nCommand == ID_EDIT_CUT ? "cut " : "copy ") + row.pszCaption);
        TempFolder folder;
        const CString main = CopyProject(folder, "full", "024000");
        const CString next = CopyProject(folder, "full", "024000", "seite2.ini");
        CopySample(folder, "full", { "liesmich.txt", "knopf.bmp" });
        MessageBoxRecorder boxes;
        OpenFile(main);
        int nTaken = 0;
        while (nTaken < ButtonCount() && ButtonStruct(nTaken)->m_strText != row.pszCaption)
            ++nTaken;
        ASSERT_LT(nTaken, ButtonCount());
        m_pView->GetObjects().DeselectAll();
        const RECT rc = ButtonStruct(nTaken)->m_rect;
        m_pView->GetObjects().SelectAt(rc.left + 2, rc.top + 2);
        ViewCommand(row.nCommand);

        // The first entry of the page menu is the button "Seite 2"'s page.
        const size_t nBoxes = boxes.Count();
        Command(ID_PAGEMENU_BASE + 1);
        PumpLoop();
        m_pView = ActiveView();
        ASSERT_NE(nullptr, m_pView);
        m_pDoc = m_pView->GetDocument();
        ASSERT_EQ(0, next.CompareNoCase(m_pDoc->GetPathName())) << Text(m_pDoc->GetPathName());
        if (row.nCommand == ID_EDIT_CUT)
            EXPECT_LT(nBoxes, boxes.Count()) << "the save question";
        EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
        const int nButtons = ButtonCount();
        ViewCommand(ID_EDIT_PASTE);
        ASSERT_EQ(nButtons + 1, ButtonCount());
        EXPECT_EQ(CString(row.pszCaption), ButtonStruct(nButtons)->m_strText);
        bool bCounted = false;
        for (const std::string& file : UsedFileCounts(Page()))
            bCounted = bCounted || file.find(row.pszFile) != std::string::npos;
        EXPECT_TRUE(bCounted) << row.pszFile;
        Command(ID_FILE_SAVE);
        EXPECT_FALSE(m_pDoc->IsModified());

        const CString caption = CString("TEXT=") + row.pszCaption;
        EXPECT_EQ(row.nLeftOnMain, LineCount(main, caption));
        EXPECT_EQ(1, LineCount(next, caption));
        EXPECT_EQ(row.nLeftOnMain, LineCount(main, row.pszLine));
        EXPECT_EQ(1, LineCount(next, row.pszLine));
        const bool bPopup = CString(row.pszCaption) == "Mehr";
        EXPECT_EQ(bPopup ? row.nLeftOnMain : 1, LineCount(main, CString("ITEM00=") + kItem));
        EXPECT_EQ(bPopup ? 1 : 0, LineCount(next, CString("ITEM00=") + kItem));
        // The next page read again shows the button, a popup with its item.
        App().CloseAllDocuments(FALSE);
        PumpLoop();
        OpenFile(next);
        ASSERT_EQ(nButtons + 1, ButtonCount());
        EXPECT_EQ(CString(row.pszCaption), ButtonStruct(nButtons)->m_strText);
        EXPECT_EQ(bPopup ? CString(kItem) : CString(), Page().GetPopupMenuText(0));
        App().CloseAllDocuments(FALSE);
        PumpLoop();
    }
}

// On its own page a cut popup-menu button comes back with its item; a copy
// finds the page's one popup slot taken and is refused, as the insert is.
TEST_F(CanvasTest, APopupButtonPastedOnItsOwnPageKeepsItsItemAndStaysTheOnlyOne)
{
    const CString path = CopyProject(m_folder, "full", "024000");
    CopySample(m_folder, "full", { "liesmich.txt", "knopf.bmp" });
    MessageBoxRecorder boxes;
    OpenFile(path);
    const CString item = Page().GetPopupMenuText(0);
    ASSERT_FALSE(item.IsEmpty());
    const int nButtons = ButtonCount();
    struct Row { UINT nCommand; int nButtonsAfter; size_t nBoxes; } rows[] = {
        { ID_EDIT_CUT, nButtons, 0 },
        { ID_EDIT_COPY, nButtons, 1 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.nCommand);
        CMObjButton* pPopup = m_pView->GetObjects().FindButtonByDocument("<POPUPMENU00>");
        ASSERT_NE(nullptr, pPopup);
        m_pView->GetObjects().DeselectAll();
        const RECT rc = pPopup->GetObjectRect();
        m_pView->GetObjects().SelectAt(rc.left + 2, rc.top + 2);
        ViewCommand(row.nCommand);
        const size_t nBoxes = boxes.Count();
        ViewCommand(ID_EDIT_PASTE);
        EXPECT_EQ(row.nButtonsAfter, ButtonCount());
        EXPECT_EQ(row.nBoxes, boxes.Count() - nBoxes);
        EXPECT_EQ(Text(item), Text(Page().GetPopupMenuText(0)));
        EXPECT_TRUE(m_pView->GetObjects().HasPopupMenu());
    }
}

TEST_F(CanvasTest, TheTestRunSavesThenStartsThePlayer)
{
    Open(ButtonSection(1, 20, 20, "Eins"));
    const CString project = m_folder.File("Velconf.ini");
    m_folder.Write("Tarnix.exe", "MZ");
    {
        ProgramStartRecorder starts;
        ViewCommand(ID_PROJECT_TEST);
        PumpLoop();
        ASSERT_EQ(1u, starts.Starts().size());
        EXPECT_EQ("\"" + m_folder.File("Tarnix.exe") + "\" \"" + project + "\"", starts.Starts()[0].strParameters);
        EXPECT_NE(-1, testing_support::ReadFileText(project).Find("[BUTTON1]"));
        EXPECT_FALSE(m_pDoc->m_bTestRun);
    }
    {
        // A failed save starts nothing.
        ProgramStartRecorder starts;
        MessageBoxRecorder boxes;
        HANDLE hHeld = ::CreateFileA(project, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ViewCommand(ID_PROJECT_TEST);
        ::CloseHandle(hHeld);
        EXPECT_TRUE(starts.Starts().empty());
        EXPECT_EQ(1u, boxes.Count());
    }
    {
        ProgramStartRecorder starts;
        MessageBoxRecorder boxes;
        ::DeleteFileA(m_folder.File("Tarnix.exe"));
        ViewCommand(ID_PROJECT_TEST);
        EXPECT_TRUE(starts.Starts().empty());
        ASSERT_EQ(1u, boxes.Count());
        EXPECT_NE(std::string::npos, std::string(boxes.Last().strText).find("Tarnix.exe"));
    }
}

// The frame fits the menu window and keeps its size; the page's dialogs
// change it.
TEST_F(CanvasTest, WindowTitleAndSizeReachTheFrameAndTheFile)
{
    Open(ButtonSection(1, 20, 20, "Eins"));
    EXPECT_EQ(CSize(400, 300), ClientSize());
    m_pView->GetParent()->MoveWindow(0, 0, 600, 500);
    EXPECT_EQ(CSize(400, 300), ClientSize());
    ModalAnswers answers;
    AnswerDialog(answers, { { IDC_TITLE_TEXT, "Neuer Titel" } });
    AnswerDialog(answers, { { IDC_WINPOS_WIDTH, "320" }, { IDC_WINPOS_HEIGHT, "240" } });
    ViewCommand(ID_PAGE_TITLE);
    CString title;
    m_pView->GetParent()->GetWindowText(title);
    EXPECT_EQ(CString("Neuer Titel"), title);
    EXPECT_TRUE(m_pDoc->IsModified());
    ViewCommand(ID_PAGE_WINDOWPOS);
    EXPECT_EQ(CSize(320, 240), ClientSize());
    const CString saved = SavedProject();
    EXPECT_NE(-1, saved.Find("TITLE=Neuer Titel"));
    EXPECT_NE(-1, saved.Find("W=320"));
    EXPECT_EQ(1, m_pView->GetObjects().GetObjectCount()) << "the page was read again";
}

TEST_F(CanvasTest, AReadyButtonImageReachesTheApplication)
{
    Open("");
    ASSERT_TRUE(::OpenClipboard(Frame()->m_hWnd));
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, TextBlock("C:\\Bilder\\knopf.bti"));
    ::CloseClipboard();
    Frame()->SendMessage(::RegisterWindowMessageA("TARNIX_BUTTON_READY"));
    EXPECT_EQ(CString("C:\\Bilder\\knopf.bti"), App().TakeReturnedImageFile());
}

TEST_F(CanvasTest, ObjectDialogsPlaceObjectsThatSurviveSavingAndChangeThem)
{
    const CString clipPath = WriteClip("clip.avi");
    const CString textPath = m_folder.Write("liesmich.txt", "Zeile\r\n");
    const CString bmpPath = WriteBitmap(m_folder, "bild.bmp", 8, 8);
    Open("");
    ModalAnswers answers;
    AnswerDialog(answers, { { IDC_TEXT_TEXT, "Hallo" }, { IDC_OBJ_X, "30" }, { IDC_OBJ_Y, "40" } });
    AnswerDialog(answers, { { IDC_TFIELD_DOCUMENT, textPath }, { IDC_OBJ_X, "200" }, { IDC_OBJ_Y, "20" },
                            { IDC_TFIELD_WIDTH, "150" }, { IDC_TFIELD_HEIGHT, "100" } });
    AnswerDialog(answers, { { IDC_OBJ_FILE, clipPath }, { IDC_AVI_REPEAT, "3" }, { IDC_OBJ_X, "100" },
                            { IDC_OBJ_Y, "150" } }, { IDC_AVI_BORDER });
    AnswerDialog(answers, { { IDC_OBJ_X, "10" }, { IDC_OBJ_Y, "250" } });
    AnswerDialog(answers, { { IDC_OBJ_FILE, bmpPath }, { IDC_OBJ_X, "300" }, { IDC_OBJ_Y, "10" } });
    const UINT commands[] = { ID_OBJ_TEXT, ID_OBJ_TEXTFIELD, ID_OBJ_AVICLIP, ID_OBJ_SLIDER, ID_OBJ_IMAGE };
    for (UINT nID : commands)
    {
        SCOPED_TRACE(nID);
        EXPECT_TRUE(Enabled(nID));
        ViewCommand(nID);
    }
    ASSERT_EQ(5u, answers.Captions().size());
    EXPECT_EQ(5, m_pView->GetObjects().GetObjectCount());
    EXPECT_TRUE(m_pDoc->IsModified());
    EXPECT_TRUE(Enabled(ID_OBJ_TEXT)) << "up to ten texts";
    for (UINT nID : { ID_OBJ_TEXTFIELD, ID_OBJ_AVICLIP, ID_OBJ_SLIDER, ID_OBJ_IMAGE })
    {
        SCOPED_TRACE(nID);
        EXPECT_FALSE(Enabled(nID));
    }

    SaveAndReopen();
    struct Expected
    {
        const CMObjList* pList;
        int x, y, cx, cy;
    } rows[] = {
        { &Page().GetTexts(), 30, 40, -1, -1 },     { &Page().GetTextFields(), 200, 20, 150, 100 },
        { &Page().GetAviClips(), 100, 150, 40, 30 }, { &Page().GetSliders(), 10, 250, 60, 20 },
        { &Page().GetImages(), 300, 10, -1, -1 },
    };
    for (const Expected& row : rows)
    {
        SCOPED_TRACE(row.x);
        ASSERT_EQ(1, row.pList->GetSize());
        const CMObjCreateStruct* pObject = static_cast<CMObjCreateStruct*>(row.pList->GetAt(0));
        EXPECT_EQ(row.x, pObject->m_rect.left);
        EXPECT_EQ(row.y, pObject->m_rect.top);
        if (row.cx >= 0)
        {
            EXPECT_EQ(row.cx, pObject->m_rect.right - pObject->m_rect.left);
            EXPECT_EQ(row.cy, pObject->m_rect.bottom - pObject->m_rect.top);
        }
    }
    EXPECT_EQ(CString("Hallo"), static_cast<CMObjCreateStruct*>(Page().GetTexts().GetAt(0))->m_strText);
    const CViewerCreateStruct* pField = static_cast<CViewerCreateStruct*>(Page().GetTextFields().GetAt(0));
    EXPECT_EQ(textPath.Mid(textPath.ReverseFind('\\')), pField->m_strDocument.Mid(pField->m_strDocument.ReverseFind('\\')));
    const CMObjCreateStruct* pClip = static_cast<CMObjCreateStruct*>(Page().GetAviClips().GetAt(0));
    EXPECT_EQ(0x800000u, pClip->m_dwStyle);
    EXPECT_EQ(3, pClip->m_nRepeat);
    EXPECT_EQ(5, m_pView->GetObjects().GetObjectCount());

    // Changed through their dialogs, objects move and mark the document.
    struct Change
    {
        const CMObjList* pList;
        std::vector<std::pair<int, CString>> texts;
        int x, y;
    } changes[] = {
        { &Page().GetTexts(), { { IDC_TEXT_TEXT, "Neu" }, { IDC_OBJ_X, "60" }, { IDC_OBJ_Y, "70" } }, 60, 70 },
        { &Page().GetSliders(), { { IDC_OBJ_X, "120" }, { IDC_OBJ_Y, "130" } }, 120, 130 },
    };
    for (Change& change : changes)
    {
        SCOPED_TRACE(change.x);
        CMObjCreateStruct* pObject = static_cast<CMObjCreateStruct*>(change.pList->GetAt(0));
        m_pView->GetObjects().DeselectAll();
        Click(pObject->m_rect.left + 2, pObject->m_rect.top + 2);
        ASSERT_TRUE(Enabled(ID_OBJ_CHANGE));
        m_pDoc->SetModifiedFlag(FALSE);
        AnswerDialog(answers, change.texts);
        ViewCommand(ID_OBJ_CHANGE);
        EXPECT_EQ(change.x, pObject->m_rect.left);
        EXPECT_EQ(change.y, pObject->m_rect.top);
        EXPECT_TRUE(m_pDoc->IsModified());
    }
    EXPECT_EQ(CString("Neu"), static_cast<CMObjCreateStruct*>(Page().GetTexts().GetAt(0))->m_strText);
    EXPECT_EQ(5, m_pView->GetObjects().GetObjectCount());
}

TEST_F(CanvasTest, OneOfAKindRefusesASecondAndACancelChangesNothing)
{
    const CString bmpPath = WriteBitmap(m_folder, "bild.bmp", 8, 8);
    Open("[SLIDER1]\r\nENABLE=1\r\nX=10\r\nY=10\r\nW=60\r\nH=20\r\nSTYLE=0\r\n \r\n");
    MessageBoxRecorder boxes;
    ModalAnswers answers;
    ASSERT_EQ(1, Page().GetSliders().GetSize());
    EXPECT_FALSE(Enabled(ID_OBJ_SLIDER));
    ViewCommand(ID_OBJ_SLIDER);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_EQ(1, Page().GetSliders().GetSize());
    // Cancelled dialogs and an empty text add nothing.
    AnswerDialog(answers, { { IDC_TEXT_TEXT, "" } });
    const int nBefore = m_pView->GetObjects().GetObjectCount();
    for (UINT nID : { ID_OBJ_TEXT, ID_OBJ_TEXT, ID_OBJ_TEXTFIELD, ID_OBJ_AVICLIP, ID_OBJ_IMAGE })
        ViewCommand(nID);
    EXPECT_EQ(5u, answers.Captions().size());
    EXPECT_EQ(nBefore, m_pView->GetObjects().GetObjectCount());
    EXPECT_EQ(0, Page().GetTexts().GetSize());

    // The second picture gets the limit box and no dialog.
    AnswerDialog(answers, { { IDC_OBJ_FILE, bmpPath }, { IDC_OBJ_X, "50" }, { IDC_OBJ_Y, "60" } });
    ViewCommand(ID_OBJ_IMAGE);
    ASSERT_EQ(1, Page().GetImages().GetSize());
    const size_t nBoxes = boxes.Count();
    ViewCommand(ID_OBJ_IMAGE);
    EXPECT_EQ(nBoxes + 1, boxes.Count());
    EXPECT_EQ(6u, answers.Captions().size());
    EXPECT_EQ(1, Page().GetImages().GetSize());
}

TEST_F(CanvasTest, PageSettingsDialogsReachTheSavedFile)
{
    const CString wav = m_folder.Write("klick.wav", "RIFF");
    Open("");
    ModalAnswers answers;
    AnswerDialog(answers, { { IDC_SOUND_FILE, wav } }, { IDC_SOUND_ENABLE, IDC_SOUND_LOOP });
    AnswerDialog(answers, {}, { IDC_FLAGS_SHOW_ERRORS, IDC_FLAGS_ESCAPE });
    AnswerDialog(answers, { { IDC_SPLASH_LINE1, "Willkommen" } }, { IDC_SPLASH_ENABLE });
    for (UINT nID : { ID_PAGE_SOUND, ID_PAGE_FLAGS, ID_PAGE_WELCOME })
    {
        SCOPED_TRACE(nID);
        m_pDoc->SetModifiedFlag(FALSE);
        ViewCommand(nID);
        EXPECT_TRUE(m_pDoc->IsModified());
    }
    ASSERT_EQ(3u, answers.Captions().size());
    // A cancelled dialog leaves the page alone.
    m_pDoc->SetModifiedFlag(FALSE);
    ViewCommand(ID_PAGE_SOUND);
    EXPECT_FALSE(m_pDoc->IsModified());

    SaveAndReopen();
    EXPECT_EQ(1, Page().GetSound().bOn);
    EXPECT_EQ(1, Page().GetSound().bRepeat);
    EXPECT_NE(-1, Page().GetSound().strFile.Find("klick.wav"));
    EXPECT_EQ(1, Page().GetWindow().bShowErrors);
    EXPECT_EQ(1, Page().GetWindow().bEscExit);
    EXPECT_EQ(1, Page().GetWelcome().bOn);
    EXPECT_EQ(CString("Willkommen"), Page().GetWelcome().strText[0]);
}

// Each page command with its dialog answered, and what of it the saved file
// gives back when the page is read again.
TEST_F(CanvasTest, PageCommandsReachTheSavedFile)
{
    const CString wav = m_folder.Write("start.wav", "RIFF");
    const CString bmp = WriteBitmap(m_folder, "hinten.bmp", 120, 90);
    auto ok = [](CDialog* pDlg) { pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };
    auto buttonRects = [this]() {
        std::vector<std::string> rects;
        for (int i = 0; i < ButtonCount(); ++i)
        {
            const RECT& rc = ButtonStruct(i)->m_rect;
            rects.push_back(std::to_string(rc.left) + "," + std::to_string(rc.top) + " " +
                            std::to_string(rc.right - rc.left) + "x" + std::to_string(rc.bottom - rc.top));
        }
        std::sort(rects.begin(), rects.end());
        return rects;
    };
    // Both buttons in a rubber band: the alignments work on the selection.
    auto selectBoth = [this]() {
        Mouse(WM_LBUTTONDOWN, 5, 5);
        Mouse(WM_MOUSEMOVE, 390, 290, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, 390, 290);
    };
    const struct
    {
        LPCSTR pszName;
        UINT nCommand;
        std::function<void()> prepare;
        std::function<void(CDialog*)> answer;   // null: no dialog of the modal hook
        std::function<void()> check;            // after the page was saved and read again
    } rows[] = {
        { "background colour", ID_PAGE_BACKCOLOR, [] {}, nullptr,
          [this] { EXPECT_EQ(RGB(12, 34, 56), Page().GetWindow().crBg); } },
        { "desktop", ID_PAGE_DESKTOP, [] {},
          [ok](CDialog* pDlg) { pDlg->CheckDlgButton(IDC_DESKTOP_COVER, BST_CHECKED); ok(pDlg); },
          [this] { EXPECT_EQ(1, Page().GetWindow().bPaintDesktop); } },
        { "virtual drive", ID_PAGE_VIRTUAL_DRIVE, [] {},
          [](CDialog* pDlg) { pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); },
          [this] { EXPECT_FALSE(m_pDoc->IsModified()); } },
        { "tooltips", ID_PAGE_TOOLTIPS, [] {},
          [ok](CDialog* pDlg) {
              pDlg->CheckDlgButton(IDC_TIP_ENABLE, BST_CHECKED);
              pDlg->SetDlgItemText(IDC_TIP_TEXT, "Hinweis");
              // The sample's stored area hangs below its 400x300 page, which
              // the dialog refuses: the author moves it up.
              pDlg->SetDlgItemInt(IDC_TIP_Y, 260);
              pDlg->SetDlgItemInt(IDC_TIP_WIDTH, 360);
              ok(pDlg);
          },
          [this] {
              EXPECT_EQ(1, Page().GetTooltipArea().bOn);
              EXPECT_EQ(CString("Hinweis"), Page().GetTooltipArea().strText);
              const RECT& rc = Page().GetTooltipArea().rc;
              EXPECT_EQ(260, (int)rc.top);
              EXPECT_EQ(360, (int)(rc.right - rc.left));
          } },
        { "button style", ID_STYLE_BUTTONS, [] {},
          [ok](CDialog* pDlg) {
              pDlg->CheckDlgButton(IDC_STYLE_HOVER, BST_UNCHECKED);
              pDlg->CheckRadioButton(IDC_STYLE_AUTO_BRIGHT, IDC_STYLE_MANUAL_BRIGHT, IDC_STYLE_MANUAL_BRIGHT);
              pDlg->SetDlgItemText(IDC_STYLE_BRIGHTNESS, "35");
              ok(pDlg);
          },
          [this] {
              EXPECT_EQ(0, Page().GetButtonStyle().bHover);
              EXPECT_EQ(35, Page().GetButtonStyle().nBrightness);
          } },
        { "start events", ID_PAGE_START_EVENTS, [] {},
          [ok, wav](CDialog* pDlg) {
              pDlg->SetDlgItemText(IDC_SOUND_FILE, wav);
              pDlg->CheckDlgButton(IDC_STARTEV_SOUND, BST_CHECKED);
              pDlg->CheckDlgButton(IDC_STARTEV_SPLASH, BST_CHECKED);
              ok(pDlg);
          },
          [this] {
              EXPECT_EQ(1, Page().GetSound().bOn);
              EXPECT_NE(-1, Page().GetSound().strFile.Find("start.wav"));
              EXPECT_EQ(1, Page().GetWelcome().bOn);
          } },
        { "background picture", ID_PAGE_BACKIMAGE, [] {},
          [ok, bmp](CDialog* pDlg) {
              pDlg->CheckDlgButton(IDC_BKIMG_ENABLE, BST_CHECKED);
              pDlg->SetDlgItemText(IDC_BKIMG_FILE, bmp);
              pDlg->CheckRadioButton(IDC_BKIMG_FIT, IDC_BKIMG_POSITION, IDC_BKIMG_CENTER);
              ok(pDlg);
          },
          [this] {
              EXPECT_EQ(1, Page().GetBackground().bShown);
              EXPECT_EQ(1, Page().GetBackground().nPos);
              EXPECT_NE(-1, Page().GetBackground().strFile.Find("hinten.bmp"));
          } },
        { "align vertically", ID_ALIGN_VERTICAL, selectBoth,
          [ok](CDialog* pDlg) {
              pDlg->SetDlgItemText(IDC_ALIGN_X, "30");
              pDlg->SetDlgItemText(IDC_ALIGN_Y, "40");
              pDlg->SetDlgItemText(IDC_ALIGN_HEIGHT, "30");
              pDlg->SetDlgItemText(IDC_ALIGN_VERT_GAP, "10");
              ok(pDlg);
          },
          [&] { EXPECT_EQ((std::vector<std::string>{ "30,40 120x30", "30,80 120x30" }), buttonRects()); } },
        { "align horizontally", ID_ALIGN_HORIZONTAL, selectBoth,
          [ok](CDialog* pDlg) {
              pDlg->SetDlgItemText(IDC_ALIGN_X, "30");
              pDlg->SetDlgItemText(IDC_ALIGN_Y, "40");
              pDlg->SetDlgItemText(IDC_ALIGN_WIDTH, "120");
              pDlg->SetDlgItemText(IDC_ALIGN_HORZ_GAP, "10");
              ok(pDlg);
          },
          [&] { EXPECT_EQ((std::vector<std::string>{ "160,40 120x26", "30,40 120x26" }), buttonRects()); } },
        { "refresh", ID_PROJECT_REFRESH,
          [this] {
              PageWindow window = Page().GetWindow();
              window.strTitle = "Neu";
              Page().SetWindow(window);
          },
          nullptr, [this] { EXPECT_EQ(CString("Neu"), Page().GetWindow().strTitle); } },
        { "quick help", ID_HELP_OBJECTS, [] {}, ok, [this] { EXPECT_FALSE(m_pDoc->IsModified()); } },
        { "text at the mark", ID_OBJ_TEXT_AT_MARK, [] {},
          [ok](CDialog* pDlg) { pDlg->SetDlgItemText(IDC_TEXT_TEXT, "Hier"); ok(pDlg); },
          [this] {
              ASSERT_EQ(1, Page().GetTexts().GetSize());
              // The mark's corner, on the grid.
              const RECT& rc = static_cast<CMObjCreateStruct*>(Page().GetTexts().GetAt(0))->m_rect;
              EXPECT_NEAR(5, rc.left, 1);
              EXPECT_NEAR(5, rc.top, 1);
          } },
        { "text field at the mark", ID_OBJ_TEXTFIELD_AT_MARK, [] {},
          [ok, this](CDialog* pDlg) {
              pDlg->SetDlgItemText(IDC_TFIELD_DOCUMENT, m_folder.Write("feld.txt", "Zeile\r\n"));
              ok(pDlg);
          },
          [this] {
              ASSERT_EQ(1, Page().GetTextFields().GetSize());
              const RECT& rc = static_cast<CMObjCreateStruct*>(Page().GetTextFields().GetAt(0))->m_rect;
              EXPECT_EQ(10, rc.left);
              EXPECT_EQ(10, rc.top);
              EXPECT_EQ(250, rc.right - rc.left);
              EXPECT_EQ(200, rc.bottom - rc.top);
          } },
        { "button at the mark", ID_OBJ_BUTTON_AT_MARK, [] {},
          [ok](CDialog* pDlg) {
              auto* pSheet = dynamic_cast<CButtonPropSheet*>(pDlg);
              ASSERT_NE(nullptr, pSheet);
              SetCaption(pSheet, "Markiert");
              ok(pDlg);
          },
          [&] {
              ASSERT_EQ(3, ButtonCount());
              EXPECT_EQ(CString("Markiert"), ButtonStruct(2)->m_strText);
              EXPECT_NEAR(5, ButtonStruct(2)->m_rect.left, 1);
              EXPECT_NEAR(5, ButtonStruct(2)->m_rect.top, 1);
          } },
        { "sub-menu at the mark", ID_OBJ_SUBMENU_AT_MARK, [] {}, nullptr,
          [this] {
              ASSERT_EQ(3, ButtonCount());
              EXPECT_EQ(ACTION_NEWPAGE, ButtonStruct(2)->m_nAction);
              EXPECT_NE(nullptr, Page().GetSubPage(1));
          } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszName);
        // Both buttons clear of the marks the inserts start from.
        Open(ButtonSection(1, 20, 230, "Eins") + ButtonSection(2, 200, 230, "Zwei"));
        row.prepare();
        ModalAnswers answers;
        if (row.answer)
            answers.Then(row.answer);
        testing_support::CommonDialogScript colours;
        colours.Answer(IDOK, [](CCommonDialog* pDlg) {
            static_cast<CColorDialog*>(pDlg)->m_cc.rgbResult = RGB(12, 34, 56);
        });
        MessageBoxRecorder boxes;
        ViewCommand(row.nCommand);
        EXPECT_EQ(row.answer ? 1u : 0u, answers.Captions().size());
        EXPECT_EQ(0u, boxes.Count()) << (boxes.Count() ? Text(boxes.Last().strText) : std::string());
        const BOOL bModified = m_pDoc->IsModified();
        ASSERT_TRUE(m_pDoc->OnSaveDocument(m_folder.File("Velconf.ini")));
        m_pDoc->SetModifiedFlag(bModified);
        if (strcmp(row.pszName, "virtual drive") != 0 && strcmp(row.pszName, "quick help") != 0)
        {
            App().CloseAllDocuments(FALSE);
            PumpLoop();
            OpenFile(m_folder.File("Velconf.ini"));
        }
        row.check();
        App().CloseAllDocuments(FALSE);
        PumpLoop();
    }
}

TEST_F(CanvasTest, ADroppedBitmapBecomesTheBackgroundAndFitsTheWindow)
{
    const CString bmp = WriteBitmap(m_folder, "hinten.bmp", 240, 180);
    Open("");
    ModalAnswers answers;
    answers.Then([](CDialog* pDlg) {
        pDlg->CheckRadioButton(IDC_BKIMG_FIT, IDC_BKIMG_POSITION, IDC_BKIMG_FIT);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    m_pView->InsertDroppedFile(POINT{ 20, 20 }, bmp);
    ASSERT_EQ(1u, answers.Captions().size());
    EXPECT_FALSE(m_pDoc->IsModified()) << "saved and read again";
    EXPECT_EQ(1, Page().GetBackground().bShown);
    EXPECT_EQ(1, Page().IsBackgroundLoaded());
    EXPECT_NE(-1, Page().GetBackground().strFile.Find("hinten.bmp"));
    EXPECT_EQ(CSize(240, 180), ClientSize());
    EXPECT_NE(-1, SavedProject().Find("hinten.bmp"));
}

TEST_F(CanvasTest, TheBackgroundDialogKeepsAPictureThatIsOff)
{
    Open("");
    PageBackground background = Page().GetBackground();
    background.bShown = 0;
    Page().SetBackground(background);
    UINT nTicked = BST_CHECKED;
    ModalAnswers answers;
    answers.Then([&](CDialog* pDlg) {
        nTicked = pDlg->IsDlgButtonChecked(IDC_BKIMG_ENABLE);
        pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    ViewCommand(ID_PAGE_BACKIMAGE);
    ASSERT_EQ(1u, answers.Captions().size());
    EXPECT_EQ((UINT)BST_UNCHECKED, nTicked);
    EXPECT_EQ(0, Page().GetBackground().bShown);
}

TEST_F(CanvasTest, APopupButtonIsCutToItsSizeAndKeepsItsItem)
{
    Open("");
    ModalAnswers answers;
    AnswerPopup(answers);
    EXPECT_TRUE(Enabled(ID_OBJ_POPUPMENU));
    Mouse(WM_LBUTTONDOWN, 40, 50);
    Mouse(WM_MOUSEMOVE, 340, 120, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 340, 120);
    const RECT rcMarked = m_pView->GetMarkedRect();
    ASSERT_EQ(300, rcMarked.right - rcMarked.left);
    ViewCommand(ID_OBJ_POPUPMENU);
    ASSERT_EQ(1, ButtonCount());
    const RECT rc = ButtonStruct(0)->m_rect;
    EXPECT_EQ(rcMarked.left, rc.left);
    EXPECT_EQ(200, rc.right - rc.left);
    EXPECT_EQ(30, rc.bottom - rc.top);
    EXPECT_EQ(CString("<POPUPMENU00>"), ButtonStruct(0)->m_strDocument);
    EXPECT_FALSE(Enabled(ID_OBJ_POPUPMENU));
    SaveAndReopen();
    ASSERT_EQ(1, ButtonCount());
    EXPECT_EQ(CString("Mehr"), ButtonStruct(0)->m_strText);
    EXPECT_EQ(CString("Eintrag"), Page().GetPopupMenuText(0));
    EXPECT_FALSE(Enabled(ID_OBJ_POPUPMENU)) << "the reopened page binds its popup";
}

// Deleting a popup button lets go of its items: their files are counted once
// less, and the saved page keeps no popup text.
TEST_F(CanvasTest, DeletingAPopupButtonReleasesItsItemsFilesAndText)
{
    const CString path = CopyProject(m_folder, "full", "024000");
    CopySample(m_folder, "full", { "seite2.ini", "liesmich.txt", "knopf.bmp" });
    CString text = testing_support::ReadFileText(path);
    text.Replace("ERROR=1", "ERROR=0");
    m_folder.Write("Velconf.ini", text);
    OpenFile(path);
    auto readmeCount = [this]() {
        for (const std::string& file : UsedFileCounts(Page()))
            if (file.find("liesmich.txt") != std::string::npos)
                return file.substr(file.rfind(' ') + 1);
        return std::string("0");
    };
    EXPECT_EQ("2", readmeCount()) << "the popup's item and the text field";
    CMObjButton* pPopup = m_pView->GetObjects().FindButtonByDocument("<POPUPMENU00>");
    ASSERT_NE(nullptr, pPopup);
    m_pView->GetObjects().DeselectAll();
    const RECT rc = pPopup->GetObjectRect();
    m_pView->GetObjects().SelectAt(rc.left + 2, rc.top + 2);
    ViewCommand(ID_OBJ_DELETE);
    EXPECT_EQ(nullptr, m_pView->GetObjects().FindButtonByDocument("<POPUPMENU00>"));
    EXPECT_EQ("1", readmeCount());
    EXPECT_TRUE(Page().GetPopupMenuText(0).IsEmpty());
    ASSERT_TRUE(m_pDoc->OnSaveDocument(path));
    EXPECT_EQ(-1, SavedProject().Find("POPUPMENU00"));
    EXPECT_TRUE(Enabled(ID_OBJ_POPUPMENU));
}

TEST_F(CanvasTest, ASiblingProgramMissingBesideTheEditorDisablesItsCommandAndSaysWhy)
{
    EditorFolder editor;
    Open("");
    // The frame's status line, or one made for the test.
    CStatusBar ownBar;
    if (Frame()->GetMessageBar() == nullptr)
        ASSERT_TRUE(ownBar.Create(Frame()));
    const struct
    {
        UINT nID;
        LPCSTR present;
        LPCSTR missing;
    } rows[] = {
        { ID_OBJ_TEXTVIEWER, nullptr, "Scrollet.exe" },
        { ID_OBJ_PDFSTARTER, "Pagolin\\pagolin.ini", "Pagolin\\pagolin.exe" },
        { ID_OBJ_SLIDESHOW, "Slidora\\slidora.exe", "Slidora\\slidora.ini" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.missing);
        if (row.present != nullptr)
            editor.Write(row.present, "MZ");
        EXPECT_FALSE(Enabled(row.nID));
        // Reached all the same (a tool bar drop): nothing opens, nothing is copied.
        ModalAnswers answers;
        Frame()->GetMessageBar()->SetWindowText("");
        ViewCommand(row.nID);
        EXPECT_EQ(0u, answers.Captions().size());
        EXPECT_EQ(0, ButtonCount());
        char status[200] = "";
        Frame()->GetMessageBar()->GetWindowText(status, sizeof(status));
        EXPECT_NE(nullptr, strstr(status, row.missing)) << status;
        // The same reason stands where the menu item's prompt would.
        Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_OBJ_BUTTON, 0), 0);
        Frame()->SendMessage(WM_MENUSELECT, MAKEWPARAM(row.nID, MF_GRAYED), 0);
        Frame()->GetMessageBar()->GetWindowText(status, sizeof(status));
        EXPECT_NE(nullptr, strstr(status, row.missing)) << status;
        editor.Write(row.missing, "MZ");
        EXPECT_TRUE(Enabled(row.nID));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_folder.File("Scrollet.exe")));
    if (ownBar.m_hWnd != nullptr)
        ownBar.DestroyWindow();
}

// A PDF or slide show button: a reader not yet remembered is asked for and
// remembered, a remembered one is not asked for, a cancelled insertion adds
// nothing, and the starter, the document and the reader's setup are copied
// into the chosen folder.
TEST_F(CanvasTest, AReaderDocumentButtonStartsTheStarterOnTheCopiedDocument)
{
    const struct
    {
        UINT nID;
        LPCSTR pszStarter, pszKey, pszSetup, pszDocument, pszFolder, pszSetupFolder, pszText;
        bool bRemembered;
    } rows[] = {
        { ID_OBJ_PDFSTARTER, "Pagolin\\pagolin", "PDF", "ReaderSetup.exe", "Preise.pdf", "PdfFiles", "PdfSetup",
          "Preisliste", false },
        { ID_OBJ_SLIDESHOW, "Slidora\\slidora", "PPS", "ShowSetup.exe", "Vortrag.pps", "PpsFiles", "PpsSetup",
          "Vortrag", true },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pszKey);
        EditorFolder editor;
        editor.Write(CString(row.pszStarter) + ".exe", "starter");
        editor.Write(CString(row.pszStarter) + ".ini", "[SETTINGS]\r\n");
        TempFolder outside;
        const CString setup = outside.Write(row.pszSetup, "setup");
        const CString document = outside.Write(row.pszDocument, "document");
        App().WriteProfileString("VIEWER", row.pszKey, row.bRemembered ? setup : CString());
        Open("");
        EXPECT_TRUE(Enabled(row.nID));
        MessageBoxRecorder boxes;
        ModalAnswers answers;
        if (row.bRemembered)
        {
            ViewCommand(row.nID);   // the insertion cancelled
            EXPECT_EQ(1u, answers.Captions().size());
            EXPECT_EQ(0, m_pView->GetObjects().GetObjectCount());
        }
        else
            answers.Then([setup](CDialog* pDlg) {
                ASSERT_NE(nullptr, dynamic_cast<CViewerSetupDlg*>(pDlg));
                pDlg->SetDlgItemText(IDC_INS_SETUP_PATH, setup);
                pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            });
        answers.Then([&](CDialog* pDlg) {
            ASSERT_NE(nullptr, dynamic_cast<CDocumentInsertDlg*>(pDlg));
            pDlg->SetDlgItemText(IDC_INS_DOCUMENT, document);
            pDlg->SetDlgItemText(IDC_INS_FOLDER, row.pszFolder);
            pDlg->SetDlgItemText(IDC_INS_BUTTON_TEXT, row.pszText);
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        ViewCommand(row.nID);
        const CString remembered = App().GetProfileString("VIEWER", row.pszKey, "");
        App().WriteProfileString("VIEWER", row.pszKey, "");
        EXPECT_EQ(0u, boxes.Count());
        EXPECT_EQ(2u, answers.Captions().size());
        EXPECT_EQ(setup, remembered);
        ASSERT_EQ(1, ButtonCount());
        EXPECT_EQ(1, m_pView->GetObjects().GetObjectCount());
        const CString folder(row.pszFolder), starter = folder + strrchr(row.pszStarter, '\\') + ".exe";
        EXPECT_EQ(starter, ButtonStruct(0)->m_strApplication);
        EXPECT_EQ(CString("/O \"") + row.pszDocument + "\"", ButtonStruct(0)->m_strParameter);
        EXPECT_TRUE(ButtonStruct(0)->m_strDocument.IsEmpty());
        EXPECT_EQ(CString(row.pszText), ButtonStruct(0)->m_strText);
        EXPECT_EQ(CString("document"), testing_support::ReadFileText(m_folder.File(folder + "\\" + row.pszDocument)));
        EXPECT_EQ(CString("starter"), testing_support::ReadFileText(m_folder.File(starter)));
        EXPECT_EQ(CString("setup"), testing_support::ReadFileText(
                                        m_folder.File(folder + "\\" + row.pszSetupFolder + "\\" + row.pszSetup)));
        EXPECT_TRUE(m_pView->GetDefaultButton().m_strApplication.IsEmpty()) << "the next button starts plain";
        MessageBoxRecorder closing;
        closing.Answer(IDNO);
        App().CloseAllDocuments(FALSE);
        PumpLoop();
    }
}

TEST_F(CanvasTest, ADroppedClipOpensItsDialogOnlyWhenPlayable)
{
    const CString good = WriteClip("gut.avi");
    const CString bad = WriteClip("gepackt.avi", mmioFOURCC('X', 'V', 'I', 'D'));
    Open("");
    MessageBoxRecorder boxes;
    ModalAnswers answers;
    m_pView->InsertDroppedFile(POINT{ 60, 70 }, bad);
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_TRUE(answers.Captions().empty());
    AnswerDialog(answers, {});
    m_pView->InsertDroppedFile(POINT{ 60, 70 }, good);
    ASSERT_EQ(1u, answers.Captions().size());
    ASSERT_EQ(1, Page().GetAviClips().GetSize());
    const CMObjCreateStruct* pClip = static_cast<CMObjCreateStruct*>(Page().GetAviClips().GetAt(0));
    EXPECT_EQ(60, pClip->m_rect.left);
    EXPECT_EQ(70, pClip->m_rect.top);
    EXPECT_EQ(good, pClip->m_strText);
    EXPECT_EQ(1, m_pView->GetObjects().GetObjectCount());
}

TEST(CanvasPlacement, NextSlotWalksDownThenRightThenRestarts)
{
    const SIZE client = { 400, 300 };
    const struct
    {
        int x, y, dx, dy, step;
        POINT expected;
    } rows[] = {
        { 10, 10, 110, 36, 1, { 10, 46 } },
        { 10, 250, 110, 36, 1, { 120, 10 } },     // 286 is past 270: next column
        { 300, 250, 110, 36, 1, { 10, 10 } },     // 410 is past 350: the top left again
        { 10, 10, 111, 37, 2, { 10, 46 } },       // steps snapped to the grid
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.y);
        const POINT pt = CTarnixEdView::NextSlot(row.x, row.y, row.dx, row.dy, row.step, client);
        EXPECT_EQ(row.expected.x, pt.x);
        EXPECT_EQ(row.expected.y, pt.y);
    }
}

TEST(CanvasPlacement, ANewObjectFindsTheFirstFreePlaceInsideThePage)
{
    const std::vector<RECT> taken = { { 10, 10, 110, 36 }, { 10, 46, 110, 72 }, { 120, 10, 220, 250 } };
    const struct
    {
        LPCSTR what;
        RECT wanted;
        SIZE page;
        RECT expected;
    } rows[] = {
        { "free where asked", { 250, 100, 350, 126 }, { 400, 300 }, { 250, 100, 350, 126 } },
        { "the slots below", { 10, 10, 110, 36 }, { 400, 300 }, { 10, 82, 110, 108 } },
        { "past the page's edge, pushed in", { 350, 290, 450, 316 }, { 400, 300 }, { 300, 274, 400, 300 } },
        { "the next column after the bottom", { 120, 200, 220, 226 }, { 400, 300 }, { 230, 10, 330, 36 } },
        { "the raster when no slot is free", { 10, 10, 390, 36 }, { 400, 280 }, { 10, 250, 390, 276 } },
        { "a full page keeps the place", { 0, 0, 400, 300 }, { 400, 300 }, { 0, 0, 400, 300 } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.what);
        const RECT rc = CTarnixEdView::FindFreePlace(row.wanted, taken, row.page, 2);
        EXPECT_TRUE(::EqualRect(&row.expected, &rc)) << rc.left << "," << rc.top << "," << rc.right << ","
                                                     << rc.bottom;
    }
}

TEST(CanvasPlacement, AListIsPushedInsideAndItsStartButtonFindsRoom)
{
    const SIZE menu = { 400, 300 };
    const struct
    {
        RECT list;
        RECT pushed;
        RECT start;
    } rows[] = {
        { { 10, 10, 210, 210 }, { 10, 10, 210, 210 }, { 70, 220, 210, 248 } },     // below
        { { 10, 100, 210, 300 }, { 10, 100, 210, 300 }, { 220, 270, 360, 298 } },  // bottom row, right
        { { 300, 100, 500, 400 }, { 200, 0, 400, 300 }, { 50, 270, 190, 298 } },   // pushed; left of it
        { { 10, 60, 400, 300 }, { 10, 60, 400, 300 }, { 250, 30, 400, 56 } },      // above
        { { -50, 0, 420, 310 }, { 0, 0, 400, 300 }, { 0, 0, 140, 28 } },           // nowhere else
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.list.left);
        const RECT pushed = CTarnixEdView::PushInsideMenu(row.list, menu);
        EXPECT_TRUE(::EqualRect(&row.pushed, &pushed)) << pushed.left << "," << pushed.top << "," << pushed.right
                                                       << "," << pushed.bottom;
        const RECT start = CTarnixEdView::ListStartButtonRect(pushed, menu);
        EXPECT_TRUE(::EqualRect(&row.start, &start)) << start.left << "," << start.top << "," << start.right << ","
                                                     << start.bottom;
    }
}
