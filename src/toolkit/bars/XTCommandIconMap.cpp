#include "toolkit/bars/XTCommandIconMap.h"

namespace {

void DestroyPair(const std::pair<HICON, HICON>& icons)
{
    if (icons.first != nullptr)
        ::DestroyIcon(icons.first);
    if (icons.second != nullptr && icons.second != icons.first)
        ::DestroyIcon(icons.second);
}

} // namespace

void CXTCommandIconMap::SetAt(UINT nID, HICON hIcon, HICON hIconHot)
{
    auto it = m_map.find(nID);
    if (it != m_map.end())
        DestroyPair(it->second);
    m_map[nID] = std::make_pair(hIcon, hIconHot);
}

BOOL CXTCommandIconMap::Lookup(UINT nID, HICON& hIcon, HICON& hIconHot) const
{
    auto it = m_map.find(nID);
    if (it == m_map.end())
    {
        hIcon = hIconHot = nullptr;
        return FALSE;
    }
    hIcon = it->second.first;
    hIconHot = it->second.second;
    return TRUE;
}

void CXTCommandIconMap::RemoveAll()
{
    for (const auto& entry : m_map)
        DestroyPair(entry.second);
    m_map.clear();
}
