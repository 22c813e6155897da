#include "shared/menuobj/ProjectFileText.h"

#include "shared/support/FileUtils.h"
#include "shared/menuobj/LineStore.h"
#include "shared/support/ProfileSource.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

typedef CProjectFileText::LineList LineList;

// White space as the profile functions skip it around lines, names and values.
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\x1A'
           || ch == '\xA0';
}

// A name as the profile functions compare it: up to a zero, trimmed, upper-case.
std::string NameOf(std::string str)
{
    size_t nZero = str.find('\0');
    if (nZero != std::string::npos)
        str.resize(nZero);
    size_t nFirst = 0, nLast = str.size();
    while (nFirst < nLast && IsBlank(str[nFirst]))
        ++nFirst;
    while (nLast > nFirst && IsBlank(str[nLast - 1]))
        --nLast;
    str = str.substr(nFirst, nLast - nFirst);
    if (!str.empty())
        CharUpperBuffA(&str[0], (DWORD)str.size());
    return str;
}

// The name of a section header line, or false.
bool SectionName(const std::string& line, std::string& strName)
{
    size_t nFirst = 0;
    while (nFirst < line.size() && IsBlank(line[nFirst]))
        ++nFirst;
    size_t nClose = line.rfind(']');
    if (nFirst >= line.size() || line[nFirst] != '[' || nClose == std::string::npos || nClose < nFirst)
        return false;
    strName = NameOf(line.substr(nFirst + 1, nClose - nFirst - 1));
    return true;
}

// The key of a "KEY=value" line; empty for any other line.
std::string KeyName(const std::string& line)
{
    size_t nEquals = line.find('=');
    return nEquals == std::string::npos ? std::string() : NameOf(line.substr(0, nEquals));
}

// The writer's lines by section: keys in order with their lines.
struct Written
{
    std::vector<std::string> order;
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections;

    explicit Written(const LineList& lines)
    {
        std::vector<std::pair<std::string, std::string>>* pKeys = nullptr;
        for (const std::string& line : lines)
        {
            std::string name;
            if (SectionName(line, name))
            {
                order.push_back(name);
                pKeys = &sections[name];
                continue;
            }
            std::string key = KeyName(line);
            if (pKeys != nullptr && !key.empty())
                pKeys->emplace_back(key, line);
        }
    }
    const std::vector<std::pair<std::string, std::string>>* Find(const std::string& name) const
    {
        auto found = sections.find(name);
        return found == sections.end() ? nullptr : &found->second;
    }
};

const std::string* FindKey(const std::vector<std::pair<std::string, std::string>>* pKeys, const std::string& key)
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
    std::string name;
    for (auto it = m_original.rbegin(); it != m_original.rend(); ++it)
        if (SectionName(*it, name))
            return name;
    return std::string();
}

void CProjectFileText::Reset()
{
    m_original.clear();
    m_baseline.clear();
    m_bOriginal = FALSE;
    m_bCut = FALSE;
}

void CProjectFileText::Saved(const LineList& saved, const LineList& written)
{
    m_original = saved;
    m_baseline = written;
    m_bOriginal = TRUE;
}

LineList CProjectFileText::Merge(const LineList& written, LPCSTR lpszHead, BOOL bFreshHead) const
{
    if (!m_bOriginal)
        return written;
    const Written now(written), before(m_baseline);
    const std::string head = NameOf(lpszHead != nullptr ? lpszHead : "");

    std::vector<FileSection> file(1);
    for (const std::string& line : m_original)
    {
        std::string name;
        if (SectionName(line, name))
            file.push_back({ name, {} });
        file.back().lines.push_back(line);
    }

    std::vector<FileSection> result;
    std::set<std::string> merged;   // sections of the writer found in the file
    result.push_back(file[0]);
    for (size_t i = 1; i < file.size(); ++i)
    {
        const FileSection& section = file[i];
        // Readers take a section's first occurrence only; later ones stay as they are.
        if (!merged.insert(section.name).second)
        {
            result.push_back(section);
            continue;
        }
        const auto* pNow = now.Find(section.name);
        const auto* pBefore = section.name == head ? (bFreshHead ? nullptr : pNow) : before.Find(section.name);
        if (pNow == nullptr)
        {
            merged.erase(section.name);
            // Written at the baseline and no more: the object is gone.
            if (before.Find(section.name) == nullptr)
                result.push_back(section);
            continue;
        }
        FileSection out{ section.name, { section.lines[0] } };
        size_t nAfterKeys = 1;
        std::set<std::string> seenKeys;
        for (size_t n = 1; n < section.lines.size(); ++n)
        {
            const std::string& line = section.lines[n];
            std::string key = KeyName(line);
            if (key.empty() || !seenKeys.insert(key).second)
            {
                out.lines.push_back(line);
                if (!key.empty())
                    nAfterKeys = out.lines.size();
                continue;
            }
            const std::string* pNew = FindKey(pNow, key);
            const std::string* pOld = FindKey(pBefore, key);
            if (pNew == nullptr && pOld != nullptr)
                continue;
            out.lines.push_back(pNew != nullptr && (pOld == nullptr || *pOld != *pNew) ? *pNew : line);
            nAfterKeys = out.lines.size();
        }
        for (const auto& entry : *pNow)
        {
            if (seenKeys.count(entry.first) > 0)
                continue;
            const std::string* pOld = FindKey(pBefore, entry.first);
            if (pOld != nullptr && *pOld == entry.second)
                continue;
            out.lines.insert(out.lines.begin() + (ptrdiff_t)nAfterKeys++, entry.second);
        }
        result.push_back(out);
    }

    // Sections the file lacks go after the writer's section before them.
    for (size_t i = 0; i < now.order.size(); ++i)
    {
        const std::string& name = now.order[i];
        if (merged.count(name) > 0)
            continue;
        const auto* pBefore = name == head ? (bFreshHead ? nullptr : now.Find(name)) : before.Find(name);
        FileSection out{ name, {} };
        for (const std::string& line : written)
        {
            std::string header;
            if (SectionName(line, header) && header == name)
            {
                out.lines.push_back(line);
                break;
            }
        }
        for (const auto& entry : *now.Find(name))
        {
            const std::string* pOld = FindKey(pBefore, entry.first);
            if (pOld == nullptr || *pOld != entry.second)
                out.lines.push_back(entry.second);
        }
        if (out.lines.size() < 2)
            continue;
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
        merged.insert(name);
    }

    LineList lines;
    for (const FileSection& section : result)
        lines.insert(lines.end(), section.lines.begin(), section.lines.end());
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
