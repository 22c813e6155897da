// The small bar above an edit list: its caption and four flat buttons, New,
// Delete, Move Item Up and Move Item Down, that command the list.
#pragma once

#include "toolkit/controls/XTButton.h"

#include "framework/ImageList.h"
#include "framework/Static.h"
#include "framework/ToolTipCtrl.h"

class CXTEditListBox;

class CXTEditGroup : public CStatic
{
    DECLARE_DYNAMIC(CXTEditGroup)
public:
    enum { ButtonCount = 4, ButtonWidth = 22 };

    // Construction
    CXTEditGroup();
    ~CXTEditGroup() override;
    // Makes the buttons, their tips and the layout for the list.
    BOOL Init(CXTEditListBox* pListBox);

    // The place of button i (0 New .. 3 Move Item Down) in a client area.
    static CRect ButtonRect(const CRect& rcClient, int nButton);
    CXTButton& GetButton(int nButton) { return m_buttons[nButton]; }

protected:
    void MoveButtons();
    void SendToList(UINT nCode);

    void OnNew();
    void OnDelete();
    void OnMoveUp();
    void OnMoveDown();
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnEnable(BOOL bEnable);
    void OnShowWindow(BOOL bShow, UINT nStatus);

    CXTEditListBox* m_pListBox;
    CXTButton m_buttons[ButtonCount];
    CImageList m_imageList;
    CToolTipCtrl m_tooltip;

    DECLARE_MESSAGE_MAP()
};
