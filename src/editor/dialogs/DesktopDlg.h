// Whether the menu covers the desktop, and in which colour.
#pragma once

#include "framework/Dialog.h"

class CDesktopDlg : public CDialog
{
    DECLARE_DYNAMIC(CDesktopDlg)
public:
    explicit CDesktopDlg(CWnd* pParentWnd = nullptr);

    int m_bCover;
    COLORREF m_crColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCover();
    void OnColor();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
