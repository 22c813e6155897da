// Loads the shell icons the side bar shows first on a thread of its own,
// while the author still chooses a project: the shell makes each icon the
// first time it is asked for, which takes longer than all the rest of the
// side bar. The icons land in the shell's image lists, which the side bar
// then finds filled.
#pragma once

#include "framework/String.h"

#include <atomic>
#include <memory>
#include <string>
#include <windows.h>

class CExplorerIconLoader
{
public:
    CExplorerIconLoader() = default;
    ~CExplorerIconLoader();
    CExplorerIconLoader(const CExplorerIconLoader&) = delete;
    CExplorerIconLoader& operator=(const CExplorerIconLoader&) = delete;

    // Starts loading the icons of the folder (a folder, closed and open, and
    // one entry of each type), then those of the Desktop, the computer and
    // its fixed drives. Once only.
    void Start(const CString& strFolder);
    // Ends the loading after the icon at hand and waits for it: from then on
    // only the caller's thread uses the image lists. An icon not loaded yet
    // is made when it is first shown, most of them never (the Desktop's and
    // the computer's lie above a deep folder, out of sight).
    void Stop();
    // Leaves out what would come after the folder's icons, without waiting:
    // a project is being shown, and the views ask for the icons above its
    // folder where they show them.
    void KeepToFolder();

private:
    struct Job
    {
        std::string strFolder;
        std::atomic<bool> bStop{false};
        std::atomic<bool> bFolderOnly{false};
    };
    static DWORD WINAPI Run(LPVOID pParam);
    static void LoadFolderIcons(const Job& job);

    HANDLE m_hThread = nullptr;
    std::shared_ptr<Job> m_pJob;
};
