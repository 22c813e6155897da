// The player's video dialog: the video centred in a child window, one button
// below it (Stop, then Close once the video has played to its end).
//
// The caller sets the file, the colour, auto close and show errors, then runs
// the dialog only when CheckFile and EnsureDevice both succeed.
#pragma once

#include "framework/Afx.h"
#include "player/MciMovie.h"

class CVideoDlg : public CDialog
{
    DECLARE_DYNAMIC(CVideoDlg)
public:
    // Construction
    explicit CVideoDlg(CWnd* pParent = nullptr);

    // Attributes
    CMciMovie m_movie;
    BOOL m_bAutoClose;             // end the dialog when the video has played
    BOOL m_bShowErrors;
    CString m_strVideoFile;        // may carry surrounding double quotes
    CBrush m_brBackground;
    COLORREF m_crBackground;
    BOOL m_bClosing;
    CWnd* m_pReferenceWnd;         // whose rectangle the dialog takes; none: the parent
    int m_nFileChecked;
    int m_nDeviceReady;

    // Operations
    // Whether the video file exists (a missing one is reported with show
    // errors set); a found file is remembered.
    int CheckFile();
    // Opens the video device; an open device is remembered.
    int EnsureDevice();

    // Layout: where the dialog goes for a video of the given size. Onto the
    // reference window when the video fits there with its margins; otherwise
    // just around the video, at the centre offsets of the main window's size
    // (at (0, 0) without a main window or when that is smaller).
    static CRect DialogRectFor(const CRect& reference, const CSize& video, const CRect* pMainWindow);
    // The video's place in the dialog's client area, above the button band.
    static CPoint VideoPosFor(const CSize& client, const CSize& video);
    // The button's place in the dialog's client area, centred near the bottom.
    static CRect ButtonRectFor(const CSize& client);

    static constexpr int kMarginX = 20;
    static constexpr int kMarginY = 50;
    static constexpr int kButtonBand = 30;
    static constexpr int kButtonWidth = 60;
    static constexpr int kButtonHeight = 26;

    // Commands the dialog posts itself: play once shown, end when the show failed.
    static constexpr UINT ID_VIDEO_PLAY = 1025;
    static constexpr UINT ID_VIDEO_IGNORED = 1026;
    static constexpr UINT ID_VIDEO_END = 1027;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnShowWindow(BOOL bShow, UINT nStatus);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnPlay();
    void OnIgnored();
    void OnEnd();
    LRESULT OnMciNotify(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    BOOL ShowVideo();
    CRect ReferenceRect();
};
