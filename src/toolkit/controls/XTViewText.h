// Texts and comparisons of the toolkit's list, tree and shell views: the text
// search of the tree, the stored column widths of the lists, the size and date
// columns of the shell list and the typed column comparisons.
#pragma once

#include "framework/String.h"

#include <vector>

// TRUE when strFind occurs in strText. Without bCaseSensitive both are
// compared lower-cased; with bWholeWord an occurrence that has a letter, digit
// or '_' right before or after it does not count and the search goes on.
BOOL XTTextContains(LPCSTR pszText, LPCSTR pszFind, BOOL bCaseSensitive, BOOL bWholeWord);

// The integer in field nField (from 0) of a ","-separated list; 0 when the
// field is absent or not numeric.
int XTGetListField(LPCSTR pszList, int nField);
// "%d," once per width: 120, 80, 200 gives "120,80,200,".
CString XTFormatColumnWidths(const std::vector<int>& widths);

// The shell list's size column of a file: whole kilobytes of (size + 1024).
CString XTFormatFileSizeKB(ULONGLONG nBytes);
// The shell list's modified column: the time in local time as "12/31/99 11:30 PM".
CString XTFormatFileTime(const FILETIME& ftUtc);

// Column types of the typed sorts.
enum XTSortType
{
    xtSortInt = 1,      // leading integer of the text
    xtSortString = 2,   // case-insensitive text
    xtSortDate = 3,     // date and time in the user's format
    xtSortDecimal = 4,  // number with a fraction
};
// -1, 0 or 1 for a against b of the given type, ascending; text that does not
// parse as a date compares equal to anything.
int XTCompareTyped(LPCSTR pszA, LPCSTR pszB, int nType);
// The same for values known as numbers (file sizes, file times).
int XTCompareValues(LONGLONG a, LONGLONG b);
