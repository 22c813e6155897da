// The settings source of a project file, with the ways the two programs open it.
#pragma once

#include "shared/support/ProfileSource.h"

class CProjectFiles : public CProfileSource
{
    DECLARE_DYNAMIC(CProjectFiles)
public:
    // The player's way: always INI file mode on the name. A context pointer asks
    // for memory text first, which has nothing to load and gives way at once.
    BOOL Open(LPCSTR lpszFileName, void* pContext);
    // The editor's way: the whole file from memory when it carries the head
    // section, else INI file mode on the name with its sections read once.
    // Both answer alike. Always TRUE.
    BOOL OpenWholeFileFirst(LPCSTR lpszFileName);
    void Close() { CProfileSource::Close(); }
};
