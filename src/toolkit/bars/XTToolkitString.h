// Texts of the toolkit's string table.
#pragma once

#include "framework/String.h"

// The string from the toolkit's resource module; the fallback where a
// program's resources lack the toolkit's table.
CString LoadToolkitString(UINT nID, LPCSTR pszFallback);
// The section of the toolkit's stored settings: "Settings".
CString GetToolkitSettingsSection();
