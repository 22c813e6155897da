// The tool bar's own record of one button of its control: the control's
// entry as last loaded, and what the control cannot hold (an attached child
// control, a drop-down record and how the control's font is chosen).
#pragma once

#include "toolkit/frame/XTButtonInfo.h"

#include <windows.h>
#include <commctrl.h>

class CWnd;

class CXTToolBarButton
{
public:
    explicit CXTToolBarButton(const TBBUTTON& button) : m_button(button) {}
    ~CXTToolBarButton()
    {
        if (m_bOwnsDropDown)
            delete m_pDropDown;
    }
    CXTToolBarButton(const CXTToolBarButton&) = delete;
    CXTToolBarButton& operator=(const CXTToolBarButton&) = delete;

    // Links a drop-down record; an owned one is deleted with the button.
    void SetDropDown(CXTButtonInfo* pInfo, BOOL bOwns)
    {
        if (m_bOwnsDropDown && m_pDropDown != pInfo)
            delete m_pDropDown;
        m_pDropDown = pInfo;
        m_bOwnsDropDown = bOwns;
    }
    CXTButtonInfo* GetDropDown() const { return m_pDropDown; }

    TBBUTTON m_button;
    CWnd* m_pControl = nullptr;     // the child control placed on this separator
    BOOL m_bAltFont = FALSE;        // the control takes the bar's alternative font
    BOOL m_bHiddenAtLoad = FALSE;

private:
    CXTButtonInfo* m_pDropDown = nullptr;
    BOOL m_bOwnsDropDown = TRUE;
};
