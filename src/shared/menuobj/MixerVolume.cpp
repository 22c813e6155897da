#include "shared/menuobj/MixerVolume.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CMixerVolume, CObject)

namespace {

const int kScale = 100;

MIXER_FUNCTIONS& CurrentFunctions()
{
    static MIXER_FUNCTIONS functions = CMixerVolume::PlatformFunctions();
    return functions;
}

// A fixed-size name field of the platform, which need not be terminated.
CString BoundedName(const char* pszName, size_t cchMax)
{
    return CString(pszName, (int)strnlen(pszName, cchMax));
}

} // namespace

CMixerVolume::CMixerVolume()
    : m_dwMinimum(0), m_dwMaximum(0), m_dwControlID(0), m_nDevices(0), m_hMixer(nullptr), m_caps{},
      m_bInactive(FALSE)
{
}

CMixerVolume::~CMixerVolume()
{
    if (m_hMixer != nullptr)
        CurrentFunctions().pfnClose(m_hMixer);
}

MIXER_FUNCTIONS CMixerVolume::PlatformFunctions()
{
    return { ::mixerGetNumDevs,         ::mixerOpen,           ::mixerGetDevCapsA,
             ::mixerGetLineInfoA,       ::mixerGetLineControlsA, ::mixerGetControlDetailsA,
             ::mixerSetControlDetails,  ::mixerClose };
}

MIXER_FUNCTIONS CMixerVolume::SetFunctions(const MIXER_FUNCTIONS& functions)
{
    MIXER_FUNCTIONS previous = CurrentFunctions();
    CurrentFunctions() = functions;
    return previous;
}

BOOL CMixerVolume::Open(CWnd* pCallbackWnd)
{
    if (m_bInactive || m_hMixer != nullptr)
        return TRUE;
    const MIXER_FUNCTIONS& mixer = CurrentFunctions();
    m_nDevices = mixer.pfnGetNumDevs();
    if (m_nDevices == 0)
        return FALSE;
    HWND hWnd = AfxHwnd(pCallbackWnd);
    HMIXER hMixer = nullptr;
    if (mixer.pfnOpen(&hMixer, 0, (DWORD_PTR)hWnd, 0, hWnd ? CALLBACK_WINDOW : 0) != MMSYSERR_NOERROR)
        return FALSE;
    m_hMixer = hMixer;
    if (mixer.pfnGetDevCaps((UINT_PTR)m_hMixer, &m_caps, sizeof(m_caps)) != MMSYSERR_NOERROR || !FindVolumeControl())
    {
        Close();
        return FALSE;
    }
    return TRUE;
}

// The volume control of the speakers line, with its name and bounds.
BOOL CMixerVolume::FindVolumeControl()
{
    const MIXER_FUNCTIONS& mixer = CurrentFunctions();
    MIXERLINEA line = {};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixer.pfnGetLineInfo((HMIXEROBJ)m_hMixer, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE)
        != MMSYSERR_NOERROR)
        return FALSE;
    MIXERCONTROLA control = {};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSA controls = {};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    if (mixer.pfnGetLineControls((HMIXEROBJ)m_hMixer, &controls,
                                 MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR)
        return FALSE;
    m_strLineName = BoundedName(line.szName, sizeof(line.szName));
    m_strControlName = BoundedName(control.szName, sizeof(control.szName));
    m_dwMinimum = control.Bounds.dwMinimum;
    m_dwMaximum = control.Bounds.dwMaximum;
    m_dwControlID = control.dwControlID;
    return TRUE;
}

BOOL CMixerVolume::ControlDetails(DWORD& dwValue, BOOL bSet)
{
    MIXERCONTROLDETAILS_UNSIGNED value = { dwValue };
    MIXERCONTROLDETAILS details = {};
    details.cbStruct = sizeof(details);
    details.dwControlID = m_dwControlID;
    details.cChannels = 1;
    details.cbDetails = sizeof(value);
    details.paDetails = &value;
    const MIXER_FUNCTIONS& mixer = CurrentFunctions();
    DWORD fdw = MIXER_OBJECTF_HMIXER
                | (bSet ? MIXER_SETCONTROLDETAILSF_VALUE : MIXER_GETCONTROLDETAILSF_VALUE);
    MMRESULT result = bSet ? mixer.pfnSetControlDetails((HMIXEROBJ)m_hMixer, &details, fdw)
                           : mixer.pfnGetControlDetails((HMIXEROBJ)m_hMixer, &details, fdw);
    if (result != MMSYSERR_NOERROR)
        return FALSE;
    dwValue = value.dwValue;
    return TRUE;
}

BOOL CMixerVolume::GetValue(int& nValue)
{
    if (m_bInactive)
        return TRUE;
    DWORD dwValue = 0;
    if (m_hMixer == nullptr || !ControlDetails(dwValue, FALSE))
        return FALSE;
    if (m_dwMaximum <= m_dwMinimum || dwValue <= m_dwMinimum)
        nValue = 0;
    else if (dwValue >= m_dwMaximum)
        nValue = kScale;
    else
        nValue = (int)((ULONGLONG(dwValue - m_dwMinimum) * kScale + (m_dwMaximum - m_dwMinimum) / 2)
                       / (m_dwMaximum - m_dwMinimum));
    return TRUE;
}

BOOL CMixerVolume::SetValue(int nValue)
{
    if (m_bInactive)
        return TRUE;
    if (m_hMixer == nullptr)
        return FALSE;
    nValue = nValue < 0 ? 0 : (nValue > kScale ? kScale : nValue);
    DWORD dwRange = m_dwMaximum > m_dwMinimum ? m_dwMaximum - m_dwMinimum : 0;
    DWORD dwValue = m_dwMinimum + (DWORD)(ULONGLONG(dwRange) * nValue / kScale);
    return ControlDetails(dwValue, TRUE);
}

BOOL CMixerVolume::Close()
{
    if (m_bInactive)
        return TRUE;
    if (m_hMixer != nullptr)
        CurrentFunctions().pfnClose(m_hMixer);
    m_hMixer = nullptr;
    return TRUE;
}
