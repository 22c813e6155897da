#include "shared/menuobj/MObjAviCtrl.h"
#include "shared/menuobj/MObjButBmp.h"
#include "shared/menuobj/MObjButColor.h"
#include "shared/menuobj/MObjButImage.h"
#include "shared/menuobj/MObjButOffice.h"
#include "shared/menuobj/MObjButTrans.h"
#include "shared/menuobj/MObjButUrl.h"
#include "shared/menuobj/MObjButWin.h"
#include "shared/menuobj/MObjScrollet.h"
#include "shared/menuobj/MObjSlider.h"
#include "shared/menuobj/MObjStaticImage.h"
#include "shared/menuobj/MObjStaticText.h"

#include "shared/menuobj/ButImage.h"
#include "shared/menuobj/ButTrans.h"
#include "shared/menuobj/ButUrl.h"
#include "shared/menuobj/ButWin.h"
#include "shared/menuobj/MButCreateStruct.h"

#include "ObjWndTesting.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A page and a button struct at (10, 20)-(110, 46) for one button object.
struct ButtonOnPage
{
    ButtonOnPage() { but.m_rect = { 10, 20, 110, 46 }; }

    BOOL Create(CMObjButton& object, BOOL bEditMode)
    {
        return object.Create(&but, &page, 5000, RGB(128, 128, 128), bEditMode);
    }

    objwnd_testing::CTestPage page;
    CMButCreateStruct but;
};

} // namespace

TEST(MObjButtonTest, KindsAreToldApartByRuntimeClass)
{
    std::unique_ptr<CMObjBasis> buttons[] = {
        std::make_unique<CMObjButBmp>(),   std::make_unique<CMObjButColor>(), std::make_unique<CMObjButImage>(),
        std::make_unique<CMObjButOffice>(), std::make_unique<CMObjButTrans>(), std::make_unique<CMObjButUrl>(),
        std::make_unique<CMObjButWin>(),
    };
    for (auto& pObject : buttons)
    {
        SCOPED_TRACE(pObject->GetRuntimeClass()->m_lpszClassName);
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMObjButton)));
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMObjBasis)));
    }
    std::unique_ptr<CMObjBasis> others[] = {
        std::make_unique<CMObjAviCtrl>(), std::make_unique<CMObjSlider>(), std::make_unique<CMObjStaticImage>(),
        std::make_unique<CMObjStaticText>(), std::make_unique<CMObjScrollet>(),
    };
    for (auto& pObject : others)
    {
        SCOPED_TRACE(pObject->GetRuntimeClass()->m_lpszClassName);
        EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CMObjButton)));
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CMObjBasis)));
    }
    EXPECT_TRUE(others[2]->IsKindOf(RUNTIME_CLASS(CMObjStatic)));
    EXPECT_TRUE(others[3]->IsKindOf(RUNTIME_CLASS(CMObjStatic)));
    EXPECT_STREQ("CMObjButUrl", buttons[5]->GetRuntimeClass()->m_lpszClassName);
}

TEST(MObjButtonTest, TheBaseCreateTakesTheStructsRectangleWithoutAWindow)
{
    CMButCreateStruct but;
    but.m_rect = { 10, 20, 110, 46 };
    CMObjButWin button;
    CMObjCreateStruct* pBase = &but;
    EXPECT_TRUE(button.CMObjButton::Create(pBase, nullptr, 5000, RGB(128, 128, 128), TRUE));
    EXPECT_EQ(&but, button.GetCreateStruct());
    EXPECT_TRUE(button.IsEditMode());
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(button.GetObjectRect()));

    button.Select(TRUE);
    EXPECT_TRUE(button.IsSelected());
    button.MoveTo(30, 40, 50, 20);
    EXPECT_EQ(CRect(30, 40, 80, 60), CRect(but.m_rect));
}

TEST(MObjButtonTest, EachStyleMakesItsWindowAndDeletesItWithTheObject)
{
    menuobj_testing::MainWindowScope mainWindow;
    objwnd_testing::CTestPage page;
    struct Kind
    {
        std::unique_ptr<CMObjButton> pObject;
        const CRuntimeClass* pWindowClass;
    };
    Kind kinds[] = {
        { std::make_unique<CMObjButWin>(), RUNTIME_CLASS(CButWin) },
        { std::make_unique<CMObjButImage>(), RUNTIME_CLASS(CButImage) },
        { std::make_unique<CMObjButTrans>(), RUNTIME_CLASS(CButTrans) },
        { std::make_unique<CMObjButUrl>(), RUNTIME_CLASS(CButUrl) },
    };
    for (Kind& kind : kinds)
    {
        SCOPED_TRACE(kind.pObject->GetRuntimeClass()->m_lpszClassName);
        CMButCreateStruct but;
        but.m_strText = "Start";
        but.m_rect = { 10, 20, 110, 46 };
        but.m_font.m_crColor = RGB(1, 2, 3);
        ASSERT_TRUE(kind.pObject->Create(&but, &page, 5000, RGB(128, 128, 128), TRUE));
        CButBasis* pWnd = kind.pObject->GetButtonWnd();
        ASSERT_NE(nullptr, pWnd);
        EXPECT_TRUE(pWnd->IsKindOf(kind.pWindowClass));
        EXPECT_EQ(&but, pWnd->GetCreateStruct());
        EXPECT_TRUE(pWnd->IsEditMode());
        EXPECT_EQ(RGB(1, 2, 3), pWnd->GetFontDesc().m_crColor);
        EXPECT_EQ(5000, pWnd->GetDlgCtrlID());
        EXPECT_EQ(DWORD(WS_CHILD | WS_VISIBLE | WS_TABSTOP | 0x100), pWnd->GetStyle() & 0xFFFF0FFF);
        // A hypertext button's window fits its caption; the struct keeps the stored size.
        EXPECT_EQ(CRect(10, 20, 110, 46), CRect(but.m_rect));
        if (kind.pWindowClass != RUNTIME_CLASS(CButUrl))
        {
            EXPECT_EQ(CRect(but.m_rect), CRect(kind.pObject->GetObjectRect()));
        }
        EXPECT_EQ(CRect(kind.pObject->GetObjectRect()), objwnd_testing::RectInParent(*pWnd));
        HWND hWnd = pWnd->m_hWnd;
        kind.pObject.reset();
        EXPECT_FALSE(::IsWindow(hWnd));
    }
}

TEST(MObjButtonTest, MovesAndSizesReachTheWindow)
{
    ButtonOnPage on;
    CMObjButWin button;
    ASSERT_TRUE(on.Create(button, TRUE));
    CButBasis& wnd = *button.GetButtonWnd();

    button.SetWindowRect(40, 50, 60, 30);
    EXPECT_EQ(CRect(40, 50, 100, 80), objwnd_testing::RectInParent(wnd));
    EXPECT_EQ(CRect(40, 50, 100, 80), CRect(button.GetObjectRect()));
    EXPECT_EQ(CRect(37, 47, 103, 83), CRect(button.GetFrameRect()));
    EXPECT_EQ(CRect(40, 50, 100, 80), CRect(on.but.m_rect));

    button.MoveTo(5, 6, 50, 20);
    EXPECT_EQ(CRect(5, 6, 55, 26), objwnd_testing::RectInParent(wnd));
    EXPECT_EQ(CRect(5, 6, 55, 26), CRect(wnd.GetObjectRect()));

    button.SetGridSize(10);
    button.SetSelected(TRUE);
    button.OffsetDragFrame(27, 18);
    button.ApplyDragFrame();
    EXPECT_EQ(CRect(30, 20, 80, 40), objwnd_testing::RectInParent(wnd));

    CFontDesc font;
    font.m_crColor = RGB(9, 8, 7);
    button.SetWindowFont(font);
    EXPECT_EQ(RGB(9, 8, 7), wnd.GetFontDesc().m_crColor);
}

TEST(MObjButtonTest, TransparentButtonsKeepTheirSizeWhenAskedToChangeIt)
{
    ButtonOnPage on;
    CMObjButTrans button;
    ASSERT_TRUE(on.Create(button, FALSE));
    button.SetWindowRect(40, 50, 60, 30);
    EXPECT_EQ(CRect(10, 20, 110, 46), objwnd_testing::RectInParent(*button.GetButtonWnd()));
    EXPECT_EQ(CRect(10, 20, 110, 46), CRect(button.GetObjectRect()));
}

TEST(MObjButtonTest, TheObjectDrawsItsWindowAndInDesignModeItsSelectionFrame)
{
    ButtonOnPage on;
    CMObjButWin button;
    ASSERT_TRUE(on.Create(button, TRUE));
    button.SetSelected(TRUE);
    menuobj_testing::BitmapCanvas canvas(150, 80, RGB(0, 128, 0));
    button.Draw(canvas.DC());
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.Pixel(20, 30)) << "the window's face";
    EXPECT_NE(RGB(0, 128, 0), canvas.Pixel(7, 30)) << "the selection frame";
}
