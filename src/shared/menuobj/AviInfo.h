// The headers at the start of an AVI file: frame size, frame and stream
// counts, frame rate, colour depth and the codec of the first stream. Only a
// clip whose first 244 bytes hold the usual chunk sequence (RIFF AVI, the
// header list with its main header, the first stream's list with its stream
// header) counts as one.
#pragma once

#include "framework/Afx.h"

class CAviInfo : public CObject
{
    DECLARE_DYNAMIC(CAviInfo)
public:
    enum { headerSize = 244 };

    // Construction
    CAviInfo() = default;

    // Operations
    // Reads the file's first 244 bytes and probes them. FALSE when the file
    // cannot be read, is shorter or is no AVI clip.
    BOOL ReadFile(LPCSTR lpszFile);
    // Probes the bytes of a file's start; fewer than 244 are no AVI clip.
    BOOL Probe(const BYTE* pHeader, size_t cbHeader);

    // Attributes (valid after a successful probe)
    BOOL GetResult() const { return m_bResult; }
    WORD GetFrameWidth() const { return m_wFrameWidth; }
    WORD GetFrameHeight() const { return m_wFrameHeight; }
    WORD GetTotalFrames() const { return m_wTotalFrames; }
    WORD GetStreams() const { return m_wStreams; }
    WORD GetFramesPerSecond() const { return m_wFramesPerSecond; }   // 0 when the stream has no time scale
    WORD GetBitsPerPixel() const { return m_wBitsPerPixel; }
    const CString& GetFourCC() const { return m_strFourCC; }          // the first stream's handler code
    const CString& GetCodec() const { return m_strCodec; }            // the codec description
    const CString& GetError() const { return m_strError; }

private:
    void Fail(LPCSTR lpszError);

    WORD m_wFrameWidth = 0;
    WORD m_wFrameHeight = 0;
    WORD m_wTotalFrames = 0;
    WORD m_wStreams = 0;
    WORD m_wFramesPerSecond = 0;
    WORD m_wBitsPerPixel = 0;
    CString m_strFourCC;
    CString m_strCodec;
    CString m_strError;
    BOOL m_bResult = FALSE;
};
