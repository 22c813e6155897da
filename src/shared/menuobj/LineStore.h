// A text held as a list of lines: filled from a file or line by line, handed
// out in order and written back as a file.
#pragma once

#include "framework/Afx.h"

class CLineStore : public CObject
{
    DECLARE_DYNAMIC(CLineStore)
public:
    // Construction
    CLineStore();
    CLineStore(const CLineStore&) = delete;
    CLineStore& operator=(const CLineStore&) = delete;
    ~CLineStore() override;

    // Attributes
    int GetCount() const { return (int)m_lines.GetCount(); }
    BOOL IsChanged() const { return m_bChanged; }

    // Operations
    // Appends a copy of the text; at the maximum line count a message is shown instead.
    void AddLine(const CString& strLine);
    void RemoveAll();

    // Reading in order: GetFirst and GetNext give 1 and the line, or 0 and an
    // empty text at the end. GetLine starts again at the first line after Rewind.
    void Rewind() { m_bRewind = TRUE; }
    int GetFirst(CString& strLine);
    int GetNext(CString& strLine);
    int GetLine(CString& strLine);

    // Writes every line, ended with CR LF, to a new file. FALSE when the store or
    // the path is empty or the file cannot be written.
    BOOL SaveFile(LPCSTR lpszPath);
    // Replaces the lines by those of a text file. FALSE when it cannot be opened,
    // which is reported in a message box when asked for.
    BOOL LoadFile(LPCSTR lpszPath, BOOL bReport);
    // Cuts the first line off the buffer and appends it; 0 when the buffer holds
    // no line end.
    int TakeLine(CString& strBuffer);

protected:
    const CStringList& Lines() const { return m_lines; }

    int m_nMaxCount;           // lines the store can hold

private:
    // Appends the line that starts at nPos and the empty lines after it;
    // returns where the next line starts, or npos when no line end follows.
    size_t TakeLineAt(const char* pText, size_t nLength, size_t nPos);

    CStringList m_lines;
    BOOL m_bRewind;
    POSITION m_posNext;
    BOOL m_bChanged;
};
