#include "shared/menuobj/ProjectFileText.h"

#include "shared/support/FileUtils.h"
#include "shared/menuobj/LineStore.h"
#include "shared/support/ProfileSource.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

typedef CProjectFileText::LineList LineList;
typedef CProjectFileText::SectionOrigins SectionOrigins;

// A name the code asks for, as readers compare it: upper-case.
std::string NameOf(std::string str)
{
    if (!str.empty())
        CharUpperBuffA(&str[0], (DWORD)str.size());
    return str;
}

// A line's section and key as readers see them: a section the readers never
// read is no section the page's values go to.
bool SectionName(const std::string& line, std::string& strName)
{
    return CProfileSource::SectionNameOfLine(line, strName) != FALSE;
}

std::string KeyName(const std::string& line)
{
    return CProfileSource::KeyNameOfLine(line);
}

// The key lines of a section in order: each key with its line.
typedef std::vector<std::pair<std::string, std::string>> KeyLines;

// The writer's lines by section.
struct Written
{
    std::vector<std::string> order;
    std::map<std::string, KeyLines> sections;
    std::map<std::string, std::string> headers;

    // With pOrigins, an object's section is filed under the section it was read from.
    explicit Written(const LineList& lines, const SectionOrigins* pOrigins = nullptr)
    {
        KeyLines* pKeys = nullptr;
        for (const std::string& line : lines)
        {
            std::string name;
            if (SectionName(line, name))
            {
                if (pOrigins != nullptr)
                {
                    auto origin = pOrigins->find(name);
                    if (origin != pOrigins->end() && !origin->second.empty())
                        name = origin->second;
                }
                order.push_back(name);
                headers.emplace(name, line);
                pKeys = &sections[name];
                continue;
            }
            std::string key = KeyName(line);
            if (pKeys != nullptr && !key.empty())
                pKeys->emplace_back(key, line);
        }
    }
    const KeyLines* Find(const std::string& name) const
    {
        auto found = sections.find(name);
        return found == sections.end() ? nullptr : &found->second;
    }
};

const std::string* FindKey(const KeyLines* pKeys, const std::string& key)
{
    if (pKeys != nullptr)
        for (const auto& entry : *pKeys)
            if (entry.first == key)
                return &entry.second;
    return nullptr;
}

struct FileSection
{
    std::string name;   // empty for the lines before the first header
    LineList lines;     // the header first
};

std::vector<FileSection> FileSections(const LineList& lines)
{
    std::vector<FileSection> file(1);
    for (const std::string& line : lines)
    {
        std::string name;
        if (SectionName(line, name))
            file.push_back({ name, {} });
        file.back().lines.push_back(line);
    }
    return file;
}

// A section of the file with the writer's keys now: a key written with its
// baseline value keeps its line unless bAllKeys; a changed key replaces its
// line or joins the keys; a key written at the baseline and no more goes.
FileSection MergeSection(const FileSection& section, const KeyLines& now, const KeyLines* pBefore, bool bAllKeys)
{
    FileSection out{ section.name, { section.lines[0] } };
    size_t nAfterKeys = 1;
    std::set<std::string> seenKeys;
    for (size_t n = 1; n < section.lines.size(); ++n)
    {
        const std::string& line = section.lines[n];
        std::string key = KeyName(line);
        // Readers take a key's first line only; later ones stay as they are.
        if (key.empty() || !seenKeys.insert(key).second)
        {
            out.lines.push_back(line);
            if (!key.empty())
                nAfterKeys = out.lines.size();
            continue;
        }
        const std::string* pNew = FindKey(&now, key);
        const std::string* pOld = FindKey(pBefore, key);
        if (pNew == nullptr && pOld != nullptr)
            continue;
        out.lines.push_back(pNew != nullptr && (bAllKeys || pOld == nullptr || *pOld != *pNew) ? *pNew : line);
        nAfterKeys = out.lines.size();
    }
    for (const auto& entry : now)
    {
        if (seenKeys.count(entry.first) > 0)
            continue;
        const std::string* pOld = FindKey(pBefore, entry.first);
        if (!bAllKeys && pOld != nullptr && *pOld == entry.second)
            continue;
        out.lines.insert(out.lines.begin() + (ptrdiff_t)nAfterKeys++, entry.second);
    }
    return out;
}

// The section of an object under a new number, or of a new object: all its
// keys, then the keys of the section it leaves that the writer neither
// writes nor wrote (keys of other programs, values read and never written).
FileSection FreshObjectSection(const std::string& header, const KeyLines& now, const FileSection* pLeft,
                               const KeyLines* pBefore)
{
    FileSection out{ std::string(), { header } };
    for (const auto& entry : now)
        out.lines.push_back(entry.second);
    std::set<std::string> seenKeys;
    for (size_t n = 1; pLeft != nullptr && n < pLeft->lines.size(); ++n)
    {
        std::string key = KeyName(pLeft->lines[n]);
        if (!key.empty() && seenKeys.insert(key).second && FindKey(&now, key) == nullptr &&
            FindKey(pBefore, key) == nullptr)
            out.lines.push_back(pLeft->lines[n]);
    }
    return out;
}

} // namespace

BOOL CProjectFileText::Load(LPCSTR lpszPath)
{
    Reset();
    std::string text;
    if (!ReadFileBytes(lpszPath, text, CProfileSource::kMaxWholeFileSize))
        return FALSE;
    m_bCut = !text.empty() && text.back() != '\r' && text.back() != '\n';
    for (size_t nStart = 0; nStart < text.size();)
    {
        size_t nEnd = text.find_first_of("\r\n", nStart);
        if (nEnd == std::string::npos)
        {
            m_original.push_back(text.substr(nStart));
            break;
        }
        m_original.push_back(text.substr(nStart, nEnd - nStart));
        nStart = nEnd + (text[nEnd] == '\r' && nEnd + 1 < text.size() && text[nEnd + 1] == '\n' ? 2 : 1);
    }
    m_bOriginal = TRUE;
    return TRUE;
}

std::string CProjectFileText::SectionCutShort() const
{
    if (m_original.empty() || KeyName(m_original.back()).empty())
        return std::string();
    return LastSection();
}

std::string CProjectFileText::LastSection() const
{
    std::string name;
    for (auto it = m_original.rbegin(); it != m_original.rend(); ++it)
        if (SectionName(*it, name))
            return name;
    return std::string();
}

BOOL CProjectFileText::HasSection(LPCSTR lpszName) const
{
    const std::string wanted = NameOf(lpszName != nullptr ? lpszName : "");
    std::string name;
    for (const std::string& line : m_original)
        if (SectionName(line, name) && name == wanted)
            return TRUE;
    return FALSE;
}

void CProjectFileText::Reset()
{
    m_original.clear();
    m_baseline.clear();
    m_baselineOrigins.clear();
    m_corrected.clear();
    m_bOriginal = FALSE;
    m_bCut = FALSE;
}

void CProjectFileText::SetBaseline(const LineList& written, const SectionOrigins& origins,
                                   const std::set<std::string>& corrected)
{
    m_baseline = written;
    m_baselineOrigins = origins;
    m_corrected.clear();
    for (const std::string& name : corrected)
        m_corrected.insert(NameOf(name));
}

BOOL CProjectFileText::IsBaseline(const LineList& written, const SectionOrigins& origins, LPCSTR lpszHead) const
{
    const std::string head = NameOf(lpszHead != nullptr ? lpszHead : "");
    std::vector<FileSection> now = FileSections(written), before = FileSections(m_baseline);
    auto isHead = [&head](const FileSection& section) { return section.name == head; };
    now.erase(std::remove_if(now.begin(), now.end(), isHead), now.end());
    before.erase(std::remove_if(before.begin(), before.end(), isHead), before.end());
    return origins == m_baselineOrigins && now.size() == before.size() &&
           std::equal(now.begin(), now.end(), before.begin(),
                      [](const FileSection& a, const FileSection& b) { return a.lines == b.lines; });
}

BOOL CProjectFileText::Saved(const LineList& saved, const LineList& written, const SectionOrigins& origins,
                             LPCSTR lpszHead)
{
    if (m_bOriginal && saved == m_original && IsBaseline(written, origins, lpszHead))
        return FALSE;
    m_original = saved;
    m_baseline = written;
    m_baselineOrigins.clear();
    for (const auto& entry : origins)
        m_baselineOrigins[entry.first] = entry.first;
    m_corrected.clear();
    m_bOriginal = TRUE;
    return TRUE;
}

LineList CProjectFileText::Merge(const LineList& written, const SectionOrigins& origins, LPCSTR lpszHead,
                                 BOOL bFreshHead) const
{
    if (!m_bOriginal)
        return written;
    // Nothing to write: also a page whose numbering has gaps keeps them.
    if (!bFreshHead && IsBaseline(written, origins, lpszHead))
        return m_original;
    const Written now(written), before(m_baseline, &m_baselineOrigins);
    const std::string head = NameOf(lpszHead != nullptr ? lpszHead : "");
    std::set<std::string> objectSections;   // the file's sections that objects were read from
    for (const auto& entry : m_baselineOrigins)
        objectSections.insert(entry.second);
    auto pageBaseline = [&](const std::string& name) {
        return name == head ? (bFreshHead ? nullptr : now.Find(name)) : before.Find(name);
    };

    const std::vector<FileSection> file = FileSections(m_original);
    std::vector<FileSection> result{ file[0] };
    std::set<std::string> placed;                    // written sections standing in the result
    std::map<std::string, const FileSection*> left;  // the first section of each name, as read
    for (size_t i = 1; i < file.size(); ++i)
    {
        const FileSection& section = file[i];
        const std::string& name = section.name;
        left.emplace(name, &section);
        // Readers take a section's first occurrence only; later ones stay as they are.
        if (placed.count(name) > 0)
        {
            result.push_back(section);
            continue;
        }
        const KeyLines* pNow = now.Find(name);
        auto origin = origins.find(name);
        if (objectSections.count(name) > 0 || origin != origins.end())
        {
            // An object's section stays with the object read from it while it
            // keeps its number; it goes with a deleted or renumbered object,
            // and makes way for an object new under its name.
            if (origin != origins.end() && origin->second == name && pNow != nullptr)
            {
                const KeyLines* pBefore = before.Find(name);
                bool bAllKeys = m_corrected.count(name) > 0 || pBefore == nullptr || *pBefore != *pNow;
                result.push_back(MergeSection(section, *pNow, pBefore, bAllKeys));
                placed.insert(name);
            }
            continue;
        }
        if (pNow == nullptr)
        {
            // Written at the baseline and no more: gone from the page.
            if (before.Find(name) == nullptr)
                result.push_back(section);
            continue;
        }
        result.push_back(MergeSection(section, *pNow, pageBaseline(name), false));
        placed.insert(name);
    }

    // Sections the file lacks go after the writer's section before them.
    for (size_t i = 0; i < now.order.size(); ++i)
    {
        const std::string& name = now.order[i];
        if (placed.count(name) > 0)
            continue;
        const KeyLines& keys = *now.Find(name);
        FileSection out;
        auto origin = origins.find(name);
        if (origin != origins.end())
        {
            auto found = left.find(origin->second);
            out = FreshObjectSection(now.headers.at(name), keys, found != left.end() ? found->second : nullptr,
                                     before.Find(origin->second));
        }
        else
        {
            // A page stamped with the editor's head ends as the editor ends
            // its pages, with the writer's last section: without it the page
            // would read as cut short.
            const bool bClosing = bFreshHead && i + 1 == now.order.size();
            const KeyLines* pBefore = pageBaseline(name);
            out.lines.push_back(now.headers.at(name));
            for (const auto& entry : keys)
            {
                const std::string* pOld = FindKey(pBefore, entry.first);
                if (bClosing || pOld == nullptr || *pOld != entry.second)
                    out.lines.push_back(entry.second);
            }
            if (out.lines.size() < 2)
                continue;
        }
        out.name = name;
        out.lines.push_back(" ");
        size_t nAt = 1;
        for (size_t k = i; k-- > 0;)
        {
            auto found = std::find_if(result.begin() + 1, result.end(),
                                      [&](const FileSection& s) { return s.name == now.order[k]; });
            if (found != result.end())
            {
                nAt = size_t(found - result.begin()) + 1;
                break;
            }
        }
        result.insert(result.begin() + (ptrdiff_t)nAt, out);
        placed.insert(name);
    }

    LineList lines;
    for (const FileSection& section : result)
        lines.insert(lines.end(), section.lines.begin(), section.lines.end());
    // ... and with the line that closes every section.
    if (bFreshHead && !lines.empty() && !KeyName(lines.back()).empty())
        lines.push_back(" ");
    return lines;
}

std::string CProjectFileText::Text(const LineList& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

LineList CProjectFileText::StoreLines(CLineStore& store)
{
    LineList lines;
    CString line;
    for (int nMore = store.GetFirst(line); nMore; nMore = store.GetNext(line))
        lines.emplace_back((LPCSTR)line, (size_t)line.GetLength());
    return lines;
}
