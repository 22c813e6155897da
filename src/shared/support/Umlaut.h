// Lower-casing of paths and names that also folds the German capital umlauts,
// which the platform's 8-bit lower-casing leaves alone.
#pragma once

#include "framework/String.h"

// Lower-cases A to Z and turns the capital umlauts Ä, Ö, Ü into ä, ö, ü; every
// other byte (other accented capitals, ß) stays as it is.
void MakeLowerUmlaut(CString& str);
