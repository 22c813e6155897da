// Scope guards that set a value of a device context and put the old one back
// through the context's own setter when they end (or on Restore).
#pragma once

#include <windows.h>

template <class VALUE>
class CXTDCValueSaver
{
public:
    typedef VALUE(WINAPI* SETTER)(HDC, VALUE);

    CXTDCValueSaver(HDC hDC, SETTER pfnSet, VALUE newValue)
        : m_hDC(hDC), m_pfnSet(pfnSet), m_oldValue(pfnSet(hDC, newValue)), m_bSaved(TRUE)
    {
    }
    CXTDCValueSaver(const CXTDCValueSaver&) = delete;
    CXTDCValueSaver& operator=(const CXTDCValueSaver&) = delete;
    ~CXTDCValueSaver() { Restore(); }

    VALUE GetOldValue() const { return m_oldValue; }
    void Restore()
    {
        if (m_bSaved)
            m_pfnSet(m_hDC, m_oldValue);
        m_bSaved = FALSE;
    }

private:
    HDC m_hDC;
    SETTER m_pfnSet;
    VALUE m_oldValue;
    BOOL m_bSaved;
};

class CXTBkModeSaver : public CXTDCValueSaver<int>
{
public:
    CXTBkModeSaver(HDC hDC, int nBkMode) : CXTDCValueSaver<int>(hDC, ::SetBkMode, nBkMode) {}
};

class CXTTextColorSaver : public CXTDCValueSaver<COLORREF>
{
public:
    CXTTextColorSaver(HDC hDC, COLORREF clr) : CXTDCValueSaver<COLORREF>(hDC, ::SetTextColor, clr) {}
};

class CXTBkColorSaver : public CXTDCValueSaver<COLORREF>
{
public:
    CXTBkColorSaver(HDC hDC, COLORREF clr) : CXTDCValueSaver<COLORREF>(hDC, ::SetBkColor, clr) {}
};

// Selects a GDI object (a null one selects nothing) and selects the old one back.
class CXTObjectSaver
{
public:
    CXTObjectSaver(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hOld(hObject != nullptr ? ::SelectObject(hDC, hObject) : nullptr)
    {
    }
    CXTObjectSaver(const CXTObjectSaver&) = delete;
    CXTObjectSaver& operator=(const CXTObjectSaver&) = delete;
    ~CXTObjectSaver() { Restore(); }

    void Restore()
    {
        if (m_hOld != nullptr)
            ::SelectObject(m_hDC, m_hOld);
        m_hOld = nullptr;
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
