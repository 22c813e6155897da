// The editor's side of the menu object windows: the click command and hand
// cursor of the canvas, and a clicked button's action carried out through the
// launcher (the buttons themselves never act in design mode).
#pragma once

#include "shared/menuobj/ObjWndProgram.h"

class CEditorObjWndProgram : public CObjWndProgram
{
public:
    UINT GetClickCommand() const override;
    UINT GetHandCursorId() const override;
    void ExecuteButton(CButBasis& button) override;
};
