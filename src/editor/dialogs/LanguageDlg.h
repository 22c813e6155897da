// The editor's interface language: German or English.
#pragma once

#include "framework/Dialog.h"

class CLanguageDlg : public CDialog
{
    DECLARE_DYNAMIC(CLanguageDlg)
public:
    explicit CLanguageDlg(CWnd* pParentWnd = nullptr);

    int m_nChoice;       // 0 German, 1 English
    char m_chLetter;     // in: the current letter; out: 'G' or 'E'

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
