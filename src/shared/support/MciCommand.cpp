#include "shared/support/MciCommand.h"

#include <utility>

namespace {

MciCommandSender& CurrentSender()
{
    static MciCommandSender sender;
    return sender;
}

} // namespace

MciCommandSender SetMciCommandSender(MciCommandSender sender)
{
    return std::exchange(CurrentSender(), std::move(sender));
}

MCIERROR SendMciCommand(LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWndNotify)
{
    const MciCommandSender& sender = CurrentSender();
    if (sender)
        return sender(lpszCommand, lpszReply, cchReply, hWndNotify);
    return ::mciSendStringA(lpszCommand, lpszReply, cchReply, hWndNotify);
}
