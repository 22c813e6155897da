// Text helpers of the toolkit's menus and bars.
#pragma once

#include "framework/String.h"

// Removes mnemonic marks: every single "&" goes, every "&&" stays.
void StripMnemonicAmpersands(CString& strText);
// The text after the first backslash; empty for a null or empty text or one
// without a backslash.
CString GetTextAfterBackslash(LPCSTR pszText);
