#include "shared/menuobj/AviInfo.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CAviInfo, CObject)

namespace {

// Where the tags of the expected chunk sequence stand in the file.
struct AviTag
{
    size_t nOffset;
    const char* pszTag;
};

const AviTag theTags[] = {
    { 0, "RIFF" },  { 8, "AVI" },   { 12, "LIST" }, { 20, "hdrl" },
    { 24, "avi" },  { 88, "LIST" }, { 96, "strl" }, { 100, "strh" },
};

// Offsets of the fields read from the main header, the first stream's header
// and its bitmap header.
const size_t offTotalFrames = 48;
const size_t offStreams = 56;
const size_t offWidth = 64;
const size_t offHeight = 68;
const size_t offHandler = 112;
const size_t offScale = 128;
const size_t offRate = 132;
const size_t offBitsPerPixel = 186;
const size_t offCompression = 188;

struct CodecName
{
    const char* pszKey;
    const char* pszDescription;
};

const CodecName theCodecs[] = {
    { "cvid", "CVID; Cinepak Codec Radius Inc." }, { "iv31", "IV31; Indeo Codec R3.1 by Intel" },
    { "iv32", "IV32; Indeo Codec R3.2 by Intel" }, { "iv50", "IV50; Indeo Codec 5.10 by Intel" },
    { "rle", "RLE; Microsoft RLE Codec" },          { "mrle", "MRLE; Microsoft MRLE Codec" },
    { "cram", "CRAM; Microsoft Video 1" },
};

DWORD ReadDword(const BYTE* pHeader, size_t nOffset)
{
    DWORD dw;
    memcpy(&dw, pHeader + nOffset, sizeof(dw));
    return dw;
}

// The text at the offset begins with the tag, letters compared without case.
// Only the tag's length is looked at, so no text runs past the header.
BOOL HasTag(const BYTE* pHeader, const AviTag& tag)
{
    return _strnicmp((const char*)pHeader + tag.nOffset, tag.pszTag, strlen(tag.pszTag)) == 0;
}

// The first stream's handler code: up to four characters, ending at a zero byte.
CString HandlerCode(const BYTE* pHeader)
{
    const char* pszCode = (const char*)pHeader + offHandler;
    return CString(pszCode, (int)strnlen(pszCode, 4));
}

CString DescribeCodec(const CString& strCode)
{
    CString strLower = strCode;
    strLower.MakeLower();
    for (const CodecName& codec : theCodecs)
        if (strncmp(strLower, codec.pszKey, strlen(codec.pszKey)) == 0)
            return codec.pszDescription;
    return strCode;
}

} // namespace

void CAviInfo::Fail(LPCSTR lpszError)
{
    m_wFrameWidth = m_wFrameHeight = m_wTotalFrames = m_wStreams = m_wFramesPerSecond = m_wBitsPerPixel = 0;
    m_strFourCC.Empty();
    m_strCodec.Empty();
    m_strError = lpszError;
    m_bResult = FALSE;
}

BOOL CAviInfo::ReadFile(LPCSTR lpszFile)
{
    BYTE header[headerSize];
    UINT cbRead = 0;
    CFile file;
    if (!file.Open(lpszFile, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
    {
        Fail("");
        return FALSE;
    }
    try
    {
        cbRead = file.Read(header, sizeof(header));
    }
    catch (CFileException* pError)
    {
        pError->Delete();
        cbRead = 0;
    }
    return Probe(header, cbRead);
}

BOOL CAviInfo::Probe(const BYTE* pHeader, size_t cbHeader)
{
    if (pHeader == nullptr || cbHeader < headerSize)
    {
        Fail("Unknown file header");
        return FALSE;
    }
    for (const AviTag& tag : theTags)
    {
        if (!HasTag(pHeader, tag))
        {
            Fail("Unknown file header");
            return FALSE;
        }
    }

    m_strFourCC = HandlerCode(pHeader);
    CString strCode;
    switch (pHeader[offCompression])
    {
    case 0:
        // Uncompressed frames come with an empty handler or the DIB handler.
        strCode = pHeader[offHandler] == 0 || m_strFourCC.CompareNoCase("DIB ") == 0 ? "Uncompressed" : "Unknown";
        break;
    case 1:
        strCode = "RLE";
        break;
    default:
        strCode = m_strFourCC;
        break;
    }
    m_strCodec = DescribeCodec(strCode);

    m_wFrameWidth = LOWORD(ReadDword(pHeader, offWidth));
    m_wFrameHeight = LOWORD(ReadDword(pHeader, offHeight));
    m_wTotalFrames = LOWORD(ReadDword(pHeader, offTotalFrames));
    m_wStreams = LOWORD(ReadDword(pHeader, offStreams));
    m_wBitsPerPixel = LOWORD(ReadDword(pHeader, offBitsPerPixel));
    // A stream without a time scale has no frame rate.
    DWORD dwScale = ReadDword(pHeader, offScale);
    m_wFramesPerSecond = dwScale != 0 ? LOWORD(ReadDword(pHeader, offRate) / dwScale) : 0;
    m_strError.Empty();
    m_bResult = TRUE;
    return TRUE;
}
