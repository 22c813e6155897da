// The player's document: the page that is shown.
#pragma once

#include "framework/Document.h"

class CTarnixDoc : public CDocument
{
    DECLARE_DYNCREATE(CTarnixDoc)
protected:
    CTarnixDoc() = default;
};
