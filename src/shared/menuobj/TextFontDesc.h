// A font chosen in the system's font dialog: the LOGFONT and text colour the
// dialog starts from and what it gave back.
#pragma once

#include "framework/String.h"

class CWnd;

class CTextFontDesc
{
public:
    // Arial, style "NORMAL", size 16, weight 400, black, owned by the main window.
    CTextFontDesc();

    // Runs the font dialog (screen fonts and effects) on a copy of the LOGFONT,
    // with m_crColor preset; on OK the chosen LOGFONT and colour are kept here.
    // IDOK or IDCANCEL; the caller copies back what it wants.
    INT_PTR ChooseFont(const LOGFONTA& logFont);

    LOGFONTA m_logFont;
    CString m_strStyle;
    int m_nSize;
    int m_nWeight;
    COLORREF m_crColor;
    CWnd* m_pOwner;
};
