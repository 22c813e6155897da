#include "player/PlayerObjWndProgram.h"

#include "player/PlayerMessages.h"
#include "player/resource.h"

UINT CPlayerObjWndProgram::GetClickCommand() const
{
    return ID_BUTTON_CLICKED;
}

UINT CPlayerObjWndProgram::GetHandCursorId() const
{
    return IDC_BUTTON_HAND;
}
