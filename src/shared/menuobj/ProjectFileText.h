// The text of a page file as it was read, so that a save keeps what the editor
// did not change: sections and keys it does not know, values it reads but
// never writes, objects beyond what it shows, and the very spelling of every
// line whose value the author left alone.
//
// The writer's lines for the page as read (the baseline) are set right after
// reading, with the file section each object was read from. At a save, each
// page-wide key the writer now writes with the baseline's value keeps the
// file's line (or stays absent, as it was); a changed key replaces its line or
// joins its section; a key or section the writer wrote at the baseline and
// writes no more is removed; all else in the file stays.
//
// Objects follow their sections, not their numbers: an object written under
// the number it was read from keeps its section, every key rewritten when it
// was edited or corrected on reading; an object written under another number,
// or a new one, gets a section of all its keys (with the keys of its old
// section that the writer does not know), and its old section goes; the
// section of a deleted object goes.
#pragma once

#include "framework/Afx.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class CLineStore;

class CProjectFileText
{
public:
    typedef std::vector<std::string> LineList;
    // By the name of each object section the writer wrote (upper-case): the
    // file section the object was read from, empty for a new object.
    typedef std::map<std::string, std::string> SectionOrigins;

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
    // The name (upper case) of the file's last section; empty when it has none.
    std::string LastSection() const;
    BOOL HasSection(LPCSTR lpszName) const;
    // corrected: the file sections of objects whose values reading had to put
    // right; they are written in full at the next save that changes the file.
    void SetBaseline(const LineList& written, const SectionOrigins& origins,
                     const std::set<std::string>& corrected = std::set<std::string>());

    // The file's new lines for the writer's lines now. With bFreshHead the
    // section lpszHead is written as the writer has it (the writing editor's
    // stamp), and the file ends as the writer's lines do: with their last
    // section and a closing line. Nothing changed since the baseline outside
    // that section gives the file as it is.
    LineList Merge(const LineList& written, const SectionOrigins& origins, LPCSTR lpszHead, BOOL bFreshHead) const;
    // After a save: the lines saved are the file, the writer's lines the
    // baseline. TRUE when the objects now stand under the names written;
    // FALSE when the file stayed as it was, objects in their old sections.
    BOOL Saved(const LineList& saved, const LineList& written, const SectionOrigins& origins, LPCSTR lpszHead);

    // The file's text: every line ended with CR LF.
    static std::string Text(const LineList& lines);
    static LineList StoreLines(CLineStore& store);

private:
    // Whether the writer's lines are the baseline's but for the section lpszHead.
    BOOL IsBaseline(const LineList& written, const SectionOrigins& origins, LPCSTR lpszHead) const;

    LineList m_original;
    LineList m_baseline;
    SectionOrigins m_baselineOrigins;
    std::set<std::string> m_corrected;
    BOOL m_bOriginal = FALSE;
    BOOL m_bCut = FALSE;
};
