#include "framework/Exceptions.h"

#include "framework/Ids.h"
#include "framework/MessageBox.h"

#include <stdio.h>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

namespace {

BOOL CopyMessage(LPCSTR text, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, text, (int)nMaxError);
    return TRUE;
}

} // namespace

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) const
{
    return CopyMessage(AfxLoadFrameworkText(AFX_IDS_UNKNOWN_ERROR, "Unknown error."), lpszError, nMaxError);
}

CString CException::GetErrorMessage() const
{
    char buf[1024] = "";
    GetErrorMessage(buf, sizeof(buf));
    return CString(buf);
}

int CException::ReportError(UINT nType, UINT nMessageID) const
{
    CString text = GetErrorMessage();
    if (text.IsEmpty() && nMessageID != 0)
        text.LoadString(nMessageID);
    return AfxMessageBox(text, nType);
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) const
{
    return CopyMessage(AfxLoadFrameworkText(AFX_IDS_OUT_OF_MEMORY, "Out of memory."), lpszError, nMaxError);
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) const
{
    return CopyMessage(AfxLoadFrameworkText(AFX_IDS_RESOURCE_MISSING, "A required resource was unavailable."), lpszError,
                       nMaxError);
}

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) const
{
    static const char* const causes[] = {
        "No error occurred.",
        "An unspecified error occurred.",
        "The file could not be located.",
        "All or part of the path is invalid.",
        "The permitted number of open files was exceeded.",
        "The file could not be accessed.",
        "There was an attempt to use an invalid file handle.",
        "The current working directory cannot be removed.",
        "There are no more directory entries.",
        "There was an error trying to set the file pointer.",
        "There was a hardware error.",
        "A sharing violation occurred.",
        "A locking violation occurred.",
        "The disk is full.",
        "The end of file was reached.",
    };
    int cause = (m_cause >= 0 && m_cause <= endOfFile) ? m_cause : genericException;
    const CString strCause = AfxLoadFrameworkText(AFX_IDS_FILE_CAUSE_FIRST + cause, causes[cause]);
    CString text;
    if (m_strFileName.IsEmpty())
        text = strCause;
    else
        text.Format("%s\n%s", (LPCSTR)m_strFileName, (LPCSTR)strCause);
    return CopyMessage(text, lpszError, nMaxError);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_NO_MORE_FILES: return directoryFull;
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK: return badSeek;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) const
{
    static const char* const causes[] = {
        "No error occurred.",
        "An unspecified error occurred.",
        "Tried to write to an archive opened for loading.",
        "Tried to read past the end of the archive.",
        "Tried to read from an archive opened for storing.",
        "The archive is in an invalid format.",
        "Tried to read an object of the wrong type.",
        "Tried to read an object with a different version of the class.",
    };
    int cause = (m_cause >= 0 && m_cause <= badSchema) ? m_cause : genericException;
    return CopyMessage(AfxLoadFrameworkText(AFX_IDS_ARCHIVE_CAUSE_FIRST + cause, causes[cause]), lpszError, nMaxError);
}

void AfxThrowUserException()
{
    throw new CUserException;
}

void AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT) const
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    if (::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, (DWORD)m_sc, 0,
                         lpszError, nMaxError, nullptr) != 0)
        return TRUE;
    char text[64];
    snprintf(text, sizeof(text), "OLE-Fehler 0x%08lX.", (unsigned long)m_sc);
    return CopyMessage(text, lpszError, nMaxError);
}

COleDispatchException::COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(0), m_strDescription(lpszDescription), m_dwHelpContext(nHelpID)
{
}

BOOL COleDispatchException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != nullptr)
        *pnHelpContext = m_dwHelpContext;
    return CopyMessage(m_strDescription, lpszError, nMaxError);
}

void AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

void AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}
