// Choosing a file of the project: the open-file dialog, then the checks of the
// file edits (allowed type, inside the project folder), whose messages tell
// the author why a file was refused.
#pragma once

#include "framework/String.h"

class CWnd;

enum ProjectFileChoice
{
    PROJECT_FILE_CANCELLED,   // no file chosen
    PROJECT_FILE_REFUSED,     // chosen, but of a wrong type or outside the folder
    PROJECT_FILE_ACCEPTED,
};

// Opens the file dialog in the project folder; a chosen path goes into
// strPath whether or not the checks accept it.
ProjectFileChoice ChooseProjectFile(CWnd* pParent, LPCSTR lpszFilter, LPCSTR lpszDefExt, const CString& strTypes,
                                    const CString& strProjectFolder, CString& strPath);
