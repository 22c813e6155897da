// Reading the popup menu a right click opens: a thread timer reads the open
// menu's entries and closes it, so the click's modal menu loop ends.
#pragma once

#include "framework/Afx.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace toolkit_test {

// The popup menu shown on the screen, or nullptr while none is.
inline HMENU FindOpenPopupMenu()
{
    HWND hWndPopup = ::FindWindowA("#32768", nullptr);
    if (hWndPopup == nullptr || !::IsWindowVisible(hWndPopup))
        return nullptr;
    return (HMENU)::SendMessageA(hWndPopup, MN_GETHMENU, 0, 0);
}

// What the timer saw of the context menu: "id text [x]" an entry, [x] when
// checked; each command's state; where the menu's window stood.
struct ContextMenuSeen
{
    static inline ContextMenuSeen* pActive = nullptr;
    BOOL bSeen = FALSE;
    std::vector<std::string> entries;
    std::map<UINT, UINT> states;
    CPoint ptTopLeft;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        HMENU hMenu = FindOpenPopupMenu();
        if (hMenu == nullptr || pActive->bSeen)
            return;
        for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
        {
            char szText[64] = "";
            ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
            const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
            pActive->entries.push_back(std::to_string(::GetMenuItemID(hMenu, i)) + " " + szText +
                                       ((nState & MF_CHECKED) ? " [x]" : ""));
            pActive->states[::GetMenuItemID(hMenu, i)] = nState;
        }
        CRect rect;
        ::GetWindowRect(::FindWindowA("#32768", nullptr), &rect);
        pActive->ptTopLeft = rect.TopLeft();
        pActive->bSeen = TRUE;
        ::EndMenu();
    }
};

// The popup menu an action opened (bSeen FALSE when none opened).
inline ContextMenuSeen MenuOpenedBy(const std::function<void()>& action)
{
    ContextMenuSeen seen;
    ContextMenuSeen::pActive = &seen;
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 30, &ContextMenuSeen::OnTimer);
    action();
    ::KillTimer(nullptr, nTimer);
    ContextMenuSeen::pActive = nullptr;
    return seen;
}

// A right click on the window and the context menu it opened.
inline ContextMenuSeen RightClickMenu(CWnd& wnd)
{
    return MenuOpenedBy([&wnd] { wnd.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5)); });
}

} // namespace toolkit_test
