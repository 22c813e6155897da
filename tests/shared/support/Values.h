// Several values compared in one assertion that still prints each of them.
#pragma once

#include "framework/String.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace testing_values {

typedef std::vector<int> Ints;

inline std::vector<std::string> Texts(std::initializer_list<CString> texts)
{
    std::vector<std::string> result;
    for (const CString& text : texts)
        result.push_back((LPCSTR)text);
    return result;
}

} // namespace testing_values
