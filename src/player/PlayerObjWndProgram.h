// The player's side of the menu object windows: its click command, hand
// cursor and what a clicked button does. The menu window installs one
// (CObjWndProgram::Set) while it shows a page.
#pragma once

#include "shared/menuobj/ObjWndProgram.h"

class CPlayerObjWndProgram : public CObjWndProgram
{
public:
    UINT GetClickCommand() const override;
    UINT GetHandCursorId() const override;
    // A MESSAGE button shows its text in the message dialog; a list box or
    // popup menu request goes back to the page window; every other action
    // goes through the starter from the program folder, and an EXIT button
    // closes the menu afterwards. The button's sounds follow its action.
    void ExecuteButton(CButBasis& button) override;
};
