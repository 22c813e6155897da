#include "framework/ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
