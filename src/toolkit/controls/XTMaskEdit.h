// An edit with masked input: a mask fixes which positions take input (and
// which characters each takes) and which hold literal characters. Input
// positions show the prompt character until something is typed there.
//
// Mask characters: 0 digit; 9 digit or blank; # digit, sign or blank;
// L letter; ? letter or blank; A letter or digit; a letter, digit or blank;
// & any printable character; H hexadecimal digit. Any other character of the
// mask is a literal.
#pragma once

#include "toolkit/controls/XTEdit.h"

class CXTMaskEdit : public CXTEdit
{
    DECLARE_DYNAMIC(CXTMaskEdit)
public:
    // Construction
    CXTMaskEdit();

    // Attributes
    // The mask and the text that a cleared input position shows (empty: the prompt).
    void SetEditMask(LPCSTR lpszMask, LPCSTR lpszDefault = nullptr, char chPrompt = '_');
    void SetUseMask(BOOL bUseMask) { m_bUseMask = bUseMask; }
    BOOL IsMasking() const { return m_bUseMask && !m_strMask.IsEmpty(); }
    void SetOverType(BOOL bOverType) { m_bOverType = bOverType; }
    const CString& GetMaskedText() const { return m_strWindowText; }
    const CString& GetLiteral() const { return m_strLiteral; }
    // Sets the text as the program's (Undo goes back to it).
    void SetMaskedText(LPCSTR lpszText);

    // Operations on the mask, in slot order
    virtual BOOL IsValidChar(char ch, BOOL bTyped);
    virtual BOOL IsValidAt(char ch, int nPos);
    // Moves nPos to the next input position forwards or backwards (from nPos
    // itself when inclusive); FALSE when there is none.
    virtual BOOL FindInputPosition(int& nPos, BOOL bForward, BOOL bInclusive);
    // Removes the input character at nPos: the later ones move one input position left.
    virtual void DeleteAt(int nPos);
    // Puts the character at nPos, moving the later ones right unless overtyping.
    virtual void PutAt(int nPos, char ch);
    virtual BOOL CopyToClipboard(const CString& strText);

    BOOL IsInputPosition(int nPos) const;

protected:
    void Initialize() override;
    int TemplateLength() const { return m_strLiteral.GetLength(); }
    char ClearedChar(int nPos) const;
    // Shows the text after a change by the user and puts the caret at nPos.
    void ShowText(int nCaret);
    void DeleteSelection();
    void ReadSel();
    void Beep();

    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditClear();
    void OnEditUndo();
    void OnEditSelectAll();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);

    int m_nStartChar;
    int m_nEndChar;
    BOOL m_bUseMask;
    BOOL m_bOverType;
    BYTE m_bSetByProgram;
    BYTE m_bModified;    // also enables Undo
    char m_chPrompt;
    CString m_strWindowText;
    CString m_strMask;
    CString m_strLiteral;
    CString m_strDefault;
    CString m_strProgramText;
    CString m_strUndoText;
    BOOL m_bUndoToggle;

    DECLARE_MESSAGE_MAP()
};

