// The menu window the user sees: sized and shaped from the page's window
// settings, it holds the page's objects, paints the background and the
// objects off screen, plays the background and button sounds, runs the start
// events, shows videos, changes pages, opens popup menus and the context menu,
// runs the script list box and ends the
// program when it closes. The start window creates it; it deletes itself once
// its window is gone.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/Dialog.h"
#include "framework/Rgn.h"
#include "player/PlayerObjWndProgram.h"
#include "player/PopupMenuDef.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/ToolTip.h"
#include "shared/support/ButtonSounds.h"
#include "shared/support/SoundObject.h"

class CButton;
class CStartWnd;
class CTarnixDoc;

// The record an object window sends with WM_TARNIX_OBJNOTIFY; its first
// fields are those of the clip windows' input record.
struct MOBJ_NOTIFY
{
    HWND hWnd;
    UINT nID;
    int nCode;
    int x;
    int y;
};

// Its codes that the menu window acts on (control ids from 5000 on only).
const int NM_MBOJ_EXECUTE_RDY = -8;   // the execution is done
const int NM_MBOJ_EXECUTE = -9;       // a button is about to execute
const int NM_MBOJ_CLICKSOUND = -10;
const int NM_MBOJ_OVERSOUND = -11;

class CMenuDlg : public CDialog
{
    DECLARE_DYNAMIC(CMenuDlg)
public:
    // Construction: the template (with or without border) and the start window.
    CMenuDlg(UINT nTemplate, CStartWnd* pStartWnd);
    ~CMenuDlg() override;

    // Creates the window hidden; FALSE without a start window.
    using CDialog::Create;
    BOOL Create();

    // Operations
    // Plays the video in the video dialog; ignored while one plays.
    void PlayVideo(LPCSTR lpszPath, int nMode);
    void StartBgSound();
    void PauseBgSound();
    void ResumeBgSound();
    void CloseBgSound();
    // Stops the action sound; an empty name then pauses the background sound,
    // a file is played once.
    void PlayActionSound(LPCSTR lpszFile);
    // Shows the page of the project file (enclosing double quotes allowed).
    void ChangePage(LPCSTR lpszPath);
    // Runs the page's start program, else opens its start document.
    void RunStartEvents();
    // Builds the page's objects, default button, info box and sounds.
    void BuildPage();
    // The popup entries of the context menu: the captions of the visible
    // buttons that have one.
    CStringArray& ContextCaptions(CStringArray& captions) const;
    // Runs the button of context menu entry k; FALSE when there is none.
    BOOL RunContextButton(int k);
    // Every script list box of the page starts its selected entry.
    void RunListBoxes();
    BOOL DestroyWindow() override;

    // Commands
    static constexpr UINT ID_BG_SOUND = 102;
    static constexpr UINT ID_CLOSE_MENU = 108;
    static constexpr UINT ID_BUILD_PAGE = 112;
    static constexpr UINT ID_START_CLIPS = 115;
    static constexpr UINT ID_START_EVENTS = 121;
    static constexpr UINT ID_DEFAULT_BUTTON = 4999;
    static constexpr UINT ID_LISTBOX = 5025;
    static constexpr int kFirstObjectID = 5000;
    static constexpr int kMaxObjects = 27;
    static constexpr int kMaxPath = 299;

    // Attributes
    CTarnixDoc* m_pDoc;            // set by the start window; not owned
    CStartWnd* m_pStartWnd;
    UINT m_nTemplate;
    int m_bCreating;
    int m_bPainted;
    CBrush m_brBackground;
    CRgn m_rgnWindow;
    CMenuObjects m_objects;
    CToolTip m_infoBox;
    int m_bInfoShown;
    CSoundObject m_bgSound;
    int m_nBgSoundId;
    int m_bBgSoundPaused;
    int m_bBgSoundStarted;
    int m_bBgSoundRetry;           // failed while hidden: tried again, with its error, once shown
    int m_nActionSoundId;
    CButtonSounds m_buttonSounds;
    CButton* m_pDefaultButton;     // owned
    CPopupMenuDef* m_pPopupMenu;   // the popup being shown; null before the first
    int m_bPopupActive;
    int m_bVideoRunning;
    int m_bStartEventsDone;
    int m_bDragging;
    CPoint m_ptDragStart;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    void OnCancel() override;
    void OnOK() override;

    // int OnCreate(LPCREATESTRUCT)
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // void OnShowWindow(BOOL bShow, UINT nStatus)
    void OnShowWindow(BOOL bShow, UINT nStatus);
    // void OnPaint()
    void OnPaint();
    // BOOL OnEraseBkgnd(CDC* pDC)
    BOOL OnEraseBkgnd(CDC* pDC);
    // void OnClose()
    void OnClose();
    // void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    // void OnMove(int x, int y)
    void OnMove(int x, int y);
    // void OnContextMenu(CWnd* pWnd, CPoint pos)
    void OnContextMenu(CWnd* pWnd, CPoint pos);
    // void OnCaptureChanged(CWnd* pWnd)
    void OnCaptureChanged(CWnd* pWnd);
    // LRESULT OnXxx(WPARAM wParam, LPARAM lParam)
    LRESULT OnPlayVideoMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnActionSoundMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowPageMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChoice(WPARAM wParam, LPARAM lParam);
    LRESULT OnCloseSoundMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnObjNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnRunListBoxMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnShowPopupMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnMciNotify(WPARAM wParam, LPARAM lParam);
    // void OnXxx()
    void OnBgSound();
    void OnCloseMenu();
    void OnBuildPage();
    // The player's pages hold no video clips, so there is nothing to start.
    void OnStartClips() {}
    void OnStartEvents();
    void OnButtonClicked();
    void OnDefaultButton();
    void OnListBoxHint();

    DECLARE_MESSAGE_MAP()

private:
    void PlaceWindow();
    void PlaceWindowBySize();
    void ShowPageIcons();
    void HideObjectWindows();
    void SetUpInfoBox();
    void AddObjects();
    void RegisterPopupMenus();
    void ReleasePopupMenus();
    void RenderBackground(CDC* pDC, const CRect& client);
    BOOL HandleMouse(MSG* pMsg);
    void EndDrag();
    void CloseActionSound();

    CBitmap m_bmBackground;        // the cached background picture of the client size
    BOOL m_bBackgroundStale;
    CBitmap m_bmPaint;             // the off-screen surface, kept while the client size stays
    CSize m_sizePaint;
    CPlayerObjWndProgram m_program;
    CObjWndProgram* m_pPreviousProgram;
    CPopupMenuDef m_popupDef;      // what m_pPopupMenu points to
};
