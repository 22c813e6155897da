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

#include "shared/menuobj/MButCreateStruct.h"

#include <gtest/gtest.h>

#include <memory>

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
