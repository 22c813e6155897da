#include "framework/Wnd.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)
