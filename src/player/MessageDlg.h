// The dialog a MESSAGE button shows: its text in lines broken at "<BR>", in a
// window sized to the widest line.
#pragma once

#include "framework/Collections.h"
#include "framework/Dialog.h"
#include "shared/support/FontDesc.h"

class CMessageDlg : public CDialog
{
    DECLARE_DYNAMIC(CMessageDlg)
public:
    CMessageDlg(const CString& strText, const CString& strTitle, CWnd* pParentWnd = nullptr);

    // The lines of a text: it is cut at every "<" followed by "B" and "R" in
    // any case; the four characters from the "<" are the break tag. A rest
    // after the last tag is a line when it is not empty.
    static void SplitLines(const CString& strText, CStringArray& lines);

    static constexpr int kMinTextWidth = 200;
    static constexpr int kSideMargin = 30;
    static constexpr int kMaxWidth = 640;
    static constexpr int kExtraHeight = 80;
    static constexpr int kTextLeft = 15;
    static constexpr int kTextTop = 10;
    static constexpr int kButtonFromBottom = 60;

    CString m_strText;
    CString m_strTitle;
    int m_nLines;
    int m_nLineHeight;
    int m_nWidth;                  // of the whole window
    int m_nHeight;
    CFontDesc m_font;

protected:
    BOOL OnInitDialog() override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
