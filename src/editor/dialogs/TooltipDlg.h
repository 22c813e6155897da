// The page's tooltip area: whether it shows, its background, font, default
// text, position and size.
#pragma once

#include "framework/Dialog.h"
#include "framework/Size.h"
#include "shared/support/FontDesc.h"

class CTooltipDlg : public CDialog
{
    DECLARE_DYNAMIC(CTooltipDlg)
public:
    explicit CTooltipDlg(CWnd* pParentWnd = nullptr);

    // The longest default text the project keeps.
    enum { MAX_DEFAULT_TEXT = 500 };

    int m_bEnable;
    int m_bTransparent;
    CString m_strDefaultText; // line breaks as "<BR>" outside the dialog
    int m_nHeight;
    int m_nWidth;
    int m_nX;
    int m_nY;
    int m_bCenter;
    CFontDesc m_font;
    COLORREF m_crBackground;
    // The page the area must lie on (0 by 0: not known).
    CSize m_sizePage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBackgroundColor();
    void OnFontColor();
    void OnFont();
    void OnTransparent();
    void OnHelp();
    void OnInsertPicture();

    DECLARE_MESSAGE_MAP()
};
