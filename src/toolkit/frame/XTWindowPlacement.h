// A main window's placement (position, size, normal or maximised) kept in the
// toolkit's "Settings" section as one binary value of 48 bytes: a reserved
// zero, then the placement as the window reports it, with 48 in its length
// field. Only the record says 48: the window functions refuse any length but
// the structure's own, so the placement handed to them always carries that.
#pragma once

#include "framework/String.h"

#include <windows.h>

class CWnd;

// The stored record, byte for byte.
struct XT_WINDOWPLACEMENT_RECORD
{
    DWORD dwReserved;
    WINDOWPLACEMENT placement;
};
static_assert(sizeof(XT_WINDOWPLACEMENT_RECORD) == 48, "the stored placement is 48 bytes on every platform");

class CXTWindowPlacement
{
public:
    // Construction: a new record shows the window (SW_SHOW) and holds no position.
    CXTWindowPlacement();

    // Attributes
    const XT_WINDOWPLACEMENT_RECORD& GetRecord() const { return m_record; }

    // Operations: a null value name stands for "Window Position".
    // Saves the window's placement; without a value name a minimised window is
    // stored as a normal one, so that the program never starts minimised.
    BOOL SaveWindowPos(CWnd* pWnd, LPCSTR lpszValueName = nullptr);
    // Applies the saved placement; FALSE when there is none or the window refuses it.
    BOOL LoadWindowPos(CWnd* pWnd, LPCSTR lpszValueName = nullptr);
    // Replaces the record with the stored one; FALSE (record unchanged) when the
    // value is missing, not 48 bytes long or its length field is neither 44 nor 48.
    BOOL ReadPlacement(LPCSTR lpszValueName = nullptr);

    static const UINT kRecordLength = sizeof(XT_WINDOWPLACEMENT_RECORD);

    // Implementation
protected:
    static CString GetValueName(LPCSTR lpszValueName);
    static BOOL IsKnownLength(UINT nLength);

    XT_WINDOWPLACEMENT_RECORD m_record;
};
