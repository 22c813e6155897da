#include "shared/menuobj/MenuObjects.h"

#include "shared/menuobj/ActionKeywords.h"
#include "shared/menuobj/AviCtrl.h"
#include "shared/menuobj/ButBasis.h"
#include "shared/menuobj/MObjAviCtrl.h"
#include "shared/menuobj/MObjButBmp.h"
#include "shared/menuobj/MObjButColor.h"
#include "shared/menuobj/MObjButImage.h"
#include "shared/menuobj/MObjButTrans.h"
#include "shared/menuobj/MObjButUrl.h"
#include "shared/menuobj/MObjButWin.h"
#include "shared/menuobj/MObjScriptListBox.h"
#include "shared/menuobj/MObjScrollet.h"
#include "shared/menuobj/MObjSlider.h"
#include "shared/menuobj/MObjStaticImage.h"
#include "shared/menuobj/MObjStaticText.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/ViewerCreateStruct.h"

#include "AviTestFiles.h"
#include "ObjWndTesting.h"
#include "shared/support/Values.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace objwnd_testing;
using menuobj_testing::BitmapCanvas;
using testing_values::Ints;
typedef std::vector<CObject*> Objects;

namespace {

// A page window with its container; the structs outlive the objects.
class MenuObjectsTest : public ::testing::Test
{
protected:
    void InitPage(BOOL bEditMode, int nMaxCount = MENUOBJ_MAX_COUNT)
    {
        m_objects.Init(&m_page, MENUOBJ_FIRST_ID, nMaxCount, bEditMode);
    }

    CMButCreateStruct* NewButton(const RECT& rc, LPCSTR lpszStyle = "W", LPCSTR lpszDocument = "")
    {
        m_buttons.push_back(std::make_unique<CMButCreateStruct>());
        CMButCreateStruct* p = m_buttons.back().get();
        p->m_rect = rc;
        p->m_strStyle = lpszStyle;
        p->m_strText = "Go";
        p->m_strDocument = lpszDocument;
        return p;
    }

    CMButCreateStruct* AddButton(const RECT& rc, LPCSTR lpszStyle = "W")
    {
        CMButCreateStruct* p = NewButton(rc, lpszStyle);
        EXPECT_TRUE(m_objects.AddButton(p));
        return p;
    }

    CMTextCreateStruct* NewText(int x, int y, LPCSTR lpszText = "Welcome")
    {
        m_texts.push_back(std::make_unique<CMTextCreateStruct>());
        CMTextCreateStruct* p = m_texts.back().get();
        p->m_rect = { x, y, x + 10, y + 10 };
        p->m_strText = lpszText;
        return p;
    }

    CString WriteClip(LPCSTR lpszName, int cx, int cy)
    {
        menuobj_testing::AviClip clip;
        clip.cx = cx;
        clip.cy = cy;
        menuobj_testing::AviBytes avi(clip);
        return m_folder.Write(lpszName, avi.Bytes().data(), avi.Bytes().size());
    }

    // A list file of the named entries, each file "<name>.txt".
    CString WriteList(LPCSTR lpszName, std::initializer_list<LPCSTR> names)
    {
        CString strText = testing_support::Lines({ "[SCRIPT]", "DOCUMENT=%1", "APPLICATION=", "PARAMETER=",
                                                   "FOLDER=.\\", "EXT=*.txt", "BUTTONTEXT=Open", "[LIST]" });
        for (LPCSTR lpszEntry : names)
        {
            CString strLine;
            strLine.Format("LISTITEM=%s:FILE=%s.txt:TOOLTIP=Start: %s\r\n", lpszEntry, lpszEntry, lpszEntry);
            strText += strLine;
        }
        return m_folder.Write(lpszName, strText);
    }

    CMButCreateStruct* NewListBox(const RECT& rc, const CString& strListFile)
    {
        CMButCreateStruct* p = NewButton(rc, "W", "");
        p->m_strText = strListFile;
        return p;
    }

    static HWND ListWindowOf(CMObjBasis* pObject)
    {
        return static_cast<CMObjScriptListBox*>(pObject)->GetObjectWnd()->GetSafeHwnd();
    }

    CMObjBasis* ObjectAt(int nIndex) const { return m_objects.GetObjectAt(nIndex); }

    // The objects of the page in their order.
    Objects AllObjects() const
    {
        Objects all;
        for (int i = 0; i < m_objects.GetObjectCount(); ++i)
            all.push_back(ObjectAt(i));
        return all;
    }
    static Objects Elements(const CObArray& array)
    {
        Objects all;
        for (int i = 0; i < array.GetSize(); ++i)
            all.push_back(array.GetAt(i));
        return all;
    }
    static Ints TabNumbers(std::initializer_list<CMObjBasis*> objects)
    {
        Ints numbers;
        for (CMObjBasis* pObject : objects)
            numbers.push_back(pObject->GetTabNumber());
        return numbers;
    }

    HWND WindowOf(int nIndex) const
    {
        CBasisObj* pWnd = ObjectAt(nIndex)->GetObjectWnd();
        return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    }

    menuobj_testing::MainWindowScope m_mainWnd;   // texts are measured on it
    CTestPage m_page;
    CRecordingProgram m_program{ &m_page };
    testing_support::TempFolder m_folder;
    std::vector<std::unique_ptr<CMButCreateStruct>> m_buttons;
    std::vector<std::unique_ptr<CMTextCreateStruct>> m_texts;
    CMenuObjects m_objects;
};

} // namespace

TEST_F(MenuObjectsTest, AddedObjectsAreNumberedAndGetTheirControlIds)
{
    InitPage(FALSE);
    CMButCreateStruct* pFirst = NewButton({ 10, 10, 90, 40 });
    pFirst->m_nAction = ACTION_MESSAGE;
    CMButCreateStruct* pSecond = NewButton({ 10, 50, 90, 80 });
    pSecond->m_nAction = ACTION_NEWPAGE;
    CMButCreateStruct* pThird = NewButton({ 10, 90, 90, 120 });
    pThird->m_nAction = ACTION_PLAYAVI;
    CMTextCreateStruct* pText = NewText(120, 10);

    ASSERT_TRUE(m_objects.AddButton(pFirst));
    ASSERT_TRUE(m_objects.AddStaticText(pText));
    ASSERT_TRUE(m_objects.AddButton(pSecond));
    ASSERT_TRUE(m_objects.AddButton(pThird));

    ASSERT_EQ(4, m_objects.GetObjectCount());
    EXPECT_EQ((Ints{ MOBJ_BUTTON, MOBJ_TEXT }), (Ints{ pFirst->m_nType, pText->m_nType }));
    EXPECT_EQ((Ints{ 5000, 5001, 5002, 5003 }),
              (Ints{ pFirst->m_nID, ::GetDlgCtrlID(WindowOf(1)), pSecond->m_nID, pThird->m_nID }));
    EXPECT_EQ(m_page.GetSafeHwnd(), ::GetParent(WindowOf(0)));
    // Running numbers for every button, action numbers only for those that
    // start no program of their own.
    EXPECT_EQ((Ints{ 1, 2, 3, 1, 0, 2 }), (Ints{ pFirst->m_nNumber, pSecond->m_nNumber, pThird->m_nNumber,
                                                pFirst->m_nActionNumber, pSecond->m_nActionNumber,
                                                pThird->m_nActionNumber }));
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(i + 1, ObjectAt(i)->GetTabNumber());
        EXPECT_FALSE(ObjectAt(i)->IsSelected()) << "run mode selects nothing";
    }
    EXPECT_EQ(nullptr, m_objects.GetSelectedObject());

    // A new page starts numbering again; the action numbers run on.
    InitPage(FALSE);
    EXPECT_EQ(0, m_objects.GetObjectCount());
    EXPECT_FALSE(::IsWindow(pFirst->m_nID ? ::GetDlgItem(m_page, 5000) : nullptr));
    CMButCreateStruct* pNext = AddButton({ 0, 0, 50, 20 });
    EXPECT_EQ((Ints{ 1, 3 }), (Ints{ pNext->m_nNumber, pNext->m_nActionNumber }));
}

TEST_F(MenuObjectsTest, TheStyleLetterChoosesTheButtonClass)
{
    InitPage(TRUE);
    CString strBmp = WriteBmp(m_folder, "color.bmp", BandedBmp(30, { { 20, 0xFF0000 } }));
    struct Case
    {
        LPCSTR lpszStyle;
        BOOL bBitmap;
        const CRuntimeClass* pClass;
    } cases[] = {
        { "DRAW", FALSE, RUNTIME_CLASS(CMObjButTrans) },   { "HYPERTEXT", FALSE, RUNTIME_CLASS(CMObjButUrl) },
        { "IMAGE", FALSE, RUNTIME_CLASS(CMObjButImage) },  { "MONOCHROME", TRUE, RUNTIME_CLASS(CMObjButColor) },
        { "MONOCHROME", FALSE, RUNTIME_CLASS(CMObjButWin) }, { "OFFICE", FALSE, RUNTIME_CLASS(CMObjButWin) },
        { "X", FALSE, RUNTIME_CLASS(CMObjButWin) },         { "", FALSE, RUNTIME_CLASS(CMObjButWin) },
    };
    int nIndex = 0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.lpszStyle);
        CMButCreateStruct* p = NewButton({ 10, 10, 80, 30 }, c.lpszStyle);
        if (c.bBitmap)
            p->m_strBitmap = strBmp;
        ASSERT_TRUE(m_objects.AddButton(p));
        EXPECT_STREQ(c.pClass->m_lpszClassName, ObjectAt(nIndex)->GetRuntimeClass()->m_lpszClassName);
        EXPECT_NE(nullptr, WindowOf(nIndex));
        ++nIndex;
    }
}

TEST_F(MenuObjectsTest, AButtonWhoseWindowFailsIsNotAdded)
{
    InitPage(TRUE);
    testing_support::MessageBoxRecorder boxes;
    AddButton({ 10, 10, 80, 30 });
    CMButCreateStruct* pBmp = NewButton({ 10, 40, 80, 60 }, "BITMAP");
    pBmp->m_strBitmap = m_folder.File("missing.bmp");
    EXPECT_FALSE(m_objects.AddButton(pBmp));
    EXPECT_EQ(1, m_objects.GetObjectCount());
    EXPECT_EQ(1u, boxes.Count());
    EXPECT_TRUE(ObjectAt(0)->IsSelected()) << "the selection stays with the last object added";
}

TEST_F(MenuObjectsTest, AFullPageRefusesEveryKind)
{
    InitPage(TRUE);
    ASSERT_TRUE(m_objects.AddStaticText(NewText(50, 0)));
    for (int i = 1; i < MENUOBJ_MAX_COUNT; ++i)
        AddButton({ 0, i * 10, 40, i * 10 + 10 });
    ASSERT_EQ(27, m_objects.GetObjectCount());
    EXPECT_EQ(5026, m_buttons.back()->m_nID);

    EXPECT_FALSE(m_objects.AddButton(NewButton({ 0, 60, 40, 80 })));
    EXPECT_FALSE(m_objects.AddStaticText(NewText(50, 60)));
    CViewerCreateStruct viewer;
    viewer.m_rect = { 100, 100, 200, 200 };
    EXPECT_FALSE(m_objects.AddScrollet(&viewer));
    CMObjCreateStruct picture;
    picture.m_strText = WriteBmp(m_folder, "p.bmp", BandedBmp(8, { { 8, 0x0000FF } }));
    EXPECT_FALSE(m_objects.AddStaticImage(&picture));
    CMObjCreateStruct slider;
    slider.m_rect = { 100, 200, 200, 220 };
    m_objects.AddSlider(&slider);
    EXPECT_EQ(27, m_objects.GetObjectCount());
    EXPECT_EQ(nullptr, ::GetDlgItem(m_page, 5027));

    // The list box has an id of its own outside the numbering.
    CMButCreateStruct* pList = NewListBox({ 200, 10, 300, 100 }, WriteList("List001.ini", { "One" }));
    m_objects.AddListBox(pList);
    ASSERT_EQ(28, m_objects.GetObjectCount());
    EXPECT_EQ((Ints{ MOBJ_LISTBOX, MENUOBJ_LISTBOX_ID }), (Ints{ pList->m_nType, pList->m_nID }));
    EXPECT_TRUE(ObjectAt(27)->IsKindOf(RUNTIME_CLASS(CMObjScriptListBox)));
    EXPECT_EQ(MENUOBJ_LISTBOX_ID, ::GetDlgCtrlID(ListWindowOf(ObjectAt(27))));
    EXPECT_TRUE(ObjectAt(27)->IsSelected());
}

TEST_F(MenuObjectsTest, TextViewerAndPictureObjectsAreAddedWithTheirWindows)
{
    InitPage(FALSE);
    CViewerCreateStruct viewer;
    viewer.m_rect = { 10, 10, 150, 100 };
    viewer.m_strDocument = m_folder.Write("read.txt", testing_support::Lines({ "one", "two" }));
    CMObjCreateStruct picture;
    picture.m_rect = { 200, 20, 201, 21 };
    picture.m_strText = WriteBmp(m_folder, "p.bmp", BandedBmp(16, { { 12, 0x0000FF } }));

    ASSERT_TRUE(m_objects.AddScrollet(&viewer));
    ASSERT_TRUE(m_objects.AddStaticImage(&picture));
    EXPECT_EQ((Ints{ MOBJ_VIEWER, MOBJ_PICTURE, 5000, 5001 }),
              (Ints{ viewer.m_nType, picture.m_nType, ::GetDlgCtrlID(WindowOf(0)), picture.m_nID }));
    EXPECT_EQ(CRect(200, 20, 216, 32), CRect(picture.m_rect)) << "the picture's own size";
    EXPECT_TRUE(ObjectAt(0)->IsKindOf(RUNTIME_CLASS(CMObjScrollet)));
    EXPECT_TRUE(ObjectAt(1)->IsKindOf(RUNTIME_CLASS(CMObjStaticImage)));
}

TEST_F(MenuObjectsTest, DesignModeSelectsEachNewObjectAloneWithTheGridStep)
{
    InitPage(TRUE);
    m_objects.SetGridSize(10);
    AddButton({ 10, 10, 80, 30 });
    ASSERT_TRUE(m_objects.AddStaticText(NewText(100, 10)));
    EXPECT_FALSE(ObjectAt(0)->IsSelected());
    EXPECT_TRUE(ObjectAt(1)->IsSelected());
    EXPECT_EQ(ObjectAt(1), m_objects.GetSelectedObject());
    EXPECT_EQ(10, ObjectAt(1)->GetGridSize());

    m_objects.SetGridSize(5);
    EXPECT_EQ(5, ObjectAt(0)->GetGridSize()) << "buttons take the step";
    EXPECT_EQ(10, ObjectAt(1)->GetGridSize()) << "other kinds keep their own";
}

TEST_F(MenuObjectsTest, HitTestsAndSelectionByPointAndRectangle)
{
    InitPage(TRUE);
    AddButton({ 10, 10, 110, 60 });
    AddButton({ 50, 30, 150, 80 });
    AddButton({ 200, 10, 250, 40 });
    m_objects.DeselectAll();

    // (60, 40) lies on the first two: the later one is on top.
    EXPECT_EQ(ObjectAt(0), m_objects.FindObjectAt(60, 40));
    m_objects.SelectOnlyAt(60, 40);
    EXPECT_FALSE(ObjectAt(0)->IsSelected());
    EXPECT_TRUE(ObjectAt(1)->IsSelected());
    EXPECT_TRUE(m_objects.IsSelectedAt(60, 40));
    EXPECT_FALSE(m_objects.IsSelectedAt(20, 20));
    EXPECT_FALSE(m_objects.IsSelectedAt(300, 200));

    m_objects.SelectOnlyAt(300, 200);
    EXPECT_TRUE(ObjectAt(1)->IsSelected()) << "empty space keeps the selection";
    EXPECT_EQ(nullptr, m_objects.FindObjectAt(110, 20)) << "the right edge lies outside";

    auto selected = [this] {
        return Ints{ ObjectAt(0)->IsSelected(), ObjectAt(1)->IsSelected(), ObjectAt(2)->IsSelected() };
    };
    m_objects.SelectOnlyAt(220, 20);
    EXPECT_EQ((Ints{ 0, 0, 1 }), selected());
    m_objects.SelectAt(60, 40);
    EXPECT_EQ((Ints{ 1, 1, 1 }), selected());

    m_objects.DeselectAll();
    EXPECT_FALSE(m_objects.HasSelection());
    m_objects.SelectInRect(CRect(0, 0, 150, 80));
    EXPECT_EQ((Ints{ 1, 1, 0 }), selected()) << "edges count as inside";
    EXPECT_EQ(ObjectAt(0), m_objects.GetSelectedObject());
}

TEST_F(MenuObjectsTest, DeletingNeedsDesignMode)
{
    InitPage(FALSE);
    AddButton({ 10, 10, 80, 30 });
    ObjectAt(0)->SetSelected(TRUE);
    EXPECT_TRUE(m_objects.HasSelection());
    EXPECT_EQ(nullptr, m_objects.GetSelectedObject());
    EXPECT_FALSE(m_objects.DeleteSelected());
    EXPECT_FALSE(m_objects.DeleteObject(ObjectAt(0)));
    EXPECT_EQ(1, m_objects.GetObjectCount());

    InitPage(TRUE);
    AddButton({ 10, 10, 80, 30 });
    AddButton({ 10, 40, 80, 60 });
    HWND hSecond = WindowOf(1);
    EXPECT_TRUE(m_objects.DeleteSelected());
    EXPECT_EQ(1, m_objects.GetObjectCount());
    EXPECT_FALSE(::IsWindow(hSecond));
    EXPECT_FALSE(m_objects.DeleteSelected()) << "nothing selected any more";

    CMObjButWin stranger;
    EXPECT_FALSE(m_objects.DeleteObject(&stranger));
    EXPECT_TRUE(m_objects.DeleteObject(ObjectAt(0)));
    EXPECT_EQ(0, m_objects.GetObjectCount());
}

TEST_F(MenuObjectsTest, ADragMovesEveryFrameOrNone)
{
    InitPage(TRUE);
    CMButCreateStruct* pLeft = AddButton({ 10, 10, 60, 30 });
    CMButCreateStruct* pRight = AddButton({ 100, 10, 150, 30 });
    CMButCreateStruct* pOther = AddButton({ 100, 100, 150, 120 });
    m_objects.DeselectAll();
    ObjectAt(0)->SetSelected(TRUE);
    ObjectAt(1)->SetSelected(TRUE);

    // The left frame starts at 7: moving 8 to the left would cross 0.
    m_objects.Drag(-8, 0, 400, 300);
    EXPECT_EQ(CRect(7, 7, 63, 33), CRect(ObjectAt(0)->GetFrameRect()));
    EXPECT_EQ(CRect(97, 7, 153, 33), CRect(ObjectAt(1)->GetFrameRect()));
    m_objects.Drag(-7, 0, 400, 300);
    EXPECT_EQ(0, ObjectAt(0)->GetFrameRect().left) << "exactly to the edge";
    EXPECT_EQ(90, ObjectAt(1)->GetFrameRect().left);
    // The right frame ends at 146: 154 more would pass the width of 300.
    m_objects.Drag(155, 0, 300, 300);
    EXPECT_EQ(0, ObjectAt(0)->GetFrameRect().left);
    m_objects.Drag(154, 27, 300, 300);
    EXPECT_EQ(CRect(244, 34, 300, 60), CRect(ObjectAt(1)->GetFrameRect()));
    EXPECT_EQ(CRect(97, 97, 153, 123), CRect(ObjectAt(2)->GetFrameRect())) << "not selected";

    m_objects.SetGridSize(10);
    m_objects.ApplyDrag();
    EXPECT_EQ(CRect(150, 30, 200, 50), CRect(pLeft->m_rect)) << "left and top on the grid, size kept";
    EXPECT_EQ(CRect(240, 30, 290, 50), CRect(pRight->m_rect));
    EXPECT_EQ(CRect(100, 100, 150, 120), CRect(pOther->m_rect));
    EXPECT_EQ(CRect(240, 30, 290, 50), RectInParent(*static_cast<CMObjButton*>(ObjectAt(1))->GetButtonWnd()));
}

TEST_F(MenuObjectsTest, RunModeObjectsNeitherDragNorDrawFrames)
{
    for (BOOL bEditMode : { TRUE, FALSE })
    {
        SCOPED_TRACE(bEditMode ? "design mode" : "run mode");
        InitPage(bEditMode);
        CMButCreateStruct* p = AddButton({ 20, 20, 80, 50 });
        ObjectAt(0)->SetSelected(TRUE);
        m_objects.Drag(10, 10, 400, 300);
        m_objects.ApplyDrag();
        EXPECT_EQ(bEditMode ? CRect(30, 30, 90, 60) : CRect(20, 20, 80, 50), CRect(p->m_rect));

        BitmapCanvas canvas(200, 150, kCanvas);
        m_objects.Draw(canvas.DC());
        const RECT& rcFrame = ObjectAt(0)->GetFrameRect();
        const int yMiddle = (rcFrame.top + rcFrame.bottom) / 2;
        EXPECT_EQ(bEditMode ? RGB(255, 255, 255) : kCanvas, canvas.Pixel(rcFrame.left, yMiddle));
        EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(p->m_rect.right - 1, yMiddle))
            << "the window button's black frame";
    }
}

TEST_F(MenuObjectsTest, GridCeilIsAlwaysAboveTheValue)
{
    m_objects.SetGridSize(10);
    EXPECT_EQ((Ints{ 30, 30, 10 }), (Ints{ m_objects.GridCeil(20), m_objects.GridCeil(25), m_objects.GridCeil(0) }));
    m_objects.SetGridSize(1);
    EXPECT_EQ(26, m_objects.GridCeil(25));
    m_objects.SetGridSize(0);
    EXPECT_EQ(26, m_objects.GridCeil(25)) << "no grid behaves as step 1";
}

TEST_F(MenuObjectsTest, AlignmentLaysOutAtMostTenSelectedButtonsInRows)
{
    InitPage(TRUE);
    for (int i = 0; i < 12; ++i)
        AddButton({ 5, 5 + i * 20, 45, 20 + i * 20 });
    CMButCreateStruct* pImage = AddButton({ 300, 200, 340, 230 }, "IMAGE");
    m_objects.SelectInRect(CRect(0, 0, 400, 300));

    // Rows of three 80-pixel buttons with gap 10 fit into 300 pixels.
    m_objects.SetGridSize(10);
    m_objects.AlignHorizontal(10, 10, 80, 20, 10, 300, 300);
    const int expectedX[] = { 10, 100, 190 };
    for (int i = 0; i < 10; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(expectedX[i % 3], m_buttons[i]->m_rect.left);
        EXPECT_EQ(80, m_buttons[i]->m_rect.right - m_buttons[i]->m_rect.left);
        EXPECT_EQ(20, m_buttons[i]->m_rect.bottom - m_buttons[i]->m_rect.top);
    }
    // Row tops: 10, GridCeil(30) = 40, GridCeil(60) = 70, GridCeil(90) = 100.
    EXPECT_EQ((Ints{ 10, 40, 70, 100 }), (Ints{ int(m_buttons[0]->m_rect.top), int(m_buttons[3]->m_rect.top),
                                               int(m_buttons[6]->m_rect.top), int(m_buttons[9]->m_rect.top) }));
    EXPECT_EQ(CRect(5, 225, 45, 240), CRect(m_buttons[11]->m_rect)) << "the 11th and 12th stay";
    EXPECT_EQ(CRect(300, 200, 340, 230), CRect(pImage->m_rect)) << "image buttons stay";
    EXPECT_EQ(CRect(190, 10, 270, 30), RectInParent(*static_cast<CMObjButton*>(ObjectAt(2))->GetButtonWnd()));
}

TEST_F(MenuObjectsTest, AlignmentStopsAtTheBottomAndWorksInColumns)
{
    InitPage(TRUE);
    for (int i = 0; i < 5; ++i)
        AddButton({ 300, 5 + i * 20, 340, 20 + i * 20 });
    m_objects.SelectInRect(CRect(0, 0, 400, 300));

    // One button per row: the third row would end below 70.
    m_objects.AlignHorizontal(0, 0, 100, 20, 5, 150, 70);
    EXPECT_EQ(CRect(0, 0, 100, 20), CRect(m_buttons[0]->m_rect));
    EXPECT_EQ(CRect(0, 21, 100, 41), CRect(m_buttons[1]->m_rect));
    EXPECT_EQ(CRect(0, 42, 100, 62), CRect(m_buttons[2]->m_rect));
    EXPECT_EQ(300, m_buttons[3]->m_rect.left);

    // Columns of two 30-pixel buttons with gap 4 in 70 pixels.
    m_objects.AlignVertical(10, 0, 50, 30, 4, 400, 70);
    EXPECT_EQ(CRect(10, 0, 60, 30), CRect(m_buttons[0]->m_rect));
    EXPECT_EQ(CRect(10, 34, 60, 64), CRect(m_buttons[1]->m_rect));
    EXPECT_EQ(CRect(61, 0, 111, 30), CRect(m_buttons[2]->m_rect));
    EXPECT_EQ(CRect(61, 34, 111, 64), CRect(m_buttons[3]->m_rect));
    EXPECT_EQ(CRect(112, 0, 162, 30), CRect(m_buttons[4]->m_rect));
}

// Buttons, texts and text fields take the focus: all of them are numbered,
// clicked into place and ordered, with the document's lists of each kind.
TEST_F(MenuObjectsTest, TabOrderIsClickedIntoPlaceAndApplied)
{
    InitPage(TRUE);
    CMButCreateStruct* pA = AddButton({ 10, 10, 60, 30 });
    CMTextCreateStruct* pT1 = NewText(100, 100);
    ASSERT_TRUE(m_objects.AddStaticText(pT1));
    CMButCreateStruct* pB = AddButton({ 10, 40, 60, 60 });
    CMTextCreateStruct* pT2 = NewText(200, 100);
    ASSERT_TRUE(m_objects.AddStaticText(pT2));
    CMObjBasis* pObjA = ObjectAt(0);
    CMObjBasis* pObjT1 = ObjectAt(1);
    CMObjBasis* pObjB = ObjectAt(2);
    CMObjBasis* pObjT2 = ObjectAt(3);

    EXPECT_EQ(4, m_objects.ShowTabOrder(TRUE));
    EXPECT_EQ((Ints{ 1, 2, 3, 4 }), TabNumbers({ pObjA, pObjT1, pObjB, pObjT2 }));
    EXPECT_TRUE(pObjT1->HasTabLabel());

    m_objects.BeginTabOrder();
    m_objects.SetTabNumberAt(CPoint(202, 102));   // T2 takes 1, A takes 4
    EXPECT_EQ((Ints{ 1, 4 }), TabNumbers({ pObjT2, pObjA }));
    m_objects.SetTabNumberAt(CPoint(300, 280));   // empty space: no number used
    m_objects.SetTabNumberAt(CPoint(20, 50));     // B takes 2, T1 takes 3
    EXPECT_EQ((Ints{ 2, 3 }), TabNumbers({ pObjB, pObjT1 }));
    m_objects.SetTabNumberAt(CPoint(20, 20));     // A takes 3, T1 takes 4
    m_objects.SetTabNumberAt(CPoint(20, 20));     // A takes 4, T1 3 again
    EXPECT_EQ((Ints{ 4, 3 }), TabNumbers({ pObjA, pObjT1 }));

    EXPECT_EQ(4, m_objects.ShowTabOrder(FALSE));
    EXPECT_FALSE(pObjA->HasTabLabel());
    EXPECT_EQ(4, pObjA->GetTabNumber()) << "hiding keeps the numbers";

    CMButCreateStruct foreign;
    CObArray buttons, texts;
    buttons.Add(pA);
    buttons.Add(&foreign);
    buttons.Add(pB);
    texts.Add(pT1);
    texts.Add(pT2);
    m_objects.ApplyTabOrder(&buttons, &texts);
    EXPECT_EQ((Objects{ pObjT2, pObjB, pObjT1, pObjA }), AllObjects());
    EXPECT_EQ((Objects{ pB, pA, &foreign }), Elements(buttons)) << "a struct without an object is kept";
    EXPECT_EQ((Objects{ pT2, pT1 }), Elements(texts));
}

TEST_F(MenuObjectsTest, TabOrderKeepsEveryObjectWhenNumbersClash)
{
    InitPage(TRUE);
    AddButton({ 10, 10, 60, 30 });
    AddButton({ 10, 40, 60, 60 });
    m_objects.BeginTabOrder();
    AddButton({ 10, 70, 60, 90 });   // added after counting: number 3 has no place
    ObjectAt(1)->SetTabNumber(1);    // two buttons with number 1
    Objects before = AllObjects();
    m_objects.ApplyTabOrder(nullptr);
    EXPECT_EQ(before, AllObjects());

    // A single button never changes its number.
    InitPage(TRUE);
    AddButton({ 10, 10, 60, 30 });
    m_objects.ShowTabOrder(TRUE);
    m_objects.BeginTabOrder();
    m_objects.SetTabNumberAt(CPoint(20, 20));
    EXPECT_EQ(1, ObjectAt(0)->GetTabNumber());
}

TEST_F(MenuObjectsTest, ThePageHasOnePopupSlot)
{
    InitPage(FALSE);
    CMButCreateStruct* pOther = NewButton({ 0, 0, 10, 10 }, "I", "<POPUPMENU01>");
    EXPECT_EQ(-1, m_objects.BindPopupMenu(pOther, &m_page));
    EXPECT_EQ(-1, m_objects.BindPopupMenu(NewButton({ 0, 0, 10, 10 }, "I", "readme.txt"), &m_page));
    EXPECT_EQ((Ints{ 0, 0 }), (Ints{ m_objects.GetPopupMenuCount(), m_objects.HasPopupMenu() }));
    EXPECT_EQ(nullptr, m_objects.FindPopupMenu(pOther));
    m_objects.SetPopupMenuText(-1, "TEXT=Lost");
    EXPECT_EQ(nullptr, m_objects.FindPopupMenu(NewButton({ 0, 0, 10, 10 }, "I", "<POPUPMENUxx>")));

    CMButCreateStruct* pPopup = NewButton({ 10, 10, 60, 30 }, "I", "<POPUPMENU00>");
    EXPECT_EQ(0, m_objects.BindPopupMenu(pPopup, &m_page));
    EXPECT_EQ((Ints{ 1, 1 }), (Ints{ m_objects.GetPopupMenuCount(), m_objects.HasPopupMenu() }));
    CPopupMenuDesc* pDesc = m_objects.FindPopupMenu(pPopup);
    ASSERT_NE(nullptr, pDesc);
    EXPECT_EQ(pDesc, pPopup->m_pPopupMenu);
    EXPECT_EQ(&m_page, pDesc->GetOwner());
    EXPECT_EQ(0, pDesc->GetItemCount()) << "an unbound slot took no text";

    m_objects.SetPopupMenuText(1, "TEXT=Other");
    EXPECT_EQ(0, pDesc->GetItemCount());
    m_objects.SetPopupMenuText(0, "TEXT=Info:DOCUMENT=a.txt");
    EXPECT_EQ(1, pDesc->GetItemCount());
    EXPECT_STREQ("TEXT=Info:DOCUMENT=a.txt", pDesc->GetItem(0));

    m_objects.RemovePopupMenu(pOther);
    EXPECT_EQ(1, m_objects.GetPopupMenuCount());
    m_objects.RemovePopupMenu(pPopup);
    EXPECT_EQ(0, m_objects.GetPopupMenuCount());
    EXPECT_EQ(-1, pDesc->GetPopupNumber());
    m_objects.RemovePopupMenu(pPopup);
    EXPECT_EQ(0, m_objects.GetPopupMenuCount()) << "removed once only";
}

TEST_F(MenuObjectsTest, ReplacingAButtonRebuildsItByItsStyle)
{
    InitPage(TRUE);
    AddButton({ 10, 10, 80, 30 });
    CMButCreateStruct* p = AddButton({ 10, 40, 80, 60 });
    AddButton({ 10, 70, 80, 90 });
    HWND hOld = WindowOf(1);

    p->m_strStyle = "DRAW";
    EXPECT_TRUE(m_objects.ReplaceButton(p));
    ASSERT_EQ(3, m_objects.GetObjectCount());
    EXPECT_TRUE(ObjectAt(1)->IsKindOf(RUNTIME_CLASS(CMObjButTrans)));
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_EQ(5001, ::GetDlgCtrlID(WindowOf(1))) << "the struct's id";
    EXPECT_EQ((Ints{ 4, 4 }), (Ints{ p->m_nNumber, ObjectAt(1)->GetTabNumber() })) << "numbered again";

    // A button that can no longer be made leaves the old object in place.
    testing_support::MessageBoxRecorder boxes;
    CMObjBasis* pKept = ObjectAt(1);
    p->m_strStyle = "BITMAP";
    p->m_strBitmap = m_folder.File("missing.bmp");
    EXPECT_FALSE(m_objects.ReplaceButton(p));
    EXPECT_EQ(pKept, ObjectAt(1));
    EXPECT_TRUE(::IsWindow(WindowOf(1)));

    CMButCreateStruct unknown;
    EXPECT_FALSE(m_objects.ReplaceButton(&unknown));
    EXPECT_EQ(3, m_objects.GetObjectCount());
}

TEST_F(MenuObjectsTest, ReplacingTextsViewersAndPictures)
{
    InitPage(FALSE);
    CMTextCreateStruct* pText = NewText(10, 10, "Short");
    ASSERT_TRUE(m_objects.AddStaticText(pText));
    CViewerCreateStruct viewer;
    viewer.m_rect = { 10, 50, 150, 120 };
    ASSERT_TRUE(m_objects.AddScrollet(&viewer));
    CMObjCreateStruct picture;
    picture.m_rect = { 200, 20, 201, 21 };
    picture.m_strText = WriteBmp(m_folder, "p.bmp", BandedBmp(16, { { 12, 0x0000FF } }));
    ASSERT_TRUE(m_objects.AddStaticImage(&picture));

    int nShortWidth = pText->m_rect.right - pText->m_rect.left;
    pText->m_strText = "A much longer text";
    EXPECT_TRUE(m_objects.ReplaceStaticText(pText));
    EXPECT_GT(pText->m_rect.right - pText->m_rect.left, nShortWidth);
    EXPECT_EQ(5000, ::GetDlgCtrlID(WindowOf(0))) << "the old window's id";

    viewer.m_rect = { 20, 60, 120, 110 };
    EXPECT_TRUE(m_objects.ReplaceScrollet(&viewer));
    EXPECT_EQ(5001, ::GetDlgCtrlID(WindowOf(1)));
    EXPECT_EQ(CRect(20, 60, 120, 110), RectInParent(*CWnd::FromHandle(WindowOf(1))));

    picture.m_strText = WriteBmp(m_folder, "q.bmp", BandedBmp(24, { { 10, 0x00FF00 } }));
    EXPECT_TRUE(m_objects.ReplaceStaticImage(&picture));
    EXPECT_EQ(CRect(200, 20, 224, 30), CRect(picture.m_rect));
    EXPECT_EQ(3, ObjectAt(2)->GetTabNumber()) << "a picture keeps its number";
    EXPECT_EQ(5003, picture.m_nID);

    CMObjBasis* pPicture = ObjectAt(2);
    picture.m_strText = m_folder.File("missing.bmp");
    EXPECT_FALSE(m_objects.ReplaceStaticImage(&picture));
    EXPECT_EQ(pPicture, ObjectAt(2));
}

TEST_F(MenuObjectsTest, LookupsByDocumentAndWindowRectangles)
{
    InitPage(FALSE);
    ASSERT_TRUE(m_objects.AddStaticText(NewText(100, 100, "<LISTBOX>")));
    CMButCreateStruct* pList = NewButton({ 10, 10, 80, 30 }, "W", "<LISTBOX>");
    ASSERT_TRUE(m_objects.AddButton(pList));
    EXPECT_EQ(ObjectAt(1), m_objects.FindButtonByDocument("<LISTBOX>"));
    EXPECT_EQ(nullptr, m_objects.FindButtonByDocument("<listbox>"));

    ::MoveWindow(WindowOf(1), 30, 40, 70, 25, TRUE);
    m_objects.UpdateRectsFromWindows();
    EXPECT_EQ(CRect(30, 40, 100, 65), CRect(ObjectAt(1)->GetObjectRect()));
    EXPECT_EQ(CRect(10, 10, 80, 30), CRect(pList->m_rect));   // as the page stored it
}

TEST_F(MenuObjectsTest, TheButtonFontGoesToEveryButtonWindow)
{
    InitPage(FALSE);
    AddButton({ 10, 10, 80, 30 });
    AddButton({ 10, 40, 80, 60 });
    CFontDesc font;
    font.m_logFont.lfHeight = -30;
    m_objects.SetButtonFont(font);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(-30, static_cast<CMObjButton*>(ObjectAt(i))->GetButtonWnd()->GetFontDesc().m_logFont.lfHeight);
}

TEST_F(MenuObjectsTest, ClipsAreAddedAndReplacedWithTheirWindows)
{
    InitPage(TRUE);
    AddButton({ 0, 0, 40, 20 });
    CMObjCreateStruct clip;
    clip.m_rect = { 50, 60, 51, 61 };
    clip.m_strText = WriteClip("clip.avi", 40, 30);
    ASSERT_TRUE(m_objects.AddAviCtrl(&clip));
    EXPECT_EQ((Ints{ MOBJ_AVICLIP, 5001, int(RGB(128, 128, 128)) }),
              (Ints{ clip.m_nType, clip.m_nID, int(clip.m_crColor) }));
    auto* pObject = static_cast<CMObjAviCtrl*>(ObjectAt(1));
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMObjAviCtrl)));
    ASSERT_NE(nullptr, pObject->GetAviCtrl());
    HWND hClip = pObject->GetAviCtrl()->GetSafeHwnd();
    EXPECT_EQ(5001, ::GetDlgCtrlID(hClip));
    EXPECT_EQ(CRect(50, 60, 90, 90), RectInParent(*pObject->GetAviCtrl())) << "the clip's frame size";
    EXPECT_TRUE(pObject->IsSelected());
    EXPECT_EQ(2, pObject->GetTabNumber());

    // A clip moves its window when no object window is there.
    pObject->MoveTo(100, 110, 40, 30);
    EXPECT_EQ(CRect(100, 110, 140, 140), RectInParent(*pObject->GetAviCtrl()));

    clip.m_strText = WriteClip("wide.avi", 64, 20);
    EXPECT_TRUE(m_objects.ReplaceAviCtrl(&clip));
    EXPECT_FALSE(::IsWindow(hClip));
    pObject = static_cast<CMObjAviCtrl*>(ObjectAt(1));
    EXPECT_EQ(CRect(100, 110, 164, 130), RectInParent(*pObject->GetAviCtrl()));
    EXPECT_EQ(5002, ::GetDlgCtrlID(pObject->GetAviCtrl()->GetSafeHwnd()));
    EXPECT_EQ(2, pObject->GetTabNumber()) << "a clip keeps its number";

    testing_support::MessageBoxRecorder boxes;
    clip.m_strText = m_folder.File("missing.avi");
    EXPECT_FALSE(m_objects.ReplaceAviCtrl(&clip));
    EXPECT_EQ(pObject, ObjectAt(1));
    CMObjCreateStruct missing;
    missing.m_strText = m_folder.File("missing.avi");
    EXPECT_FALSE(m_objects.AddAviCtrl(&missing));
    EXPECT_EQ(2, m_objects.GetObjectCount());

    InitPage(TRUE, 2);
    AddButton({ 0, 0, 40, 20 });
    AddButton({ 0, 30, 40, 50 });
    clip.m_strText = WriteClip("third.avi", 40, 30);
    EXPECT_FALSE(m_objects.AddAviCtrl(&clip)) << "the page is full";
}

TEST_F(MenuObjectsTest, SlidersTakeTheirStructsColourAndAreReplacedInPlace)
{
    InitPage(TRUE);
    AddButton({ 0, 0, 40, 20 });
    CMObjCreateStruct slider;
    slider.m_rect = { 50, 60, 80, 100 };
    slider.m_crColor = RGB(10, 20, 30);
    m_objects.AddSlider(&slider);
    ASSERT_EQ(2, m_objects.GetObjectCount());
    auto* pObject = static_cast<CMObjSlider*>(ObjectAt(1));
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMObjSlider)));
    EXPECT_EQ((Ints{ MOBJ_SLIDER, 5001, int(RGB(10, 20, 30)) }),
              (Ints{ slider.m_nType, slider.m_nID, int(slider.m_crColor) }));
    CWnd& wndSlider = const_cast<CSpeakerSlider&>(pObject->GetSlider());
    EXPECT_EQ(5001, wndSlider.GetDlgCtrlID());
    EXPECT_EQ(CRect(50, 60, 100, 85), RectInParent(wndSlider)) << "at least 50 wide, at most 25 high";
    EXPECT_TRUE(pObject->IsSelected());

    slider.m_rect = { 20, 150, 220, 160 };
    EXPECT_TRUE(m_objects.ReplaceSlider(&slider));
    pObject = static_cast<CMObjSlider*>(ObjectAt(1));
    CWnd& wndNew = const_cast<CSpeakerSlider&>(pObject->GetSlider());
    EXPECT_EQ(CRect(20, 150, 220, 166), RectInParent(wndNew));
    EXPECT_EQ(5002, slider.m_nID);
    EXPECT_EQ(2, pObject->GetTabNumber()) << "a slider keeps its number";
    EXPECT_EQ(nullptr, ::GetDlgItem(m_page, 5001)) << "the old slider is gone";
}

TEST_F(MenuObjectsTest, ScriptListBoxesAreKeptWithoutWindowAndReplacedInPlace)
{
    // Without a parent the window cannot be made; the list box stays.
    CMenuObjects orphans;
    orphans.Init(nullptr, MENUOBJ_FIRST_ID, MENUOBJ_MAX_COUNT, FALSE);
    orphans.AddListBox(NewListBox({ 0, 0, 100, 100 }, WriteList("List001.ini", { "One" })));
    ASSERT_EQ(1, orphans.GetObjectCount());
    EXPECT_EQ(nullptr, orphans.GetObjectAt(0)->GetObjectWnd());

    InitPage(FALSE);
    CMButCreateStruct* pFirst = NewListBox({ 10, 10, 150, 100 }, WriteList("List001.ini", { "Alpha", "Beta" }));
    CMButCreateStruct* pSecond = NewListBox({ 200, 10, 350, 100 }, WriteList("List002.ini", { "Gamma" }));
    m_objects.AddListBox(pFirst);
    AddButton({ 10, 150, 80, 170 });
    m_objects.AddListBox(pSecond);
    ASSERT_EQ(3, m_objects.GetObjectCount());
    EXPECT_EQ(2, ::SendMessage(ListWindowOf(ObjectAt(0)), LB_GETCOUNT, 0, 0));

    CString strToolTip = "old";
    m_objects.GetListBoxSelection(&strToolTip);
    EXPECT_EQ(CString(), strToolTip) << "nothing selected";
    ::SendMessage(ListWindowOf(ObjectAt(2)), LB_SETCURSEL, 0, 0);
    m_objects.GetListBoxSelection(&strToolTip);
    EXPECT_EQ(CString("Start: Gamma"), strToolTip);
    ::SendMessage(ListWindowOf(ObjectAt(0)), LB_SETCURSEL, 1, 0);
    ::SendMessage(ListWindowOf(ObjectAt(2)), LB_SETCURSEL, WPARAM(-1), 0);
    m_objects.GetListBoxSelection(&strToolTip);
    EXPECT_EQ(CString(), strToolTip) << "the last list box wins";

    HWND hOld = ListWindowOf(ObjectAt(0));
    pFirst->m_strText = WriteList("List003.ini", { "Delta", "Epsilon", "Zeta" });
    EXPECT_TRUE(m_objects.ReplaceListBox(pFirst));
    ASSERT_EQ(3, m_objects.GetObjectCount());
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_EQ(3, ::SendMessage(ListWindowOf(ObjectAt(0)), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(MENUOBJ_LISTBOX_ID, ::GetDlgCtrlID(ListWindowOf(ObjectAt(0))));
    EXPECT_EQ(4, ObjectAt(0)->GetTabNumber());
}

TEST_F(MenuObjectsTest, ObjectsOutlivingTheirPageWindowAreDeletedSafely)
{
    auto pPage = std::make_unique<CTestPage>();
    {
        CMenuObjects objects;
        objects.Init(pPage.get(), MENUOBJ_FIRST_ID, MENUOBJ_MAX_COUNT, TRUE);
        ASSERT_TRUE(objects.AddButton(NewButton({ 10, 10, 80, 30 })));
        ASSERT_TRUE(objects.AddStaticText(NewText(10, 50)));
        HWND hButton = objects.GetObjectAt(0)->GetObjectWnd()->GetSafeHwnd();
        pPage->DestroyWindow();
        EXPECT_FALSE(::IsWindow(hButton));
    }
}
