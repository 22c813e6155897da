#include "framework/AnimateCtrl.h"

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)
