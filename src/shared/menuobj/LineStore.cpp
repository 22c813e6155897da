#include "shared/menuobj/LineStore.h"

#include "shared/support/FileUtils.h"
#include "shared/support/Language.h"

#include <new>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CLineStore, CObject)

namespace {

const UINT kReadBlockSize = 65536;

BOOL IsControl(char ch)
{
    return (unsigned char)ch < 32;
}

// Skips one line end at nPos (CR LF, CR or LF) and returns the position after
// it; nPos itself when no line end stands there.
size_t SkipLineEnd(const char* pText, size_t nLength, size_t nPos)
{
    if (nPos < nLength && pText[nPos] == '\r')
        return (nPos + 1 < nLength && pText[nPos + 1] == '\n') ? nPos + 2 : nPos + 1;
    if (nPos < nLength && pText[nPos] == '\n')
        return nPos + 1;
    return nPos;
}

// The whole file; a read error ends the text where it happened.
std::string ReadWholeFile(CFile& file)
{
    std::string text;
    std::vector<char> block(kReadBlockSize);
    try
    {
        UINT nRead;
        while ((nRead = file.Read(block.data(), kReadBlockSize)) > 0)
            text.append(block.data(), nRead);
    }
    catch (CFileException* e)
    {
        e->Delete();
    }
    return text;
}

// Appends a line ended with CR LF. A line that holds line feeds is written as
// several lines, each with a clean CR LF; an empty line writes nothing.
void AppendLine(std::string& strText, const CString& strLine)
{
    for (int nStart = 0; nStart < strLine.GetLength();)
    {
        int nBreak = strLine.Find('\n', nStart);
        int nStop = nBreak < 0 ? strLine.GetLength() : nBreak;
        if (nStop > nStart && strLine[nStop - 1] == '\r' && nBreak >= 0)
            --nStop;
        strText.append((LPCSTR)strLine + nStart, size_t(nStop - nStart));
        strText += "\r\n";
        if (nBreak < 0)
            break;
        nStart = nBreak + 1;
        if (nStart == strLine.GetLength())
            strText += "\r\n";      // the line ended with a line feed: an empty line follows
    }
}

} // namespace

CLineStore::CLineStore()
    : m_nMaxCount(2147483647), m_bRewind(TRUE), m_posNext(nullptr), m_bChanged(FALSE)
{
}

CLineStore::~CLineStore() = default;

void CLineStore::AddLine(const CString& strLine)
{
    if (GetCount() >= m_nMaxCount)
    {
        CString strText;
        if (IsGerman())
            strText.Format("Maximale Filelaenge (%d Eintraege) erreicht", m_nMaxCount);
        else
            strText = "Max line count reached";
        AfxMessageBox(strText, MB_ICONEXCLAMATION);
        return;
    }
    try
    {
        m_lines.AddTail(strLine);
    }
    catch (const std::bad_alloc&)
    {
        AfxMessageBox(IsGerman() ? "Kein Speicher mehr verfügbar" : "Out of memory", MB_ICONEXCLAMATION);
    }
    m_bChanged = TRUE;
}

void CLineStore::RemoveAll()
{
    m_lines.RemoveAll();
    m_posNext = nullptr;
    m_bChanged = FALSE;
}

int CLineStore::GetFirst(CString& strLine)
{
    m_posNext = m_lines.GetHeadPosition();
    return GetNext(strLine);
}

int CLineStore::GetNext(CString& strLine)
{
    if (m_posNext == nullptr)
    {
        strLine.Empty();
        return 0;
    }
    strLine = m_lines.GetNext(m_posNext);
    return 1;
}

int CLineStore::GetLine(CString& strLine)
{
    if (m_bRewind)
    {
        m_bRewind = FALSE;
        return GetFirst(strLine);
    }
    return GetNext(strLine);
}

BOOL CLineStore::SaveFile(LPCSTR lpszPath)
{
    if (m_lines.GetCount() == 0 || lpszPath == nullptr || *lpszPath == '\0')
        return FALSE;
    std::string text;
    for (POSITION pos = m_lines.GetHeadPosition(); pos != nullptr;)
        AppendLine(text, m_lines.GetNext(pos));
    return WriteFileBytes(lpszPath, text);
}

BOOL CLineStore::LoadFile(LPCSTR lpszPath, BOOL bReport)
{
    RemoveAll();
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone))
    {
        if (bReport)
        {
            CString strText;
            if (IsGerman())
                strText.Format("Fehler !\n\nDie Datei:\"%s\" kann nicht geöffnet werden !", lpszPath);
            else
                strText.Format("Error !\n\nCannot open file: \"%s\" !", lpszPath);
            AfxMessageBox(strText, MB_OK);
        }
        return FALSE;
    }

    // The text is cut into lines in one pass over the whole file, so that
    // the time grows with the file's size however long its lines are.
    const std::string text = ReadWholeFile(file);
    file.Abort();
    size_t nPos = 0;
    for (size_t nNext; (nNext = TakeLineAt(text.data(), text.size(), nPos)) != std::string::npos;)
        nPos = nNext;
    AddLine(CString(text.data() + nPos, int(text.size() - nPos)));
    return TRUE;
}

int CLineStore::TakeLine(CString& strBuffer)
{
    const size_t nNext = TakeLineAt(strBuffer, size_t(strBuffer.GetLength()), 0);
    if (nNext == std::string::npos)
        return 0;
    strBuffer.Delete(0, int(nNext));
    return 1;
}

size_t CLineStore::TakeLineAt(const char* pText, size_t nLength, size_t nPos)
{
    size_t nEnd = nPos;
    while (nEnd < nLength && pText[nEnd] != '\r' && pText[nEnd] != '\n')
        ++nEnd;
    if (nEnd == nLength)
        return std::string::npos;
    AddLine(nEnd == nPos ? CString(" ") : CString(pText + nPos, int(nEnd - nPos)));

    // Control characters before the next line are dropped; each further line
    // end among them stands for an empty line, kept as a single blank.
    size_t nSkip = SkipLineEnd(pText, nLength, nEnd);
    while (nSkip < nLength && IsControl(pText[nSkip]))
    {
        const size_t nAfter = SkipLineEnd(pText, nLength, nSkip);
        if (nAfter > nSkip)
        {
            AddLine(" ");
            nSkip = nAfter;
        }
        else
        {
            ++nSkip;
        }
    }
    return nSkip;
}
