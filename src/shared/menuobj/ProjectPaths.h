// Paths of a project's files as the editor stores them: a file inside the
// project folder is written as "_CURRENTDIR_" and the rest of its path, so that
// the finished medium finds it wherever it is mounted.
#pragma once

#include "framework/String.h"
#include "shared/support/CurrentDirPaths.h"

// Rewrites a path inside the project folder as "_CURRENTDIR_\rest", whether or
// not the file exists yet: a name read as "_CURRENTDIR_\..." and expanded must
// not be written back absolute. A relative name counts from the project folder
// ("." names from the current folder). A path outside the folder stays as it is;
// with bWarn an existing file there is reported once in a warning box.
void ContractProjectPath(CString& strPath, const CString& strFolder, BOOL bWarn);

// The absolute path of a stored name: "_CURRENTDIR_\x", "\x", ".\x" and "x" lie
// in the folder; a path with a drive stays; an empty name leaves strOut as it is.
void ResolveProjectPath(const CString& strIn, CString& strOut, const CString& strFolder);
