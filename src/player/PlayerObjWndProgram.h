// The player's side of the menu object windows: its click command and hand
// cursor. The menu window installs one (CObjWndProgram::Set) while it shows a
// page.
#pragma once

#include "shared/menuobj/ObjWndProgram.h"

class CPlayerObjWndProgram : public CObjWndProgram
{
public:
    UINT GetClickCommand() const override;
    UINT GetHandCursorId() const override;
};
