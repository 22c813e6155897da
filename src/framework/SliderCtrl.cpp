#include "framework/SliderCtrl.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
