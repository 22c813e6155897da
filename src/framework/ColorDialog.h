// The system's colour chooser. The custom colours are kept for the program's run.
#pragma once

#include "framework/CommonDialog.h"

#include <commdlg.h>

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    CHOOSECOLORA m_cc;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }
    static COLORREF* PASCAL GetSavedCustomColors();

protected:
    BOOL RunSystemDialog(HWND hWndOwner) override;
};
