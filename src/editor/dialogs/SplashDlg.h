// The welcome screen the menu shows before it starts: four lines of text or a
// picture, an icon, a display time and a background colour.
#pragma once

#include "framework/Dialog.h"
#include "editor/dialogs/FileEdit.h"

class CSplashDlg : public CDialog
{
    DECLARE_DYNAMIC(CSplashDlg)
public:
    explicit CSplashDlg(CWnd* pParentWnd = nullptr);

    // The project reader keeps 79 characters of a line: no more are taken.
    static constexpr int kMaxLine = 79;
    static constexpr int kMaxIcon = 240;
    // The colour swatch, in dialog client pixels.
    static constexpr RECT kSwatch = { 270, 52, 290, 74 };

    CString m_strLine1;
    CString m_strLine2;
    CString m_strLine3;
    CString m_strLine4;
    CString m_strIcon;
    int m_nTime;             // seconds
    int m_bEnable;
    int m_bPictureMode;      // not edited here: passes through
    CString m_strPictureFile;
    COLORREF m_crBackground;
    CFileEdit m_iconEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void ApplyEnabling();
    void OnBrowseIcon();
    void OnColor();
    void OnPictureMode();
    void OnHelp();
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
