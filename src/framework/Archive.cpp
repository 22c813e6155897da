#include "framework/Archive.h"

#include <vector>

CArchive::CArchive(CFile* pFile, UINT nMode) : m_pFile(pFile), m_nMode(nMode & load) {}

CArchive::~CArchive() = default;

void CArchive::MustLoad() const
{
    if (!IsLoading())
        AfxThrowArchiveException(CArchiveException::writeOnly);
}

void CArchive::MustStore() const
{
    if (!IsStoring())
        AfxThrowArchiveException(CArchiveException::readOnly);
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    MustLoad();
    return m_pFile->Read(lpBuf, nMax);
}

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    MustStore();
    m_pFile->Write(lpBuf, nMax);
}

void CArchive::ReadExactly(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_pFile->GetFilePath());
}

CArchive& CArchive::operator<<(BYTE by) { Write(&by, 1); return *this; }
CArchive& CArchive::operator<<(WORD w) { BYTE b[2] = { LOBYTE(w), HIBYTE(w) }; Write(b, 2); return *this; }
CArchive& CArchive::operator<<(DWORD dw) { *this << LOWORD(dw) << HIWORD(dw); return *this; }
CArchive& CArchive::operator<<(LONG l) { return *this << (DWORD)l; }
CArchive& CArchive::operator<<(int i) { return *this << (DWORD)i; }
CArchive& CArchive::operator<<(UINT u) { return *this << (DWORD)u; }

CArchive& CArchive::operator>>(BYTE& by) { ReadExactly(&by, 1); return *this; }
CArchive& CArchive::operator>>(WORD& w) { BYTE b[2]; ReadExactly(b, 2); w = MAKEWORD(b[0], b[1]); return *this; }
CArchive& CArchive::operator>>(DWORD& dw) { WORD lo, hi; *this >> lo >> hi; dw = MAKELONG(lo, hi); return *this; }
CArchive& CArchive::operator>>(LONG& l) { DWORD dw; *this >> dw; l = (LONG)dw; return *this; }
CArchive& CArchive::operator>>(int& i) { DWORD dw; *this >> dw; i = (int)dw; return *this; }
CArchive& CArchive::operator>>(UINT& u) { DWORD dw; *this >> dw; u = (UINT)dw; return *this; }

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < 0xFFFF)
        *this << (WORD)dwCount;
    else
        *this << (WORD)0xFFFF << (DWORD)dwCount;
}

DWORD_PTR CArchive::ReadCount()
{
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD dw;
    *this >> dw;
    return dw;
}

// Strings: a length byte, or 0xFF and a WORD, or 0xFF 0xFFFF and a DWORD.
CArchive& CArchive::operator<<(const CString& str)
{
    DWORD len = (DWORD)str.GetLength();
    if (len < 0xFF)
        *this << (BYTE)len;
    else if (len < 0xFFFF)
        *this << (BYTE)0xFF << (WORD)len;
    else
        *this << (BYTE)0xFF << (WORD)0xFFFF << len;
    Write((LPCSTR)str, len);
    return *this;
}

CArchive& CArchive::operator>>(CString& str)
{
    BYTE b;
    *this >> b;
    DWORD len = b;
    if (b == 0xFF)
    {
        WORD w;
        *this >> w;
        len = w;
        if (w == 0xFFFF)
            *this >> len;
    }
    // Never trust a stored length beyond what the file still holds.
    ULONGLONG left = m_pFile->GetLength() - m_pFile->GetPosition();
    if (len > left)
        AfxThrowArchiveException(CArchiveException::endOfFile, m_pFile->GetFilePath());
    std::vector<char> buf(len);
    if (len > 0)
        ReadExactly(buf.data(), len);
    str = CString(buf.data(), (int)len);
    return *this;
}

void CArchive::WriteString(LPCSTR lpsz)
{
    CString line(lpsz);
    Write((LPCSTR)line, (UINT)line.GetLength());
}

BOOL CArchive::ReadString(CString& rString)
{
    MustLoad();
    rString.Empty();
    char ch;
    UINT n = m_pFile->Read(&ch, 1);
    if (n == 0)
        return FALSE;
    while (n == 1)
    {
        if (ch == '\n')
            break;
        if (ch == '\r')
        {
            // CR LF is one line end; a CR alone ends the line too.
            if (m_pFile->Read(&ch, 1) == 1 && ch != '\n')
                m_pFile->Seek(-1, CFile::current);
            break;
        }
        rString += ch;
        n = m_pFile->Read(&ch, 1);
    }
    return TRUE;
}

void CArchive::WriteObject(const CObject* pOb)
{
    if (pOb == nullptr)
    {
        *this << CString();
        return;
    }
    *this << CString(pOb->GetRuntimeClass()->m_lpszClassName);
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    CString name;
    *this >> name;
    if (name.IsEmpty())
        return nullptr;
    const CRuntimeClass* pClass = CRuntimeClass::FromName(name);
    if (pClass == nullptr || (pClassRefRequested && !pClass->IsDerivedFrom(pClassRefRequested)))
        AfxThrowArchiveException(CArchiveException::badClass, m_pFile->GetFilePath());
    CObject* pOb = pClass->CreateObject();
    if (pOb == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass, m_pFile->GetFilePath());
    try
    {
        pOb->Serialize(*this);
    }
    catch (...)
    {
        delete pOb;
        throw;
    }
    return pOb;
}
