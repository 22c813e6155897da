// The menu objects of a page's sections as create structs: the player's
// document and the editor's project page read every kind of object the same
// way and differ only in what they make of the values afterwards.
#pragma once

#include "shared/menuobj/MButCreateStruct.h"
#include "shared/menuobj/MTextCreateStruct.h"
#include "shared/menuobj/ViewerCreateStruct.h"
#include "shared/support/FontDesc.h"

#include <functional>

class CProjectSettings;
struct PageObjectLists;

// The sections of the objects a page holds at most one of besides the
// picture ("IMAGE1"): one AVI clip, one volume slider and one script list box,
// written before [WELCOME] with ENABLE, FILE, X, Y, W, H, STYLE, NREP (the
// clip's plays) and the colour.
inline constexpr char kSecEditorAviClip[] = "AVICLIP1";
inline constexpr char kSecEditorSlider[] = "SLIDER1";
inline constexpr char kSecEditorListBox[] = "LISTBOX1";
inline constexpr char kKeyObjectStyle[] = "STYLE";
inline constexpr char kKeyRepeatCount[] = "NREP";
// The only STYLE bits the editor writes: the clip's border and the list box's
// plain look. Other bits of a damaged page are dropped on reading.
inline constexpr DWORD kAviClipBorderStyle = 0x800000;
inline constexpr DWORD kListBoxPlainStyle = 2;

// What every button of a page takes from the page itself.
struct PageButtonLook
{
    const CFontDesc* pFont;       // the [BUTTONS] font
    int nBrightness;
    BOOL bHoverEffect;
    COLORREF crBackground;
};

// Button section nSection with its names and style as stored, or null when the
// page has no such section. The caller numbers it.
CMButCreateStruct* ReadButtonCreateStruct(CProjectSettings& settings, int nSection, const PageButtonLook& look);

// Text section nSection at its position with the given first size (a text
// window measures itself once shown), or null.
CMTextCreateStruct* ReadTextCreateStruct(CProjectSettings& settings, int nSection, SIZE firstSize,
                                         COLORREF crBackground);

// Text field section nSection, or null.
CViewerCreateStruct* ReadTextFieldCreateStruct(CProjectSettings& settings, int nSection, COLORREF crBackground);

// The picture object of the page ("IMAGE1"), or null when it is not enabled.
CMObjCreateStruct* ReadImageCreateStruct(CProjectSettings& settings);

// The object of kind nType (MOBJ_AVICLIP, MOBJ_SLIDER or MOBJ_LISTBOX) from
// its section, or null when the section is not enabled. A list box comes as a
// button create struct, from which its window is made.
CMObjCreateStruct* ReadObjectSectionCreateStruct(CProjectSettings& settings, LPCSTR lpszSection, int nType);

// Brings a page object's rectangle onto a page of the given size, as both
// programs show it: a side of no size gets the kind's defaultSize; an object
// larger than the page is cut to it, one too large or wholly outside is moved
// into it. Answers whether the rectangle changed; bTooLarge tells a side
// larger than the page (the page is damaged).
BOOL FitObjectToPage(RECT& rc, SIZE page, SIZE defaultSize, BOOL& bTooLarge);

// Brings every object of the page's lists onto a page of the size with
// FitObjectToPage, each kind with its own size for a side of no size; both
// programs correct a page so, so that they show its objects alike. Each
// object changed is told to `corrected` with the name of its section (the
// number of a numbered one is the caller's), its rectangle as stored and
// whether a side was larger than the page.
void FitPageObjects(const PageObjectLists& lists, SIZE page,
                    const std::function<void(CMObjCreateStruct& object, LPCSTR lpszSection, BOOL bNumbered,
                                             const RECT& stored, BOOL bTooLarge)>& corrected);

// A text value of at most nMaxChars characters.
CString ReadPageText(CProjectSettings& settings, LPCSTR lpszSection, LPCSTR lpszKey, LPCSTR lpszDefault,
                     int nMaxChars);

// The menu window's place on the screen from the stored X, Y, W and H (-1
// where not given): without a size it fits fitSize; it never outgrows the
// screen nor shrinks below minSize; without a place it is centred.
RECT PageWindowRect(int nX, int nY, int nW, int nH, SIZE fitSize, SIZE minSize, SIZE screen);

// The menu window's place and the page's size (its client area) from the
// page's stored values: size type 0 sizes the page by its background picture
// (1 by 1 without one: the smallest page) whatever W and H say; otherwise a
// side not given (-1) takes fitSize. Then as PageWindowRect.
RECT PageRect(int nX, int nY, int nW, int nH, int nSizeType, SIZE picture, SIZE fitSize, SIZE minSize, SIZE screen);

// The page's background colour from [WINDOWBGCOLOR] (196, 196, 196 when missing).
COLORREF ReadWindowBgColor(CProjectSettings& settings);
