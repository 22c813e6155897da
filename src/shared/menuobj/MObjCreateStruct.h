// The stored data of one menu object: what the project file holds for it and
// what its window is created from.
#pragma once

#include "framework/Afx.h"
#include "shared/support/FontDesc.h"

// Kind codes (m_nType).
enum
{
    MOBJ_BUTTON = 1,
    MOBJ_TEXT = 2,
    MOBJ_VIEWER = 3,
    MOBJ_AVICLIP = 4,
    MOBJ_PICTURE = 5,
    MOBJ_SLIDER = 6,
    MOBJ_LISTBOX = 7,
};

class CMObjCreateStruct : public CObject
{
    DECLARE_DYNAMIC(CMObjCreateStruct)
public:
    CMObjCreateStruct();
    CMObjCreateStruct(const CMObjCreateStruct&) = delete;
    CMObjCreateStruct& operator=(const CMObjCreateStruct&) = delete;

    // Takes every field of the other struct but m_nFileSection; the font
    // through CFontDesc::Assign.
    void Copy(const CMObjCreateStruct& other);

    int m_nType;               // kind code, set by the container
    int m_nNumber;             // running object number, -1 until numbered
    int m_bEnable;
    RECT m_rect;
    CString m_strText;         // caption, picture file, list file or AVI file
    CFontDesc m_font;
    int m_nID;                 // control id of the window
    DWORD m_dwStyle;           // window style bits
    int m_nRepeat;             // plays of an AVI clip
    COLORREF m_crColor;        // background colour handed to the window

    // Kept by the editor with its templates.
    int m_bPreset;             // the struct carries settings to reuse
    int m_nPageNumber;         // the project page the object was made on
    CString m_strSpare1;
    CString m_strSpare2;

    // The number of the page-file section the object was read from (1 for a
    // section of fixed name), 0 for an object not read from the file. A copy
    // is another object and starts at 0: never copied.
    int m_nFileSection;
};
