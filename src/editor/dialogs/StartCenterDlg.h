// The Start Center: four large choices with which the author begins (a new
// project, a project to open, back to the editor, exit). It only reports the
// choice: the dialog always ends with IDCANCEL and the caller reads the flags.
#pragma once

#include "editor/dialogs/FontStatic.h"
#include "framework/Dialog.h"

class CStartCenterDlg : public CDialog
{
public:
    explicit CStartCenterDlg(CWnd* pParent = nullptr);
    ~CStartCenterDlg() override;

    BOOL m_bNewProject;
    BOOL m_bBackToEditor;
    BOOL m_bOpenProject;
    BOOL m_bExit;

    static constexpr int kStaticCount = 14;

protected:
    BOOL OnInitDialog() override;
    void OnNewProject();
    void OnBackToEditor();
    void OnOpenProject();
    void OnExit();

    DECLARE_MESSAGE_MAP()

private:
    void Choose(BOOL& bFlag);
    void SetButtonImage(int nID, UINT nType, HANDLE hImage);
    void PlaceBesideMainWindow();

    CFontStatic m_statics[kStaticCount];
    HBITMAP m_hBackBitmap;
    HBITMAP m_hWindowsBitmap;
};
