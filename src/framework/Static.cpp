#include "framework/Static.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
