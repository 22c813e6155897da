// The CRC-32 of IEEE 802.3 and zlib (reflected polynomial 0xEDB88320), as the
// customisation data uses it to guard stored values and to key menu paths.
#pragma once

#include <windows.h>

#include <vector>

class CXTCrc32
{
public:
    // Construction: the table is built, the value is 0.
    CXTCrc32();

    // Continues the running value over the bytes.
    DWORD Update(const void* pData, size_t nLength);
    // The CRC of the bytes alone.
    DWORD Compute(const void* pData, size_t nLength)
    {
        m_dwValue = 0;
        return Update(pData, nLength);
    }
    DWORD GetValue() const { return m_dwValue; }
    // The bytes behind their CRC (4 bytes, little-endian), as stored values keep them.
    static std::vector<BYTE> Seal(const std::vector<BYTE>& body);
    // Whether the data holds 4 bytes of CRC and the bytes it guards.
    static BOOL IsSealed(const BYTE* pData, UINT nBytes);
    void SetValue(DWORD dwValue) { m_dwValue = dwValue; }

private:
    DWORD m_table[256];
    DWORD m_dwValue;
};
