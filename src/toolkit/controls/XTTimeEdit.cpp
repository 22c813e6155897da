#include "toolkit/controls/XTTimeEdit.h"

IMPLEMENT_DYNAMIC(CXTTimeEdit, CXTDateEdit)
