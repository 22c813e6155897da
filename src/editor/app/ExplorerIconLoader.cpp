#include "editor/app/ExplorerIconLoader.h"

#include "toolkit/controls/XTShellIconCache.h"

#include <objbase.h>
#include <memory>
#include <set>
#include <string>
#include <shlobj.h>

namespace {

// Entries of the folder beyond these are rarely on the first screen.
const int kMostEntries = 64;
const UINT kSmallIcon = SHGFI_SYSICONINDEX | SHGFI_SMALLICON;

void LoadIcon(LPCSTR lpszPath, UINT uFlags)
{
    SHFILEINFOA sfi = {};
    ::SHGetFileInfoA(lpszPath, 0, &sfi, sizeof(sfi), uFlags);
}

void LoadSpecialFolderIcons(int nFolder, const std::atomic<bool>& bStop)
{
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, nFolder, &pidl)))
        return;
    LoadIcon((LPCSTR)pidl, SHGFI_PIDL | kSmallIcon);
    if (!bStop)
        LoadIcon((LPCSTR)pidl, SHGFI_PIDL | kSmallIcon | SHGFI_OPENICON);
    ::CoTaskMemFree(pidl);
}

} // namespace

CExplorerIconLoader::~CExplorerIconLoader()
{
    // A thread still at work (a folder that does not answer) ends with the process.
    if (m_hThread != nullptr)
        ::CloseHandle(m_hThread);
}

void CExplorerIconLoader::Start(const CString& strFolder)
{
    if (m_pJob != nullptr)
        return;
    // The thread holds the job too: it may outlive this object.
    m_pJob = std::make_shared<Job>();
    m_pJob->strFolder = (LPCSTR)strFolder;
    auto* pJob = new std::shared_ptr<Job>(m_pJob);
    m_hThread = ::CreateThread(nullptr, 0, Run, pJob, 0, nullptr);
    if (m_hThread == nullptr)
        delete pJob;
    else
        ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
}

void CExplorerIconLoader::Stop()
{
    if (m_hThread == nullptr)
        return;
    m_pJob->bStop = true;
    ::WaitForSingleObject(m_hThread, INFINITE);
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
}

void CExplorerIconLoader::KeepToFolder()
{
    if (m_pJob != nullptr)
        m_pJob->bFolderOnly = true;
}

DWORD WINAPI CExplorerIconLoader::Run(LPVOID pParam)
{
    std::unique_ptr<std::shared_ptr<Job>> pHeld(static_cast<std::shared_ptr<Job>*>(pParam));
    const Job& job = **pHeld;
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // Each icon costs the shell as much as the rest of the side bar: those
    // sure to be seen come first. The image lists the views take (made by the
    // first question), the project's folders and files, then what the tree
    // shows above a folder near a drive's root.
    LoadIcon("C:\\", kSmallIcon);
    if (!job.bStop)
        LoadIcon("C:\\", SHGFI_SYSICONINDEX | SHGFI_LARGEICON);
    if (!job.strFolder.empty() && !job.bStop)
        LoadFolderIcons(job);
    if (!job.bStop && !job.bFolderOnly)
        LoadSpecialFolderIcons(CSIDL_DESKTOP, job.bStop);
    if (!job.bStop && !job.bFolderOnly)
        LoadSpecialFolderIcons(CSIDL_DRIVES, job.bStop);
    const DWORD dwDrives = ::GetLogicalDrives();
    for (int nDrive = 0; nDrive < 26 && !job.bStop && !job.bFolderOnly; ++nDrive)
    {
        char szRoot[] = { char('A' + nDrive), ':', '\\', '\0' };
        // Removable and network drives may keep the thread waiting.
        if ((dwDrives & (1u << nDrive)) && ::GetDriveTypeA(szRoot) == DRIVE_FIXED)
            LoadIcon(szRoot, kSmallIcon);
    }
    if (SUCCEEDED(hr))
        ::CoUninitialize();
    return 0;
}

void CExplorerIconLoader::LoadFolderIcons(const Job& job)
{
    // A folder, closed and open, as the tree shows the folders on the way:
    // the views ask the shell once for all plain folders.
    const CString strFolder = job.strFolder.c_str();
    LoadIcon(strFolder, kSmallIcon);
    if (job.bStop)
        return;
    LoadIcon(strFolder, kSmallIcon | SHGFI_OPENICON);
    // One file of each type, and each file with an icon of its own.
    std::set<CString> types;
    WIN32_FIND_DATAA fd = {};
    HANDLE hFind = ::FindFirstFileA(strFolder + "\\*", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    int nEntries = 0;
    do
    {
        if (strcmp(fd.cFileName, ".") == 0 || strcmp(fd.cFileName, "..") == 0)
            continue;
        const CString strName = fd.cFileName;
        const int nDot = strName.ReverseFind('.');
        CString strType = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CString("\\")
                          : nDot >= 0                                       ? strName.Mid(nDot)
                                                                            : CString();
        strType.MakeLower();
        if (types.insert(strType).second || CXTShellIconCache::HasOwnIconType(strType))
        {
            LoadIcon(strFolder + "\\" + strName, kSmallIcon);
            ++nEntries;
        }
    } while (nEntries < kMostEntries && !job.bStop && ::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
}
