// The lines a line store holds, in order, for comparing with the expected ones.
#pragma once

#include "shared/menuobj/LineStore.h"

#include <string>
#include <vector>

namespace menuobj_testing {

inline std::vector<std::string> StoredLines(CLineStore& store)
{
    std::vector<std::string> lines;
    CString strLine;
    for (int nMore = store.GetFirst(strLine); nMore; nMore = store.GetNext(strLine))
        lines.push_back((LPCSTR)strLine);
    return lines;
}

} // namespace menuobj_testing
