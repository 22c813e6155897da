// The shell's icon of an item, asked once per kind of item: a look-up costs
// the shell a few milliseconds (it binds the item, reads the registry and
// looks into the folder), while most items of a folder share their icon
// with every other item of their type. Files whose icon is their own (a
// program, an icon file, a shortcut) and folders that may name an icon of
// their own are asked one by one.
#pragma once

#include "toolkit/controls/XTShellPidl.h"

#include "framework/String.h"

#include <map>

class CXTShellIconCache
{
public:
    // The index in the system image list of the item's icon, as the shell
    // gives it for the flags (SHGFI_PIDL | SHGFI_SYSICONINDEX and more).
    // ulAttribs are the item's shell attributes, SFGAO_FILESYSTEM and
    // SFGAO_FOLDER among them; the item's path may be given where the caller
    // knows it (else it is asked of the shell).
    int GetIcon(LPCITEMIDLIST lpifq, ULONG ulAttribs, UINT uFlags, LPCSTR lpszPath = nullptr);
    void Clear() { m_mapIcons.clear(); }

    // The key the icon of a file-system object is shared under; empty when
    // the object's icon is its own. bHasOwnIconType tells whether files of
    // the extension (".exe", lower case) show an icon of their own.
    static CString KeyOf(const CString& strPath, BOOL bFolder, DWORD dwFileAttributes, BOOL bHasOwnIconType);
    // Whether the files of the extension show an icon each of their own:
    // the known kinds, and a type whose icon the registry takes from the file.
    static BOOL HasOwnIconType(const CString& strExtension);

private:
    std::map<CString, int> m_mapIcons;        // by flags and key
    std::map<CString, BOOL> m_mapOwnIconTypes;   // by extension
};
