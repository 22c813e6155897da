// Properties of an AVI clip on the page: its file, how often it repeats, its
// position, border and background colour. OK only closes on a clip the page
// can play.
#pragma once

#include "editor/dialogs/FileEdit.h"
#include "framework/Dialog.h"
#include "framework/Size.h"

class CAviPropDlg : public CDialog
{
    DECLARE_DYNAMIC(CAviPropDlg)
public:
    explicit CAviPropDlg(CWnd* pParentWnd = nullptr);

    // Empty, unreadable, unplayable clips are refused with a message; a
    // playable one with a frame size sets the clip rectangle at x, y.
    BOOL CheckAviFile();

    int m_bBorder;
    CString m_strFile;
    long m_nRepeat;          // -1 plays endlessly
    int m_nX;
    int m_nY;
    RECT m_rcClip;
    COLORREF m_crBackground;
    CFileEdit m_fileEdit;
    // Stored names are resolved against it; empty: the application's folder.
    CString m_strProjectFolder;
    // The page the clip must lie on (0 by 0: not known); a clip of unknown
    // frame size counts from its corner.
    CSize m_sizePage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    void OnColor();

    DECLARE_MESSAGE_MAP()
};
