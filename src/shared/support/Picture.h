// A picture decoded by the platform's OLE picture object (GIF, JPEG and BMP
// only), from a file or from the program's resources, and drawn at its
// size or fitted into a rectangle. OLE must be initialised by the program.
#pragma once

#include "framework/String.h"

#include <ole2.h>
#include <olectl.h>

class CBitmap;
class CBrush;
class CDC;
class CFileException;
class CHeapBuffer;

class CPicture
{
public:
    CPicture() = default;
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;
    virtual ~CPicture();

    // Attributes
    BOOL m_bShowErrors = TRUE;      // failures are shown in a box besides being kept
    CString m_strError;             // text of the last failure
    int GetWidth() const { return m_nWidth; }     // pixels
    int GetHeight() const { return m_nHeight; }
    BOOL IsValid() const { return m_bValid; }      // set by UpdateSize

    // Operations
    // Loads a picture file; TRUE when a picture of at least 1x1 pixel is held.
    BOOL Load(CString strPath);
    // Reads a whole file into the buffer; TRUE when every byte was read.
    BOOL ReadFileToBuffer(LPCSTR lpszPath, CHeapBuffer& buffer);
    // Decodes the bytes into a new picture object. FALSE when the bytes cannot
    // be handed to the decoder: only GIF, JPEG and BMP data go to it, and a GIF
    // cut short or without any colour table and a BMP our reader refuses are
    // refused before it; whether it made a picture is seen by UpdateSize.
    BOOL CreateFromBytes(const BYTE* pBytes, DWORD nCount);
    // Loads a picture from the program's resources, sized at 96 pixels per inch.
    BOOL LoadFromResource(UINT nID, LPCSTR lpszType);
    // The pixel size at the screen's resolution; returns the valid flag.
    BOOL UpdateSize();
    void FreePicture();
    // The picture's palette, or null.
    HPALETTE GetPalette() const;

    // Draws the picture stretched into the rectangle, upright.
    BOOL Render(CDC* pDC, const RECT& rc);
    BOOL Draw(CDC* pDC, int x, int y);
    // Draws the picture centred in the rectangle, shrunk to fit with its
    // aspect ratio kept.
    BOOL DrawFit(CDC* pDC, const RECT& rc);
    // Renders the picture into a new bitmap of cx by cy pixels compatible with
    // the device context, on the brush's colour when one is given.
    BOOL RenderToBitmap(CDC* pDC, CBitmap& bitmap, int cx, int cy, CBrush* pBrush);
    // Keeps and shows the exception's message.
    void ReportFileError(CFileException* pError);

private:
    void ReportError(LPCSTR lpszText);
    void GetHimetricSize(OLE_XSIZE_HIMETRIC& cx, OLE_YSIZE_HIMETRIC& cy) const;

    LONG m_nFileSize = 0;           // bytes last read by ReadFileToBuffer
    IPicture* m_pPicture = nullptr;
    int m_nHeight = 0;
    LONG m_nDataSize = 0;           // bytes the current picture was decoded from
    int m_nWidth = 0;
    BOOL m_bValid = FALSE;
};

// The rectangle in which DrawFit draws a picture of w by h pixels into rc.
RECT FitPictureRect(const RECT& rc, int w, int h);
