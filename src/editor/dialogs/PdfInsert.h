// Inserts a PDF document with its starter Pagolin and the reader's setup.
#pragma once

#include "editor/dialogs/DocumentInsert.h"

class CPdfInsert : public CDocumentInsert
{
public:
    CPdfInsert() : CDocumentInsert(g_pdfInsertKind) {}
};
