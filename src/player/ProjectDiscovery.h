// How the player finds the project it plays: a ".ini" file named on the command
// line, else the ".ini" file that autorun.inf beside the program names, else
// "Velconf.ini" beside the program.
#pragma once

#include "framework/String.h"

class CProjectSettings;

// The project that autorun.inf in the program folder names, when that file
// exists, holds more than 20 bytes and begins like a project; else empty.
CString FindAutorunProject(const CString& strAppFolder);

// Whether the first bytes of a file look like a project: after at most a
// byte-order mark and blanks they begin with "[tarnix" in any letter case.
bool HasProjectHead(const char* pBytes, int nCount);

// The project file a name stands for: names that do not end in ".ini" give
// empty; a name without a folder lies in the program folder.
CString ProjectFileFromName(const CString& strName, const CString& strAppFolder);

// Picks the project from the command line's file name (empty when none was
// given), autorun.inf or the default, points the settings at it and returns
// its full path. Only the default project makes the program folder current.
CString SelectProject(const CString& strCmdLineFile, const CString& strAppFolder, CProjectSettings& settings);

// Sets the interface language from [TarnixPro] LANGUAGE of the project.
void ReadInterfaceLanguage(CProjectSettings& settings, void* pLoadOwner);
