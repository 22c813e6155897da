// Inserts a slide show with its starter Slidora and the viewer's setup.
#pragma once

#include "editor/dialogs/DocumentInsert.h"

class CSlideShowInsert : public CDocumentInsert
{
public:
    CSlideShowInsert() : CDocumentInsert(g_slideShowInsertKind) {}
};
