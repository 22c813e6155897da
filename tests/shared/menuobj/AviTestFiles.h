// AVI clips written by the tests: the chunk layout of a one-stream clip with
// uncompressed 24-bit frames, whose header fields the tests then bend.
#pragma once

#include <windows.h>

#include <string.h>
#include <vector>

namespace menuobj_testing {

struct AviClip
{
    int cx = 32;
    int cy = 24;
    int nFrames = 2;
    DWORD dwScale = 1;
    DWORD dwRate = 15;
    DWORD dwCompression = BI_RGB;
    const char* pszHandler = "";   // up to four characters; shorter ones end in zero bytes
};

// Offsets in the clip of the fields the tests bend.
enum : size_t
{
    aviMainHeaderTag = 24,
    aviTotalFrames = 48,
    aviStreams = 56,
    aviWidth = 64,
    aviHeight = 68,
    aviStreamListTag = 88,
    aviHandler = 112,
    aviScale = 128,
    aviRate = 132,
    aviBitsPerPixel = 186,
    aviCompression = 188,
};

class AviBytes
{
public:
    explicit AviBytes(const AviClip& clip)
    {
        const DWORD cbRow = ((DWORD)clip.cx * 3 + 3) & ~3u;
        const DWORD cbFrame = cbRow * clip.cy;
        Tag("RIFF"); Put(0); Tag("AVI ");
        Tag("LIST"); Put(192); Tag("hdrl");
        Tag("avih"); Put(56);
        Put(1000000 / (clip.dwRate ? clip.dwRate : 1)); Put(0); Put(0); Put(0x10);
        Put(clip.nFrames); Put(0); Put(1); Put(cbFrame); Put(clip.cx); Put(clip.cy);
        Put(0); Put(0); Put(0); Put(0);
        Tag("LIST"); Put(116); Tag("strl");
        Tag("strh"); Put(56); Tag("vids");
        BYTE handler[4] = {};
        memcpy(handler, clip.pszHandler, strnlen(clip.pszHandler, 4));
        for (BYTE b : handler)
            m_bytes.push_back(b);
        Put(0); Put(0); Put(0); Put(clip.dwScale); Put(clip.dwRate); Put(0); Put(clip.nFrames);
        Put(cbFrame); Put((DWORD)-1); Put(0);
        Put16(0); Put16(0); Put16((WORD)clip.cx); Put16((WORD)clip.cy);
        Tag("strf"); Put(40);
        Put(40); Put(clip.cx); Put(clip.cy); Put16(1); Put16(24); Put(clip.dwCompression); Put(cbFrame);
        Put(0); Put(0); Put(0); Put(0);
        const size_t offMoviList = m_bytes.size();
        Tag("LIST"); Put(4 + clip.nFrames * (8 + cbFrame)); Tag("movi");
        std::vector<DWORD> offsets;
        for (int i = 0; i < clip.nFrames; ++i)
        {
            offsets.push_back((DWORD)(m_bytes.size() - (offMoviList + 8)));
            Tag("00db"); Put(cbFrame);
            m_bytes.insert(m_bytes.end(), cbFrame, (BYTE)(0x40 + 0x40 * (i % 3)));
        }
        Tag("idx1"); Put(16 * clip.nFrames);
        for (DWORD dwOffset : offsets)
        {
            Tag("00db"); Put(0x10); Put(dwOffset); Put(cbFrame);
        }
        Set32(4, (DWORD)m_bytes.size() - 8);
    }

    std::vector<BYTE>& Bytes() { return m_bytes; }
    void Set32(size_t at, DWORD dw) { memcpy(&m_bytes[at], &dw, 4); }
    void SetText(size_t at, const char* psz) { memcpy(&m_bytes[at], psz, strlen(psz)); }

private:
    void Tag(const char* psz)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back((BYTE)psz[i]);
    }
    void Put(DWORD dw)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back((BYTE)(dw >> (8 * i)));
    }
    void Put16(WORD w)
    {
        m_bytes.push_back((BYTE)w);
        m_bytes.push_back((BYTE)(w >> 8));
    }

    std::vector<BYTE> m_bytes;
};

} // namespace menuobj_testing
