// The page's settings dialogs that only read and write the page: sound, start
// events, welcome screen, program flags and tooltip area. Each returns TRUE
// when the user confirmed and the page took the answers; the used-file lists
// then name the new files in place of the old ones.
#pragma once

#include "framework/Wnd.h"

class CProjectPage;

BOOL EditPageSound(CWnd* pParent, CProjectPage& page);
BOOL EditPageStartEvents(CWnd* pParent, CProjectPage& page);
BOOL EditPageWelcome(CWnd* pParent, CProjectPage& page);
BOOL EditPageFlags(CWnd* pParent, CProjectPage& page);
BOOL EditPageTooltips(CWnd* pParent, CProjectPage& page);
