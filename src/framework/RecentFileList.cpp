#include "framework/RecentFileList.h"

#include "framework/CmdUI.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSection(lpszSection), m_strEntryFormat(lpszEntryFormat), m_nSize(nSize)
{
}

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    if (lpszPathName == nullptr || *lpszPathName == '\0')
        return;
    // The file that heads the list already leaves the list, and the
    // registry that holds it, as they are.
    if (!m_files.IsEmpty() && m_files[0] == lpszPathName)
        return;
    for (INT_PTR i = 0; i < m_files.GetSize(); ++i)
    {
        if (m_files[i].CompareNoCase(lpszPathName) == 0)
        {
            m_files.RemoveAt(i);
            break;
        }
    }
    m_files.InsertAt(0, CString(lpszPathName));
    if (m_files.GetSize() > m_nSize)
        m_files.SetSize(m_nSize);
    WriteList();
}

void CRecentFileList::Remove(int nIndex)
{
    m_files.RemoveAt(nIndex);
    WriteList();
}

void CRecentFileList::ReadList()
{
    m_files.RemoveAll();
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < m_nSize; ++i)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        CString path = pApp->GetProfileString(m_strSection, entry);
        if (!path.IsEmpty())
            m_files.Add(path);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < m_nSize; ++i)
    {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        if (i < m_files.GetSize())
            pApp->WriteProfileString(m_strSection, entry, m_files[i]);
        else
            pApp->WriteProfileString(m_strSection, entry, nullptr);
    }
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == nullptr)
        return;
    if (m_files.IsEmpty())
    {
        // The placeholder stays, disabled, until a file was used.
        pCmdUI->Enable(FALSE);
        return;
    }
    for (int i = 0; i < m_nSize; ++i)
        pMenu->DeleteMenu(pCmdUI->m_nID + (UINT)i, MF_BYCOMMAND);
    for (INT_PTR i = 0; i < m_files.GetSize(); ++i)
    {
        CString text;
        text.Format("&%d %s", (int)(i + 1) % 10, (LPCSTR)m_files[i]);
        // '&' in a path would make the next letter a mnemonic.
        CString item;
        for (int k = 0; k < text.GetLength(); ++k)
        {
            item += text[k];
            if (text[k] == '&' && k > 0)
                item += '&';
        }
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, m_nStart + (UINT)i, item);
    }
    // The menu walk goes on after the last entry added.
    --pCmdUI->m_nIndex;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}
