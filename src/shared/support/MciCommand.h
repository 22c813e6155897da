// Every MCI command string of the programs goes through one replaceable
// function, so that tests can record the commands and answer them where no
// sound device exists.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <functional>

// Sends one command as mciSendString does: the reply (at most cchReply - 1
// characters) goes into lpszReply, completion notices to hWndNotify. Returns
// the MCI result, 0 for success.
typedef std::function<MCIERROR(LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWndNotify)>
    MciCommandSender;

// Replaces the sender; an empty one restores the platform's. Returns the previous one.
MciCommandSender SetMciCommandSender(MciCommandSender sender);

MCIERROR SendMciCommand(LPCSTR lpszCommand, LPSTR lpszReply, UINT cchReply, HWND hWndNotify);
