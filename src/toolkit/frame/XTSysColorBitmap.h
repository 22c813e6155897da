// Bitmaps whose four standard greys (black, grey, light grey, white) are
// shown in the user's system colours, or as a black-and-white mask.
#pragma once

#include <windows.h>

// A new bitmap (the caller deletes it) from a bitmap resource; none when the
// resource is missing or malformed.
HBITMAP LoadSysColorBitmap(HINSTANCE hInst, LPCSTR lpszResource, BOOL bMono);
// The same from the bytes of a bitmap resource: header, colour table, bits.
// Every size is checked against cbData.
HBITMAP CreateSysColorBitmap(const void* pData, DWORD cbData, BOOL bMono);
