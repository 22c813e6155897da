#include "framework/Edit.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)
