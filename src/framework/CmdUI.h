// The state of one command in a menu or a bar, set by its update handler.
#pragma once

#include "framework/CmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;
    UINT m_nIndex;
    CMenu* m_pMenu;         // the menu being updated, or NULL
    CMenu* m_pSubMenu;      // the sub-menu at m_nIndex, if any
    CWnd* m_pOther;         // the bar or control being updated, or NULL
    UINT m_nIndexMax;
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Runs the update handler of the target (routing as commands route);
    // without one, the item is disabled when bDisableIfNoHndler and the
    // command has no handler either.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Updates every item of a popup menu through the target's routing.
void AfxUpdateMenuItems(CMenu* pPopupMenu, CCmdTarget* pTarget, BOOL bDisableIfNoHndler = TRUE);
