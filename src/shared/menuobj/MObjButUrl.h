// A hypertext button: its caption in one of three fonts (idle, mouse over,
// pressed), sized to the caption.
#pragma once

#include "shared/menuobj/MObjButton.h"

class CMButCreateStruct;

class CMObjButUrl : public CMObjButton
{
    DECLARE_DYNAMIC(CMObjButUrl)
public:
    // Fits the struct's rectangle to the caption first.
    using CMObjButton::Create;
    BOOL Create(CMButCreateStruct* pCrStruct, CWnd* pParent, int nID, COLORREF cr, BOOL bEditMode) override;

    // Sizes the struct's rectangle from its top-left corner to the caption in
    // the widest of the idle, pressed and mouse-over fonts (the earlier one on
    // a tie); unchanged when the caption cannot be measured.
    static void FitRectToCaption(CMButCreateStruct* pButStruct);
};
