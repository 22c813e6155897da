// Font and colour of a hypertext button when idle, under the mouse and pressed.
#pragma once

#include "framework/Dialog.h"
#include "editor/dialogs/DialogHelpers.h"
#include "shared/support/FontDesc.h"

class CHypertextButtonDlg : public CDialog
{
    DECLARE_DYNAMIC(CHypertextButtonDlg)
public:
    explicit CHypertextButtonDlg(CWnd* pParentWnd = nullptr);

    CFontDesc m_idleFont;
    CFontDesc m_overFont;
    CFontDesc m_downFont;

protected:
    void OnIdleFont() { ChooseFontFor(m_idleFont, FALSE); }
    void OnIdleColor() { ChooseColorFor(this, m_idleFont.m_crColor); }
    void OnOverFont() { ChooseFontFor(m_overFont, FALSE); }
    void OnOverColor() { ChooseColorFor(this, m_overFont.m_crColor); }
    void OnDownFont() { ChooseFontFor(m_downFont, FALSE); }
    void OnDownColor() { ChooseColorFor(this, m_downFont.m_crColor); }
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
