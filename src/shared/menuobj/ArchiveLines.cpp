#include "shared/menuobj/ArchiveLines.h"

IMPLEMENT_DYNAMIC(CArchiveLines, CLineStore)

namespace {

const int kMaxLineLength = 4093;

// Hands out the bytes of an archive one by one, reading it in blocks, and
// stops after the given number of bytes.
class CArchiveBytes
{
public:
    CArchiveBytes(CArchive& ar, ULONGLONG nLength) : m_ar(ar), m_nLeft(nLength) {}

    BOOL Next(BYTE& by)
    {
        if (m_nPos == m_nFill && !Refill())
            return FALSE;
        by = m_buffer[m_nPos++];
        return TRUE;
    }

    // The next byte without taking it.
    BOOL Peek(BYTE& by)
    {
        if (m_nPos == m_nFill && !Refill())
            return FALSE;
        by = m_buffer[m_nPos];
        return TRUE;
    }

private:
    BOOL Refill()
    {
        UINT nWant = m_nLeft < sizeof(m_buffer) ? (UINT)m_nLeft : (UINT)sizeof(m_buffer);
        m_nFill = nWant ? m_ar.Read(m_buffer, nWant) : 0;
        m_nPos = 0;
        m_nLeft -= m_nFill;
        return m_nFill > 0;
    }

    CArchive& m_ar;
    ULONGLONG m_nLeft;
    BYTE m_buffer[4096];
    UINT m_nFill = 0;
    UINT m_nPos = 0;
};

// Reads one line: FALSE when the archive had no byte left.
BOOL ReadLine(CArchiveBytes& bytes, CString& strLine)
{
    strLine.Empty();
    BYTE by;
    if (!bytes.Next(by))
        return FALSE;
    do
    {
        if (by == '\r' || by == '\n')
        {
            BYTE byNext;
            if (by == '\r' && bytes.Peek(byNext) && byNext == '\n')
                bytes.Next(byNext);
            return TRUE;
        }
        if ((by == '\t' || by >= 32) && strLine.GetLength() < kMaxLineLength)
            strLine += (char)by;
    } while (bytes.Next(by));
    return TRUE;
}

} // namespace

void CArchiveLines::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreLines(ar);
    else
        LoadLines(ar);
}

void CArchiveLines::StoreLines(CArchive& ar)
{
    for (POSITION pos = Lines().GetHeadPosition(); pos != nullptr;)
    {
        const CString& strLine = Lines().GetNext(pos);
        ar.Write((LPCSTR)strLine, strLine.GetLength());
        ar.Write("\r\n", 2);
    }
}

void CArchiveLines::LoadLines(CArchive& ar)
{
    RemoveAll();
    CArchiveBytes bytes(ar, ar.GetFile()->GetLength());
    CString strLine;
    while (ReadLine(bytes, strLine))
    {
        if (!strLine.IsEmpty())
            AddLine(strLine);
    }
}
