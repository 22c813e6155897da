#include "toolkit/controls/XTMaskEdit.h"

#include "toolkit/XTResource.h"

#include "framework/CmdUI.h"

#include <ctype.h>

IMPLEMENT_DYNAMIC(CXTMaskEdit, CXTEdit)

namespace {

const char kMaskChars[] = "09#L?Aa&H";

BOOL IsMaskChar(char ch)
{
    return ch != '\0' && strchr(kMaskChars, ch) != nullptr;
}

// Whether the mask character takes the character.
BOOL MaskAccepts(char chMask, char ch)
{
    unsigned char c = (unsigned char)ch;
    switch (chMask)
    {
    case '0': return isdigit(c) != 0;
    case '9': return isdigit(c) || c == ' ';
    case '#': return isdigit(c) || c == ' ' || c == '+' || c == '-';
    case 'L': return IsCharAlphaA(ch);
    case '?': return IsCharAlphaA(ch) || c == ' ';
    case 'A': return IsCharAlphaNumericA(ch);
    case 'a': return IsCharAlphaNumericA(ch) || c == ' ';
    case '&': return c >= 32;
    case 'H': return isxdigit(c) != 0;
    default: return FALSE;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CXTMaskEdit, CXTEdit)
    // void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_KEYDOWN()
    // void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    ON_WM_CHAR()
    // void OnLButtonDown(UINT nFlags, CPoint point), and the double click
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    // void OnSetFocus(CWnd* pOldWnd)
    ON_WM_SETFOCUS()
    // void OnEditCopy() and the other editing commands
    ON_COMMAND(XT_ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(XT_ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(XT_ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(XT_ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(XT_ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(XT_ID_EDIT_SELECT_ALL, OnEditSelectAll)
    // void OnUpdateEditUndo(CCmdUI* pCmdUI)
    ON_UPDATE_COMMAND_UI(XT_ID_EDIT_UNDO, OnUpdateEditUndo)
END_MESSAGE_MAP()

CXTMaskEdit::CXTMaskEdit()
    : m_nStartChar(0), m_nEndChar(0), m_bUseMask(TRUE), m_bOverType(FALSE), m_bSetByProgram(0), m_bModified(0),
      m_chPrompt('_'), m_bUndoToggle(FALSE)
{
}

void CXTMaskEdit::SetEditMask(LPCSTR lpszMask, LPCSTR lpszDefault, char chPrompt)
{
    m_strMask = lpszMask != nullptr ? lpszMask : "";
    m_strDefault = lpszDefault != nullptr ? lpszDefault : "";
    m_chPrompt = chPrompt;
    m_strLiteral.Empty();
    for (int i = 0; i < m_strMask.GetLength(); ++i)
        m_strLiteral += IsMaskChar(m_strMask[i]) ? m_chPrompt : m_strMask[i];
    SetMaskedText(m_strDefault.GetLength() == m_strLiteral.GetLength() ? m_strDefault : m_strLiteral);
}

void CXTMaskEdit::SetMaskedText(LPCSTR lpszText)
{
    m_strWindowText = lpszText;
    m_strProgramText = m_strWindowText;
    m_bSetByProgram = 1;
    m_bModified = 0;
    m_bUndoToggle = FALSE;
    if (m_hWnd != nullptr)
        SetWindowText(m_strWindowText);
}

void CXTMaskEdit::Initialize()
{
    CXTEdit::Initialize();
    if (!m_strMask.IsEmpty())
        SetWindowText(m_strWindowText);
}

BOOL CXTMaskEdit::IsInputPosition(int nPos) const
{
    return nPos >= 0 && nPos < m_strMask.GetLength() && IsMaskChar(m_strMask[nPos]);
}

char CXTMaskEdit::ClearedChar(int nPos) const
{
    return nPos < m_strDefault.GetLength() ? m_strDefault[nPos] : m_chPrompt;
}

BOOL CXTMaskEdit::IsValidChar(char ch, BOOL bTyped)
{
    // Control characters are the edit's own business.
    if (!IsMasking() || (bTyped && (unsigned char)ch < 32))
        return TRUE;
    for (int i = 0; i < m_strMask.GetLength(); ++i)
        if (MaskAccepts(m_strMask[i], ch))
            return TRUE;
    return FALSE;
}

BOOL CXTMaskEdit::IsValidAt(char ch, int nPos)
{
    return IsInputPosition(nPos) && MaskAccepts(m_strMask[nPos], ch);
}

BOOL CXTMaskEdit::FindInputPosition(int& nPos, BOOL bForward, BOOL bInclusive)
{
    int nStep = bForward ? 1 : -1;
    for (int i = bInclusive ? nPos : nPos + nStep; i >= 0 && i < TemplateLength(); i += nStep)
    {
        if (IsInputPosition(i))
        {
            nPos = i;
            return TRUE;
        }
    }
    return FALSE;
}

void CXTMaskEdit::DeleteAt(int nPos)
{
    if (!FindInputPosition(nPos, TRUE, TRUE))
        return;
    int nNext = nPos;
    while (FindInputPosition(nNext, TRUE, FALSE))
    {
        m_strWindowText.SetAt(nPos, m_strWindowText[nNext]);
        nPos = nNext;
    }
    m_strWindowText.SetAt(nPos, ClearedChar(nPos));
}

void CXTMaskEdit::PutAt(int nPos, char ch)
{
    if (!IsInputPosition(nPos))
        return;
    if (!m_bOverType)
    {
        // From the last input position back: each takes the character of the one before it.
        int nLast = TemplateLength() - 1;
        if (FindInputPosition(nLast, FALSE, TRUE))
        {
            for (int nTo = nLast, nFrom = nLast; nTo > nPos && FindInputPosition(nFrom, FALSE, FALSE); nTo = nFrom)
                m_strWindowText.SetAt(nTo, m_strWindowText[nFrom]);
        }
    }
    m_strWindowText.SetAt(nPos, ch);
}

BOOL CXTMaskEdit::CopyToClipboard(const CString& strText)
{
    if (!OpenClipboard(m_hWnd))
        return FALSE;
    ::EmptyClipboard();
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)strText.GetLength() + 1);
    BOOL bOk = FALSE;
    if (hMem != nullptr)
    {
        memcpy(::GlobalLock(hMem), (LPCSTR)strText, (size_t)strText.GetLength() + 1);
        ::GlobalUnlock(hMem);
        bOk = ::SetClipboardData(CF_TEXT, hMem) != nullptr;
        if (!bOk)
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return bOk;
}

void CXTMaskEdit::ReadSel()
{
    GetSel(m_nStartChar, m_nEndChar);
}

void CXTMaskEdit::Beep()
{
    ::MessageBeep((UINT)-1);
}

void CXTMaskEdit::ShowText(int nCaret)
{
    SetWindowText(m_strWindowText);
    m_bSetByProgram = 0;
    m_bModified = 1;
    m_nStartChar = m_nEndChar = nCaret;
    SetSel(nCaret, nCaret);
}

void CXTMaskEdit::DeleteSelection()
{
    ReadSel();
    int nEnd = m_nEndChar < TemplateLength() ? m_nEndChar : TemplateLength();
    for (int i = m_nStartChar; i < nEnd; ++i)
        if (IsInputPosition(i))
            DeleteAt(m_nStartChar);
}

void CXTMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsMasking())
    {
        CXTEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    BOOL bShift = ::GetKeyState(VK_SHIFT) < 0;
    ReadSel();
    int nPos = m_nStartChar;
    switch (nChar)
    {
    case VK_BACK:
        if (nPos == 0 || nPos > TemplateLength() || !FindInputPosition(nPos, FALSE, FALSE))
        {
            Beep();
            return;
        }
        m_strWindowText.SetAt(nPos, ClearedChar(nPos));
        ShowText(nPos);
        return;
    case VK_SPACE:
        if (!FindInputPosition(nPos, TRUE, TRUE))
        {
            Beep();
            return;
        }
        if (!IsValidAt(' ', nPos))
            m_strWindowText.SetAt(nPos, m_chPrompt);
        else
            PutAt(nPos, ' ');
        ShowText(nPos + 1);
        return;
    case VK_DELETE:
        if (m_nStartChar != m_nEndChar)
            DeleteSelection();
        else
            DeleteAt(nPos);
        ShowText(m_nStartChar);
        return;
    case VK_INSERT:
        if (bShift)
            OnEditPaste();
        else
            m_bOverType = !m_bOverType;
        return;
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_END:
    case VK_RIGHT:
    case VK_DOWN:
    {
        CXTEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        ReadSel();
        BOOL bStart = nChar == VK_HOME || nChar == VK_LEFT || nChar == VK_UP;
        int& nMoved = bStart ? m_nStartChar : m_nEndChar;
        FindInputPosition(nMoved, nChar != VK_LEFT && nChar != VK_UP, TRUE);
        if (!bShift)
            (bStart ? m_nEndChar : m_nStartChar) = nMoved;
        SetSel(m_nStartChar, m_nEndChar);
        return;
    }
    default:
        CXTEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CXTMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    char ch = (char)nChar;
    // Backspace and space are handled on key-down while masking.
    if (IsMasking() && (nChar == VK_BACK || nChar == ' '))
        return;
    if (!IsValidChar(ch, TRUE))
        return;
    if (!IsMasking() || (unsigned char)ch < 32)
    {
        CXTEdit::OnChar(nChar, nRepCnt, nFlags);
        GetWindowText(m_strWindowText);
        return;
    }
    ReadSel();
    if (m_nStartChar >= TemplateLength())
    {
        Beep();
        return;
    }
    if (m_nEndChar > TemplateLength())
        m_nEndChar = TemplateLength();
    BOOL bEmptySel = m_nStartChar == m_nEndChar;
    int nPos = m_nStartChar;
    if (!FindInputPosition(nPos, TRUE, TRUE) || !IsValidAt(ch, nPos))
    {
        Beep();
        return;
    }
    DeleteSelection();
    if (m_bOverType && bEmptySel)
        m_strWindowText.SetAt(nPos, ch);
    else
        PutAt(nPos, ch);
    ++nPos;
    if (nPos < TemplateLength())
        FindInputPosition(nPos, TRUE, TRUE);
    ShowText(nPos);
}

void CXTMaskEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    CXTEdit::OnLButtonDown(nFlags, point);
    if (!IsMasking() || (nFlags & MK_SHIFT))
        return;
    ReadSel();
    int nPos = m_nStartChar;
    if (FindInputPosition(nPos, TRUE, TRUE))
        SetSel(nPos, nPos);
}

void CXTMaskEdit::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CXTEdit::OnLButtonDblClk(nFlags, point);
    if (!IsMasking())
        return;
    ReadSel();
    FindInputPosition(m_nStartChar, TRUE, TRUE);
    FindInputPosition(m_nEndChar, TRUE, TRUE);
    SetSel(m_nStartChar, m_nEndChar);
}

void CXTMaskEdit::OnSetFocus(CWnd* pOldWnd)
{
    CXTEdit::OnSetFocus(pOldWnd);
    if (!IsMasking())
        return;
    ReadSel();
    int nPos = m_nStartChar;
    if (FindInputPosition(nPos, TRUE, TRUE))
        SetSel(nPos, nPos);
}

void CXTMaskEdit::OnEditCopy()
{
    if (!IsMasking())
    {
        CXTEdit::OnEditCopy();
        return;
    }
    ReadSel();
    CString strText;
    for (int i = m_nStartChar; i < m_nEndChar && i < TemplateLength(); ++i)
        if (IsInputPosition(i) && m_strWindowText[i] != m_chPrompt)
            strText += m_strWindowText[i];
    CopyToClipboard(strText);
}

void CXTMaskEdit::OnEditClear()
{
    if (!IsMasking())
    {
        CXTEdit::OnEditClear();
        return;
    }
    ReadSel();
    BOOL bInput = FALSE;
    for (int i = m_nStartChar; i < m_nEndChar && i < TemplateLength(); ++i)
        bInput |= IsInputPosition(i) && m_strWindowText[i] != m_chPrompt;
    if (!bInput)
    {
        Beep();
        return;
    }
    DeleteSelection();
    ShowText(m_nStartChar);
}

void CXTMaskEdit::OnEditCut()
{
    OnEditCopy();
    OnEditClear();
}

void CXTMaskEdit::OnEditPaste()
{
    if (!IsMasking())
    {
        CXTEdit::OnEditPaste();
        return;
    }
    CString strClip;
    if (OpenClipboard(m_hWnd))
    {
        HANDLE hData = ::GetClipboardData(CF_TEXT);
        LPCSTR psz = hData != nullptr ? static_cast<LPCSTR>(::GlobalLock(hData)) : nullptr;
        if (psz != nullptr)
        {
            strClip = psz;
            ::GlobalUnlock(hData);
        }
        ::CloseClipboard();
    }
    DeleteSelection();
    int nPos = m_nStartChar;
    for (int i = 0; i < strClip.GetLength() && nPos < TemplateLength(); ++i)
    {
        if (!FindInputPosition(nPos, TRUE, TRUE))
            break;
        if (IsValidAt(strClip[i], nPos))
            m_strWindowText.SetAt(nPos++, strClip[i]);
    }
    ShowText(nPos);
}

void CXTMaskEdit::OnEditUndo()
{
    if (!IsMasking())
    {
        CXTEdit::OnEditUndo();
        return;
    }
    if (!m_bUndoToggle)
    {
        m_strUndoText = m_strWindowText;
        m_strWindowText = m_strProgramText;
    }
    else
        m_strWindowText = m_strUndoText;
    m_bUndoToggle = !m_bUndoToggle;
    SetWindowText(m_strWindowText);
}

void CXTMaskEdit::OnEditSelectAll()
{
    if (!IsMasking())
    {
        CXTEdit::OnEditSelectAll();
        return;
    }
    int nPos = 0;
    FindInputPosition(nPos, TRUE, TRUE);
    SetSel(nPos, -1);
}

void CXTMaskEdit::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    if (!IsMasking())
        CXTEdit::OnUpdateEditUndo(pCmdUI);
    else
        pCmdUI->Enable(m_bModified);
}
