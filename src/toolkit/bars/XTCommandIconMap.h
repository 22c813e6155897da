// Command id to a pair of icons (normal, hot), owned by the map.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

class CXTCommandIconMap
{
public:
    CXTCommandIconMap() = default;
    CXTCommandIconMap(const CXTCommandIconMap&) = delete;
    CXTCommandIconMap& operator=(const CXTCommandIconMap&) = delete;
    ~CXTCommandIconMap() { RemoveAll(); }

    // Takes the icons; an entry held for the id loses its icons first.
    void SetAt(UINT nID, HICON hIcon, HICON hIconHot);
    // The map keeps the icons: a caller that keeps one copies it.
    BOOL Lookup(UINT nID, HICON& hIcon, HICON& hIconHot) const;
    void RemoveAll();
    size_t GetCount() const { return m_map.size(); }

private:
    std::map<UINT, std::pair<HICON, HICON>> m_map;
};
