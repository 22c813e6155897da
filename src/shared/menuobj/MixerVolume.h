// The speakers' volume through the platform's mixer, as the volume slider
// reads and sets it (0 to 100). An inactive wrapper answers every operation
// with success at once and never touches the mixer: the sliders on the
// editor's design canvas must not change the system volume.
#pragma once

#include "framework/Afx.h"

#include <mmsystem.h>

// The mixer functions the wrapper calls, replaceable as one set so that tests
// can see every call and answer it where no sound device exists.
struct MIXER_FUNCTIONS
{
    UINT(WINAPI* pfnGetNumDevs)();
    MMRESULT(WINAPI* pfnOpen)(LPHMIXER phmx, UINT uMxId, DWORD_PTR dwCallback, DWORD_PTR dwInstance, DWORD fdwOpen);
    MMRESULT(WINAPI* pfnGetDevCaps)(UINT_PTR uMxId, LPMIXERCAPSA pmxcaps, UINT cbmxcaps);
    MMRESULT(WINAPI* pfnGetLineInfo)(HMIXEROBJ hmxobj, LPMIXERLINEA pmxl, DWORD fdwInfo);
    MMRESULT(WINAPI* pfnGetLineControls)(HMIXEROBJ hmxobj, LPMIXERLINECONTROLSA pmxlc, DWORD fdwControls);
    MMRESULT(WINAPI* pfnGetControlDetails)(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails);
    MMRESULT(WINAPI* pfnSetControlDetails)(HMIXEROBJ hmxobj, LPMIXERCONTROLDETAILS pmxcd, DWORD fdwDetails);
    MMRESULT(WINAPI* pfnClose)(HMIXER hmx);
};

class CMixerVolume : public CObject
{
    DECLARE_DYNAMIC(CMixerVolume)
public:
    // Construction: active, closed.
    CMixerVolume();
    CMixerVolume(const CMixerVolume&) = delete;
    CMixerVolume& operator=(const CMixerVolume&) = delete;
    ~CMixerVolume() override;   // closes a mixer that is still open

    // Attributes
    void SetInactive(BOOL bInactive) { m_bInactive = bInactive; }
    BOOL IsInactive() const { return m_bInactive; }
    BOOL IsOpen() const { return m_hMixer != nullptr; }
    const CString& GetLineName() const { return m_strLineName; }
    const CString& GetControlName() const { return m_strControlName; }

    // Operations; each TRUE for success.
    // Opens the first mixer, whose changes are reported to the window, and
    // finds the volume control of its speakers line.
    BOOL Open(CWnd* pCallbackWnd);
    // The volume scaled to 0..100; nothing is written when inactive.
    BOOL GetValue(int& nValue);
    // Sets the volume from 0..100 (values outside are clamped).
    BOOL SetValue(int nValue);
    BOOL Close();

    // Replaces the mixer functions of every wrapper; returns the previous set.
    static MIXER_FUNCTIONS SetFunctions(const MIXER_FUNCTIONS& functions);
    static MIXER_FUNCTIONS PlatformFunctions();

private:
    BOOL FindVolumeControl();
    BOOL ControlDetails(DWORD& dwValue, BOOL bSet);

    CString m_strLineName;
    CString m_strControlName;
    DWORD m_dwMinimum;
    DWORD m_dwMaximum;
    DWORD m_dwControlID;
    UINT m_nDevices;
    HMIXER m_hMixer;
    MIXERCAPSA m_caps;
    BOOL m_bInactive;
};
