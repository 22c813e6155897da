// The page's background picture: its file, whether it shows, and how it sits
// in the window (window fitted to it, centred, or at a position).
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"

class CBackgroundImageDlg : public CDialog
{
    DECLARE_DYNAMIC(CBackgroundImageDlg)
public:
    explicit CBackgroundImageDlg(CWnd* pParentWnd = nullptr);

    enum
    {
        POS_FIT_WINDOW = 0,
        POS_CENTER = 1,
        POS_AT_XY = 2,
    };

    CString m_strFile;
    int m_bEnabled;
    int m_nX;
    int m_nY;
    int m_nPosMode;
    int m_bLegacy;            // older projects; no position settings then
    CFileEdit m_fileEdit;
    int m_bFileAccepted;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    void OnLegacy();
    void OnPositionMode();
    void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    void UpdateEnabling();
};
