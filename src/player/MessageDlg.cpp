#include "player/MessageDlg.h"

#include "framework/ClientDC.h"
#include "framework/PaintDC.h"
#include "player/resource.h"

IMPLEMENT_DYNAMIC(CMessageDlg, CDialog)

// void OnPaint()
BEGIN_MESSAGE_MAP(CMessageDlg, CDialog)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMessageDlg::CMessageDlg(const CString& strText, const CString& strTitle, CWnd* pParentWnd)
    : CDialog(IDD_MESSAGE, pParentWnd), m_strText(strText), m_strTitle(strTitle), m_nLines(0), m_nLineHeight(0),
      m_nWidth(0), m_nHeight(0)
{
    lstrcpynA(m_font.m_logFont.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    m_font.m_logFont.lfHeight = 14;
}

void CMessageDlg::SplitLines(const CString& strText, CStringArray& lines)
{
    lines.RemoveAll();
    const int nLength = strText.GetLength();
    int nStart = 0;
    for (int i = 0; i + 2 < nLength; ++i)
    {
        if (strText[i] != '<' || (strText[i + 1] != 'B' && strText[i + 1] != 'b') ||
            (strText[i + 2] != 'R' && strText[i + 2] != 'r'))
            continue;
        lines.Add(strText.Mid(nStart, i - nStart));
        // The tag's fourth character is skipped unseen; a tag at the very end
        // has none.
        nStart = i + 4 < nLength ? i + 4 : nLength;
        i = nStart - 1;
    }
    if (nStart < nLength)
        lines.Add(strText.Mid(nStart));
}

BOOL CMessageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CStringArray lines;
    SplitLines(m_strText, lines);
    int nWidest = kMinTextWidth;
    {
        CClientDC dc(this);
        m_font.SelectInto(&dc);
        for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        {
            CSize extent = dc.GetTextExtent(lines[i]);
            if (extent.cx > nWidest)
                nWidest = extent.cx;
            if (extent.cy > 0)
                m_nLineHeight = extent.cy;
        }
        m_font.RestoreFont(&dc);
    }
    m_nLines = (int)lines.GetSize();
    m_nWidth = nWidest + kSideMargin;
    if (m_nWidth > kMaxWidth)
        m_nWidth = kMaxWidth;
    m_nHeight = m_nLines * m_nLineHeight + kExtraHeight;

    CRect window;
    GetWindowRect(&window);
    MoveWindow(window.left, window.top, m_nWidth, m_nHeight, FALSE);

    if (CWnd* pOK = GetDlgItem(IDOK))
    {
        CRect button;
        pOK->GetWindowRect(&button);
        pOK->MoveWindow(m_nWidth / 2 - button.Width() / 2, m_nHeight - kButtonFromBottom, button.Width(),
                        button.Height(), FALSE);
    }
    SetWindowText(m_strTitle);
    return TRUE;
}

void CMessageDlg::OnPaint()
{
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    m_font.SelectInto(&dc);
    CStringArray lines;
    SplitLines(m_strText, lines);
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        dc.TextOut(kTextLeft, kTextTop + (int)i * m_nLineHeight, lines[i]);
    m_font.RestoreFont(&dc);
}
