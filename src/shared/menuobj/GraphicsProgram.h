// Opens a picture in the graphics program the user works with.
#pragma once

#include "framework/String.h"

#include <functional>

class CWnd;

// Asks the user for a graphics program; the program's path or empty.
typedef std::function<CString()> GraphicsProgramChooser;

// Starts the graphics program with the file: the program stored under
// SETTINGS/GRAFIKPATH, else the one the system opens BMP files with (which is
// then stored), else the one chooseProgram asks for (not stored). Without a
// program nothing happens. The system is asked about a ".bmp" file that
// makeProbeFile makes (the caller's temporary file) or, without it, one made in
// the temporary folder; the file is deleted after the question.
void OpenInGraphicsProgram(CWnd* pOwner, const CString& strFile, const GraphicsProgramChooser& chooseProgram,
                           const std::function<CString()>& makeProbeFile = {});
