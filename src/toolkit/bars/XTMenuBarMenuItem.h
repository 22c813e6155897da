// A top-level entry of the menu bar's menu: its text (mnemonic marks kept),
// its size measured in the menu font, and its popup opened on a click.
#pragma once

#include "toolkit/bars/XTMenuBarItem.h"

#include "framework/String.h"

class CXTMenuBarMenuItem : public CXTMenuBarItem
{
public:
    CXTMenuBarMenuItem(CXTMenuBar* pBar, int nPosition, const CString& strText, CSize size);

    int GetPosition() const { return m_nPosition; }
    const CString& GetText() const { return m_strText; }

    void Draw(CDC* pDC) override;
    BOOL GetMnemonic(char& chMnemonic) const override;
    CSize GetSize() const override { return m_size; }
    void OnClick() override;

    // The upper-case character after the first single '&' that is not the
    // last character; '\0' when there is none.
    static char FindMnemonic(const CString& strText);

private:
    int m_nPosition;
    CString m_strText;
    CSize m_size;
    char m_chMnemonic;
};
