// Loads the shell icons the side bar shows first on a thread of its own,
// while the author still chooses a project: the shell makes each icon the
// first time it is asked for, which takes longer than all the rest of the
// side bar. The icons land in the shell's image lists, which the side bar
// then finds filled.
#pragma once

#include "framework/String.h"

#include <windows.h>

class CExplorerIconLoader
{
public:
    CExplorerIconLoader() = default;
    ~CExplorerIconLoader();
    CExplorerIconLoader(const CExplorerIconLoader&) = delete;
    CExplorerIconLoader& operator=(const CExplorerIconLoader&) = delete;

    // Starts loading the icons of the folder (its ancestors, the folder and
    // its entries) with those of the Desktop, the computer and its fixed
    // drives. Once only.
    void Start(const CString& strFolder);
    // Waits until the loading is done: from then on only the caller's
    // thread uses the image lists.
    void Wait();

private:
    static DWORD WINAPI Run(LPVOID pParam);
    static void LoadFolderIcons(const CString& strFolder);

    HANDLE m_hThread = nullptr;
};
