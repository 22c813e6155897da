// Answers "the text of a key in a section" and "the integer of a key in a
// section", with a default, for one project file: through the platform's
// profile functions on an INI file, or from project text held in memory.
#pragma once

#include "framework/Afx.h"
#include "framework/String.h"

#include <map>
#include <set>
#include <string>

class CProfileSource : public CObject
{
    DECLARE_DYNAMIC(CProfileSource)
public:
    enum Mode
    {
        modeNone = 0,        // the platform's default profile
        modeIniFile = 1,     // the profile functions on m_strPath
        modeMemoryText = 2,  // text held in memory
        modeWholeFile = 4,   // a whole file read into memory
    };
    // Every way of reading answers as the profile functions answer: lines end
    // at CR LF, LF or a lone CR; names and values are trimmed; one pair of
    // quotes around a value is dropped; a value ends at a zero byte.

    CProfileSource() = default;
    CProfileSource(const CProfileSource&) = delete;
    CProfileSource& operator=(const CProfileSource&) = delete;

    // Attributes
    int GetMode() const { return m_nMode; }
    const CString& GetPath() const { return m_strPath; }

    // Operations
    BOOL SetIniFile(LPCSTR lpszPath);
    // Until Close or the next mode, INI file mode reads each section once
    // through the profile functions and answers its keys from memory, as the
    // profile functions would answer them.
    void CacheSections() { m_bCacheSections = TRUE; }
    // After OpenFile: INI file mode on the same file, answering from what
    // OpenFile read, so that the file is not read twice.
    void KeepAsIniFile()
    {
        m_nMode = modeIniFile;
        m_bCacheSections = TRUE;
    }
    BOOL SetNone();
    // Memory-text mode without any text to search; always FALSE.
    BOOL SetMemoryText();
    // Reads the whole file into memory; TRUE when it was read and holds the head
    // section "[TARNIXPRO]". A file that cannot be read so (too large, Unicode
    // text) is read through the profile functions.
    BOOL OpenFile(LPCSTR lpszPath);
    // Ends a group of reads: mode, path and text stay; the sections read from
    // an INI file are forgotten.
    void Close();

    // Lookups; a miss gives the default. GetString returns the number of
    // characters placed in the buffer (at most nSize - 1, always terminated).
    virtual int GetString(LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault, LPSTR lpBuffer, int nSize);
    virtual int GetInt(LPCSTR lpszSection, LPCSTR lpszKey, int nDefault);

    // Whole files above this size are not read into memory.
    static constexpr DWORD kMaxWholeFileSize = 16 * 1024 * 1024;

    // One line of a file as the profile functions read it. Everything that
    // reads or keeps a page's lines asks these, so that all agree on which
    // section a line belongs to and which key it sets.
    // The upper-case name of a section header line; FALSE for any other line.
    static BOOL SectionNameOfLine(const std::string& line, std::string& strName);
    // The upper-case key of a line inside a section: the name before "=", or
    // the whole line when it has none; empty for a blank line.
    static std::string KeyNameOfLine(const std::string& line);

private:
    // By upper-case key: whether the line had a value, and the value as read.
    typedef std::map<std::string, std::pair<bool, std::string>> Section;

    // The section of the INI file from the cache, read when it is not there yet.
    const Section& CachedSection(LPCSTR lpszSection);
    // Reads the whole file at m_strPath into the cache as the profile functions
    // read it; FALSE for a file it leaves to them (unreadable, too large, or
    // Unicode text).
    BOOL ParseIniFile();
    // Whether a value was found for the key; its text then in strValue.
    BOOL FindCached(LPCSTR lpszSection, LPCSTR lpszKey, std::string& strValue);
    void ForgetSections();
    // Whether lookups are answered from the sections read into memory.
    BOOL UsesCache() const { return m_nMode == modeWholeFile ? m_bParsed : m_bCacheSections; }

    CString m_strPath;
    int m_nMode = modeNone;
    BOOL m_bCacheSections = FALSE;
    std::map<std::string, Section> m_sections;   // by upper-case section name
    BOOL m_bNamesRead = FALSE;
    BOOL m_bParsed = FALSE;                      // m_sections holds the whole file
    std::set<std::string> m_names;               // the file's sections, upper-case
};
