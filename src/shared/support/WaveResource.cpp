#include "shared/support/WaveResource.h"

#include "framework/WinApp.h"

#include <mmsystem.h>

const void* FindWaveResource(LPCSTR lpszName, DWORD& dwSize)
{
    dwSize = 0;
    const HINSTANCE hModule = AfxGetResourceHandle();
    const HRSRC hInfo = FindResourceA(hModule, lpszName, "WAVE");
    const HGLOBAL hData = hInfo != nullptr ? LoadResource(hModule, hInfo) : nullptr;
    const void* pData = hData != nullptr ? LockResource(hData) : nullptr;
    if (pData != nullptr)
        dwSize = SizeofResource(hModule, hInfo);
    return pData;
}

BOOL PlayWaveResource(LPCSTR lpszName)
{
    DWORD dwSize = 0;
    const void* pData = FindWaveResource(lpszName, dwSize);
    // A resource stays mapped while the program runs; there is nothing to free.
    return pData != nullptr && sndPlaySoundA((LPCSTR)pData, SND_MEMORY | SND_NODEFAULT | SND_SYNC);
}
