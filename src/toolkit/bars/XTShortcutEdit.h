// The edit that captures a shortcut: the modifiers held and one key, shown as
// "Ctrl+Alt+Shift+K". A further key starts over; Backspace clears; leaving it
// with only a modifier held clears it.
#pragma once

#include "framework/Edit.h"

class CXTShortcutEdit : public CEdit
{
public:
    // FALSE while no key is held.
    BOOL GetKey(WORD& wKey, BOOL& bCtrl, BOOL& bAlt, BOOL& bShift) const;
    void Clear();

protected:
    BOOL m_bShift = FALSE, m_bCtrl = FALSE, m_bAlt = FALSE;
    WORD m_wKey = 0;
    BOOL m_bKeySet = FALSE;

    void UpdateText();
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
