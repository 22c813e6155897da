#include "toolkit/controls/XTDateEdit.h"

IMPLEMENT_DYNAMIC(CXTDateEdit, CXTMaskEdit)
