#include "toolkit/bars/XTCrc32.h"

CXTCrc32::CXTCrc32() : m_dwValue(0)
{
    for (DWORD i = 0; i < 256; ++i)
    {
        DWORD dw = i;
        for (int bit = 0; bit < 8; ++bit)
            dw = (dw & 1) ? (dw >> 1) ^ 0xEDB88320 : dw >> 1;
        m_table[i] = dw;
    }
}

DWORD CXTCrc32::Update(const void* pData, size_t nLength)
{
    const BYTE* p = static_cast<const BYTE*>(pData);
    DWORD dw = ~m_dwValue;
    for (size_t i = 0; i < nLength; ++i)
        dw = (dw >> 8) ^ m_table[(p[i] ^ dw) & 0xFF];
    m_dwValue = ~dw;
    return m_dwValue;
}

std::vector<BYTE> CXTCrc32::Seal(const std::vector<BYTE>& body)
{
    DWORD dwCrc = CXTCrc32().Compute(body.data(), body.size());
    std::vector<BYTE> value = { LOBYTE(LOWORD(dwCrc)), HIBYTE(LOWORD(dwCrc)), LOBYTE(HIWORD(dwCrc)),
                                HIBYTE(HIWORD(dwCrc)) };
    value.insert(value.end(), body.begin(), body.end());
    return value;
}

BOOL CXTCrc32::IsSealed(const BYTE* pData, UINT nBytes)
{
    if (pData == nullptr || nBytes < 4)
        return FALSE;
    DWORD dwStored = MAKELONG(MAKEWORD(pData[0], pData[1]), MAKEWORD(pData[2], pData[3]));
    return CXTCrc32().Compute(pData + 4, nBytes - 4) == dwStored;
}

