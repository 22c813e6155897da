// The text of a page file as it was read, so that a save keeps what the editor
// did not change: sections and keys it does not know, values it reads but
// never writes, objects beyond what it shows, and the very spelling of every
// line whose value the author left alone.
//
// The writer's lines for the page as read (the baseline) are set right after
// reading. At a save, each key the writer now writes with the baseline's value
// keeps the file's line (or stays absent, as it was); a changed key replaces
// its line or joins its section; a key or section the writer wrote at the
// baseline and writes no more is removed; all else in the file stays.
#pragma once

#include "framework/Afx.h"

#include <string>
#include <vector>

class CLineStore;

class CProjectFileText
{
public:
    typedef std::vector<std::string> LineList;

    // Reads the file's lines (ended by CR LF, LF or a lone CR); FALSE, with
    // nothing kept, when it cannot be read.
    BOOL Load(LPCSTR lpszPath);
    // Forgets the file: the next merge gives the writer's lines alone.
    void Reset();
    BOOL HasOriginal() const { return m_bOriginal; }
    // Whether the file ends inside a line, as a file cut short does.
    BOOL EndsInsideALine() const { return m_bCut; }
    // The section (upper case) whose key line is the file's last line: a file
    // cut short ends inside a section, where a whole one ends with the blank
    // line that closes its last section. Empty otherwise.
    std::string SectionCutShort() const;
    void SetBaseline(const LineList& written) { m_baseline = written; }

    // The file's new lines for the writer's lines now. With bFreshHead the
    // section lpszHead is written as the writer has it (the writing editor's
    // stamp).
    LineList Merge(const LineList& written, LPCSTR lpszHead, BOOL bFreshHead) const;
    // After a save: the lines saved are the file, the writer's lines the baseline.
    void Saved(const LineList& saved, const LineList& written);

    // The file's text: every line ended with CR LF.
    static std::string Text(const LineList& lines);
    static LineList StoreLines(CLineStore& store);

private:
    LineList m_original;
    LineList m_baseline;
    BOOL m_bOriginal = FALSE;
    BOOL m_bCut = FALSE;
};
