// A list box whose items carry a check state (0 clear, 1 checked, 2
// indeterminate) beside their item data, and a check style. The states
// follow the items as they are added, inserted, deleted and cleared.
#pragma once

#include "framework/ListBox.h"

#include <vector>

// Sent to the parent in WM_COMMAND when the user changed a check.
#define CLBN_CHKCHANGE 40

class CXTCheckListBase : public CListBox
{
    DECLARE_DYNAMIC(CXTCheckListBase)
public:
    // Construction
    CXTCheckListBase();

    // Attributes
    // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE or BS_AUTO3STATE.
    void SetCheckStyle(UINT nStyle) { m_nCheckStyle = nStyle; }
    UINT GetCheckStyle() const { return m_nCheckStyle; }
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;

    // The check a user's click gives an item: the auto styles advance it, the others keep it.
    static int NextCheck(UINT nCheckStyle, int nCheck);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    UINT m_nCheckStyle;
    std::vector<int> m_checks;
};
