#include "player/TarnixDoc.h"

IMPLEMENT_DYNCREATE(CTarnixDoc, CDocument)
