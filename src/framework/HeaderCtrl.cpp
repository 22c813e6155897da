#include "framework/HeaderCtrl.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
