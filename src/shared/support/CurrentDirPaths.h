// Paths stored with "_CURRENTDIR_": a file inside the project folder is stored
// as the placeholder and the rest of its path, so that the finished medium
// finds it wherever it is mounted. The player's settings and the editor's
// writer contract paths through these; they differ only in which names they
// leave alone.
#pragma once

#include "framework/String.h"

// The folder as stored paths carry it: no trailing backslash (a drive root
// neither), since the rest of a stored path brings one.
CString FolderForStoredPaths(CString strFolder);

// Whether the path lies in the folder: it begins with the folder, compared with
// the German capital umlauts folded, and a backslash or the end follows, so
// "c:\proj" is no part of "c:\project2\a.wav".
BOOL IsPathInFolder(const CString& strPath, const CString& strFolder);

// Rewrites a path inside the folder as "_CURRENTDIR_\rest" and answers TRUE; a
// relative name counts from the folder ("." names from the current folder),
// names beginning with a backslash (network or rooted paths) stand as they
// are. A path outside the folder is left as it is (FALSE).
BOOL ContractToCurrentDir(CString& strPath, const CString& strFolder);

// The warning that a file lies outside the project folder: string 175 of the
// resource module when it has one (the editor's), else the German text; once
// per path in a program's run.
void WarnFileOutsideProject(const CString& strPath);
