// Text replacement and the escaping of texts put into a "mailto:" address.
#pragma once

#include "framework/String.h"

// Replaces every occurrence of the search text, in place. With bIgnoreCase
// text and search are lower-cased first (German capital umlauts folded), so
// the result is the lower-cased text with the replacements. The scan starts
// again from the beginning after each replacement, unless the replacement
// holds the search text itself; then it goes on behind the replacement. An
// empty search text changes nothing.
void ReplaceAllText(CString& strText, LPCSTR lpszSearch, LPCSTR lpszReplacement, BOOL bIgnoreCase);

// Escapes the German umlauts, sharp s and the colon (cp1252 bytes) as %XX;
// nothing else.
void EscapeMailText(CString& strText);
