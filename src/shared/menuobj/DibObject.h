// The DIB holder of the menu object windows: a BMP file as a packed DIB in
// global memory with its palette, turned into a screen bitmap for drawing.
#pragma once

#include "framework/Object.h"

class CPalette;

class CDibObject : public CObject
{
    DECLARE_DYNAMIC(CDibObject)
public:
    CDibObject() = default;
    CDibObject(const CDibObject&) = delete;
    CDibObject& operator=(const CDibObject&) = delete;
    ~CDibObject() override;

    // Attributes
    HGLOBAL GetDib() const { return m_hDib; }          // null when empty
    CPalette* GetPalette() const { return m_pPalette; } // null without colour table
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    // Operations
    // Reads a BMP file; TRUE when a DIB is held. A file that does not open
    // leaves the object as it was.
    BOOL LoadFile(LPCSTR lpszPath);
    // Takes the size of the held DIB and makes its palette; a DIB that is not
    // valid is freed.
    void InitFromDib();
    // A bitmap of the screen made from the DIB (the caller deletes it); null
    // without a DIB.
    HBITMAP CreateDDB() const;
    void Free();

private:
    void DeletePalette();

    HGLOBAL m_hDib = nullptr;
    CPalette* m_pPalette = nullptr;
    int m_nWidth = 1;
    int m_nHeight = 1;
};

// Loads a BMP file into the holder (the buttons' and picture windows' road).
BOOL LoadDibFile(CDibObject& dib, LPCSTR lpszPath);
