// The warning that a file chosen for the page cannot be opened, in the
// interface language.
#pragma once

void WarnCannotOpenFile(const char* lpszFile);
