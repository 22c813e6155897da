// A line store that a document hands to the framework's archive: its lines are
// written as text lines and read back from a text file.
#pragma once

#include "shared/menuobj/LineStore.h"

class CArchiveLines : public CLineStore
{
    DECLARE_DYNAMIC(CArchiveLines)
public:
    CArchiveLines() = default;

    // Storing writes every line with CR LF. Loading replaces the lines by the
    // non-empty lines of the archive's file (CR LF, CR or LF end a line; other
    // control characters but the tab are dropped; a line keeps at most 4093
    // characters).
    void Serialize(CArchive& ar) override;

private:
    void StoreLines(CArchive& ar);
    void LoadLines(CArchive& ar);
};
