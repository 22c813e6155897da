// The application's main window while it lives, for tests of popup menus:
// it records the entries of every popup menu that opens for it and closes
// the menu from a timer once it is on the screen.
#pragma once

#include "framework/Afx.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace menuobj_testing {

typedef std::vector<std::pair<UINT, std::string>> MenuEntries;

class CPopupMenuWatcher : public CWnd
{
public:
    CPopupMenuWatcher()
    {
        EXPECT_TRUE(CreateEx(0, nullptr, "Page", WS_POPUP, 100, 80, 300, 200, nullptr, nullptr));
        m_pPrevious = AfxGetApp()->m_pMainWnd;
        AfxGetApp()->m_pMainWnd = this;
    }
    ~CPopupMenuWatcher() override
    {
        AfxGetApp()->m_pMainWnd = m_pPrevious;
        DestroyWindow();
    }
    CPopupMenuWatcher(const CPopupMenuWatcher&) = delete;
    CPopupMenuWatcher& operator=(const CPopupMenuWatcher&) = delete;

    // Runs showMenu, which shows a popup menu and returns when it closes.
    template <class ShowMenu> void Track(ShowMenu showMenu)
    {
        SetTimer(1, 50);
        showMenu();
        KillTimer(1);
    }

    int nPopups = 0;
    MenuEntries entries;
    CRect rcMenu;

protected:
    void OnInitMenuPopup(CMenu* pMenu, UINT /*nIndex*/, BOOL /*bSysMenu*/)
    {
        ++nPopups;
        HMENU hMenu = pMenu->m_hMenu;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[100] = "";
            ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            entries.emplace_back(::GetMenuItemID(hMenu, i), szText);
        }
    }
    void OnTimer(UINT_PTR /*nIDEvent*/)
    {
        if (HWND hMenuWnd = ::FindWindowA("#32768", nullptr))
            ::GetWindowRect(hMenuWnd, rcMenu);
        ::EndMenu();
    }

    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pPrevious;
};

// Inline: the header serves more than one test executable.
inline BEGIN_MESSAGE_MAP(CPopupMenuWatcher, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace menuobj_testing
