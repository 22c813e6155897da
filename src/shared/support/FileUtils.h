// Small operations on file paths: copying a file into a folder or over another
// file, the folder part of a path, existence, and a writable temporary folder
// in its long-name form. The editor lays out project folders with them.
#pragma once

#include "framework/String.h"

#include <string>

// Copies folder\name (just the name when the source folder is empty) to
// target\name, replacing a file there. TRUE when the whole file, at least one
// byte, was copied; a missing or empty source gives FALSE. A file is never
// copied onto itself.
BOOL CopyFileToFolder(const CString& strFileName, const CString& strSourceFolder, const CString& strTargetFolder);

// Copies the source file over the target path. With bAsk and an existing
// target the user is asked first (in German for the language letter 'G', else
// in English); any answer but Yes copies nothing and gives FALSE.
BOOL CopyFileAsk(const CString& strTargetPath, const CString& strSourcePath, BOOL bAsk, char chLanguage);

// The text before the last backslash, when the path has a backslash after its
// first character; otherwise strFolder is left as it was.
void GetFolderPart(const CString& strPath, CString& strFolder);

// TRUE when a file or folder of that path exists.
BOOL FileExists(const CString& strPath);

// The folder of "TEMP" (else "TMP") as it stands, and its long-name form when
// that can be written to (else the folder again). FALSE, with both empty, when
// neither variable is set or the folder cannot be written to.
BOOL GetTempFolder(CString& strFolder, CString& strLongFolder);

// The path with every name after the drive replaced by the name the shell
// shows for it (which may hide a file's extension). FALSE, with an empty
// result, for a path without a backslash.
BOOL MakeLongPath(const CString& strPath, CString& strLongPath);

// The whole file's bytes; FALSE, with strBytes empty, when it cannot be opened
// or read, or holds more than nMaxSize bytes.
BOOL ReadFileBytes(LPCSTR lpszPath, std::string& strBytes, ULONGLONG nMaxSize);

// Writes the bytes as the whole new file; FALSE when any of them was not written.
BOOL WriteFileBytes(LPCSTR lpszPath, const std::string& strBytes);
