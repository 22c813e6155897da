// Loads a library for the holder's lifetime.
#pragma once

#include <windows.h>

class CXTLoadLibrary
{
public:
    explicit CXTLoadLibrary(LPCSTR lpszFileName)   // null loads nothing
        : m_hModule(lpszFileName != nullptr ? ::LoadLibraryA(lpszFileName) : nullptr)
    {
    }
    CXTLoadLibrary(const CXTLoadLibrary&) = delete;
    CXTLoadLibrary& operator=(const CXTLoadLibrary&) = delete;
    ~CXTLoadLibrary()
    {
        if (m_hModule != nullptr)
            ::FreeLibrary(m_hModule);
    }

    HMODULE GetHandle() const { return m_hModule; }
    operator HMODULE() const { return m_hModule; }

private:
    HMODULE m_hModule;
};
