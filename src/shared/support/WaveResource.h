// Sounds built into the program as resources of type "WAVE", each a whole
// WAV file.
#pragma once

#include <windows.h>

// The bytes of the program's WAVE resource of that name; null (size 0) when
// there is none.
const void* FindWaveResource(LPCSTR lpszName, DWORD& dwSize);

// Plays the resource from memory, without a default sound in its place, and
// returns when it has ended. FALSE when there is no such resource or the
// platform could not play it.
BOOL PlayWaveResource(LPCSTR lpszName);
