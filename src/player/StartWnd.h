// The start window: the modal dialog the view runs for the whole program. It
// covers the screen in the desktop colour when the page asks for it (else it
// stays out of sight over the hidden main frame), shows the welcome window for
// its time, creates the menu window and ends when the menu window is gone.
#pragma once

#include "framework/Dialog.h"

class CBrush;
class CMenuDlg;
class CPictureDlg;
class CTarnixDoc;

class CStartWnd : public CDialog
{
    DECLARE_DYNAMIC(CStartWnd)
public:
    // Construction
    explicit CStartWnd(CWnd* pParent = nullptr);
    ~CStartWnd() override;

    // Operations
    // Called by the menu window once its window is destroyed.
    void MenuClosed();
    BOOL DestroyWindow() override;

    // Commands the window posts itself.
    static constexpr UINT ID_CREATE_MENU = 116;
    static constexpr UINT ID_SHOW_MENU = 104;
    static constexpr UINT ID_NOTHING = 102;
    static constexpr UINT kWelcomeTimer = 1;

    // Attributes, set by the caller before the dialog runs
    int m_bFirstPaintDone;
    CBrush* m_pDesktopBrush;       // not owned
    CTarnixDoc* m_pDoc;            // not owned
    int m_nFrameX;                 // placement of the hidden main frame
    int m_nFrameY;
    int m_nFrameW;
    int m_nFrameH;
    CMenuDlg* m_pMenuDlg;          // the menu window; it deletes itself with its window
    CPictureDlg* m_pWelcome;       // owned while it exists
    UINT_PTR m_nWelcomeTimer;
    int m_bMenuCreated;
    int m_bMenuGone;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // void OnPaint()
    void OnPaint();
    // void OnTimer(UINT_PTR nIDEvent)
    void OnTimer(UINT_PTR nIDEvent);
    // void OnDestroy()
    void OnDestroy();
    // void OnSetFocus(CWnd* pOldWnd)
    void OnSetFocus(CWnd* pOldWnd);
    // LRESULT OnMenuChoice(WPARAM wParam, LPARAM lParam)
    LRESULT OnMenuChoice(WPARAM wParam, LPARAM lParam);
    void OnCreateMenu();
    void OnShowMenu();
    void OnNothing() {}

    DECLARE_MESSAGE_MAP()

private:
    void ShowWelcome();
    void DeleteWelcome();
    void DeleteMenu();
};
